#include "control/CFormMinMax.h"

#include <cstring>

#include "control/MSubclass.h"
#include "engine/Numbers.h"

namespace kv {

CFormMinMax::~CFormMinMax() {
    if (!m_bRegistered || !Host::has_current()) return;
    try {
        MSubclass::UnhookMessage(*this, m_hWnd, kWmGetMinMaxInfo);
    } catch (...) {
        // Release must not fail; a host that cannot take the hook back leaves nothing to do.
    }
}

bool CFormMinMax::SetMinMax(WindowHandle hFormWnd, int32_t lMinXtwips, int32_t lMinYtwips,
                            int32_t lMaxXtwips, int32_t lMaxYtwips) {
    Host& host = Host::current();
    const double tx = host.twips_per_pixel_x();
    const double ty = host.twips_per_pixel_y();
    m_lMinX = to_int32(lMinXtwips / tx);
    m_lMinY = to_int32(lMinYtwips / ty);
    m_lMaxX = to_int32(lMaxXtwips / tx);
    m_lMaxY = to_int32(lMaxYtwips / ty);
    MSubclass::HookMessage(*this, hFormWnd, kWmGetMinMaxInfo);
    // Moving to another window: the old one must not keep this object's address.
    if (m_bRegistered && m_hWnd != hFormWnd)
        MSubclass::UnhookMessage(*this, m_hWnd, kWmGetMinMaxInfo);
    m_bRegistered = true;
    m_hWnd = hFormWnd;
    return false;
}

intptr_t CFormMinMax::WindowProc(WindowHandle, uint32_t iMsg, intptr_t, intptr_t lParam) {
    if (iMsg != kWmGetMinMaxInfo || lParam == 0) return 0;
    MinMaxInfo info;
    std::memcpy(&info, reinterpret_cast<const void*>(lParam), sizeof info);
    if (m_lMinX > 0) info.min_track_size.x = m_lMinX;
    if (m_lMinY > 0) info.min_track_size.y = m_lMinY;
    if (m_lMaxX > 0) info.max_track_size.x = m_lMaxX;
    if (m_lMaxY > 0) info.max_track_size.y = m_lMaxY;
    std::memcpy(reinterpret_cast<void*>(lParam), &info, sizeof info);
    return 0;
}

}  // namespace kv
