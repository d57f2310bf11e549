// The core driver's helper interface as the stand-in publishes it to the
// plug-in (PublishDriverInterface): IPrintOemDriverUI, whose
// DrvUpdateUISetting is answered by DriverSettings, and the OEMUIOBJ with the
// same two procedures that the core driver hands out in OEMCUIPPARAM.
// Asked for the plug-in's private spooler service, it answers with the
// stand-in's forms and lists (HostSpooler); the real core driver answers
// E_NOINTERFACE there.
#pragma once

#include "DriverSettings.h"
#include "HostSpooler.h"
#include "PrintOem.h"
#include "support/SpoolerService.h"

namespace plqr::host {

class DriverUI final : public IPrintOemDriverUI, public plqr::IPlqrSpoolerService {
 public:
  // One reference, the caller's. `spooler` may be null: no spooler service.
  static DriverUI* Create(DriverSettings& settings, HostSpooler* spooler);

  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  STDMETHODIMP DrvGetDriverSetting(PVOID pci, PCSTR Feature, PVOID pOutput, DWORD cbSize, PDWORD pcbNeeded,
                                   PDWORD pdwOptionsReturned) override;
  STDMETHODIMP DrvUpgradeRegistrySetting(HANDLE hPrinter, PCSTR pFeature, PCSTR pOption) override;
  STDMETHODIMP DrvUpdateUISetting(PVOID pci, PVOID pOptItem, DWORD dwPreviousSelection,
                                  DWORD dwMode) override;

  BOOL STDMETHODCALLTYPE GetForm(HANDLE printer, LPWSTR form, DWORD level, LPBYTE buffer, DWORD size,
                                 LPDWORD needed) override;
  DWORD STDMETHODCALLTYPE DeviceCapabilities(LPCWSTR device, LPCWSTR port, WORD capability, LPWSTR output,
                                             const DEVMODEW* devmode) override;

  // The OEMUIOBJ of OEMCUIPPARAM and OEMUIPSPARAM.
  POEMUIOBJ UiObject() { return &m_object.header; }

  // Cuts the links to the settings and the spooler: a plug-in that keeps the
  // interface longer than the stand-in's session gets refusals and winspool,
  // never a dangling call.
  void Detach() {
    m_settings = nullptr;
    m_spooler = nullptr;
  }

  // DrvUpdateUISetting calls received.
  size_t UpdateCalls() const { return m_updateCalls; }

 private:
  DriverUI(DriverSettings& settings, HostSpooler* spooler);
  ~DriverUI() = default;

  static BOOL APIENTRY ProcGetDriverSetting(PVOID pdriverobj, PCSTR Feature, PVOID pOutput, DWORD cbSize,
                                            PDWORD pcbNeeded, PDWORD pdwOptionsReturned);
  static BOOL APIENTRY ProcUpdateUISetting(PVOID pdriverobj, PVOID pOptItem, DWORD dwPreviousSelection,
                                           DWORD dwMode);

  struct UiObjectBlock {
    OEMUIOBJ header;  // first: the core driver hands out its address
    DriverUI* owner;
  };

  volatile LONG m_cRef = 1;
  DriverSettings* m_settings;
  HostSpooler* m_spooler;
  OEMUIPROCS m_procs = {};
  UiObjectBlock m_object = {};
  size_t m_updateCalls = 0;
};

}  // namespace plqr::host
