// The plug-in's side of the host's spooler service: a spooler that asks
// the service for forms and capabilities and winspool for the rest, put in
// place for as long as the driver-interface object that found it lives.
#pragma once

#include <windows.h>

#include <memory>

#include "support/Handles.h"
#include "support/Spooler.h"
#include "support/SpoolerService.h"

namespace plqr {

class ServiceSpooler final : public ForwardingSpooler {
 public:
  explicit ServiceSpooler(ComPtr<IPlqrSpoolerService> service) : m_service(std::move(service)) {}
  BOOL GetForm(HANDLE printer, LPWSTR form, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) override {
    return m_service->GetForm(printer, form, level, buffer, size, needed);
  }
  DWORD DeviceCapabilities(LPCWSTR device, LPCWSTR port, WORD capability, LPWSTR output,
                           const DEVMODEW* devmode) override {
    return m_service->DeviceCapabilities(device, port, capability, output, devmode);
  }

 private:
  ComPtr<IPlqrSpoolerService> m_service;
};

// Asks `helper` for the service; null when it offers none.
std::unique_ptr<ServiceSpooler> SpoolerOfHelper(IUnknown* helper);

// Keeps a spooler in place for as long as the holder lives: the first holder
// in the process puts its spooler in place and takes it away again; a later
// one, while the first is in place, leaves it (both talk to the same host).
class SpoolerHold {
 public:
  explicit SpoolerHold(std::unique_ptr<ISpooler> spooler);
  ~SpoolerHold();
  SpoolerHold(const SpoolerHold&) = delete;
  SpoolerHold& operator=(const SpoolerHold&) = delete;

  bool InPlace() const { return m_inPlace; }

 private:
  std::unique_ptr<ISpooler> m_spooler;
  bool m_inPlace = false;
};

}  // namespace plqr
