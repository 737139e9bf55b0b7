// The common controls as Designer widgets: a toolbar or status bar as a frame whose horizontal
// layout holds a tool button per button (separators as etched lines or gaps, a spacer after the
// last) or a label per panel (a spring stretching, a fixed panel of its width), the layout
// keeping the bar one control for the resizer and letting a spring follow it; a progress bar and
// a slider as Qt's over the same range; a list view as a tree widget of its columns (in report
// view) or a list widget, a tree view as a tree widget; a data grid as a table widget of its
// columns, a flex grid as one of its cells, its first fixed row and column the headers; a rich
// text box and a masked edit box as Qt's text boxes; a date picker as a date edit in its format,
// a month calendar as a calendar widget; an up-down control as a frame whose layout holds its two
// arrow buttons. What Qt's widgets cannot say (an item's key and style, the file's sizes) rides
// along as their own properties, so that the .ui reads back the same controls.
#include <cmath>
#include <cstdio>

#include "host/common/BarDrawing.h"
#include "host/common/DataGridLook.h"
#include "host/common/DateLook.h"
#include "host/common/DateSerial.h"
#include "host/common/FlexGridLook.h"
#include "host/common/ListViewLook.h"
#include "host/common/MaskLook.h"
#include "host/common/NamedValues.h"
#include "host/common/RangeLook.h"
#include "host/common/StatusBarLook.h"
#include "host/common/TextFold.h"
#include "host/common/ToolBarLook.h"
#include "host/common/UpDownLook.h"
#include "host/export/WidgetExport.h"
#include "host/memory/ButtonPictures.h"
#include "host/ui/UiLines.h"

