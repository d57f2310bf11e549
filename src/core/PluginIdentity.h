// Who this plug-in is to the core driver: the signature that tags its
// private device-mode block and its version.
#pragma once

#include <cstdint>

namespace plqr {

// Four-character code "ZLVN" read as a big-endian 32-bit value.
constexpr uint32_t MakeFourCC(char a, char b, char c, char d) {
  return (uint32_t(uint8_t(a)) << 24) | (uint32_t(uint8_t(b)) << 16) | (uint32_t(uint8_t(c)) << 8) |
         uint32_t(uint8_t(d));
}

constexpr uint32_t kOemSignature = MakeFourCC('Z', 'L', 'V', 'N');
constexpr uint32_t kOemVersion = 1;

// Product version shown to people (about box, log header).
const char16_t* ProductVersionString();

}  // namespace plqr
