#include "apps/kelvane/StepOptions.h"

#include <CLI/CLI.hpp>
#include <map>
#include <tuple>

namespace kv::app {

namespace {

// A validator from a parse function: the parser names the option in front of the message.
template <class Parse>
CLI::Validator checked(Parse parse, const std::string& expected) {
    return CLI::Validator(
        [parse, expected](std::string& text) -> std::string {
            std::string problem;
            if (parse(text, &problem)) return {};
            return "expected " + expected + ", found '" + text + "'" +
                   (problem.empty() ? "" : ": " + problem);
        },
        "");
}

CLI::Option* step_option(CLI::App& app, const char* name, const char* text, const char* help) {
    return app.add_option(name)
        ->description(help)
        ->type_size(1)
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->type_name(text);
}

}  // namespace

void StepOptions::add_to(CLI::App& app) {
    app_ = &app;
    const std::string size_text = "a size WIDTHxHEIGHT in twips such as 9000x6000";
    size_ = step_option(app, "--size", "WxH", "the form's outer size is set to W x H twips")
                ->check(checked(parse_size, size_text));
    user_size_ = step_option(app, "--user-size", "WxH",
                             "the user drags the border to W x H twips (the size limits apply)")
                     ->check(checked(parse_size, size_text));
    state_ = step_option(app, "--state", "normal|min|max", "the window state becomes S")
                 ->check(checked(parse_window_state, "normal, min or max"));
    drag_ = step_option(app, "--drag", "X,Y:X2,Y2[@CONTAINER]",
                        "the pointer moves onto X,Y, presses, moves to X2,Y2 and releases; in "
                        "the container's scale units; the container is the form unless named "
                        "by its control key after @")
                ->check(checked(parse_drag, "X,Y:X2,Y2[@CONTAINER]"));
}

std::vector<Step> StepOptions::steps() const {
    std::vector<Step> steps;
    if (!app_) return steps;
    // Each occurrence of an option adds one result to it and one entry to the parse order.
    std::map<const CLI::Option*, size_t> used;
    for (const CLI::Option* opt : app_->parse_order()) {
        if (opt != size_ && opt != user_size_ && opt != state_ && opt != drag_) continue;
        const std::string& text = opt->results().at(used[opt]++);
        Step s;
        if (opt == drag_) {
            s = *parse_drag(text);
        } else if (opt == state_) {
            s.kind = Step::State;
            s.state = *parse_window_state(text);
        } else {
            s.kind = opt == size_ ? Step::Size : Step::UserSize;
            std::tie(s.width, s.height) = *parse_size(text);
        }
        s.given = opt->get_name() + " " + text;
        steps.push_back(s);
    }
    return steps;
}

}  // namespace kv::app
