#pragma once

#include <map>

#include "platform/registry.h"
#include "platform/win32/handles.h"

namespace kadrex::win32 {

struct RegistryKeyRelease {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueRegistryKey = UniqueHandle<HKEY, RegistryKeyRelease>;

// The registry through the wide functions. The keys it opens stay open until closed or
// until it goes.
class Win32Registry final : public Registry {
 public:
  bool CreateKey(Key parent, const std::string& path) override;
  Key OpenKey(Key parent, const std::string& path, Access access) override;
  void CloseKey(Key key) override;
  bool SetDefaultValue(Key key, const std::string& text) override;
  Listing SubKeyName(Key key, std::uint32_t index, std::string& name) override;
  bool DeleteKey(Key parent, const std::string& name) override;

 private:
  // The handle of a key number, or null for a number that is not open.
  HKEY Handle(Key key) const;

  std::map<Key, UniqueRegistryKey> open_;
  Key lastKey_ = kClassesRoot;
};

}  // namespace kadrex::win32
