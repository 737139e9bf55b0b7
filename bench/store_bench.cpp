// Settings store speed: a durable write is one synced transaction; reads are what a form's load
// does (five placement values).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "host/store/MemorySettingsStore.h"
#include "host/store/SqliteSettingsStore.h"

namespace {

using kv::store::kCurrentUser;
constexpr const char* kKey =
    "Software\\Quillon\\Kelvane for VB6\\Forms\\Empty SubKey\\frmMain\\frmMain";

std::string temp_store_path(const char* folder) {
    const char* env = std::getenv("KV_BENCH_DIR");  // a real disk shows the cost of syncing
    std::filesystem::path dir = std::filesystem::path(env && *env ? env : "/tmp") / folder;
    std::filesystem::remove_all(dir);
    return (dir / "settings.sqlite").string();
}

void BM_SqliteWrite(benchmark::State& state) {
    const std::string path = temp_store_path("kv_bench_write");
    kv::store::SqliteSettingsStore store(path);
    int64_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.write(kCurrentUser, kKey, "Left", std::to_string(i++)));
    }
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_SqliteWrite);

template <typename Store>
void fill(Store& store) {
    for (const char* name : {"Left", "Top", "Width", "Height", "WindowState"}) {
        store.write(kCurrentUser, kKey, name, "1234");
    }
}

void BM_SqliteReadPlacement(benchmark::State& state) {
    const std::string path = temp_store_path("kv_bench_read");
    kv::store::SqliteSettingsStore store(path);
    fill(store);
    for (auto _ : state) {
        for (const char* name : {"Left", "Top", "Width", "Height", "WindowState"}) {
            benchmark::DoNotOptimize(store.read(kCurrentUser, kKey, name));
        }
    }
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_SqliteReadPlacement);

void BM_MemoryReadPlacement(benchmark::State& state) {
    kv::store::MemorySettingsStore store;
    fill(store);
    for (auto _ : state) {
        for (const char* name : {"Left", "Top", "Width", "Height", "WindowState"}) {
            benchmark::DoNotOptimize(store.read(kCurrentUser, kKey, name));
        }
    }
}
BENCHMARK(BM_MemoryReadPlacement);

}  // namespace

BENCHMARK_MAIN();
