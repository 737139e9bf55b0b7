// Saving the resizer's properties into a form file: nothing outside the resizer block and its
// .frx entry changes, unchanged values keep their bytes, texts a line cannot hold go to the .frx.
#include <gtest/gtest.h>

#include "control/zokKelvane.h"
#include "frm_test_util.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "host/frm/FrmWriter.h"
#include "host/memory/MemoryForm.h"
#include "host/memory/MemoryPropertyBag.h"

using namespace kv;
using namespace kv::frm;
using kv::test::data_dir;
using kv::test::slurp;

namespace {

// The designer: a memory host in design mode that knows the resizer control.
struct Designer {
    std::shared_ptr<mem::MemoryHost> host = mem::MemoryHost::install();
    Designer() {
        host->set_user_mode(false);
        host->set_running_under_designer(true);
        host->register_user_control(kZokKelvaneClassId, [] { return make_zokKelvane(); });
    }
    ~Designer() { Host::set_current(nullptr); }
    // Load the form, let the caller change the control, then save as the designer saves.
    SavedForm save(const FrmDocument& doc, const std::function<void(zokKelvane&)>& change = {}) {
        auto loaded = FrmLoader::load(doc, *host);
        auto control = std::dynamic_pointer_cast<zokKelvane>(loaded.resizer->user_control());
        if (change) change(*control);
        return FrmWriter::save_resizer(doc, loaded.resizer->write_properties()->entries());
    }
};

std::vector<std::string> lines_of(const std::string& bytes) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < bytes.size()) {
        const auto lf = bytes.find('\n', start);
        out.push_back(bytes.substr(start, lf == std::string::npos ? lf : lf + 1 - start));
        if (lf == std::string::npos) break;
        start = lf + 1;
    }
    return out;
}

uint32_t le32(const std::string& b, size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

}  // namespace

class FormsWithResizer : public ::testing::TestWithParam<const char*> {};

TEST_P(FormsWithResizer, SavingWithoutAChangeGivesTheSameBytes) {
    Designer designer;
    const std::string path = data_dir() + "/" + GetParam();
    const auto doc = FrmReader::read_file(path);
    ASSERT_NE(doc.resizer(), nullptr);
    const auto saved = designer.save(doc);
    EXPECT_EQ(saved.frm_bytes, slurp(path));
    EXPECT_FALSE(saved.frx_changed);
}

INSTANTIATE_TEST_SUITE_P(All, FormsWithResizer,
                         ::testing::Values("pixels.frm", "nested.frm", "thirdparty.frm",
                                           "mdichild.frm", "checkme.frm", "profile.frm"));

TEST(FrmWriter, ChangedSettingsTouchOnlyTheResizerBlockAndItsEntry) {
    for (const char* name : {"nested.frm", "thirdparty.frm"}) {
        SCOPED_TRACE(name);
        kv::test::ScratchDir dir;
        const auto path = dir.copy_sample(name);
        const auto doc = FrmReader::read_file(path);
        const auto* block = doc.resizer();
        const std::string settings = "lstOrders \tKKKKC\r\ncmdSave \tAAKKK";
        Designer designer;
        const auto saved = designer.save(doc, [&](zokKelvane& k) { k.ControlSettings(settings); });
        const auto before = lines_of(doc.bytes()), after = lines_of(saved.frm_bytes);
        const size_t head = block->begin_line + 1, tail = doc.lines.size() - block->end_line;
        ASSERT_GE(after.size(), head + tail);
        EXPECT_TRUE(std::equal(before.begin(), before.begin() + head, after.begin()));
        EXPECT_TRUE(std::equal(before.end() - tail, before.end(), after.end() - tail));
        // The new entry replaces the old one at the end of the .frx; what is before it stays.
        ASSERT_TRUE(saved.frx_changed);
        const std::string old_frx =
            slurp(dir.path() / (std::filesystem::path(name).stem().string() + ".frx"));
        const auto* old_ref = block->find("ControlSettings");
        ASSERT_NE(old_ref, nullptr);
        const size_t at = old_ref->frx_offset;
        EXPECT_EQ(saved.frx_bytes.substr(0, at), old_frx.substr(0, at));
        EXPECT_EQ(le32(saved.frx_bytes, at), settings.size());
        EXPECT_EQ(saved.frx_bytes.substr(at + 4), settings);
        char ref[64];
        std::snprintf(ref, sizeof ref, "ControlSettings =   \"%s\":%04zX",
                      std::filesystem::path(name).replace_extension(".frx").c_str(), at);
        EXPECT_NE(saved.frm_bytes.find(ref), std::string::npos) << saved.frm_bytes;
        // Saving the same change again neither grows the .frx nor changes the form again.
        FrmWriter::write_files(path, saved);
        const auto doc2 = FrmReader::read_file(path);
        Designer again;
        const auto saved2 = again.save(doc2, [&](zokKelvane& k) { k.ControlSettings(settings); });
        EXPECT_EQ(saved2.frm_bytes, saved.frm_bytes);
        EXPECT_FALSE(saved2.frx_changed);
    }
}

