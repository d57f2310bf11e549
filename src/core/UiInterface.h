// CUiInterface: the vendor services. Owns the sheet session (CCommonTabs),
// the page registry built from the page table it is given (handlers and
// page-class instances by dialog ID) and the resource library, and answers
// printer events and the device-mode merge hook.
#pragma once

#include <map>

#include "core/CommonTabs.h"
#include "core/UiVendorProtocol.h"
#include "support/Handles.h"

struct PluginParts;

class CUiInterface : public CZUiVendorProtocol {
 public:
  explicit CUiInterface(const PluginParts& parts);
  ~CUiInterface() override;
  CUiInterface(const CUiInterface&) = delete;
  CUiInterface& operator=(const CUiInterface&) = delete;

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

 private:
  struct PageSlot {
    const PageRegistration* page = nullptr;
    void* instance = nullptr;  // the page-class instance, created by its handler
  };

  const PageTable& m_PageTable;
  CCommonTabs m_CommonTabs;
  std::map<DWORD, PageSlot> m_Pages;
  plqr::UniqueModule m_ResourceLibrary;
  bool m_bResourceLibraryAsked = false;
};
