#include "platform/win32/win32_registry.h"

#include "platform/win32/text_encoding.h"

namespace kadrex::win32 {

namespace {

// Key names are at most 255 characters.
constexpr DWORD kLongestKeyName = 256;

REGSAM AccessRights(Registry::Access access) {
  return access == Registry::Access::All ? KEY_ALL_ACCESS : DELETE | KEY_ENUMERATE_SUB_KEYS;
}

}  // namespace

HKEY Win32Registry::Handle(Key key) const {
  if (key == kClassesRoot) return HKEY_CLASSES_ROOT;
  const auto found = open_.find(key);
  return found == open_.end() ? nullptr : found->second.Get();
}

bool Win32Registry::CreateKey(Key parent, const std::string& path) {
  const HKEY parentKey = Handle(parent);
  if (parentKey == nullptr) return false;
  HKEY created = nullptr;
  const LSTATUS status =
      RegCreateKeyExW(parentKey, Utf8ToWide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &created, nullptr);
  const UniqueRegistryKey closing(status == ERROR_SUCCESS ? created : nullptr);
  return status == ERROR_SUCCESS;
}

Registry::Key Win32Registry::OpenKey(Key parent, const std::string& path, Access access) {
  const HKEY parentKey = Handle(parent);
  if (parentKey == nullptr) return kNoKey;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(parentKey, Utf8ToWide(path).c_str(), 0, AccessRights(access), &opened) !=
      ERROR_SUCCESS) {
    return kNoKey;
  }
  open_[++lastKey_] = UniqueRegistryKey(opened);
  return lastKey_;
}

void Win32Registry::CloseKey(Key key) { open_.erase(key); }

bool Win32Registry::SetDefaultValue(Key key, const std::string& text) {
  const HKEY target = Handle(key);
  if (target == nullptr) return false;
  const std::wstring value = Utf8ToWide(text);
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(target, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        bytes) == ERROR_SUCCESS;
}

Registry::Listing Win32Registry::SubKeyName(Key key, std::uint32_t index, std::string& name) {
  const HKEY target = Handle(key);
  if (target == nullptr) return Listing::Failed;
  wchar_t buffer[kLongestKeyName];
  DWORD length = kLongestKeyName;
  const LSTATUS status =
      RegEnumKeyExW(target, index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
  if (status == ERROR_NO_MORE_ITEMS) return Listing::NoMoreItems;
  if (status != ERROR_SUCCESS) return Listing::Failed;
  name = WideToUtf8({buffer, length});
  return Listing::Found;
}

bool Win32Registry::DeleteKey(Key parent, const std::string& name) {
  const HKEY parentKey = Handle(parent);
  return parentKey != nullptr &&
         RegDeleteKeyW(parentKey, Utf8ToWide(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace kadrex::win32
