// The bars of the common controls: a toolbar's buttons and a status bar's panels as the form file
// keeps them, where each stands, and the image list pictures a toolbar's buttons find.
#include <gtest/gtest.h>

#include <QImage>

#include "frm_test_util.h"
#include "host/common/BarDrawing.h"
#include "host/common/DataGridLook.h"
#include "host/common/FlexGridLook.h"
#include "host/common/ListViewLook.h"
#include "host/common/RangeLook.h"
#include "host/common/StatusBarLook.h"
#include "host/common/ToolBarLook.h"
#include "host/common/UpDownLook.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "host/memory/ButtonPictures.h"
#include "host/memory/MemoryHost.h"

using namespace kv;

namespace {

struct Editor {
    std::shared_ptr<mem::MemoryHost> host = mem::MemoryHost::install();
    frm::LoadedForm loaded =
        frm::FrmLoader::load(frm::FrmReader::read_file(test::data_dir() + "/editor.frm"), *host);
    ~Editor() { Host::set_current(nullptr); }
    mem::MemoryObject& control(const char* name) { return *loaded.form->control(name); }
};

// Text widths as a fixed pitch of 6 pixels a character.
double six_a_character(const std::string& s) {
    return 6.0 * static_cast<double>(s.size());
}

}  // namespace

TEST(Bars, TheFileKeepsItemsByTheNamesProgramsUse) {
    Editor e;
    mem::MemoryObject& bar = e.control("tbEdit");
    EXPECT_EQ(to_double(bar.get("Buttons.Count")), 7);
    // "Object." properties are the item's own.
    EXPECT_EQ(to_text(bar.get("Buttons(2).ToolTipText")), "Open a note");
    EXPECT_EQ(to_text(bar.get("Buttons(2).Image")), "open");
    EXPECT_EQ(to_double(bar.get("Buttons(5).Value")), 1);
    mem::MemoryObject& status = e.control("sbEdit");
    EXPECT_EQ(to_double(status.get("Panels.Count")), 4);
    EXPECT_EQ(to_double(status.get("Panels(1).Width")), 6350);
    EXPECT_EQ(to_text(status.get("Panels(4).TextSave")), "10:42");
    mem::MemoryObject& list = e.control("imlEdit");
    EXPECT_EQ(to_double(list.get("ListImages.Count")), 5);
    EXPECT_EQ(to_text(list.get("ListImages(2).Key")), "open");
    EXPECT_TRUE(list.picture("ListImages(5)"));
    // A rich text box's Text is the plain text of its rich text in the .frx.
    EXPECT_EQ(to_text(e.control("txtBody").get("Text")),
              "Shopping: bread, milk, apples\r\nCaf\xc3\xa9 \xe2\x82\xac 3,50\tpaid");
}

TEST(Bars, ToolbarButtonsAndTheirPictures) {
    Editor e;
    auto look = host::ToolBarLook::read(e.control("tbEdit"));
    EXPECT_TRUE(look.flat);
    EXPECT_EQ(look.image_list, "imlEdit");
    ASSERT_EQ(look.buttons.size(), 7u);
    EXPECT_EQ(look.buttons[1].image_key, "open");
    EXPECT_EQ(look.buttons[2].image_index, 3);
    EXPECT_EQ(look.buttons[4].style, host::ToolButton::Check);
    EXPECT_TRUE(look.buttons[4].pressed);

    // By index, and by key without regard to case, from the list the bar names.
    mem::find_button_pictures(e.control("tbEdit"), look);
    mem::MemoryObject& list = e.control("imlEdit");
    EXPECT_EQ(look.pictures[0], list.picture("ListImages(1)"));
    EXPECT_EQ(look.pictures[1], list.picture("ListImages(2)"));
    EXPECT_EQ(look.pictures[6], list.picture("ListImages(5)"));
    EXPECT_EQ(look.pictures[3], nullptr);  // a separator
    ASSERT_TRUE(look.mask_colour);
    EXPECT_EQ(*look.mask_colour, 0xC0C0C0);
    look.buttons[1].image_key = "OPEN";
    mem::find_button_pictures(e.control("tbEdit"), look);
    EXPECT_EQ(look.pictures[1], list.picture("ListImages(2)"));
    // The mask colour clears the pictures' silver; a system colour's (the button face's) is the
    // classic scheme's silver, not black.
    for (const auto& [mask, clear] : {std::pair{0xC0C0C0 * 1.0, true},
                                      {-2147483633.0, true},  // &H8000000F
                                      {0.0, false}}) {
        look.mask_colour = mask;
        const QImage open = host::tool_bar_images(look)[1];
        ASSERT_FALSE(open.isNull());
        EXPECT_EQ(qAlpha(open.pixel(0, 0)) == 0, clear) << mask;
    }
    // An index past the list, a key it lacks, a list the form lacks: no picture, no error.
    look.buttons[0].image_index = 9;
    look.buttons[1].image_key = "gone";
    mem::find_button_pictures(e.control("tbEdit"), look);
    EXPECT_EQ(look.pictures[0], nullptr);
    EXPECT_EQ(look.pictures[1], nullptr);
    look.image_list = "imlNone";
    mem::find_button_pictures(e.control("tbEdit"), look);
    EXPECT_EQ(look.pictures[2], nullptr);
}

