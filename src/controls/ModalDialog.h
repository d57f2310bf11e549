// The dialog pattern. A dialog is a class of its own file under dialogs/
// (or pages/ for the page dialogs) with a member
//     INT_PTR HandleMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
// and is shown with RunModalDialog. The object itself is the dialog's
// creation parameter, so everything it works on (its DialogContext and its
// own state) arrives through it, never through a global. Its decisions are
// portable functions beside it; HandleMessage only applies them.
#pragma once

#include <windows.h>

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

// The dialog procedure of every dialog class: finds the object in DWLP_USER
// (stored at WM_INITDIALOG from the creation parameter) and keeps C++
// exceptions from crossing into the window manager.
template <typename Dialog>
INT_PTR CALLBACK DialogProcOf(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(hDlg, DWLP_USER, lParam);
  auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hDlg, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  return GuardResult(L"DialogProcOf", INT_PTR{FALSE},
                     [&] { return dialog->HandleMessage(hDlg, message, wParam, lParam); });
}

// Shows template `templateId` of `resources` modally over `owner`, driven by
// `dialog`; returns what EndDialog was given (-1 when it could not be shown).
template <typename Dialog>
INT_PTR RunModalDialog(HINSTANCE resources, UINT templateId, HWND owner, Dialog& dialog) {
  return DialogBoxParamW(resources, MAKEINTRESOURCEW(templateId), owner, &DialogProcOf<Dialog>,
                         reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace plqr
