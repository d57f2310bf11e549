// Control subclassing by window property: the control's previous window
// procedure is kept in its property "SubClassControl" while a replacement
// procedure runs. The replacement hands every message it does not consume,
// WM_DESTROY included, to CallSubclassedProc, which calls the kept
// procedure; on WM_DESTROY it first removes the property and puts the kept
// procedure back. Used by the hint icons, the lists with unavailable items
// and the character filters of the edit controls.
#pragma once

#include <windows.h>

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

}  // namespace plqr
