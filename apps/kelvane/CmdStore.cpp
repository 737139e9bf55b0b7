#include "apps/kelvane/Args.h"
#include "apps/kelvane/Commands.h"
#include "host/store/SqliteSettingsStore.h"

namespace kv::app {

namespace {

const char* kHelp =
    "usage: kelvane store [--store PATH] list [KEY]\n"
    "       kelvane store [--store PATH] get KEY NAME\n"
    "       kelvane store [--store PATH] set KEY NAME VALUE\n"
    "       kelvane store [--store PATH] delete KEY [NAME]\n"
    "\n"
    "Looks into and edits the per-user store where forms keep their placement and splits.\n"
    "KEY is a path of names separated by \\ (for example\n"
    "'Software\\Quillon\\Kelvane for VB6\\Forms'); names compare without regard to case.\n"
    "  list     the subkeys (ending in \\) and the values (NAME = VALUE) of KEY (default: the\n"
    "           top); exit 1 when KEY does not exist\n"
    "  get      prints the value; exit 1 when there is none\n"
    "  set      writes the value, creating the keys as needed\n"
    "  delete   removes the value NAME, or without NAME the key with everything below it;\n"
    "           exit 1 when there was nothing to remove\n"
    "Exit 2 when the store cannot be used (damaged, not a store, or kept locked by another\n"
    "program for more than a few seconds).\n"
    "  --store PATH   the store file (default: ";

}  // namespace

int cmd_store(const Argv& argv, std::ostream& out, std::ostream& err) {
    return guarded(err, "store", [&] {
        Args args(argv, {"store"}, {"help"});
        if (args.has("help")) {
            out << kHelp << store::SqliteSettingsStore::default_path() << ")\n";
            return 0;
        }
        const auto& pos = args.positional();
        if (pos.empty()) throw UsageError("expected list, get, set or delete");
        const std::string& op = pos[0];
        auto want = [&](size_t lo, size_t hi) {
            if (pos.size() - 1 < lo || pos.size() - 1 > hi)
                throw UsageError("wrong number of arguments for '" + op + "'");
        };
        store::SqliteSettingsStore db(
            args.value("store").value_or(store::SqliteSettingsStore::default_path()),
            [&err](const std::string& m) { err << m << "\n"; });
        constexpr uint32_t root = store::kCurrentUser;
        if (op == "list") {
            want(0, 1);
            const std::string key = pos.size() > 1 ? pos[1] : "";
            const auto keys = db.list_subkeys(root, key);
            const auto values = db.list_values(root, key);
            if (db.failed()) return 2;
            if (!keys || !values) {
                err << "no key '" << key << "' in the store\n";
                return 1;
            }
            for (const auto& k : *keys) out << k << "\\\n";
            for (const auto& v : *values)
                out << (v.name.empty() ? "(default)" : v.name) << " = " << v.value << "\n";
            return 0;
        }
        if (op == "get") {
            want(2, 2);
            const auto v = db.read(root, pos[1], pos[2]);
            if (db.failed()) return 2;
            if (!v) {
                err << "no value '" << pos[2] << "' under '" << pos[1] << "'\n";
                return 1;
            }
            out << *v << "\n";
            return 0;
        }
        if (op == "set") {
            want(3, 3);
            if (!db.write(root, pos[1], pos[2], pos[3])) {
                if (db.failed()) return 2;
                err << "could not write '" << pos[2] << "' under '" << pos[1] << "'\n";
                return 2;
            }
            return 0;
        }
        if (op == "delete") {
            want(1, 2);
            const bool done = pos.size() == 3 ? db.delete_value(root, pos[1], pos[2])
                                              : db.delete_key(root, pos[1]);
            if (db.failed()) return 2;
            if (!done) {
                err << "nothing to delete at '" << pos[1]
                    << (pos.size() == 3 ? "' named '" + pos[2] + "'" : "'") << "\n";
                return 1;
            }
            return 0;
        }
        throw UsageError("expected list, get, set or delete, found '" + op + "'");
    });
}

}  // namespace kv::app
