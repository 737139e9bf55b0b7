#include "host/qt/QtWidgetAdoption.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <cctype>
#include <map>
#include <set>

#include "host/common/TextFold.h"

namespace kv::qt {

namespace {

bool plain_holder(const QWidget& w) {
    return w.metaObject() == &QWidget::staticMetaObject ||
           w.metaObject() == &QFrame::staticMetaObject;
}

// The widgets that are controls of a window or container: not windows of their own, not Qt's
// own parts, not bars.
std::vector<QWidget*> child_widgets(const QWidget& parent) {
    std::vector<QWidget*> out;
    for (QObject* o : parent.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || w->objectName().startsWith("qt_")) continue;
        if (qobject_cast<QMenuBar*>(w) || qobject_cast<QStatusBar*>(w) ||
            qobject_cast<QToolBar*>(w))
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
            auto [cls, holds] = adopted_class(*w);
            auto c = result_.form->add_control(cls, name_for(*w, cls), container);
            if (cls == "PictureBox") c->set_raw("BorderStyle", 0.0);  // the widget's own frame
            if (cls == "ListBox") c->set_raw("IntegralHeight", false);
            if (qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w))
                c->set_raw("MultiLine", true);
            if (const double pt = w->font().pointSizeF(); pt > 0) c->set_raw("FontSize", pt);
            c->set_raw("Visible", !w->isHidden());
            const double tx = host_.twips_per_pixel_x(), ty = host_.twips_per_pixel_y();
            const QRect g = w->geometry();
            c->set_rect_twips({g.x() * tx, g.y() * ty, g.width() * tx, g.height() * ty});
            result_.controls.emplace_back(c, w);
            if (holds) add_children(*w, c);
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

std::pair<std::string, bool> adopted_class(const QWidget& w) {
    if (qobject_cast<const QGroupBox*>(&w)) return {"Frame", true};
    if (plain_holder(w)) return {"PictureBox", true};
    if (qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QPlainTextEdit*>(&w) ||
        qobject_cast<const QTextEdit*>(&w))
        return {"TextBox", false};
    if (qobject_cast<const QLabel*>(&w)) return {"Label", false};
    if (qobject_cast<const QListView*>(&w)) return {"ListBox", false};
    if (qobject_cast<const QComboBox*>(&w)) return {"ComboBox", false};
    if (qobject_cast<const QCheckBox*>(&w)) return {"CheckBox", false};
    if (qobject_cast<const QRadioButton*>(&w)) return {"OptionButton", false};
    if (qobject_cast<const QAbstractButton*>(&w)) return {"CommandButton", false};
    // Anything else is a generic control named after its Qt class ("QSpinBox"), which no forms
    // class shares.
    std::string cls = w.metaObject()->className();
    const auto colons = cls.rfind("::");
    if (colons != std::string::npos) cls.erase(0, colons + 2);
    return {plain_identifier(cls) ? cls : "Control", false};
}

AdoptedForm adopt_widgets(mem::MemoryHost& host, QWidget& window) {
    return Builder(host, window).build();
}

}  // namespace kv::qt
