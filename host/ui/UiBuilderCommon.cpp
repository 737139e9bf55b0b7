// An exported common control read back: the labels of a status bar's layout as its panels, the
// tool buttons (and separators) of a toolbar's as its buttons, each with the file's own
// properties it carried and what Designer may have changed since (texts, tool tips, states,
// alignment, bevel, pictures); a progress bar's or slider's range, a list view's view and
// columns, a data grid's columns, a flex grid's cells, a rich text box's scroll bars, a masked
// edit box's mask; a date picker's date and format, a month calendar's date and weeks, an
// up-down control's range and buddy.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "host/common/DataGridLook.h"
#include "host/common/DateLook.h"
#include "host/common/DateSerial.h"
#include "host/common/FlexGridLook.h"
#include "host/common/ListViewLook.h"
#include "host/common/MaskLook.h"
#include "host/common/NamedValues.h"
#include "host/common/StatusBarLook.h"
#include "host/common/TextFold.h"
#include "host/common/ToolBarLook.h"
#include "host/common/UpDownLook.h"
#include "host/ui/UiBuilder.h"
#include "host/ui/UiPictures.h"

namespace kv::ui {

namespace {

// The widgets of the bar's layout, in order.
std::vector<const UiElement*> items_of(const UiElement& bar) {
    std::vector<const UiElement*> out;
    if (const UiElement* layout = bar.child("layout"))
        for (const UiElement* item : layout->children_named("item"))
            if (const UiElement* w = item->child("widget")) out.push_back(w);
    return out;
}

}  // namespace

int UiBuilder::size_width(const UiElement& w, const char* name) const {
    const UiElement* p = w.property(name);
    const UiElement* size = p ? p->child("size") : nullptr;
    const UiElement* width = size ? size->child("width") : nullptr;
    return width ? static_cast<int>(values_.whole(*width, 0, 16777215)) : -1;
}

void UiBuilder::carry_back(mem::MemoryObject& c, const std::string& at, const UiElement& w) {
    for (const UiElement* p : w.children_named("property")) {
        const std::string* stdset = p->attribute("stdset");
        const std::string* n = p->attribute("name");
        if (!stdset || *stdset != "0" || !n || n->empty()) continue;
        if (auto v = values_.plain(*p)) c.set_raw(at + *n, *v);
    }
}

void UiBuilder::read_range(const UiElement& w, mem::MemoryObject& c, host::RangeLook::Kind kind) {
    const bool progress = kind == host::RangeLook::Kind::Progress;
    const bool upright = values_.enumeration(w, "orientation").value_or("") == "Qt::Vertical";
    const bool inverted = values_.boolean(w, "invertedAppearance").value_or(false);
    // A range that runs the other way came from a Min above the Max (an upright slider is
    // turned round to have its Min at the top).
    const bool reversed = progress ? inverted : inverted != upright;
    const double low = static_cast<double>(values_.number(w, "minimum").value_or(0));
    const double high =
        static_cast<double>(values_.number(w, "maximum").value_or(progress ? 100 : 99));
    c.set_raw("Min", reversed ? high : low);
    c.set_raw("Max", reversed ? low : high);
    c.set_raw("Value", static_cast<double>(values_.number(w, "value").value_or(0)));
    c.set_raw("Orientation", upright ? 1.0 : 0.0);
    if (progress) {
        if (const auto s = values_.number(w, "Scrolling"))
            c.set_raw("Scrolling", static_cast<double>(*s));
        return;
    }
    c.set_raw("TickStyle",
              static_cast<double>(host::RangeLook::tick_style(
                  values_.enumeration(w, "tickPosition").value_or("QSlider::NoTicks"))));
    c.set_raw("TickFrequency", static_cast<double>(values_.number(w, "tickInterval").value_or(0)));
    c.set_raw("SmallChange", static_cast<double>(values_.number(w, "singleStep").value_or(1)));
    c.set_raw("LargeChange", static_cast<double>(values_.number(w, "pageStep").value_or(10)));
}

namespace {

// A header's <attribute> of a tree or table widget ("headerVisible").
std::optional<bool> bool_attribute(const UiElement& w, const char* name) {
    for (const UiElement* a : w.children_named("attribute"))
        if (const std::string* n = a->attribute("name"); n && *n == name && a->child("bool"))
            return a->child("bool")->text == "true";
    return std::nullopt;
}

// The widths an exported list view or grid carries, "2540,1482" (a width that is no number:
// the column's default).
std::vector<std::optional<double>> carried_widths(const std::string& text) {
    std::vector<std::optional<double>> out;
    for (size_t at = 0; at < text.size();) {
        const size_t comma = std::min(text.find(',', at), text.size());
        const std::string one = text.substr(at, comma - at);
        char* end = nullptr;
        const double v = std::strtod(one.c_str(), &end);
        out.push_back(!one.empty() && *end == '\0' && v >= 0 && v < 1e7 ? std::optional(v)
                                                                        : std::nullopt);
        at = comma + 1;
    }
    return out;
}

}  // namespace

void UiBuilder::read_data_grid(const UiElement& w, mem::MemoryObject& c) {
    if (const auto caption = values_.string(w, "Caption")) c.set_raw("Caption", *caption);
    if (const auto lines = values_.number(w, "HeadLines"))
        c.set_raw("HeadLines", static_cast<double>(*lines));
    if (!bool_attribute(w, "verticalHeaderVisible").value_or(true))
        c.set_raw("RecordSelectors", 0.0);
    const auto widths = carried_widths(values_.string(w, "ColumnWidths").value_or(""));
    int n = 0;
    for (const UiElement* col : w.children_named("column")) {
        const std::string at = "Columns(" + std::to_string(n) + ").";
        c.set_raw(at + "Caption", values_.string(*col, "text").value_or(""));
        const std::string align = values_.enumeration(*col, "textAlignment").value_or("");
        c.set_raw(at + "Alignment", align.find("AlignRight") != std::string::npos     ? 1.0
                                    : align.find("AlignHCenter") != std::string::npos ? 2.0
                                                                                      : 0.0);
        if (static_cast<size_t>(n) < widths.size() && widths[n])
            c.set_raw(at + "ColumnWidth", *widths[n]);
        ++n;
    }
    c.set_raw("ColumnCount", static_cast<double>(n));
}

namespace {

// A header section's text and alignment as the .ui gives them.
host::FlexHead head_of(const UiValues& values, const UiElement& section) {
    const std::string align = values.enumeration(section, "textAlignment").value_or("");
    return {values.string(section, "text").value_or(""),
            align.find("AlignRight") != std::string::npos     ? host::FlexHead::Right
            : align.find("AlignHCenter") != std::string::npos ? host::FlexHead::Centre
                                                              : host::FlexHead::Unsaid};
}

bool shown_alike(const host::FlexHead& a, const host::FlexHead& b) {
    const auto shown = [](host::FlexHead::Align x) {
        return x == host::FlexHead::Unsaid ? host::FlexHead::Left : x;
    };
    return a.text == b.text && shown(a.align) == shown(b.align);
}

// One part of the FormatString again: `kept` entries of the old one (the corner's), then the
// header's sections, each keeping the old entry's mark where it aligns alike; trailing empty
// entries left out, so that a column added in Designer has the grid's default width.
std::vector<host::FlexHead> part_again(const std::vector<host::FlexHead>& old, size_t kept,
                                       const std::vector<host::FlexHead>& sections) {
    std::vector<host::FlexHead> out(old.begin(), old.begin() + std::min(kept, old.size()));
    out.resize(kept);
    for (size_t i = 0; i < sections.size(); ++i) {
        host::FlexHead head = sections[i];
        const size_t at = kept + i;
        if (at < old.size() && shown_alike({"", old[at].align}, {"", head.align}))
            head.align = old[at].align;
        out.push_back(std::move(head));
    }
    while (!out.empty() && out.back() == host::FlexHead{}) out.pop_back();
    return out;
}

}  // namespace

void UiBuilder::read_flex_grid(const UiElement& w, mem::MemoryObject& c) {
    for (const char* own :
         {"Rows", "Cols", "FixedRows", "FixedCols", "GridLines", "BackColorFixed", "BackColorBkg"})
        if (const auto v = values_.number(w, own)) c.set_raw(own, static_cast<double>(*v));
    if (const auto format = values_.string(w, "FormatString")) c.set_raw("FormatString", *format);
    const host::FlexGridLook was = host::FlexGridLook::read(c);
    // The first fixed row and column are the headers: one hidden in Designer is no fixed row.
    const bool head_row = bool_attribute(w, "horizontalHeaderVisible").value_or(true);
    const bool head_col = bool_attribute(w, "verticalHeaderVisible").value_or(true);
    if (head_row != (was.fixed_rows > 0)) c.set_raw("FixedRows", head_row ? 1.0 : 0.0);
    if (head_col != (was.fixed_cols > 0)) c.set_raw("FixedCols", head_col ? 1.0 : 0.0);
    const size_t hr = head_row ? 1 : 0, hc = head_col ? 1 : 0;
    std::vector<host::FlexHead> across, down;
    for (const UiElement* col : w.children_named("column"))
        across.push_back(head_of(values_, *col));
    for (const UiElement* row : w.children_named("row")) down.push_back(head_of(values_, *row));
    const auto count = [&](const char* name, size_t sections) {
        return std::max(sections,
                        static_cast<size_t>(std::max(0LL, values_.number(w, name).value_or(0))));
    };
    const size_t cols = count("columnCount", across.size()) + hc;
    const size_t rows = count("rowCount", down.size()) + hr;
    if (cols != static_cast<size_t>(was.cols)) c.set_raw("Cols", static_cast<double>(cols));
    if (rows != static_cast<size_t>(was.rows)) c.set_raw("Rows", static_cast<double>(rows));
    // A header whose texts Designer changed gives its part of the FormatString again; a part
    // longer than the grid now is cut, as it would make the grid that long again.
    const auto changed = [&](const std::vector<host::FlexHead>& sections, bool row) {
        for (size_t i = 0; i < sections.size(); ++i) {
            const auto at = static_cast<int>(i + (row ? hr : hc));
            if (!shown_alike(row ? was.cell(at, 0) : was.cell(0, at), sections[i])) return true;
        }
        return false;
    };
    std::vector<host::FlexHead> new_across =
        head_row && changed(across, false) ? part_again(was.across, hc, across) : was.across;
    std::vector<host::FlexHead> new_down =
        head_col && changed(down, true) ? part_again(was.down, hr, down) : was.down;
    if (new_across.size() > cols) new_across.resize(cols);
    if (new_down.size() > rows) new_down.resize(rows);
    if (new_across != was.across || new_down != was.down)
        c.set_raw("FormatString", host::FlexGridLook::format_of(new_across, new_down));
    if (!values_.boolean(w, "showGrid").value_or(true))
        c.set_raw("GridLines", 0.0);
    else if (was.grid_lines == 0)
        c.set_raw("GridLines", 1.0);
    const auto on = [&](const char* bar) {
        return values_.enumeration(w, bar).value_or("") != "Qt::ScrollBarAlwaysOff";
    };
    c.set_raw("ScrollBars", (on("horizontalScrollBarPolicy") ? 1.0 : 0.0) +
                                (on("verticalScrollBarPolicy") ? 2.0 : 0.0));
}

void UiBuilder::read_list_view(const UiElement& w, mem::MemoryObject& c) {
    const std::string* cls = w.attribute("class");
    const bool report = cls && *cls == "QTreeWidget";
    const auto attribute = [&](const char* name) { return bool_attribute(w, name); };
    using L = host::ListViewLook;
    const std::string mode = values_.enumeration(w, "viewMode").value_or("");
    const std::string flow = values_.enumeration(w, "flow").value_or("");
    const double view = report                             ? L::Report
                        : mode == "QListView::IconMode"    ? L::Icons
                        : flow == "QListView::TopToBottom" ? L::List
                                                           : L::SmallIcons;
    c.set_raw("View", view);
    if (const auto grid = values_.number(w, "GridLines"))
        c.set_raw("GridLines", static_cast<double>(*grid));
    if (!report) return;
    if (!attribute("headerVisible").value_or(true)) c.set_raw("HideColumnHeaders", -1.0);
    const auto widths = carried_widths(values_.string(w, "ColumnWidths").value_or(""));
    int n = 0;
    for (const UiElement* col : w.children_named("column")) {
        const std::string at = "ColumnHeaders(" + std::to_string(++n) + ").";
        c.set_raw(at + "Text", values_.string(*col, "text").value_or(""));
        const std::string align = values_.enumeration(*col, "textAlignment").value_or("");
        c.set_raw(at + "Alignment", align.find("AlignRight") != std::string::npos     ? 1.0
                                    : align.find("AlignHCenter") != std::string::npos ? 2.0
                                                                                      : 0.0);
        if (static_cast<size_t>(n) <= widths.size() && widths[n - 1])
            c.set_raw(at + "Width", *widths[n - 1]);
    }
    c.set_raw("ColumnHeaders.Count", static_cast<double>(n));
}

void UiBuilder::read_date(const UiElement& w, mem::MemoryObject& c, host::DateLook::Kind kind) {
    // A part of a <date>, <time> or <datetime> (Qt's own default where the .ui has none).
    const auto part = [&](const UiElement* in, const char* name, int low, int high, int fallback) {
        const UiElement* e = in ? in->child(name) : nullptr;
        return e ? static_cast<int>(values_.whole(*e, low, high)) : fallback;
    };
    const auto value_of = [&](const char* property, const char* kind_name) -> const UiElement* {
        const UiElement* p = w.property(property);
        return p ? p->child(kind_name) : nullptr;
    };
    const auto date_of = [&](const UiElement* d) {
        return host::CivilDate{part(d, "year", 100, 9999, 2000), part(d, "month", 1, 12, 1),
                               part(d, "day", 1, 31, 1)};
    };
    const auto carried = [&](const char* name) {
        if (const auto v = values_.number(w, name)) c.set_raw(name, static_cast<double>(*v));
    };
    if (kind == host::DateLook::Kind::Month) {
        if (const UiElement* d = value_of("selectedDate", "date"))
            c.set_raw("CurrentDate", host::serial_of(date_of(d)));
        const std::string first = values_.enumeration(w, "firstDayOfWeek").value_or("Qt::Sunday");
        if (const auto day = host::DateLook::day_of_qt(first))
            c.set_raw("StartOfWeek", static_cast<double>(*day));
        const bool weeks = values_.enumeration(w, "verticalHeaderFormat").value_or("") ==
                           "QCalendarWidget::ISOWeekNumbers";
        c.set_raw("ShowWeekNumbers", weeks ? -1.0 : 0.0);
        for (const char* name : {"ShowToday", "MonthColumns", "MonthRows"}) carried(name);
        return;
    }
    // The date and time of day as whichever of Qt's properties the widget has.
    const UiElement* when = value_of("dateTime", "datetime");
    const UiElement* day = when ? when : value_of("date", "date");
    const UiElement* time = when ? when : value_of("time", "time");
    if (day || time)
        c.set_raw("CurrentDate", host::serial_of(date_of(day), {part(time, "hour", 0, 23, 0),
                                                                part(time, "minute", 0, 59, 0),
                                                                part(time, "second", 0, 59, 0)}));
    host::DateLook look;
    look.format = static_cast<int>(values_.number(w, "Format").value_or(host::DateLook::ShortDate));
    look.format = std::clamp(look.format, 0, 3);
    look.custom_format = values_.string(w, "CustomFormat").value_or("");
    // A display format changed in Designer becomes the picker's own format.
    if (const auto shown = values_.string(w, "displayFormat");
        shown && *shown != host::DateLook::qt_pattern(look.pattern())) {
        look.format = host::DateLook::Custom;
        look.custom_format = host::DateLook::from_qt_pattern(*shown);
    }
    c.set_raw("Format", static_cast<double>(look.format));
    if (look.format == host::DateLook::Custom) c.set_raw("CustomFormat", look.custom_format);
    carried("CheckBox");
    // Arrows where no calendar pops up.
    if (look.shows_date())
        c.set_raw("UpDown", values_.boolean(w, "calendarPopup").value_or(false) ? 0.0 : -1.0);
    else
        carried("UpDown");
}

bool UiBuilder::read_common_control(const UiElement& w, mem::MemoryObject& c) {
    if (const auto kind = host::RangeLook::kind_of(c.type_name())) {
        read_range(w, c, *kind);
        return true;
    }
    if (const auto kind = host::ListViewLook::kind_of(c.type_name())) {
        if (*kind == host::ListViewLook::Kind::List) read_list_view(w, c);
        return true;
    }
    if (host::DataGridLook::candidate(c.type_name())) {
        read_data_grid(w, c);
        return true;
    }
    if (const auto kind = host::DateLook::kind_of(c.type_name())) {
        read_date(w, c, *kind);
        return true;
    }
    // An up-down control's range, value and buddy ride along; the way it lies is its layout's.
    if (host::UpDownLook::candidate(c.type_name())) {
        for (const char* name : {"Min", "Max", "Value", "Increment", "Wrap", "SyncBuddy"})
            if (const auto v = values_.number(w, name)) c.set_raw(name, static_cast<double>(*v));
        if (const auto buddy = values_.string(w, "BuddyControl")) c.set_raw("BuddyControl", *buddy);
        const UiElement* layout = w.child("layout");
        const std::string* kind = layout ? layout->attribute("class") : nullptr;
        c.set_raw("Orientation", kind && *kind == "QHBoxLayout" ? 1.0 : 0.0);
        return true;
    }
    if (host::FlexGridLook::candidate(c.type_name())) {
        read_flex_grid(w, c);
        return true;
    }
    // A masked edit box's mask as Qt's line edit has it (the runtime's carried where Qt's asks
    // what the runtime's notation cannot say).
    if (host::MaskLook::candidate(c.type_name())) {
        const std::string qt = values_.string(w, "inputMask").value_or("");
        const auto look = host::MaskLook::from_qt(qt);
        if (look && !qt.empty()) {
            c.set_raw("Mask", look->mask);
            c.set_raw("PromptChar", look->prompt);
        } else {
            if (const auto m = values_.string(w, "Mask")) c.set_raw("Mask", *m);
            if (const auto p = values_.string(w, "PromptChar")) c.set_raw("PromptChar", *p);
        }
        return true;
    }
    // A rich text box's bars as its box shows them (its text is the box's).
    if (host::iequal(c.type_name(), "RichTextBox")) {
        const auto on = [&](const char* bar) {
            return values_.enumeration(w, bar).value_or("") == "Qt::ScrollBarAlwaysOn";
        };
        c.set_raw("ScrollBars", (on("horizontalScrollBarPolicy") ? 1.0 : 0.0) +
                                    (on("verticalScrollBarPolicy") ? 2.0 : 0.0));
        return true;
    }
    const double tpp = host_.twips_per_pixel_x();
    const auto himetric = [&](int px) { return px * tpp * 2540.0 / 1440.0; };
    const auto items = items_of(w);
    if (host::StatusBarLook::candidate(c.type_name())) {
        if (values_.number(w, "Style").value_or(0) == 1) {
            c.set_raw("Style", 1.0);
            if (!items.empty())
                c.set_raw("SimpleText", values_.string(*items[0], "text").value_or(""));
            return true;
        }
        int n = 0;
        for (const UiElement* label : items) {
            const std::string at = "Panels(" + std::to_string(++n) + ").";
            carry_back(c, at, *label);
            c.set_raw(at + "Text", values_.string(*label, "text").value_or(""));
            const std::string align = values_.enumeration(*label, "alignment").value_or("");
            const bool centre = align.find("AlignHCenter") != std::string::npos ||
                                align.find("AlignCenter") != std::string::npos;
            c.set_raw(at + "Alignment", centre                                          ? 1.0
                                        : align.find("AlignRight") != std::string::npos ? 2.0
                                                                                        : 0.0);
            const std::string shape = values_.enumeration(*label, "frameShape").value_or("");
            const std::string shadow = values_.enumeration(*label, "frameShadow").value_or("");
            c.set_raw(at + "Bevel", shape.empty() || shape == "QFrame::NoFrame" ? 0.0
                                    : shadow == "QFrame::Raised"                ? 2.0
                                                                                : 1.0);
            if (!values_.boolean(*label, "enabled").value_or(true)) c.set_raw(at + "Enabled", 0.0);
            // Its width as Designer shows it (a fixed panel's, and any panel's least), where it
            // is not the width the file's own gives in whole pixels.
            const auto take = [&](const char* name, int px) {
                const auto own = host::named_number(c, at + name);
                if (!own || std::lround(*own * 1440.0 / 2540.0 / tpp) != px)
                    c.set_raw(at + name, himetric(px));
            };
            const int least = size_width(*label, "minimumSize");
            if (least >= 0) take("MinWidth", least);
            if (least >= 0 && size_width(*label, "maximumSize") == least) take("Width", least);
        }
        c.set_raw("Panels.Count", static_cast<double>(n));
        return true;
    }
    if (!host::ToolBarLook::candidate(c.type_name())) return false;
    for (const UiElement* p : w.children_named("property"))
        if (const std::string* n = p->attribute("name"))
            for (const char* own :
                 {"ButtonWidth", "ButtonHeight", "Style", "Appearance", "TextAlignment"})
                if (*n == own)
                    if (auto v = values_.plain(*p)) c.set_raw(own, *v);
    int n = 0;
    for (const UiElement* item : items) {
        const std::string at = "Buttons(" + std::to_string(++n) + ").";
        carry_back(c, at, *item);
        const std::string* cls = item->attribute("class");
        if (!cls || *cls != "QToolButton") {
            // A separator, or a placeholder of its own width.
            if (!values_.number(*item, "Style"))
                c.set_raw(at + "Style", static_cast<double>(host::ToolButton::Separator));
            continue;
        }
        c.set_raw(at + "Caption", values_.string(*item, "text").value_or(""));
        c.set_raw(at + "ToolTipText", values_.string(*item, "toolTip").value_or(""));
        const bool checkable = values_.boolean(*item, "checkable").value_or(false);
        if (!values_.number(*item, "Style"))
            c.set_raw(at + "Style",
                      static_cast<double>(values_.enumeration(*item, "popupMode").value_or("") ==
                                                  "QToolButton::MenuButtonPopup"
                                              ? host::ToolButton::Dropdown
                                          : !checkable ? host::ToolButton::Default
                                          : values_.boolean(*item, "autoExclusive").value_or(false)
                                              ? host::ToolButton::Group
                                              : host::ToolButton::Check));
        c.set_raw(at + "Value", values_.boolean(*item, "checked").value_or(false) ? 1.0 : 0.0);
        if (!values_.boolean(*item, "enabled").value_or(true)) c.set_raw(at + "Enabled", 0.0);
        if (!values_.boolean(*item, "visible").value_or(true)) c.set_raw(at + "Visible", 0.0);
        // Its picture is its own now (the image list stays behind in the form file).
        if (auto pic = pictures_->of_property(item->property("icon"), c.name() + "." + at + "icon"))
            c.set_picture("Buttons(" + std::to_string(n) + ")", std::move(pic));
    }
    c.set_raw("Buttons.Count", static_cast<double>(n));
    return true;
}

}  // namespace kv::ui
