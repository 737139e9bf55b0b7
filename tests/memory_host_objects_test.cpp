// Objects of the memory host: what each class has, control arrays, the Controls collection,
// user controls and their property bags, the change journal a view of a form reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "error_of.h"
#include "host/memory/ChangeJournal.h"
#include "host/memory/MemoryHost.h"

using namespace kv;
using namespace kv::mem;

namespace {

struct SupportCase {
    const char* cls;
    Prop prop;
    bool has;
};

TEST(MemoryObjects, PropertiesMissingFromAClassRaise438) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    const SupportCase cases[] = {
        {"Line", Prop::Left, false},        {"Line", Prop::Width, false},
        {"Line", Prop::X2, true},           {"Line", Prop::FontSize, false},
        {"Timer", Prop::Left, true},        {"Timer", Prop::Width, false},
        {"Timer", Prop::Height, false},     {"Timer", Prop::Visible, false},
        {"Menu", Prop::Left, false},        {"Menu", Prop::Caption, true},
        {"Menu", Prop::Visible, true},      {"Frame", Prop::ScaleWidth, false},
        {"Frame", Prop::ScaleMode, false},  {"Frame", Prop::FontSize, true},
        {"Frame", Prop::hWnd, true},        {"TextBox", Prop::Align, false},
        {"PictureBox", Prop::Align, true},  {"PictureBox", Prop::ScaleHeight, true},
        {"Shape", Prop::FontSize, false},   {"Image", Prop::FontSize, false},
        {"Label", Prop::hWnd, false},       {"Slider", Prop::Caption, true},
        {"Data", Prop::Align, true},        {"Data", Prop::Caption, true},
        {"Data", Prop::TabIndex, false},    {"Data", Prop::hWnd, false},
        {"DriveListBox", Prop::hWnd, true}, {"DriveListBox", Prop::Caption, false},
    };
    int n = 0;
    for (const auto& c : cases) {
        auto o = f->add_control(c.cls, "c" + std::to_string(n++));
        int err = error_of([&] { o->get(c.prop); });
        EXPECT_EQ(err, c.has ? 0 : kErrNoSuchProperty) << c.cls << " " << prop_name(c.prop);
        if (!c.has) {
            EXPECT_EQ(error_of([&] { o->set(c.prop, 1.0); }), kErrNoSuchProperty) << c.cls;
        }
    }
    auto line = f->control("c0");
    EXPECT_EQ(error_of([&] { line->move(0, 0, 10, 10); }), kErrNoSuchProperty);
    EXPECT_EQ(error_of([&] { f->control("c4")->move(0); }), kErrNoSuchProperty);  // Timer
    EXPECT_EQ(error_of([&] { f->control("c11")->scale_x(1, 1, 3); }), kErrNoSuchProperty);
    EXPECT_EQ(error_of([&] { f->control("c8")->container(); }), kErrNoSuchProperty);  // Menu
    EXPECT_EQ(error_of([&] { f->get(Prop::Index); }), kErrNoSuchProperty);
    EXPECT_EQ(error_of([&] { f->container(); }), kErrNoSuchProperty);
    EXPECT_EQ(error_of([&] { line->get("Interval"); }), kErrNoSuchProperty);
    EXPECT_EQ(error_of([&] { line->set("Interval", 5.0); }), kErrNoSuchProperty);
    EXPECT_DOUBLE_EQ(to_double(f->control("c4")->get("Interval")), 0);
}

TEST(MemoryObjects, LineEndsFollowTheContainerScale) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    auto line = f->add_control("Line", "lin");
    line->set(Prop::X2, 1500.0);
    f->set(Prop::ScaleMode, 3.0);
    EXPECT_DOUBLE_EQ(num(*line, Prop::X2), 100);
    line->set(Prop::Y1, 10.0);
    f->set(Prop::ScaleMode, 1.0);
    EXPECT_DOUBLE_EQ(num(*line, Prop::Y1), 150);
}

