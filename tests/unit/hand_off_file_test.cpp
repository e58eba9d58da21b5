#include "converter/hand_off_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kadrex {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

TEST(HandOffLines, LineEndsAndEmptyLines) {
  const std::pair<std::string, Lines> cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"C:\\a.jpg\r\n\r\nC:\\b.png\r\n", {"C:\\a.jpg", "", "C:\\b.png"}},
      {"\r\n", {""}},
      {"\n\n", {"", ""}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\0b"s, {"a", "b"}},
      {"a\0\nb"s, {"a", "", "b"}},
      {"\0"s, {""}},
  };
  for (const auto& [bytes, lines] : cases) EXPECT_EQ(SplitHandOffLines(bytes), lines);
}

TEST(HandOffLines, LinesHaveNoLengthLimit) {
  const std::string longLine(300000, 'x');
  EXPECT_EQ(SplitHandOffLines(longLine + "\r\nend"), (Lines{longLine, "end"}));
}

}  // namespace
}  // namespace kadrex
