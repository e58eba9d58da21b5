#include "platform/win32/win32_system.h"

#include "platform/win32/system_text.h"
#include "platform/win32/text_encoding.h"

namespace kadrex::win32 {

namespace {

// A file larger than this is not read into memory: no file the program reads this way
// comes near it.
constexpr LONGLONG kLargestFileRead = 256LL * 1024 * 1024;
// Long paths ("\\?\" form) are at most this long.
constexpr DWORD kLongestPath = 32768;

bool EndsInSeparator(const std::wstring& path) {
  return !path.empty() && (path.back() == L'\\' || path.back() == L'/');
}

}  // namespace

std::string Win32System::ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    // A truncated name fills the whole buffer.
    if (length < path.size()) {
      path.resize(length);
      return WideToUtf8(path);
    }
    if (path.size() >= kLongestPath) return {};
    path.resize(path.size() * 2);
  }
}

bool Win32System::InstanceAlreadyRunning(const std::string& name) {
  const std::wstring wideName = Utf8ToWide(name);
  UniqueKernelHandle semaphore(CreateSemaphoreW(nullptr, 0, 1, wideName.c_str()));
  if (semaphore && GetLastError() == ERROR_ALREADY_EXISTS) return true;
  instanceSemaphore_ = std::move(semaphore);
  return false;
}

std::string Win32System::TempFolder() {
  std::wstring folder =
      FetchSystemText([](wchar_t* buffer, DWORD size) { return GetTempPathW(size, buffer); });
  if (folder.empty()) return {};
  std::wstring longForm = FetchSystemText([&folder](wchar_t* buffer, DWORD size) {
    return GetLongPathNameW(folder.c_str(), buffer, size);
  });
  if (!longForm.empty()) folder = std::move(longForm);
  if (!EndsInSeparator(folder)) folder += L'\\';
  return WideToUtf8(folder);
}

bool Win32System::FolderListable(const std::string& folder) {
  std::wstring pattern = Utf8ToWide(folder);
  if (!EndsInSeparator(pattern)) pattern += L'\\';
  pattern += L"*.*";
  WIN32_FIND_DATAW found;
  const UniqueFindHandle search(NullIfInvalid(FindFirstFileW(pattern.c_str(), &found)));
  return static_cast<bool>(search);
}

bool Win32System::CreateFolder(const std::string& folder) {
  return CreateDirectoryW(Utf8ToWide(folder).c_str(), nullptr) != FALSE;
}

bool Win32System::RemoveFile(const std::string& path) {
  return DeleteFileW(Utf8ToWide(path).c_str()) != FALSE;
}

bool Win32System::PathExists(const std::string& path) {
  return GetFileAttributesW(Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32System::ReadFileSharingReadOnly(const std::string& path, std::string& bytes) {
  const UniqueKernelHandle file(
      NullIfInvalid(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
  if (!file) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 || size.QuadPart > kLargestFileRead) {
    return false;
  }
  std::string contents(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t filled = 0;
  while (filled < contents.size()) {
    DWORD read = 0;
    const DWORD wanted = static_cast<DWORD>(contents.size() - filled);
    if (!ReadFile(file.Get(), contents.data() + filled, wanted, &read, nullptr)) return false;
    // The file shrank while it was read: keep what it holds now.
    if (read == 0) break;
    filled += read;
  }
  contents.resize(filled);
  bytes = std::move(contents);
  return true;
}

std::string Win32System::AnsiToUtf8(const std::string& text) {
  return WideToUtf8(AnsiToWide(text));
}

}  // namespace kadrex::win32