TEST(MemoryObjects, ControlArraysAndLookups) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    f->add_control("TextBox", "txt", nullptr, 3);
    f->add_control("TextBox", "txt", nullptr, 0);
    auto single = f->add_control("Label", "lbl");
    auto ctrls = f->controls();
    EXPECT_EQ(error_of([&] { single->get(Prop::Index); }), kErrNotAnArray);
    EXPECT_EQ(control_key(*ctrls->find("txt", 0)), "txt(0)");
    EXPECT_EQ(control_key(*ctrls->find("TXT")), "txt(3)");  // first in the order
    EXPECT_EQ(error_of([&] { ctrls->find("txt", 1); }), kErrControlArrayElement);
    EXPECT_EQ(error_of([&] { ctrls->find("lbl", 0); }), kErrNotAnArray);
    EXPECT_EQ(error_of([&] { ctrls->find("nope"); }), kErrControlNotFound);
    EXPECT_EQ(error_of([&] { ctrls->find("nope", 1); }), kErrControlNotFound);
    EXPECT_EQ(error_of([&] { f->add_control("Label", "lbl"); }), 727);
    EXPECT_EQ(error_of([&] { f->add_control("TextBox", "txt", nullptr, 3); }), 360);
    EXPECT_EQ(error_of([&] { ctrls->item(3); }), kErrSubscript);
    // A form is no control: one made as a control would be taken for a form.
    EXPECT_EQ(error_of([&] { f->add_control("Form", "g"); }), 711);
    EXPECT_EQ(error_of([&] { f->add_control("mdiform", "g"); }), 711);
    EXPECT_EQ(ctrls->count(), 3u);
}

// The tolerated look-ups answer what Container and Controls(name) answer, and nothing where
// those raise an error, without raising one: the pages ask them for every control of a form.
TEST(MemoryObjects, TolerantLookupsAnswerAsTheOthersWithoutRaising) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    auto pic = f->add_control("PictureBox", "pic");
    auto txt = f->add_control("TextBox", "txtIn", pic);
    auto mnu = f->add_control("Menu", "mnuFile");
    auto ctrls = f->controls();
    const struct {
        std::shared_ptr<MemoryObject> object;
        ObjectRef container;  // nullptr: container() raises 438
    } containers[] = {{txt, pic}, {pic, f}, {f, nullptr}, {mnu, nullptr}};
    for (const auto& c : containers) {
        SCOPED_TRACE(c.object->name());
        EXPECT_EQ(c.object->try_container(), c.container);
        if (c.container)
            EXPECT_EQ(c.object->container(), c.container);
        else
            EXPECT_EQ(error_of([&] { c.object->container(); }), kErrNoSuchProperty);
    }
    EXPECT_EQ(ctrls->try_find("TXTIN"), txt);
    EXPECT_EQ(ctrls->try_find("mnuFile"), mnu);
    EXPECT_EQ(ctrls->try_find("nope"), nullptr);
    ASSERT_TRUE(f->close());
    EXPECT_EQ(error_of([&] { ctrls->find("pic"); }), kErrObjectNotSet);
    EXPECT_EQ(ctrls->try_find("pic"), nullptr);
}

// A copy answers each original control's twin (an element, a nested control, the form itself)
// without a look-up by name; what is not the original form's has none.
TEST(MemoryObjects, AFormCopyKnowsEachControlsTwin) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    auto pic = f->add_control("PictureBox", "pic");
    std::vector<std::shared_ptr<MemoryObject>> originals{
        f->add_control("TextBox", "txt", nullptr, 3), f->add_control("TextBox", "txt", pic, 0),
        f->add_control("Label", "lbl", pic), pic};
    auto gone = f->add_control("Label", "gone");
    f->remove_control(gone);
    const auto other = host->create_form("frmB")->add_control("Label", "lbl");
    const auto copy = host->copy_form(f);
    const auto copied = copy->form();
    for (const auto& c : originals) {
        const ObjectRef twin = copy->twin(*c);
        ASSERT_NE(twin, nullptr) << control_key(*c);
        EXPECT_NE(twin.get(), c.get());
        EXPECT_TRUE(same_object(twin->parent(), copied));
        EXPECT_EQ(control_key(*twin), control_key(*c));
        EXPECT_EQ(text(*try_container(*twin), Prop::Name), text(*try_container(*c), Prop::Name));
    }
    EXPECT_EQ(copy->twin(*f), copied);
    EXPECT_EQ(copy->twin(*gone), nullptr);
    EXPECT_EQ(copy->twin(*other), nullptr);
}

