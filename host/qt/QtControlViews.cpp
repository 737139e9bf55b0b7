#include "host/qt/QtControlViews.h"

#include <QLabel>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

#include "engine/HostAccess.h"
#include "host/common/QtClasses.h"
#include "host/common/ScaleUnits.h"
#include "host/memory/ChangeJournal.h"
#include "host/qt/QtEvenTabs.h"
#include "host/qt/QtFormWindow.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtPaintHold.h"
#include "host/qt/QtPaintedWidget.h"
#include "host/qt/QtTabControl.h"
#include "host/qt/QtWidgetAdoption.h"
#include "host/qt/QtWidgetFactory.h"

namespace kv::qt {

using host::whole_pixels;

std::pair<double, double> QtControlViews::inner_offset_twips(const mem::MemoryObject& c) {
    return c.is_form() ? std::pair<double, double>{} : c.inner_offset_twips();
}

QtControlViews::~QtControlViews() {
    // The objects may outlive the window: none keeps a pointer to a record that goes.
    for (auto& [object, v] : views_)
        if (auto o = v.object.lock()) forget_record(v, o.get());
}

QtControlViews::View* QtControlViews::view_of(mem::MemoryObject& object) {
    auto* v = static_cast<View*>(object.host_view());
    if (v && v->owner == this) return v;
    auto it = views_.find(&object);
    return it == views_.end() ? nullptr : &it->second;
}

QtControlViews::View& QtControlViews::record(const std::shared_ptr<mem::MemoryObject>& object,
                                             bool* added) {
    auto [it, made] = views_.try_emplace(object.get());
    View& v = it->second;
    if (made) {
        v.object = object;
        v.owner = this;
        object->set_host_view(&v);
    }
    if (added) *added = made;
    return v;
}

void QtControlViews::forget_record(View& view, mem::MemoryObject* object) {
    if (object && object->host_view() == &view) object->set_host_view(nullptr);
}

QWidget* QtControlViews::made_widget(const mem::MemoryObject* object) const {
    auto it = views_.find(object);
    return it == views_.end() ? nullptr : it->second.widget.data();
}

QWidget* QtControlViews::widget_of(mem::MemoryForm* form, const mem::MemoryObject* object) {
    auto it = views_.find(object);
    if (it == views_.end()) return nullptr;
    if (it->second.waiting && form && object->alive()) {
        make_widgets(*form, object, false);
        release_hold();
    }
    return made_widget(object);
}

std::shared_ptr<mem::MemoryObject> QtControlViews::object_of(const QObject* widget) const {
    auto it = objects_.find(widget);
    if (it == objects_.end()) return nullptr;
    auto v = views_.find(it->second);
    return v == views_.end() ? nullptr : v->second.object.lock();
}

std::shared_ptr<mem::MemoryObject> QtControlViews::forget(const QObject* widget) {
    auto it = objects_.find(widget);
    if (it == objects_.end()) return nullptr;
    auto v = views_.find(it->second);
    objects_.erase(it);
    if (v == views_.end()) return nullptr;
    v->second.widget = nullptr;
    v->second.key = nullptr;
    return v->second.object.lock();
}

std::vector<std::shared_ptr<mem::MemoryObject>> QtControlViews::forget_page(
    const mem::MemoryObject& container, const QObject* page) {
    // Only compared: a page being deleted is no widget any more.
    auto on_page = [page](const QWidget* w) {
        for (; w; w = w->parentWidget())
            if (w == page) return true;
        return false;
    };
    // Those inside the container's controls go too (their controls go with their containers'),
    // so that nothing places them before.
    auto inside = [&container](const mem::MemoryObject& c) {
        for (const mem::MemoryObject* h = c.holder(); h; h = h->holder())
            if (h == &container) return true;
        return false;
    };
    std::vector<std::shared_ptr<mem::MemoryObject>> gone;
    for (auto it = objects_.begin(); it != objects_.end();) {
        auto v = views_.find(it->second);
        auto object = v == views_.end() ? nullptr : v->second.object.lock();
        if (!object || !inside(*object) ||
            (page && v->second.widget && !on_page(v->second.widget))) {
            ++it;
            continue;
        }
        v->second.widget = nullptr;
        v->second.key = nullptr;
        if (object->holder() == &container) gone.push_back(std::move(object));
        it = objects_.erase(it);
    }
    return gone;
}

void QtControlViews::drop_dead() {
    for (auto it = views_.begin(); it != views_.end();) {
        auto obj = it->second.object.lock();
        if (obj && obj->alive()) {
            ++it;
            continue;
        }
        forget_record(it->second, obj.get());
        if (it->second.waiting) --waiting_;
        forget_key(it->second.key, it->first);
        // An adopted widget stays the application's.
        if (QWidget* w = it->second.widget; w && !it->second.adopted) {
            w->hide();
            w->deleteLater();
        }
        it = views_.erase(it);
    }
}

void QtControlViews::sync(mem::MemoryForm& form) {
    mem::ChangeJournal::keep(form, this);  // the first look is at everything
    const auto changes = mem::ChangeJournal::take(form, this);
    if (!changes.everything) {
        // Only what changed: a drag step or a resize costs what it moves, not the whole form.
        // A waiting control may have come into sight: it moved, or the client area grew.
        bool look = false;
        if (waiting_ > 0) {
            const auto [width, height] = sight(form);
            look = width > sight_.first || height > sight_.second;
        }
        for (size_t i = 0; i < changes.objects.size(); ++i) {
            mem::MemoryObject& c = *changes.objects[i];
            if (&c == &form || !c.alive()) continue;
            View* v = view_of(c);
            if (!v) continue;
            if (!v->widget) {
                look = look || v->waiting;
                continue;
            }
            QWidget& w = *v->widget;
            const uint8_t kinds = changes.kinds[i];
            if (kinds & mem::ChangeJournal::kPlace) place(c, w);
            // On a tab control a control's place decides whether it shows.
            if ((kinds & mem::ChangeJournal::kLooks) || tab_of(c)) dress(c, w, v->adopted);
        }
        if (look && waiting_ > 0) make_widgets(form, nullptr, false);
        release_hold();
        return;
    }
    drop_dead();
    make_widgets(form, nullptr, true);
    release_hold();
}

void QtControlViews::make_widgets(mem::MemoryForm& form, const mem::MemoryObject* wanted,
                                  bool all) {
    std::unordered_set<const mem::MemoryObject*> chain;  // `wanted` and its containers
    for (const mem::MemoryObject* o = wanted; o && !o->is_form(); o = o->container_object().get())
        chain.insert(o);
    // Widgets made on the client after others: they go under the ones of later controls.
    const bool client_had_widgets = client_ && views_.size() > waiting_;
    std::unordered_set<const QWidget*> late;
    bool any_made = false;
    if (client_) sight_ = sight(form);
    for (const auto& c : form.all_controls()) {
        bool added = false;
        View& v = record(c, &added);
        if (added) {
            v.waiting = true;
            ++waiting_;
        }
        bool made = false;
        if (v.waiting) {
            const auto holder = c->container_object();
            QWidget* parent = client_;
            if (holder && holder.get() != &form) {
                auto h = views_.find(holder.get());
                // Inside a waiting container it waits too.
                if (h != views_.end() && h->second.waiting) continue;
                parent = h == views_.end() ? nullptr : h->second.widget.data();
            } else if (parent && !chain.count(c.get()) && !in_sight(*c)) {
                continue;
            }
            v.waiting = false;
            --waiting_;
            if (parent) v.widget = make_widget(*c, parent);
            if (v.widget) {
                watch(*c, *v.widget);
                if (auto* tabs = dynamic_cast<QtTabControl*>(v.widget.data()))
                    tabs->on_switch([this, tabs] { show_tab(*tabs); });
                if (parent == client_ && client_had_widgets) late.insert(v.widget.data());
                made = any_made = true;
            }
        }
        if (!v.widget || !(all || made)) continue;
        place(*c, *v.widget);
        dress(*c, *v.widget, v.adopted);
    }
    if (!late.empty()) restack(form, late);
    if (any_made) {
        lower_drawn(form);
        link_labels(form);
    }
}

// The runtime draws labels, shapes, lines and images under the windowed controls beside them,
// whatever their order; each keeps its place among the drawn ones.
void QtControlViews::lower_drawn(const mem::MemoryForm& form) {
    const auto& controls = form.all_controls();
    for (auto c = controls.rbegin(); c != controls.rend(); ++c)
        if (!(*c)->traits().windowed)
            if (QWidget* w = made_widget(c->get())) w->lower();
}

// A label's access key takes the focus to the control after it, as on the forms runtime; Qt also
// underlines the letter only for a label that has such a buddy.
void QtControlViews::link_labels(const mem::MemoryForm& form) {
    for (const auto& [label, target] : form.label_targets()) {
        auto* l = qobject_cast<QLabel*>(made_widget(label.get()));
        QWidget* t = made_widget(target.get());
        if (l && t && l->buddy() != t) l->setBuddy(t);
    }
}

std::pair<double, double> QtControlViews::sight(const mem::MemoryForm& form) const {
    const double tx = window_.host().twips_per_pixel_x();
    const double ty = window_.host().twips_per_pixel_y();
    return {std::max(form.client_width_twips(), client_ ? client_->width() * tx : 0.0),
            std::max(form.client_height_twips(), client_ ? client_->height() * ty : 0.0)};
}

bool QtControlViews::in_sight(const mem::MemoryObject& c) const {
    const auto [width, height] = sight_;
    double left, top, right, bottom;
    if (c.traits().geometry == host::GeometryKind::LineEnds) {
        const auto e = c.line_ends_twips();
        left = std::min(e[0], e[2]);
        right = std::max(e[0], e[2]);
        top = std::min(e[1], e[3]);
        bottom = std::max(e[1], e[3]);
    } else {
        const auto r = c.rect_twips();
        left = r.left;
        top = r.top;
        right = r.left + std::max(0.0, r.width);
        bottom = r.top + std::max(0.0, r.height);
    }
    // Not a number anywhere: no telling where it is, so it is shown.
    return !(right < 0 || bottom < 0 || left > width || top > height);
}

void QtControlViews::restack(const mem::MemoryForm& form,
                             const std::unordered_set<const QWidget*>& late) {
    const auto& controls = form.all_controls();
    QWidget* above = nullptr;  // the widget of the next control on the client, in their order
    for (auto c = controls.rbegin(); c != controls.rend(); ++c) {
        QWidget* w = made_widget(c->get());
        if (!w || w->parentWidget() != client_) continue;
        if (above && late.count(w)) w->stackUnder(above);
        above = w;
    }
}

QtTabControl* QtControlViews::tab_of(const mem::MemoryObject& c) const {
    const mem::MemoryObject* holder = c.holder();
    if (!holder || holder->is_form()) return nullptr;
    return dynamic_cast<QtTabControl*>(made_widget(holder));
}

bool QtControlViews::on_tab_shown(mem::MemoryObject& c) const {
    const auto* tabs = tab_of(c);
    if (!tabs) return true;
    const Parked* p = parked_record(c);
    return tabs->shows(control_key(c), p ? p->left : c.rect_twips().left);
}

void QtControlViews::note_parked(const mem::MemoryForm& form) {
    for (const auto& c : form.all_controls()) {
        const auto holder = c->container_object();
        if (!holder || holder->is_form() || !host::parked(c->rect_twips().left) ||
            !host::TabSet::candidate(holder->type_name(), holder->extra_properties()))
            continue;
        parked_[c.get()] = {c, c->rect_twips().left, holder->rect_twips().width};
    }
}

const QtControlViews::Parked* QtControlViews::parked_record(const mem::MemoryObject& c) const {
    const auto it = parked_.find(&c);
    return it != parked_.end() && it->second.object.lock().get() == &c ? &it->second : nullptr;
}

double QtControlViews::tab_shift(const mem::MemoryObject& c, double left) const {
    const Parked* p = parked_record(c);
    const mem::MemoryObject* holder = c.holder();
    if (!p || !holder || p->left == 0) return host::TabSet::shift(left);
    // Kept, or kept at the far side (or its middle): the left moved by no more than the tab
    // control grew, and the parking distance stands.
    const double grown = holder->rect_twips().width - p->holder_width;
    if (std::abs(left - p->left) <= std::abs(grown) + 1) return host::kParkedShift;
    // In proportion: the parked left was scaled whole, its parking distance with it.
    return host::kParkedShift * (left / p->left);
}

void QtControlViews::show_tab(QtTabControl& tabs) {
    for (auto& [object, v] : views_) {
        if (!v.widget || v.widget->parentWidget() != &tabs) continue;
        if (auto c = v.object.lock(); c && c->alive())
            v.widget->setVisible(v.looks.visible && on_tab_shown(*c));
    }
}

void QtControlViews::moving(QWidget& w, const QRect& to) {
    // Each move of a visible widget adds to the window's dirty region, whose cost grows with
    // every rectangle in it: past a few moves in one sync the window waits with its painting
    // and is painted once after.
    if (++moves_ == kMovesBeforeHold && client_ && client_->updatesEnabled()) {
        QtPaintHold::stop_updates(*client_);
        held_ = client_;
    }
    w.setGeometry(to);
}

void QtControlViews::release_hold() {
    moves_ = 0;
    if (held_) QtPaintHold::resume_updates(*held_);
    held_ = nullptr;
}

void QtControlViews::adopt(const std::shared_ptr<mem::MemoryObject>& c, QWidget& widget) {
    View& v = record(c);
    v.widget = &widget;
    v.adopted = true;
    v.looks.font_size = try_num(*c, Prop::FontSize).value_or(-1);
    v.looks.pointer = try_num(*c, Prop::MousePointer).value_or(0);
    watch(*c, widget);
    if (auto* tabs = qobject_cast<QTabWidget*>(&widget)) QtEvenTabs::follow(*tabs);
    // A tab widget's controls and pages come to and leave its pages and their stack.
    if (c->traits().container)
        for (QWidget* h : tab_holders(widget)) window_.input_filter().watch(h);
    if (QtWidgetWatch* later = window_.widget_watch()) later->watch_tabs(widget);
}

void QtControlViews::forget_key(const QObject* key, const mem::MemoryObject* object) {
    // Only compared: the widget may be gone.
    if (auto it = objects_.find(key); it != objects_.end() && it->second == object)
        objects_.erase(it);
}

void QtControlViews::watch(mem::MemoryObject& c, QWidget& widget) {
    if (auto v = views_.find(&c); v != views_.end()) {
        if (v->second.key != &widget) forget_key(v->second.key, &c);
        v->second.key = &widget;
    }
    objects_[&widget] = &c;
    if (c.traits().container) {
        // The pointer passing over a divider, no button held, reaches the form only from a
        // widget that tracks it (an application's panel does not by itself).
        widget.setMouseTracking(true);
        window_.input_filter().watch(&widget);
    } else
        widget.setAttribute(Qt::WA_NoMousePropagation);
}

void QtControlViews::place(mem::MemoryObject& c, QWidget& w) {
    const double tx = window_.host().twips_per_pixel_x();
    const double ty = window_.host().twips_per_pixel_y();
    const mem::MemoryObject* holder = c.holder();
    auto [ix, iy] = holder ? inner_offset_twips(*holder) : std::pair<double, double>{};
    // A widget on a tab widget's page: from the page's corner, wherever the page stands now.
    if (QWidget* h = holder && !holder->is_form() ? made_widget(holder) : nullptr;
        h && w.parentWidget() && w.parentWidget() != h) {
        const QPoint page = page_origin(*w.parentWidget(), *h);
        ix -= page.x() * tx;
        iy -= page.y() * ty;
    }
    if (c.traits().geometry == host::GeometryKind::LineEnds) {
        auto* line = static_cast<QtPaintedWidget*>(&w);
        const auto e = c.line_ends_twips();
        const QPointF a((e[0] + ix) / tx, (e[1] + iy) / ty), b((e[2] + ix) / tx, (e[3] + iy) / ty);
        const QRect box = QRectF(a, b).normalized().toAlignedRect().adjusted(-1, -1, 1, 1);
        if (w.geometry() != box) moving(w, box);
        line->set_line(a - box.topLeft(), b - box.topLeft());
        return;
    }
    const auto r = c.rect_twips();
    const double shift = tab_of(c) ? tab_shift(c, r.left) : 0;
    const QRect g(whole_pixels(r.left + ix + shift, tx), whole_pixels(r.top + iy, ty),
                  whole_pixels(r.width, tx), whole_pixels(r.height, ty));
    if (w.geometry() != g) moving(w, g);
}

// Each control's font size is its own, scaled by the resizer control by control: a container's
// new font must not reach the controls in it through Qt's inheritance. They keep their sizes as
// the container's font changes, not before: a widget with a font of its own costs Qt more at
// every paint. Internal parts of a widget (a spin box's editor) follow it as they should.
void QtControlViews::keep_fonts_below(QWidget& container) {
    for (QObject* child : container.children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow()) continue;
        if (!objects_.count(w)) {
            keep_fonts_below(*w);  // a tab widget's pages hold controls further down
            continue;
        }
        if (QFont f = w->font(); !w->testAttribute(Qt::WA_SetFont) && f.pointSizeF() > 0) {
            f.setPointSizeF(f.pointSizeF());
            w->setFont(f);
        }
    }
}

