#pragma once
// The properties of a kelvane::ResizerWidget in a .ui file and the persisted properties of the
// resizer control they stand for, both ways, as the widget hands them to the control when its
// window is first shown: the settings texts with CR LF line ends (a .ui keeps LF), the split
// bars' colour as an RGB colour (unset: the control's default), and the size limits in pixels
// of the window's inside (-1: none), which are the form's outer twips to the control.
#include <string>
#include <utility>
#include <vector>

#include "engine/Value.h"
#include "host/common/FormFrame.h"
#include "host/ui/UiValues.h"

namespace kv::ui {

// What turns the window's pixels into the form's outer twips.
struct UiScale {
    double twips_per_pixel_x = 15;
    double twips_per_pixel_y = 15;
    host::FrameMetrics frame{4, 19};  // a sizable window's
};

// A value of the widget's property as Designer writes it: the kind of its value element and the
// element's text ("" kind: the property is unset).
struct UiWidgetValue {
    std::string kind;  // "string", "bool", "number", "color", or ""
    std::string text;  // the text of a string, bool or number
    int red = 0, green = 0, blue = 0;

    bool unset() const { return kind.empty(); }
    // The value element ("<bool>true</bool>"); "" when unset.
    std::string xml() const;
    bool operator==(const UiWidgetValue&) const = default;
};

class UiResizerProperties {
  public:
    using Entry = std::pair<std::string, Value>;

    // Every property of the widget, in the order the widget declares them.
    static const std::vector<std::string>& names();

    // A property the file sets to what the control cannot hold, at the line of its element.
    struct Refused {
        size_t line = 0;
        std::string text;
    };

    // The control's persisted properties from the widget's element: only those the file sets
    // (the others keep the control's defaults, which are the widget's). A size limit of more
    // pixels than the form's twips can count is left out, and said in `refused`.
    static std::vector<Entry> to_control(const UiValues& values, const UiElement& widget,
                                         const UiScale& scale,
                                         std::vector<Refused>* refused = nullptr);

    // The widget's value of every property for the control's persisted properties (entries it
    // lacks have their defaults); unset where the widget leaves the property so.
    static std::vector<std::pair<std::string, UiWidgetValue>> to_widget(
        const std::vector<Entry>& control, const UiScale& scale);
};

// Text for an XML element's content: & < > escaped, tab and CR as character references; for an
// attribute's value (in double quotes) the quote and LF as well.
std::string xml_text(const std::string& text, bool attribute = false);

}  // namespace kv::ui
