// CUiInterface: the vendor services. Owns the common tabs object, the page
// registry (handlers and page-class instances by dialog ID) and the resource
// library, and answers printer events and the device-mode merge hook.
#pragma once

#include <map>

#include "core/CommonTabs.h"
#include "support/UiVendorProtocol.h"

class CUiInterface : public CZUiVendorProtocol {
 public:
  CUiInterface();
  ~CUiInterface() override;
  CUiInterface(const CUiInterface&) = delete;
  CUiInterface& operator=(const CUiInterface&) = delete;

  // The live vendor services object, or null.
  static CUiInterface* Instance();

  void PageStart() override;
  HRESULT PrinterEvent(PWSTR pPrinterName, INT iDriverEvent, DWORD dwFlags) override;
  void DeviceMode(DWORD dwMode, HANDLE hPrinter, DEVMODEW* pPublicIn, DEVMODEW* pPublicOut,
                  VENDORDEVMODE* pBodyIn, VENDORDEVMODE* pBodyOut) override;
  HRESULT DeviceCapabilities(POEMUIOBJ poemuiobj, HANDLE hPrinter, PWSTR pDeviceName, WORD wCapability,
                             PVOID pOutput, PDEVMODEW pPublicDM, PVOID pOEMDM, DWORD dwOld,
                             DWORD* dwResult) override;
  DWORD TabSet() override;
  PageLookup LookupPage(DWORD dialogId) override;
  void ReleasePageList() override;
  void NotifyPageChanges(const UnavailableOptionMap& unavailable) override;
  PageList GetPageList(HANDLE hPrinter, DWORD kind, const PageListParams& params) override;
  bool NotifyEmptyList() override;
  DWORD PageKind(DWORD dialogId) override;
  HINSTANCE ResourceLibrary(HANDLE hPrinter) override;

  CCommonTabs& CommonTabs() { return m_CommonTabs; }

  // Replaces the handler of a dialog ID (a diagnostic or test page); returns
  // the one it replaced so that it can be put back.
  PageHandler SetPageHandler(DWORD dialogId, PageHandler handler);

 private:
  struct PageSlot {
    PageHandler handler = nullptr;
    void* instance = nullptr;  // the page-class instance, created by its handler
    void (*destroyInstance)(void*) = nullptr;
  };

  CCommonTabs m_CommonTabs;
  std::map<DWORD, PageSlot> m_Pages;
  HINSTANCE m_hResourceLibrary = nullptr;
  bool m_bResourceLibraryAsked = false;
};
