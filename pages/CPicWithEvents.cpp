#include "pages/CPicWithEvents.h"

#include "engine/HostAccess.h"
#include "pages/MResizerPropPages.h"

namespace kv {

CPicWithEvents::CPicWithEvents(const ObjectRef& picture, ShadowOwner& owner)
    : picture_(picture), owner_(&owner), connection_(picture->hook_events(*this)) {}

// Class_Terminate: the picture and the page are let go.
CPicWithEvents::~CPicWithEvents() {
    connection_.reset();
    picture_.reset();
    owner_ = nullptr;
}

std::string CPicWithEvents::name() {
    return text(*picture_, Prop::Name);
}

void CPicWithEvents::on_click() {
    page_event("Pic_Click", [&] { owner_->shadow_Clicked(name()); });
}

void CPicWithEvents::on_dbl_click() {
    page_event("Pic_DblClick", [&] { owner_->shadow_DblClicked(name()); });
}

void CPicWithEvents::on_got_focus() {
    page_event("Pic_GotFocus", [&] {
        owner_->Msg("got it\r\n" + text(*picture_, Prop::TabIndex) + "\r\n" +
                    (flag(*picture_, Prop::TabStop) ? "True" : "False"));
        owner_->save_prev_clr();
        owner_->shadow_GotFocus(name());
    });
}

void CPicWithEvents::on_lost_focus() {
    page_event("Pic_LostFocus", [&] { owner_->shadow_LostFocus(name()); });
}

}  // namespace kv
