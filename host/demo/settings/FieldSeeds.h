// The --set option of the printing-preferences program: device-mode fields
// given values before the sheet opens, the way a customer's settings are
// reproduced ("private.sFP_SectionIndex=1", "public.dmDuplex=2").
//
// Portable: the private fields are found by their names in VENDORDEVMODE,
// the public ones in a short list the program applies itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plqr::host {

struct FieldSeed {
  bool isPublic = false;
  std::string name;        // the field's name, without "private." or "public."
  std::size_t offset = 0;  // private fields: body offset
  std::size_t size = 0;    // private fields: 1, 2 or 4 bytes
  std::int64_t value = 0;  // within the field's range
};

// One "private.NAME=VALUE" or "public.NAME=VALUE" (a whole number that fits
// the field). Nothing, with `error` set, for anything else.
std::optional<FieldSeed> ParseFieldSeed(std::string_view text, std::string& error);

// Writes a private seed into the body at `body` (kVendorDevmodeSize bytes),
// little-endian.
void WritePrivateSeed(const FieldSeed& seed, void* body);

}  // namespace plqr::host
