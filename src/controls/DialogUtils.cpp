#include "controls/DialogUtils.h"

#include <commctrl.h>

void SetControlImage(HWND hDlg, HINSTANCE module, UINT bitmapId, int controlId, bool transparent) {
  if (module == nullptr) return;
  UINT flags = LR_SHARED;
  if (transparent) flags |= LR_LOADTRANSPARENT;
  const HANDLE image = LoadImageW(module, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, flags);
  const auto previous = reinterpret_cast<HGDIOBJ>(
      SendDlgItemMessageW(hDlg, controlId, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image)));
  if (previous != nullptr && previous != image) DeleteObject(previous);
}

void SetDlgItemTextFromResource(HWND hDlg, HINSTANCE module, int controlId, UINT stringId) {
  SetDlgItemTextW(hDlg, controlId, LoadStringFromResource(module, stringId).c_str());
}

void CenterWindowOnOwner(HWND window) {
  const HWND owner = GetWindow(window, GW_OWNER);
  if (owner == nullptr) return;
  RECT ownerRect = {};
  RECT windowRect = {};
  if (!GetWindowRect(owner, &ownerRect) || !GetWindowRect(window, &windowRect)) return;
  const LONG width = windowRect.right - windowRect.left;
  const LONG height = windowRect.bottom - windowRect.top;
  const LONG x = ownerRect.left + ((ownerRect.right - ownerRect.left) - width) / 2;
  const LONG y = ownerRect.top + ((ownerRect.bottom - ownerRect.top) - height) / 2;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_FRAMECHANGED);
}

void MoveWindowOver(HWND parent, HWND reference, HWND window, BOOL repaint) {
  RECT referenceRect = {};
  RECT windowRect = {};
  if (!GetWindowRect(reference, &referenceRect) || !GetWindowRect(window, &windowRect)) return;
  POINT corner = {referenceRect.left, referenceRect.top};
  ScreenToClient(parent, &corner);
  MoveWindow(window, corner.x, corner.y, windowRect.right - windowRect.left,
             windowRect.bottom - windowRect.top, repaint);
}

void ShowEditBalloonTip(HWND edit, HINSTANCE module, UINT titleId, UINT textId) {
  const std::wstring title = LoadStringFromResource(module, titleId);
  const std::wstring text = LoadStringFromResource(module, textId);
  EDITBALLOONTIP tip = {};
  tip.cbStruct = sizeof(tip);
  tip.pszTitle = title.c_str();
  tip.pszText = text.c_str();
  tip.ttiIcon = TTI_ERROR;
  SendMessageW(edit, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip));
}

void HideEditBalloonTip(HWND edit) {
  SendMessageW(edit, EM_HIDEBALLOONTIP, 0, 0);
}