TEST(Bars, ToolbarButtonPlaces) {
    host::ToolBarLook look;
    look.button_width_twips = 345;  // 23 pixels
    look.button_height_twips = 330;
    using S = host::ToolButton;
    for (int style : {S::Default, S::Separator, S::Check, S::Dropdown, S::Placeholder, S::Group}) {
        S b;
        b.style = style;
        b.width_twips = 600;  // a placeholder's: 40 pixels
        look.buttons.push_back(b);
    }
    look.buttons[2].visible = false;
    const auto boxes = look.place(15);
    struct Want {
        double left, width;
    };
    // A separator is 8 wide, a drop-down button has its arrow beside it, a hidden button takes
    // no room.
    const Want want[] = {{0, 23}, {23, 8}, {0, 0}, {31, 36}, {67, 40}, {107, 23}};
    for (size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(boxes[i].left, want[i].left);
        EXPECT_EQ(boxes[i].width, want[i].width);
        EXPECT_EQ(boxes[i].height, want[i].width ? 22 : 0);
    }
    EXPECT_EQ(look.button_at(30, 10, 15), 1);  // the separator
    EXPECT_EQ(look.button_at(60, 10, 15), 3);
    EXPECT_EQ(look.button_at(60, 30, 15), -1);  // below the buttons
}

