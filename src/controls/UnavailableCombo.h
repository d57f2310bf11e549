// Owner-drawn drop-down lists with unavailable items. An item whose item
// data has bit 0 set is unavailable: it is drawn in the grey-text colour
// and never chosen. The page or dialog that owns such a list
//   - passes the list's WM_DRAWITEM to DrawUnavailableComboItem, which also
//     moves the drop-down highlight off an unavailable item;
//   - installs the unavailable-item procedure with SubclassUnavailableCombo,
//     which steps the up, down and numeric-keypad 8 and 2 keys over
//     unavailable items and refuses a list choice of one, keeping the
//     previous selection (the owner gets no CBN_SELCHANGE for it).
// The list must be CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS.
#pragma once

#include <windows.h>

#include <vector>

namespace plqr {

// Bit 0 of an item's data.
constexpr LRESULT kUnavailableItemFlag = 1;

bool IsComboItemUnavailable(HWND combo, int index);

// Sets or clears bit 0 of the item's data, keeping its other bits.
void SetComboItemUnavailable(HWND combo, int index, bool unavailable);

// The same for items `first` to the end of the list at once: item i is
// unavailable when unavailable[i] is true (an item past the vector's end is
// available). The list is repainted once, and only when an item changed.
void SetComboItemsUnavailable(HWND combo, const std::vector<bool>& unavailable, size_t first = 0);

// The first available item from `start` going by `step` (+1 or -1), or -1.
// With `wrap`, the walk goes on from the other end and visits every item
// once.
int NextAvailableComboItem(HWND combo, int start, int step, bool wrap);

// Draws one item of such a list (WM_DRAWITEM of an ODT_COMBOBOX): the
// selected available item in the highlight colours, other available items
// in the window colours, unavailable items in the grey-text colour. A
// highlight that landed on an unavailable item in the open list moves on
// to the next available item, wrapping to the first. False for anything
// but a combo box item.
bool DrawUnavailableComboItem(const DRAWITEMSTRUCT* item);

// Installs the unavailable-item procedure (through the "SubClassControl"
// property). False when `combo` is null or already subclassed.
bool SubclassUnavailableCombo(HWND combo);

}  // namespace plqr
