#include "shell/context_menu_entry.h"

namespace kadrex {

namespace {

constexpr const char* kShellKey = "*\\Shell\\";
constexpr const char* kCommandKey = "\\command";

// Closes an opened key when it goes out of scope.
class OpenedKey {
 public:
  OpenedKey(Registry& registry, Registry::Key parent, const std::string& path,
            Registry::Access access)
      : registry_(registry), key_(registry.OpenKey(parent, path, access)) {}
  ~OpenedKey() {
    if (key_ != Registry::kNoKey) registry_.CloseKey(key_);
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;

  Registry::Key Get() const { return key_; }
  explicit operator bool() const { return key_ != Registry::kNoKey; }

 private:
  Registry& registry_;
  Registry::Key key_;
};

}  // namespace

std::string ContextMenuCommand(const std::string& programPath) {
  return "\"" + programPath + "\"\"%1\"";
}

bool CreateContextMenuEntry(Registry& registry, const std::string& title,
                            const std::string& programPath) {
  const std::string path = kShellKey + title + kCommandKey;
  registry.CreateKey(Registry::kClassesRoot, path);
  const OpenedKey command(registry, Registry::kClassesRoot, path, Registry::Access::All);
  if (!command) return false;
  registry.SetDefaultValue(command.Get(), ContextMenuCommand(programPath));
  return true;
}

bool RemoveContextMenuEntry(Registry& registry, const std::string& title) {
  return DeleteKeyTree(registry, Registry::kClassesRoot, kShellKey + title);
}

bool DeleteKeyTree(Registry& registry, Registry::Key parent, const std::string& path) {
  if (path.empty()) return false;
  const OpenedKey key(registry, parent, path, Registry::Access::DeleteAndEnumerate);
  if (!key) return false;
  std::string name;
  // Each deleted sub-key moves the next one into index 0.
  while (true) {
    switch (registry.SubKeyName(key.Get(), 0, name)) {
      case Registry::Listing::NoMoreItems:
        return registry.DeleteKey(parent, path);
      case Registry::Listing::Found:
        if (!DeleteKeyTree(registry, key.Get(), name)) return false;
        break;
      case Registry::Listing::Failed:
        return false;
    }
  }
}

}  // namespace kadrex
