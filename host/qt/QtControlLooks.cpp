#include "host/qt/QtControlLooks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMetaEnum>
#include <QPixmap>
#include <QPlainTextEdit>

#include "engine/HostAccess.h"
#include "host/common/PictureImage.h"
#include "host/common/PointerShape.h"
#include "host/common/QtClasses.h"
#include "host/memory/BackColours.h"
#include "host/qt/QtCaptionFrame.h"
#include "host/qt/QtPaintedWidget.h"
#include "host/qt/QtPictureBox.h"
#include "host/qt/QtSimpleCombo.h"

namespace kv::qt {

namespace {

// The forms runtime's pointer shapes as cursors (the arrow for one Qt has no shape for).
Qt::CursorShape cursor_of(int pointer) {
    const char* name = host::qt_cursor_name(pointer);
    bool ok = false;
    const int shape = name ? QMetaEnum::fromType<Qt::CursorShape>().keyToValue(name, &ok) : 0;
    return ok ? static_cast<Qt::CursorShape>(shape) : Qt::ArrowCursor;
}

// A custom pointer from its picture: a cursor's image with its hot spot, an icon's with the hot
// spot in its middle (the image nearest the size of a pointer); none when it cannot be shown.
std::optional<QCursor> cursor_from(const host::Picture& picture) {
    QImage best;
    for (const QImage& image : host::picture_images(picture))
        if (best.isNull() || std::abs(image.width() - 32) < std::abs(best.width() - 32))
            best = image;
    if (best.isNull()) return std::nullopt;
    const bool hot = picture.hot_x >= 0 && picture.hot_x < best.width() && picture.hot_y >= 0 &&
                     picture.hot_y < best.height();
    return QCursor(QPixmap::fromImage(best), hot ? picture.hot_x : best.width() / 2,
                   hot ? picture.hot_y : best.height() / 2);
}

// A colour of the forms runtime (&H00BBGGRR); system colours (&H80000000 and up) stay the
// style's own.
std::optional<QColor> color_of(double value) {
    if (value < 0 || value >= 0x80000000) return std::nullopt;
    const auto v = static_cast<uint32_t>(value);
    return QColor(v & 0xff, (v >> 8) & 0xff, (v >> 16) & 0xff);
}

void set_caption(QWidget& w, const QString& text) {
    if (auto* b = qobject_cast<QAbstractButton*>(&w)) return b->setText(text);
    if (auto* l = qobject_cast<QLabel*>(&w)) return l->setText(text);
    if (auto* g = qobject_cast<QGroupBox*>(&w)) return g->setTitle(text);
    if (auto* e = qobject_cast<QLineEdit*>(&w)) return e->setText(text);
    if (auto* p = qobject_cast<QPlainTextEdit*>(&w)) return p->setPlainText(text);
    if (auto* d = dynamic_cast<QtPaintedWidget*>(&w)) return d->set_caption(text);
    if (auto* s = dynamic_cast<QtSimpleCombo*>(&w)) return s->set_text(text);
    if (auto* b = qobject_cast<QComboBox*>(&w)) {
        // A drop-down list shows the entry of that text, or none.
        if (b->isEditable()) return b->setEditText(text);
        return b->setCurrentIndex(b->findText(text, Qt::MatchExactly));
    }
}

// A check box's Value: 0 clear, 1 ticked, 2 greyed (partly); an option button's: on (True, -1)
// or off.
void set_value(QWidget& w, double value) {
    if (auto* box = qobject_cast<QCheckBox*>(&w)) {
        if (value == 2) box->setTristate(true);
        return box->setCheckState(value == 1   ? Qt::Checked
                                  : value == 2 ? Qt::PartiallyChecked
                                               : Qt::Unchecked);
    }
    if (auto* b = qobject_cast<QAbstractButton*>(&w)) b->setChecked(value != 0);
}

// A property the control may not have, when it holds a number.
std::optional<double> number_of(mem::MemoryObject& c, const char* name) {
    const auto v = c.try_get(name);
    if (!v || std::holds_alternative<std::string>(*v) || std::holds_alternative<std::monostate>(*v))
        return std::nullopt;
    return to_double(*v);
}

// A Shape's or a Line's styles and colours, those it has.
host::ShapeProps shape_props(mem::MemoryObject& c) {
    const auto number = [&](const char* name) { return number_of(c, name); };
    return {number("Shape"),       number("BackStyle"),  number("BackColor"),
            number("FillStyle"),   number("FillColor"),  number("BorderStyle"),
            number("BorderColor"), number("BorderWidth")};
}

}  // namespace

QtControlLooks QtControlLooks::read(mem::MemoryObject& c) {
    QtControlLooks now;
    now.visible = try_flag(c, Prop::Visible).value_or(true);
    if (const auto on = c.try_get("Enabled")) now.enabled = to_bool(*on);
    now.back_color = try_num(c, Prop::BackColor).value_or(-1);
    now.default_back = c.traits().back_color && !mem::own_back_colour(c);
    // A transparent label shows what lies behind it, and a standard command button the style's
    // face, whatever their BackColor; the others that paint their class's colour fill where it
    // differs from their container's.
    if (!mem::shows_back_colour(c)) now.back_color = -1, now.default_back = true;
    now.opaque = now.default_back && mem::paints_over_colour(c);
    now.container = c.is_form() || c.traits().container;
    // A container's text colour is its own caption's and drawing's, not its controls': Qt's
    // palette would hand it on to the widgets in it.
    if (const auto fore = c.traits().container ? std::nullopt : c.try_get("ForeColor"))
        now.fore_color = to_double(*fore);
    else if (const auto caption = c.class_name() == "Frame" ? c.try_get("ForeColor") : std::nullopt)
        now.caption_color = to_double(*caption);
    now.font_size = try_num(c, Prop::FontSize).value_or(-1);
    now.font = host::font_look_of(c);
    now.pointer = try_num(c, Prop::MousePointer).value_or(0);
    if (now.pointer == host::kCustomPointer) now.mouse_icon = c.picture("MouseIcon");
    now.tip = try_text(c, Prop::ToolTipText).value_or("");
    const auto caption = try_text(c, Prop::Caption);
    now.has_text = caption.has_value();
    now.caption = caption.value_or("");
    if (const auto mnemonic = c.class_name() == "Label" ? c.try_get("UseMnemonic") : std::nullopt)
        now.caption = host::qt_label_text(std::move(now.caption), to_bool(*mnemonic));
    if (c.class_name() == "CheckBox" || c.class_name() == "OptionButton") {
        if (const auto v = c.try_get("Value")) now.value = to_double(*v);
    }
    if (c.class_name() == "Shape" || c.class_name() == "Line") now.shape = shape_props(c);
    now.own_back = c.class_name() == "Shape";
    if (now.caption.empty()) {
        // Most controls have no Text: asked without raising an error for every one of them.
        if (const auto text = c.try_get("Text")) {
            now.has_text = true;
            try {
                now.caption = to_text(*text);
            } catch (const Error&) {
            }
        }
    }
    return now;
}

void QtControlLooks::apply(QWidget& w, const QtControlLooks& was, bool first, bool adopted,
                           bool is_form) const {
    if (first || back_color != was.back_color || fore_color != was.fore_color ||
        opaque != was.opaque) {
        std::optional<QColor> back = own_back ? std::nullopt : color_of(back_color);
        // A system colour other than the class's own (the window's white on a picture box) is
        // the style's colour for it; the class's own is what the style paints anyway, but for
        // the widgets that would show their container's.
        if (!back && !own_back && (!default_back || (opaque && !adopted)) &&
            is_system_colour(back_color))
            back = screen_colour(QApplication::palette(&w), back_color);
        // A text colour of its own; a system one is the style's text already.
        const std::optional<QColor> fore = color_of(fore_color);
        if (back || fore) {
            QPalette p;  // the roles set here, the others as the widget inherits them
            if (back && container)
                p.setColor(QPalette::Window, *back);
            else if (back)
                for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
                    p.setColor(role, *back);
            // A disabled control's text stays the style's grey.
            if (fore)
                for (const auto group : {QPalette::Active, QPalette::Inactive})
                    for (const auto role :
                         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                        p.setColor(group, role, *fore);
            w.setPalette(p);
        } else if (!first && w.testAttribute(Qt::WA_SetPalette)) {
            // Back to the class's own colours: the style's again.
            w.setPalette(QPalette());
        }
        // A picture box paints its colour itself (QtPictureBox.h); the form's client always
        // fills its back.
        if (!dynamic_cast<QtPictureBox*>(&w) && !is_form && (back || !first))
            w.setAutoFillBackground(back.has_value());
        // An MDI form's workspace paints a brush of its own, the style's dark grey unless the
        // form has a colour of its own.
        if (auto* area = qobject_cast<QMdiArea*>(&w); area && (back || !first))
            area->setBackground(back ? QBrush(*back) : area->palette().brush(QPalette::Dark));
    }
    if (auto* frame = dynamic_cast<QtCaptionFrame*>(&w);
        frame && (first || caption_color != was.caption_color))
        frame->set_caption_colour(color_of(caption_color));
    if ((first || font_size != was.font_size || font != was.font) && font_size > 0) {
        QFont f = w.font();
        f.setPointSizeF(font_size);
        if (!adopted) host::apply_font_look(f, font);  // an adopted widget's own styles stay
        w.setFont(f);
    }
    if (first || pointer != was.pointer || mouse_icon != was.mouse_icon) {
        if (pointer == 0)
            w.unsetCursor();
        else if (const auto custom = mouse_icon ? cursor_from(*mouse_icon) : std::nullopt)
            w.setCursor(*custom);
        else
            w.setCursor(cursor_of(static_cast<int>(pointer)));
    }
    if (first || tip != was.tip) w.setToolTip(QString::fromStdString(tip));
    if (!is_form && has_text && (first || caption != was.caption))
        set_caption(w, QString::fromStdString(caption));
    if (value && (first || value != was.value)) set_value(w, *value);
    if (first || shape != was.shape)
        if (auto* painted = dynamic_cast<QtPaintedWidget*>(&w)) painted->set_look(shape);
}

}  // namespace kv::qt
