#pragma once
// What a control shows besides its place: visibility, colour, font, pointer, tip, caption or
// text, a check box's value, a shape's styles. Read from the forms model and kept beside each
// widget, so that a sync touches Qt only for what changed since the widget was last dressed.
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "host/common/FontLook.h"
#include "host/common/Picture.h"
#include "host/common/ShapeLook.h"
#include "host/memory/MemoryObject.h"

namespace kv::qt {

struct QtControlLooks {
    bool set = false;  // dressed at least once
    bool visible = true, enabled = true;
    double back_color = -1, font_size = -1, pointer = -1;
    // ForeColor; -1 for none, and for a container, whose colour would reach what it holds.
    double fore_color = -1;
    double caption_color = -1;  // a frame's ForeColor: its caption's alone
    std::string caption, tip;
    bool has_text = false;        // a Caption or a Text: else the widget keeps what it shows
    std::optional<double> value;  // a check box's or option button's Value
    host::ShapeProps shape;       // a Shape's or a Line's styles
    bool own_back = false;        // a Shape paints its back itself, and only when it is opaque
    bool default_back = true;     // the class's own back colour, which the style's stands for
    // Paints the class's own back colour where Qt's widget would show its container's, a
    // container of a colour of its own (a label, a check box on it): an application's own
    // widget excepted.
    bool opaque = false;
    // Holds controls (a form, frame, picture box): its colour is only its own background's, the
    // role Qt's widgets in it would otherwise inherit for their text boxes' and buttons' faces.
    bool container = false;
    host::FontLook font;
    // The picture of a custom pointer (MousePointer 99), the control's MouseIcon.
    std::shared_ptr<const host::Picture> mouse_icon;

    // The looks `control` has in the forms model now.
    static QtControlLooks read(mem::MemoryObject& control);
    // Brings `widget` from `was` to these looks (every one when `first`), all but its visibility
    // and enabled state, which its window decides. An `adopted` widget (the application's own)
    // keeps its font's styles; a form's window keeps its title.
    void apply(QWidget& widget, const QtControlLooks& was, bool first, bool adopted,
               bool is_form) const;
};

}  // namespace kv::qt
