// Printer data (the spooler's per-printer values): the one place that reads
// and writes them, through the spooler seam. Open the printer with
// PrinterHandle (support/Handles.h), read or write one or two values, close.
#pragma once

#include <windows.h>

#include <optional>

namespace plqr {

// The 32-bit value `name` of an open printer; nothing when it is missing or
// is not exactly four bytes.
std::optional<DWORD> GetPrinterDword(HANDLE printer, const wchar_t* name);

// Stores `value` as the REG_DWORD `name`; true on success.
bool SetPrinterDword(HANDLE printer, const wchar_t* name, DWORD value);

}  // namespace plqr
