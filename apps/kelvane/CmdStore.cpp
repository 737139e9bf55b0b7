// kelvane store: looks into and edits the per-user store where forms keep their placement and
// splits.
#include <CLI/CLI.hpp>

#include "apps/kelvane/Command.h"
#include "apps/kelvane/FormArguments.h"
#include "apps/kelvane/HelpText.h"
#include "apps/kelvane/StoreKeys.h"
#include "harness/FormRun.h"
#include "harness/ShownText.h"
#include "harness/UsageError.h"
#include "host/store/SqliteSettingsStore.h"

namespace kv::app {

namespace {

const char* kFooter =
    "KEY is a path of names separated by \\ (for example 'Software\\Quillon\\Kelvane for "
    "VB6\\Forms'); names compare without regard to case. `store path FORM.frm` tells the keys "
    "of a form. Exit 1 when a key or value asked for is not there, 2 when the store cannot be "
    "used (damaged, not a store, or kept locked by another program for more than a few "
    "seconds).";

class StoreCommand : public Command {
  public:
    CLI::App* define(CLI::App& parent) override {
        CLI::App* app = parent.add_subcommand("store", "look into and edit the per-user store");
        app->require_subcommand(1);
        store_option_ =
            app->add_option(
                   "--store", store_,
                   "the store file (default: " + store::SqliteSettingsStore::default_path() + ")")
                ->option_text("PATH");
        app->footer(wrapped(kFooter));

        list_ = app->add_subcommand("list", "the subkeys (ending in \\) and values of KEY");
        list_->add_option("KEY", key_, "the key (default: the top)");
        list_->add_flag("-r,--recursive", recursive_,
                        "every key below KEY by its whole path, each with its values");
        get_ = app->add_subcommand("get", "print a value");
        get_->add_option("KEY", key_)->required();
        get_->add_option("NAME", name_)->required();
        set_ = app->add_subcommand("set", "write a value, creating the keys as needed");
        set_->add_option("KEY", key_)->required();
        set_->add_option("NAME", name_)->required();
        set_->add_option("VALUE", value_)->required();
        delete_ = app->add_subcommand("delete", "remove a value, or a key with all below it");
        delete_->add_option("KEY", key_)->required();
        delete_->add_option("NAME", name_);
        path_ = app->add_subcommand("path", "the keys of a form's placement and splits");
        add_form_arguments(*path_, form_);
        // --store may also follow the operation.
        for (CLI::App* op : {list_, get_, set_, delete_, path_}) op->fallthrough();
        return app;
    }

    int run(std::ostream& out, std::ostream& err) override {
        if (*path_) return print_form_keys(out, err);
        if (const size_t depth = store::split_key_path(key_).size(); depth > store::kMaxKeyDepth)
            throw UsageError("KEY: a key of " + std::to_string(depth) +
                             " levels; the store takes keys of at most " +
                             std::to_string(store::kMaxKeyDepth) + " levels");
        // An explicit --store "" is the user's mistake, not a wish for the default.
        store::SqliteSettingsStore db(
            store_option_->count() ? store_ : store::SqliteSettingsStore::default_path(),
            [&err](const std::string& m) { err << m << "\n"; });
        constexpr uint32_t root = store::kCurrentUser;
        if (*list_) {
            bool whole = true;
            const bool found =
                recursive_ ? list_tree(db, root, key_, out, whole) : list_key(db, root, key_, out);
            if (db.ever_failed() || !whole) return 2;
            if (!found) err << "no key '" << key_ << "' in the store\n";
            return found ? 0 : 1;
        }
        if (*get_) {
            const auto v = db.read(root, key_, name_);
            if (db.failed()) return 2;
            if (!v) {
                err << "no value '" << name_ << "' under '" << key_ << "'\n";
                return 1;
            }
            out << on_terminal(*v) << "\n";
            return 0;
        }
        if (*set_) {
            if (db.write(root, key_, name_, value_)) return 0;
            err << "could not write '" << name_ << "' under '" << key_ << "'\n";
            return 2;
        }
        const bool named = delete_->count("NAME") > 0;
        const bool done = named ? db.delete_value(root, key_, name_) : db.delete_key(root, key_);
        if (db.failed()) return 2;
        if (done) return 0;
        err << "nothing to delete at '" << key_ << (named ? "' named '" + name_ + "'" : "'")
            << "\n";
        return 1;
    }

  private:
    int print_form_keys(std::ostream& out, std::ostream& err) {
        FormRun run(form_);
        const auto keys = form_store_keys(run);
        if (!keys) {
            err << "the form has no resizer control: nothing of it is stored\n";
            return 1;
        }
        out << "placement: " << on_terminal(keys->placement) << "\n";
        for (const auto& [container, key] : keys->splits)
            out << "splits of " << on_terminal(container) << ": " << on_terminal(key) << "\n";
        return 0;
    }

    std::string store_;
    CLI::Option* store_option_ = nullptr;
    CLI::App *list_ = nullptr, *get_ = nullptr, *set_ = nullptr, *delete_ = nullptr,
             *path_ = nullptr;
    std::string key_, name_, value_;
    bool recursive_ = false;
    FormOptions form_;
};

}  // namespace

std::unique_ptr<Command> store_command() {
    return std::make_unique<StoreCommand>();
}

}  // namespace kv::app
