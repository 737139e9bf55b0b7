// The settings strings applied to a loaded form: the input is the ControlSettings text, then
// after a NUL byte the PaneSettings text. They are given to the resizer of the demo form before
// it is shown; the form is then resized, a divider dragged, minimised, restored and closed. The
// resizer reports bad set-ups in message boxes; nothing may crash or hang.
#include "control/zokKelvane.h"
#include "engine/Error.h"
#include "fuzz/FuzzInput.h"
#include "harness/DemoForm.h"
#include "harness/Session.h"
#include "host/frm/FrmReader.h"
#include "host/frm/FrmWriter.h"

using namespace kv;

namespace {

const frm::FrmDocument& demo_form() {
    static const frm::FrmDocument doc = [] {
        const auto bare = frm::FrmReader::read_bytes(app::demo_form_text(), "frmMail.frm");
        return frm::FrmReader::read_bytes(frm::FrmWriter::add_resizer_block(bare, "zk"),
                                          "frmMail.frm");
    }();
    return doc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fuzz::split_at_nul(data, size, 2);
    app::Session session("");
    auto& loaded = session.load(demo_form());
    auto control = std::dynamic_pointer_cast<zokKelvane>(loaded.resizer->user_control());
    control->ControlSettings(parts[0]);
    control->PaneSettings(parts.size() > 1 ? parts[1] : std::string());
    try {
        session.show();
        app::Step step;
        step.width = 11000;
        step.height = 8000;
        session.apply(step);
        step.kind = app::Step::Drag;
        step.x = 2460;
        step.y = 2000;
        step.x2 = 9400;
        step.y2 = 2000;
        session.apply(step);
        step.kind = app::Step::State;
        for (int state : {1, 0}) {
            step.state = state;
            session.apply(step);
        }
        session.close();
    } catch (const Error&) {
        // A numbered error the host raises outside the resizer's own traps.
    }
    return 0;
}