// An unchanged entry in the .frx before the changed one does not make every save append.
TEST(FrmWriter, SavingOneSettingOverAndOverDoesNotGrowTheFrx) {
    kv::test::ScratchDir dir;
    const auto path = dir.copy_sample("nested.frm");
    const auto frx = dir.path() / "nested.frx";
    auto save = [&](const std::string& controls, const std::string& panes) {
        const auto doc = FrmReader::read_file(path);
        Designer designer;
        FrmWriter::write_files(path, designer.save(doc, [&](zokKelvane& k) {
            k.ControlSettings(controls);
            k.PaneSettings(panes);
        }));
        return std::filesystem::file_size(frx);
    };
    const std::string panes = "lstA lstB\r\nlstC lstD";
    save("cmdA \tKKKKK\r\ncmdB \tKKKKK", panes);
    std::vector<uintmax_t> sizes;
    for (const char* modes : {"AAKKK", "KKRRK", "AAKKK", "KKRRK"})
        sizes.push_back(save(std::string("cmdA \t") + modes + "\r\ncmdB \tKKKKK", panes));
    EXPECT_EQ(sizes[1], sizes[0]);
    EXPECT_EQ(sizes[3], sizes[0]);
}

namespace {
const std::string kSmall =
    "VERSION 5.00\r\nBegin VB.Form frmSmall \r\n   ClientHeight = 3000\r\n"
    "   Begin zokKL4VB.zokKelvane zk \r\n      Left            =   120\r\n"
    "      _ExtentX        =   847\r\n      Custom          =   \"kept\"\r\n   End\r\n"
    "End\r\nAttribute VB_Name = \"frmSmall\"\r\n";
}  // namespace

TEST(FrmWriter, ValueFormatsAndPlacement) {
    kv::test::ScratchDir dir;
    const auto path = (dir.path() / "Small.frm").string();
    const auto doc = FrmReader::read_bytes(kSmall, path);
    const BagEntries entries = {{"AddAllControls", Value(true)},
                                {"SavePos", Value(false)},
                                {"PaneSettings", Value(std::string("say \"hi\""))},
                                {"ControlSettings", Value(std::string("a \tKKKKK"))},
                                {"SplitBarsColor", Value(double(int32_t(0x80000012u)))},
                                {"MinWidth", Value(6000.0)},
                                {"AlignBTop", Value(412.5)}};
    const auto saved = FrmWriter::save_resizer(doc, entries);
    const std::string expected =
        "VERSION 5.00\r\nBegin VB.Form frmSmall \r\n   ClientHeight = 3000\r\n"
        "   Begin zokKL4VB.zokKelvane zk \r\n      Left            =   120\r\n"
        "      _ExtentX        =   847\r\n"
        "      AddAllControls  =   -1  'True\r\n"
        "      SavePos         =   0   'False\r\n"
        "      PaneSettings    =   \"say \"\"hi\"\"\"\r\n"
        "      ControlSettings =   \"Small.frx\":0000\r\n"
        "      SplitBarsColor  =   &H80000012&\r\n"
        "      MinWidth        =   6000\r\n"
        "      AlignBTop       =   412.5\r\n"
        "      Custom          =   \"kept\"\r\n   End\r\n"
        "End\r\nAttribute VB_Name = \"frmSmall\"\r\n";
    EXPECT_EQ(saved.frm_bytes, expected);
    ASSERT_TRUE(saved.frx_changed);
    EXPECT_EQ(saved.frx_bytes, std::string("\x08\0\0\0a \tKKKKK", 12));
    // What was written reads back to the same values.
    FrmWriter::write_files(path, saved);
    const auto back = FrmReader::read_file(path);
    const auto* b = back.resizer();
    EXPECT_EQ(to_text(*FrmLoader::value_of(back, *b->find("ControlSettings"), true)), "a \tKKKKK");
    EXPECT_EQ(b->find("PaneSettings")->text, "say \"hi\"");
    EXPECT_DOUBLE_EQ(b->find("SplitBarsColor")->number, double(int32_t(0x80000012u)));
}

