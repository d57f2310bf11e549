#include "controls/ControlHelpers.h"

#include <cwchar>

#include "support/Conversions.h"

namespace plqr {

bool IsChecked(HWND dialog, int controlId) {
  return IsDlgButtonChecked(dialog, controlId) == BST_CHECKED;
}

// The setters below leave a control that already stands as asked alone:
// constraint passes set every control they decide on after each change, and
// under a slow window system every needless style change or repaint counts.
void SetChecked(HWND dialog, int controlId, bool checked) {
  const UINT state = checked ? BST_CHECKED : BST_UNCHECKED;
  if (IsDlgButtonChecked(dialog, controlId) != state) CheckDlgButton(dialog, controlId, state);
}

bool IsEnabled(HWND dialog, int controlId) {
  return IsWindowEnabled(GetDlgItem(dialog, controlId)) != FALSE;
}

void Enable(HWND dialog, int controlId, bool enabled) {
  HWND control = GetDlgItem(dialog, controlId);
  if (control != nullptr && (IsWindowEnabled(control) != FALSE) != enabled)
    EnableWindow(control, enabled ? TRUE : FALSE);
}

bool IsShown(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  return control != nullptr && (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Show(HWND dialog, int controlId, bool shown) {
  HWND control = GetDlgItem(dialog, controlId);
  if (control != nullptr && ((GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0) != shown)
    ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
}

int ComboIndex(HWND dialog, int controlId) {
  const LRESULT index = SendDlgItemMessageW(dialog, controlId, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? 0 : static_cast<int>(index);
}

int ComboCount(HWND dialog, int controlId) {
  const LRESULT count = SendDlgItemMessageW(dialog, controlId, CB_GETCOUNT, 0, 0);
  return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::wstring ComboItemText(HWND dialog, int controlId, int index) {
  const LRESULT length =
      SendDlgItemMessageW(dialog, controlId, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR || length < 0 || length > 1024) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT got = SendDlgItemMessageW(dialog, controlId, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                          reinterpret_cast<LPARAM>(text.data()));
  if (got == CB_ERR || got < 0) return {};
  text.resize(static_cast<size_t>(got) < text.size() ? static_cast<size_t>(got) : text.size() - 1);
  return text;
}

int16_t ReadSigned16(HWND dialog, int controlId) {
  wchar_t text[32] = {};
  GetDlgItemTextW(dialog, controlId, text, 32);
  return AsSigned16(std::wcstol(text, nullptr, 10));
}

void WriteNumber(HWND dialog, int controlId, int32_t value) {
  SetDlgItemInt(dialog, controlId, static_cast<UINT>(value), TRUE);
}

}  // namespace plqr
