#pragma once
// Builds the memory host's form from a Qt Designer form, for UiLoader (which says what is built
// and what is refused). The form, its client area, resizer and menus are built in
// UiBuilder.cpp; each widget as a control (docks, lines, placeholders, frames, tab widgets,
// properties and pictures) in UiBuilderWidgets.cpp.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/common/DateLook.h"
#include "host/common/QtClasses.h"
#include "host/common/QtFrameBorder.h"
#include "host/common/RangeLook.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/OwnScale.h"
#include "host/ui/UiClasses.h"
#include "host/ui/UiDocks.h"
#include "host/ui/UiLines.h"
#include "host/ui/UiLoader.h"
#include "host/ui/UiPictures.h"
#include "host/ui/UiValues.h"

namespace kv::ui {

class UiBuilder {
  public:
    UiBuilder(const UiDocument& doc, mem::MemoryHost& host)
        : doc_(doc), host_(host), values_(doc), custom_(doc.custom_widgets()) {}

    UiLoadedForm build();

  private:
    static bool plain_identifier(const std::string& s);
    // A widget's name in quotes, for messages, or "(no name)".
    static std::string quoted(const UiElement& w);
    static std::string class_of(const UiElement& w);
    // Child widgets of a widget as Qt makes them: those placed directly in it and, for a main
    // window, its central widget's; widgets inside a layout are also its children.
    static void widgets_in(const UiElement& e, std::vector<const UiElement*>& out);

    UiClass class_for(const UiElement& w) const { return ui_class(class_of(w), custom_); }
    static bool in_chain(const UiClass& c, std::string_view name) {
        for (const auto& s : c.chain)
            if (s == name) return true;
        return false;
    }
    static std::vector<std::string_view> views(const UiClass& c) {
        return {c.chain.begin(), c.chain.end()};
    }

    const UiElement& form_area(const UiElement& top) const;
    void find_resizers(const UiElement& top, const UiElement& area);
    void refuse_layout(const UiElement& area) const;
    void make_form(const UiElement& top);
    void fit_client_area(const UiElement& top);
    void note_inside(const UiElement& w, const std::string& outer, const std::string& control,
                     bool by_layout);
    std::string page_title(const UiElement& page) const;
    void describe_tab(mem::MemoryObject& tabs, int index, const std::string& caption,
                      size_t before);
    // `origin`: where the page `w` is on starts in the container's widget (a tab widget's), px.
    void add(const UiElement& w, const std::shared_ptr<mem::MemoryObject>& container,
             double point_size, UiRect origin = {});
    void add_dock(const UiDock& dock, double point_size);
    void add_line(const UiElement& w, const UiLine& line,
                  const std::shared_ptr<mem::MemoryObject>& container, UiRect origin);
    void take_placeholder(const UiElement& w, const std::string& stands_for, host::FormsClassOf& of,
                          bool holds);
    using Border = host::QtFrameBorder::Border;
    Border frame_border(const UiElement& w) const;
    void set_properties(mem::MemoryObject& c, const UiElement& w, const std::string& qt_class,
                        double point_size);
    double font_size(const UiElement& w, double inherited) const;
    void add_resizer();
    void set_colours(mem::MemoryObject& c, const UiElement& w);
    // The scale an exported form file's container keeps in properties of its own.
    std::optional<mem::OwnScale> own_scale(const UiElement& w) const;
    void set_pictures(mem::MemoryObject& c, const UiElement& w);
    // An exported common control's own (UiBuilderCommon.cpp): a status bar's panels or a
    // toolbar's buttons from the widgets of its layout, a range, columns, a mask; false for
    // another control.
    bool read_common_control(const UiElement& w, mem::MemoryObject& c);
    // An exported progress bar's or slider's range and lie from Qt's widget.
    void read_range(const UiElement& w, mem::MemoryObject& c, host::RangeLook::Kind kind);
    // An exported list view's view, columns (their widths in its ColumnWidths) and header.
    void read_list_view(const UiElement& w, mem::MemoryObject& c);
    // An exported data grid's caption, header lines, record selectors and columns.
    void read_data_grid(const UiElement& w, mem::MemoryObject& c);
    void read_date(const UiElement& w, mem::MemoryObject& c, host::DateLook::Kind kind);
    // An exported flex grid's counts and FormatString as carried, with what Designer changed in
    // its headers, rows and columns since.
    void read_flex_grid(const UiElement& w, mem::MemoryObject& c);
    // An item widget's own properties (stdset="0") as the control's, named after `at`.
    void carry_back(mem::MemoryObject& c, const std::string& at, const UiElement& w);
    // The width of a <size> property in pixels; -1 when there is none.
    int size_width(const UiElement& w, const char* name) const;
    void add_menus(const UiElement& top);
    void add_menu_items(const UiElement& holder, const UiElement& top, const std::string& parent);
    std::string name_for(const UiElement& w, const std::string& cls);

    const UiDocument& doc_;
    mem::MemoryHost& host_;
    UiValues values_;
    std::unique_ptr<UiPictures> pictures_;
    std::map<std::string, CustomWidget> custom_;
    UiLoadedForm out_;
    std::shared_ptr<mem::MemoryForm> form_;
    std::map<std::string, int> counts_;
    std::vector<std::pair<std::shared_ptr<mem::MemoryObject>, mem::OwnScale>> scales_;
};

}  // namespace kv::ui
