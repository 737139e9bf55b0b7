#pragma once
// A form as the tool opens it: a form file (.frm, with its .frx) or a Qt Designer form (.ui)
// that holds a kelvane::ResizerWidget, told apart by the file's extension. Read once, then
// loaded into a host: the .ui as the Qt host adopts the same form once it is shown, so that both
// kinds take the same steps and give the same JSON.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Value.h"
#include "harness/LoadNote.h"
#include "harness/SettingsPlaces.h"
#include "host/frm/FrmDocument.h"
#include "host/frm/FrmLoader.h"
#include "host/memory/MemoryHost.h"
#include "host/ui/UiDocument.h"
#include "host/ui/UiLoader.h"

namespace kv::app {

class FormFile {
  public:
    // FrmError (UiError for a .ui) at FILE:LINE when the file cannot be read.
    FormFile(const std::string& path, const std::string& codepage);
    ~FormFile();
    FormFile(const FormFile&) = delete;
    FormFile& operator=(const FormFile&) = delete;

    bool is_ui() const { return ui_ != nullptr; }
    const std::string& path() const { return path_; }
    // The form file's document; nullptr for a .ui.
    const frm::FrmDocument* frm() const { return frm_.get(); }
    // The files of the form, which a picture the tool writes must never replace.
    std::vector<std::string> own_files() const;

    // Builds the form in `host` (no events yet). The document stays with this object, which
    // must outlive the form's load.
    frm::LoadedForm load(mem::MemoryHost& host);

    // The resizer's settings texts as the resizer reads them; nullopt when the form has no
    // resizer. For a .ui, after load().
    struct Settings {
        std::string control, panes;
    };
    std::optional<Settings> settings() const;
    // Where the resizer's property of that name (ControlSettings, PaneSettings) stands, as
    // "FILE:LINE", so that what is said of its text can be found in the file; "FILE" when the
    // file has no such line. For a .ui, after load().
    std::string settings_place(const std::string& property) const;
    // The place of the settings property a message box of the resizer is about ("" when it is
    // about none of them).
    std::string message_place(const std::string& message) const;
    // Those places, kept for after the file's document is gone. For a .ui, after load().
    SettingsPlaces places() const;
    // Saves the resizer control's persisted properties into the file, changing nothing else
    // (a form without a resizer gets one). Refused (FrmError, nothing written) when another
    // program changed the file since it was read; later saves start from this one.
    void save_resizer(const std::vector<std::pair<std::string, Value>>& entries);

    // What loading noted, at its line: of a .ui its widgets (classes kept as containers or plain
    // controls), size limits and pictures it could not take, of a form file the texts, lists and
    // pictures its .frx could not give and classes the runtime does not have; after load().
    std::vector<LoadNote> notes() const;
    // Why a settings key that names no control names none, when the key is the name of a widget
    // of the .ui that is no control of that name ("" otherwise); after load().
    std::string why_no_control(const std::string& key) const;
    // A size limit of the resizer control (MinWidth etc., outer twips) as the file keeps it:
    // twips in a form file, pixels of the window's inside in a .ui; after load().
    long long limit_in_file(const std::string& name, int32_t twips) const;

  private:
    std::string path_;
    std::string codepage_;
    std::unique_ptr<frm::FrmDocument> frm_;
    std::unique_ptr<ui::UiDocument> ui_;
    std::optional<ui::UiLoadedForm> ui_loaded_;
    std::vector<frm::FrmNote> frm_notes_;        // what loading the form file passed over
    const ui::UiElement* ui_resizer_ = nullptr;  // in *ui_, kept across saves
};

// True for a path that names a Qt Designer form (.ui, any case).
bool is_ui_path(const std::string& path);

}  // namespace kv::app
