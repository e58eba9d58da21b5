#include "platform/win32/text_encoding.h"

#include <climits>

#include "platform/win32/windows_api.h"

namespace kadrex::win32 {

namespace {

std::wstring CodePageToWide(UINT codePage, std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
  return wide;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view text) { return CodePageToWide(CP_UTF8, text); }

std::wstring AnsiToWide(std::string_view text) { return CodePageToWide(CP_ACP, text); }

std::string WideToUtf8(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int needed =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string narrow(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, narrow.data(), needed, nullptr, nullptr);
  return narrow;
}

}  // namespace kadrex::win32
