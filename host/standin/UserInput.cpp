#include "UserInput.h"

#include <commctrl.h>

#include <cwchar>

#include "HostText.h"

namespace plqr::host {

namespace {

std::string IdOf(HWND control) {
  return std::to_string(GetDlgCtrlID(control));
}

bool IsUnavailableEntry(HWND combo, LRESULT index) {
  const LONG style = GetWindowLongW(combo, GWL_STYLE);
  return (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0 &&
         (SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0) & 1) != 0;
}

void SendSelectionChange(HWND control, UINT code) {
  SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

}  // namespace

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

bool IsClass(HWND window, const wchar_t* name) {
  return _wcsicmp(ClassOf(window).c_str(), name) == 0;
}

std::string Click(HWND control) {
  if (IsClass(control, L"Button")) {
    SendMessageW(control, BM_CLICK, 0, 0);
    return {};
  }
  RECT rect = {};
  GetClientRect(control, &rect);
  const LPARAM point = MAKELPARAM((rect.right - rect.left) / 2, (rect.bottom - rect.top) / 2);
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(control, WM_LBUTTONUP, 0, point);
  return {};
}

std::string ChooseIndex(HWND control, int index) {
  if (IsClass(control, L"ComboBox")) {
    if (index < 0 || index >= SendMessageW(control, CB_GETCOUNT, 0, 0))
      return "control " + IdOf(control) + " has no entry " + std::to_string(index);
    if (IsUnavailableEntry(control, index))
      return "entry " + std::to_string(index) + " is unavailable in control " + IdOf(control);
    SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendSelectionChange(control, CBN_SELCHANGE);
    return {};
  }
  if (IsClass(control, L"ListBox")) {
    if (index < 0 || index >= SendMessageW(control, LB_GETCOUNT, 0, 0))
      return "control " + IdOf(control) + " has no entry " + std::to_string(index);
    SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendSelectionChange(control, LBN_SELCHANGE);
    return {};
  }
  if (IsClass(control, WC_LISTVIEWW)) {
    if (index < 0 || index >= SendMessageW(control, LVM_GETITEMCOUNT, 0, 0))
      return "control " + IdOf(control) + " has no entry " + std::to_string(index);
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return {};
  }
  return "control " + IdOf(control) + " is a " + Narrow(ClassOf(control)) + ", not a list";
}

std::string Choose(HWND control, const std::wstring& text, const std::string& quoted) {
  LRESULT index = -1;
  if (IsClass(control, L"ComboBox")) {
    index = SendMessageW(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(text.c_str()));
  } else if (IsClass(control, L"ListBox")) {
    index = SendMessageW(control, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(text.c_str()));
  } else if (IsClass(control, WC_LISTVIEWW)) {
    LVFINDINFOW find = {};
    find.flags = LVFI_STRING;
    find.psz = text.c_str();
    index = SendMessageW(control, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find));
  } else {
    return "control " + IdOf(control) + " is a " + Narrow(ClassOf(control)) + ", not a list";
  }
  if (index < 0) return "\"" + quoted + "\" is not in the list of control " + IdOf(control);
  if (IsClass(control, L"ComboBox") && IsUnavailableEntry(control, index))
    return "\"" + quoted + "\" is unavailable in control " + IdOf(control);
  return ChooseIndex(control, static_cast<int>(index));
}

std::string Type(HWND dialog, HWND control, const std::wstring& text, bool leave) {
  if (!IsClass(control, L"Edit")) {
    return "control " + IdOf(control) + " is a " + Narrow(ClassOf(control)) + ", not an edit";
  }
  SetFocus(control);
  SendMessageW(control, EM_SETSEL, 0, -1);
  if (text.empty()) {
    SendMessageW(control, WM_CHAR, VK_BACK, 0);
  } else {
    for (const wchar_t c : text) SendMessageW(control, WM_CHAR, c, 1);
  }
  if (leave) {
    // Leave the field as the Tab key does.
    HWND next = GetNextDlgTabItem(dialog, control, FALSE);
    SetFocus(next != nullptr && next != control ? next : dialog);
  }
  return {};
}

std::string Slide(HWND control, int position) {
  if (!IsClass(control, TRACKBAR_CLASSW)) {
    return "control " + IdOf(control) + " is a " + Narrow(ClassOf(control)) + ", not a slider";
  }
  const LRESULT low = SendMessageW(control, TBM_GETRANGEMIN, 0, 0);
  const LRESULT high = SendMessageW(control, TBM_GETRANGEMAX, 0, 0);
  if (position < low || position > high) {
    return "position " + std::to_string(position) + " is outside " + std::to_string(low) + " to " +
           std::to_string(high);
  }
  SendMessageW(control, TBM_SETPOS, TRUE, position);
  const UINT message = (GetWindowLongW(control, GWL_STYLE) & TBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL;
  HWND parent = GetParent(control);
  SendMessageW(parent, message, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(control));
  SendMessageW(parent, message, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(control));
  return {};
}

std::string Spin(HWND upDown, int delta) {
  if (!IsClass(upDown, UPDOWN_CLASSW)) {
    return "control " + IdOf(upDown) + " is a " + Narrow(ClassOf(upDown)) + ", not an up-down control";
  }
  NMUPDOWN change = {};
  change.hdr.hwndFrom = upDown;
  change.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(upDown));
  change.hdr.code = UDN_DELTAPOS;
  change.iPos = static_cast<int>(SendMessageW(upDown, UDM_GETPOS32, 0, 0));
  change.iDelta = delta;
  SendMessageW(GetParent(upDown), WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change));
  return {};
}

}  // namespace plqr::host
