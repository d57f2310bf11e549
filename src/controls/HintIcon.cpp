#include "controls/HintIcon.h"

#include <commctrl.h>
#include <htmlhelp.h>

#include <algorithm>

#include "ResourceIds.h"
#include "controls/DialogUtils.h"
#include "controls/SubclassControl.h"
#include "support/Logging.h"

namespace plqr {
namespace {

constexpr wchar_t kTooltipProperty[] = L"HintIconTooltip";
constexpr UINT_PTR kTooltipTimer = 1;
constexpr UINT kTooltipMillis = 10000;
constexpr int kMaxHintText = 1023;

using HtmlHelpWFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// HtmlHelpW of the HTML Help control, loaded on first use and kept.
HtmlHelpWFunction HtmlHelpEntry() {
  static const HtmlHelpWFunction entry = [] {
    HMODULE control = LoadLibraryW(L"hhctrl.ocx");
    return control != nullptr ? reinterpret_cast<HtmlHelpWFunction>(
                                    reinterpret_cast<void*>(GetProcAddress(control, "HtmlHelpW")))
                              : nullptr;
  }();
  return entry;
}

void HideTooltip(HWND hint) {
  KillTimer(hint, kTooltipTimer);
  HWND tip = HintIconTooltip(hint);
  if (tip == nullptr) return;
  TTTOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = hint;
  tool.uId = 1;
  SendMessageW(tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

// Shows `text` in a tracking tooltip under the icon, for a while.
bool ShowTooltip(HWND hint, const std::wstring& text) {
  HWND tip = HintIconTooltip(hint);
  TTTOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = hint;
  tool.uId = 1;
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  if (tip == nullptr) {
    tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0,
                          0, 0, 0, hint, nullptr,
                          reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hint, GWLP_HINSTANCE)), nullptr);
    if (tip == nullptr) return false;
    SetPropW(hint, kTooltipProperty, tip);
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 300);
  } else {
    SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  RECT icon = {};
  GetWindowRect(hint, &icon);
  SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(icon.left + kHintIconSize / 2, icon.bottom));
  SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  SetTimer(hint, kTooltipTimer, kTooltipMillis, nullptr);
  return true;
}

LRESULT HintIconMessage(HWND hint, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_HELP));
      return TRUE;
    case WM_LBUTTONUP:
      ShowHintText(hint);
      return 0;
    case WM_TIMER:
      if (wParam == kTooltipTimer) {
        HideTooltip(hint);
        return 0;
      }
      break;
    case WM_DESTROY:
      KillTimer(hint, kTooltipTimer);
      if (HWND tip = static_cast<HWND>(RemovePropW(hint, kTooltipProperty))) DestroyWindow(tip);
      break;
    default:
      break;
  }
  return CallSubclassedProc(hint, message, wParam, lParam);
}

}  // namespace

HWND CreateHintIcon(HWND parent) {
  LogMessage(L"VALMERO - CreateHintIcon() => start\r\n");
  if (parent == nullptr) return nullptr;
  int id = IDC_HINT_ICON_FIRST;
  while (GetDlgItem(parent, id) != nullptr && id < 0xFFFF) ++id;
  HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  HWND hint = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | SS_ICON | SS_NOTIFY, 0, 0, kHintIconSize,
                              kHintIconSize, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              module, nullptr);
  if (hint == nullptr) return nullptr;
  SendMessageW(hint, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_INFORMATION)), 0);
  // Setting the icon sizes the control to the icon; keep the hint's size.
  SetWindowPos(hint, nullptr, 0, 0, kHintIconSize, kHintIconSize, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SubclassControl(hint, GuardedSubclassProc<HintIconMessage>);
  return hint;
}

POINT HintIconPosition(const RECT& anchor, HintSide side, int offsetX, int offsetY) {
  POINT at = {side == HintSide::kRight ? anchor.right : anchor.left - kHintIconSize, anchor.top - 5};
  at.x = std::max(0L, at.x + offsetX);
  at.y += offsetY;
  return at;
}

void ShowHintIcon(HWND hint, HWND anchor, UINT textId, int offsetX, int offsetY, HintSide side) {
  if (hint == nullptr || anchor == nullptr) return;
  RECT rect = {};
  GetWindowRect(anchor, &rect);
  MapWindowPoints(nullptr, GetParent(hint), reinterpret_cast<POINT*>(&rect), 2);
  const POINT at = HintIconPosition(rect, side, offsetX, offsetY);
  if ((GetWindowLongPtrW(hint, GWL_STYLE) & WS_VISIBLE) != 0 &&
      static_cast<UINT>(GetWindowLongPtrW(hint, GWLP_USERDATA)) == textId) {
    RECT shown = {};
    GetWindowRect(hint, &shown);
    MapWindowPoints(nullptr, GetParent(hint), reinterpret_cast<POINT*>(&shown), 2);
    if (shown.left == at.x && shown.top == at.y) return;  // already there, saying that
  }
  SetWindowLongPtrW(hint, GWLP_USERDATA, static_cast<LONG_PTR>(textId));
  SetWindowPos(hint, HWND_TOP, at.x, at.y, kHintIconSize, kHintIconSize, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void HideHintIcon(HWND hint) {
  // A hidden icon has no tooltip open: hiding it closed that.
  if (hint == nullptr || (GetWindowLongPtrW(hint, GWL_STYLE) & WS_VISIBLE) == 0) return;
  HideTooltip(hint);
  ShowWindow(hint, SW_HIDE);
}

std::wstring HintIconText(HWND hint) {
  const auto textId = static_cast<UINT>(GetWindowLongPtrW(hint, GWLP_USERDATA));
  HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hint, GWLP_HINSTANCE));
  if (textId == 0) return std::wstring();
  return LoadStringFromResource(module, textId, kMaxHintText + 1);
}

HWND HintIconTooltip(HWND hint) {
  return static_cast<HWND>(GetPropW(hint, kTooltipProperty));
}

bool ShowHintText(HWND hint) {
  const std::wstring text = HintIconText(hint);
  if (text.empty()) {
    LogMessage(L"VALMERO - ShowHintText() => no text\r\n");
    return false;
  }
  RECT icon = {};
  GetWindowRect(hint, &icon);
  HH_POPUP popup = {};
  popup.cbStruct = sizeof(popup);
  popup.pszText = text.c_str();
  popup.pt = {icon.left + kHintIconSize / 2, icon.bottom};
  popup.clrForeground = static_cast<COLORREF>(-1);
  popup.clrBackground = static_cast<COLORREF>(-1);
  popup.rcMargins = {-1, -1, -1, -1};
  popup.pszFont = L"MS Shell Dlg,8";
  if (const HtmlHelpWFunction htmlHelp = HtmlHelpEntry()) {
    if (htmlHelp(hint, nullptr, HH_DISPLAY_TEXT_POPUP, reinterpret_cast<DWORD_PTR>(&popup)) != nullptr)
      return true;
  }
  LogMessage(L"VALMERO - ShowHintText() => no HTML Help pop-up, tooltip instead\r\n");
  return ShowTooltip(hint, text);
}

}  // namespace plqr
