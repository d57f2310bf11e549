// One page of the open sheet and the common dialog procedure every page runs.
#pragma once

#include "PrintOem.h"
#include "core/FeatureContainers.h"
#include "core/PageParams.h"

class CZUiBaseBO;
class CCommonTabs;
class CZPropPage;
struct VENDORRETURNITEMS;

class CZPropPage {
 public:
  CZPropPage() = default;
  CZPropPage(const CZPropPage&) = delete;
  CZPropPage& operator=(const CZPropPage&) = delete;

  OptionNameDictionary* m_pOptionNameDictionary = nullptr;
  PaperIndexMap* m_pPaperIndexMap = nullptr;
  SelectionDictionary* m_pSelectionDictionary = nullptr;
  UnavailableOptionMap m_UnavailableOptions;
  DWORD m_dwTitleId = 0;
  DWORD m_dwDialogId = 0;
  CZUiBaseBO* m_pUiBaseBO = nullptr;
  CCommonTabs* m_pCommonTabs = nullptr;  // the session of the sheet
  // The feature model's write-back (PluginParts::writeBackChanges).
  bool (*m_pfnWriteBack)(CZPropPage& page, VENDORRETURNITEMS& changed) = nullptr;
  POEMCUIPPARAM m_pOEMCUIPParam = nullptr;
  PFNCOMPROPSHEET m_pfnComPropSheet = nullptr;
  HANDLE m_hComPropSheet = nullptr;
  IPrintOemDriverUI* m_pDriverUI = nullptr;
  DWORD m_dwPageKind = 0;
  BYTE m_bCanChange = 1;
  wchar_t m_szTitle[MAX_PATH + 1] = {};  // the sheet keeps a pointer to it while the page exists

  // Clears the references the page holds into the platform UI object.
  void Detach();
};

// The DLGPROC of every page: routes to the page's handler, writes recorded
// changes back, enables Apply, makes pages read-only without permission and
// confirms PSN_APPLY to the sheet.
INT_PTR CALLBACK CommonPageProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
