#pragma once

#include <cstdio>
#include <cstdlib>

namespace kadrex::fuzz {

// Aborts with a message, which libFuzzer reports as a crash, when a rule is broken.
inline void Require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "broken rule: %s\n", rule);
  std::abort();
}

}  // namespace kadrex::fuzz
