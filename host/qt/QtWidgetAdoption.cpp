#include "host/qt/QtWidgetAdoption.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLayout>
#include <QMetaObject>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>
#include <QVariant>
#include <cctype>
#include <cmath>
#include <map>

#include "host/common/QtClasses.h"
#include "host/common/QtFrameBorder.h"
#include "host/common/TextFold.h"
#include "host/memory/OwnScale.h"
#include "host/qt/QtPaintedWidget.h"

namespace kv::qt {

namespace {

// The widget's class and its base classes, its own first.
std::vector<std::string_view> class_chain(const QWidget& w) {
    std::vector<std::string_view> chain;
    for (const QMetaObject* m = w.metaObject(); m; m = m->superClass())
        chain.emplace_back(m->className());
    return chain;
}

// The widgets that are controls of a window or container; a tab widget's are those on all its
// pages (the pages themselves are Qt's parts of it).
std::vector<QWidget*> child_widgets(const QWidget& parent) {
    std::vector<QWidget*> out;
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&parent)) {
        for (int i = 0; i < tabs->count(); ++i)
            // A page a QLayout places keeps its inside to itself.
            if (QWidget* page = tabs->widget(i); page && !page->layout())
                for (QWidget* w : child_widgets(*page)) out.push_back(w);
        return out;
    }
    for (QObject* o : parent.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && is_control_widget(*w)) out.push_back(w);
    }
    return out;
}

// The style option a tab widget lays its pages out by (Qt keeps its maker protected).
struct TabWidgetOption : QTabWidget {
    using QTabWidget::initStyleOption;
};

// A check box an exported form file greys (Value 2, in a property of its own, for a .ui has no
// word for it) opens greyed, unless it is ticked.
void apply_greyed_check(QWidget& w) {
    auto* box = qobject_cast<QCheckBox*>(&w);
    if (!box || box->isChecked() || w.property("Value").toInt() != 2) return;
    box->setTristate(true);
    box->setCheckState(Qt::PartiallyChecked);
}

// A system back colour an exported form file gives a widget (in a property of its own, for a .ui
// names none): the style's colour for it, filling the widget, as the Qt host paints a control.
void apply_system_back(QWidget& w, mem::MemoryObject& c) {
    bool ok = false;
    const double own = w.property("BackColor").toDouble(&ok);  // 0x80000000 and up
    if (!ok || !(own >= 0x80000000 && own <= 0xffffffff)) return;
    const double stored = own - 4294967296.0;  // as the form file has it, a negative long
    c.set_raw("BackColor", stored);
    const QColor colour = screen_colour(QApplication::palette(&w), stored);
    QPalette p = w.palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        p.setColor(role, colour);
    w.setPalette(p);
    w.setAutoFillBackground(true);
}

// Qt Designer keeps whole points; an exported form file's widget carries its exact size (8.25)
// in a property of its own, which becomes its font's size here, before the form reads it, so that
// the text and a scaled font come out as the form file's. It refines only the whole size it was
// written with: a size chosen later in Designer wins.
void apply_exact_font_size(QWidget& w) {
    bool ok = false;
    const double size = w.property("FontSize").toDouble(&ok);
    if (!ok || !(size >= 1 && size <= 2048) || w.font().pointSizeF() == size) return;
    // The whole size the form gave it: its own, else the nearest of its parents' own (a widget a
    // style sheet has not polished yet, on a hidden page, or made under a tab widget's style
    // sheet, still has the application's font).
    const QWidget* from = &w;
    while (!(from->font().resolveMask() & QFont::SizeResolved) && !from->isWindow() &&
           from->parentWidget())
        from = from->parentWidget();
    const double whole = from->font().pointSizeF();
    if (std::lround(whole) != std::lround(size)) return;
    QFont font = w.font();
    font.setPointSizeF(size);
    w.setFont(font);
}

// The scale an exported form file's container keeps in properties of its own.
std::optional<mem::OwnScale> own_scale(const QWidget& w) {
    return mem::OwnScale::read([&](const char* name) -> std::optional<double> {
        bool ok = false;
        const double v = w.property(name).toDouble(&ok);
        return ok ? std::optional<double>(v) : std::nullopt;
    });
}

using Border = host::QtFrameBorder::Border;

// The border of a plain widget's picture box, as the .ui loader gives it: an exported form's
// picture box says its own in properties of its own, any other frame has the one it draws (its
// style sheet's, else its frame's). An exported placeholder's frame outlines the control it
// stands for, which has no border.
Border frame_border(const QWidget& w) {
    if (w.property("Placeholder").isValid()) return Border::None;
    // An exported Shape's BorderStyle is its line's: its frame draws what its style sheet says.
    if (const QVariant own = w.property("BorderStyle");
        own.isValid() && !w.property("Shape").isValid()) {
        if (own.toInt() != 1) return Border::None;
        const QVariant appearance = w.property("Appearance");
        return appearance.isValid() && appearance.toInt() == 0 ? Border::Flat : Border::ThreeD;
    }
    const auto* frame = qobject_cast<const QFrame*>(&w);
    if (!frame) return Border::None;
    if (const auto drawn = host::QtFrameBorder::sheet_border(w.styleSheet().toStdString(),
                                                             w.objectName().toStdString()))
        return *drawn;
    return host::QtFrameBorder::border_of(frame->frameShape(), frame->frameShadow(),
                                          frame->lineWidth(), frame->midLineWidth());
}

}  // namespace

