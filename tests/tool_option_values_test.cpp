// Numbers and names given to the kelvane tool: a value that is not finite, out of its type's
// range or not something the form can take is refused with exit 2 and one line that names the
// option and says what is wrong, before anything is drawn or saved. And the steps that are
// taken do what they say: two drags in two containers both move their split.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "frm_test_util.h"
#include "tool_run.h"

using kv::test::Argv;
using kv::test::has;
using kv::test::run;
using kv::test::ScratchDir;
using kv::test::slurp;

namespace {

const std::string kDemo = std::string(KV_DOCS) + "/frmMail.frm";

// One line on standard error, ending in a newline.
bool one_line(const std::string& err) {
    return !err.empty() && err.back() == '\n' && err.find('\n') == err.size() - 1;
}

}  // namespace

TEST(OptionValues, StepNumbersAndKeysOutsideTheirRangeAreRefusedByName) {
    struct Case {
        Argv args;
        std::string says;  // part of the message
    };
    const Case cases[] = {
        {{"--size", "infxinf"},
         "--size: expected a size WIDTHxHEIGHT in twips such as "
         "9000x6000, found 'infxinf': 'inf' is not a finite number"},
        {{"--size", "3e9x6000"},
         "--size: expected a size WIDTHxHEIGHT in twips such as "
         "9000x6000, found '3e9x6000': '3e9' is not above 0 and at "
         "most 2147483647 twips"},
        {{"--size", "9000x0"}, "found '9000x0': a side of 0 twips or less is no size"},
        {{"--user-size", "nanx9000"}, "--user-size: expected a size WIDTHxHEIGHT"},
        {{"--user-size", "12000x-inf"}, "'-inf' is not a finite number"},
        {{"--drag", "1,2:nan,4"},
         "--drag: expected X,Y:X2,Y2[@CONTAINER], found '1,2:nan,4': 'nan' is not a finite "
         "number"},
        {{"--drag", "1,2:3,1e300"}, "'1e300' is not a coordinate a mouse event can carry"},
        {{"--drag", "1,2:3,4@optView(x)"},
         "--drag: expected X,Y:X2,Y2[@CONTAINER], found '1,2:3,4@optView(x)': 'optView(x)' is "
         "not a control key: expected NAME or NAME(INDEX) with INDEX a whole number from 0 to "
         "32767"},
        {{"--drag", "1,2:3,4@optView(99999999999)"}, "'optView(99999999999)' is not a control"},
        {{"--drag", "1,2:3,4@optView(1"}, "'optView(1' is not a control key"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        ScratchDir dir;
        const auto store = dir.path() / "s.sqlite";
        Argv args = {"layout", kDemo, "--store", store.string()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(has(r.err, "kelvane layout: " + c.args[0] + ": expected ")) << r.err;
        EXPECT_TRUE(has(r.err, c.says)) << r.err;
        EXPECT_TRUE(one_line(r.err)) << r.err;
        EXPECT_FALSE(std::filesystem::exists(store)) << "nothing may be saved";
    }
}

TEST(OptionValues, StepsTheFormCannotTakeNameTheStepInWords) {
    const std::pair<Argv, std::string> cases[] = {
        {{"--state", "min", "--user-size", "12000x9000"},
         "kelvane layout: --user-size 12000x9000: the form is minimised and cannot be resized; "
         "give --state normal before it\n"},
        {{"--state", "max", "--size", "12000x9000"},
         "kelvane layout: --size 12000x9000: the form is maximised and cannot be resized; give "
         "--state normal before it\n"},
    };
    for (const auto& [steps, says] : cases) {
        Argv args = {"layout", kDemo};
        args.insert(args.end(), steps.begin(), steps.end());
        const auto r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, says);
    }
    // Restored first, the same size is taken.
    const auto ok = run({"layout", kDemo, "--state", "min", "--state", "normal", "--user-size",
                         "12000x9000", "--json"});
    ASSERT_EQ(ok.status, 0) << ok.err;
    EXPECT_EQ(ok.json().at("form").at("width"), 12000);
}

TEST(OptionValues, RenderRefusesAPictureTooLargeToMake) {
    ScratchDir dir;
    const auto out = dir.path() / "big.png";
    const auto r = run({"render", kDemo, "--size", "99999999x99999999", "-o", out.string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(has(r.err,
                    "kelvane render: the form's client area of 99999879 x 99999594 twips "
                    "would be a picture of 6666659 x 6666640 pixels, more than 16384 "
                    "pixels a side"))
        << r.err;
    EXPECT_FALSE(has(r.err, "libpng"));
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(OptionValues, SetRefusesSizeLimitsWithNoMeaning) {
    struct Case {
        Argv assignments;
        std::string says;  // "" when taken
    };
    const std::string range =
        "expected a whole number of twips from 0 to 2147483647, or -1 for "
        "no limit, found ";
    const Case cases[] = {
        {{"MinWidth=-5"}, "kelvane set: MinWidth: " + range + "'-5'\n"},
        {{"MaxHeight=4294967295"}, "kelvane set: MaxHeight: " + range + "'4294967295'\n"},
        {{"MinHeight=2147483648"}, "kelvane set: MinHeight: " + range + "'2147483648'\n"},
        {{"MaxWidth=1e300"}, "kelvane set: MaxWidth: " + range + "'1e300'\n"},
        {{"MinWidth=8000", "MaxWidth=6000"},
         "kelvane set: MaxWidth 6000 is below MinWidth 8000; give a maximum of at least the "
         "minimum, or -1 for no limit\n"},
        // The demo form's own minimum height is 5400.
        {{"MaxHeight=4000"},
         "kelvane set: MaxHeight 4000 is below MinHeight 5400; give a "
         "maximum of at least the minimum, or -1 for no limit\n"},
        {{"MinWidth=-1", "MaxWidth=0"}, ""},
        {{"MinWidth=6000", "MaxWidth=6000", "MaxHeight=-1"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.assignments[0]);
        ScratchDir dir;
        std::filesystem::copy_file(kDemo, dir.path() / "frmMail.frm");
        std::filesystem::copy_file(std::string(KV_DOCS) + "/frmMail.frx",
                                   dir.path() / "frmMail.frx");
        const std::string frm = (dir.path() / "frmMail.frm").string();
        const std::string before = slurp(frm);
        Argv args = {"set", frm};
        args.insert(args.end(), c.assignments.begin(), c.assignments.end());
        const auto r = run(args);
        if (c.says.empty()) {
            EXPECT_EQ(r.status, 0) << r.err;
            continue;
        }
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, c.says);
        EXPECT_EQ(slurp(frm), before);
    }
}

// A container keeps the mouse capture after its drag until a move finds no divider; the tool's
// hand must come from elsewhere, or the next container's press finds the capture still held.
TEST(OptionValues, TwoDragsInTwoContainersBothMoveTheirSplit) {
    const std::string form = std::string(KV_TEST_DATA) + "/twopanes.frm";
    const auto r = run({"layout", form, "--drag", "1950,2000:1000,2000@picLeft", "--drag",
                        "1950,2000:3000,2000@picRight", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::map<std::string, double> width;
    const auto doc = r.json();
    for (const auto& c : doc.at("controls"))
        if (c.at("width").is_number())
            width[c.at("key").get<std::string>()] = c.at("width").get<double>();
    EXPECT_EQ(width["lstLeft"], 1000);
    EXPECT_EQ(width["txtLeft"], 2900);
    EXPECT_EQ(width["lstRight"], 3000);
    EXPECT_EQ(width["txtRight"], 900);
}
