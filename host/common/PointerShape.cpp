#include "host/common/PointerShape.h"

namespace kv::host {

namespace {

struct Shape {
    int pointer;
    const char* qt;
};

// In the runtime's order; the first of two pointers with one cursor is the one read back.
constexpr Shape kShapes[] = {
    {1, "ArrowCursor"},   {2, "CrossCursor"},      {3, "IBeamCursor"},    {4, "ArrowCursor"},
    {5, "SizeAllCursor"}, {6, "SizeBDiagCursor"},  {7, "SizeVerCursor"},  {8, "SizeFDiagCursor"},
    {9, "SizeHorCursor"}, {10, "UpArrowCursor"},   {11, "WaitCursor"},    {12, "ForbiddenCursor"},
    {13, "BusyCursor"},   {14, "WhatsThisCursor"}, {15, "SizeAllCursor"},
};

}  // namespace

const char* qt_cursor_name(int pointer) {
    for (const Shape& s : kShapes)
        if (s.pointer == pointer) return s.qt;
    return nullptr;
}

std::optional<int> pointer_of_qt_cursor(std::string_view name) {
    for (const Shape& s : kShapes)
        if (name == s.qt) return s.pointer;
    return std::nullopt;
}

}  // namespace kv::host
