#include "harness/DesignRun.h"

#include <charconv>

#include "engine/HostAccess.h"
#include "harness/MessageLines.h"
#include "harness/ShownText.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPageDialog.h"
#include "pages/Shadows.h"
#include "pages/ppCode.h"
#include "pages/ppPanes.h"
#include "pages/ppVisControls.h"

namespace kv::app {

using K = DesignAction::Kind;

namespace {
// A number as exactly as it is: the shortest text that reads back as the same double.
std::string exact(double v) {
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    return std::string(buf, end);
}
}  // namespace

void register_page_classes() {
    register_ppVisControls();
    register_ppPanes();
    register_ppCode();
}

DesignRun::DesignRun(mem::MemoryHost& host, const std::shared_ptr<mem::MemoryObject>& resizer,
                     std::string script_name, std::ostream& out, const SettingsPlaces& file_places,
                     const PageHandMaker& hand)
    : host_(host), script_(std::move(script_name)), out_(out) {
    register_page_classes();
    shown_ = host.messages().size();
    hand_ = hand(host, resizer);
    form_ = resizer->parent();
    report_messages(file_places);
}

DesignRun::~DesignRun() {
    try {
        if (hand_ && hand_->dialog().is_open()) hand_->cancel();
    } catch (...) {
        // A page that fails while the dialog goes away has nobody left to tell.
    }
}

void DesignRun::run(const DesignAction& a) {
    line_ = a.line;
    source_ = a.source;
    if (!dialog().is_open()) fail("the end of the script after ok or cancel", a.source);
    perform(a);
    report_messages();
}

void DesignRun::fail(const std::string& expected, const std::string& found) const {
    throw ScriptError(script_ + ":" + std::to_string(line_) + ": expected " + expected +
                      ", found '" + clipped(found) + "'");
}

mem::MemoryPropertyPage& DesignRun::page() {
    return *dialog().active_page();
}

bool DesignRun::select_page(const std::string& caption) {
    const auto captions = dialog().captions();
    for (size_t i = 0; i < captions.size(); ++i) {
        std::string plain;
        for (char c : captions[i])
            if (c != '&') plain += c;
        if (plain == caption) return hand_->select_page(i);
    }
    return false;
}

std::shared_ptr<mem::MemoryObject> DesignRun::control(const std::string& key,
                                                      const std::string& what) {
    auto c = page().find(key);
    if (c) return c;
    // The action belongs to another page: say which, in the script's words.
    const auto captions = dialog().captions();
    for (size_t i = 0; i < dialog().page_count(); ++i) {
        const auto other = dialog().page(i);
        if (!other || !other->find(key)) continue;
        std::string plain;
        for (char ch : captions[i])
            if (ch != '&') plain += ch;
        fail("'page " + plain + "' before this line (it works on the " + plain +
                 " page, not on the " + page().caption() + " page)",
             source_);
    }
    fail(what + " on the " + page().caption() + " page", source_);
}

void DesignRun::work(bool done, const std::string& expected, const std::string& found) const {
    if (!done) fail(expected, found);
}

std::shared_ptr<mem::MemoryObject> DesignRun::shadow(const std::string& key) {
    const std::string name = shadow_name_of_key(form_, key);
    auto c = name.empty() ? nullptr : page().find(name);
    // A shadow inside a hidden one (the aligned bars' children) is not there to click.
    if (!c || !c->enabled_and_shown())
        fail("a control of the form shown on the " + page().caption() + " page", key);
    return c;
}

int DesignRun::entry(const std::shared_ptr<mem::MemoryObject>& list, const std::string& text,
                     const std::string& what) {
    const int n = static_cast<int>(to_double(list->get("ListCount")));
    for (int i = 0; i < n; ++i)
        if (to_text(list->get_item("List", i)) == text) return i;
    fail(what, text);
}

// One script action, by what it works on.
void DesignRun::perform(const DesignAction& a) {
    switch (a.kind) {
        case K::Page:
            return work(select_page(a.text), "a page of the dialog", a.text);
        case K::Click:
        case K::DblClick:
        case K::Focus:
        case K::ClickForm:
            return work_shadow(a);
        case K::Key:
            return hand_->press_key(a.number);
        case K::Choice:
        case K::Font:
        case K::View:
        case K::Drag:
            return work_choices(a);
        case K::Tick:
        case K::Untick:
            return set_check_box(a.text, a.kind == K::Tick);
        case K::Container:
        case K::Select:
        case K::Add:
        case K::Remove:
            return work_pane_lists(a);
        case K::Apply:
        case K::Ok:
        case K::Cancel:
            return press_dialog_button(a.kind);
        case K::Code:
            return get_code();
        case K::Picture:
            return take_picture(a.text);
        case K::Preview:
            return print_preview();
    }
}

// A shadow on the controls page, or the shadow form itself.
void DesignRun::work_shadow(const DesignAction& a) {
    if (a.kind == K::ClickForm) {
        hand_->click(*control("picShadowForm", "the shadow form"));
        return;
    }
    auto target = shadow(a.text);
    if (a.kind == K::Click) hand_->click(*target);
    if (a.kind == K::DblClick) hand_->dbl_click(*target);
    if (a.kind == K::Focus) hand_->focus(*target);
}

// The anchoring choices the page shows for the selection now, as a script would name them.
std::string DesignRun::offered_choices() {
    std::string offered;
    for (int i = 0; i <= 10; ++i) {
        const auto c = page().find("optMove(" + std::to_string(i) + ")");
        if (!c || !c->enabled_and_shown()) continue;
        offered += (offered.empty() ? "" : ", ") + std::to_string(i);
    }
    return offered.empty() ? "none here" : "here " + offered;
}

// The anchoring and font choices, the colour views and the size handle.
void DesignRun::work_choices(const DesignAction& a) {
    const std::string n = std::to_string(a.number);
    switch (a.kind) {
        case K::Choice:
            if (!hand_->click(*control("optMove(" + n + ")", "the anchoring choices")))
                fail("a choice offered for the selected control (" + offered_choices() + ")", n);
            break;
        case K::Font:
            hand_->click(*control("optFont(" + n + ")", "the font"));
            break;
        case K::View:
            hand_->click(*control("optColorView(" + n + ")", "the colour views"));
            break;
        default:
            hand_->drag(*control("picSizeHandle", "the size handle"), a.dx, a.dy);
            break;
    }
}

void DesignRun::set_check_box(const std::string& name, bool ticked) {
    auto box = control("chk" + name, "the check box");
    if ((to_double(box->get("Value")) == 1) != ticked)
        work(hand_->click(*box), "an enabled check box", name);
}

// The panes page: the container combo, the two lists and the > and < buttons.
void DesignRun::work_pane_lists(const DesignAction& a) {
    if (a.kind == K::Container) {
        auto combo = control("cboContainers", "the containers");
        hand_->click_entry(*combo, entry(combo, a.text, "a split panel container"));
    } else if (a.kind == K::Select) {
        auto list = control(a.text == "free" ? "lstChilds" : "lstPaned", "the lists");
        for (const auto& key : a.items) {
            const int i = entry(list, key, "an entry of the " + a.text + " list");
            if (!to_bool(list->get_item("Selected", i))) hand_->click_entry(*list, i);
        }
    } else {
        const bool add = a.kind == K::Add;
        work(hand_->click(*control(add ? "cmdAdd" : "cmdRemove", "the > and < buttons")),
             "an enabled button (select entries first)", add ? ">" : "<");
    }
}

void DesignRun::press_dialog_button(DesignAction::Kind kind) {
    if (kind == K::Apply) {
        applied_ = hand_->apply() || applied_;
    } else if (kind == K::Ok) {
        applied_ = dialog().apply_enabled() || applied_;
        hand_->ok();
    } else {
        hand_->cancel();
    }
}

void DesignRun::get_code() {
    const size_t opened = host_.opened_documents().size();
    work(hand_->click(*control("cmdGetCode", "the Get VB Code button")),
         "an enabled Get VB Code button", "code");
    report_messages();
    if (host_.opened_documents().size() > opened)
        out_ << "code written to " << host_.opened_documents().back() << "\n";
}

void DesignRun::take_picture(const std::string& path) {
    std::string error;
    if (!hand_->picture(path, error)) fail("a picture file that can be written", path);
    out_ << "wrote " << path << "\n";
}

// Where the controls page's preview stands: the size of the form its shadow form stands for and
// the sizes it went through since the preview was set up, then each control as its shadow shows
// it, in the units of its container (as `layout` gives them), numbers as exact as they are.
void DesignRun::print_preview() {
    const ppVisControls* page = nullptr;
    for (size_t i = 0; i < dialog().page_count() && !page; ++i)
        page = dynamic_cast<const ppVisControls*>(dialog().page_code(i).get());
    if (!page || !page->loaded()) fail("the Resizing page shown before preview", "preview");
    const auto [width, height] = page->preview().trial_form_size();
    out_ << "preview " << text(*form_, Prop::Name) << " " << exact(width) << "x" << exact(height)
         << "\n";
    out_ << "  sizes";
    for (const auto& [w, h] : page->preview().trial_sizes())
        out_ << " " << exact(w) << "x" << exact(h);
    out_ << "\n";
    for (const ShownControl& c : page->preview().shown()) {
        const ControlPlace& p = c.place;
        out_ << "  " << c.key;
        if (p.line)
            out_ << " line " << exact(p.x1) << " " << exact(p.y1) << " " << exact(p.x2) << " "
                 << exact(p.y2);
        else
            out_ << " " << exact(p.left) << " " << exact(p.top) << " " << exact(p.width) << " "
                 << exact(p.height);
        out_ << "\n";
    }
}

void DesignRun::report_messages(const SettingsPlaces& places) {
    const auto& messages = host_.messages();
    for (; shown_ < messages.size(); ++shown_) {
        const std::string& text = messages[shown_].text;
        print_message(out_, text, places.of_message(text).text());
    }
}

}  // namespace kv::app