bool is_control_widget(const QWidget& w) {
    if (w.isWindow() || w.objectName().startsWith("qt_")) return false;
    return !host::qt_class_is_bar(class_chain(w)) && !w.property(kResizerWidgetMark).toBool();
}

namespace {

bool plain_identifier(const std::string& s) {
    if (s.empty() || !std::isalpha(static_cast<unsigned char>(s[0]))) return false;
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

// Controls for widgets, named after their object names where those are plain identifiers not
// taken on the form yet, else after their class.
class Builder {
  public:
    Builder(mem::MemoryHost& host, mem::MemoryForm& form, const WidgetNames* kept = nullptr)
        : host_(host), form_(form), kept_(kept) {}

    // `holder` is the container's widget, when known.
    void add(QWidget& w, const std::shared_ptr<mem::MemoryObject>& container,
             const QWidget* holder = nullptr) {
        const host::FormsClassOf of = adopted_class(w);
        const std::string& cls = of.forms_class;
        // A widget of no forms class that holds controls (a tab widget) is a container.
        if (of.holds_children && !of.known) {
            mem::ForeignClass shape = host_.foreign_class(cls);
            shape.container = true;
            host_.set_foreign_class(cls, shape);
        }
        auto c = form_.add_control(cls, name_for(w, cls), container);
        // A plain frame's border is the picture box's: its controls stand inside it.
        if (of.borderless) {
            const auto border = frame_border(w);
            c->set_raw("BorderStyle", border == Border::None ? 0.0 : 1.0);
            if (border == Border::Flat) c->set_raw("Appearance", 0.0);
        }
        // A list box shows whole lines only where it says so (an exported form file's does).
        if (cls == "ListBox") c->set_raw("IntegralHeight", w.property("IntegralHeight").toBool());
        if (of.multi_line) c->set_raw("MultiLine", true);
        if (of.graphical) c->set_raw("Style", 1.0);
        apply_exact_font_size(w);
        apply_greyed_check(w);
        if (c->traits().back_color && cls != "Shape") apply_system_back(w, *c);
        if (const double pt = w.font().pointSizeF(); pt > 0) c->set_raw("FontSize", pt);
        c->set_raw("Visible", !w.isHidden());
        // A bar kept on the form's edge (an exported form's picture box says so in a property
        // of its own): the host keeps it there, as it does on a form file's form.
        if (bool ok = false; !container && c->traits().align) {
            const int align = w.property("Align").toInt(&ok);
            if (ok && align >= 1 && align <= 4) c->set_raw("Align", static_cast<double>(align));
        }
        const double tx = host_.twips_per_pixel_x(), ty = host_.twips_per_pixel_y();
        // A combo box of the application's keeps the height its style gives it.
        if (qobject_cast<QComboBox*>(&w)) c->set_fixed_height_twips(w.sizeHint().height() * ty);
        // Qt places a child from its parent's outer corner, the form from inside its border.
        const auto [ix, iy] =
            container ? container->inner_offset_twips() : std::pair<double, double>{};
        // A widget on a tab widget's page stands from the tab widget's corner.
        const QWidget* parent = w.parentWidget();
        const QRect g = holder && parent && parent != holder
                            ? w.geometry().translated(page_origin(*parent, *holder))
                            : w.geometry();
        c->set_rect_twips({g.x() * tx - ix, g.y() * ty - iy, g.width() * tx, g.height() * ty});
        if (auto scale = own_scale(w)) scales_.emplace_back(c, *scale);
        controls_.emplace_back(c, &w);
        if (of.holds_children)
            for (QWidget* child : child_widgets(w)) add(*child, c, &w);
    }

    // The controls made, their scales given last (a user scale divides its container's inside
    // as it finally is).
    std::vector<std::pair<std::shared_ptr<mem::MemoryObject>, QWidget*>> take() {
        for (const auto& [c, scale] : scales_) scale.apply(*c);
        scales_.clear();
        return std::move(controls_);
    }

  private:
    std::string name_for(const QWidget& w, const std::string& cls) {
        if (kept_)
            if (auto it = kept_->find(&w); it != kept_->end() && !taken(it->second))
                return it->second;
        std::string name = w.objectName().toStdString();
        if (!plain_identifier(name) || taken(name)) {
            do {
                name = cls + std::to_string(++counts_[cls]);
            } while (taken(name));
        }
        return name;
    }

    bool taken(const std::string& name) const {
        return form_.control(name) || host::fold(name) == host::fold(form_.name());
    }

    mem::MemoryHost& host_;
    mem::MemoryForm& form_;
    const WidgetNames* kept_;  // names to keep, when adopted again
    std::vector<std::pair<std::shared_ptr<mem::MemoryObject>, QWidget*>> controls_;
    std::vector<std::pair<std::shared_ptr<mem::MemoryObject>, mem::OwnScale>> scales_;
    std::map<std::string, int> counts_;
};

}  // namespace

host::FormsClassOf adopted_class(const QWidget& w) {
    const auto* bar = qobject_cast<const QScrollBar*>(&w);
    host::FormsClassOf of =
        host::forms_class_for(class_chain(w), bar && bar->orientation() == Qt::Horizontal);
    if (qobject_cast<const QTabWidget*>(&w)) of.holds_children = true;
    if (const auto* button = qobject_cast<const QPushButton*>(&w))
        host::take_toggle_button(of, button->isCheckable(), button->autoExclusive());
    // A panel whose widgets a QLayout places is one control: its layout keeps its inside.
    if (w.layout()) of.holds_children = false;
    return of;
}

AdoptedForm adopt_widgets(mem::MemoryHost& host, QWidget& window, const WidgetNames& kept) {
    std::string name = window.objectName().toStdString();
    if (!plain_identifier(name)) name = "Form1";
    AdoptedForm result;
    result.form = host.create_form(name);
    auto& form = *result.form;
    const double tx = host.twips_per_pixel_x(), ty = host.twips_per_pixel_y();
    form.set_raw("Caption", window.windowTitle().toStdString());
    apply_exact_font_size(window);
    // The application placed the window: keep it where it is.
    form.set_raw("StartUpPosition", 0.0);
    form.set_client_size(window.width() * tx, window.height() * ty);
    auto r = form.rect_twips();
    r.left = window.x() * tx;
    r.top = window.y() * ty;
    form.set_rect_twips(r);
    Builder builder(host, form, &kept);
    for (QWidget* w : child_widgets(window)) builder.add(*w, nullptr);
    result.controls = builder.take();
    if (auto scale = own_scale(window)) scale->apply(form);
    return result;
}

std::vector<std::pair<std::shared_ptr<mem::MemoryObject>, QWidget*>> adopt_widget(
    mem::MemoryHost& host, mem::MemoryForm& form, QWidget& widget,
    const std::shared_ptr<mem::MemoryObject>& container, const QWidget* holder) {
    Builder builder(host, form);
    const auto* tabs = qobject_cast<const QTabWidget*>(holder);
    if (tabs && tabs->indexOf(&widget) >= 0) {
        if (!widget.layout())
            for (QWidget* w : child_widgets(widget)) builder.add(*w, container, holder);
    } else if (is_control_widget(widget) && !(tabs && widget.parentWidget() == tabs)) {
        // (A tab widget's own children, such as its corner widgets, are none of its controls.)
        builder.add(widget, container, holder);
    }
    return builder.take();
}

// The name Qt gives the stack it keeps a tab widget's pages in.
constexpr const char* kTabPageStack = "qt_tabwidget_stackedwidget";

QWidget* tab_widget_holding(const QWidget& widget) {
    QWidget* parent = widget.parentWidget();
    if (!parent) return nullptr;
    if (widget.objectName() == kTabPageStack && qobject_cast<QTabWidget*>(parent)) return parent;
    auto* tabs = qobject_cast<QTabWidget*>(parent->parentWidget());
    return tabs && tabs->indexOf(&widget) >= 0 && !widget.layout() ? tabs : nullptr;
}

QStackedWidget* tab_page_stack(const QWidget& widget) {
    if (!qobject_cast<const QTabWidget*>(&widget)) return nullptr;
    return widget.findChild<QStackedWidget*>(kTabPageStack, Qt::FindDirectChildrenOnly);
}

std::vector<QWidget*> tab_holders(const QWidget& widget) {
    const auto* tabs = qobject_cast<const QTabWidget*>(&widget);
    if (!tabs) return {};
    std::vector<QWidget*> out;
    if (QWidget* stack = tab_page_stack(widget)) out.push_back(stack);
    for (int i = 0; i < tabs->count(); ++i)
        if (QWidget* page = tabs->widget(i)) out.push_back(page);
    return out;
}

QPoint page_origin(const QWidget& page, const QWidget& holder) {
    if (&page == &holder) return {};
    // A tab widget lays its pages out only once shown: until then, where its style will put them.
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&holder); tabs && !tabs->isVisible()) {
        QStyleOptionTabWidgetFrame option;
        (tabs->*&TabWidgetOption::initStyleOption)(&option);
        return tabs->style()
            ->subElementRect(QStyle::SE_TabWidgetTabContents, &option, tabs)
            .topLeft();
    }
    // Qt's mapTo() follows parents until it meets the holder: a page taken elsewhere never does.
    return holder.isAncestorOf(&page) ? page.mapTo(&holder, QPoint(0, 0)) : QPoint();
}

void resize_now(QWidget& window, QSize size) {
    window.resize(size);
    if (QLayout* layout = window.layout()) layout->activate();
}

}  // namespace kv::qt
