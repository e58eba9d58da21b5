#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/image/decode.h"
#include "platform/image/file_bytes.h"

namespace kadrex {
namespace {

// Every file in the folder is hostile or damaged and must fail to load, whatever its
// format; the files come from tools/make-broken-files.
struct BrokenFile {
  std::filesystem::path path;
  std::string testName;  // the file name in letters, digits and underscores, unique
};

std::vector<BrokenFile> ListBrokenFiles() {
  std::vector<BrokenFile> files;
  for (const auto& entry : std::filesystem::directory_iterator(KADREX_BROKEN_DIR)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && name.front() != '.') files.push_back({entry.path(), name});
  }
  std::sort(files.begin(), files.end(),
            [](const auto& a, const auto& b) { return a.testName < b.testName; });
  std::set<std::string> used;
  for (BrokenFile& file : files) {
    for (char& c : file.testName) {
      if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    while (!used.insert(file.testName).second) file.testName += '_';
  }
  return files;
}

class BrokenFiles : public testing::TestWithParam<BrokenFile> {};

TEST_P(BrokenFiles, FailToDecode) {
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadFileBytes(GetParam().path.string(), bytes));
  PictureSink sink;
  EXPECT_FALSE(DecodePicture(bytes, sink));
  EXPECT_TRUE(std::move(sink).Result().Empty());
}

INSTANTIATE_TEST_SUITE_P(Folder, BrokenFiles, testing::ValuesIn(ListBrokenFiles()),
                         [](const auto& info) { return info.param.testName; });

TEST(BrokenFilesFolder, HoldsFiles) { EXPECT_FALSE(ListBrokenFiles().empty()); }

}  // namespace
}  // namespace kadrex
