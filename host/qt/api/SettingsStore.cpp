#include "kelvane/SettingsStore.h"

#include "host/store/MemorySettingsStore.h"
#include "host/store/SqliteSettingsStore.h"

namespace kelvane {

namespace {

// The application's view of one of the host's stores (always the current user's tree).
class HostStore : public SettingsStore {
  public:
    explicit HostStore(std::unique_ptr<kv::SettingsStore> store) : store_(std::move(store)) {}
    std::optional<std::string> read(const std::string& key_path, const std::string& name) override {
        return store_->read(kHKeyCurrentUser, key_path, name);
    }
    bool write(const std::string& key_path, const std::string& name,
               const std::string& value) override {
        return store_->write(kHKeyCurrentUser, key_path, name, value);
    }

  private:
    static constexpr uint32_t kHKeyCurrentUser = 0x80000001u;
    std::unique_ptr<kv::SettingsStore> store_;
};

}  // namespace

std::shared_ptr<SettingsStore> file_store(const std::string& path) {
    const std::string file = path.empty() ? kv::store::SqliteSettingsStore::default_path() : path;
    return std::make_shared<HostStore>(std::make_unique<kv::store::SqliteSettingsStore>(file));
}

std::shared_ptr<SettingsStore> memory_store() {
    return std::make_shared<HostStore>(std::make_unique<kv::store::MemorySettingsStore>());
}

}  // namespace kelvane
