#pragma once

#include <gtest/gtest.h>

#include "scenario.h"

namespace kadrex::e2e {

// A scenario with Kadrex running: at its end the program is closed and must exit with
// code 0, and no hand-off file is left for the next scenario.
class KadrexScenario : public testing::Test {
 protected:
  void TearDown() override {
    if (kadrex.converter != nullptr) RequestClose(kadrex.converter);
    EXPECT_EQ(kadrex.process.WaitForExit(), 0u);
    DeleteFileW(Widen(HandOffFile()).c_str());
  }

  RunningKadrex kadrex;
};

}  // namespace kadrex::e2e
