// What a user's input sends to a control, as messages: the one set of input
// primitives behind the action scripts and the tests' page driver.
//   Click   BM_CLICK to a button, a mouse click to any other control
//   Choose  CB_SETCURSEL + CBN_SELCHANGE (combo box), LB_SETCURSEL +
//           LBN_SELCHANGE (list box), the item's selected state (list view);
//           an unavailable entry of an owner-drawn list is refused
//   Type    focus, select all, WM_CHAR per character, then the focus to the
//           next control (as the Tab key does: the edit gets EN_KILLFOCUS)
//   Slide   TBM_SETPOS + WM_HSCROLL/WM_VSCROLL (TB_THUMBPOSITION, TB_ENDTRACK)
//   Spin    an up-down control's arrow: UDN_DELTAPOS to its parent
// Each answers an empty text when done, else what stopped it.
#pragma once

#include <windows.h>

#include <string>

namespace plqr::host {

std::string Click(HWND control);

// By the entry's text (`quoted` names it in the answer), or by position.
std::string Choose(HWND control, const std::wstring& text, const std::string& quoted);
std::string ChooseIndex(HWND control, int index);

// Typed into `control` of `dialog`; with `leave` false the focus stays in
// the edit (no EN_KILLFOCUS yet).
std::string Type(HWND dialog, HWND control, const std::wstring& text, bool leave = true);

std::string Slide(HWND control, int position);

std::string Spin(HWND upDown, int delta);

// The window class name, and a case-insensitive comparison with it.
std::wstring ClassOf(HWND window);
bool IsClass(HWND window, const wchar_t* name);

}  // namespace plqr::host
