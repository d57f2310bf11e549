#include "core/UiBaseBO.h"

#include <new>

CZUiBaseBO::CZUiBaseBO(const PluginParts& parts) : m_pVendor(new (std::nothrow) CUiInterface(parts)) {}

CZUiBaseBO::~CZUiBaseBO() = default;

HRESULT CZUiBaseBO::PrinterEvent(PWSTR pPrinterName, INT iDriverEvent, DWORD dwFlags) {
  return m_pVendor ? m_pVendor->PrinterEvent(pPrinterName, iDriverEvent, dwFlags) : S_OK;
}

HRESULT CZUiBaseBO::DriverEvent(DWORD dwDriverEvent, DWORD dwLevel, LPBYTE pDriverInfo, LPARAM lParam) {
  return m_pVendor ? m_pVendor->DriverEvent(dwDriverEvent, dwLevel, pDriverInfo, lParam) : E_NOTIMPL;
}

void CZUiBaseBO::DeviceMode(DWORD dwMode, HANDLE hPrinter, DEVMODEW* pPublicIn, DEVMODEW* pPublicOut,
                            VENDORDEVMODE* pBodyIn, VENDORDEVMODE* pBodyOut) {
  if (m_pVendor) m_pVendor->DeviceMode(dwMode, hPrinter, pPublicIn, pPublicOut, pBodyIn, pBodyOut);
}

HRESULT CZUiBaseBO::DeviceCapabilities(POEMUIOBJ poemuiobj, HANDLE hPrinter, PWSTR pDeviceName,
                                       WORD wCapability, PVOID pOutput, PDEVMODEW pPublicDM, PVOID pOEMDM,
                                       DWORD dwOld, DWORD* dwResult) {
  if (!m_pVendor) return S_OK;
  return m_pVendor->DeviceCapabilities(poemuiobj, hPrinter, pDeviceName, wCapability, pOutput, pPublicDM,
                                       pOEMDM, dwOld, dwResult);
}

DWORD CZUiBaseBO::TabSet() {
  return m_pVendor ? m_pVendor->TabSet() : TABSET_ALL_TABS;
}

PageLookup CZUiBaseBO::LookupPage(DWORD dialogId) {
  return m_pVendor ? m_pVendor->LookupPage(dialogId) : PageLookup{};
}

void CZUiBaseBO::ReleasePageList() {
  if (m_pVendor) m_pVendor->ReleasePageList();
}

void CZUiBaseBO::NotifyPageChanges(const UnavailableOptionMap& unavailable) {
  if (m_pVendor) m_pVendor->NotifyPageChanges(unavailable);
}

PageList CZUiBaseBO::GetPageList(HANDLE hPrinter, DWORD kind, const PageListParams& params) {
  return m_pVendor ? m_pVendor->GetPageList(hPrinter, kind, params) : PageList{};
}

DWORD CZUiBaseBO::PageKind(DWORD dialogId) {
  return m_pVendor ? m_pVendor->PageKind(dialogId) : kSheetPrinter;
}

HINSTANCE CZUiBaseBO::ResourceLibrary(HANDLE hPrinter) {
  return m_pVendor ? m_pVendor->ResourceLibrary(hPrinter) : nullptr;
}

CCommonTabs* CZUiBaseBO::CommonTabs() {
  return m_pVendor ? &m_pVendor->CommonTabs() : nullptr;
}
