// The small operations every page and dialog performs on its controls, in
// one place: enabling, showing and checking controls, reading list
// selections and texts, and reading and writing numbers in edits.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace plqr {

bool IsChecked(HWND dialog, int controlId);
void SetChecked(HWND dialog, int controlId, bool checked);

bool IsEnabled(HWND dialog, int controlId);
void Enable(HWND dialog, int controlId, bool enabled);

// The control's own visibility, whether or not its page is shown.
bool IsShown(HWND dialog, int controlId);
void Show(HWND dialog, int controlId, bool shown);

// The selection of a list; CB_ERR (no selection) counts as 0.
int ComboIndex(HWND dialog, int controlId);
int ComboCount(HWND dialog, int controlId);
// The text of entry `index` (at most 1024 characters); empty when there is
// none.
std::wstring ComboItemText(HWND dialog, int controlId, int index);

// The edit's text read as a number (leading blanks, sign, digits; what
// follows them is ignored) and kept to its low 16 bits, as the pages store
// it; an empty or unreadable text reads as 0.
int16_t ReadSigned16(HWND dialog, int controlId);

// Writes `value` as a signed decimal number.
void WriteNumber(HWND dialog, int controlId, int32_t value);

}  // namespace plqr
