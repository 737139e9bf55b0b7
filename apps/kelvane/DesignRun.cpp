#include "apps/kelvane/DesignRun.h"

#include "apps/kelvane/MessageLines.h"
#include "apps/kelvane/Renderer.h"
#include "apps/kelvane/Snapshot.h"
#include "engine/HostAccess.h"
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
                     std::string script_name, std::ostream& out)
    : host_(host), script_(std::move(script_name)), out_(out) {
    register_page_classes();
    shown_ = host.messages().size();
    dialog_ = host.open_property_pages(resizer);
    form_ = resizer->parent();
    report_messages();
}

DesignRun::~DesignRun() {
    if (dialog_ && dialog_->is_open()) dialog_->cancel();
}

void DesignRun::run(const DesignAction& a) {
    line_ = a.line;
    if (!dialog_->is_open()) fail("the end of the script after ok or cancel", a.text);
    perform(a);
    report_messages();
}

void DesignRun::fail(const std::string& expected, const std::string& found) const {
    throw ScriptError(script_ + ":" + std::to_string(line_) + ": expected " + expected +
                      ", found '" + found + "'");
}

mem::MemoryPropertyPage& DesignRun::page() {
    return *dialog_->active_page();
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
            work(dialog_->select_page(a.text), "a page of the dialog", a.text);
            break;
        case K::Click:
            page().click(shadow(a.text));
            break;
        case K::DblClick:
            page().dbl_click(shadow(a.text));
            break;
        case K::Focus:
            page().focus(shadow(a.text));
            break;
        case K::ClickForm:
            page().click(control("picShadowForm", "the shadow form"));
            break;
        case K::Key:
            page().press_key(a.number);
            break;
        case K::Choice:
            work(page().click(
                     control("optMove(" + std::to_string(a.number) + ")", "the anchoring choices")),
                 "a choice offered for the selected control", std::to_string(a.number));
            break;
        case K::Font:
            page().click(control("optFont(" + std::to_string(a.number) + ")", "the font"));
            break;
        case K::Tick:
        case K::Untick: {
            auto box = control("chk" + a.text, "the check box");
            const bool want = a.kind == K::Tick;
            if ((to_double(box->get("Value")) == 1) != want)
                work(page().click(box), "an enabled check box", a.text);
            break;
        }
        case K::View:
            page().click(
                control("optColorView(" + std::to_string(a.number) + ")", "the colour views"));
            break;
        case K::Drag:
            page().drag(control("picSizeHandle", "the size handle"), a.dx, a.dy, 4);
            break;
        case K::Container: {
            auto combo = control("cboContainers", "the containers");
            page().click_entry(combo, entry(combo, a.text, "a split panel container"));
            break;
        }
        case K::Select: {
            auto list = control(a.text == "free" ? "lstChilds" : "lstPaned", "the lists");
            for (const auto& key : a.items) {
                const int i = entry(list, key, "an entry of the " + a.text + " list");
                if (!to_bool(list->get_item("Selected", i))) page().click_entry(list, i);
            }
            break;
        }
        case K::Add:
        case K::Remove: {
            const char* button = a.kind == K::Add ? "cmdAdd" : "cmdRemove";
            work(page().click(control(button, "the > and < buttons")),
                 "an enabled button (select entries first)", a.kind == K::Add ? ">" : "<");
            break;
        }
        case K::Apply:
            applied_ = dialog_->apply() || applied_;
            break;
        case K::Ok:
            applied_ = dialog_->apply_enabled() || applied_;
            dialog_->ok();
            break;
        case K::Cancel:
            dialog_->cancel();
            break;
        case K::Code: {
            const size_t opened = host_.opened_documents().size();
            work(page().click(control("cmdGetCode", "the Get VB Code button")),
                 "an enabled Get VB Code button", a.text);
            report_messages();
            if (host_.opened_documents().size() > opened)
                out_ << "code written to " << host_.opened_documents().back() << "\n";
            break;
        }
        case K::Picture: {
            std::string error;
            if (!render_picture(take_snapshot(page()), host_.twips_per_pixel_x(), a.text, error,
                                page().caption()))
                fail("a picture file that can be written", a.text);
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