void QtControlViews::dress(mem::MemoryObject& c, QWidget& w, bool adopted) {
    auto it = views_.find(&c);
    QtControlLooks& was = it != views_.end() ? it->second.looks : form_looks_[&c];
    const bool first = !was.set && !adopted;
    QtControlLooks now = adopted ? was : QtControlLooks::read(c);
    if (adopted) {
        if (!c.is_form()) now.font_size = try_num(c, Prop::FontSize).value_or(-1);
        now.pointer = try_num(c, Prop::MousePointer).value_or(0);
    }
    now.set = true;
    if (!c.is_form() && (first || now.visible != was.visible))
        w.setVisible(now.visible && on_tab_shown(c));
    // A disabled form still lets its window be moved and closed: only its controls go grey.
    if (!c.is_form() && (first || now.enabled != was.enabled)) w.setEnabled(now.enabled);
    if (c.traits().container && now.font_size > 0 &&
        (first || now.font_size != was.font_size || now.font != was.font))
        keep_fonts_below(w);
    now.apply(w, was, first, adopted, c.is_form());
    const bool recoloured = !first && now.back_color != was.back_color;
    was = now;
    // The controls in it paint their own back on a container of a colour of its own only.
    if (recoloured && (c.is_form() || c.traits().container))
        if (const auto form = c.form())
            for (const auto& child : form->all_controls())
                if (child->container_object().get() == &c)
                    if (View* v = view_of(*child); v && v->widget && !v->adopted)
                        dress(*child, *v->widget, false);
}

}  // namespace kv::qt
