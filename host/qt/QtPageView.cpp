#include "host/qt/QtPageView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <optional>

#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "host/common/AnchorPicture.h"
#include "host/memory/ChangeJournal.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtInputFilter.h"
#include "host/qt/QtPageDialog.h"

namespace kv::qt {

namespace {

std::optional<Value> prop(mem::MemoryObject& c, const char* name) {
    try {
        return c.get(name);
    } catch (const Error&) {
        return std::nullopt;
    }
}

QPixmap anchor_pixmap(int choice, int side) {
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    host::draw_anchor(p, QRectF(0, 0, side, side), choice);
    return pm;
}

}  // namespace

QtPageView::QtPageView(QtPageDialog& dialog, const std::shared_ptr<mem::MemoryPropertyPage>& page,
                       QWidget& tab)
    : dialog_(dialog), page_(page) {
    QtFormWindow& w = dialog.host().window(page);
    window_ = &w;
    // The page's window is a child of its tab rather than a window of its own.
    QWidget* frame = w.frame();
    frame->setParent(&tab);
    frame->move(0, 0);
    w.sync();
    frame->show();
    w.client()->installEventFilter(this);
    sync();
}

QtPageView::~QtPageView() {
    if (auto page = page_.lock()) mem::ChangeJournal::stop(*page, this);
    for (auto& [widget, label] : picture_labels_)
        if (label) label->deleteLater();
}

QWidget* QtPageView::widget_of(const mem::MemoryObject* control) const {
    return window_ ? window_->widget_of(control) : nullptr;
}

std::shared_ptr<mem::MemoryObject> QtPageView::object_of(QObject* watched) const {
    if (window_ && watched == window_->client()) return page();
    auto it = wired_.find(watched);
    if (it == wired_.end()) return nullptr;
    auto c = it->second.lock();
    return c && c->alive() ? c : nullptr;
}

void QtPageView::sync() {
    auto page = page_.lock();
    if (!page || page->closed() || !window_) return;
    mem::ChangeJournal::keep(*page, this);  // the first look is at everything
    const auto changes = mem::ChangeJournal::take(*page, this);
    if (!changes.everything) {
        // Only the controls the page changed since its last look.
        for (const auto& c : changes.objects) {
            if (!c->alive()) continue;
            QWidget* w = window_->widget_of(c.get());
            if (!w) continue;
            if (!wired_.count(w)) wire(c, *w);
            dress(*c, *w);
        }
        return;
    }
    // The widgets of controls that went are gone (or going): forget them.
    for (auto it = wired_.begin(); it != wired_.end();) {
        auto c = it->second.lock();
        if (c && c->alive()) {
            ++it;
            continue;
        }
        entries_.erase(it->first);
        pictures_.erase(it->first);
        picture_labels_.erase(it->first);
        on_marks_.erase(it->first);
        it = wired_.erase(it);
    }
    QWidget* frame = window_->frame();
    if (QWidget* tab = frame ? frame->parentWidget() : nullptr)
        tab->setMinimumSize(tab->minimumSize().expandedTo(frame->size()));
    for (const auto& c : page->all_controls()) {
        QWidget* w = window_->widget_of(c.get());
        if (!w) continue;
        if (!wired_.count(w)) wire(c, *w);
        dress(*c, *w);
    }
}

void QtPageView::wire(const std::shared_ptr<mem::MemoryObject>& control, QWidget& widget) {
    wired_[&widget] = control;
    widget.installEventFilter(this);
    const std::weak_ptr<mem::MemoryObject> weak = control;
    auto on_page = [this, weak](auto&& step) {
        dialog_.guarded([&] {
            auto page = page_.lock();
            auto c = weak.lock();
            if (page && !page->closed() && c && c->alive()) step(*page, c);
        });
    };
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        const bool option = control->class_name() == "OptionButton";
        // The page's option groups decide which option is on, not Qt's.
        if (option) button->setAutoExclusive(false);
        connect(button, &QAbstractButton::clicked, this, [this, on_page, button, option] {
            const QPointer<QAbstractButton> alive(button);  // the click may take it away
            on_page([](mem::MemoryPropertyPage& p, const auto& c) { p.click(c); });
            // Qt turns an option off when it is clicked again, which the page keeps on: the
            // button shows what the page made of the click.
            if (option)
                on_page([this, alive](mem::MemoryPropertyPage&, const auto& c) {
                    if (alive) dress(*c, *alive);
                });
        });
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        // A page's captions mark their access keys with "&", which a label shows as such only
        // when it has a buddy.
        label->setBuddy(window_->client());
    } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
        list->setSelectionMode(QAbstractItemView::MultiSelection);
        wired_[list->viewport()] = control;
        list->viewport()->installEventFilter(this);
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        connect(combo, &QComboBox::activated, this, [on_page](int i) {
            on_page([i](mem::MemoryPropertyPage& p, const auto& c) { p.click_entry(c, i); });
        });
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        connect(edit, &QLineEdit::textEdited, this, [on_page](const QString& text) {
            on_page([&](mem::MemoryPropertyPage& p, const auto& c) {
                p.type_text(c, text.toStdString());
            });
        });
    }
}