TEST(MemoryObjects, ControlsAddAndRemove) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    auto pic = f->add_control("PictureBox", "pic");
    f->add_control("TextBox", "txtIn", pic);
    f->add_control("TextBox", "txtOut");
    auto ctrls = f->controls();
    auto bar = ctrls->add("VB.PictureBox", "KelvaneVSplit1");
    EXPECT_FALSE(flag(*bar, Prop::Visible));
    EXPECT_EQ(bar->type_name(), "PictureBox");
    EXPECT_TRUE(same_object(ctrls->item(3), bar));
    auto line = ctrls->add("VB.Line", "lin", pic);
    EXPECT_TRUE(same_object(line->container(), pic));
    EXPECT_TRUE(same_object(line->parent(), f));
    EXPECT_EQ(error_of([&] { ctrls->add("VB.Nothing", "x"); }), 711);
    EXPECT_EQ(error_of([&] { ctrls->add("VB.Line", "lin"); }), 727);

    WindowHandle pic_window = pic->hwnd();
    ctrls->remove("pic");  // with what is inside it
    EXPECT_EQ(ctrls->count(), 2u);
    EXPECT_EQ(f->control("txtIn"), nullptr);
    EXPECT_FALSE(host->is_window(pic_window));
    EXPECT_EQ(error_of([&] { ctrls->remove("pic"); }), kErrControlNotFound);
}

// Removing a control takes what it holds however deep and whenever it was put there; the other
// controls keep their order and the names of the removed ones are free again.
TEST(MemoryObjects, RemovingAControlTakesWhatItHoldsAndKeepsTheOrder) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    auto a = f->add_control("PictureBox", "picA");
    auto b = f->add_control("PictureBox", "picB");
    auto inner = f->add_control("Frame", "fraIn", a);
    auto deep = f->add_control("TextBox", "txtDeep", inner);
    f->add_control("TextBox", "txtB", b);
    f->add_control("TextBox", "txtForm");
    auto late = f->controls()->add("VB.PictureBox", "picLate", inner);
    f->add_control("TextBox", "txtA", a);
    const auto names = [&] {
        std::vector<std::string> out;
        for (const auto& c : f->all_controls()) out.push_back(c->name());
        return out;
    };
    f->remove_control(a);
    EXPECT_EQ(names(), (std::vector<std::string>{"picB", "txtB", "txtForm"}));
    for (const auto& gone : {a, inner, deep, std::dynamic_pointer_cast<MemoryObject>(late)}) {
        EXPECT_FALSE(gone->alive()) << gone->name();
        EXPECT_EQ(f->control(gone->name()), nullptr) << gone->name();
    }
    auto again = f->add_control("Frame", "fraIn", b);
    f->add_control("TextBox", "txtDeep", again);
    f->remove_control(b);
    EXPECT_EQ(names(), (std::vector<std::string>{"txtForm"}));
    EXPECT_EQ(error_of([&] { f->remove_control(b); }), kErrInvalidCall);
}

// The engine asks every pass which controls may be aligned: those of the classes that have
// Align whose Align is not 0, wherever they sit, in enumeration order, and none that went.
TEST(MemoryObjects, ControlsThatMayBeAlignedFollowAlignAddAndRemove) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    auto pic = f->add_control("PictureBox", "pic");
    auto inner = f->add_control("PictureBox", "picIn", pic);
    f->add_control("TextBox", "txt");
    auto bar = f->add_control("Toolbar", "tbr");
    auto ctrls = f->controls();
    const auto names = [&] {
        std::vector<std::string> out;
        for (const auto& c : ctrls->having(Prop::Align)) out.push_back(text(*c, Prop::Name));
        return out;
    };
    EXPECT_EQ(names(), (std::vector<std::string>{}));  // none aligned yet
    bar->set(Prop::Align, 1.0);
    inner->set(Prop::Align, 2.0);
    pic->set(Prop::Align, 3.0);
    EXPECT_EQ(names(), (std::vector<std::string>{"pic", "picIn", "tbr"}));
    inner->set(Prop::Align, 0.0);
    EXPECT_EQ(names(), (std::vector<std::string>{"pic", "tbr"}));
    EXPECT_EQ(ctrls->having(Prop::Left).size(), ctrls->count());  // other properties: everyone
    ctrls->remove("pic");                                         // with what is inside it
    EXPECT_EQ(names(), (std::vector<std::string>{"tbr"}));
    ctrls->add("VB.PictureBox", "picNew")->set(Prop::Align, 4.0);
    EXPECT_EQ(names(), (std::vector<std::string>{"tbr", "picNew"}));
    f->close();
    EXPECT_EQ(error_of([&] { ctrls->having(Prop::Align); }), kErrObjectNotSet);
}

