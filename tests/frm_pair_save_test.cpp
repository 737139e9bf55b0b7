// The form and its .frx as one: a save killed at any instant leaves the old or the new pair (the
// next read finishes it), readers never meet a half-replaced pair, two saves at once lose
// nothing, links are never written or read through, and nothing is saved that would not read
// back.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "frm_test_util.h"
#include "host/frm/AtomicFileSet.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmLoader.h"
#include "host/frm/FrmReader.h"
#include "host/frm/FrmWriter.h"
#include "tool_run.h"

using namespace kv;
using namespace kv::frm;
using kv::test::has;
using kv::test::run;
using kv::test::ScratchDir;
using kv::test::slurp;
using kv::test::spit;
namespace fs = std::filesystem;

namespace {

std::string entry(const std::string& text) {
    const auto n = static_cast<uint32_t>(text.size());
    std::string e;
    for (int i = 0; i < 4; ++i) e += static_cast<char>((n >> (8 * i)) & 0xFF);
    return e + text;
}

// A form whose label caption and resizer settings live in its .frx: the caption at 0, the
// settings after it.
struct Pair {
    std::string frm, frx;
};

Pair pair_with(const std::string& settings, const std::string& caption = "Ready\r\nSet") {
    const std::string caption_entry = entry(caption);
    char offset[8];
    std::snprintf(offset, sizeof offset, "%04zX", caption_entry.size());
    Pair p;
    p.frm =
        "VERSION 5.00\r\nBegin VB.Form F \r\n   ClientWidth = 4000\r\n   ClientHeight = 3000\r\n"
        "   Begin VB.Label lblStatus \r\n      Caption = \"F.frx\":0000\r\n"
        "      Width = 1000\r\n      Height = 300\r\n   End\r\n"
        "   Begin zokKL4VB.zokKelvane zk \r\n      _ExtentX = 847\r\n"
        "      ControlSettings = \"F.frx\":" +
        std::string(offset) + "\r\n   End\r\nEnd\r\n";
    p.frx = caption_entry + entry(settings);
    return p;
}

const std::string kOld = "lblStatus \tKKKKK";
const std::string kNew = "lblStatus \tAAKKK\r\nzk \tKKKKK";

std::vector<std::string> hidden_files(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().filename().string()[0] == '.') names.push_back(e.path().filename().string());
    return names;
}

// The resizer's ControlSettings as a fresh read finds them.
std::string settings_on_disk(const std::string& frm) {
    const auto doc = FrmReader::read_file(frm);
    return doc.frx_text(*doc.resizer()->find("ControlSettings")).substr(0);
}

std::string caption_on_disk(const std::string& frm) {
    const auto doc = FrmReader::read_file(frm);
    const auto* label = &doc.form.children.front();
    return doc.frx_text(*label->find("Caption"));
}

// The save of kNew, run in a child process that ends itself at `stage` of the save.
void save_killed_at(const std::string& frm, const std::string& stage) {
    const pid_t pid = fork();
    if (pid == 0) {
        AtomicFileSet::set_fault_hook([&](const std::string& reached) {
            if (reached == stage) _exit(9);
        });
        try {
            const auto doc = FrmReader::read_file(frm);
            FrmWriter::write_files(
                doc, FrmWriter::save_resizer(doc, {{"ControlSettings", Value(kNew)}}));
        } catch (...) {
            _exit(3);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), stage.empty() ? 0 : 9) << stage;
}

}  // namespace

