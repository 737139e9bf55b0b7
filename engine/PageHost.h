#pragma once
// The host's design-time and desktop services: the property-pages dialog, opening a document
// with the desktop's viewer, starting a program, and the temporary folder with a private file
// in it. Reached through Host::page_host(); a host without them raises error 438 there.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/HostObject.h"
#include "engine/UserControl.h"

namespace kv {

// The about box: a title, its text (lines separated by CR LF), OK, and a "&System Info..."
// button that calls `system_info`.
struct AboutBox {
    std::string title;
    std::string text;
    std::function<void()> system_info;
};

// The language the code page writes a set-up in: the forms runtime's, for the form's load
// event, or C++ for kelvane::Resizer (a form designed in Qt Designer).
enum class CodeLanguage { Forms, Cpp };

// A copy of a form open in the designer that behaves as the form will at run time, for a
// preview: the form and its controls with their properties and geometry as they stand, user
// controls made anew from their persisted properties. It is never shown and is not one of the
// host's forms; when the copy goes, so does the form (its user controls terminated).
class FormCopy {
  public:
    virtual ~FormCopy() = default;
    virtual ObjectRef form() = 0;
    // The system's own object behind a copied user control's extender (nullptr for others).
    virtual std::shared_ptr<UserControl> user_control(const ObjectRef& extender) = 0;
    // The copy of one of the original form's controls, without a look-up by its name (nullptr
    // when the host cannot tell: the caller then finds it by its key).
    virtual ObjectRef twin(const HostObject& /*original*/) { return nullptr; }
    // The copy's objects (the form among them) whose place or properties changed since the
    // last call, so that a preview follows only those; nullopt when everything is to be looked
    // at: the first call, a control added or removed, a host that does not keep track.
    virtual std::optional<std::vector<ObjectRef>> changed() { return std::nullopt; }
};

class PageHost {
  public:
    virtual ~PageHost() = default;

    // Open the property-pages dialog on a control placed on a form in the designer: one page
    // per class id the control names (UserControl::property_pages), in that order, with OK,
    // Cancel and Apply. Apply writes through the control; the form then needs saving.
    virtual void show_property_pages(const ObjectRef& control) = 0;

    // Open a document (a help page, a generated file) with the desktop's viewer for it.
    // Error 53 ("File not found") when there is no such file.
    virtual void open_document(const std::string& path) = 0;

    // Start a program by its argument vector (argv[0] is looked up in the program path); no
    // shell is involved. Does not wait. False when the program could not be started.
    virtual bool start_program(const std::vector<std::string>& argv) = 0;

    // The folder for temporary files, as the system names it (it may or may not end in "/").
    virtual std::string temp_folder() = 0;

    // Create or truncate `path` and write `content`: a symbolic link is not followed, and an
    // existing file that is not a regular file of the current user is refused (error 75,
    // "Path/File access error"); error 75 also when the file cannot be written.
    virtual void write_private_file(const std::string& path, const std::string& content) = 0;

    // The language of the code page (the forms runtime's unless the host designs Qt forms).
    virtual CodeLanguage code_language() { return CodeLanguage::Forms; }

    // A run-time copy of `form` (FormCopy above). The default raises error 438: no copies.
    virtual std::unique_ptr<FormCopy> copy_form(const ObjectRef& form);

    // The folder of the help pages that ship with the product ("" when they are not installed).
    virtual std::string help_folder() = 0;

    // Show the about box (modal: returns when it is closed).
    virtual void show_about(const AboutBox& box) = 0;
    // What the system says of itself, for an about box where the desktop has no
    // system-information tool: "name: value" lines separated by CR LF.
    virtual std::string system_facts() = 0;
};

}  // namespace kv
