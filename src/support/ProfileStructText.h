// The text form of a fixed-size record in a profile file: two uppercase
// hexadecimal digits per byte, then the checksum byte (the low 8 bits of the
// sum of all bytes) written the same way. It is the form the platform's
// WritePrivateProfileStructW writes and GetPrivateProfileStructW reads; the
// plug-in itself goes through those functions, and these are the portable
// twins that tests, the fuzz target and a platform without them rely on.
//
// Portable: char16_t text, no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace plqr {

// The checksum byte of `size` bytes at `data`.
uint8_t ProfileStructChecksum(const void* data, size_t size);

// The text of `size` bytes at `data`; empty for a null `data`.
std::u16string EncodeProfileStruct(const void* data, size_t size);

// Reads `text` back into exactly `size` bytes at `out`. False, with `out`
// untouched, when `out` is null, the text is not exactly 2 × (size + 1)
// digits long, holds anything but hexadecimal digits (either case is
// accepted), or its checksum does not match the bytes.
bool DecodeProfileStruct(std::u16string_view text, void* out, size_t size);

}  // namespace plqr