void QtPageView::dress(mem::MemoryObject& c, QWidget& w) {
    const bool enabled = to_bool(prop(c, "Enabled").value_or(Value(true)));
    if (w.isEnabled() != enabled) w.setEnabled(enabled);
    const std::string& cls = c.class_name();
    if (cls == "CheckBox" || cls == "OptionButton") {
        auto* button = static_cast<QAbstractButton*>(&w);
        const double value = to_double(prop(c, "Value").value_or(Value(0.0)));
        const bool on = cls == "CheckBox" ? value == 1 : value != 0;
        if (button->isChecked() != on) {
            const QSignalBlocker quiet(button);
            button->setChecked(on);
        }
        if (cls == "OptionButton" && qobject_cast<QPushButton*>(button)) mark_on(w, on);
    }
    if (cls == "ListBox" || cls == "ComboBox") dress_entries(c, w);
    if (cls == "PictureBox") {
        auto* frame = static_cast<QFrame*>(&w);
        const bool border = to_double(prop(c, "BorderStyle").value_or(Value(1.0))) != 0;
        const int style = border ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame;
        if (frame->frameStyle() != style) frame->setFrameStyle(style);
    }
    if (cls == "PictureBox" || cls == "OptionButton") dress_picture(c, w);
}

// A graphical option that is on is framed in the highlight's colour, as the page draws it: a
// push button that stays in shows it too faintly.
void QtPageView::mark_on(QWidget& w, bool on) {
    QPointer<QFrame>& mark = on_marks_[&w];
    if (!mark && !on) return;
    if (!mark) {
        mark = new QFrame(&w);
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->setStyleSheet("QFrame { border: 2px solid palette(highlight); }");
    }
    mark->setGeometry(w.rect());
    mark->setVisible(on);
}

void QtPageView::dress_entries(mem::MemoryObject& c, QWidget& w) {
    mem::ListItems* items = c.list_items();
    if (!items) return;
    Entries now;
    for (size_t i = 0; i < items->count(); ++i) {
        now.items.push_back(items->item(static_cast<int>(i)));
        now.selected.push_back(items->selected(static_cast<int>(i)));
    }
    now.index = items->list_index();
    Entries& was = entries_[&w];
    if (was.items == now.items && was.selected == now.selected && was.index == now.index) return;
    const bool new_items = was.items != now.items;
    QStringList texts;
    for (const auto& t : now.items) texts << QString::fromStdString(t);
    if (auto* list = qobject_cast<QListWidget*>(&w)) {
        const QSignalBlocker quiet(list);
        if (new_items) {
            list->clear();
            list->addItems(texts);
        }
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setSelected(now.selected[static_cast<size_t>(i)]);
    } else if (auto* combo = qobject_cast<QComboBox*>(&w)) {
        const QSignalBlocker quiet(combo);
        if (new_items) {
            combo->clear();
            combo->addItems(texts);
        }
        combo->setCurrentIndex(now.index);
    }
    was = std::move(now);
}

void QtPageView::dress_picture(mem::MemoryObject& c, QWidget& w) {
    const std::string name = to_text(prop(c, "Picture").value_or(Value(std::string())));
    const auto choice = host::anchor_choice(name);
    const int side = std::max(1, std::min({w.width(), w.height(), 34}) - 4);
    const std::string look = name + "@" + std::to_string(side);
    std::string& was = pictures_[&w];
    if (was == look) return;
    was = look;
    if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
        button->setIcon(choice ? QIcon(anchor_pixmap(*choice, side)) : QIcon());
        button->setIconSize(QSize(side, side));
        return;
    }
    QPointer<QLabel>& label = picture_labels_[&w];
    if (!choice) {
        if (label) label->hide();
        return;
    }
    if (!label) {
        label = new QLabel(&w);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAlignment(Qt::AlignCenter);
    }
    label->setGeometry(w.rect());
    label->setPixmap(anchor_pixmap(*choice, side));
    label->lower();  // below the shadows the picture box holds
    label->show();
}

void QtPageView::follow_focus() {
    auto page = page_.lock();
    if (!page || page->closed()) return;
    auto focused = page->focused();
    QWidget* w = focused && focused->alive() ? widget_of(focused.get()) : nullptr;
    if (w && w->isVisible() && QApplication::focusWidget() != w) w->setFocus(Qt::OtherFocusReason);
}

