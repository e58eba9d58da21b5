// The end-to-end driver: GoogleTest's runner plus the driver's own options.
// Usage: kadrex_e2e --kadrex=<Kadrex.exe> --screenshots=<folder> --work=<folder> [gtest flags]
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"

int wmain(int argc, wchar_t** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(kadrex::e2e::Narrow(argv[i]));
  if (!kadrex::e2e::ParseDriverSettings(arguments)) {
    std::fprintf(stderr,
                 "usage: kadrex_e2e --kadrex=<Kadrex.exe> --screenshots=<folder> --work=<folder> "
                 "[GoogleTest flags]\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