class RecordingControl : public UserControl {
  public:
    std::vector<std::string> log;
    ControlSite* site = nullptr;
    std::string caption = "Hello";
    void UserControl_Initialize(ControlSite& s) override {
        site = &s;
        log.push_back("Initialize");
    }
    void UserControl_InitProperties() override { log.push_back("InitProperties"); }
    void UserControl_ReadProperties(PropertyBag& bag) override {
        log.push_back("ReadProperties");
        caption = to_text(bag.read("Caption", std::string("Hello")));
    }
    void UserControl_WriteProperties(PropertyBag& bag) override {
        bag.write("Zeta", 1.0, 0.0);
        bag.write("Caption", caption, std::string("Hello"));
        bag.write("Alpha", true, false);
    }
    void UserControl_Resize() override { log.push_back("Resize"); }
    void UserControl_Terminate() override { log.push_back("Terminate"); }
};

TEST(MemoryObjects, UserControlLifeAndPersistence) {
    auto host = MemoryHost::install();
    auto made = std::make_shared<RecordingControl>();
    host->register_user_control("Kelvane.zokKelvane", [&] { return made; });
    host->set_user_mode(false);
    auto f = host->create_form("frmA");
    auto ext = f->add_user_control("Kelvane.zokKelvane", "zok1");
    EXPECT_EQ(ext->type_name(), "zokKelvane");
    EXPECT_EQ((std::vector<std::string>{"Initialize", "InitProperties", "Resize"}), made->log);
    EXPECT_FALSE(made->site->user_mode());
    EXPECT_TRUE(same_object(made->site->extender(), ext));
    made->site->set_size(480, 480);
    EXPECT_EQ(made->log.back(), "Resize");
    EXPECT_DOUBLE_EQ(num(*ext, Prop::Width), 480);
    made->site->property_changed("Caption");
    EXPECT_EQ(ext->site()->changed_properties(), std::vector<std::string>{"Caption"});

    auto bag = ext->write_properties();  // defaults are omitted; write order kept
    ASSERT_EQ(bag->size(), 2u);
    EXPECT_EQ(bag->entries()[0].first, "Zeta");
    EXPECT_EQ(bag->entries()[1].first, "Alpha");
    made->caption = "Other";
    bag = ext->write_properties();
    EXPECT_EQ(bag->entries()[1].first, "Caption");
    bag->write("Caption", std::string("Hello"), std::string("Hello"));  // back to default: dropped
    EXPECT_FALSE(bag->contains("caption"));

    auto second = std::make_shared<RecordingControl>();
    made = second;
    MemoryPropertyBag saved;
    saved.set("Caption", std::string("Loaded"));
    auto ext2 = f->add_user_control("Kelvane.zokKelvane", "zok2", nullptr, &saved);
    EXPECT_EQ(second->log[1], "ReadProperties");
    EXPECT_EQ(second->caption, "Loaded");
    second->site->unload_control(ext);
    EXPECT_EQ(f->control("zok1"), nullptr);
    f->show();
    EXPECT_TRUE(f->close());
    EXPECT_EQ(second->log.back(), "Terminate");
}