bool QtPageView::eventFilter(QObject* watched, QEvent* event) {
    auto page = page_.lock();
    if (!page || page->closed() || !window_) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return key(event);
        case QEvent::FocusIn: {
            // The user tabbed or clicked into a control: the page's focus goes there too.
            auto c = object_of(watched);
            if (c && c.get() != page.get() && c != page->focused() && c->can_focus())
                dialog_.guarded([&] { page->focus(c); });
            return false;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            auto c = object_of(watched);
            auto* widget = qobject_cast<QWidget*>(watched);
            if (!c || !widget) return false;
            if (qobject_cast<QListWidget*>(widget->parentWidget()) &&
                widget == static_cast<QListWidget*>(widget->parentWidget())->viewport())
                return list_mouse(c, *widget, event);
            if (c.get() == page.get() || c->traits().container) return mouse(c, *widget, event);
            return false;
        }
        default:
            return false;
    }
}

bool QtPageView::mouse(const std::shared_ptr<mem::MemoryObject>& c, QWidget& widget,
                       QEvent* event) {
    auto page = page_.lock();
    auto* m = static_cast<QMouseEvent*>(event);
    QtHost& host = dialog_.host();
    // Plain variables, not a structured binding: the lambdas below capture them, which clang
    // (the fuzz build's compiler) does not allow for bindings.
    const auto units = QtInputFilter::to_units(*c, m->position(), host.twips_per_pixel_x(),
                                               host.twips_per_pixel_y());
    const double x = units.first, y = units.second;
    const int shift = vb_shift(m->modifiers());
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            dialog_.guarded([&] {
                if (c.get() != page.get() && !c->enabled_and_shown()) return;
                pressed_ = c;
                double_clicked_ = false;
                if (c.get() != page.get() && c->can_focus()) page->focus(c);
                if (c->alive()) page->mouse_down(c, vb_buttons(m->button()), shift, x, y);
            });
            break;
        case QEvent::MouseMove:
            if (pressed_.lock() == c || m->buttons() == Qt::NoButton)
                dialog_.guarded(
                    [&] { page->mouse_move(c, vb_buttons(m->buttons()), shift, x, y); });
            break;
        case QEvent::MouseButtonRelease:
            dialog_.guarded([&] {
                if (pressed_.lock() != c) return;
                pressed_.reset();
                page->mouse_up(c, vb_buttons(m->button()), shift, x, y);
                // A release over the control clicks it, unless it ends a double click.
                if (!double_clicked_ && c->alive() &&
                    widget.rect().contains(m->position().toPoint()))
                    c->raise_click();
                double_clicked_ = false;
            });
            break;
        case QEvent::MouseButtonDblClick:
            dialog_.guarded([&] {
                if (c.get() != page.get() && !c->enabled_and_shown()) return;
                pressed_ = c;
                double_clicked_ = true;
                c->raise_dbl_click();
            });
            break;
        default:
            break;
    }
    return true;
}

bool QtPageView::list_mouse(const std::shared_ptr<mem::MemoryObject>& list, QWidget& viewport,
                            QEvent* event) {
    auto page = page_.lock();
    auto* m = static_cast<QMouseEvent*>(event);
    auto* view = static_cast<QListWidget*>(viewport.parentWidget());
    const int row = view->indexAt(m->position().toPoint()).row();
    if (row < 0) return true;
    if (event->type() == QEvent::MouseButtonPress) {
        dialog_.guarded([&] { page->click_entry(list, row); });
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        // The press before it clicked the entry already; the double click leaves it selected.
        dialog_.guarded([&] {
            mem::ListItems* items = list->list_items();
            if (items && !items->selected(row)) items->set_selected(row, true);
            mem::note_change(*list);
            list->raise_dbl_click();
        });
    }
    return true;  // the page decides what is selected, not Qt
}

bool QtPageView::key(QEvent* event) {
    auto* k = static_cast<QKeyEvent*>(event);
    const int qt_key = k->key();
    // Escape and Enter belong to the dialog (Cancel, OK); Space clicks a focused button.
    if (qt_key == Qt::Key_Escape || qt_key == Qt::Key_Return || qt_key == Qt::Key_Enter ||
        qt_key == Qt::Key_Space)
        return false;
    auto page = page_.lock();
    const bool back = qt_key == Qt::Key_Backtab;
    const int code = back ? 9 : vb_key(qt_key);
    const int shift = vb_shift(k->modifiers()) | (back ? 1 : 0);
    dialog_.guarded([&] { page->press_key(code, shift); });
    return true;
}

}  // namespace kv::qt
