#include "harness/DesignScript.h"

#include "harness/ShownText.h"

#include <array>
#include <cmath>
#include <map>
#include <sstream>

#include "engine/Numbers.h"

namespace kv::app {

namespace {

struct Verb {
    DesignAction::Kind kind;
    enum Args { None, One, Many } args;
};

const std::map<std::string, Verb, std::less<>>& verbs() {
    using K = DesignAction::Kind;
    static const std::map<std::string, Verb, std::less<>> table{
        {"page", {K::Page, Verb::One}},
        {"click", {K::Click, Verb::One}},
        {"dblclick", {K::DblClick, Verb::One}},
        {"focus", {K::Focus, Verb::One}},
        {"click-form", {K::ClickForm, Verb::None}},
        {"key", {K::Key, Verb::One}},
        {"choice", {K::Choice, Verb::One}},
        {"font", {K::Font, Verb::One}},
        {"tick", {K::Tick, Verb::One}},
        {"untick", {K::Untick, Verb::One}},
        {"view", {K::View, Verb::One}},
        {"drag", {K::Drag, Verb::One}},
        {"container", {K::Container, Verb::One}},
        {"select", {K::Select, Verb::Many}},
        {"add", {K::Add, Verb::None}},
        {"remove", {K::Remove, Verb::None}},
        {"apply", {K::Apply, Verb::None}},
        {"ok", {K::Ok, Verb::None}},
        {"cancel", {K::Cancel, Verb::None}},
        {"code", {K::Code, Verb::None}},
        {"picture", {K::Picture, Verb::One}},
        {"preview", {K::Preview, Verb::None}},
    };
    return table;
}

std::vector<std::string> words_of(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

class LineParser {
  public:
    LineParser(const std::string& script, int line) : script_(script), line_(line) {}

    [[noreturn]] void fail(const std::string& expected, const std::string& found) const {
        throw ScriptError(script_ + ":" + std::to_string(line_) + ": expected " + expected +
                          ", found " +
                          (found.empty() ? "the end of the line" : "'" + clipped(found) + "'"));
    }

    int whole(const std::string& word, int lo, int hi, const std::string& expected) const {
        const auto n = parse_number(word);
        if (!n || *n != std::trunc(*n) || *n < lo || *n > hi) fail(expected, word);
        return static_cast<int>(*n);
    }

    template <size_t N>
    int one_of(const std::string& word, const std::array<std::string_view, N>& names,
               const std::string& expected) const {
        for (size_t i = 0; i < N; ++i)
            if (word == names[i]) return static_cast<int>(i);
        fail(expected, word);
    }

  private:
    const std::string& script_;
    int line_;
};

// The verb of a line and its number of arguments.
const Verb& verb_of(const std::vector<std::string>& words, const LineParser& p) {
    const auto verb = verbs().find(words[0]);
    if (verb == verbs().end())
        p.fail("an action (page, click, choice, drag, apply, ...)", words[0]);
    const size_t args = words.size() - 1;
    if (verb->second.args == Verb::None && args > 0) p.fail("the end of the line", words[1]);
    if (verb->second.args != Verb::None && args == 0) p.fail("an argument after " + words[0], "");
    if (verb->second.args == Verb::One && args > 1) p.fail("the end of the line", words[2]);
    return verb->second;
}

void parse_drag(const std::string& arg, DesignAction& a, const LineParser& p) {
    const size_t comma = arg.find(',');
    const auto dx = parse_number(arg.substr(0, comma));
    const auto dy = comma == std::string::npos ? std::nullopt : parse_number(arg.substr(comma + 1));
    // A mouse event carries single-precision coordinates: no drag goes further than the
    // largest form.
    constexpr double kFarthest = 2147483647.0;
    if (!dx || !dy || !(std::abs(*dx) <= kFarthest) || !(std::abs(*dy) <= kFarthest))
        p.fail("DX,DY in twips, each at most 2147483647 either way", arg);
    a.dx = *dx;
    a.dy = *dy;
}

void parse_select(const std::vector<std::string>& words, DesignAction& a, const LineParser& p) {
    a.text = words[1];
    p.one_of(a.text, std::array<std::string_view, 2>{"free", "pane"}, "free or pane");
    if (words.size() < 3) p.fail("control keys after select " + a.text, "");
    a.items.assign(words.begin() + 2, words.end());
}

// The arguments of an action whose verb and count have been checked.
void parse_arguments(const std::vector<std::string>& words, DesignAction& a, const LineParser& p) {
    using K = DesignAction::Kind;
    const std::string arg = words.size() > 1 ? words[1] : std::string();
    a.text = arg;
    switch (a.kind) {
        case K::Page:
            a.number = p.one_of(arg, std::array<std::string_view, 3>{"Resizing", "Panels", "Code"},
                                "Resizing, Panels or Code");
            break;
        case K::Key:
            a.number =
                p.one_of(arg, std::array<std::string_view, 2>{"Delete", "F1"}, "Delete or F1") == 0
                    ? 46
                    : 112;
            break;
        case K::Choice:
            a.number = p.whole(arg, 0, 10, "a choice 0 to 10");
            break;
        case K::Font:
            a.number =
                p.one_of(arg, std::array<std::string_view, 2>{"keep", "change"}, "keep or change");
            break;
        case K::Tick:
        case K::Untick:
            p.one_of(arg, std::array<std::string_view, 2>{"AddAllControls", "AddAllFontsButtons"},
                     "AddAllControls or AddAllFontsButtons");
            break;
        case K::View:
            a.number = p.whole(arg, 0, 2, "a colour view 0, 1 or 2");
            break;
        case K::Drag:
            parse_drag(arg, a, p);
            break;
        case K::Select:
            parse_select(words, a, p);
            break;
        default:
            break;
    }
}

}  // namespace

std::vector<DesignAction> parse_design_script(std::string_view script,
                                              const std::string& script_name) {
    std::vector<DesignAction> actions;
    std::istringstream in{std::string(script)};
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto words = words_of(line);
        if (words.empty() || words[0].starts_with("#")) continue;
        const LineParser p(script_name, number);
        DesignAction a;
        a.kind = verb_of(words, p).kind;
        a.line = number;
        a.source = line;
        parse_arguments(words, a, p);
        actions.push_back(std::move(a));
    }
    return actions;
}

}  // namespace kv::app
