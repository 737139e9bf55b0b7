#pragma once
// Writes a Qt Designer form as Designer itself does: the XML declaration, one element per line
// indented by one blank a level, text elements on one line, and the typed property values
// Designer uses (<string>, <bool>, <number>, <rect>, <font>, <enum>, ...).
#include <list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kv::ui {

class UiNode {
  public:
    explicit UiNode(std::string name) : name_(std::move(name)) {}

    UiNode& attribute(const std::string& key, const std::string& value);
    UiNode& text(const std::string& value);
    // A new child at the end. The node returned stays where it is while more children are
    // added anywhere in the tree (exporters hold a menu bar while they add the window's actions).
    UiNode& add(const std::string& name);
    // A child holding only text: <name>text</name>.
    UiNode& add(const std::string& name, const std::string& text);

    // <property name="NAME"> with one value element; `dynamic`: a property of the object's own,
    // not of its class (stdset="0").
    UiNode& property(const std::string& name, bool dynamic = false);
    UiNode& string_property(const std::string& name, const std::string& value,
                            bool dynamic = false);
    UiNode& bool_property(const std::string& name, bool value, bool dynamic = false);
    UiNode& number_property(const std::string& name, long long value, bool dynamic = false);
    // <double>, in the fewest digits that read back as `value`.
    UiNode& double_property(const std::string& name, double value, bool dynamic = false);
    UiNode& enum_property(const std::string& name, const std::string& value);
    UiNode& set_property(const std::string& name, const std::string& value);
    UiNode& rect_property(const std::string& name, int x, int y, int width, int height);
    // A style sheet's rule added to the widget's styleSheet, after the rules it has.
    UiNode& add_sheet_rule(const std::string& rule);

    const std::string& name() const { return name_; }
    const std::list<UiNode>& children() const { return children_; }
    std::list<UiNode>& children() { return children_; }

    // The element and everything in it, starting at `depth` blanks.
    void write(std::string& out, int depth) const;

  private:
    std::string name_;
    std::vector<std::pair<std::string, std::string>> attributes_;
    std::optional<std::string> text_;
    std::list<UiNode> children_;
};

// The whole file: the declaration and `root` (<ui>), LF line ends.
std::string write_ui(const UiNode& root);

}  // namespace kv::ui
