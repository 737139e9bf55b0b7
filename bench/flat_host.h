#pragma once
// A bare host object for measuring the engine alone: plain fields, no scale conversion, no
// events, and failed reads answered without throwing. The resize benchmark runs the same
// pass on it and on the memory host, so that the two costs can be told apart.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Error.h"
#include "engine/HostObject.h"

namespace kv::bench {

class FlatObject;

class FlatCollection : public ControlCollection {
  public:
    std::vector<std::shared_ptr<FlatObject>> items;
    size_t count() override { return items.size(); }
    ObjectRef item(size_t i) override;
    ObjectRef find(std::string_view) override { throw Error::standard(kErrControlNotFound); }
    ObjectRef find(std::string_view, int) override { throw Error::standard(kErrControlNotFound); }
    ObjectRef add(std::string_view, std::string_view, const ObjectRef&) override {
        throw Error::standard(kErrNoSuchProperty);
    }
    void remove(std::string_view) override { throw Error::standard(kErrNoSuchProperty); }
};

class FlatObject : public HostObject {
  public:
    std::string name, type;
    double l = 0, t = 0, w = 0, h = 0;
    bool is_form = false, container_kind = false;
    FlatObject* form = nullptr;
    std::weak_ptr<FlatObject> in;  // container
    FlatObject* in_raw = nullptr;  // the same, for contained_in
    std::shared_ptr<FlatCollection> ctrls;

    std::optional<Value> try_get(Prop p) override {
        switch (p) {
            case Prop::Left:
                return is_form ? std::nullopt : std::optional<Value>(l);
            case Prop::Top:
                return is_form ? std::nullopt : std::optional<Value>(t);
            case Prop::Width:
                return w;
            case Prop::Height:
                return h;
            case Prop::ScaleWidth:
                return container_kind ? std::optional<Value>(w) : std::nullopt;
            case Prop::ScaleHeight:
                return container_kind ? std::optional<Value>(h) : std::nullopt;
            case Prop::ScaleMode:
                return container_kind ? std::optional<Value>(1.0) : std::nullopt;
            case Prop::Name:
                return name;
            case Prop::Visible:
                return true;
            case Prop::WindowState:
            case Prop::MDIChild:
                return is_form ? std::optional<Value>(0.0) : std::nullopt;
            case Prop::hWnd:
                return 1.0;
            default:
                return std::nullopt;
        }
    }
    Value get(Prop p) override {
        if (auto v = try_get(p)) return *v;
        throw Error::standard(kErrNoSuchProperty);
    }
    bool try_get_number(Prop p, double& out) override {
        switch (p) {
            case Prop::Left:
                out = l;
                return !is_form;
            case Prop::Top:
                out = t;
                return !is_form;
            case Prop::Width:
                out = w;
                return true;
            case Prop::Height:
                out = h;
                return true;
            case Prop::ScaleWidth:
                out = w;
                return container_kind;
            case Prop::ScaleHeight:
                out = h;
                return container_kind;
            default:
                return HostObject::try_get_number(p, out);
        }
    }
    uint32_t try_get_numbers(std::span<const Prop> props, double* out) override {
        uint32_t got = 0;
        for (size_t i = 0; i < props.size() && i < 32; ++i)
            if (FlatObject::try_get_number(props[i], out[i])) got |= 1u << i;
        return got;
    }
    double get_number(Prop p) override {
        if (double v = 0; try_get_number(p, v)) return v;
        throw Error::standard(kErrNoSuchProperty);
    }
    void set(Prop, const Value&) override { throw Error::standard(kErrNoSuchProperty); }
    Value get(std::string_view) override { throw Error::standard(kErrNoSuchProperty); }
    void set(std::string_view, const Value&) override { throw Error::standard(kErrNoSuchProperty); }
    void move(double left, std::optional<double> top, std::optional<double> width,
              std::optional<double> height) override {
        l = left;
        if (top) t = *top;
        if (width) w = *width;
        if (height) h = *height;
    }
    ObjectRef container() override {
        if (auto c = in.lock()) return c;
        throw Error::standard(kErrNoSuchProperty);
    }
    ObjectRef try_container() override { return in.lock(); }
    bool contained_in(const HostObject& candidate) override { return in_raw == &candidate; }
    ObjectRef parent() override {
        if (is_form) throw Error::standard(kErrNoSuchProperty);
        return std::shared_ptr<HostObject>(form_ref());
    }
    std::string type_name() override { return type; }
    double scale_x(double v, int, int) override { return v; }
    double scale_y(double v, int, int) override { return v; }
    std::shared_ptr<ControlCollection> controls() override {
        if (!ctrls) throw Error::standard(kErrNoSuchProperty);
        return ctrls;
    }
    ObjectRef active_form() override { throw Error::standard(kErrNoSuchProperty); }
    void zorder(int) override {}
    void refresh() override {}
    std::unique_ptr<EventConnection> hook_events(EventSink&) override { return nullptr; }

    std::weak_ptr<FlatObject> self;
    std::shared_ptr<FlatObject> form_ref() const { return form->self.lock(); }
};

inline ObjectRef FlatCollection::item(size_t i) {
    return items.at(i);
}

// A form of `n` text boxes, one in ten inside one of ten picture boxes.
inline std::shared_ptr<FlatObject> make_flat_form(int64_t n) {
    auto form = std::make_shared<FlatObject>();
    form->self = form;
    form->name = "frmFlat";
    form->type = "Form";
    form->is_form = form->container_kind = true;
    form->form = form.get();
    form->w = form->h = 20000;
    form->ctrls = std::make_shared<FlatCollection>();
    auto add = [&](const std::string& type, const std::string& name,
                   const std::shared_ptr<FlatObject>& in) {
        auto c = std::make_shared<FlatObject>();
        c->self = c;
        c->type = type;
        c->name = name;
        c->form = form.get();
        c->in = in;
        c->in_raw = in.get();
        c->container_kind = type == "PictureBox";
        form->ctrls->items.push_back(c);
        return c;
    };
    const int64_t boxes = n >= 100 ? 10 : 0;
    std::vector<std::shared_ptr<FlatObject>> pics;
    for (int64_t i = 0; i < boxes; ++i) {
        auto p = add("PictureBox", "Pic" + std::to_string(i), form);
        p->move(static_cast<double>(i) * 1900, 15000, 1800, 4000);
        pics.push_back(p);
    }
    for (int64_t i = boxes; i < n; ++i) {
        const bool inside = boxes && i % 10 == 0;
        auto c = add("TextBox", "T" + std::to_string(i),
                     inside ? pics[static_cast<size_t>(i / 10 % boxes)] : form);
        c->move(static_cast<double>(i % 100) * 150, static_cast<double>(i / 100 % 100) * 140, 140,
                130);
    }
    return form;
}

}  // namespace kv::bench
