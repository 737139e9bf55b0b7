#pragma once
// A container's scale other than twips, which the resizer's arithmetic runs in (a pixel form's
// frame, a picture box's own coordinates): written by the export as properties of the widget's
// own, for a .ui has no word for it, and read back alike by the .ui loader and the Qt host's
// adoption, so that an exported form resizes as its form file.
#include <cmath>
#include <functional>
#include <optional>

#include "engine/HostAccess.h"
#include "host/memory/MemoryObject.h"

namespace kv::mem {

struct OwnScale {
    static constexpr const char* kMode = "ScaleMode";
    // A user scale's corner and size, in the order they are given.
    static constexpr const char* kUser[] = {"ScaleLeft", "ScaleTop", "ScaleWidth", "ScaleHeight"};

    int mode = kScaleTwips;
    double user[4] = {0, 0, 0, 0};

    // `c`'s scale, where it has one of its own other than twips.
    static std::optional<OwnScale> of(MemoryObject& c) {
        if (!c.traits().scale) return std::nullopt;
        const auto mode = try_num(c, Prop::ScaleMode);
        if (!mode || static_cast<int>(*mode) == kScaleTwips) return std::nullopt;
        OwnScale s;
        s.mode = static_cast<int>(*mode);
        if (s.mode == kScaleUser) {
            const Prop props[] = {Prop::ScaleLeft, Prop::ScaleTop, Prop::ScaleWidth,
                                  Prop::ScaleHeight};
            for (int i = 0; i < 4; ++i) s.user[i] = try_num(c, props[i]).value_or(0);
        }
        return s;
    }

    // The scale a widget's own properties give (`read` answers a property's number, or nothing),
    // where they make one: a mode from 0 to 7, and for a user scale a size on both axes.
    static std::optional<OwnScale> read(
        const std::function<std::optional<double>(const char*)>& read) {
        const auto mode = read(kMode);
        if (!mode || *mode != std::floor(*mode) || *mode < 0 || *mode > 7 ||
            static_cast<int>(*mode) == kScaleTwips)
            return std::nullopt;
        OwnScale s;
        s.mode = static_cast<int>(*mode);
        if (s.mode != kScaleUser) return s;
        for (int i = 0; i < 4; ++i) {
            const auto v = read(kUser[i]);
            if (!v || !std::isfinite(*v)) return std::nullopt;
            s.user[i] = *v;
        }
        if (s.user[2] == 0 || s.user[3] == 0) return std::nullopt;
        return s;
    }

    // Given to `c` once it has its size, which a user scale divides.
    void apply(MemoryObject& c) const {
        if (!c.traits().scale) return;
        if (mode != kScaleUser) {
            c.set_raw(kMode, static_cast<double>(mode));
            return;
        }
        c.set_raw(kUser[2], user[2]);
        c.set_raw(kUser[3], user[3]);
        c.set_raw(kMode, static_cast<double>(kScaleUser));
        c.set_raw(kUser[0], user[0]);
        c.set_raw(kUser[1], user[1]);
    }
};

}  // namespace kv::mem
