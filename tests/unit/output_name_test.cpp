#include "converter/output_name.h"

#include <gtest/gtest.h>

namespace kadrex {
namespace {

TEST(OutputName, ReplacesOnlyTheExtensionAtTheEnd) {
  struct Case {
    BatchFormat format;
    const char* source;
    const char* output;
  };
  const Case cases[] = {
      {BatchFormat::Png, "C:\\Photos\\summer.jpg", "summer.png"},
      {BatchFormat::Jpeg, "C:\\Photos\\IMG_0012.JPG", "IMG_0012.jpg"},
      {BatchFormat::Bmp, "C:\\Photos\\jpg_album.jpg", "jpg_album.bmp"},
      {BatchFormat::Png, "C:\\Photos\\Beach.Jpg.jpg", "Beach.Jpg.png"},
      {BatchFormat::Png, "C:\\Photos\\plan.png", "plan.png"},
      {BatchFormat::Bmp, "C:\\Photos\\scan", "scan"},
      {BatchFormat::Jpeg, "C:\\Photos\\a.a", "a.jpg"},
      {BatchFormat::Bmp, "C:\\my.photos\\scan", "scan"},
      {BatchFormat::Png, "photo.jpeg", "photo.png"},
  };
  for (const Case& c : cases) EXPECT_EQ(OutputFileName(c.source, c.format), c.output) << c.source;
}

TEST(OutputName, FolderIsEncodedBesideTheSource) {
  EXPECT_EQ(OutputFolder("C:\\Photos\\summer.jpg"), "C:\\Photos\\Encoded");
  EXPECT_EQ(OutputFolder("C:\\Photos\\Encoded\\summer.jpg"), "C:\\Photos\\Encoded\\Encoded");
  EXPECT_EQ(OutputFolder("summer.jpg"), "Encoded");
}

}  // namespace
}  // namespace kadrex