TEST(Bars, StatusPanelWidths) {
    // Widths and minimum widths in twips (15 a pixel); AutoSize 0 fixed, 1 spring, 2 contents.
    struct Case {
        const char* what;
        double bar;
        std::vector<std::tuple<int, double, double, std::string>> panels;  // auto, width, min
        std::vector<double> widths;
    };
    const Case cases[] = {
        {"fixed panels keep their width", 400, {{0, 1500, 150, ""}, {0, 900, 150, ""}}, {100, 60}},
        {"a spring takes the room left", 400, {{1, 1500, 300, ""}, {0, 900, 150, ""}}, {338, 60}},
        {"springs share it, the first ones the odd pixels",
         400,
         {{1, 0, 300, ""}, {1, 0, 600, ""}, {0, 900, 150, ""}},
         {158, 178, 60}},
        {"a spring keeps its least width on a narrow bar", 50, {{1, 0, 1500, ""}}, {100}},
        {"contents: the text and its margins, at least the least width",
         400,
         {{2, 1500, 150, "Ln 1, Col 29"}, {2, 1500, 1500, "NUM"}},
         {80, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host::StatusBarLook look;
        for (const auto& [auto_size, width, least, text] : c.panels) {
            host::StatusPanel p;
            p.auto_size = auto_size;
            p.width_twips = width;
            p.min_width_twips = least;
            p.text = text;
            look.panels.push_back(p);
        }
        const auto places = look.place(c.bar, 15, six_a_character);
        ASSERT_EQ(places.size(), c.widths.size());
        double left = 0;
        for (size_t i = 0; i < places.size(); ++i) {
            EXPECT_EQ(places[i].width, c.widths[i]) << i;
            EXPECT_EQ(places[i].left, left) << i;
            left += places[i].width + host::kPanelGap;
        }
    }
}

TEST(Bars, StatusPanelsShowWhatTheirStyleSays) {
    Editor e;
    const auto look = host::StatusBarLook::read(e.control("sbEdit"));
    ASSERT_EQ(look.panels.size(), 4u);
    EXPECT_EQ(look.panels[0].text, "Ready");
    EXPECT_EQ(look.panels[0].auto_size, 1);
    // A key's panel shows its name, grey while the key is off; the clock its saved time.
    EXPECT_EQ(look.panels[2].text, "NUM");
    EXPECT_FALSE(look.panels[2].enabled);
    EXPECT_EQ(look.panels[3].text, "10:42");
    EXPECT_EQ(look.panels[3].alignment, 1);
    EXPECT_DOUBLE_EQ(look.panels[1].min_width_twips, 1764 * 1440.0 / 2540);

    // A bar the file says nothing of has one panel; Style 1 shows the simple text instead.
    auto form = e.host->create_form("Plain", mem::FormKind::Form);
    auto bar = form->add_control("StatusBar", "sb", nullptr);
    EXPECT_EQ(host::StatusBarLook::read(*bar).panels.size(), 1u);
    bar->set_raw("Style", 1.0);
    bar->set_raw("SimpleText", std::string("Saving..."));
    const auto simple = host::StatusBarLook::read(*bar);
    EXPECT_TRUE(simple.simple);
    EXPECT_EQ(simple.simple_text, "Saving...");
}

TEST(Bars, ProgressBarsAndSlidersWithTheControlsDefaults) {
    auto host = mem::MemoryHost::install();
    auto form = host->create_form("F", mem::FormKind::Form);
    auto progress = form->add_control("ProgressBar", "prg", nullptr);
    auto slider = form->add_control("Slider", "sld", nullptr);
    const auto p = host::RangeLook::read(*progress, progress->type_name());
    const auto s = host::RangeLook::read(*slider, slider->type_name());
    ASSERT_TRUE(p && s);
    EXPECT_EQ(std::tie(p->min, p->max, p->value), std::make_tuple(0.0, 100.0, 0.0));
    EXPECT_EQ(std::tie(s->min, s->max, s->large_change), std::make_tuple(0.0, 10.0, 5.0));
    EXPECT_FALSE(host::RangeLook::read(*form, "TextBox"));

    // Where the value stands, also in a range that runs the other way, and out of it.
    struct Case {
        double min, max, value, share;
    };
    for (const Case& c : {Case{0, 100, 25, 0.25}, Case{100, 0, 25, 0.75}, Case{0, 10, 12, 1},
                          Case{0, 10, -3, 0}, Case{5, 5, 5, 0}}) {
        host::RangeLook r;
        r.min = c.min;
        r.max = c.max;
        r.value = c.value;
        EXPECT_DOUBLE_EQ(r.share(), c.share) << c.min << ".." << c.max << " at " << c.value;
    }
    // Each TickStyle has its name in Qt and comes back from it (Qt's right and left ticks are
    // its below and above).
    for (int style = 0; style < 4; ++style)
        EXPECT_EQ(host::RangeLook::tick_style(host::RangeLook::qt_tick_position(style)), style);
    EXPECT_EQ(host::RangeLook::tick_style("QSlider::TicksLeft"), host::RangeLook::TopLeft);
    Host::set_current(nullptr);
}

// A list view's column headers stand in its own block; read as the report view shows them.
TEST(Bars, AListViewsColumnsAndATreeView) {
    auto host = mem::MemoryHost::install();
    const auto loaded =
        frm::FrmLoader::load(frm::FrmReader::read_file(test::data_dir() + "/backup.frm"), *host);
    auto& files = *loaded.form->control("lvwFiles");
    EXPECT_EQ(to_double(files.get("ColumnHeaders.Count")), 3);
    EXPECT_EQ(to_text(files.get("ColumnHeaders(2).Text")), "Size");
    const auto look = host::ListViewLook::read(files, files.type_name());
    ASSERT_TRUE(look);
    EXPECT_TRUE(look->report());
    ASSERT_EQ(look->columns.size(), 3u);
    EXPECT_DOUBLE_EQ(look->columns[0].width_twips, 1440);  // 2540 HiMetric
    EXPECT_EQ(look->columns[1].alignment, 1);
    EXPECT_EQ(look->columns[2].text, "Modified");
    auto& folders = *loaded.form->control("tvwFolders");
    const auto tree = host::ListViewLook::read(folders, folders.type_name());
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->kind, host::ListViewLook::Kind::Tree);
    EXPECT_FALSE(tree->report());
    // Their back is the window's unless the file says otherwise, as a text box's.
    EXPECT_EQ(to_double(folders.get("BackColor")), to_double(files.get("BackColor")));
    Host::set_current(nullptr);
}

// A data grid's columns: captions in its block, widths (written with the designer's locale's
// decimal comma) and alignment in its first split's.
TEST(Bars, ADataGridsColumns) {
    auto host = mem::MemoryHost::install();
    const auto loaded =
        frm::FrmLoader::load(frm::FrmReader::read_file(test::data_dir() + "/grid.frm"), *host);
    auto& grid = *loaded.form->control("grdStock");
    EXPECT_EQ(to_text(grid.get("Columns(0).Caption")), "Artikel");
    const auto look = host::DataGridLook::read(grid);
    ASSERT_EQ(look.columns.size(), 2u);
    EXPECT_DOUBLE_EQ(look.columns[0].width_twips, 2505.26);
    EXPECT_DOUBLE_EQ(look.columns[1].width_twips, 555.024);
    EXPECT_EQ(look.columns[1].alignment, 1);
    EXPECT_TRUE(look.record_selectors);
    Host::set_current(nullptr);
}

// An up-down control steps by its increment towards Max or Min, held at the end it passes or
// round to the other one where it wraps; a Max below Min turns the arrows round.
TEST(UpDownLook, StepsWithinItsRange) {
    struct Case {
        double min, max, value, increment;
        bool wrap, up;
        double next;
    };
    const Case cases[] = {
        {0, 10, 5, 1, false, true, 6},   {0, 10, 5, 1, false, false, 4},
        {0, 10, 10, 1, false, true, 10}, {0, 10, 10, 1, true, true, 0},
        {0, 10, 0, 1, true, false, 10},  {0, 10, 9, 5, false, true, 10},
        {10, 0, 5, 1, false, true, 4},   {1, 12, 40, 1, false, false, 11},
    };
    for (const Case& c : cases) {
        host::UpDownLook u;
        u.min = c.min, u.max = c.max, u.value = c.value, u.increment = c.increment;
        u.wrap = c.wrap;
        EXPECT_EQ(u.step(c.up), c.next) << c.min << ".." << c.max << " at " << c.value;
    }
    EXPECT_EQ(host::UpDownLook::text_of(3), "3");
    EXPECT_EQ(host::UpDownLook::text_of(-2.5), "-2.5");
}

namespace {

// A FormatString's entries as written: each with its alignment's mark.
std::string written(const std::vector<host::FlexHead>& heads) {
    static constexpr const char* kMark[] = {"", "<", "^", ">"};
    std::string out;
    for (size_t i = 0; i < heads.size(); ++i)
        out += std::string(i ? "," : "") + kMark[heads[i].align] + heads[i].text;
    return out;
}

}  // namespace

// A FormatString: the column part before the first ";", the row part after it, "|" between the
// entries, each maybe starting with its alignment; written back as it came.
TEST(Bars, AFlexGridsFormatString) {
    struct Case {
        const char* format;
        const char* across;
        const char* down;
    };
    for (const Case& c : {
             Case{"", "", ""},
             Case{"<Date|<Description|>Amount|>Balance", "<Date,<Description,>Amount,>Balance", ""},
             Case{"|<Name|>Amount;|Row1|Row2", ",<Name,>Amount", ",Row1,Row2"},
             Case{";|a|b", "", ",a,b"},
             Case{"^Mid|>|<", "^Mid,>,<", ""},
             Case{"a;b;c", "a", "b;c"},
             Case{"x||", "x,,", ""},
             Case{"<<twice", "<<twice", ""},
         }) {
        SCOPED_TRACE(c.format);
        host::FlexGridLook look;
        look.take_format(c.format);
        EXPECT_EQ(written(look.across), c.across);
        EXPECT_EQ(written(look.down), c.down);
        EXPECT_EQ(host::FlexGridLook::format_of(look.across, look.down), c.format);
    }
}

// Without a file's word: 2 x 2 cells, one fixed row and column, lines, both scroll bars, the
// cells in the window's colour (the host's default too). What the file says is kept within
// bounds a grid can show, and a FormatString makes the grid at least as large as its entries.
TEST(Bars, AFlexGridsCountsWithinBounds) {
    auto host = mem::MemoryHost::install();
    auto form = host->create_form("F", mem::FormKind::Form);
    auto grid = form->add_control("FlexGrid", "grd", nullptr);
    const auto plain = host::FlexGridLook::read(*grid);
    EXPECT_EQ(std::tie(plain.rows, plain.cols, plain.fixed_rows, plain.fixed_cols),
              std::make_tuple(2, 2, 1, 1));
    EXPECT_EQ(std::tie(plain.grid_lines, plain.scroll_bars), std::make_tuple(1, 3));
    EXPECT_EQ(to_double(grid->get("BackColor")), plain.back_color);

    struct Case {
        const char* what;
        double rows, cols, fixed_rows, fixed_cols;
        const char* format;
        int want_rows, want_cols, want_fixed_rows, want_fixed_cols;
    };
    for (const Case& c : {
             Case{"as given", 5, 3, 2, 0, "", 5, 3, 2, 0},
             Case{"entries grow the grid", 1, 1, 1, 1, "|a|b;|r1|r2|r3", 4, 3, 1, 1},
             Case{"a larger grid stays", 10, 8, 1, 1, "a|b", 10, 8, 1, 1},
             Case{"negative", -5, -1, -2, -3, "", 0, 0, 0, 0},
             Case{"more fixed than there are", 3, 2, 50, 9, "", 3, 2, 3, 2},
             Case{"beyond any form", 1e9, 1e6, 1, 1, "", 4000, 400, 1, 1},
         }) {
        SCOPED_TRACE(c.what);
        grid->set_raw("Rows", c.rows);
        grid->set_raw("Cols", c.cols);
        grid->set_raw("FixedRows", c.fixed_rows);
        grid->set_raw("FixedCols", c.fixed_cols);
        grid->set_raw("FormatString", std::string(c.format));
        const auto look = host::FlexGridLook::read(*grid);
        EXPECT_EQ(std::tie(look.rows, look.cols, look.fixed_rows, look.fixed_cols),
                  std::tie(c.want_rows, c.want_cols, c.want_fixed_rows, c.want_fixed_cols));
    }
    // A FormatString of endless entries: no more columns than a grid shows.
    grid->set_raw("FormatString", std::string(100000, '|'));
    const auto endless = host::FlexGridLook::read(*grid);
    EXPECT_EQ(endless.cols, 400);
    EXPECT_EQ(endless.across.size(), 400u);
    Host::set_current(nullptr);
}

// The texts before the program's: the column part along the first fixed row, the row part down
// the first fixed column, the corner the row part's when it gives one; a column the
// FormatString names is as wide as its text.
TEST(Bars, AFlexGridsHeaderCells) {
    host::FlexGridLook look;
    look.take_format("Corner|<Name|>Amount;|Row1|Row2");
    EXPECT_EQ(look.cell(0, 0).text, "Corner");
    EXPECT_EQ(look.cell(0, 2).text, "Amount");
    EXPECT_EQ(look.cell(0, 2).align, host::FlexHead::Right);
    EXPECT_EQ(look.cell(2, 0).text, "Row2");
    EXPECT_EQ(look.cell(1, 1).text, "") << "a cell of the program's";
    look.down[0].text = "Top";
    EXPECT_EQ(look.cell(0, 0).text, "Top");
    look.fixed_rows = 0;
    EXPECT_EQ(look.cell(0, 1).text, "") << "no fixed row, no header";
    EXPECT_EQ(look.cell(1, 0).text, "Row1");

    EXPECT_EQ(look.column_pixels(1, 15, six_a_character), 4 * 6 + 2 * host::kFlexTextInset);
    EXPECT_EQ(look.column_pixels(3, 15, six_a_character), 64) << "the grid's default";

    for (const char* name : {"FlexGrid", "flexgrid", "NovaFlexGrid", "HFlexGrid"})
        EXPECT_TRUE(host::FlexGridLook::candidate(name)) << name;
    for (const char* name : {"FlexGrids", "Grid", "DataGrid", "Flex", ""})
        EXPECT_FALSE(host::FlexGridLook::candidate(name)) << name;
}

// The ledger's FormatString stands in its .frx.
TEST(Bars, AFlexGridsFormatStringInTheFrx) {
    auto host = mem::MemoryHost::install();
    const auto loaded =
        frm::FrmLoader::load(frm::FrmReader::read_file(test::data_dir() + "/ledger.frm"), *host);
    EXPECT_TRUE(loaded.notes.empty());
    const auto look = host::FlexGridLook::read(*loaded.form->control("grdLedger"));
    ASSERT_EQ(look.across.size(), 4u);
    EXPECT_EQ(look.across[1].text.rfind("Description ", 0), 0u);
    EXPECT_EQ(look.across[3].align, host::FlexHead::Right);
    EXPECT_EQ(std::tie(look.rows, look.cols, look.fixed_rows, look.fixed_cols),
              std::make_tuple(20, 4, 1, 0));
    Host::set_current(nullptr);
}
