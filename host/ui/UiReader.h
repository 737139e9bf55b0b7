#pragma once
// Reads a Qt Designer form file into a UiDocument with an XML parser that tells where every
// element stands. Broken XML, a file that is not a Designer form, a document type declaration
// (a form has none; its entities are not expanded) and nesting deeper than a form needs are
// refused as UiError at FILE:LINE.
#include <string>

#include "host/ui/UiDocument.h"

namespace kv::ui {

class UiReader {
  public:
    static UiDocument read_file(const std::string& path);
    static UiDocument read_bytes(std::string bytes, const std::string& path);
    // Any XML file of the same limits (a resource collection beside a form), whatever its
    // outermost element.
    static UiDocument read_xml(std::string bytes, const std::string& path);
};

// Files the reader takes: at most this many bytes.
inline constexpr size_t kMaxUiFileBytes = 64u * 1024 * 1024;
// Elements nested deeper than this are refused.
inline constexpr size_t kMaxUiDepth = 256;

}  // namespace kv::ui