// A kill at each stage of the save: before its promise the old pair stays, after it the next
// read finishes the save; either way the pair reads and no temporary is left.
TEST(PairSave, KillAtAnyStageLeavesTheOldOrTheNewPair) {
    const struct {
        const char* stage;
        bool saved;
    } cases[] = {{"written", false},
                 {"promised", true},
                 {"renamed 1", true},  // the new .frx beside the old form
                 {"renamed 2", true},
                 {"", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stage);
        ScratchDir dir;
        const auto frm = (dir.path() / "F.frm").string();
        const Pair before = pair_with(kOld);
        spit(frm, before.frm);
        spit(dir.path() / "F.frx", before.frx);
        save_killed_at(frm, c.stage);
        EXPECT_EQ(settings_on_disk(frm), c.saved ? kNew : kOld);
        EXPECT_EQ(caption_on_disk(frm), "Ready\r\nSet");
        EXPECT_TRUE(hidden_files(dir.path()).empty()) << hidden_files(dir.path()).front();
        if (!c.saved) {
            EXPECT_EQ(slurp(frm), before.frm);
        }
    }
}

// The same kill under `set` itself, finished by the next save instead of a read.
TEST(PairSave, TheNextSaveFinishesAnInterruptedOne) {
    ScratchDir dir;
    const auto frm = (dir.path() / "F.frm").string();
    const Pair before = pair_with(kOld);
    spit(frm, before.frm);
    spit(dir.path() / "F.frx", before.frx);
    save_killed_at(frm, "renamed 1");
    FrmWriter::write_files(
        frm, SavedForm{before.frm, true, (dir.path() / "F.frx").string(), before.frx});
    EXPECT_EQ(slurp(frm), before.frm);
    EXPECT_EQ(slurp(dir.path() / "F.frx"), before.frx);
    EXPECT_TRUE(hidden_files(dir.path()).empty());
}

// What an earlier version of the program left when killed between its two renames: the new
// .frx beside the old form, the new form and the old .frx hidden beside them.
TEST(PairSave, LeftoversOfAnEarlierVersionAreFinishedOrCleaned) {
    const Pair old_pair = pair_with(kOld), new_pair = pair_with(kNew, "Gone");
    for (const bool renamed_frx : {true, false}) {
        SCOPED_TRACE(renamed_frx);
        ScratchDir dir;
        const auto frm = (dir.path() / "F.frm").string();
        spit(frm, old_pair.frm);
        spit(dir.path() / "F.frx", renamed_frx ? new_pair.frx : old_pair.frx);
        spit(dir.path() / ".F.frm.new.a1b2c3", new_pair.frm);
        if (!renamed_frx) spit(dir.path() / ".F.frx.new.d4e5f6", new_pair.frx);
        spit(dir.path() / ".F.frx.old.g7h8i9", old_pair.frx);
        spit(dir.path() / ".F.frm.old.j0k1l2", old_pair.frm);
        EXPECT_EQ(settings_on_disk(frm), renamed_frx ? kNew : kOld);
        EXPECT_EQ(caption_on_disk(frm), renamed_frx ? "Gone" : "Ready\r\nSet");
        EXPECT_TRUE(hidden_files(dir.path()).empty());
    }
}

// A reader racing a stream of saves always finds a pair that belongs together.
TEST(PairSave, ReadersNeverMeetAHalfReplacedPair) {
    ScratchDir dir;
    const auto frm = (dir.path() / "F.frm").string();
    const Pair first = pair_with(kOld, "A");
    spit(frm, first.frm);
    spit(dir.path() / "F.frx", first.frx);
    const pid_t pid = fork();
    if (pid == 0) {
        for (int i = 0; i < 40; ++i) {
            // Alternate texts of different lengths, so that offsets move with every save.
            const Pair p = pair_with(i % 2 ? kNew : kOld, std::string(1 + (i % 7) * 5, 'c'));
            try {
                FrmWriter::write_files(
                    frm, SavedForm{p.frm, true, (dir.path() / "F.frx").string(), p.frx});
            } catch (...) {
                _exit(3);
            }
        }
        _exit(0);
    }
    int failures = 0, reads = 0;
    for (int status = 0; waitpid(pid, &status, WNOHANG) == 0; ++reads) {
        try {
            const std::string s = settings_on_disk(frm);
            if (s != kOld && s != kNew) ++failures;
        } catch (const FrmError&) {
            ++failures;
        }
    }
    EXPECT_EQ(failures, 0) << "of " << reads << " reads";
}

