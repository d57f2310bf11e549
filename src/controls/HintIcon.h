// Hint icons: a small information icon that a page or dialog shows beside a
// control that a constraint made unavailable. The pointer over it is the
// help pointer; a left click shows the string of the resource library that
// explains why, in an HTML Help text pop-up (font "MS Shell Dlg,8"), or in a
// tooltip beside the icon where the HTML Help control cannot show one.
#pragma once

#include <windows.h>

#include <string>

namespace plqr {

// Outer size of a hint icon window, in pixels.
constexpr int kHintIconSize = 35;

// Which side of the anchor control the icon goes to.
enum class HintSide { kRight, kLeft };

// Creates a hidden hint icon in `parent`: a STATIC window (WS_CHILD |
// SS_ICON | SS_NOTIFY) with the first free control ID from 30000, the
// parent's module as instance (the resource library of a page), the
// standard information icon and the hint-icon procedure. Null on failure.
HWND CreateHintIcon(HWND parent);

// Top-left corner of a hint icon beside an anchor whose rectangle is given
// in the parent's client coordinates: right of the right edge, or 35
// pixels left of the left edge; 5 pixels above the top edge; then moved by
// the offsets, and never left of x = 0.
POINT HintIconPosition(const RECT& anchor, HintSide side, int offsetX, int offsetY);

// Places `hint` beside `anchor` (a window of the same parent), gives it the
// explaining string `textId` and shows it above its siblings.
void ShowHintIcon(HWND hint, HWND anchor, UINT textId, int offsetX = 0, int offsetY = 0,
                  HintSide side = HintSide::kRight);

// Hides the icon and any text it shows.
void HideHintIcon(HWND hint);

// The text a click on `hint` shows (at most 1023 characters); empty when the
// icon has no string or the string is missing.
std::wstring HintIconText(HWND hint);

// What a click does: shows the text. True when a pop-up or tooltip shows it.
bool ShowHintText(HWND hint);

// The tooltip that shows the text where HTML Help shows no pop-up; null
// while none was needed.
HWND HintIconTooltip(HWND hint);

}  // namespace plqr
