// The controls page's preview shows the run time: with the same settings and the same size,
// every shadow stands where `kelvane layout` puts its control. Random settings (seeded) on the
// sample forms: mode letters the page cannot show as a choice, AddAllControls with and without
// buttons, panes, aligned bars, list boxes of whole lines, containers in pixels, lines.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>

#include "frm_test_util.h"
#include "tool_run.h"

using kv::test::run;
using kv::test::ScratchDir;
using kv::test::spit;
using nlohmann::json;

namespace {

struct Place {
    bool line = false;
    double a, b, c, d;  // left top width height, or x1 y1 x2 y2
};

struct Preview {
    std::string size;                // "WxH"
    std::vector<std::string> sizes;  // the form's sizes on the way there
    std::map<std::string, Place> controls;
};

Preview parse_preview(const std::string& out) {
    Preview p;
    std::istringstream in(out);
    bool in_preview = false;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (first == "preview") {
            std::string name;
            words >> name >> p.size;
            in_preview = true;
            continue;
        }
        in_preview = in_preview && line.rfind("  ", 0) == 0;
        if (!in_preview) continue;
        if (first == "sizes") {
            for (std::string size; words >> size;) p.sizes.push_back(size);
            continue;
        }
        Place place;
        std::string next;
        words >> next;
        if (next == "line") {
            place.line = true;
            words >> place.a >> place.b >> place.c >> place.d;
        } else {
            place.a = std::stod(next);
            words >> place.b >> place.c >> place.d;
        }
        p.controls[first] = place;
    }
    return p;
}

struct Control {
    std::string key, type, container;
};

