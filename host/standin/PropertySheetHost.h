// The common property-sheet UI as the stand-in offers it to the plug-in:
// pfnComPropSheet (CPSFUNC_ADD_PROPSHEETPAGEW makes a page of the plug-in's
// page block with CreatePropertySheetPageW; CPSFUNC_SET_RESULT is recorded)
// and a real comctl32 PropertySheetW showing the pages, modeless for tests
// and scripts, modal for a person. Every pfnComPropSheet call is recorded in
// order.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "PageInitTimer.h"
#include "PrintOem.h"

namespace plqr::host {

struct ComPropSheetCall {
  UINT function = 0;
  LPARAM lParam1 = 0;
  LPARAM lParam2 = 0;
  LONG_PTR result = 0;
  // CPSFUNC_ADD_PROPSHEETPAGEW: the page's dialog template ID (0 when not an
  // integer resource) and title, copied when the call was made.
  DWORD templateId = 0;
  std::wstring title;
  // ... and the page block's size and flags.
  DWORD pageSize = 0;
  DWORD pageFlags = 0;
};

class PropertySheetHost {
 public:
  PropertySheetHost() = default;
  ~PropertySheetHost();
  PropertySheetHost(const PropertySheetHost&) = delete;
  PropertySheetHost& operator=(const PropertySheetHost&) = delete;

  // What goes into PROPSHEETUI_INFO.
  HANDLE Handle() { return reinterpret_cast<HANDLE>(this); }
  static LONG_PTR CALLBACK ComPropSheet(HANDLE hComPropSheet, UINT function, LPARAM lParam1, LPARAM lParam2);

  // Shows the pages collected so far (inside `actCtx` when it is valid).
  // Modeless: returns once the sheet window exists and is shown.
  bool ShowModeless(const std::wstring& caption, HANDLE actCtx, std::wstring& error);
  // Modal: returns when the sheet is closed; false when it could not be shown.
  bool RunModal(const std::wstring& caption, HANDLE actCtx, std::wstring& error);

  HWND Window() const { return m_window; }
  // The modeless sheet exists and has not been closed by OK or Cancel.
  bool IsOpen() const;
  // Destroys the modeless sheet window (its pages get WM_DESTROY).
  void DestroyWindowNow();
  // Destroys the window and every page not yet handed to a sheet.
  void Reset();

  // Works on a sheet another sheet manager made (the platform's): the page
  // queries, page switching and titles below then read that sheet. It is
  // never destroyed from here; ForgetWindow lets go of it.
  void AdoptWindow(HWND sheet);
  void ForgetWindow();

  // The pages added through ComPropSheet, or those of an adopted sheet.
  size_t PageCount() const;
  // Null until the page has been shown once.
  HWND PageWindow(size_t index) const;
  HWND CurrentPageWindow() const;
  int CurrentPageIndex() const;
  // Switches to the page; true once its window exists.
  bool SelectPage(size_t index);

  const std::vector<ComPropSheetCall>& Calls() const { return m_calls; }
  // lParam2 of every CPSFUNC_SET_RESULT, in order.
  std::vector<LONG_PTR> SetResults() const;
  // Titles and template IDs of the pages added, in order (of an adopted
  // sheet: the titles of its tabs; no template IDs).
  std::vector<std::wstring> PageTitles() const;
  std::vector<DWORD> PageTemplateIds() const;

  // Pages added from now on time their WM_INITDIALOG into `timer`, which
  // must outlive them (null: no timing).
  void SetPageInitTimer(PageInitTimer* timer) { m_initTimer = timer; }

 private:
  LONG_PTR OnCall(UINT function, LPARAM lParam1, LPARAM lParam2);
  PROPSHEETHEADERW Header(const std::wstring& caption, DWORD flags);

  static constexpr DWORD kMagic = 0x50534854;  // "PSHT"
  DWORD m_magic = kMagic;
  std::vector<HPROPSHEETPAGE> m_pages;  // owned until handed to a sheet
  bool m_pagesHandedOver = false;
  std::vector<ComPropSheetCall> m_calls;
  HWND m_window = nullptr;
  bool m_adopted = false;
  PageInitTimer* m_initTimer = nullptr;
};

// The property sheet among this thread's visible top-level windows, or null.
HWND FindThreadPropertySheet();

// Dispatches messages (through the modeless sheet's dialog handling when
// `sheet` is given) until `done` holds or `timeoutMs` passes; returns whether
// it held.
bool PumpUntil(HWND sheet, const std::function<bool()>& done, DWORD timeoutMs);

// Dispatches what is pending now.
void PumpPending(HWND sheet);

// Activates an activation context for a scope (nothing for an invalid one).
class ActivationScope {
 public:
  explicit ActivationScope(HANDLE actCtx);
  ~ActivationScope();
  ActivationScope(const ActivationScope&) = delete;
  ActivationScope& operator=(const ActivationScope&) = delete;

 private:
  ULONG_PTR m_cookie = 0;
  bool m_active = false;
};

}  // namespace plqr::host
