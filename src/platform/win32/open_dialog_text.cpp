#include "platform/win32/open_dialog_text.h"

#include <algorithm>

namespace kadrex::win32 {

namespace {

// The next NUL-ended part of the buffer from position on; empty at the end.
std::wstring_view NextPart(std::wstring_view buffer, std::size_t& position) {
  if (position >= buffer.size()) return {};
  const std::size_t end = std::min(buffer.find(L'\0', position), buffer.size());
  const std::wstring_view part = buffer.substr(position, end - position);
  position = end + 1;
  return part;
}

}  // namespace

std::wstring DialogFilter(std::wstring_view filter) {
  if (filter.empty()) return {};
  std::wstring parts(filter);
  std::replace(parts.begin(), parts.end(), L'|', L'\0');
  if (parts.back() != L'\0') parts.push_back(L'\0');
  parts.push_back(L'\0');
  return parts;
}

std::vector<std::wstring> ChosenPaths(std::wstring_view buffer, bool several) {
  std::size_t position = 0;
  const std::wstring_view first = NextPart(buffer, position);
  if (first.empty()) return {};
  std::wstring_view name = several ? NextPart(buffer, position) : std::wstring_view{};
  if (name.empty()) return {std::wstring(first)};

  // A drive root such as C:\ ends in its separator already.
  std::wstring folder(first);
  if (folder.back() != L'\\') folder.push_back(L'\\');
  std::vector<std::wstring> paths;
  for (; !name.empty(); name = NextPart(buffer, position))
    paths.push_back(folder + std::wstring(name));
  return paths;
}

}  // namespace kadrex::win32
