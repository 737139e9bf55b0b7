#include "host/frm/FrmValueCheck.h"

#include <cmath>

#include "host/common/MenuShortcut.h"
#include "host/frm/FrmError.h"

namespace kv::frm {

namespace {

enum class Rule { Whole16, ArrayIndex, Flag, Colour, Position, Size, FontSize };

struct Known {
    const char* name;
    Rule rule;
};

// Twips and scale units are 32-bit values in a form file.
constexpr double kLongMax = 2147483647.0;

const Known kKnown[] = {
    {"Align", Rule::Whole16},        {"BorderStyle", Rule::Whole16},
    {"MousePointer", Rule::Whole16}, {"StartUpPosition", Rule::Whole16},
    {"WindowState", Rule::Whole16},  {"ScaleMode", Rule::Whole16},
    {"TabIndex", Rule::Whole16},     {"Index", Rule::ArrayIndex},
    {"Visible", Rule::Flag},         {"TabStop", Rule::Flag},
    {"MDIChild", Rule::Flag},        {"BackColor", Rule::Colour},
    {"Left", Rule::Position},        {"Top", Rule::Position},
    {"X1", Rule::Position},          {"Y1", Rule::Position},
    {"X2", Rule::Position},          {"Y2", Rule::Position},
    {"ScaleLeft", Rule::Position},   {"ScaleTop", Rule::Position},
    {"ScaleWidth", Rule::Position},  {"ScaleHeight", Rule::Position},
    {"ClientLeft", Rule::Position},  {"ClientTop", Rule::Position},
    {"Width", Rule::Size},           {"Height", Rule::Size},
    {"ClientWidth", Rule::Size},     {"ClientHeight", Rule::Size},
    {"FontSize", Rule::FontSize},
};

const char* expected_of(Rule rule) {
    switch (rule) {
        case Rule::Whole16:
            return "a whole number from -32768 to 32767";
        case Rule::ArrayIndex:
            return "a control-array index, a whole number from 0 to 32767";
        case Rule::Flag:
            return "True, False or a whole number from -32768 to 32767";
        case Rule::Colour:
            return "a colour number such as &H8000000F&";
        case Rule::Position:
            return "a number from -2147483647 to 2147483647";
        case Rule::Size:
            return "a number from 0 to 2147483647";
        case Rule::FontSize:
            return "a font size above 0 and at most 2160";
    }
    return "a number";
}

bool fits(Rule rule, const FrmProperty& p) {
    if (rule == Rule::Flag && p.kind == FrmValueKind::Bare)
        return same_name(p.text, "True") || same_name(p.text, "False");
    if (p.kind != FrmValueKind::Number && p.kind != FrmValueKind::Hex) return false;
    const double x = p.number;
    if (!std::isfinite(x)) return false;
    switch (rule) {
        case Rule::Whole16:
        case Rule::Flag:
            return x == std::trunc(x) && x >= -32768 && x <= 32767;
        case Rule::ArrayIndex:
            return x == std::trunc(x) && x >= 0 && x <= 32767;
        case Rule::Colour:
            return x == std::trunc(x) && x >= -2147483648.0 && x <= 4294967295.0;
        case Rule::Position:
            return std::fabs(x) <= kLongMax;
        case Rule::Size:
            return x >= 0 && x <= kLongMax;
        case Rule::FontSize:
            return x > 0 && x <= 2160;
    }
    return false;
}

void check_one(const FrmDocument& doc, const FrmProperty& p, Rule rule) {
    if (fits(rule, p)) return;
    throw FrmError(doc.path, p.line + 1,
                   expected_found(std::string(expected_of(rule)) + " for " + p.name, p.raw));
}

void check_block(const FrmDocument& doc, const FrmBlock& block) {
    for (const auto& p : block.properties)
        for (const auto& k : kKnown)
            if (same_name(p.name, k.name)) check_one(doc, p, k.rule);
    // A menu's shortcut is one of the designer's key notations; anything else would reach
    // the window as no shortcut at all.
    if (const auto* shortcut = block.is_class("VB.Menu") ? block.find("Shortcut") : nullptr) {
        if (shortcut->kind != FrmValueKind::Bare || !host::MenuShortcut::parse(shortcut->text))
            throw FrmError(doc.path, shortcut->line + 1,
                           expected_found(std::string(host::kShortcutExpected) + " for Shortcut",
                                          shortcut->raw));
    }
    if (const auto* font = block.find_group("Font"))
        if (const auto* size = font->find("Size")) check_one(doc, *size, Rule::FontSize);
    for (const auto& child : block.children) check_block(doc, child);
}

}  // namespace

void FrmValueCheck::check(const FrmDocument& doc) {
    check_block(doc, doc.form);
    // The forms runtime refuses any other window state (380) only once the form is shown.
    if (const auto* state = doc.form.find("WindowState")) {
        const double x = state->number;
        if (x != 0 && x != 1 && x != 2)
            throw FrmError(doc.path, state->line + 1,
                           expected_found("a window state 0 (normal), 1 (minimised) or 2 "
                                          "(maximised) for WindowState",
                                          state->raw));
    }
}

}  // namespace kv::frm
