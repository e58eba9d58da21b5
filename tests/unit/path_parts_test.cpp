#include "platform/path_parts.h"

#include <gtest/gtest.h>

namespace kadrex {
namespace {

TEST(PathParts, SplitAtTheLastSeparatorAndDot) {
  struct Case {
    const char* path;
    const char* folder;
    const char* file;
    const char* extension;
  };
  const Case cases[] = {
      {"C:\\Photos\\summer.jpg", "C:\\Photos\\", "summer.jpg", "jpg"},
      {"C:/Photos/Beach.Jpg.jpg", "C:/Photos/", "Beach.Jpg.jpg", "jpg"},
      {"C:\\Photos\\scan", "C:\\Photos\\", "scan", ""},
      {"C:\\my.photos\\scan", "C:\\my.photos\\", "scan", ""},
      {"D:\\a/b\\c.png", "D:\\a/b\\", "c.png", "png"},
      {"picture.bmp", "", "picture.bmp", "bmp"},
      {"C:\\trailing.", "C:\\", "trailing.", ""},
      {"C:\\Photos\\", "C:\\Photos\\", "", ""},
      {"", "", "", ""},
      {"C:\\Program Files\\Kadrex.exe", "C:\\Program Files\\", "Kadrex.exe", "exe"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
    EXPECT_EQ(FilePart(c.path), c.file) << c.path;
    EXPECT_EQ(ExtensionPart(c.path), c.extension) << c.path;
  }
}

}  // namespace
}  // namespace kadrex
