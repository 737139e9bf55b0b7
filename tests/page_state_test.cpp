// The pages' shared edit state: filled from the control, the change test, the apply operations,
// and the page error report.
#include <gtest/gtest.h>

#include "control/zokKelvane.h"
#include "host/memory/MemoryHost.h"
#include "pages/MResizerPropPages.h"

namespace kv {
namespace {

struct StateRig {
    std::shared_ptr<mem::MemoryHost> host = mem::MemoryHost::install();
    std::shared_ptr<mem::MemoryForm> form;
    zokKelvane* control = nullptr;

    StateRig() {
        host->register_user_control(kZokKelvaneClassId, make_zokKelvane);
        host->set_user_mode(false);
        form = host->create_form("Form1");
        auto ext = form->add_user_control(kZokKelvaneClassId, "zokKelvane1");
        control = &dynamic_cast<zokKelvane&>(*ext->user_control());
        control->ControlSettings("Text1 \tKKAAK");
        control->PaneSettings("List1 List2");
        page_state_detach();
        page_state_attach(*control);
    }
    ~StateRig() { page_state_detach(); }
};

TEST(PageState, EachEditedFieldCountsAsAChangeAndApplyMakesItStored) {
    struct Case {
        const char* what;
        void (*edit)(PageEditState&);
    } cases[] = {
        {"controls", [](PageEditState& s) { s.edited_control_settings += "\r\nText2 \tRRRRK"; }},
        {"panes", [](PageEditState& s) { s.edited_pane_settings = "List1 List3"; }},
        {"add all", [](PageEditState& s) { s.edited_add_all = !s.edited_add_all; }},
        {"fonts", [](PageEditState& s) { s.edited_add_all_fonts = !s.edited_add_all_fonts; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StateRig rig;
        EXPECT_EQ(page_state().stored_control_settings, "Text1 \tKKAAK");
        EXPECT_FALSE(page_state_changed());
        c.edit(page_state());
        EXPECT_TRUE(page_state_changed());
        apply_controls(*rig.control);
        apply_panes(*rig.control);
        EXPECT_FALSE(page_state_changed());
        EXPECT_EQ(rig.control->ControlSettings(), page_state().edited_control_settings);
        EXPECT_EQ(rig.control->PaneSettings(), page_state().edited_pane_settings);
        EXPECT_EQ(rig.control->AddAllControls(), page_state().edited_add_all);
        EXPECT_EQ(rig.control->AddAllFontsButtons(), page_state().edited_add_all_fonts);
    }
}

TEST(PageState, AStateLeftByAnotherDialogIsNotCarriedOver) {
    {
        StateRig rig;
        page_state().edited_pane_settings = "stale";
    }
    StateRig again;
    EXPECT_EQ(page_state().edited_pane_settings, "List1 List2");
}

TEST(PageErrorReport, AsksToGoToTheSupportPage) {
    StateRig rig;
    rig.host->push_answer(kNo);
    rig.host->push_answer(kYes);
    page_event("cmdAdd_Click", [] { throw Error::standard(kErrSubscript); });
    page_event("cmdAdd_Click", [] { throw Error(5, "Invalid procedure call or argument"); });
    ASSERT_EQ(rig.host->messages().size(), 2u);
    EXPECT_EQ(rig.host->messages()[0].text,
              "Error in property page at cmdAdd_Click\r\n\r\nSubscript out of range (9)\r\n\r\n"
              "Please go to the support page and submit this problem if it is not known. Do you "
              "want to go to the support page now?");
    EXPECT_EQ(rig.host->messages()[0].style, kYesNo + kCritical);
    EXPECT_EQ(rig.host->messages()[0].title, "");
    EXPECT_EQ(rig.host->opened_urls(), std::vector<std::string>{kSupportPage});
}

}  // namespace
}  // namespace kv
