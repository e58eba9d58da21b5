#include "converter/hand_off_file.h"

namespace kadrex {

namespace {

constexpr const char* kHandOffFileName = "KADREX.trtr";

bool EndsLine(char c) { return c == '\r' || c == '\n' || c == '\0'; }

}  // namespace

std::string HandOffFilePath(System& system) { return system.TempFolder() + kHandOffFileName; }

std::vector<std::string> SplitHandOffLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t position = 0;
  while (position < bytes.size()) {
    std::size_t end = position;
    while (end < bytes.size() && !EndsLine(bytes[end])) ++end;
    lines.push_back(bytes.substr(position, end - position));
    position = end + 1;
    if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ++position;
  }
  return lines;
}

bool ReadHandOffFile(System& system, std::vector<std::string>& lines) {
  std::string bytes;
  if (!system.ReadFileSharingReadOnly(HandOffFilePath(system), bytes)) return false;
  lines = SplitHandOffLines(bytes);
  for (std::string& line : lines) line = system.AnsiToUtf8(line);
  return true;
}

}  // namespace kadrex
