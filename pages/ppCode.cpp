#include "pages/ppCode.h"

#include <functional>
#include <optional>
#include <string_view>

#include "control/zokKelvane.h"
#include "engine/Error.h"
#include "engine/Host.h"
#include "pages/CodeGenerator.h"
#include "pages/CppCodeGenerator.h"
#include "pages/HelpLauncher.h"
#include "pages/MResizerPropPages.h"

namespace kv {

namespace {

constexpr int kKeyF1 = 112;

// The page's controls, laid out in twips on the page.
struct Item {
    const char* cls;
    const char* name;
    const char* caption;
    double left, top, width, height;
};
constexpr Item kLayout[] = {
    {"VB.Label", "lblInfo",
     "Here you can generate VB code for the current resize and pane info you have set up.", 240,
     240, 5520, 480},
    {"VB.Label", "lblNoNeed",
     "Note: You do not normally need to do this! This is just given as an example if you prefer "
     "using code for setting up resizing and panes.",
     240, 900, 5520, 720},
    {"VB.CommandButton", "cmdGetCode", "Get VB &Code", 240, 1860, 1800, 420},
};

// The page's texts for C++ (a form designed in Qt Designer) where they differ.
const char* cpp_caption(const char* name) {
    const std::string_view n = name;
    if (n == "lblInfo")
        return "Here you can generate C++ code for the current resize and pane info you have set "
               "up.";
    if (n == "cmdGetCode") return "Get C++ &Code";
    return nullptr;
}

bool writes_cpp() {
    return Host::current().page_host().code_language() == CodeLanguage::Cpp;
}

}  // namespace

// Hands one object's events to the page.
class ppCode::Sink : public EventSink {
  public:
    Sink(const ObjectRef& object, std::function<void()> click,
         std::function<void(int, int)> key_down)
        : click_(std::move(click)),
          key_down_(std::move(key_down)),
          connection_(object->hook_events(*this)) {}
    void on_click() override {
        if (click_) click_();
    }
    void on_key_down(int key_code, int shift) override {
        if (key_down_) key_down_(key_code, shift);
    }

  private:
    std::function<void()> click_;
    std::function<void(int, int)> key_down_;
    std::unique_ptr<EventConnection> connection_;
};

std::string show_code_file(const std::string& code, CodeLanguage language) {
    PageHost& pages = Host::current().page_host();
    std::string folder = pages.temp_folder();
    if (folder.empty()) throw Error(76, "Path not found");
    if (folder.back() != '/') folder += '/';
    const bool cpp = language == CodeLanguage::Cpp;
    const std::string path = folder + (cpp ? kCppCodeFileName : kCodeFileName);
    pages.write_private_file(path, code + (cpp ? "\n" : "\r\n"));
    pages.open_document(path);
    return path;
}

ppCode::ppCode() = default;

ppCode::~ppCode() {
    sinks_.clear();
    if (attached_) page_state_detach();
}

void ppCode::PropertyPage_Initialize(PageSite& site) {
    page_event("PropertyPage_Initialize", [&] {
        site_ = &site;
        page_ = site.page();
        page_->set(Prop::Caption, std::string("Code"));
        page_->set("KeyPreview", true);
        auto controls = page_->controls();
        const bool cpp = writes_cpp();
        for (const Item& item : kLayout) {
            ObjectRef c = controls->add(item.cls, item.name);
            const char* caption =
                cpp && cpp_caption(item.name) ? cpp_caption(item.name) : item.caption;
            c->set(Prop::Caption, std::string(caption));
            c->move(item.left, item.top, item.width, item.height);
            c->set(Prop::Visible, true);
        }
        sinks_.push_back(std::make_unique<Sink>(
            page_, nullptr, [this](int key, int shift) { PropertyPage_KeyDown(key, shift); }));
        sinks_.push_back(std::make_unique<Sink>(
            controls->find("cmdGetCode"), [this] { cmdGetCode_Click(); }, nullptr));
    });
}

void ppCode::PropertyPage_SelectionChanged() {
    page_event("PropertyPage_SelectionChanged", [&] {
        const auto selected = site_->selected_controls();
        if (selected.empty()) throw Error::standard(kErrObjectNotSet);
        auto* control = dynamic_cast<zokKelvane*>(selected.front().get());
        if (!control) throw Error::standard(kErrTypeMismatch);
        target_form_ = control->MyParentPP();
        resizer_name_ = control->MyNamePP();
        page_state_attach(*control);
        attached_ = true;
    });
}

void ppCode::PropertyPage_Terminate() {
    page_event("PropertyPage_Terminate", [&] {
        sinks_.clear();
        if (attached_) page_state_detach();
        attached_ = false;
    });
}

void ppCode::cmdGetCode_Click() {
    page_event("cmdGetCode_Click", [&] {
        if (!target_form_) throw Error::standard(kErrObjectNotSet);
        const PageEditState& state = page_state();
        const CodeLanguage language = Host::current().page_host().code_language();
        std::optional<std::string> code;
        if (language == CodeLanguage::Cpp)
            code = CppCodeGenerator(target_form_, resizer_name_)
                       .generate(state.edited_control_settings, state.edited_pane_settings);
        else
            code = CodeGenerator(target_form_, resizer_name_)
                       .generate(state.edited_control_settings, state.edited_pane_settings);
        if (!code) {
            Host::current().msg_box("Can't generate any code because nothing has been set up",
                                    kOKOnly + kInformation, "");
            return;
        }
        show_code_file(*code, language);
    });
}

void ppCode::PropertyPage_KeyDown(int key_code, int /*shift*/) {
    page_event("PropertyPage_KeyDown", [&] {
        if (key_code == kKeyF1) show_help(kHelpContextCode);
    });
}

void register_ppCode() {
    register_property_page(kPageCodeClassId, [] { return std::make_shared<ppCode>(); });
}

}  // namespace kv
