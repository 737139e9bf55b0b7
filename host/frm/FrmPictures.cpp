#include "host/frm/FrmPictures.h"

#include "engine/HostAccess.h"
#include "host/memory/MemoryHost.h"

namespace kv::frm {

namespace {

bool on(const FrmBlock& b, const char* name) {
    const auto* p = b.find(name);
    if (!p) return false;
    if (p->kind == FrmValueKind::Number || p->kind == FrmValueKind::Hex) return p->number != 0;
    return p->kind == FrmValueKind::Bare && same_name(p->text, "True");
}

}  // namespace

bool FrmPictures::is_picture(const std::string& name) {
    static const char* names[] = {"Picture",  "Icon",      "DownPicture", "DisabledPicture",
                                  "DragIcon", "MouseIcon", "TabPicture"};
    for (const char* n : names) {
        if (same_name(name, n)) return true;
    }
    // TabPicture(0), TabPicture(1), ...
    const std::string tab = "TabPicture(";
    return name.size() > tab.size() + 1 && same_name(name.substr(0, tab.size()), tab) &&
           name.back() == ')';
}

void FrmPictures::load(const FrmDocument& doc, const FrmBlock& block, mem::MemoryObject& obj,
                       std::vector<FrmNote>& notes) {
    // Controls of other libraries keep their own properties their own way; of theirs only a
    // tab's picture and an image list's images are shown.
    const bool own = block.is_vb_class();
    for (const auto& p : block.properties) {
        if (p.kind != FrmValueKind::FrxRef || !is_picture(p.name)) continue;
        if (!own && !same_name(p.name.substr(0, 10), "TabPicture")) continue;
        auto pic = read(doc, p, control_key(obj) + "." + p.name, notes);
        if (!pic) continue;
        if (same_name(p.name, "Picture")) fit(block, obj, *pic);
        obj.set_picture(p.name, std::make_shared<const host::Picture>(std::move(*pic)));
    }
    // ListImages(1), ListImages(2), ...: what a toolbar's buttons show by index or key.
    const FrmGroup* images = own ? nullptr : block.find_group("Images");
    for (size_t i = 0; images && i < images->groups.size(); ++i) {
        const auto* p = images->groups[i].find("Picture");
        if (!p || p->kind != FrmValueKind::FrxRef) continue;
        const std::string name = "ListImages(" + std::to_string(i + 1) + ")";
        if (auto pic = read(doc, *p, control_key(obj) + "." + name + ".Picture", notes))
            obj.set_picture(name, std::make_shared<const host::Picture>(std::move(*pic)));
    }
}

std::optional<host::Picture> FrmPictures::read(const FrmDocument& doc, const FrmProperty& p,
                                               const std::string& what,
                                               std::vector<FrmNote>& notes) {
    auto pic = doc.frx_picture(p);
    if (pic && !pic->damage.empty()) {
        notes.push_back({p.line + 1, what,
                         std::string("the ") + host::format_name(pic->format) + " picture in " +
                             p.frx_name + " is damaged (" + pic->damage + "): it is left out"});
        return std::nullopt;
    }
    return pic;
}

void FrmPictures::fit(const FrmBlock& block, mem::MemoryObject& obj, const host::Picture& pic) {
    if (!pic.has_size() || obj.is_form()) return;
    const bool box = obj.class_name() == "PictureBox" && on(block, "AutoSize");
    const bool image = obj.class_name() == "Image" && !on(block, "Stretch");
    if (!box && !image) return;
    const auto host = obj.host();
    const double tx = host->twips_per_pixel_x(), ty = host->twips_per_pixel_y();
    auto r = obj.rect_twips();
    // What the control adds around its picture: a picture box its border, an image with a
    // border one pixel on each side.
    double extra_x = 0, extra_y = 0;
    if (box) {
        extra_x = r.width - obj.client_width_twips();
        extra_y = r.height - obj.client_height_twips();
    } else if (const auto* border = block.find("BorderStyle"); border && border->number == 1) {
        extra_x = 2 * tx;
        extra_y = 2 * ty;
    }
    r.width = pic.width * tx + extra_x;
    r.height = pic.height * ty + extra_y;
    obj.set_rect_twips(r);
}

}  // namespace kv::frm
