#pragma once

#include <cstdint>
#include <string>

namespace kadrex {

// The registry functions the program uses, through the wide functions. A key is a small
// number handed out by Open; kClassesRoot stands for HKEY_CLASSES_ROOT. Paths and names
// are UTF-8, with "\\" between the parts of a path.
class Registry {
 public:
  using Key = std::uintptr_t;
  static constexpr Key kNoKey = 0;
  static constexpr Key kClassesRoot = 1;

  enum class Access { All, DeleteAndEnumerate };
  // Results of listing one sub-key.
  enum class Listing { Found, NoMoreItems, Failed };

  virtual ~Registry() = default;

  // Creates the key and every missing key above it (an existing key is opened), then
  // closes it again. False when it could not be created or opened.
  virtual bool CreateKey(Key parent, const std::string& path) = 0;
  // kNoKey when the key does not exist or the access is refused.
  virtual Key OpenKey(Key parent, const std::string& path, Access access) = 0;
  virtual void CloseKey(Key key) = 0;
  // Writes the key's default value as a string, its closing zero counted in its length.
  virtual bool SetDefaultValue(Key key, const std::string& text) = 0;
  // The name of the sub-key at index, in the registry's own order.
  virtual Listing SubKeyName(Key key, std::uint32_t index, std::string& name) = 0;
  // Deletes a sub-key that has no sub-keys left.
  virtual bool DeleteKey(Key parent, const std::string& name) = 0;
};

}  // namespace kadrex