// The controls of a form as `layout` lists them.
std::vector<Control> controls_of(const std::string& form) {
    const auto r = run({"layout", form, "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<Control> out;
    const json doc = r.json();
    for (const auto& c : doc.at("controls"))
        out.push_back({c.at("key"), c.at("type"),
                       c.at("container").is_null() ? "" : c.at("container").get<std::string>()});
    return out;
}

class Settings {
  public:
    explicit Settings(uint32_t seed) : rng_(seed) {}

    // Letters the run time reads: the page's own choices, any mix of K A R C F, short texts.
    std::string letters() {
        static const char kLetters[] = "KARFC";
        std::string s;
        const int n = pick(8) == 0 ? static_cast<int>(pick(5)) : 5;
        for (int i = 0; i < n; ++i) s += kLetters[pick(5)];
        return s;
    }
    std::string control_settings(const std::vector<Control>& controls) {
        std::string text;
        for (const auto& c : controls) {
            if (c.type == "zokKelvane" || pick(3) == 0) continue;
            if (!text.empty()) text += "\n";
            text += c.key + " \t" + letters();
        }
        return text;
    }
    // Two or three controls of one container that a pane may hold, or none.
    std::string pane_settings(const std::vector<Control>& controls) {
        if (pick(3) != 0) return {};
        std::map<std::string, std::vector<std::string>> by_container;
        for (const auto& c : controls)
            if (c.type == "ListBox" || c.type == "TextBox" || c.type == "PictureBox")
                by_container[c.container].push_back(c.key);
        std::vector<std::vector<std::string>> candidates;
        for (auto& [container, keys] : by_container)
            if (keys.size() >= 2) candidates.push_back(keys);
        if (candidates.empty()) return {};
        const auto& keys = candidates[pick(candidates.size())];
        const size_t n = std::min<size_t>(keys.size(), 2 + pick(2));
        std::string line;
        for (size_t i = 0; i < n; ++i) line += (i ? " " : "") + keys[i];
        return line;
    }
    bool coin() { return pick(2) == 0; }
    // A drag of the size handle, in the preview's twips: smaller or larger.
    int drag() { return static_cast<int>(pick(3200)) - 1000; }

  private:
    size_t pick(size_t n) { return static_cast<size_t>(rng_() % n); }
    std::mt19937 rng_;
};

TEST(DesignPreview, TheShadowsStandWhereTheRunTimePutsTheControls) {
    // The sample forms, and the README's mail form (aligned tool and status bars, a frame).
    const std::vector<std::string> forms = {
        "plain.frm", "customer.frm", "nested.frm",     "pixels.frm",  "preview.frm", "twopanes.frm",
        "grid.frm",  "tabs.frm",     "thirdparty.frm", "checkme.frm", "frmMail.frm"};
    constexpr int kCasesPerForm = 22;
    int cases = 0, controls_compared = 0;
    for (size_t f = 0; f < forms.size(); ++f) {
        ScratchDir dir;
        std::string form;
        if (forms[f] == "frmMail.frm") {
            form = (dir.path() / forms[f]).string();
            const auto source = std::filesystem::path(KV_DOCS) / forms[f];
            std::filesystem::copy_file(source, form);
            std::filesystem::copy_file(std::filesystem::path(source).replace_extension(".frx"),
                                       dir.path() / "frmMail.frx");
        } else {
            form = dir.copy_sample(forms[f]);
        }
        const auto controls = controls_of(form);
        for (int k = 0; k < kCasesPerForm; ++k) {
            const uint32_t seed = static_cast<uint32_t>(1000 * f + k);
            SCOPED_TRACE(forms[f] + " seed " + std::to_string(seed));
            Settings s(seed);
            const std::string cs = s.control_settings(controls), ps = s.pane_settings(controls);
            const std::string add_all = s.coin() ? "True" : "False";
            const std::string add_fonts = s.coin() ? "True" : "False";
            const std::string script = "drag " + std::to_string(s.drag()) + "," +
                                       std::to_string(s.drag()) + "\npreview\ncancel\n";
            SCOPED_TRACE("ControlSettings:\n" + cs + "\nPaneSettings: " + ps + "\nAddAllControls " +
                         add_all + ", AddAllFontsButtons " + add_fonts + "\n" + script);
            spit(dir.path() / "cs.txt", cs);
            spit(dir.path() / "ps.txt", ps);
            const auto set =
                run({"set", form, "ControlSettings=@" + (dir.path() / "cs.txt").string(),
                     "PaneSettings=@" + (dir.path() / "ps.txt").string(),
                     "AddAllControls=" + add_all, "AddAllFontsButtons=" + add_fonts});
            ASSERT_EQ(set.status, 0) << set.err;
            spit(dir.path() / "script.txt", script);
            const auto design =
                run({"design", form, "--script", (dir.path() / "script.txt").string()});
            ASSERT_EQ(design.status, 0) << design.err << design.out;
            const Preview preview = parse_preview(design.out);
            ASSERT_FALSE(preview.size.empty()) << design.out;
            ASSERT_FALSE(preview.controls.empty()) << design.out;
            // The run time goes through the sizes the preview went through, as a user's drag.
            kv::test::Argv args = {"layout", form, "--json"};  // an empty store: no placement
            for (const auto& size : preview.sizes) args.insert(args.end(), {"--size", size});
            const auto layout = run(args);
            ASSERT_EQ(layout.status, 0) << layout.err;
            ++cases;
            const json doc = layout.json();
            for (const auto& c : doc.at("controls")) {
                const auto shown = preview.controls.find(c.at("key").get<std::string>());
                if (shown == preview.controls.end()) continue;  // no place, or added at run time
                SCOPED_TRACE(shown->first);
                const Place& p = shown->second;
                const char* names[4] = {"left", "top", "width", "height"};
                if (p.line) names[0] = "x1", names[1] = "y1", names[2] = "x2", names[3] = "y2";
                const double want[4] = {p.a, p.b, p.c, p.d};
                for (int i = 0; i < 4; ++i) {
                    ASSERT_FALSE(c.at(names[i]).is_null()) << names[i];
                    EXPECT_NEAR(c.at(names[i]).get<double>(), want[i], 1e-6) << names[i];
                }
                ++controls_compared;
            }
        }
    }
    std::cout << "compared the preview with the run time in " << cases << " cases ("
              << controls_compared << " controls)\n";
    RecordProperty("cases", cases);
    EXPECT_GE(cases, 200);
}

}  // namespace
