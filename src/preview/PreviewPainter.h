// Paints a PreviewLayout onto a device context (the preview's memory
// bitmap): the sheet, the page drawing or the cells, watermarks, poster
// tiles and binding dots. It decides nothing the layout has not decided;
// every GDI object it makes is freed before it returns, and the device
// context is left as it was given.
#pragma once

#include <windows.h>

#include "preview/PreviewLayout.h"

namespace plqr {

// `printerName` names the user's watermark library; `resources` gives the
// page pictures.
void PaintPreview(HDC dc, const PreviewLayout& layout, HINSTANCE resources, const wchar_t* printerName);

}  // namespace plqr
