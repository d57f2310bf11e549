// State shared by every page and dialog of the open sheet.
#pragma once

#include <windows.h>

#include <vector>

struct PAGEPARAMS;
struct VENDORRETURNITEMS;

class CCommonTabs {
 public:
  CCommonTabs();
  ~CCommonTabs();
  CCommonTabs(const CCommonTabs&) = delete;
  CCommonTabs& operator=(const CCommonTabs&) = delete;

  // The object of the live vendor services, or null.
  static CCommonTabs* Instance();

  // Tells every page and dialog registered with CConstraintNotifier, the
  // caller included, to re-apply its rules (features/SettingsRequest.cpp).
  void NotifyConstraintChange(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections);

  // A page's answer to WM_SETTINGS_CHANGE_REQUEST: saves, deletes or applies
  // a preset through the quick-settings store, shows the matching message
  // and updates bSettingsChanged. Returns the store's result (1 = success),
  // 0 when a request that needs a record has none, 1 when nothing was done.
  BOOL HandleSettingsChangeRequest(HWND hWnd, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
                                   VENDORRETURNITEMS* changedSelections);

  // Any page or dialog sets this to ask for the sheet's Apply button.
  BYTE m_bEnableApply = 0;

  // Installable-options state of the printer (filled by the device options page).
  std::vector<BYTE> m_InstallableOptions;
};
