// Control subclassing by window property: the control's previous window
// procedure is kept in its property "SubClassControl" while a replacement
// procedure runs. The replacement hands every message it does not consume,
// WM_DESTROY included, to CallSubclassedProc, which calls the kept
// procedure; on WM_DESTROY it first removes the property and puts the kept
// procedure back. Used by the hint icons, the lists with unavailable items
// and the character filters of the edit controls.
#pragma once

#include <windows.h>

#include "support/ExceptionBarrier.h"

namespace plqr {

inline constexpr wchar_t kSubClassControlProperty[] = L"SubClassControl";

// Installs `procedure` on `control`. False (and nothing changed) for a null
// window or procedure, or a control that is already subclassed this way.
bool SubclassControl(HWND control, WNDPROC procedure);

// The kept procedure's answer to a message the replacement did not consume;
// DefWindowProcW for a window without the property.
LRESULT CallSubclassedProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// The procedure kept for `control`, or null.
WNDPROC SubclassedProc(HWND control);

// The replacement procedure to install for a message handler: it keeps C++
// exceptions in, and a message whose handler failed goes on to the kept
// procedure.
template <LRESULT (*Handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK GuardedSubclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardWindowMessage(
      L"GuardedSubclassProc", [&] { return Handler(control, message, wParam, lParam); },
      [&] { return CallSubclassedProc(control, message, wParam, lParam); });
}

}  // namespace plqr
