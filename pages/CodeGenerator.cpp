#include "pages/CodeGenerator.h"

#include <array>
#include <vector>

#include "control/ControlLookup.h"
#include "control/SettingsStrings.h"
#include "engine/Error.h"
#include "engine/HostAccess.h"

namespace kv {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kControlPrefix = "iKVcontrol_";
constexpr const char* kPanePrefix = "iKVpane_";
constexpr size_t kMaxPaneKeys = 4;

std::string_view constant_of(char letter) {
    switch (letter) {
        case 'K':
            return "KV_KEEP";
        case 'A':
            return "KV_ABSOLUTE";
        case 'F':
            return "KV_FLOAT";
        case 'R':
        case 'C':
            return "KV_RELATIVE";
        default:
            return "";
    }
}

ObjectRef must_find(const ObjectRef& form, std::string_view key) {
    ObjectRef control = find_control_by_key(form, key);
    if (!control) throw Error::standard(kErrObjectNotSet);
    return control;
}

}  // namespace

CodeGenerator::CodeGenerator(ObjectRef form, std::string resizer_name)
    : form_(std::move(form)), resizer_name_(std::move(resizer_name)) {}

// A variable without blanks, tabs and line breaks is found in the texts only on a line of its
// own: "Dim " + variable + " As Integer" only on its declaration line, "\t" + variable + " = "
// only on its assignment line (the calls hold no " = ", keys have no blanks). Such look-ups go to
// the sets. A variable with one of those characters could match inside another line, so once
// one is written the texts themselves are searched, as they always could be. The text comes out
// the same either way; the sets only keep a form of 100 000 lines from searching the whole text
// for each one.
bool CodeGenerator::plain_variable(std::string_view variable) {
    return variable.find_first_of(" \t\r\n") == std::string_view::npos;
}

void CodeGenerator::declare(const std::string& variable) {
    const std::string line = "Dim " + variable + " As Integer";
    bool declared;
    if (odd_text_ || !plain_variable(variable))
        declared = declarations_.view().find(line) != std::string_view::npos;
    else
        declared = declared_.count(variable) != 0;
    if (declared) return;
    declarations_ << line << kCrLf;
    declared_.insert(variable);
    if (!plain_variable(variable)) odd_text_ = true;
}

bool CodeGenerator::has_body_line(const std::string& variable) const {
    if (odd_text_ || !plain_variable(variable))
        return body_.view().find('\t' + variable + " = ") != std::string_view::npos;
    return assigned_.count(variable) != 0;
}

void CodeGenerator::assign(const std::string& variable, std::string_view call) {
    body_ << '\t' << variable << " = _" << kCrLf << "\t\t." << call;
    assigned_.insert(variable);
    if (!plain_variable(variable)) odd_text_ = true;
}

void CodeGenerator::control_line(std::string_view line) {
    const size_t sep = line.find(" \t");
    if (sep == std::string_view::npos) return;
    const std::string_view key = line.substr(0, sep);
    const std::string_view modes = line.substr(sep + 2);
    try {
        const ObjectRef control = find_control_by_key(form_, key);
        if (!control) return;
        const std::string control_key_text = control_key(*control);
        const std::string variable = kControlPrefix + control_key_text;
        std::string call = "Form_Load_addControl(";
        for (size_t i = 0; i < 5; ++i)
            call.append(i < modes.size() ? constant_of(modes[i]) : "").append(", ");
        call.append(control_key_text).append(")").append(kCrLf);
        assign(variable, call);
        declare(variable);
    } catch (const Error&) {
        // This line is left out; the others are generated.
    }
}

void CodeGenerator::pane_line(std::string_view line) {
    std::vector<std::string> keys = split_pane_keys(line);
    if (keys.size() > kMaxPaneKeys) keys.resize(kMaxPaneKeys);
    std::array<std::string, kMaxPaneKeys> arguments{"0", "0", "0", "0"};
    ObjectRef container;
    for (size_t i = 0; i < keys.size(); ++i) {
        const ObjectRef control = must_find(form_, keys[i]);
        const std::string variable = kControlPrefix + keys[i];
        arguments[i] = variable;
        declare(variable);
        container = control->container();
        if (!has_body_line(variable))
            assign(variable, "Form_Load_addControl(KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP, KV_KEEP, " +
                                 keys[i] + ")" + kCrLf);
    }
    // A line without keys has no container to name its pane after.
    if (!container) throw Error::standard(kErrObjectNotSet);
    const std::string pane =
        kPanePrefix +
        (same_object(container, form_) ? text(*container, Prop::Name) : control_key(*container));
    assign(pane, "Form_Load_CreatePane(" + arguments[0] + ", " + arguments[1] + ", " +
                     arguments[2] + ", " + arguments[3] + ")" + kCrLf);
    declare(pane);
}

std::optional<std::string> CodeGenerator::generate(std::string_view control_settings,
                                                   std::string_view pane_settings) {
    declarations_.str({});
    body_.str({});
    declared_.clear();
    assigned_.clear();
    odd_text_ = false;
    for (const std::string& line : split_settings_lines(control_settings)) control_line(line);
    for (const std::string& line : split_settings_lines(pane_settings)) pane_line(line);
    if (body_.view().empty() && declarations_.view().empty()) return std::nullopt;

    const std::string form_name = text(*form_, Prop::Name);
    std::ostringstream out;
    out << "'>>>>>> Begin Code Generated by Kelvane >>>>>>>>" << kCrLf;
    out << "' Call this sub from " << form_name << "'s form Form_Load event" << kCrLf << kCrLf;
    out << "Private Sub KV_" << form_name << "_Form_Load()" << kCrLf;
    out << declarations_.view() << kCrLf;
    out << "With " << resizer_name_ << kCrLf << body_.view() << "End With" << kCrLf;
    out << "End Sub" << kCrLf << kCrLf;
    out << "'<<<<<<<< End Code Generated by Kelvane <<<<<<<<<<" << kCrLf;
    return out.str();
}

}  // namespace kv
