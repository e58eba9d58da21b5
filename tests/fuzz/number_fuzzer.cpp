// The size fields' number parser on any text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "output/number_parser.h"
#include "require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using kadrex::fuzz::Require;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::int64_t number = kadrex::ParseNumber(text);
  Require(
      kadrex::ParseNumber32(text) == static_cast<std::int32_t>(static_cast<std::uint32_t>(number)),
      "the 32-bit number is the low half of the 64-bit one");
  Require(kadrex::ParseNumber(" \t" + text) == number, "leading blanks change nothing");
  // 'x' is a digit in no base, so it ends every number.
  Require(kadrex::ParseNumber(text + "x") == number, "reading stops at a non-digit");
  return 0;
}
