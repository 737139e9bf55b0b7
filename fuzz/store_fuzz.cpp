// The store's key paths and values: the input is a list of operations, each an operation byte
// then a key path, a value name and a value, each ended by a NUL byte. They run on the SQLite
// file store and on the in-memory store side by side; both must give the same answers.
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "host/store/MemorySettingsStore.h"
#include "host/store/SqliteSettingsStore.h"

using namespace kv::store;

namespace {

SqliteSettingsStore& file_store() {
    static SqliteSettingsStore store(kv::fuzz::scratch_dir() + "/settings.sqlite",
                                     [](const std::string& m) {
                                         std::fprintf(stderr, "%s\n", m.c_str());
                                         abort();
                                     });
    return store;
}

template <typename T>
void same(const T& a, const T& b, const char* what) {
    if (a == b) return;
    std::fprintf(stderr, "the stores disagree on %s\n", what);
    abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto& file = file_store();
    // Every input starts from an empty store.
    if (const auto top = file.list_subkeys(kCurrentUser, ""))
        for (const auto& k : *top) file.delete_key(kCurrentUser, k);
    if (const auto values = file.list_values(kCurrentUser, ""))
        for (const auto& v : *values) file.delete_value(kCurrentUser, "", v.name);
    MemorySettingsStore memory;

    size_t at = 0;
    auto next_text = [&] {
        std::string s;
        while (at < size && data[at] != 0) s += static_cast<char>(data[at++]);
        if (at < size) ++at;
        return s;
    };
    while (at < size) {
        const uint8_t op = data[at++] % 6;
        const std::string key = next_text(), name = next_text(), value = next_text();
        switch (op) {
            case 0:
                same(file.write(kCurrentUser, key, name, value),
                     memory.write(kCurrentUser, key, name, value), "write");
                break;
            case 1:
                same(file.read(kCurrentUser, key, name), memory.read(kCurrentUser, key, name),
                     "read");
                break;
            case 2:
                same(file.list_subkeys(kCurrentUser, key), memory.list_subkeys(kCurrentUser, key),
                     "subkeys");
                break;
            case 3:
                same(file.list_values(kCurrentUser, key), memory.list_values(kCurrentUser, key),
                     "values");
                break;
            case 4:
                same(file.delete_value(kCurrentUser, key, name),
                     memory.delete_value(kCurrentUser, key, name), "deleting a value");
                break;
            case 5:
                same(file.delete_key(kCurrentUser, key), memory.delete_key(kCurrentUser, key),
                     "deleting a key");
                break;
        }
    }
    return 0;
}
