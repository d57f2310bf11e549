// The user's measurement system and the paper-size caption of the preview.
#pragma once

#include <windows.h>

#include <cstdint>

// True (millimetres) unless the user's country measures in inches (see
// IsMetricCountryCode). The print settings page keeps it in bIsMMSet.
bool IsMetricLocale();

// Sets control `controlId` to "8.50 × 11.00 in" (inch flag; width and
// length in tenths of a millimetre / 254) or "215.9 × 279.4 mm" (/ 10), the
// units being string `unitsStringId` of `module` (at most 5 characters).
void SetPaperSizeCaption(HINSTANCE module, HWND hDlg, int controlId, UINT unitsStringId, int32_t width,
                         int32_t length, bool inch);
