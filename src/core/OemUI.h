// CZOemUI: the driver-interface object the core driver creates through the
// class factory, one per driver context. It checks arguments, answers the
// signature and version, runs the private device-mode operations and forwards
// the property-sheet, printer and device work to the platform UI object.
#pragma once

#include <memory>

#include "PrintOem.h"
#include "support/Handles.h"
#include "support/ServiceSpooler.h"

class CZPlatformUI;
struct PluginParts;

class CZOemUI : public IPrintOemUI2 {
 public:
  // `parts` outlives the object (the plug-in's parts are process-wide).
  explicit CZOemUI(const PluginParts& parts);
  CZOemUI(const CZOemUI&) = delete;
  CZOemUI& operator=(const CZOemUI&) = delete;

  // The platform UI object (null when it could not be made).
  CZPlatformUI* PlatformUI() const { return m_pPlatformUI.get(); }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IPrintOemCommon
  STDMETHODIMP GetInfo(DWORD dwMode, PVOID pBuffer, DWORD cbSize, PDWORD pcbNeeded) override;
  STDMETHODIMP DevMode(DWORD dwMode, POEMDMPARAM pOemDMParam) override;

  // IPrintOemUI
  STDMETHODIMP PublishDriverInterface(IUnknown* pIUnknown) override;
  STDMETHODIMP CommonUIProp(DWORD dwMode, POEMCUIPPARAM pOemCUIPParam) override;
  STDMETHODIMP DocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) override;
  STDMETHODIMP DevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) override;
  STDMETHODIMP DevQueryPrintEx(POEMUIOBJ poemuiobj, PDEVQUERYPRINT_INFO pDQPInfo, PDEVMODEW pPublicDM,
                               PVOID pOEMDM) override;
  STDMETHODIMP DeviceCapabilities(POEMUIOBJ poemuiobj, HANDLE hPrinter, PWSTR pDeviceName, WORD wCapability,
                                  PVOID pOutput, PDEVMODEW pPublicDM, PVOID pOEMDM, DWORD dwOld,
                                  DWORD* dwResult) override;
  STDMETHODIMP UpgradePrinter(DWORD dwLevel, PBYTE pDriverUpgradeInfo) override;
  STDMETHODIMP PrinterEvent(PWSTR pPrinterName, INT iDriverEvent, DWORD dwFlags, LPARAM lParam) override;
  STDMETHODIMP DriverEvent(DWORD dwDriverEvent, DWORD dwLevel, LPBYTE pDriverInfo, LPARAM lParam) override;
  STDMETHODIMP QueryColorProfile(HANDLE hPrinter, POEMUIOBJ poemuiobj, PDEVMODEW pPublicDM, PVOID pOEMDM,
                                 ULONG ulQueryMode, VOID* pvProfileData, ULONG* pcbProfileData,
                                 FLONG* pflProfileData) override;
  STDMETHODIMP FontInstallerDlgProc(HWND hWnd, UINT usMsg, WPARAM wParam, LPARAM lParam) override;
  STDMETHODIMP UpdateExternalFonts(HANDLE hPrinter, HANDLE hHeap, PWSTR pwstrCartridges) override;

  // IPrintOemUI2
  STDMETHODIMP QueryJobAttributes(HANDLE hPrinter, PDEVMODEW pDevmode, DWORD dwLevel,
                                  LPBYTE lpAttributeInfo) override;
  STDMETHODIMP HideStandardUI(DWORD dwMode) override;
  STDMETHODIMP DocumentEvent(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut,
                             PVOID pvOut, PINT piResult) override;

 private:
  virtual ~CZOemUI();

  volatile LONG m_cRef;
  plqr::ComPtr<IPrintOemDriverUI> m_pOEMHelp;
  // The host's spooler service, in place while this object lives (none with
  // the real core driver).
  std::unique_ptr<plqr::SpoolerHold> m_spoolerHold;
  std::unique_ptr<CZPlatformUI> m_pPlatformUI;
};

namespace plqr {

// When the system's country is one that uses A4 by default (54, 51, 598),
// turns the public device mode into A4 by paper number and form name.
void ApplyCountryPaperRule(DEVMODEW* publicDm);

}  // namespace plqr
