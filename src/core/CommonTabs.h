// State shared by every page and dialog of the open sheet.
#pragma once

#include <windows.h>

#include <vector>

class CCommonTabs {
 public:
  CCommonTabs();
  ~CCommonTabs();
  CCommonTabs(const CCommonTabs&) = delete;
  CCommonTabs& operator=(const CCommonTabs&) = delete;

  // The object of the live vendor services, or null.
  static CCommonTabs* Instance();

  // Any page or dialog sets this to ask for the sheet's Apply button.
  BYTE m_bEnableApply = 0;

  // Installable-options state of the printer (filled by the device options page).
  std::vector<BYTE> m_InstallableOptions;
};
