// The plug-in's private device-mode record as JSON: the header and every
// named field of the body by its name, strings as text, the cover and
// interleave records as hexadecimal bytes. Padding and the reserved tail are
// left out.
#pragma once

#include <cstddef>

#include "settings/JsonWriter.h"

namespace plqr::host {

// Writes one JSON object (as the current value of `json`) for the record at
// `record`, of which `size` bytes may be read. A record shorter than the
// plug-in's 5240 bytes is written as {"error": ...} instead.
void WritePrivateFields(JsonWriter& json, const void* record, std::size_t size);

}  // namespace plqr::host