TEST(MemoryObjects, RawValuesFollowTheFormFilesRules) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    // As a form file lists them: client size first, then the scale (alphabetical order).
    f->set_raw("ClientHeight", 3000.0);
    f->set_raw("ClientWidth", 4000.0);
    f->set_raw("ScaleHeight", 300.0);
    f->set_raw("ScaleMode", 0.0);
    f->set_raw("ScaleWidth", 400.0);
    f->set_raw("WindowState", 2.0);
    f->set_raw("OddThing", std::string("kept"));
    EXPECT_DOUBLE_EQ(num(*f, Prop::Width), 4000 + 8 * 15);
    EXPECT_DOUBLE_EQ(f->scale_x(1, kScaleUser, kScaleTwips), 10);
    EXPECT_DOUBLE_EQ(f->scale_y(1, kScaleUser, kScaleTwips), 10);
    EXPECT_EQ(to_text(f->get("OddThing")), "kept");
    EXPECT_EQ(f->window_state(), 0);  // taken when the form loads, without a Resize
    auto lst = f->add_control("ListBox", "lst");
    lst->set_raw("Height", 100.0);  // 1000 twips, not snapped
    lst->set_raw("Index", 2.0);
    EXPECT_DOUBLE_EQ(lst->rect_twips().height, 1000);
    EXPECT_EQ(control_key(*lst), "lst(2)");
    EXPECT_TRUE(lst->write_log().empty());
    f->load();
    EXPECT_EQ(f->window_state(), 2);
    EXPECT_EQ(f->resize_count(), 0);
}

TEST(MemoryObjects, WriteLogCountsEveryHostWrite) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    auto t = f->add_control("TextBox", "txt");
    t->move(10, 20);
    t->set(Prop::Width, 300.0);
    t->set("Text", std::string("x"));
    EXPECT_EQ(error_of([&] { t->set(Prop::Caption, std::string("no")); }), kErrNoSuchProperty);
    ASSERT_EQ(t->write_log().size(), 3u);
    EXPECT_EQ(t->write_log()[0].what, "Move");
    EXPECT_EQ(t->write_log()[0].args.size(), 2u);
    EXPECT_EQ(t->write_log()[1].what, "Width");
    EXPECT_EQ(t->write_log()[2].what, "Text");
}

// What a view of the form is told: each changed object once, or everything when the form's
// make-up changed.
TEST(MemoryObjects, ChangeJournalNotesWhatChangedOnce) {
    auto host = MemoryHost::install();
    auto form = host->create_form("Form1");
    auto a = form->add_control("TextBox", "txtA");
    auto b = form->add_control("ListBox", "lstB");
    auto box = form->add_control("PictureBox", "picBox");
    auto inner = form->add_control("Label", "lblInner", box);
    const int reader = 0;
    auto names = [&] {
        auto changes = ChangeJournal::take(*form, &reader);
        if (changes.everything) return std::string("everything");
        std::vector<std::string> names;
        for (const auto& o : changes.objects) names.push_back(o->name());
        std::sort(names.begin(), names.end());
        std::string out;
        for (const auto& n : names) out += n + " ";
        return out;
    };
    EXPECT_FALSE(ChangeJournal::kept());
    ChangeJournal::keep(*form, &reader);
    EXPECT_TRUE(ChangeJournal::kept());
    EXPECT_EQ(names(), "everything");  // the first look
    EXPECT_EQ(names(), "");
    a->move(100, 100, 900, 300);
    a->move(100, 100, 900, 300);  // the same place again is no change
    b->set(Prop::Tag, Value(std::string("x")));
    b->add_item("one");
    a->set("Text", Value(std::string("typed")));
    inner->set(Prop::Visible, Value(false));
    EXPECT_EQ(names(), "lblInner lstB txtA ");
    // A border moves what the box holds; controls coming and going change the make-up.
    box->set(Prop::BorderStyle, Value(0.0));
    EXPECT_EQ(names(), "everything");
    form->add_control("CommandButton", "cmdC");
    EXPECT_EQ(names(), "everything");
    a->move(0);
    form->remove_control(a);
    EXPECT_EQ(names(), "everything");
    ChangeJournal::stop(*form, &reader);
    EXPECT_FALSE(ChangeJournal::kept());
}

