// The more-input-options dialog (template 221), opened by the paper page:
// covers, interleave pages and margins, each a picture, a label and a button
// that opens its dialog with the context this dialog was given.
#pragma once

#include <windows.h>

#include "controls/ModalDialog.h"

// Shows the dialog modally over `owner`; returns the button that closed it.
INT_PTR ShowMoreInputOptionsDialog(HWND owner, const DialogContext& context);
