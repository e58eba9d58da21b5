#include <gtest/gtest.h>

#include "scenario.h"

namespace kadrex::e2e {
namespace {

TEST(Smoke, OpensItsWindowAndEndsCleanlyWhenClosed) {
  Process kadrex = StartKadrex(ScenarioFolder("smoke"));
  ASSERT_TRUE(kadrex.Started()) << "could not start " << Settings().kadrex;
  const HWND window = WaitForWindow(kadrex, kConverterTitle);
  ASSERT_NE(window, nullptr) << "no window titled " << kConverterTitle;
  EXPECT_TRUE(kadrex.WaitForIdle());
  EXPECT_TRUE(SaveScreenshot("smoke"));
  ASSERT_TRUE(RequestClose(window));
  const std::optional<DWORD> exitCode = kadrex.WaitForExit();
  ASSERT_TRUE(exitCode) << "still running after WM_CLOSE";
  EXPECT_EQ(*exitCode, 0u);
}

}  // namespace
}  // namespace kadrex::e2e
