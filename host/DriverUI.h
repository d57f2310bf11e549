// The core driver's helper interface as the stand-in publishes it to the
// plug-in (PublishDriverInterface): IPrintOemDriverUI, whose
// DrvUpdateUISetting is answered by DriverSettings, and the OEMUIOBJ with the
// same two procedures that the core driver hands out in OEMCUIPPARAM.
#pragma once

#include "DriverSettings.h"
#include "PrintOem.h"

namespace plqr::host {

class DriverUI final : public IPrintOemDriverUI {
 public:
  // One reference, the caller's.
  static DriverUI* Create(DriverSettings& settings);

  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  STDMETHODIMP DrvGetDriverSetting(PVOID pci, PCSTR Feature, PVOID pOutput, DWORD cbSize, PDWORD pcbNeeded,
                                   PDWORD pdwOptionsReturned) override;
  STDMETHODIMP DrvUpgradeRegistrySetting(HANDLE hPrinter, PCSTR pFeature, PCSTR pOption) override;
  STDMETHODIMP DrvUpdateUISetting(PVOID pci, PVOID pOptItem, DWORD dwPreviousSelection,
                                  DWORD dwMode) override;

  // The OEMUIOBJ of OEMCUIPPARAM and OEMUIPSPARAM.
  POEMUIOBJ UiObject() { return &m_object.header; }

  // Cuts the link to the settings: a plug-in that keeps the interface longer
  // than the stand-in's session gets refusals, never a dangling call.
  void Detach() { m_settings = nullptr; }

  // DrvUpdateUISetting calls received.
  size_t UpdateCalls() const { return m_updateCalls; }

 private:
  explicit DriverUI(DriverSettings& settings);
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
  OEMUIPROCS m_procs = {};
  UiObjectBlock m_object = {};
  size_t m_updateCalls = 0;
};

}  // namespace plqr::host
