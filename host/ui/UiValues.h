#pragma once
// The typed values of a .ui file's <property> elements, as Qt Designer writes them: a string,
// a bool, a number, a rect, a font, a colour, an enum, a string list. A value of the wrong type
// or malformed is a UiError at its line; a property the widget does not have is nullopt.
#include <optional>
#include <string>
#include <vector>

#include "engine/Value.h"
#include "host/ui/UiDocument.h"

namespace kv::ui {

// The text without the spaces, tabs and line ends around it (an element's text as Designer
// indents it).
std::string trimmed(const std::string& s);

struct UiRect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct UiFont {
    std::optional<double> point_size;
    std::optional<std::string> family;
    std::optional<bool> bold, italic, underline, strikeout;
};

struct UiColor {
    int red = 0, green = 0, blue = 0, alpha = 255;
};

class UiValues {
  public:
    explicit UiValues(const UiDocument& doc) : doc_(doc) {}

    std::optional<std::string> string(const UiElement& widget, const char* name) const;
    std::optional<bool> boolean(const UiElement& widget, const char* name) const;
    std::optional<long long> number(const UiElement& widget, const char* name) const;
    // A <double> (or a whole <number>) from lo to hi.
    std::optional<double> real(const UiElement& widget, const char* name, double lo,
                               double hi) const;
    std::optional<UiRect> rect(const UiElement& widget, const char* name) const;
    std::optional<UiFont> font(const UiElement& widget, const char* name) const;
    std::optional<UiColor> color(const UiElement& widget, const char* name) const;
    // A colour role of the widget's palette as it is active ("WindowText"): nullopt when the
    // palette does not set it (the widget then has its parent's).
    std::optional<UiColor> palette_color(const UiElement& widget, const char* role) const;
    std::optional<std::string> enumeration(const UiElement& widget, const char* name) const;
    // A cursor's shape by Qt's name ("CrossCursor"); nullopt for none, or a pixmap cursor.
    std::optional<std::string> cursor_shape(const UiElement& widget, const char* name) const;
    std::optional<std::vector<std::string>> string_list(const UiElement& widget,
                                                        const char* name) const;

    // A property's plain value as written (<number>, <double>, <bool>, <string>, <enum>, <set>);
    // nullopt for other kinds (sizes, fonts, palettes) and for a number that is none.
    std::optional<Value> plain(const UiElement& property) const;
    // The value element inside a property (<string>, <bool>, ...), checked to be of that kind.
    const UiElement& value_of(const UiElement& property, const char* kind) const;
    // A whole number written in an element ("-12"), within [lo, hi].
    long long whole(const UiElement& e, long long lo, long long hi) const;
    bool truth(const UiElement& e) const;

  private:
    UiColor color_of(const UiElement& color) const;
    [[noreturn]] void fail(const UiElement& e, const std::string& what) const;
    const UiDocument& doc_;
};

}  // namespace kv::ui
