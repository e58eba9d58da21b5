#pragma once

#include <string>
#include <string_view>

namespace kadrex::win32 {

// The program's texts are UTF-8, the wide Win32 functions take UTF-16. Invalid input
// turns into replacement characters; a text too long for the system comes back empty.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// 8-bit text in the system's ANSI code page.
std::wstring AnsiToWide(std::string_view text);

}  // namespace kadrex::win32
