#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kadrex::win32 {

// The program's filter "description|patterns|..." (a final "|" or not) in the form of
// the open dialog: each part ended by a NUL, the whole by a second NUL. Empty for none.
std::wstring DialogFilter(std::wstring_view filter);

// The full paths in the dialog's name buffer, in its order. With several files allowed
// the buffer holds one full path, or the folder followed by the names, each ended by a
// NUL and the list by a second one.
std::vector<std::wstring> ChosenPaths(std::wstring_view buffer, bool several);

}  // namespace kadrex::win32
