// Showing core-driver features in drop-down lists: filling a list from the
// option-name dictionary, translating between option positions and display
// texts, and the small list operations every page uses.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/PageParams.h"

// Paper lists keep each entry's paper item ID in its item data shifted left
// by one: bit 0 stays free for the unavailable mark of the lists with
// unavailable items (controls/UnavailableCombo.h), so that an odd ID never
// reads as unavailable and marking an entry never changes its ID.
constexpr LRESULT PaperItemData(uint32_t itemId) {
  return static_cast<LRESULT>(itemId) << 1;
}
constexpr uint32_t PaperItemIdOfData(LRESULT itemData) {
  return static_cast<uint32_t>(static_cast<ULONG_PTR>(itemData) >> 1);
}

// Fills list `controlId` of `hDlg` with the keyword's option names (shown up
// to their last colon). Paper lists ("PaperSize", "PageSize") get each
// entry's paper item ID as item data (PaperItemData). When the list was filled and the
// private device mode is present, wNextPaperItemId becomes the last
// user-paper item ID of the list (0 when none). A keyword without entries
// leaves the list and the device mode untouched. `bFriendlyKeyword` only
// adds a log line.
void FillGUIValuesForCombo(HWND hDlg, const PAGEPARAMS* params, const std::wstring& keyword, int controlId,
                           bool bFriendlyKeyword);

// The display text (cut at its last colon) of the keyword's option at
// `iSel`; sets *found to true when there is one, else returns an empty text
// and leaves *found alone.
std::wstring GetStringFromiSel(const std::wstring& keyword, const PAGEPARAMS* params, uint32_t iSel,
                               bool* found);

// Paper list entries past the feature's own (the custom sizes the custom
// paper sizes dialog appends) stand for no option of the core driver: their
// index is beyond any option count (a 16-bit count), so the write-back never
// sends it.
constexpr uint32_t kFirstOwnPaperIndex = 0x10000;

// The core driver's option index of the keyword's entry at list position
// `position`. For paper keywords: the index after the entry's last colon (a
// paper list leaves out the forms it has no name for, so positions and
// option indexes part), or for a position past the keyword's entries
// kFirstOwnPaperIndex onwards. For other keywords the position itself, or
// nothing when the keyword has no entry there.
std::optional<uint32_t> GetOptionIndexAt(const std::wstring& keyword, const PAGEPARAMS* params,
                                         uint32_t position);

// The position of the keyword's first option whose stored text equals `text`
// exactly (paper entries include ":index"); sets *found to true. When none
// does: the keyword's option count, *found untouched.
uint32_t GetiSelFromString(const std::wstring& keyword, const std::wstring& text, const PAGEPARAMS* params,
                           bool* found);

// CB_SETCURSEL with `index`; returns the list's answer.
LRESULT SetCurSelForCombo(HWND hDlg, int controlId, WPARAM index);

// The current entry's text (at most 259 characters); empty when there is
// none.
std::wstring GetComboSelectedText(HWND hDlg, int controlId);

// CB_FINDSTRINGEXACT from the start; CB_ERR when not found.
LRESULT FindComboStringExact(HWND hDlg, int controlId, const wchar_t* text);
