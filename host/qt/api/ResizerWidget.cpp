#include "kelvane/ResizerWidget.h"

#include <QEvent>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <exception>

#include "host/qt/QtWidgetAdoption.h"
#include "kelvane/Resizer.h"

namespace kelvane {

namespace {

QString quoted(const QWidget& w) {
    const QString name = w.objectName();
    return name.isEmpty() ? QString("(no name)") : "'" + name + "'";
}

// A control name as the forms model takes it: a plain identifier.
bool plain_identifier(const QString& s) {
    if (s.isEmpty() || !(s[0].isLetter() && s[0].unicode() < 128)) return false;
    for (QChar c : s)
        if (c.unicode() >= 128 || !(c.isLetterOrNumber() || c == '_')) return false;
    return true;
}

// A main window's central widget stands for the form's own area.
bool is_form_area(const QWidget& w, const QWidget& form) {
    const auto* main = qobject_cast<const QMainWindow*>(&form);
    return &w == &form || (main && main->centralWidget() == &w);
}

bool on_form_itself(const QWidget& w, const QWidget& form) {
    const QWidget* parent = w.parentWidget();
    return parent && is_form_area(*parent, form);
}

// Lines end in CR LF, as the settings texts separate them, also where a text edited by hand
// ends its lines in LF alone.
QString crlf_lines(QString text) {
    text.replace("\r\n", "\n");
    text.replace('\n', "\r\n");
    return text;
}

// An OLE colour: red in the low byte.
double ole_colour(const QColor& c) {
    return static_cast<double>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

}  // namespace

ResizerWidget::ResizerWidget(QWidget* parent) : QWidget(parent) {
    // The form's controls are the other widgets; this one is the form's resizer.
    setProperty(kv::qt::kResizerWidgetMark, true);
    setFixedSize(32, 32);
    setToolTip("Kelvane");
    hide();
    watch_window();
}

ResizerWidget::~ResizerWidget() {
    if (watched_) watched_->removeEventFilter(this);
    // The resizer goes as the user would close the window: placement and splits are saved.
    resizer_.reset();
}

QColor ResizerWidget::SplitBarsColor() const {
    return split_bars_colour_.value_or(palette().color(QPalette::Highlight));
}

void ResizerWidget::setMinWidth(int pixels) {
    min_.setWidth(pixels < 0 ? -1 : pixels);
    apply_limits();
}

void ResizerWidget::setMinHeight(int pixels) {
    min_.setHeight(pixels < 0 ? -1 : pixels);
    apply_limits();
}

void ResizerWidget::setMaxWidth(int pixels) {
    max_.setWidth(pixels < 0 ? -1 : pixels);
    apply_limits();
}

void ResizerWidget::setMaxHeight(int pixels) {
    max_.setHeight(pixels < 0 ? -1 : pixels);
    apply_limits();
}

void ResizerWidget::apply_limits() {
    // Limits changed one by one pass through pairs that contradict each other: those wait.
    if (!resizer_ || !limits_problem().isEmpty()) return;
    try {
        resizer_->maximum_size(QSize());
        resizer_->minimum_size(min_);
        resizer_->maximum_size(max_);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
}

void ResizerWidget::set_design_time(bool on) {
    design_time_ = on;
    setVisible(on);
}

QString ResizerWidget::placement_problem(const QWidget* form) const {
    const QString me = "kelvane::ResizerWidget " + quoted(*this);
    if (!parentWidget()) return me + " is a window of its own: place it on a form";
    if (!form) form = window();
    if (!on_form_itself(*this, *form)) {
        QString where;
        for (const QWidget* w = parentWidget(); w && w != form && !is_form_area(*w, *form);
             w = w->parentWidget())
            where += " in " + quoted(*w) + " (" + w->metaObject()->className() + ")";
        return me + " is" + where + " on form " + quoted(*form) + ": place it on the form itself";
    }
    // The first resizer on the form works it; another would fight it.
    for (const ResizerWidget* other : form->findChildren<ResizerWidget*>()) {
        if (other == this) break;
        if (other->design_time() == design_time() && on_form_itself(*other, *form))
            return me + " is a second resizer on form " + quoted(*form) + " (the first is " +
                   quoted(*other) + "): one per form";
    }
    return {};
}

bool ResizerWidget::event(QEvent* e) {
    if (e->type() == QEvent::ParentChange) watch_window();
    // Shown as a window (a .ui whose form is the resizer itself) it has no form to watch.
    if (e->type() == QEvent::Show && isWindow() && !design_time_ && refusal_.isEmpty()) {
        refusal_ = placement_problem();
        if (!refusal_.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(refusal_));
    }
    return QWidget::event(e);
}

void ResizerWidget::watch_window() {
    QWidget* w = window();
    if (w == watched_) return;
    if (watched_) watched_->removeEventFilter(this);
    watched_ = w != this ? w : nullptr;
    if (watched_) watched_->installEventFilter(this);
    design_size_ = watched_ ? watched_->size() : QSize();
}

bool ResizerWidget::eventFilter(QObject* watched, QEvent* e) {
    if (watched == watched_ && e->type() == QEvent::Show && !design_time_ && !resizer_ &&
        refusal_.isEmpty())
        attach();
    return QWidget::eventFilter(watched, e);
}

QString ResizerWidget::limits_problem() const {
    auto below = [](const char* max_name, int max, const char* min_name, int min) {
        return QString("%1 %2 is below %3 %4").arg(max_name).arg(max).arg(min_name).arg(min);
    };
    QStringList problems;
    if (min_.width() >= 0 && max_.width() >= 0 && max_.width() < min_.width())
        problems << below("MaxWidth", max_.width(), "MinWidth", min_.width());
    if (min_.height() >= 0 && max_.height() >= 0 && max_.height() < min_.height())
        problems << below("MaxHeight", max_.height(), "MinHeight", min_.height());
    return problems.join(", ");
}

void ResizerWidget::attach() {
    refusal_ = placement_problem();
    if (!refusal_.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(refusal_));
        return;
    }
    // Sized by the application before it was shown, the window is taken at the size its
    // widgets stand for, and then given the size asked for.
    const QSize asked = watched_->size();
    const bool normal = !(watched_->windowState() & ~Qt::WindowActive);
    const bool sized = design_size_.isValid() && asked != design_size_ && normal;
    if (sized) kv::qt::resize_now(*watched_, design_size_);
    try {
        resizer_ = std::make_unique<Resizer>(*watched_);
        resizer_->place(control_name(), persisted_properties());
        // A main window's central widget is the form's area between its bars: it stretches
        // with the window unless the form says otherwise.
        if (auto* main = qobject_cast<QMainWindow*>(watched_.data());
            main && main->centralWidget()) {
            const QString lines = "\r\n" + crlf_lines(control_settings_);
            auto left_to_us = [&](const QWidget& w) {
                const QString key = QString::fromStdString(resizer_->name_of(w));
                return !key.isEmpty() && !lines.contains("\r\n" + key + " \t");
            };
            QWidget& area = *main->centralWidget();
            if (left_to_us(area)) resizer_->anchor(area, "KKKKK");
            // Bars kept on the area's edges (a form file's aligned picture boxes, exported with
            // their Align): on a plain form the host keeps them there; in a central widget
            // they follow its edges as the host would place them (top, bottom, left, right).
            static const char* const kBarModes[] = {"KKKAK", "KAKKK", "KKAKK", "AKKKK"};
            for (QObject* o : area.children()) {
                auto* bar = qobject_cast<QWidget*>(o);
                bool ok = false;
                const int align = bar ? bar->property("Align").toInt(&ok) : 0;
                if (ok && align >= 1 && align <= 4 && left_to_us(*bar))
                    resizer_->anchor(*bar, kBarModes[align - 1]);
            }
        }
        // Limits that contradict each other are left away; the rest works.
        if (const QString problem = limits_problem(); !problem.isEmpty())
            std::fprintf(stderr, "kelvane::ResizerWidget %s: %s: the window has no size limits\n",
                         qPrintable(quoted(*this)), qPrintable(problem));
        apply_limits();
        resizer_->show();
        // A size saved when the window last closed wins (an unchanged size: nothing saved), and
        // so does a state the window was shown in.
        if (sized && watched_ && watched_->size() == design_size_) watched_->resize(asked);
    } catch (const std::exception& e) {
        resizer_.reset();
        refusal_ = "kelvane::ResizerWidget " + quoted(*this) + ": " + e.what();
        std::fprintf(stderr, "%s\n", qPrintable(refusal_));
        if (sized && watched_) watched_->resize(asked);
    }
}

std::vector<ResizerWidget::Property> ResizerWidget::persisted_properties() const {
    std::vector<Property> props;
    auto text = [&](const char* name, const QString& value) {
        props.emplace_back(name, value.toStdString());
    };
    auto flag = [&](const char* name, bool value) { props.emplace_back(name, value); };
    flag("LockWindowOnResize", lock_window_);
    flag("AddAllControls", add_all_);
    flag("AddAllFontsButtons", add_all_fonts_);
    text("ControlSettings", crlf_lines(control_settings_));
    text("PaneSettings", crlf_lines(pane_settings_));
    text("FormGUID", form_guid_);
    text("SubKey", sub_key_);
    if (save_pos_) flag("SavePos", *save_pos_);
    if (save_sizes_) flag("SaveSizes", *save_sizes_);
    flag("SaveWindowState", save_state_);
    flag("SavePaneSplit", save_splits_);
    flag("AllowMinWindowState", allow_min_);
    flag("UseSplitBars", split_bars_);
    if (split_bars_colour_) props.emplace_back("SplitBarsColor", ole_colour(*split_bars_colour_));
    return props;
}

std::string ResizerWidget::control_name() const {
    return plain_identifier(objectName()) ? objectName().toStdString() : "zokKelvane1";
}

QPixmap ResizerWidget::icon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    // A window with a divider between two panes, and the arrow of a corner being dragged.
    p.setPen(QPen(QColor(40, 60, 110), 1.5));
    p.setBrush(QColor(250, 250, 252));
    p.drawRect(QRectF(2.5, 2.5, 22, 20));
    p.fillRect(QRectF(3.25, 3.25, 20.5, 4), QColor(70, 110, 190));
    p.setPen(QPen(QColor(40, 60, 110), 1.5));
    p.drawLine(QPointF(11.5, 8), QPointF(11.5, 22));
    p.setPen(QPen(QColor(200, 60, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 17), QPointF(28.5, 28.5));
    p.setBrush(QColor(200, 60, 40));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(30, 30), QPointF(21, 28.5), QPointF(28.5, 21)}));
    return pixmap;
}

void ResizerWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, icon(32));
}

}  // namespace kelvane