namespace kv::exporter {

namespace {

void size_property(ui::UiNode& w, const char* name, int width, int height) {
    ui::UiNode& size = w.property(name).add("size");
    size.add("width", std::to_string(width));
    size.add("height", std::to_string(height));
}

ui::UiNode& bar_layout(ui::UiNode& frame, const std::string& name, int top,
                       const std::string& stretch, int spacing, const char* kind = "QHBoxLayout") {
    ui::UiNode& layout = frame.add("layout").attribute("class", kind);
    layout.attribute("name", name);
    if (!stretch.empty()) layout.attribute("stretch", stretch);
    layout.number_property("spacing", spacing);
    layout.number_property("leftMargin", 0);
    layout.number_property("topMargin", top);
    layout.number_property("rightMargin", 0);
    layout.number_property("bottomMargin", 0);
    return layout;
}

// An item's properties as the form file keeps them ("Panels(2).Key" as "Key").
void carry(mem::MemoryObject& bar, const std::string& at, ui::UiNode& w,
           std::initializer_list<const char*> names) {
    for (const char* n : names) {
        const auto v = host::named_value(bar, at + n);
        if (!v) continue;
        if (std::holds_alternative<std::string>(*v))
            w.string_property(n, std::get<std::string>(*v), true);
        else if (const auto x = host::named_number(bar, at + n))
            w.number_property(n, std::llround(*x), true);
    }
}

}  // namespace

bool WidgetExport::write_common_control(mem::MemoryObject& c, ui::UiNode& frame) {
    const std::string name = ctx_.names.of(c);
    if (const auto range = host::RangeLook::read(c, c.type_name())) {
        write_range(c, *range, frame);
        return true;
    }
    if (const auto list = host::ListViewLook::read(c, c.type_name())) {
        write_list_view(c, *list, frame);
        return true;
    }
    if (host::DataGridLook::candidate(c.type_name())) {
        write_data_grid(c, host::DataGridLook::read(c), frame);
        return true;
    }
    if (const auto date = host::DateLook::read(c, c.type_name())) {
        write_date(c, *date, frame);
        return true;
    }
    if (host::UpDownLook::candidate(c.type_name())) {
        write_up_down(c, host::UpDownLook::read(c), frame);
        return true;
    }
    if (host::FlexGridLook::candidate(c.type_name())) {
        write_flex_grid(c, host::FlexGridLook::read(c), frame);
        return true;
    }
    if (host::iequal(c.type_name(), "RichTextBox")) {
        frame.string_property(ui::UiLines::kFormsClassProperty, original_class(c), true);
        return true;
    }
    // A masked edit box: Qt's line edit with the mask in its notation, the runtime's beside it.
    if (host::MaskLook::candidate(c.type_name())) {
        frame.string_property(ui::UiLines::kFormsClassProperty, original_class(c), true);
        const auto look = host::MaskLook::read(c);
        if (!look.mask.empty()) frame.string_property("inputMask", look.qt_input_mask());
        carry(c, "", frame, {"Mask", "PromptChar"});
        return true;
    }
    const double tpp = ctx_.twips_per_pixel;
    if (host::StatusBarLook::candidate(c.type_name())) {
        const auto bar = host::StatusBarLook::read(c);
        frame.string_property(ui::UiLines::kFormsClassProperty, original_class(c), true);
        if (bar.simple) {
            frame.number_property("Style", 1, true);
            ui::UiNode& layout = bar_layout(frame, ctx_.names.reserve(name + "_layout"),
                                            static_cast<int>(host::kPanelGap), "", 0);
            ui::UiNode& label = layout.add("item").add("widget").attribute("class", "QLabel");
            label.attribute("name", ctx_.names.reserve(name + "_simple"));
            label.string_property("text", bar.simple_text);
            return true;
        }
        std::string stretch;
        for (const auto& p : bar.panels)
            stretch += std::string(stretch.empty() ? "" : ",") + (p.auto_size == 1 ? "1" : "0");
        ui::UiNode& layout = bar_layout(frame, ctx_.names.reserve(name + "_layout"),
                                        static_cast<int>(host::kPanelGap), stretch,
                                        static_cast<int>(host::kPanelGap));
        static constexpr const char* kAlign[] = {"Qt::AlignLeft", "Qt::AlignHCenter",
                                                 "Qt::AlignRight"};
        for (size_t i = 0; i < bar.panels.size(); ++i) {
            const host::StatusPanel& p = bar.panels[i];
            const std::string at = "Panels(" + std::to_string(i + 1) + ").";
            ui::UiNode& label = layout.add("item").add("widget").attribute("class", "QLabel");
            label.attribute("name", ctx_.names.reserve(name + "_panel" + std::to_string(i + 1)));
            if (!p.enabled) label.bool_property("enabled", false);
            const int least = static_cast<int>(std::lround(p.min_width_twips / tpp));
            if (p.auto_size == 0) {
                const int width = static_cast<int>(std::lround(p.width_twips / tpp));
                size_property(label, "minimumSize", width, 0);
                size_property(label, "maximumSize", width, 16777215);
            } else {
                size_property(label, "minimumSize", least, 0);
            }
            if (p.bevel != 0) {
                label.enum_property("frameShape", "QFrame::Panel");
                label.enum_property("frameShadow",
                                    p.bevel == 1 ? "QFrame::Sunken" : "QFrame::Raised");
            }
            label.string_property("text", p.text);
            label.set_property("alignment", std::string(kAlign[p.alignment]) + "|Qt::AlignVCenter");
            label.number_property("indent", 0);
            label.number_property("margin", static_cast<long long>(host::kPanelInset) - 1);
            carry(c, at, label,
                  {"Key", "Style", "AutoSize", "Alignment", "Bevel", "Width", "MinWidth",
                   "TextSave", "ToolTipText"});
        }
        return true;
    }
    if (!host::ToolBarLook::candidate(c.type_name())) return false;
    auto bar = host::ToolBarLook::read(c);
    mem::find_button_pictures(c, bar);
    frame.string_property(ui::UiLines::kFormsClassProperty, original_class(c), true);
    carry(c, "", frame, {"ButtonWidth", "ButtonHeight", "Style", "Appearance", "TextAlignment"});
    ui::UiNode& layout = bar_layout(frame, ctx_.names.reserve(name + "_layout"), 2, "", 0);
    const auto boxes = bar.place(tpp);
    const auto images = host::tool_bar_images(bar);
    const std::string& qrc = pictures_.resource_file();
    for (size_t i = 0; i < bar.buttons.size(); ++i) {
        const host::ToolButton& b = bar.buttons[i];
        const std::string at = "Buttons(" + std::to_string(i + 1) + ").";
        const int width = static_cast<int>(boxes[i].width),
                  height = static_cast<int>(boxes[i].height);
        const std::string item = name + "_button" + std::to_string(i + 1);
        ui::UiNode* w = nullptr;
        if (b.style == host::ToolButton::Separator || b.style == host::ToolButton::Placeholder) {
            // A flat bar's separator is an etched line; a gap otherwise, and a placeholder.
            w = &layout.add("item").add("widget").attribute("class", "QFrame");
            w->attribute("name", ctx_.names.reserve(item));
            if (b.style == host::ToolButton::Separator && bar.flat) {
                w->enum_property("frameShape", "QFrame::VLine");
                w->enum_property("frameShadow", "QFrame::Sunken");
            }
            size_property(*w, "minimumSize", width, 0);
            size_property(*w, "maximumSize", width, 16777215);
        } else {
            w = &layout.add("item").add("widget").attribute("class", "QToolButton");
            w->attribute("name", ctx_.names.reserve(item));
            size_property(*w, "minimumSize", width, height);
            size_property(*w, "maximumSize", width, height);
            if (!b.tool_tip.empty()) w->string_property("toolTip", b.tool_tip);
            if (!b.caption.empty()) w->string_property("text", b.caption);
            // Its picture as the bar shows it (the list's mask colour clear), a file of its own.
            const auto path = pictures_.path_of_image(c, "Buttons(" + std::to_string(i + 1) + ")",
                                                      i < images.size() ? images[i] : QImage());
            const bool picture = path.has_value();
            if (path) {
                add_iconset(w->property("icon"), qrc, *path);
                size_property(*w, "iconSize", bar.image_width, bar.image_height);
            }
            w->enum_property("toolButtonStyle", b.caption.empty() ? "Qt::ToolButtonIconOnly"
                                                : !picture        ? "Qt::ToolButtonTextOnly"
                                                : bar.caption_right
                                                    ? "Qt::ToolButtonTextBesideIcon"
                                                    : "Qt::ToolButtonTextUnderIcon");
            if (bar.flat) w->bool_property("autoRaise", true);
            w->enum_property("focusPolicy", "Qt::NoFocus");
            if (b.style == host::ToolButton::Check || b.style == host::ToolButton::Group) {
                w->bool_property("checkable", true);
                if (b.pressed) w->bool_property("checked", true);
                if (b.style == host::ToolButton::Group) w->bool_property("autoExclusive", true);
            }
            if (b.style == host::ToolButton::Dropdown)
                w->enum_property("popupMode", "QToolButton::MenuButtonPopup");
            if (!b.enabled) w->bool_property("enabled", false);
        }
        if (!b.visible) w->bool_property("visible", false);
        carry(c, at, *w, {"Key", "Style", "Image", "Width", "Value"});
    }
    ui::UiNode& spacer = layout.add("item").add("spacer");
    spacer.attribute("name", ctx_.names.reserve(name + "_end"));
    spacer.enum_property("orientation", "Qt::Horizontal");
    ui::UiNode& hint = spacer.property("sizeHint", true).add("size");
    hint.add("width", "0");
    hint.add("height", "0");
    return true;
}

void WidgetExport::write_range(mem::MemoryObject& c, const host::RangeLook& range, ui::UiNode& w) {
    w.string_property(ui::UiLines::kFormsClassProperty, original_class(c), true);
    const bool reversed = range.min > range.max;
    w.number_property("minimum", std::llround(std::min(range.min, range.max)));
    w.number_property("maximum", std::llround(std::max(range.min, range.max)));
    w.number_property("value", std::llround(range.value));
    // Designer's slider stands upright unless told; the runtime's lies across.
    w.enum_property("orientation", range.upright ? "Qt::Vertical" : "Qt::Horizontal");
    if (range.kind == host::RangeLook::Kind::Progress) {
        w.bool_property("textVisible", false);
        if (reversed) w.bool_property("invertedAppearance", true);
        carry(c, "", w, {"Scrolling"});
        return;
    }
    w.enum_property("tickPosition", host::RangeLook::qt_tick_position(range.ticks));
    w.number_property("tickInterval", std::llround(range.tick_frequency));
    w.number_property("singleStep", std::llround(range.small_change));
    w.number_property("pageStep", std::llround(range.large_change));
    // Upright, its Min at the top.
    if (range.upright != reversed) w.bool_property("invertedAppearance", true);
}

void WidgetExport::write_list_view(mem::MemoryObject& c, const host::ListViewLook& look,
                                   ui::UiNode& w) {
    w.string_property(ui::UiLines::kFormsClassProperty, original_class(c), true);
    if (look.kind == host::ListViewLook::Kind::Tree) {
        w.add("attribute").attribute("name", "headerVisible").add("bool", "false");
        return;
    }
    carry(c, "", w, {"View", "GridLines", "HideColumnHeaders"});
    if (look.view != host::ListViewLook::Report) {
        if (look.view == host::ListViewLook::Icons)
            w.enum_property("viewMode", "QListView::IconMode");
        if (look.view == host::ListViewLook::List)
            w.enum_property("flow", "QListView::TopToBottom");
        return;
    }
    w.bool_property("rootIsDecorated", false);
    // Each column's width: a .ui gives the header one size for all.
    std::string widths;
    for (const host::ListColumn& col : look.columns)
        widths += (widths.empty() ? "" : ",") +
                  std::to_string(std::llround(col.width_twips * 2540.0 / 1440.0));
    if (!widths.empty()) {
        w.string_property("ColumnWidths", widths, true);
        ctx_.report.notes.push_back(ctx_.names.of(c) +
                                    ": its columns' widths, which a .ui cannot give each column, "
                                    "travel in its ColumnWidths property (HiMetric)");
    }
    if (!look.headers) w.add("attribute").attribute("name", "headerVisible").add("bool", "false");
    w.add("attribute").attribute("name", "headerStretchLastSection").add("bool", "false");
    static constexpr const char* kAlign[] = {"AlignLeft", "AlignRight", "AlignHCenter"};
    for (const host::ListColumn& col : look.columns) {
        ui::UiNode& column = w.add("column");
        column.string_property("text", col.text);
        if (col.alignment != 0)
            column.set_property("textAlignment",
                                std::string(kAlign[col.alignment]) + "|AlignVCenter");
    }
}

void WidgetExport::write_data_grid(mem::MemoryObject& c, const host::DataGridLook& look,
                                   ui::UiNode& w) {
    w.string_property(ui::UiLines::kFormsClassProperty, original_class(c), true);
    if (!look.caption.empty()) w.string_property("Caption", look.caption, true);
    carry(c, "", w, {"HeadLines"});
    std::string widths;
    for (const host::GridColumn& col : look.columns) {
        char width[32];
        std::snprintf(width, sizeof width, "%.10g", col.width_twips);
        widths += (widths.empty() ? "" : ",") + std::string(width);
    }
    // Each column's width: a .ui gives the header one size for all.
    if (!widths.empty()) {
        w.string_property("ColumnWidths", widths, true);
        ctx_.report.notes.push_back(ctx_.names.of(c) +
                                    ": its columns' widths, which a .ui cannot give each column, "
                                    "travel in its ColumnWidths property (twips)");
    }
    if (!look.record_selectors)
        w.add("attribute").attribute("name", "verticalHeaderVisible").add("bool", "false");
    w.add("attribute").attribute("name", "horizontalHeaderStretchLastSection").add("bool", "false");
    static constexpr const char* kAlign[] = {"AlignLeft", "AlignRight", "AlignHCenter",
                                             "AlignLeft"};
    for (const host::GridColumn& col : look.columns) {
        ui::UiNode& column = w.add("column");
        column.string_property("text", col.caption);
        if (col.alignment == 1 || col.alignment == 2)
            column.set_property("textAlignment",
                                std::string(kAlign[col.alignment]) + "|AlignVCenter");
    }
}

void WidgetExport::write_date(mem::MemoryObject& c, const host::DateLook& look, ui::UiNode& w) {
    w.string_property(ui::UiLines::kFormsClassProperty, original_class(c), true);
    const host::CivilDate d = host::civil_of(look.date);
    const auto add_date = [&](ui::UiNode& node) {
        node.add("year", std::to_string(d.year));
        node.add("month", std::to_string(d.month));
        node.add("day", std::to_string(d.day));
    };
    // Qt's date widgets start in 1752 unless told; the runtime's dates in the year 100.
    if (d.year < 1753) {
        ui::UiNode& first = w.property("minimumDate").add("date");
        first.add("year", "100");
        first.add("month", "1");
        first.add("day", "1");
    }
    if (look.kind == host::DateLook::Kind::Month) {
        add_date(w.property("selectedDate").add("date"));
        w.enum_property("firstDayOfWeek", host::DateLook::qt_day(look.start_of_week));
        w.enum_property("horizontalHeaderFormat", "QCalendarWidget::SingleLetterDayNames");
        w.enum_property("verticalHeaderFormat", look.week_numbers
                                                    ? "QCalendarWidget::ISOWeekNumbers"
                                                    : "QCalendarWidget::NoVerticalHeader");
        carry(c, "", w, {"ShowToday", "MonthColumns", "MonthRows"});
        return;
    }
    const host::DayTime t = host::time_of(look.date);
    ui::UiNode& when = w.property("dateTime").add("datetime");
    when.add("hour", std::to_string(t.hour));
    when.add("minute", std::to_string(t.minute));
    when.add("second", std::to_string(t.second));
    add_date(when);
    w.string_property("displayFormat", host::DateLook::qt_pattern(look.pattern()));
    if (!look.up_down && look.shows_date()) w.bool_property("calendarPopup", true);
    // The picker's own format (Qt's may say less: no one-digit year, no program's fields), its
    // check box, which Qt's date edit has not, and its arrows.
    w.number_property("Format", look.format, true);
    if (look.format == host::DateLook::Custom)
        w.string_property("CustomFormat", look.custom_format, true);
    carry(c, "", w, {"CheckBox", "UpDown"});
}

void WidgetExport::write_up_down(mem::MemoryObject& c, const host::UpDownLook& look,
                                 ui::UiNode& frame) {
    frame.string_property(ui::UiLines::kFormsClassProperty, original_class(c), true);
    carry(c, "", frame,
          {"Min", "Max", "Value", "Increment", "Wrap", "Orientation", "BuddyControl", "SyncBuddy"});
    const std::string name = ctx_.names.of(c);
    ui::UiNode& layout = bar_layout(frame, ctx_.names.reserve(name + "_layout"), 0, "", 0,
                                    look.across ? "QHBoxLayout" : "QVBoxLayout");
    // Lying across, the left arrow steps down.
    const char* arrows[] = {look.across ? "Qt::LeftArrow" : "Qt::UpArrow",
                            look.across ? "Qt::RightArrow" : "Qt::DownArrow"};
    const char* names[] = {look.across ? "_down" : "_up", look.across ? "_up" : "_down"};
    for (int i = 0; i < 2; ++i) {
        ui::UiNode& b = layout.add("item").add("widget").attribute("class", "QToolButton");
        b.attribute("name", ctx_.names.reserve(name + names[i]));
        b.enum_property("arrowType", arrows[i]);
        b.bool_property("autoRepeat", true);
        b.enum_property("focusPolicy", "Qt::NoFocus");
    }
}

// The grid's first fixed row and column are the table's headers (as the Qt host shows them),
// the FormatString and counts they come from carried beside them.
void WidgetExport::write_flex_grid(mem::MemoryObject& c, const host::FlexGridLook& look,
                                   ui::UiNode& w) {
    w.string_property(ui::UiLines::kFormsClassProperty, original_class(c), true);
    carry(c, "", w,
          {"Rows", "Cols", "FixedRows", "FixedCols", "FormatString", "GridLines", "BackColorFixed",
           "BackColorBkg"});
    const int head_row = look.fixed_rows > 0 ? 1 : 0, head_col = look.fixed_cols > 0 ? 1 : 0;
    w.number_property("rowCount", look.rows - head_row);
    w.number_property("columnCount", look.cols - head_col);
    if (look.grid_lines == 0) w.bool_property("showGrid", false);
    if (!(look.scroll_bars & 1))
        w.enum_property("horizontalScrollBarPolicy", "Qt::ScrollBarAlwaysOff");
    if (!(look.scroll_bars & 2))
        w.enum_property("verticalScrollBarPolicy", "Qt::ScrollBarAlwaysOff");
    w.set_property("editTriggers", "QAbstractItemView::NoEditTriggers");
    // A header's <attribute>: a flag, or a size.
    const auto attribute = [&](const char* name, const char* kind, const std::string& value) {
        w.add("attribute").attribute("name", name).add(kind, value);
    };
    if (!head_row) attribute("horizontalHeaderVisible", "bool", "false");
    if (!head_col) attribute("verticalHeaderVisible", "bool", "false");
    attribute("horizontalHeaderStretchLastSection", "bool", "false");
    const double column = host::FlexGridLook::default_column_pixels(ctx_.twips_per_pixel);
    attribute("horizontalHeaderDefaultSectionSize", "number", std::to_string(std::lround(column)));
    // Every section a header shows has its text (an empty one too: Designer numbers the
    // others).
    static constexpr const char* kAlign[] = {"", "", "AlignHCenter", "AlignRight"};
    const auto section = [&](const char* kind, const host::FlexHead& head, bool shown) {
        ui::UiNode& item = w.add(kind);
        if (!shown) return;
        item.string_property("text", head.text);
        if (*kAlign[head.align])
            item.set_property("textAlignment", std::string(kAlign[head.align]) + "|AlignVCenter");
    };
    for (int i = head_row; i < look.rows; ++i) section("row", look.cell(i, 0), head_col);
    for (int j = head_col; j < look.cols; ++j) section("column", look.cell(0, j), head_row);
}

}  // namespace kv::exporter
