// The hand-off file's line splitter on any bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "converter/hand_off_file.h"
#include "require.h"

namespace {

bool EndsLine(char c) { return c == '\r' || c == '\n' || c == '\0'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using kadrex::fuzz::Require;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = kadrex::SplitHandOffLines(bytes);
  // The lines put together are the input without its line ends, and hold none.
  std::string joined;
  for (const std::string& line : lines) joined += line;
  std::string withoutEnds;
  for (char c : bytes) {
    if (!EndsLine(c)) withoutEnds.push_back(c);
  }
  Require(joined == withoutEnds, "the lines are the input without its line ends");
  Require(lines.size() <= size, "no more lines than bytes");
  return 0;
}
