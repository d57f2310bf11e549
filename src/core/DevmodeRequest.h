// What the driver-interface object's DevMode does with the private records,
// apart from the COM method, so that the same code runs under the fuzzer.
//
// The core driver hands the input record as a pointer only. Its readable
// size is what the caller can vouch for: dmDriverExtra of the public input
// device mode when there is one (the private blocks live inside that
// area), never more than one whole record. The record's own dwSize claim is
// bounded by it again and never trusted on its own.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/PrivateDevmode.h"

namespace plqr {

// The modes of DevMode (the values of OEMDM_SIZE ... OEMDM_MERGE).
enum class DevmodeMode : uint32_t { Size = 1, Default = 2, Convert = 3, Merge = 4 };

// The readable size of an input record: `publicDriverExtra` when the public
// input device mode is there, else a whole record; never more than 5240.
size_t ReadableInputSize(bool hasPublicInput, uint16_t publicDriverExtra);

// Default, convert or merge into `out` (`outSize` writable bytes) from `in`
// (`inReadable` readable bytes; nothing else of it is read, and it is never
// written). True when `out` now holds a record to hand on: a valid header
// and a body that SanitizeVendorDevmode has checked. Size does nothing here.
bool RunDevmodeRequest(DevmodeMode mode, const void* in, size_t inReadable, void* out, size_t outSize);

// Whether the printing application's name may be written into the input
// body as well: only into a record of ours, readable and claiming to be
// long enough to hold the name field.
bool InputTakesAppModuleName(const void* in, size_t inReadable);

// Every string array terminated within its array, and every field that a
// page, the preview or a dialog uses as an index or a range back at its
// default when the stored value is outside what it may be.
void SanitizeVendorDevmode(VENDORDEVMODE& body);

}  // namespace plqr
