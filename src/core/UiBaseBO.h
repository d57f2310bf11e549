// CZUiBaseBO: owns the vendor services object and forwards to it.
#pragma once

#include <memory>

#include "core/UiInterface.h"

struct PluginParts;

class CZUiBaseBO {
 public:
  explicit CZUiBaseBO(const PluginParts& parts);
  virtual ~CZUiBaseBO();
  CZUiBaseBO(const CZUiBaseBO&) = delete;
  CZUiBaseBO& operator=(const CZUiBaseBO&) = delete;

  HRESULT PrinterEvent(PWSTR pPrinterName, INT iDriverEvent, DWORD dwFlags);
  HRESULT DriverEvent(DWORD dwDriverEvent, DWORD dwLevel, LPBYTE pDriverInfo, LPARAM lParam);
  void DeviceMode(DWORD dwMode, HANDLE hPrinter, DEVMODEW* pPublicIn, DEVMODEW* pPublicOut,
                  VENDORDEVMODE* pBodyIn, VENDORDEVMODE* pBodyOut);
  HRESULT DeviceCapabilities(POEMUIOBJ poemuiobj, HANDLE hPrinter, PWSTR pDeviceName, WORD wCapability,
                             PVOID pOutput, PDEVMODEW pPublicDM, PVOID pOEMDM, DWORD dwOld, DWORD* dwResult);
  DWORD TabSet();
  PageLookup LookupPage(DWORD dialogId);
  void ReleasePageList();
  void NotifyPageChanges(const UnavailableOptionMap& unavailable);
  PageList GetPageList(HANDLE hPrinter, DWORD kind, const PageListParams& params);
  DWORD PageKind(DWORD dialogId);
  HINSTANCE ResourceLibrary(HANDLE hPrinter);
  CCommonTabs* CommonTabs();

  // Null when it could not be created.
  CUiInterface* Vendor() { return m_pVendor.get(); }

 private:
  std::unique_ptr<CUiInterface> m_pVendor;
};
