#pragma once
// What the form targets do with a form they loaded: show it, make it larger, minimise, maximise
// and restore it.
#include "harness/Session.h"

namespace kv::fuzz {

inline void show_and_resize(app::Session& session) {
    session.show();
    app::Step step;
    step.width = 9000;
    step.height = 7000;
    session.apply(step);
    step.kind = app::Step::State;
    for (int state : {1, 2, 0}) {
        step.state = state;
        session.apply(step);
    }
}

}  // namespace kv::fuzz
