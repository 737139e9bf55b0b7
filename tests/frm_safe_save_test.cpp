// Saving a form and its .frx all or nothing, writing only the form's own .frx, and refusing
// files that are no form before reading them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "frm_test_util.h"
#include "host/frm/FrmError.h"
#include "host/frm/FrmReader.h"
#include "host/frm/FrmWriter.h"

using namespace kv;
using namespace kv::frm;
using kv::test::ScratchDir;
using kv::test::slurp;
using kv::test::spit;

namespace {

const std::string kForm =
    "VERSION 5.00\r\nBegin VB.Form F \r\n   Begin VB.Label lbl \r\n"
    "      Tag             =   \"other.frx\":0000\r\n   End\r\n"
    "   Begin zokKL4VB.zokKelvane zk \r\n      _ExtentX        =   847\r\n   End\r\nEnd\r\n";

// The save a settings change makes: a new form text and a new .frx.
SavedForm change(const std::string& folder) {
    SavedForm s;
    s.frm_bytes = std::string(20000, 'x');
    s.frx_changed = true;
    s.frx_path = folder + "/F.frx";
    s.frx_bytes = std::string(100, 'n');
    return s;
}

// Names in the folder, so that a test can see no temporary file was left behind.
std::vector<std::string> listing(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs the save in a child process under a file-size limit (its signal ignored, so writes fail
// with an error as on a full disk); returns the child's message.
std::string save_under_size_limit(const std::string& frm, const SavedForm& saved, rlim_t limit) {
    int fds[2];
    if (pipe(fds) != 0) return "no pipe";
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit lim{limit, limit};
        setrlimit(RLIMIT_FSIZE, &lim);
        std::string message = "saved";
        try {
            FrmWriter::write_files(frm, saved);
        } catch (const FrmError& e) {
            message = e.what();
        }
        if (write(fds[1], message.data(), message.size()) < 0) _exit(3);
        _exit(0);
    }
    close(fds[1]);
    std::string message;
    char buf[512];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) message.append(buf, size_t(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return message;
}

}  // namespace

TEST(SafeSave, WriteFailingHalfWayLeavesBothFilesAsTheyWere) {
    ScratchDir dir;
    const std::string frm = (dir.path() / "F.frm").string();
    spit(frm, kForm);
    spit(dir.path() / "F.frx", "old frx");
    const auto before = listing(dir.path());
    // The .frx fits under the limit, the form does not: the form fails after the .frx is written.
    const std::string message = save_under_size_limit(frm, change(dir.path().string()), 4096);
    EXPECT_NE(message.find(frm + ": cannot write the file"), std::string::npos) << message;
    EXPECT_NE(message.find("File too large"), std::string::npos) << message;
    EXPECT_EQ(slurp(frm), kForm);
    EXPECT_EQ(slurp(dir.path() / "F.frx"), "old frx");
    EXPECT_EQ(listing(dir.path()), before);
}

TEST(SafeSave, ReadOnlyFormLeavesTheWritableFrxUntouched) {
    ScratchDir dir;
    const std::string frm = (dir.path() / "F.frm").string();
    spit(frm, kForm);
    spit(dir.path() / "F.frx", "old frx");
    chmod(frm.c_str(), 0444);
    try {
        FrmWriter::write_files(frm, change(dir.path().string()));
        FAIL() << "a read-only form was replaced";
    } catch (const FrmError& e) {
        EXPECT_EQ(e.file(), frm);
        EXPECT_NE(std::string(e.what()).find("read-only"), std::string::npos) << e.what();
    }
    EXPECT_EQ(slurp(frm), kForm);
    EXPECT_EQ(slurp(dir.path() / "F.frx"), "old frx");
}

TEST(SafeSave, SavedFilesKeepTheirPermissions) {
    ScratchDir dir;
    const std::string frm = (dir.path() / "F.frm").string();
    spit(frm, kForm);
    spit(dir.path() / "F.frx", "old frx");
    chmod(frm.c_str(), 0640);
    chmod((dir.path() / "F.frx").c_str(), 0604);
    const auto saved = change(dir.path().string());
    FrmWriter::write_files(frm, saved);
    EXPECT_EQ(slurp(frm), saved.frm_bytes);
    EXPECT_EQ(slurp(dir.path() / "F.frx"), saved.frx_bytes);
    struct stat st {};
    stat(frm.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    stat((dir.path() / "F.frx").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
}

// A reference to another plain file beside the form is read, but entries are only ever written
// to the form's own .frx.
TEST(SafeSave, EntriesGoToTheFormsOwnFrxOnly) {
    ScratchDir dir;
    const std::string frm = (dir.path() / "F.frm").string();
    spit(frm, kForm);
    spit(dir.path() / "other.frx", std::string("\x03\0\0\0abc", 7));
    const auto doc = FrmReader::read_file(frm);
    EXPECT_EQ(doc.frx_name(), "F.frx");
    const auto saved =
        FrmWriter::save_resizer(doc, {{"ControlSettings", Value(std::string("a \tKKKKK\r\nb"))}});
    ASSERT_TRUE(saved.frx_changed);
    EXPECT_EQ(saved.frx_path, (dir.path() / "F.frx").string());
    EXPECT_NE(saved.frm_bytes.find("\"F.frx\":0000"), std::string::npos);
    FrmWriter::write_files(frm, saved);
    EXPECT_EQ(slurp(dir.path() / "other.frx"), std::string("\x03\0\0\0abc", 7));
}

TEST(SafeSave, FilesThatAreNoFormAreRefusedBeforeReading) {
    ScratchDir dir;
    const std::string big = (dir.path() / "big.frm").string();
    spit(big, "VERSION 5.00\r\n");
    ASSERT_EQ(truncate(big.c_str(), 64 * 1024 * 1024 + 1), 0);  // sparse: costs no disk
    const std::string fifo = (dir.path() / "pipe.frm").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path, message;
    } cases[] = {
        {dir.path().string(), "expected a form file, found a folder"},
        {"/dev/zero", "expected a form file, found a device, pipe or socket"},
        {fifo, "expected a form file, found a device, pipe or socket"},
        {big, "expected a form file of at most 64 MB, found 67108865 bytes"},
        {(dir.path() / "none.frm").string(), "cannot read the file: No such file or directory"},
    };
    for (const auto& c : cases) {
        try {
            FrmReader::read_file(c.path);
            ADD_FAILURE() << c.path << " was read";
        } catch (const FrmError& e) {
            EXPECT_EQ(std::string(e.what()), c.path + ": " + c.message);
        }
    }
}
