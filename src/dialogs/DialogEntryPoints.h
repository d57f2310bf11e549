// Entry points of the dialogs the paper page and its more-input-options
// dialog open: custom paper sizes, covers, interleave pages and margins.
// Each takes the context of the page message that opened it. Each dialog
// replaces its own entry point when it is built; until then the entry point
// opens nothing and says so.
#pragma once

#include <windows.h>

#include "controls/ModalDialog.h"

// What opening a dialog came to.
enum class DialogOutcome { kClosed, kNotAvailable };

DialogOutcome ShowCustomSizesDialog(HWND owner, const DialogContext& context);
DialogOutcome ShowCoversDialog(HWND owner, const DialogContext& context);
DialogOutcome ShowInterleaveDialog(HWND owner, const DialogContext& context);
// Template 231.
DialogOutcome ShowMarginsDialog(HWND owner, const DialogContext& context);
