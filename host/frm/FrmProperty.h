#pragma once
// One property line of a form file (`Name = value 'comment`), as read: the raw bytes are kept
// so that an unchanged line is written back exactly; the value is also decoded for use.
#include <cstdint>
#include <string>
#include <vector>

namespace kv::frm {

enum class FrmValueKind {
    Number,  // 120, -45, 8.25
    Hex,     // &H8000000F& or &HFF
    String,  // "text" with doubled quotes
    FrxRef,  // "Form1.frx":0000 or $"Form1.frx":0000
    Bare,    // anything else kept as written (^N, {F1}, True)
};

struct FrmProperty {
    std::string name;     // as written, trimmed ("Tab(0).Control(0)", "_ExtentX")
    std::string raw;      // the value bytes, trimmed, without the comment
    std::string comment;  // bytes after the comment mark, without it
    FrmValueKind kind = FrmValueKind::Bare;
    double number = 0;        // Number and Hex
    bool hex_long = false;    // Hex written with the trailing & (a 32-bit value)
    std::string text;         // String: decoded to UTF-8; Bare: the raw bytes
    std::string frx_name;     // FrxRef: the .frx name as written
    uint32_t frx_offset = 0;  // FrxRef
    bool frx_dollar = false;  // FrxRef written as $"..." (a text property of a user control)
    size_t line = 0;          // 0-based index into the document's lines
};

// A `BeginProperty NAME [{GUID}]` ... `EndProperty` block (Font, Panels, ListImages, ...).
struct FrmGroup {
    std::string name;
    std::string guid;  // empty when the line has none
    std::vector<FrmProperty> properties;
    std::vector<FrmGroup> groups;
    size_t begin_line = 0;
    size_t end_line = 0;

    const FrmProperty* find(const std::string& property_name) const;  // the last line of it
};

// Case-insensitive comparison of ASCII names, as the designer compares them.
bool same_name(const std::string& a, const std::string& b);

}  // namespace kv::frm
