#include "editor/display_scale.h"

#include <gtest/gtest.h>

#include "editor/editor_fonts.h"
#include "fake_gui.h"

namespace kadrex {
namespace {

struct ScaleCase {
  Size desktop;
  float x;
  double y;  // the factor as stored, to 1e-9
  int large, medium, small;
};

TEST(DisplayScale, FactorsAndFontSizesFollowTheDesktop) {
  const ScaleCase cases[] = {
      {{1280, 1024}, 1.0f, 0.98000001907, 16, 12, 8},
      {{1024, 768}, 0.8f, 0.73000001907, 12, 9, 6},
      {{1600, 900}, 1.25f, 0.85890626907, 14, 10, 7},
      {{1920, 1080}, 1.5f, 1.03468751907, 17, 12, 8},
  };
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(c.desktop.width);
    const DisplayScale scale = ComputeDisplayScale(c.desktop);
    EXPECT_EQ(scale.x, c.x);
    EXPECT_NEAR(scale.y, c.y, 1e-9);
    test::FakeGui gui;
    CreateEditorFonts(gui, scale);
    EXPECT_EQ(gui.fonts.at(kLargeFont).points, c.large);
    EXPECT_EQ(gui.fonts.at(kMediumFont).points, c.medium);
    EXPECT_EQ(gui.fonts.at(kSmallFont).points, c.small);
    EXPECT_EQ(gui.fonts.at(kSmallFont).face, "Arial");
    EXPECT_TRUE(gui.fonts.at(kSmallFont).bold);
  }
}

TEST(DisplayScale, HeightIsTheSumOfTwoFloatsFormedInDouble) {
  // 0.98 as the 32-bit float nearest to 1 + (float)-0.02, not (float)0.98 computed otherwise.
  EXPECT_EQ(ComputeDisplayScale({1280, 1024}).y,
            static_cast<float>(1.0 + static_cast<double>(-0.02f)));
}

TEST(DisplayScale, MissingDesktopSideGivesFactorOne) {
  const std::pair<Size, DisplayScale> cases[] = {
      {{0, 0}, {1.0f, 1.0f}}, {{0, 1024}, {1.0f, 0.98f}}, {{640, 0}, {0.5f, 1.0f}}};
  for (const auto& [desktop, expected] : cases) {
    const DisplayScale scale = ComputeDisplayScale(desktop);
    EXPECT_EQ(scale.x, expected.x);
    EXPECT_EQ(scale.y, expected.y);
  }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, int> cases[] = {{12.5, 12},  {13.5, 14},  {0.5, 0},    {1.5, 2},
                                          {2.4999, 2}, {2.5001, 3}, {-0.5, 0},   {-1.5, -2},
                                          {13.74, 14}, {6.87, 7},   {744.8, 745}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

}  // namespace
}  // namespace kadrex
