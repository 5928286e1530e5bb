#pragma once
// Little-endian fields of the fixed-record files, independent of the host's byte order.

#include <bit>
#include <cstdint>
#include <cstring>

namespace tavrin {

inline uint16_t LoadU16(const uint8_t* bytes) {
  return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}
inline void StoreU16(uint8_t* bytes, uint16_t value) {
  bytes[0] = static_cast<uint8_t>(value);
  bytes[1] = static_cast<uint8_t>(value >> 8);
}
inline int16_t LoadI16(const uint8_t* bytes) { return static_cast<int16_t>(LoadU16(bytes)); }
inline void StoreI16(uint8_t* bytes, int16_t value) {
  StoreU16(bytes, static_cast<uint16_t>(value));
}

inline float LoadF32(const uint8_t* bytes) {
  const uint32_t bits = static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
                        (static_cast<uint32_t>(bytes[2]) << 16) |
                        (static_cast<uint32_t>(bytes[3]) << 24);
  return std::bit_cast<float>(bits);
}
inline void StoreF32(uint8_t* bytes, float value) {
  const uint32_t bits = std::bit_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
}

}  // namespace tavrin
