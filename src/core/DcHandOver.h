// Hands the device context of the current document to the driver's rendering
// plug-in, which lives in the same process: escape 2462 asks it for the
// address of a pointer-sized slot in its memory, and the hdc is stored there.
#pragma once

#include <windows.h>

namespace plqr {

constexpr int kEscapeRendererDcSlot = 2462;

// The escape call, replaceable so the exchange can be exercised without the
// rendering plug-in (which is not part of this library).
using ExtEscapeFn = int(WINAPI*)(HDC, int, int, LPCSTR, int, LPSTR);

// Asks the rendering side for its slot and, if it answers with a non-null
// address, writes hdc there. The escape's result code is not examined.
void HandDeviceContextToRenderer(HDC hdc, ExtEscapeFn escape = &ExtEscape);

}  // namespace plqr
