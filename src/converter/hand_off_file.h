#pragma once

#include <string>
#include <vector>

#include "platform/system.h"

namespace kadrex {

// The list of paths that another program leaves for us in the temporary folder.
std::string HandOffFilePath(System& system);

// One path per line; a line ends at CR, LF, CR LF or a zero byte; the last line needs no
// line end; an empty line is an empty path.
std::vector<std::string> SplitHandOffLines(const std::string& bytes);

// Reads the hand-off file's lines, converted from the system's ANSI code page. False when
// it cannot be opened: missing, or still held open for writing by another program.
bool ReadHandOffFile(System& system, std::vector<std::string>& lines);

}  // namespace kadrex