// A resizer property written twice is read as its last line; a save writes it once with that
// value, and every line that is no resizer property (written twice or not) stays.
TEST(FrmWriter, APropertyWrittenTwiceIsSavedOnceWithItsLastValue) {
    const size_t at = kSmall.find("      Custom");
    const std::string twice = kSmall.substr(0, at) +
                              "      MinWidth        =   100\r\n      Left            =   240\r\n"
                              "      MinWidth        =   6000\r\n" +
                              kSmall.substr(at);
    const auto doc = FrmReader::read_bytes(twice, "twice.frm");
    Designer designer;
    const auto saved = designer.save(doc, [](zokKelvane& k) { EXPECT_EQ(k.MinWidth(), 6000); });
    const auto count = [&](const std::string& line) {
        size_t n = 0;
        for (const auto& l : lines_of(saved.frm_bytes)) n += l == line;
        return n;
    };
    EXPECT_EQ(count("      MinWidth        =   6000\r\n"), 1u) << saved.frm_bytes;
    EXPECT_EQ(count("      MinWidth        =   100\r\n"), 0u);
    for (const char* kept :
         {"      Left            =   120\r\n", "      Left            =   240\r\n",
          "      Custom          =   \"kept\"\r\n"})
        EXPECT_EQ(count(kept), 1u) << kept;
    const auto back = FrmReader::read_bytes(saved.frm_bytes, "twice.frm");
    EXPECT_DOUBLE_EQ(back.resizer()->find("Left")->number, 240);
    EXPECT_DOUBLE_EQ(back.resizer()->find("MinWidth")->number, 6000);
}

TEST(FrmWriter, TextIsWrittenInTheFilesCodePage) {
    const auto doc = FrmReader::read_bytes(kSmall, "small.frm");  // ASCII: taken as UTF-8
    const auto legacy = FrmReader::read_bytes(kSmall + "' K\xf6ln\r\n", "legacy.frm");
    ASSERT_EQ(legacy.encoding, "WINDOWS-1252");
    const auto saved =
        FrmWriter::save_resizer(legacy, {{"SubKey", Value(std::string("K\u00f6ln"))}});
    EXPECT_NE(saved.frm_bytes.find("SubKey          =   \"K\xf6ln\""), std::string::npos);
    EXPECT_THROW(FrmWriter::save_resizer(legacy, {{"SubKey", Value(std::string("\u0416"))}}),
                 FrmError);
    const auto utf8 = FrmWriter::save_resizer(doc, {{"SubKey", Value(std::string("\u0416"))}});
    EXPECT_NE(utf8.frm_bytes.find("\"\u0416\""), std::string::npos);
}

TEST(FrmWriter, NewResizerBlockAsTheDesignerPlacesIt) {
    const std::string form =
        "VERSION 5.00\nBegin VB.Form F\n   Begin VB.Label L\n   End\nEnd\n"
        "Attribute VB_Name = \"F\"\n";
    const auto doc = FrmReader::read_bytes(form, "f.frm");
    const auto placed = FrmReader::read_bytes(FrmWriter::add_resizer_block(doc, "zk1"), "f.frm");
    ASSERT_NE(placed.resizer(), nullptr);
    EXPECT_EQ(placed.resizer()->name, "zk1");
    EXPECT_EQ(placed.lines[1].text.rfind("Object = ", 0), 0u);
    EXPECT_NE(placed.lines[1].text.find("zokKL4VB.ocx"), std::string::npos);
    EXPECT_EQ(placed.lines.back().text, "Attribute VB_Name = \"F\"");
    // A second placement does not repeat the library line.
    const auto twice = FrmWriter::add_resizer_block(placed, "zk2");
    EXPECT_EQ(twice.find("zokKL4VB.ocx"), twice.rfind("zokKL4VB.ocx"));
}

// A form of the previous designer gets a resizer and its settings and stays what it was: its
// version line, its menus' shortcuts and every other line keep their bytes.
TEST(FrmWriter, AFormOfThePreviousDesignerKeepsItsVersionAndShortcuts) {
    const std::string path = data_dir() + "/oldmenus.frm";
    const auto doc = FrmReader::read_file(path);
    const auto placed = FrmReader::read_bytes(FrmWriter::add_resizer_block(doc, "zk1"), path);
    Designer designer;
    const auto saved =
        designer.save(placed, [](zokKelvane& k) { k.ControlSettings("txtBody \tKKKKK"); });
    const auto before = lines_of(slurp(path)), after = lines_of(saved.frm_bytes);
    EXPECT_EQ(after.front(), "VERSION 4.00\r\n");
    // Every line of the old file is there, in its order; only the library line and the
    // resizer's block are new.
    size_t at = 0;
    for (const auto& line : before) {
        while (at < after.size() && after[at] != line) ++at;
        ASSERT_LT(at, after.size()) << "lost: " << line;
        ++at;
    }
    EXPECT_NE(saved.frm_bytes.find("Shortcut        =   +^{F7}\r\n"), std::string::npos);
}
