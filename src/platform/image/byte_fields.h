#pragma once

#include <cstddef>
#include <cstdint>

namespace kadrex {

// Fixed-width fields of file formats. Loads read bytes the caller has checked exist.

inline std::uint16_t LoadU16Le(const std::uint8_t* bytes) {
  return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

inline std::uint32_t LoadU32Le(const std::uint8_t* bytes) {
  return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
         std::uint32_t{bytes[3]} << 24;
}

inline std::int32_t LoadI32Le(const std::uint8_t* bytes) {
  return static_cast<std::int32_t>(LoadU32Le(bytes));
}

inline std::uint32_t LoadU32Be(const std::uint8_t* bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
}

inline void StoreU16Le(std::uint8_t* bytes, std::uint16_t value) {
  bytes[0] = value & 0xFF;
  bytes[1] = value >> 8;
}

inline void StoreU32Le(std::uint8_t* bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = (value >> (8 * i)) & 0xFF;
}

// True when count bytes from offset lie within size bytes; no sum is formed that could wrap.
inline bool RangeFits(std::size_t size, std::uint64_t offset, std::uint64_t count) {
  return offset <= size && count <= size - offset;
}

}  // namespace kadrex