// Each reader is told what changed of each object, its place alone or more (a property, which
// may move it too), however often it changed, apart from what the other readers took.
TEST(MemoryObjects, ChangeJournalTellsEachReaderWhatChanged) {
    auto host = MemoryHost::install();
    auto form = host->create_form("Form1");
    auto moved = form->add_control("TextBox", "txtMoved");
    auto dressed = form->add_control("Label", "lblDressed");
    auto both = form->add_control("CommandButton", "cmdBoth");
    const int first = 0, second = 0;
    for (const void* r : {static_cast<const void*>(&first), static_cast<const void*>(&second)}) {
        ChangeJournal::keep(*form, r);
        ChangeJournal::take(*form, r);  // the first look is at everything
    }
    const auto told = [&](const void* reader) {
        const auto changes = ChangeJournal::take(*form, reader);
        std::map<std::string, int> out;
        for (size_t i = 0; i < changes.objects.size(); ++i) {
            EXPECT_EQ(out.count(changes.objects[i]->name()), 0u) << "listed twice";
            out[changes.objects[i]->name()] = changes.kinds[i];
        }
        return out;
    };
    using Told = std::map<std::string, int>;
    const int place = ChangeJournal::kPlace, all = ChangeJournal::kAll;
    moved->move(100);
    moved->move(200, 300);
    dressed->set(Prop::Caption, Value(std::string("x")));
    both->move(50);
    both->set(Prop::Tag, Value(std::string("y")));
    both->move(60);
    EXPECT_EQ(told(&first), (Told{{"txtMoved", place}, {"lblDressed", all}, {"cmdBoth", all}}));
    dressed->move(10);
    EXPECT_EQ(told(&first), (Told{{"lblDressed", place}}));
    // The second reader has not looked since the first changes.
    EXPECT_EQ(told(&second), (Told{{"txtMoved", place}, {"lblDressed", all}, {"cmdBoth", all}}));
    EXPECT_EQ(told(&second), Told{});
    dressed->move(15);  // the first reader goes without looking at it
    ChangeJournal::stop(*form, &first);
    moved->set(Prop::Tag, Value(std::string("z")));
    EXPECT_EQ(told(&second), (Told{{"lblDressed", place}, {"txtMoved", all}}));
    // A reader that comes later gets the slot of one that went, with nothing left over in it.
    ChangeJournal::keep(*form, &first);
    EXPECT_TRUE(ChangeJournal::take(*form, &first).everything);
    dressed->move(20);
    EXPECT_EQ(told(&first), (Told{{"lblDressed", place}}));
    ChangeJournal::stop(*form, &first);
    ChangeJournal::stop(*form, &second);
}

// A label's access key takes the focus to the next control by TabIndex that can take it: frames
// and other labels are passed over, past the last the first follows, a hidden control still
// counts (it may show later), and a form of labels only has no target.
TEST(MemoryObjects, LabelsLeadToTheNextControlThatTakesTheFocus) {
    auto host = MemoryHost::install();
    auto f = host->create_form("frmA");
    auto fra = f->add_control("Frame", "fra");
    auto lblName = f->add_control("Label", "lblName");
    auto txtName = f->add_control("TextBox", "txtName", fra);
    auto lblNote = f->add_control("Label", "lblNote");
    auto lblNote2 = f->add_control("Label", "lblNote2");
    auto lstNotes = f->add_control("ListBox", "lstNotes");
    auto lblLast = f->add_control("Label", "lblLast");
    lstNotes->set(Prop::Visible, false);
    using Pairs =
        std::vector<std::pair<std::shared_ptr<MemoryObject>, std::shared_ptr<MemoryObject>>>;
    EXPECT_EQ(
        f->label_targets(),
        (Pairs{{lblName, txtName}, {lblNote, lstNotes}, {lblNote2, lstNotes}, {lblLast, txtName}}));
    // TabIndex decides, not the order of making.
    lblLast->set(Prop::TabIndex, 0.0);
    EXPECT_EQ(f->label_targets().front(), std::pair(lblLast, txtName));
    auto g = host->create_form("frmB");
    g->add_control("Label", "lblOnly");
    g->add_control("Frame", "fraOnly");
    EXPECT_TRUE(g->label_targets().empty());
}

}  // namespace
