#pragma once

#include <cstdint>

#include "platform/image/row_sink.h"
#include "require.h"

namespace kadrex::fuzz {

// Pictures larger than this are refused, so that the fuzzer spends its time in the
// decoders and does not report the large allocations that real photos may need.
inline constexpr std::int64_t kMaxFuzzPixels = 4'000'000;

// A sink that refuses pictures over kMaxFuzzPixels, reads every byte of every row so
// that the sanitizers see a row that is short or freed, and aborts when a decoder breaks
// the rules of RowSink. Rows go on to next when there is one.
class CheckingSink final : public RowSink {
 public:
  explicit CheckingSink(RowSink* next = nullptr) : next_(next) {}

  bool Accepts(int width, int height) const override;
  bool Begin(int width, int height) override;
  void Row(const std::uint8_t* rgb) override;

  // Aborts when a decoder that reported success did not deliver every row it announced,
  // or delivered rows to a size the sink refused.
  void CheckFinished(bool decoded) const;

 private:
  RowSink* next_;
  bool begun_ = false;
  bool accepted_ = false;
  int width_ = 0;
  int height_ = 0;
  int rows_ = 0;
};

}  // namespace kadrex::fuzz
