// The graphics mode dialog (template 210), opened by the quality page: two
// radio buttons, vector or raster graphics (feature "GraphicsMode"). OK
// records the choice and keeps its opposite as the private graphics flag,
// which the rendering side reads.
#pragma once

#include <windows.h>

#include "controls/ModalDialog.h"

// Shows the dialog modally over `owner`; returns the button that closed it.
INT_PTR ShowGraphicsModeDialog(HWND owner, const DialogContext& context);
