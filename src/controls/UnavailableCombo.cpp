#include "controls/UnavailableCombo.h"

#include <vector>

#include "controls/SubclassControl.h"
#include "support/Logging.h"

namespace plqr {
namespace {

// An item's data with bit 0 set or cleared, its other bits kept.
LRESULT WithUnavailableFlag(LRESULT data, bool unavailable) {
  return unavailable ? (data | kUnavailableItemFlag) : (data & ~kUnavailableItemFlag);
}

// The last accepted selection + 1 (0 for none), restored when a choice of an
// unavailable item is refused.
constexpr wchar_t kAcceptedSelectionProperty[] = L"UnavailableComboSelection";

void RememberSelection(HWND combo, LRESULT index) {
  SetPropW(combo, kAcceptedSelectionProperty,
           reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index < 0 ? 0 : index + 1)));
}

int AcceptedSelection(HWND combo) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(combo, kAcceptedSelectionProperty))) - 1;
}

HWND DropDownList(HWND combo) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

// Posted to the combo box by the drawing: "the open list highlights the
// unavailable item wParam; move on". Checked again when it arrives, as the
// list may have moved or closed meanwhile.
UINT SkipHighlightMessage() {
  static const UINT message = RegisterWindowMessageW(L"PLQR_UnavailableComboSkipHighlight");
  return message;
}

void SkipHighlight(HWND combo, int index) {
  HWND list = DropDownList(combo);
  if (list == nullptr || SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0) return;
  if (SendMessageW(list, LB_GETCURSEL, 0, 0) != index || !IsComboItemUnavailable(combo, index)) return;
  const int next = NextAvailableComboItem(combo, index + 1, 1, true);
  if (next >= 0 && next != index) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
}

void NotifySelectionChange(HWND combo) {
  const int id = GetDlgCtrlID(combo);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

// Up, down and their numeric-keypad twins: one step over unavailable items.
// Consumed whether or not an available item was found.
void StepSelection(HWND combo, int step) {
  const bool dropped = SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
  HWND list = DropDownList(combo);
  const auto current = static_cast<int>(dropped && list != nullptr ? SendMessageW(list, LB_GETCURSEL, 0, 0)
                                                                   : SendMessageW(combo, CB_GETCURSEL, 0, 0));
  const int start = current < 0 ? (step > 0 ? 0 : -1) : current + step;
  const int target = NextAvailableComboItem(combo, start, step, false);
  if (target < 0 || target == current) return;
  if (dropped && list != nullptr) {
    // The open list commits its selection when it closes.
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(target), 0);
    return;
  }
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(target), 0);
  NotifySelectionChange(combo);
}

LRESULT UnavailableComboMessage(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_DOWN || wParam == VK_NUMPAD2) {
        StepSelection(combo, 1);
        return 0;
      }
      if (wParam == VK_UP || wParam == VK_NUMPAD8) {
        StepSelection(combo, -1);
        return 0;
      }
      break;
    case WM_COMMAND:
      // The drop-down list reports a choice (a click, a typed letter, Home,
      // End, page keys) to the combo box before the combo box tells its
      // owner. A choice of an unavailable item goes no further.
      if (HIWORD(wParam) == LBN_SELCHANGE && reinterpret_cast<HWND>(lParam) == DropDownList(combo)) {
        HWND list = reinterpret_cast<HWND>(lParam);
        const auto chosen = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
        if (chosen >= 0 && IsComboItemUnavailable(combo, chosen)) {
          LogMessage(L"VALMERO - UnavailableComboMessage() => unavailable item refused\r\n");
          const int previous = AcceptedSelection(combo);
          SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(previous), 0);
          SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
          InvalidateRect(combo, nullptr, TRUE);
          return 0;
        }
        const LRESULT result = CallSubclassedProc(combo, message, wParam, lParam);
        RememberSelection(combo, SendMessageW(combo, CB_GETCURSEL, 0, 0));
        return result;
      }
      break;
    case CB_SETCURSEL:
    case CB_RESETCONTENT:
    case CB_DELETESTRING:
    case CB_SELECTSTRING: {
      const LRESULT result = CallSubclassedProc(combo, message, wParam, lParam);
      RememberSelection(combo, SendMessageW(combo, CB_GETCURSEL, 0, 0));
      return result;
    }
    case WM_DESTROY:
      RemovePropW(combo, kAcceptedSelectionProperty);
      break;
    default:
      if (message == SkipHighlightMessage() && message != 0) {
        SkipHighlight(combo, static_cast<int>(wParam));
        return 0;
      }
      break;
  }
  return CallSubclassedProc(combo, message, wParam, lParam);
}

}  // namespace

bool IsComboItemUnavailable(HWND combo, int index) {
  const LRESULT data = SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
  return data != CB_ERR && (data & kUnavailableItemFlag) != 0;
}

