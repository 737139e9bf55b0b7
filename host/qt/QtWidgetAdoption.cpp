#include "host/qt/QtWidgetAdoption.h"

#include <QMetaObject>
#include <QVariant>
#include <cctype>
#include <map>
#include <set>

#include "host/common/QtClasses.h"
#include "host/common/TextFold.h"

namespace kv::qt {

namespace {

// The widget's class and its base classes, its own first.
std::vector<std::string_view> class_chain(const QWidget& w) {
    std::vector<std::string_view> chain;
    for (const QMetaObject* m = w.metaObject(); m; m = m->superClass())
        chain.emplace_back(m->className());
    return chain;
}

// The widgets that are controls of a window or container: not windows of their own, not Qt's
// own parts, not bars, not the resizer widget.
std::vector<QWidget*> child_widgets(const QWidget& parent) {
    std::vector<QWidget*> out;
    for (QObject* o : parent.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || w->objectName().startsWith("qt_")) continue;
        if (host::qt_class_is_bar(class_chain(*w)) || w->property(kResizerWidgetMark).toBool())
            continue;
        out.push_back(w);
    }
    return out;
}

bool plain_identifier(const std::string& s) {
    if (s.empty() || !std::isalpha(static_cast<unsigned char>(s[0]))) return false;
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

class Builder {
  public:
    Builder(mem::MemoryHost& host, QWidget& window) : host_(host), window_(window) {}

    AdoptedForm build() {
        std::string name = window_.objectName().toStdString();
        if (!plain_identifier(name)) name = "Form1";
        result_.form = host_.create_form(name);
        auto& form = *result_.form;
        const double tx = host_.twips_per_pixel_x(), ty = host_.twips_per_pixel_y();
        form.set_raw("Caption", window_.windowTitle().toStdString());
        // The application placed the window: keep it where it is.
        form.set_raw("StartUpPosition", 0.0);
        form.set_client_size(window_.width() * tx, window_.height() * ty);
        auto r = form.rect_twips();
        r.left = window_.x() * tx;
        r.top = window_.y() * ty;
        form.set_rect_twips(r);
        taken_.insert(fold(name));
        add_children(window_, nullptr);
        return std::move(result_);
    }

  private:
    void add_children(const QWidget& parent, const std::shared_ptr<mem::MemoryObject>& container) {
        for (QWidget* w : child_widgets(parent)) {
            const host::FormsClassOf of = adopted_class(*w);
            const std::string& cls = of.forms_class;
            auto c = result_.form->add_control(cls, name_for(*w, cls), container);
            if (of.borderless) c->set_raw("BorderStyle", 0.0);  // the widget's own frame
            if (cls == "ListBox") c->set_raw("IntegralHeight", false);
            if (of.multi_line) c->set_raw("MultiLine", true);
            if (const double pt = w->font().pointSizeF(); pt > 0) c->set_raw("FontSize", pt);
            c->set_raw("Visible", !w->isHidden());
            const double tx = host_.twips_per_pixel_x(), ty = host_.twips_per_pixel_y();
            const QRect g = w->geometry();
            c->set_rect_twips({g.x() * tx, g.y() * ty, g.width() * tx, g.height() * ty});
            result_.controls.emplace_back(c, w);
            if (of.holds_children) add_children(*w, c);
        }
    }

    std::string name_for(const QWidget& w, const std::string& cls) {
        std::string name = w.objectName().toStdString();
        if (!plain_identifier(name) || taken_.count(fold(name))) {
            do {
                name = cls + std::to_string(++counts_[cls]);
            } while (taken_.count(fold(name)));
        }
        taken_.insert(fold(name));
        return name;
    }

    static std::string fold(const std::string& s) { return host::fold(s); }

    mem::MemoryHost& host_;
    QWidget& window_;
    AdoptedForm result_;
    std::set<std::string> taken_;
    std::map<std::string, int> counts_;
};

}  // namespace

host::FormsClassOf adopted_class(const QWidget& w) {
    return host::forms_class_for(class_chain(w));
}

AdoptedForm adopt_widgets(mem::MemoryHost& host, QWidget& window) {
    return Builder(host, window).build();
}

}  // namespace kv::qt
