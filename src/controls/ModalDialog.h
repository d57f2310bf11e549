// The dialog pattern. A dialog is a class of its own file under dialogs/
// (or pages/ for the page dialogs) with the public members
//     void OnInitDialog(HWND hDlg);    (or INT_PTR: FALSE when it set the focus)
//     bool OnCommand(HWND hDlg, WORD id, WORD notification);    (true: handled)
//     void OnDestroy(HWND hDlg);       (optional: while the controls still exist)
// and is shown with RunModalDialog, whose dialog procedure routes the
// messages to them. The object itself is the dialog's creation parameter, so
// everything it works on (its DialogContext and its own state) arrives
// through it, never through a global. Its decisions are portable functions
// beside it; the members only apply them.
#pragma once

#include <windows.h>

#include <type_traits>
#include <utility>

#include "core/PageParams.h"
#include "support/ExceptionBarrier.h"
#include "support/Logging.h"

// What a dialog opened from a page works on: the resource library, and the
// page parameters and changed dictionary of the message that opened it (and
// through them the device modes and the sheet session).
struct DialogContext {
  HINSTANCE resources = nullptr;
  PAGEPARAMS* params = nullptr;
  VENDORRETURNITEMS* changedSelections = nullptr;

  CCommonTabs* Session() const { return params != nullptr ? params->m_pCommonTabs : nullptr; }
};

namespace plqr {

// Routes the messages of a dialog class to its members. A class keeps them
// private and names this as its friend.
struct DialogRouter {
  template <typename Dialog>
  static INT_PTR Route(Dialog& dialog, HWND hDlg, UINT message, WPARAM wParam) {
    switch (message) {
      case WM_INITDIALOG:
        if constexpr (std::is_void_v<decltype(dialog.OnInitDialog(hDlg))>) {
          dialog.OnInitDialog(hDlg);
          return TRUE;
        } else {
          return dialog.OnInitDialog(hDlg);
        }
      case WM_COMMAND:
        return dialog.OnCommand(hDlg, LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
      case WM_DESTROY:
        Destroy(dialog, hDlg, 0);
        return FALSE;
      default:
        return FALSE;
    }
  }

 private:
  // OnDestroy where the class has one.
  template <typename Dialog>
  static auto Destroy(Dialog& dialog, HWND hDlg, int) -> decltype(dialog.OnDestroy(hDlg), void()) {
    dialog.OnDestroy(hDlg);
  }
  template <typename Dialog>
  static void Destroy(Dialog&, HWND, long) {}
};

// The dialog procedure of every dialog class: finds the object in DWLP_USER
// (stored at WM_INITDIALOG from the creation parameter), routes the message
// to it and keeps C++ exceptions from crossing into the window manager.
template <typename Dialog>
INT_PTR CALLBACK DialogProcOf(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(hDlg, DWLP_USER, lParam);
  auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hDlg, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  return GuardResult(L"DialogProcOf", INT_PTR{FALSE},
                     [&] { return DialogRouter::Route(*dialog, hDlg, message, wParam); });
}

// Shows template `templateId` of `resources` modally over `owner`, driven by
// `dialog`; returns what EndDialog was given (-1 when it could not be shown).
template <typename Dialog>
INT_PTR RunModalDialog(HINSTANCE resources, UINT templateId, HWND owner, Dialog& dialog) {
  return DialogBoxParamW(resources, MAKEINTRESOURCEW(templateId), owner, &DialogProcOf<Dialog>,
                         reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace plqr
