#include "host/frm/FrmLoader.h"

#include <cctype>

#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "engine/TextCase.h"
#include "host/common/ClassTraits.h"
#include "host/common/NamedValues.h"
#include "host/common/RtfText.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmPictures.h"
#include "host/frm/FrmValueCheck.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryPropertyBag.h"

namespace kv::frm {

namespace {

// Properties the loader places itself (geometry, identity) rather than storing as they stand.
bool is_placed(const std::string& name) {
    static const char* names[] = {"Left",        "Top",          "Width",      "Height",
                                  "X1",          "Y1",           "X2",         "Y2",
                                  "Index",       "Name",         "ClientLeft", "ClientTop",
                                  "ClientWidth", "ClientHeight", "ScaleLeft",  "ScaleTop",
                                  "ScaleWidth",  "ScaleHeight",  "MDIChild",   "WindowState"};
    for (const char* n : names)
        if (same_name(n, name)) return true;
    return false;
}

// Extender properties of a user control: the form's, not the control's bag.
bool is_extender(const std::string& name) {
    static const char* names[] = {
        "Left",     "Top",      "Width",         "Height",          "TabIndex",        "TabStop",
        "Visible",  "Index",    "Tag",           "ToolTipText",     "Align",           "Enabled",
        "DragMode", "DragIcon", "HelpContextID", "WhatsThisHelpID", "CausesValidation"};
    if (!name.empty() && name[0] == '_') return true;
    for (const char* n : names)
        if (same_name(n, name)) return true;
    return false;
}

// Texts of ordinary controls that may live in the .frx and that the system shows or uses (a
// flex grid's FormatString gives its headers).
bool is_used_text(const std::string& name) {
    return same_name(name, "Caption") || same_name(name, "Text") || same_name(name, "Tag") ||
           same_name(name, "ToolTipText") || same_name(name, "TextRTF") ||
           same_name(name, "FormatString");
}

double num_or(const FrmBlock& b, const char* name, double fallback) {
    const auto* p = b.find(name);
    if (p && (p->kind == FrmValueKind::Number || p->kind == FrmValueKind::Hex)) return p->number;
    return fallback;
}

// A control of another library as its block shows it: the designer writes no Width and Height
// for one that is invisible at run time, and nests the controls placed on one that holds them.
mem::ForeignClass foreign_of(const FrmBlock& b, mem::ForeignClass shape) {
    shape.invisible = !b.find("Width") && !b.find("Height");
    for (const auto& child : b.children) shape.container |= !child.is_class("VB.Menu");
    shape.invisible = shape.invisible && !shape.container;
    return shape;
}

// The runtime's default caption is the object's name; a caption the file omits is empty.
void clear_omitted_caption(mem::MemoryObject& obj, const FrmBlock& b) {
    if (obj.traits().caption && !b.find("Caption")) obj.set_raw("Caption", std::string());
}

void store(mem::MemoryObject& obj, const std::string& name, const Value& v) {
    try {
        obj.set_raw(name, v);
    } catch (const Error&) {
        // A value the host cannot hold stays in the file only.
    }
}

// Controls of the common libraries keep their items in property blocks (a tab strip's tabs, a
// toolbar's buttons, a status bar's panels, an image list's images); the host holds them by the
// names programs use: Tabs.Count, Tabs(1).Caption, Buttons(2).ToolTipText, Panels(1).Width, ...
// An item's "Object." properties (Object.Width, Object.ToolTipText) are its own properties.
struct ItemBlock {
    const char* group;   // the block in the file: "Tabs", "Buttons", "Panels", "Images"
    const char* count;   // its count line: "NumTabs", ...
    const char* prefix;  // the collection's name in the host: "Tabs", ..., "ListImages"
};
constexpr ItemBlock kItemBlocks[] = {{"Tabs", "NumTabs", "Tabs"},
                                     {"Buttons", "NumButtons", "Buttons"},
                                     {"Panels", "NumPanels", "Panels"},
                                     {"Images", "NumListImages", "ListImages"}};

// One item's properties as the host keeps them, under `at` ("Buttons(2).").
void store_item(const FrmDocument& doc, mem::MemoryObject& obj, const std::string& at,
                const FrmGroup& item) {
    for (const auto& p : item.properties) {
        std::string name = p.name;
        if (name.size() > 7 && same_name(name.substr(0, 7), "Object.")) name.erase(0, 7);
        if (auto v = FrmLoader::value_of(doc, p, false)) store(obj, at + name, *v);
    }
}

void store_item_blocks(const FrmDocument& doc, mem::MemoryObject& obj, const FrmBlock& b) {
    for (const ItemBlock& kind : kItemBlocks) {
        const auto* items = b.find_group(kind.group);
        if (!items) continue;
        int n = 0;
        for (const auto& item : items->groups)
            store_item(doc, obj, std::string(kind.prefix) + "(" + std::to_string(++n) + ").", item);
        const auto* count = items->find(kind.count);
        store(obj, std::string(kind.prefix) + ".Count",
              count && count->kind == FrmValueKind::Number ? count->number : n);
    }
    // A list view's column headers stand in the control's block itself, ColumnHeader(1), ...,
    // counted by its NumItems.
    int columns = 0;
    for (const auto& g : b.groups) {
        const std::string head = "ColumnHeader(";
        if (g.name.size() <= head.size() || !same_name(g.name.substr(0, head.size()), head))
            continue;
        store_item(doc, obj, "ColumnHeaders(" + std::to_string(++columns) + ").", g);
    }
    if (columns > 0) store(obj, "ColumnHeaders.Count", static_cast<double>(columns));
    // A data grid's columns, Column00, Column01, ...: their captions in the control's block, their
    // widths and alignment in its first split's; kept as Columns(0).Caption, ... (from 0, as
    // programs count them).
    const auto grid_columns = [&](const std::vector<FrmGroup>& groups) {
        for (const auto& g : groups)
            if (g.name.size() == 8 && same_name(g.name.substr(0, 6), "Column") &&
                std::isdigit(static_cast<unsigned char>(g.name[6])) &&
                std::isdigit(static_cast<unsigned char>(g.name[7])))
                store_item(doc, obj,
                           "Columns(" + std::to_string(std::stoi(g.name.substr(6))) + ").", g);
    };
    grid_columns(b.groups);
    if (const auto* split = b.find_group("Split0")) grid_columns(split->groups);
}

}  // namespace

std::optional<Value> FrmLoader::value_of(const FrmDocument& doc, const FrmProperty& p,
                                         bool read_frx) {
    switch (p.kind) {
        case FrmValueKind::Number:
        case FrmValueKind::Hex:
            return Value(p.number);
        case FrmValueKind::String:
        case FrmValueKind::Bare:
            return Value(p.text);
        case FrmValueKind::FrxRef:
            if (!read_frx) return std::nullopt;
            return Value(doc.decode(doc.frx_text(p)));
    }
    return std::nullopt;
}

LoadedForm FrmLoader::load(const FrmDocument& doc, mem::MemoryHost& host) {
    FrmValueCheck::check(doc);
    FrmLoader loader(doc, host);
    const FrmBlock& fb = doc.form;
    mem::FormKind kind = mem::FormKind::Form;
    if (fb.is_class("VB.MDIForm")) kind = mem::FormKind::MDIForm;
    if (num_or(fb, "MDIChild", 0) != 0) {
        kind = mem::FormKind::MDIChild;
        if (!host.mdi_form()) {
            auto parent = host.create_form("MDIForm1", mem::FormKind::MDIForm);
            parent->set_client_size(15360, 11520);
            parent->show();
        }
    }
    auto form = host.create_form(fb.name, kind);
    loader.result_.form = form;
    loader.result_.window_state = static_cast<int>(num_or(fb, "WindowState", 0));
    loader.set_properties(*form, fb);
    FrmPictures::load(doc, fb, *form, loader.result_.notes);
    clear_omitted_caption(*form, fb);
    const double cw = num_or(fb, "ClientWidth", 4680), ch = num_or(fb, "ClientHeight", 3195);
    form->set_client_size(cw, ch);
    loader.add_children(fb, form);
    // Again, now that a menu bar may be known; then place the outer frame around the client.
    form->set_client_size(cw, ch);
    const auto r = form->rect_twips();
    const double border = (r.width - cw) / 2;
    mem::RectTwips placed = r;
    placed.left = num_or(fb, "ClientLeft", border) - border;
    placed.top = num_or(fb, "ClientTop", r.height - ch - border) - (r.height - ch - border);
    form->set_rect_twips(placed);
    loader.set_user_scale(*form, fb);
    return loader.result_;
}

void FrmLoader::set_properties(mem::MemoryObject& obj, const FrmBlock& block) {
    const FrmProperty* list = nullptr;
    for (const auto& p : block.properties) {
        if (is_placed(p.name)) continue;
        if (p.kind == FrmValueKind::FrxRef && same_name(p.name, "List")) {
            list = &p;
            continue;
        }
        const bool frx = p.kind == FrmValueKind::FrxRef && is_used_text(p.name);
        if (p.kind == FrmValueKind::FrxRef && !frx) continue;
        // A caption the .frx cannot give is left empty, not fatal.
        const auto v = frx ? frx_text_or_note(obj, p) : value_of(doc_, p, false);
        if (v) store(obj, p.name, *v);
    }
    // After Sorted, which the designer writes after List.
    if (list) load_list(obj, *list);
    if (const auto* font = block.find_group("Font")) set_font(obj, *font);
}

namespace {

// Why a .frx gives nothing at all: "" when it is there to read.
std::string frx_unusable(const FrxFile& frx, const std::string& name) {
    if (!frx.error().empty()) return name + ", which cannot be read (" + frx.error() + ")";
    if (!frx.exists_on_disk()) return name + ", which is missing";
    return "";
}

}  // namespace

void FrmLoader::note(mem::MemoryObject& obj, const FrmProperty& p, const std::string& what) {
    result_.notes.push_back({p.line + 1, control_key(obj) + "." + p.name, what});
}

std::optional<Value> FrmLoader::frx_text_or_note(mem::MemoryObject& obj, const FrmProperty& p) {
    const FrxFile& frx = doc_.frx_file(p.frx_name);
    std::string why = frx_unusable(frx, p.frx_name);
    if (why.empty()) {
        try {
            return Value(doc_.decode(frx.read_text(p.frx_offset)));
        } catch (const FrmError& e) {
            why = p.frx_name + ", which holds no text there (" + e.reason() + ")";
        }
    }
    note(obj, p, "the text is in " + why + ": it is left empty");
    return std::nullopt;
}

// The entries typed into a list box or combo box in the designer, in the order it keeps them. A
// list the .frx cannot give leaves the control empty, as a caption it cannot give does.
void FrmLoader::load_list(mem::MemoryObject& obj, const FrmProperty& p) {
    if (!obj.list_items()) return;
    const FrxFile& frx = doc_.frx_file(p.frx_name);
    std::string why = frx_unusable(frx, p.frx_name);
    const auto items = why.empty() ? frx.read_list(p.frx_offset) : std::nullopt;
    if (!items) {
        if (why.empty()) why = p.frx_name + ", which holds no list there";
        note(obj, p, "the entries are in " + why + ": the list is empty");
        return;
    }
    for (const auto& item : *items) obj.add_item(doc_.decode(item));
}

void FrmLoader::set_font(mem::MemoryObject& obj, const FrmGroup& font) {
    static const std::pair<const char*, const char*> names[] = {
        {"Size", "FontSize"},           {"Name", "FontName"},
        {"Bold", "FontBold"},           {"Italic", "FontItalic"},
        {"Underline", "FontUnderline"}, {"Strikethrough", "FontStrikethru"},
        {"Weight", "FontWeight"},       {"Charset", "FontCharset"}};
    for (const auto& [in_file, in_host] : names) {
        const auto* p = font.find(in_file);
        if (!p) continue;
        if (auto v = value_of(doc_, *p, false)) store(obj, in_host, *v);
    }
    // The designer writes a bold font as its weight only; the runtime's font reads as bold
    // from a weight past the middle between normal (400) and bold (700).
    if (!font.find("Bold"))
        if (const auto* p = font.find("Weight"))
            if (auto v = value_of(doc_, *p, false)) {
                try {
                    store(obj, "FontBold", Value(to_double(*v) > 550));
                } catch (const Error&) {
                }
            }
}

void FrmLoader::set_geometry(mem::MemoryObject& obj, const FrmBlock& block) {
    switch (obj.traits().geometry) {
        case mem::GeometryKind::LineEnds:
            // Line ends are in the container's units in the file, as at run time.
            for (const char* n : {"X1", "Y1", "X2", "Y2"}) store(obj, n, num_or(block, n, 0));
            break;
        case mem::GeometryKind::PositionOnly:
            // Twips in the file, whatever the container (a frame or an MDI parent has no scale).
            obj.set_rect_twips({num_or(block, "Left", 0), num_or(block, "Top", 0), 0, 0});
            break;
        case mem::GeometryKind::Box: {
            // Left, Top, Width and Height are twips in the file whatever the container's scale.
            const auto cur = obj.rect_twips();
            mem::RectTwips r;
            r.left = num_or(block, "Left", cur.left);
            r.top = num_or(block, "Top", cur.top);
            r.width = num_or(block, "Width", cur.width);
            r.height = num_or(block, "Height", cur.height);
            obj.set_rect_twips(r);
            break;
        }
        case mem::GeometryKind::None:
            break;
    }
}

void FrmLoader::set_user_scale(mem::MemoryObject& obj, const FrmBlock& block) {
    // Only a user scale is stored; the other modes follow from the object's size.
    if (!obj.traits().scale || num_or(block, "ScaleMode", 1) != 0) return;
    for (const char* n : {"ScaleLeft", "ScaleTop", "ScaleWidth", "ScaleHeight"})
        if (block.find(n)) store(obj, n, num_or(block, n, 0));
}

void FrmLoader::add_children(const FrmBlock& block,
                             const std::shared_ptr<mem::MemoryObject>& container) {
    for (const auto& child : block.children) {
        // A control of the runtime's own that holds none (a button, a label): the file is
        // damaged, not a layout to guess at.
        if (block.is_vb_class() && !block.is_class("VB.Menu") && container &&
            !container->is_form() && !container->traits().container)
            throw FrmError(doc_.path, child.begin_line + 1,
                           "expected End to close 'Begin " + block.class_id + " " + block.name +
                               "' (line " + std::to_string(block.begin_line + 1) + "; a " +
                               container->class_name() + " holds no controls), found 'Begin " +
                               child.class_id + " " + child.name + "'");
        // Menus sit on the form or drop from another menu, and hold nothing but menus.
        const bool menu_in_menu = block.is_class("VB.Menu");
        if (child.is_class("VB.Menu") && &block != &doc_.form && !menu_in_menu)
            throw FrmError(doc_.path, child.begin_line + 1,
                           "expected End to close 'Begin " + block.class_id + " " + block.name +
                               "' (line " + std::to_string(block.begin_line + 1) +
                               "; a menu belongs to the form or to another menu), found 'Begin " +
                               child.class_id + " " + child.name + "'");
        if (menu_in_menu && !child.is_class("VB.Menu"))
            throw FrmError(doc_.path, child.begin_line + 1,
                           "expected a menu or End to close 'Begin " + block.class_id + " " +
                               block.name + "' (line " + std::to_string(block.begin_line + 1) +
                               "; a menu holds only menus), found 'Begin " + child.class_id + " " +
                               child.name + "'");
        try {
            add_child(child, container);
        } catch (const Error& e) {
            throw FrmError(doc_.path, child.begin_line + 1,
                           "the forms host refused " + child.class_id + " " + child.name +
                               ": error " + std::to_string(e.number()) + " (" + e.description() +
                               ")");
        }
    }
}

// The elements of a control array are copies of one control: a second class under the name is
// a damaged file (or two controls that lost their names).
void FrmLoader::check_array_class(const FrmBlock& child) {
    if (!child.index()) return;
    const auto [it, first] = arrays_.emplace(fold_case(child.name), &child);
    const FrmBlock& head = *it->second;
    if (first || same_name(head.class_id, child.class_id)) return;
    throw FrmError(doc_.path, child.begin_line + 1,
                   "expected a " + head.class_id + " as element " + std::to_string(*child.index()) +
                       " of the control array " + head.name + " (element " +
                       std::to_string(*head.index()) + " at line " +
                       std::to_string(head.begin_line + 1) +
                       " is one; an array's elements "
                       "share one class), found 'Begin " +
                       child.class_id + " " + child.name + "'");
}

void FrmLoader::add_child(const FrmBlock& child,
                          const std::shared_ptr<mem::MemoryObject>& container) {
    check_array_class(child);
    auto& form = *result_.form;
    {
        const bool is_menu = child.is_class("VB.Menu");
        // A control inside a control the host cannot hold children in (a tab strip of another
        // library) goes to the nearest container above it, keeping its file geometry.
        auto holder = container;
        while (holder && holder.get() != &form && !holder->traits().container)
            holder = holder->container_object();
        const auto in = is_menu || !holder || holder.get() == &form ? nullptr : holder;
        std::shared_ptr<mem::MemoryObject> obj;
        if (host_.has_user_control(child.class_id)) {
            mem::MemoryPropertyBag bag;
            for (const auto& p : child.properties) {
                if (is_extender(p.name)) continue;
                if (auto v = value_of(doc_, p, true)) bag.set(p.name, *v);
            }
            obj = form.add_user_control(child.class_id, child.name, in, &bag, child.index());
            if (child.is_class(kResizerClass) && !result_.resizer) result_.resizer = obj;
            // The extender's size is kept in HiMetric (_ExtentX/_ExtentY): 2540 per inch.
            const auto cur = obj->rect_twips();
            obj->set_rect_twips(
                {num_or(child, "Left", cur.left), num_or(child, "Top", cur.top),
                 num_or(child, "_ExtentX", cur.width * 2540 / 1440) * 1440 / 2540,
                 num_or(child, "_ExtentY", cur.height * 2540 / 1440) * 1440 / 2540});
        } else {
            // Classes of the VB library by their class name; others keep theirs as type name.
            if (child.is_vb_class() && !host::is_runtime_class(child.type_name()))
                result_.notes.push_back({child.begin_line + 1, child.key(),
                                         child.class_id +
                                             " is no class of the runtime's own library: it is "
                                             "loaded as a plain control"});
            if (!child.is_vb_class())
                host_.set_foreign_class(child.type_name(),
                                        foreign_of(child, host_.foreign_class(child.type_name())));
            obj = form.add_control(child.type_name(), child.name, in, child.index());
            clear_omitted_caption(*obj, child);
            set_properties(*obj, child);
            set_geometry(*obj, child);
            set_user_scale(*obj, child);
            FrmPictures::load(doc_, child, *obj, result_.notes);
            if (!child.is_vb_class()) store_item_blocks(doc_, *obj, child);
            // A rich text box keeps its text as rich text; its Text is the plain text of that.
            if (const auto rich = host::named_text(*obj, "TextRTF"); rich && !child.find("Text"))
                store(*obj, "Text", host::rtf_plain_text(*rich));
            // Menus all sit on the form; a submenu keeps the key of the menu it drops from.
            if (is_menu && container && container->class_name() == "Menu")
                obj->set_raw("MenuParent", control_key(*container));
        }
        add_children(child, obj);
    }
}

}  // namespace kv::frm
