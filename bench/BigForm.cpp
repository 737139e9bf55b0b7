#include "bench/BigForm.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace kv::bench {

namespace {

constexpr int kPerPanel = 10;  // a panel and nine controls in it
constexpr int kPanelWidth = 2400, kPanelHeight = 1800, kColumns = 40;

void prop(std::string& out, int indent, const char* name, const std::string& value) {
    std::string line(static_cast<size_t>(indent), ' ');
    line += name;
    if (line.size() < static_cast<size_t>(indent) + 16) line.resize(indent + 16, ' ');
    out += line + "=   " + value + "\r\n";
}

void prop(std::string& out, int indent, const char* name, int value) {
    prop(out, indent, name, std::to_string(value));
}

void box(std::string& out, int indent, int left, int top, int width, int height) {
    prop(out, indent, "Height", height);
    prop(out, indent, "Left", left);
    prop(out, indent, "Top", top);
    prop(out, indent, "Width", width);
}

// One control of a panel: the kinds in turn.
void child(std::string& out, int panel, int k, std::string& settings) {
    static const char* kinds[] = {"TextBox", "Label", "CommandButton", "ListBox",     "Line",
                                  "TextBox", "Label", "CheckBox",      "OptionButton"};
    static const char* modes[] = {"KKAKK", "KKKKK", "AAKKK", "KKAAK", "KKAKK",
                                  "KKRKK", "RKKKK", "KAKKK", "AKKKK"};
    const std::string kind = kinds[(k - 1) % 9];
    const std::string name = "c" + std::to_string(panel) + "_" + std::to_string(k);
    out += "      Begin VB." + kind + " " + name + " \r\n";
    const int row = (k - 1) / 3, col = (k - 1) % 3;
    const int left = 60 + col * 780, top = 120 + row * 540;
    if (kind == "Line") {
        prop(out, 9, "X1", left);
        prop(out, 9, "X2", left + 700);
        prop(out, 9, "Y1", top + 200);
        prop(out, 9, "Y2", top + 200);
    } else {
        if (kind != "TextBox" && kind != "ListBox") prop(out, 9, "Caption", "\"" + name + "\"");
        box(out, 9, left, top, 720, kind == "ListBox" ? 420 : 300);
        prop(out, 9, "TabIndex", k);
    }
    out += "      End\r\n";
    settings += name + " \t" + modes[(k - 1) % 9] + "\r\n";
}

}  // namespace

BigForm big_form(const BigFormSpec& spec) {
    const int panels = (spec.controls + kPerPanel - 1) / kPerPanel;
    const int rows = (panels + kColumns - 1) / kColumns;
    const int width = kColumns * kPanelWidth, height = rows * kPanelHeight;
    std::string out = "VERSION 5.00\r\n";
    out += "Object = \"{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0\"; \"zokKL4VB.ocx\"\r\n";
    out += "Begin VB.Form " + spec.name + " \r\n";
    prop(out, 3, "BorderStyle", "2  'Sizable");
    prop(out, 3, "Caption", "\"" + spec.name + "\"");
    prop(out, 3, "ClientHeight", height);
    prop(out, 3, "ClientLeft", 60);
    prop(out, 3, "ClientTop", 345);
    prop(out, 3, "ClientWidth", width);
    prop(out, 3, "StartUpPosition", "0  'Manual");
    std::string settings;
    int made = 0;
    for (int p = 0; p < panels && made < spec.controls; ++p) {
        const bool frame = p % 2 == 1;
        const std::string name = (frame ? "fra" : "pic") + std::to_string(p);
        out += "   Begin VB." + std::string(frame ? "Frame " : "PictureBox ") + name + " \r\n";
        if (frame) prop(out, 6, "Caption", "\"" + name + "\"");
        box(out, 6, (p % kColumns) * kPanelWidth, (p / kColumns) * kPanelHeight, kPanelWidth - 60,
            kPanelHeight - 60);
        ++made;
        settings += name + " \tKKRRK\r\n";
        for (int k = 1; k < kPerPanel && made < spec.controls; ++k, ++made)
            child(out, p, k, settings);
        out += "   End\r\n";
    }
    std::string panes;
    for (int i = 0; i < spec.panes && 2 * i + 1 < panels; ++i)
        panes += (panes.empty() ? "" : "\r\n") + std::string("pic") + std::to_string(4 * i) +
                 " fra" + std::to_string(4 * i + 1);
    // The settings hold line breaks: they live in the .frx, as the designer keeps them.
    BigForm form;
    auto entry = [&](const std::string& text) {
        char ref[16];
        std::snprintf(ref, sizeof ref, "%04zX", form.frx.size());
        const auto n = static_cast<uint32_t>(text.size());
        for (int i = 0; i < 4; ++i) form.frx += static_cast<char>((n >> (8 * i)) & 0xFF);
        form.frx += text;
        return "\"" + spec.frx_name + "\":" + ref;
    };
    out += "   Begin zokKL4VB.zokKelvane zokKelvane1 \r\n";
    prop(out, 6, "Left", 120);
    prop(out, 6, "Top", 120);
    prop(out, 6, "_ExtentX", 847);
    prop(out, 6, "_ExtentY", 847);
    if (spec.settings) prop(out, 6, "ControlSettings", entry(settings));
    if (!panes.empty()) prop(out, 6, "PaneSettings", entry(panes));
    prop(out, 6, "FormGUID", "\"{5A1C3E2B-7D4F-4E6A-9B8C-0D1E2F3A4B5C}\"");
    out += "   End\r\n";
    out += "End\r\n";
    out += "Attribute VB_Name = \"" + spec.name + "\"\r\n";
    form.frm = std::move(out);
    return form;
}

}  // namespace kv::bench
