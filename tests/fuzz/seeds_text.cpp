// Text seeds: hand-off files and the size fields' numbers.
#include <string>
#include <vector>

#include "seeds.h"

namespace kadrex::fuzz {

namespace {

bool WriteTexts(const std::filesystem::path& folder, const std::vector<std::string>& texts) {
  bool written = true;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    written =
        WriteSeed(folder, std::to_string(i), Bytes(texts[i].begin(), texts[i].end())) && written;
  }
  return written;
}

}  // namespace

bool WriteHandOffSeeds(const std::filesystem::path& folder) {
  using namespace std::string_literals;
  return WriteTexts(folder, {
                                "C:\\Photos\\one.jpg\r\nC:\\Photos\\two.png\r\n",
                                "D:\\a.bmp\nD:\\b.ico\n\nD:\\c.jpg",
                                "E:\\\xCF\xF0\xE8\xE2\xE5\xF2.jpg\rE:\\x.png\r\r\n"s,
                                "F:\\first.jpg\0F:\\second.jpg\0"s,
                                "\r\n\r\n"s,
                            });
}

bool WriteNumberSeeds(const std::filesystem::path& folder) {
  return WriteTexts(folder, {"640", "  -480", "\t+12px", "$FF", "$7fffffffffffffff", "%1011", "-%1",
                             "99999999999999999999999", "$", "0"});
}

}  // namespace kadrex::fuzz
