// The form-file reader with its loader: the input is a .frm, then after a NUL byte its .frx.
// The form is loaded (its .frx pictures read and decoded), shown, resized, minimised and
// restored (its bars' items placed as pictures place them), closed, and its resizer saved (in
// memory). Refusals (FrmError, the host's numbered errors, usage errors) are answers, not faults.
#include <cstdio>
#include <fstream>

#include "engine/Error.h"
#include "fuzz/FormSteps.h"
#include "fuzz/FuzzInput.h"
#include "harness/Session.h"
#include "harness/UsageError.h"
#include "host/common/BarDrawing.h"
#include "host/common/PictureImage.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmReader.h"
#include "host/frm/FrmWriter.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryPropertyBag.h"

using namespace kv;

namespace {

// The .frx picture records the loader read, decoded to pixels as render and run decode them.
void decode_pictures(mem::MemoryForm& form) {
    std::vector<mem::MemoryObject*> objects{&form};
    for (const auto& c : form.all_controls()) objects.push_back(c.get());
    for (auto* o : objects)
        for (const auto& [name, picture] : o->pictures()) host::picture_images(*picture);
}

// The bars of the common controls as render and run read them: their items placed, a toolbar's
// pictures found and decoded.
void place_bars(app::Session& session) {
    for (const auto& c : session.snapshot().controls) {
        if (c.status_bar)
            c.status_bar->place(c.abs_width / 15, 15, [](const std::string& s) {
                return 7.0 * static_cast<double>(s.size());
            });
        if (c.tool_bar) {
            c.tool_bar->place(15);
            host::tool_bar_images(*c.tool_bar);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fuzz::split_at_nul(data, size, 2);
    const std::string dir = fuzz::scratch_dir();
    const std::string frx = dir + "/F.frx";
    if (parts.size() > 1) {
        std::ofstream(frx, std::ios::binary | std::ios::trunc) << parts[1];
    } else {
        std::remove(frx.c_str());
    }
    try {
        const auto doc = frm::FrmReader::read_bytes(parts[0], dir + "/F.frm");
        app::Session session("");
        auto& loaded = session.load(doc);
        decode_pictures(*loaded.form);
        fuzz::show_and_resize(session);
        place_bars(session);
        if (loaded.resizer)
            frm::FrmWriter::save_resizer(doc, loaded.resizer->write_properties()->entries());
        session.close();
    } catch (const frm::FrmError&) {
    } catch (const Error&) {
    } catch (const app::UsageError&) {
    }
    return 0;
}
