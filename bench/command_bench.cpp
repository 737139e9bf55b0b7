// command_bench: every kelvane command, whole, on a large form: the wall time and the peak
// memory of each run, against the targets (5 s and 1 GB each). See --help.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "bench/BigForm.h"

namespace fs = std::filesystem;

namespace {

const char* kUsage =
    "usage: command_bench [--kelvane PATH] [--controls N] [--design-controls M]\n"
    "                     [--store-depth D] [--only WORD] [--keep DIR]\n"
    "Runs each kelvane command once on a form of N controls (default 100000) in panels of ten,\n"
    "its resizer set up for every control (ControlSettings of N lines), and prints the wall\n"
    "time, the CPU time (user and system) and the peak memory (maximum resident set) of each\n"
    "run, marking runs over the targets of 5 s of CPU and 1 GB (the wall time waits for other\n"
    "programs on a shared machine). `design --script` runs on a form of M controls (default\n"
    "20000);\n"
    "`store list --recursive` on a key D levels deep (default 500), and `store set` is given\n"
    "a key 10000 levels deep, which it refuses. --kelvane: the tool (default: beside this\n"
    "program); --only: run the commands whose line contains WORD; --keep: make the forms in\n"
    "DIR and leave them there. `run` needs the Qt host and runs on the offscreen platform.\n"
    "Exit status 1 when a run failed or missed a target.\n";

struct Measured {
    double seconds = 0;      // wall time
    double cpu_seconds = 0;  // user and system time: what the run costs on a machine of its own
    double peak_mb = 0;
    int status = 0;
    std::string err;
};

// Runs the tool with `args` (its output to /dev/null, its errors kept) and measures it.
Measured measure(const std::string& tool, const std::vector<std::string>& args,
                 const fs::path& dir) {
    const fs::path err_file = dir / "stderr.txt";
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!freopen("/dev/null", "w", stdout) || !freopen(err_file.c_str(), "w", stderr))
            _exit(127);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(tool.c_str()));
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(tool.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Measured m;
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.peak_mb = usage.ru_maxrss / 1024.0;
    m.cpu_seconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                    usage.ru_stime.tv_usec / 1e6;
    m.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::ifstream in(err_file);
    std::getline(in, m.err);
    return m;
}

void write_file(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A form of `controls` controls as DIR/NAME.frm and .frx.
std::string make_form(const fs::path& dir, const std::string& name, int controls) {
    kv::bench::BigFormSpec spec;
    spec.controls = controls;
    spec.name = "frm" + name;
    spec.frx_name = name + ".frx";
    const auto form = kv::bench::big_form(spec);
    write_file(dir / (name + ".frm"), form.frm);
    write_file(dir / (name + ".frx"), form.frx);
    return (dir / (name + ".frm")).string();
}

std::string deep_key(int depth) {
    std::string key = "Software";
    for (int i = 1; i < depth; ++i) key += "\\k" + std::to_string(i);
    return key;
}

}  // namespace

int main(int argc, char** argv) {
    std::string tool = (fs::path(argv[0]).parent_path() / "kelvane").string();
    int controls = 100000, design_controls = 20000, store_depth = 500;
    std::string only, keep;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::cerr << kUsage;
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (a == "--kelvane") {
            tool = next();
        } else if (a == "--controls") {
            controls = std::atoi(next().c_str());
        } else if (a == "--design-controls") {
            design_controls = std::atoi(next().c_str());
        } else if (a == "--store-depth") {
            store_depth = std::atoi(next().c_str());
        } else if (a == "--only") {
            only = next();
        } else if (a == "--keep") {
            keep = next();
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    if (access(tool.c_str(), X_OK) != 0 || controls < 1 || design_controls < 1) {
        std::cerr << kUsage;
        return 2;
    }
    fs::path dir =
        keep.empty() ? fs::temp_directory_path() / ("kv-command-bench-" + std::to_string(getpid()))
                     : fs::path(keep);
    fs::create_directories(dir);
    const std::string form = make_form(dir, "big", controls);
    const std::string small = make_form(dir, "design", design_controls);
    const std::string store = (dir / "store.sqlite").string();
    {
        std::string settings;
        for (int p = 0; p < controls / 10; ++p)
            settings += "pic" + std::to_string(p) + " \tKKAAK\n";
        write_file(dir / "settings.txt", settings);
        write_file(dir / "design.txt",
                   "click c0_1\nchoice 3\nview 1\ndrag 1500,900\npage Panels\npage Code\ncode\n"
                   "apply\nok\n");
    }
    const std::string n = std::to_string(controls);
    struct Case {
        std::string label;
        std::vector<std::string> args;
        int expect_status = 0;
    };
    const std::vector<Case> cases = {
        {"layout (" + n + " controls)", {"layout", form, "--user-size", "40000x30000"}},
        {"layout --store (" + n + ", the close saves)",
         {"layout", form, "--user-size", "40000x30000", "--store", store}},
        {"layout --json (" + n + ")", {"layout", form, "--json"}},
        {"check (" + n + ")", {"check", form}},
        {"code (" + n + " settings lines)", {"code", form}},
        {"render (" + n + ")", {"render", form, "-o", (dir / "big.png").string()}},
        {"set SubKey (" + n + ")", {"set", form, "SubKey=bench"}},
        {"set ControlSettings=@FILE (" + std::to_string(controls / 10) + " lines)",
         {"set", form, "ControlSettings=@" + (dir / "settings.txt").string()}},
        {"run --user-size (" + n + ", Qt offscreen)", {"run", form, "--user-size", "40000x30000"}},
        {"design --script (" + std::to_string(design_controls) + " controls)",
         {"design", small, "--script", (dir / "design.txt").string()}},
        {"store set, a key " + std::to_string(store_depth) + " levels deep",
         {"store", "--store", store, "set", deep_key(store_depth), "v", "1"}},
        {"store list --recursive, " + std::to_string(store_depth) + " levels",
         {"store", "--store", store, "list", "--recursive", "Software"}},
        {"store set, a key 10000 levels deep (refused)",
         {"store", "--store", store, "set", deep_key(10000), "v", "1"},
         2},
    };
    std::printf("%-52s %8s %8s %9s\n", "command", "wall s", "cpu s", "peak MB");
    bool missed = false;
    for (const auto& c : cases) {
        if (!only.empty() && c.label.find(only) == std::string::npos) continue;
        const Measured m = measure(tool, c.args, dir);
        // On a shared machine the wall time waits for others: the target holds for the CPU time.
        const bool over = m.cpu_seconds > 5.0 || m.peak_mb > 1024.0;
        const bool failed = m.status != c.expect_status;
        missed = missed || over || failed;
        std::printf("%-52s %8.2f %8.2f %9.1f  %s%s\n", c.label.c_str(), m.seconds, m.cpu_seconds,
                    m.peak_mb, over ? "OVER TARGET " : "",
                    failed ? ("exit " + std::to_string(m.status) + ": " + m.err).c_str() : "");
        std::fflush(stdout);
    }
    if (keep.empty()) fs::remove_all(dir);
    return missed ? 1 : 0;
}