// Two sets of one form at once: the second waits for the first and keeps its change.
TEST(PairSave, TwoSetsAtOnceKeepBothChanges) {
    ScratchDir dir;
    const auto frm = (dir.path() / "F.frm").string();
    const Pair p = pair_with(kOld);
    for (int round = 0; round < 6; ++round) {
        spit(frm, p.frm);
        spit(dir.path() / "F.frx", p.frx);
        pid_t kids[2];
        const char* assignments[2] = {"SubKey=Round", "PaneSettings=lblStatus zk"};
        for (int k = 0; k < 2; ++k) {
            kids[k] = fork();
            if (kids[k] == 0) _exit(run({"set", frm, assignments[k]}).status);
        }
        for (pid_t kid : kids) {
            int status = 0;
            waitpid(kid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const std::string now = slurp(frm);
        EXPECT_TRUE(has(now, "SubKey          =   \"Round\"")) << now;
        EXPECT_TRUE(has(now, "PaneSettings    =   \"lblStatus zk\"")) << now;
    }
}

TEST(PairSave, AFormChangedSinceItWasReadIsNotOverwritten) {
    ScratchDir dir;
    const auto frm = (dir.path() / "F.frm").string();
    const Pair p = pair_with(kOld);
    spit(frm, p.frm);
    spit(dir.path() / "F.frx", p.frx);
    for (const char* changed : {"F.frm", "F.frx"}) {
        SCOPED_TRACE(changed);
        const auto doc = FrmReader::read_file(frm);
        const auto saved = FrmWriter::save_resizer(doc, {{"ControlSettings", Value(kNew)}});
        const std::string by_other = slurp(dir.path() / changed) + "\r\n";
        spit(dir.path() / changed, by_other);
        try {
            FrmWriter::write_files(doc, saved);
            ADD_FAILURE() << "saved over another program's change";
        } catch (const FrmError& e) {
            EXPECT_TRUE(has(e.what(), "changed by another program")) << e.what();
        }
        EXPECT_EQ(slurp(dir.path() / changed), by_other);
        spit(frm, p.frm);
        spit(dir.path() / "F.frx", p.frx);
    }
}

// Another control's caption may share the resizer's .frx entry: a new settings text goes to a
// new entry and the caption keeps its bytes.
TEST(PairSave, AnEntryAnotherPropertySharesKeepsItsBytes) {
    ScratchDir dir;
    const auto frm = (dir.path() / "F.frm").string();
    Pair p = pair_with(kOld, "x");
    // Both point at the one entry at the end of the file.
    p.frm.replace(p.frm.find("Caption = \"F.frx\":0000"), 22, "Caption = \"F.frx\":0005");
    spit(frm, p.frm);
    spit(dir.path() / "F.frx", p.frx);
    ASSERT_EQ(caption_on_disk(frm), kOld);
    spit(dir.path() / "s.txt", "lblStatus \tAAKKK\nzk \tKKKKK\n");
    const auto r = run({"set", frm, "ControlSettings=@" + (dir.path() / "s.txt").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(caption_on_disk(frm), kOld);
    EXPECT_EQ(settings_on_disk(frm), kNew);
}

// A .frx that is a link is neither read through nor written: its target could be any file.
TEST(PairSave, AFrxThatIsALinkIsNeitherReadNorWrittenThrough) {
    ScratchDir dir;
    const auto frm = (dir.path() / "F.frm").string();
    const Pair p = pair_with(kOld);
    spit(frm, p.frm);
    spit(dir.path() / "secret", p.frx + "password");
    fs::create_symlink(dir.path() / "secret", dir.path() / "F.frx");
    const auto r = run({"set", frm, "ControlSettings=a \tKKKKK\r\nb \tKKKKK"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, "symbolic link")) << r.err;
    EXPECT_TRUE(fs::is_symlink(dir.path() / "F.frx"));
    EXPECT_EQ(slurp(dir.path() / "secret"), p.frx + "password");
    EXPECT_EQ(slurp(frm), p.frm);
    const auto layout = run({"layout", frm});
    EXPECT_EQ(layout.status, 2);
    EXPECT_TRUE(has(layout.err, frm + ":")) << layout.err;
    EXPECT_TRUE(has(layout.err, "symbolic link")) << layout.err;
}

// A form that is a link is saved into the file it names, with its .frx beside that file; the
// link stays a link.
TEST(PairSave, AFormThatIsALinkIsSavedToItsTarget) {
    ScratchDir dir;
    fs::create_directories(dir.path() / "real");
    const auto target = (dir.path() / "real" / "F.frm").string();
    const Pair p = pair_with(kOld);
    spit(target, p.frm);
    spit(dir.path() / "real" / "F.frx", p.frx);
    const auto link = dir.path() / "Link.frm";
    fs::create_symlink(target, link);
    const auto r = run({"set", link.string(), "ControlSettings=" + kNew});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(settings_on_disk(target), kNew);
    EXPECT_FALSE(fs::exists(dir.path() / "Link.frx"));
}

// Names as long as a file name may be: the temporary files beside them stay short.
TEST(PairSave, FormsWithTheLongestNamesSave) {
    for (const size_t length : {244u, 251u}) {
        SCOPED_TRACE(length);
        ScratchDir dir;
        const std::string stem(length, 'n');
        const auto frm = (dir.path() / (stem + ".frm")).string();
        Pair p = pair_with(kOld);
        for (size_t at; (at = p.frm.find("\"F.frx\"")) != std::string::npos;)
            p.frm.replace(at, 7, "\"" + stem + ".frx\"");
        spit(frm, p.frm);
        spit(dir.path() / (stem + ".frx"), p.frx);
        const auto r = run({"set", frm, "ControlSettings=" + kNew, "SubKey=long"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(settings_on_disk(frm), kNew);
    }
}

TEST(PairSave, AFrxNameLongerThanAFileNameIsRefusedAtItsLine) {
    ScratchDir dir;
    const auto frm = (dir.path() / "F.frm").string();
    Pair p = pair_with(kOld);
    const auto at = p.frm.find("\"F.frx\":0000");
    p.frm.replace(at, 7, "\"" + std::string(300, 'x') + ".frx\"");
    spit(frm, p.frm);
    const auto r = run({"layout", frm});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, frm + ":6: expected a .frx file name of at most 255 bytes")) << r.err;
}

// Nothing is saved that the reader would refuse: the form's size is checked before writing,
// and a text file larger than any form is refused before it is read.
TEST(PairSave, AValueTooBigToReadBackIsRefusedBeforeWriting) {
    const Pair p = pair_with(kOld);
    const auto doc = FrmReader::read_bytes(p.frm, "F.frm");
    const std::string half(34u * 1024 * 1024, 'v');
    try {
        FrmWriter::save_resizer(doc, {{"SubKey", Value(half)}, {"PaneSettings", Value(half)}});
        ADD_FAILURE() << "a form larger than the reader takes was made";
    } catch (const FrmError& e) {
        EXPECT_TRUE(has(e.what(), "more than the 64 MB a form file may have")) << e.what();
    }
    ScratchDir dir;
    const auto frm = (dir.path() / "F.frm").string();
    spit(frm, p.frm);
    const auto big = dir.path() / "big.txt";
    spit(big, "x");
    fs::resize_file(big, 65u * 1024 * 1024);  // sparse: costs no disk
    const auto r = run({"set", frm, "SubKey=@" + big.string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err, "more than the 64 MB a form file may have")) << r.err;
    EXPECT_EQ(slurp(frm), p.frm);
}
