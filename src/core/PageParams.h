// What a page handler is given for every message, and its signature.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "PrintOem.h"
#include "core/FeatureContainers.h"

namespace plqr {
struct VENDORDEVMODE;
}
using plqr::VENDORDEVMODE;

class CCommonTabs;

// Built afresh by the common page procedure for each message.
struct PAGEPARAMS {
  OptionNameDictionary* m_OptionNameDictionary;
  PaperIndexMap* m_PaperIndexMap;
  SelectionDictionary* m_SelectionDictionary;
  DWORD dwDialogId;
  VENDORDEVMODE* m_pVendorDevmode;  // private device-mode body, or null
  DEVMODEW* pPublicDM;              // or null
  HANDLE hPrinter;
  PWSTR pPrinterName;
  IPrintOemDriverUI* pOemDriverUI;  // may be null
  void* pReserved1;                 // always null
  void* pReserved2;                 // always null
  // The session of the sheet the page belongs to: what its pages and dialogs
  // share (core/CommonTabs.h). Null only outside a sheet.
  CCommonTabs* m_pCommonTabs;
};

// Changes a handler records during one message: feature keyword -> new
// option index. Written back to the core driver right after the handler.
struct VENDORRETURNITEMS {
  std::map<std::wstring, uint32_t> m_Items;
  BYTE m_bRepeat = 0;  // set by a handler that wants to be called once more
  std::map<std::wstring, uint32_t> m_Companion;

  bool empty() const { return m_Items.empty(); }
  void clear() { m_Items.clear(); }
};
using PVENDORRETURNITEMS = VENDORRETURNITEMS*;

// A page's message handler. ppPageInstance addresses the page-class instance
// pointer held by the vendor services.
using PageHandler = BOOL (*)(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* pParams,
                             PVENDORRETURNITEMS pChanged, void** ppPageInstance);
