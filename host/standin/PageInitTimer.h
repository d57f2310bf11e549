// Times what each page's procedure does with WM_INITDIALOG, as a sheet
// manager that wraps the page procedures it is handed would: the page block
// is copied with the procedure replaced, and the original procedure and this
// timer travel after the block (a sheet copies the whole dwSize it is given).
// No hook: a message hook makes every message of the thread slower and so
// would distort what it measures.
#pragma once

#include <windows.h>

#include <prsht.h>

#include <map>
#include <vector>

namespace plqr::host {

class PageInitTimer {
 public:
  PageInitTimer() = default;
  PageInitTimer(const PageInitTimer&) = delete;
  PageInitTimer& operator=(const PageInitTimer&) = delete;

  // The block to create the page from instead of `page`; it must live until
  // CreatePropertySheetPageW has copied it.
  std::vector<BYTE> Wrap(const PROPSHEETPAGEW& page);

  // Milliseconds the page's own procedure spent in WM_INITDIALOG (0 when
  // the page was not made through this timer).
  double InitDialogMs(HWND page) const;

 private:
  static INT_PTR CALLBACK TimedProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

  std::map<HWND, double> m_initDialogMs;
};

}  // namespace plqr::host