void SetComboItemsUnavailable(HWND combo, const std::vector<bool>& unavailable, size_t first) {
  if (combo == nullptr) return;
  // Item data is the list's own business, which the unavailable-item
  // procedure passes on untouched: asked of the kept procedure directly, a
  // list of a hundred papers costs one property lookup instead of one per
  // message (a server round trip each under Wine).
  const WNDPROC kept = SubclassedProc(combo);
  const auto send = [combo, kept](UINT message, WPARAM wParam, LPARAM lParam) {
    return kept != nullptr ? CallWindowProcW(kept, combo, message, wParam, lParam)
                           : SendMessageW(combo, message, wParam, lParam);
  };
  const LRESULT count = send(CB_GETCOUNT, 0, 0);
  bool changed = false;
  for (LRESULT i = static_cast<LRESULT>(first); i < count; ++i) {
    const auto index = static_cast<size_t>(i);
    const bool off = index < unavailable.size() && unavailable[index];
    const LRESULT data = send(CB_GETITEMDATA, index, 0);  // an index below the count: CB_ERR is data
    const LRESULT updated = WithUnavailableFlag(data, off);
    if (updated == data) continue;
    send(CB_SETITEMDATA, index, updated);
    changed = true;
  }
  if (changed) InvalidateRect(combo, nullptr, FALSE);
}

void SetComboItemUnavailable(HWND combo, int index, bool unavailable) {
  const LRESULT data = SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
  if (data == CB_ERR && SendMessageW(combo, CB_GETCOUNT, 0, 0) <= index) return;
  const LRESULT updated = WithUnavailableFlag(data, unavailable);
  // Constraint passes mark every item of every list after each change; only
  // an item whose state changes is worth a repaint of the list.
  if (updated == data) return;
  SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), updated);
  InvalidateRect(combo, nullptr, FALSE);
}

int NextAvailableComboItem(HWND combo, int start, int step, bool wrap) {
  const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  if (count <= 0 || (step != 1 && step != -1)) return -1;
  int index = start;
  for (int visited = 0; visited < count; ++visited, index += step) {
    if (index < 0 || index >= count) {
      if (!wrap) return -1;
      index = index < 0 ? count - 1 : 0;
    }
    if (!IsComboItemUnavailable(combo, index)) return index;
  }
  return -1;
}

bool DrawUnavailableComboItem(const DRAWITEMSTRUCT* item) {
  if (item == nullptr || item->CtlType != ODT_COMBOBOX || item->hwndItem == nullptr) return false;
  HWND combo = item->hwndItem;
  HDC dc = item->hDC;
  const auto index = static_cast<int>(item->itemID);
  const bool unavailable = index >= 0 && (item->itemData & kUnavailableItemFlag) != 0;
  const bool selected = (item->itemState & ODS_SELECTED) != 0;
  const bool highlighted = selected && !unavailable && (item->itemState & ODS_DISABLED) == 0;

  int textColour = COLOR_WINDOWTEXT;
  if (unavailable || (item->itemState & ODS_DISABLED) != 0) {
    textColour = COLOR_GRAYTEXT;
  } else if (highlighted) {
    textColour = COLOR_HIGHLIGHTTEXT;
  }
  FillRect(dc, &item->rcItem, GetSysColorBrush(highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW));

  if (index >= 0) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length > 0 && length < 0x8000) {
      std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
      const LRESULT copied = SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                          reinterpret_cast<LPARAM>(text.data()));
      if (copied > 0 && copied <= length) {
        const COLORREF oldText = SetTextColor(dc, GetSysColor(textColour));
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        RECT textRect = item->rcItem;
        textRect.left += 2;
        DrawTextW(dc, text.data(), static_cast<int>(copied), &textRect,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        SetBkMode(dc, oldMode);
        SetTextColor(dc, oldText);
      }
    }
  }
  if ((item->itemState & ODS_FOCUS) != 0 && (item->itemState & ODS_NOFOCUSRECT) == 0)
    DrawFocusRect(dc, &item->rcItem);

  // In the open list, a highlight on an unavailable item moves on, once the
  // list has finished painting (the unavailable-item procedure does it).
  if (selected && unavailable && (item->itemState & ODS_COMBOBOXEDIT) == 0 && SkipHighlightMessage() != 0) {
    PostMessageW(combo, SkipHighlightMessage(), static_cast<WPARAM>(index), 0);
  }
  return true;
}

bool SubclassUnavailableCombo(HWND combo) {
  if (!SubclassControl(combo, GuardedSubclassProc<UnavailableComboMessage>)) return false;
  RememberSelection(combo, SendMessageW(combo, CB_GETCURSEL, 0, 0));
  return true;
}

}  // namespace plqr
