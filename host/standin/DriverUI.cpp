#include "DriverUI.h"

#include <new>

namespace plqr::host {

DriverUI* DriverUI::Create(DriverSettings& settings, HostSpooler* spooler) {
  return new (std::nothrow) DriverUI(settings, spooler);
}

DriverUI::DriverUI(DriverSettings& settings, HostSpooler* spooler)
    : m_settings(&settings), m_spooler(spooler) {
  m_procs.DrvGetDriverSetting = &ProcGetDriverSetting;
  m_procs.DrvUpdateUISetting = &ProcUpdateUISetting;
  m_object.header.cbSize = sizeof(OEMUIOBJ);
  m_object.header.pOemUIProcs = &m_procs;
  m_object.owner = this;
}

STDMETHODIMP DriverUI::QueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPrintOemDriverUI)) {
    *ppv = static_cast<IPrintOemDriverUI*>(this);
    AddRef();
    return S_OK;
  }
  if (IsEqualIID(riid, plqr::IID_IPlqrSpoolerService) && m_spooler != nullptr) {
    *ppv = static_cast<plqr::IPlqrSpoolerService*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) DriverUI::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&m_cRef));
}

STDMETHODIMP_(ULONG) DriverUI::Release() {
  const LONG count = InterlockedDecrement(&m_cRef);
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

// The stand-in keeps no feature settings a plug-in could read by name.
STDMETHODIMP DriverUI::DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) {
  return E_NOTIMPL;
}

STDMETHODIMP DriverUI::DrvUpgradeRegistrySetting(HANDLE, PCSTR, PCSTR) {
  return E_NOTIMPL;
}

STDMETHODIMP DriverUI::DrvUpdateUISetting(PVOID /*pci*/, PVOID pOptItem, DWORD /*dwPreviousSelection*/,
                                          DWORD /*dwMode*/) {
  ++m_updateCalls;
  if (m_settings == nullptr) return E_FAIL;
  return m_settings->Update(pOptItem);
}

BOOL STDMETHODCALLTYPE DriverUI::GetForm(HANDLE printer, LPWSTR form, DWORD level, LPBYTE buffer, DWORD size,
                                         LPDWORD needed) {
  if (m_spooler == nullptr) return ::GetFormW(printer, form, level, buffer, size, needed);
  return m_spooler->GetForm(printer, form, level, buffer, size, needed);
}

DWORD STDMETHODCALLTYPE DriverUI::DeviceCapabilities(LPCWSTR device, LPCWSTR port, WORD capability,
                                                     LPWSTR output, const DEVMODEW* devmode) {
  if (m_spooler == nullptr)
    return static_cast<DWORD>(::DeviceCapabilitiesW(device, port, capability, output, devmode));
  return m_spooler->DeviceCapabilities(device, port, capability, output, devmode);
}

BOOL APIENTRY DriverUI::ProcGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) {
  SetLastError(ERROR_NOT_SUPPORTED);
  return FALSE;
}

BOOL APIENTRY DriverUI::ProcUpdateUISetting(PVOID pdriverobj, PVOID pOptItem, DWORD dwPreviousSelection,
                                            DWORD dwMode) {
  auto* block = reinterpret_cast<UiObjectBlock*>(pdriverobj);
  if (block == nullptr || block->header.cbSize != sizeof(OEMUIOBJ) || block->owner == nullptr) return FALSE;
  return block->owner->DrvUpdateUISetting(pdriverobj, pOptItem, dwPreviousSelection, dwMode) == S_OK;
}

}  // namespace plqr::host
