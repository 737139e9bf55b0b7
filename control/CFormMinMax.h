#pragma once
// The size limits of one form, enforced by answering the window's tracking-limits message (36):
// a subclassing client holding the limits in pixels. Releasing it unhooks the window.
#include <cstdint>

#include "control/ISubclass.h"
#include "engine/SizeLimits.h"

namespace kv {

class CFormMinMax : public ISubclass, public SizeLimits {
  public:
    CFormMinMax() = default;
    ~CFormMinMax() override;
    CFormMinMax(const CFormMinMax&) = delete;
    CFormMinMax& operator=(const CFormMinMax&) = delete;

    // Converts the limits (twips; 0 or less after conversion = no limit) to pixels and registers
    // for message 36 on the window. Subclassing errors are raised. The result is always false.
    bool SetMinMax(WindowHandle hFormWnd, int32_t lMinXtwips, int32_t lMinYtwips,
                   int32_t lMaxXtwips, int32_t lMaxYtwips) override;

    EMsgResponse MsgResponse() const override { return emrConsume; }
    void MsgResponse(EMsgResponse) override {}
    intptr_t WindowProc(WindowHandle hwnd, uint32_t iMsg, intptr_t wParam,
                        intptr_t lParam) override;

    bool registered() const { return m_bRegistered; }

  private:
    WindowHandle m_hWnd = 0;
    int32_t m_lMinX = 0, m_lMinY = 0, m_lMaxX = 0, m_lMaxY = 0;
    bool m_bRegistered = false;
};

}  // namespace kv
