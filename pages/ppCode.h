#pragma once
// The code page ("Code"): turns the set-up being edited on the other pages into source for the
// form's load event, written to KelvaneCode.tmp in the temporary folder and opened in the
// desktop's viewer. It never changes the control.
#include <memory>
#include <string>
#include <vector>

#include "engine/HostObject.h"
#include "engine/PageHost.h"
#include "engine/PropertyPage.h"

namespace kv {

// The file the generated code is shown in, in the host's temporary folder (C++ in its own, so
// that the desktop opens it as source).
inline constexpr const char* kCodeFileName = "KelvaneCode.tmp";
inline constexpr const char* kCppCodeFileName = "KelvaneCode.cpp";
// The help context of the page.
inline constexpr int kHelpContextCode = 1000;

// Write `code` and one more CR LF to KelvaneCode.tmp in the host's temporary folder (a "/" is
// added when the folder does not end in one), open it in the desktop's viewer, and answer its
// path; C++ goes to KelvaneCode.cpp with one more LF. Host errors (no temporary folder, a file
// that is not ours) reach the caller.
std::string show_code_file(const std::string& code, CodeLanguage language = CodeLanguage::Forms);

class ppCode : public PropertyPage {
  public:
    ppCode();
    ~ppCode() override;

    void PropertyPage_Initialize(PageSite& site) override;
    void PropertyPage_SelectionChanged() override;
    void PropertyPage_ApplyChanges() override {}
    void PropertyPage_Terminate() override;

    void cmdGetCode_Click();
    void PropertyPage_KeyDown(int key_code, int shift);

  private:
    class Sink;
    PageSite* site_ = nullptr;
    ObjectRef page_;
    ObjectRef target_form_;
    std::string resizer_name_;
    bool attached_ = false;
    std::vector<std::unique_ptr<Sink>> sinks_;
};

// Registers the page class under its id (kPageCodeClassId).
void register_ppCode();

}  // namespace kv
