// Entry points of the dialogs the paper page opens: custom paper sizes,
// covers, interleave pages and margins. Each dialog replaces its own entry
// point when it is built; until then the entry point opens nothing and says
// so.
#pragma once

#include <windows.h>

#include "core/PageParams.h"

// What opening a dialog came to.
enum class DialogOutcome { kClosed, kNotAvailable };

DialogOutcome ShowCustomSizesDialog(HINSTANCE resources, HWND owner, PAGEPARAMS* context,
                                    PVENDORRETURNITEMS changed);
DialogOutcome ShowCoversDialog(HINSTANCE resources, HWND owner, PAGEPARAMS* context,
                               PVENDORRETURNITEMS changed);
DialogOutcome ShowInterleaveDialog(HINSTANCE resources, HWND owner, PAGEPARAMS* context,
                                   PVENDORRETURNITEMS changed);
// Template 231; `pageObject` is the paper page that opened it.
DialogOutcome ShowMarginsDialog(HINSTANCE resources, HWND owner, void* pageObject);
