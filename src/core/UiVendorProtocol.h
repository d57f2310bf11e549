// The vendor services the platform UI calls through, slot by slot.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "PrintOem.h"
#include "core/FeatureContainers.h"
#include "core/PageTable.h"

// Tab sets: which of the core driver's items the plug-in's pages replace.
enum TabSet : DWORD {
  TABSET_LAYOUT = 0,
  TABSET_PAPER_QUALITY = 1,
  TABSET_LAYOUT_AND_PAPERQUALITY = 2,
  TABSET_ADVANCED = 3,
  TABSET_DEVSETTINGS = 4,
  TABSET_ALL_TABS = 5,
};

// What a page list is built from; all null when the sheet lacks any of them.
struct PageListParams {
  VENDORDEVMODE* pVendorDevmode = nullptr;
  DEVMODEW* pPublicDM = nullptr;
  HANDLE hPrinter = nullptr;
  PWSTR pPrinterName = nullptr;
};

// (title string ID, dialog template ID) in sheet order.
using PageList = std::vector<std::pair<UINT, UINT>>;

struct PageLookup {
  PageHandler handler = nullptr;
  void** ppInstance = nullptr;
};

class CZUiVendorProtocol {
 public:
  virtual ~CZUiVendorProtocol() = default;

  virtual void PageStart() = 0;                                                           // slot 0
  virtual HRESULT PrinterEvent(PWSTR pPrinterName, INT iDriverEvent, DWORD dwFlags) = 0;  // slot 1
  virtual HRESULT DriverEvent(DWORD dwDriverEvent, DWORD dwLevel, LPBYTE pDriverInfo,     // slot 2
                              LPARAM lParam) {
    (void)dwDriverEvent;
    (void)dwLevel;
    (void)pDriverInfo;
    (void)lParam;
    return E_NOTIMPL;
  }
  virtual void DeviceMode(DWORD dwMode, HANDLE hPrinter, DEVMODEW* pPublicIn, DEVMODEW* pPublicOut,  // slot 3
                          VENDORDEVMODE* pBodyIn, VENDORDEVMODE* pBodyOut) = 0;
  virtual HRESULT DeviceCapabilities(POEMUIOBJ poemuiobj, HANDLE hPrinter, PWSTR pDeviceName,  // slot 4
                                     WORD wCapability, PVOID pOutput, PDEVMODEW pPublicDM, PVOID pOEMDM,
                                     DWORD dwOld, DWORD* dwResult) = 0;
  virtual DWORD TabSet() = 0;                                                                   // slot 5
  virtual PageLookup LookupPage(DWORD dialogId) = 0;                                            // slot 6
  virtual void ReleasePageList() = 0;                                                           // slot 7
  virtual void NotifyPageChanges(const UnavailableOptionMap& unavailable) = 0;                  // slot 8
  virtual PageList GetPageList(HANDLE hPrinter, DWORD kind, const PageListParams& params) = 0;  // slot 9
  virtual bool NotifyEmptyList() = 0;                                                           // slot 10
  virtual DWORD PageKind(DWORD dialogId) = 0;                                                   // slot 11
  virtual HINSTANCE ResourceLibrary(HANDLE hPrinter) = 0;                                       // slot 12
};
