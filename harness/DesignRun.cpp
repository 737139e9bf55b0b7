#include "harness/DesignRun.h"

#include "engine/HostAccess.h"
#include "harness/MessageLines.h"
#include "host/memory/MemoryHost.h"
#include "host/memory/MemoryPageDialog.h"
#include "pages/Shadows.h"
#include "pages/ppCode.h"
#include "pages/ppPanes.h"
#include "pages/ppVisControls.h"

namespace kv::app {

using K = DesignAction::Kind;

void register_page_classes() {
    register_ppVisControls();
    register_ppPanes();
    register_ppCode();
}

DesignRun::DesignRun(mem::MemoryHost& host, const std::shared_ptr<mem::MemoryObject>& resizer,
                     std::string script_name, std::ostream& out, const PageHandMaker& hand)
    : host_(host), script_(std::move(script_name)), out_(out) {
    register_page_classes();
    shown_ = host.messages().size();
    hand_ = hand(host, resizer);
    form_ = resizer->parent();
    report_messages();
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
    if (!dialog().is_open()) fail("the end of the script after ok or cancel", a.text);
    perform(a);
    report_messages();
}

void DesignRun::fail(const std::string& expected, const std::string& found) const {
    throw ScriptError(script_ + ":" + std::to_string(line_) + ": expected " + expected +
                      ", found '" + found + "'");
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
    if (!c) fail(what + " on the " + page().caption() + " page", key);
    return c;
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

void DesignRun::perform(const DesignAction& a) {
    switch (a.kind) {
        case K::Page:
            work(select_page(a.text), "a page of the dialog", a.text);
            break;
        case K::Click:
            hand_->click(*shadow(a.text));
            break;
        case K::DblClick:
            hand_->dbl_click(*shadow(a.text));
            break;
        case K::Focus:
            hand_->focus(*shadow(a.text));
            break;
        case K::ClickForm:
            hand_->click(*control("picShadowForm", "the shadow form"));
            break;
        case K::Key:
            hand_->press_key(a.number);
            break;
        case K::Choice:
            work(hand_->click(*control("optMove(" + std::to_string(a.number) + ")",
                                       "the anchoring choices")),
                 "a choice offered for the selected control", std::to_string(a.number));
            break;
        case K::Font:
            hand_->click(*control("optFont(" + std::to_string(a.number) + ")", "the font"));
            break;
        case K::Tick:
        case K::Untick: {
            auto box = control("chk" + a.text, "the check box");
            const bool want = a.kind == K::Tick;
            if ((to_double(box->get("Value")) == 1) != want)
                work(hand_->click(*box), "an enabled check box", a.text);
            break;
        }
        case K::View:
            hand_->click(
                *control("optColorView(" + std::to_string(a.number) + ")", "the colour views"));
            break;
        case K::Drag:
            hand_->drag(*control("picSizeHandle", "the size handle"), a.dx, a.dy);
            break;
        case K::Container: {
            auto combo = control("cboContainers", "the containers");
            hand_->click_entry(*combo, entry(combo, a.text, "a split panel container"));
            break;
        }
        case K::Select: {
            auto list = control(a.text == "free" ? "lstChilds" : "lstPaned", "the lists");
            for (const auto& key : a.items) {
                const int i = entry(list, key, "an entry of the " + a.text + " list");
                if (!to_bool(list->get_item("Selected", i))) hand_->click_entry(*list, i);
            }
            break;
        }
        case K::Add:
        case K::Remove: {
            const char* button = a.kind == K::Add ? "cmdAdd" : "cmdRemove";
            work(hand_->click(*control(button, "the > and < buttons")),
                 "an enabled button (select entries first)", a.kind == K::Add ? ">" : "<");
            break;
        }
        case K::Apply:
            applied_ = hand_->apply() || applied_;
            break;
        case K::Ok:
            applied_ = dialog().apply_enabled() || applied_;
            hand_->ok();
            break;
        case K::Cancel:
            hand_->cancel();
            break;
        case K::Code: {
            const size_t opened = host_.opened_documents().size();
            work(hand_->click(*control("cmdGetCode", "the Get VB Code button")),
                 "an enabled Get VB Code button", a.text);
            report_messages();
            if (host_.opened_documents().size() > opened)
                out_ << "code written to " << host_.opened_documents().back() << "\n";
            break;
        }
        case K::Picture: {
            std::string error;
            if (!hand_->picture(a.text, error)) fail("a picture file that can be written", a.text);
            out_ << "wrote " << a.text << "\n";
            break;
        }
    }
}

void DesignRun::report_messages() {
    const auto& messages = host_.messages();
    for (; shown_ < messages.size(); ++shown_) print_message(out_, messages[shown_].text);
}

}  // namespace kv::app
