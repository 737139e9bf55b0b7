// The Qt Designer form reader with its loader: the input is a .ui. The form is loaded, shown,
// resized, minimised and restored, closed, and its resizer saved back into the file. Refusals
// (UiError, the host's numbered errors, usage errors) are answers, not faults.
#include <fstream>

#include "engine/Error.h"
#include "fuzz/FormSteps.h"
#include "fuzz/FuzzInput.h"
#include "harness/FormFile.h"
#include "harness/Session.h"
#include "harness/UsageError.h"
#include "host/frm/FrmError.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryPropertyBag.h"

using namespace kv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::scratch_dir() + "/F.ui";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    try {
        app::FormFile file(path, "");
        app::Session session("");
        auto& loaded = session.load(file);
        fuzz::show_and_resize(session);
        if (loaded.resizer) file.save_resizer(loaded.resizer->write_properties()->entries());
        session.close();
    } catch (const frm::FrmError&) {
    } catch (const Error&) {
    } catch (const app::UsageError&) {
    }
    return 0;
}
