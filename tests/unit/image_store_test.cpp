#include "platform/image/image_store.h"

#include <gtest/gtest.h>

namespace kadrex {
namespace {

TEST(ImageStore, EmptyNumberHasNoSize) {
  ImageStore store;
  EXPECT_EQ(store.Width(5), 0);
  EXPECT_EQ(store.Height(5), 0);
  EXPECT_EQ(store.Pixel(5, 0, 0), kOutsidePicture);
}

}  // namespace
}  // namespace kadrex
