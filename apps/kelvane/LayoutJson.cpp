#include "apps/kelvane/LayoutJson.h"

#include <cmath>
#include <cstdint>

#include "harness/Session.h"
#include "host/frm/FrmError.h"

namespace kv::app {

namespace {

using Json = nlohmann::ordered_json;

// Whole numbers as integers (7620, not 7620.0); JSON has no infinities or NaN.
Json number(double x) {
    if (!std::isfinite(x)) return nullptr;
    constexpr double kExact = 9007199254740992.0;  // 2^53: every integer below is exact
    if (x == std::trunc(x) && std::fabs(x) < kExact) return static_cast<int64_t>(x);
    return x;
}

template <class T>
Json optional(const std::optional<T>& v) {
    if (!v) return nullptr;
    if constexpr (std::is_same_v<T, double>)
        return number(*v);
    else
        return *v;
}

// "file" and "line" of what is said: null when it is about no part of the file, or no line.
void add_place(Json& entry, const FilePlace& place) {
    entry["file"] = place.file.empty() ? Json() : Json(place.file);
    entry["line"] = place.line ? Json(place.line) : Json();
}

}  // namespace

Json layout_json(const Snapshot& s, const std::vector<mem::MessageRecord>& messages,
                 const std::vector<mem::TrappedError>& trapped, const SettingsPlaces& places,
                 const std::vector<LoadNote>& notes) {
    Json doc;
    doc["form"] = {{"name", s.form.name},
                   {"left", number(s.form.left)},
                   {"top", number(s.form.top)},
                   {"width", number(s.form.width)},
                   {"height", number(s.form.height)},
                   {"scaleWidth", number(s.form.scale_width)},
                   {"scaleHeight", number(s.form.scale_height)},
                   {"windowState", s.form.window_state}};
    Json controls = Json::array();
    for (const auto& c : s.controls) {
        controls.push_back({{"key", c.key},
                            {"type", c.type},
                            {"container", c.has_container ? Json(c.container_key) : Json()},
                            {"align", optional(c.align)},
                            {"left", optional(c.left)},
                            {"top", optional(c.top)},
                            {"width", optional(c.width)},
                            {"height", optional(c.height)},
                            {"scaleWidth", optional(c.scale_width)},
                            {"scaleHeight", optional(c.scale_height)},
                            {"fontSize", optional(c.font_size)},
                            {"x1", optional(c.x1)},
                            {"y1", optional(c.y1)},
                            {"x2", optional(c.x2)},
                            {"y2", optional(c.y2)},
                            {"visible", optional(c.visible)}});
    }
    doc["controls"] = std::move(controls);
    Json boxes = Json::array();
    for (const auto& m : messages) {
        const std::string icon = icon_name(m.style);
        Json box = {{"text", m.text}};
        add_place(box, places.of_message(m.text));
        box["title"] = m.title;
        box["buttons"] = buttons_name(m.style);
        box["icon"] = icon.empty() ? Json() : Json(icon);
        boxes.push_back(std::move(box));
    }
    doc["messages"] = std::move(boxes);
    Json errors = Json::array();
    for (const auto& t : trapped) {
        Json error = {
            {"procedure", t.procedure}, {"number", t.number}, {"description", t.description}};
        add_place(error, places.of_trapped(t.procedure));
        errors.push_back(std::move(error));
    }
    doc["trapped"] = std::move(errors);
    Json noted = Json::array();
    for (const auto& n : notes) {
        Json note;
        add_place(note, n.place);
        note["text"] = n.text;
        noted.push_back(std::move(note));
    }
    doc["notes"] = std::move(noted);
    return doc;
}

Json error_json(const frm::FrmError& e) {
    Json error;
    add_place(error, {e.file(), e.line()});
    error["text"] = e.reason();
    return {{"errors", Json::array({std::move(error)})}};
}

std::string json_text(const Json& doc) {
    return doc.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace kv::app
