#include "support/Spooler.h"

#include <atomic>
#include <vector>

namespace plqr {
namespace {

class WinspoolSpooler final : public ISpooler {
 public:
  BOOL OpenPrinter(LPWSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSW defaults) override {
    return ::OpenPrinterW(name, printer, defaults);
  }
  BOOL ClosePrinter(HANDLE printer) override { return ::ClosePrinter(printer); }
  BOOL GetPrinter(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) override {
    return ::GetPrinterW(printer, level, buffer, size, needed);
  }
  DWORD GetPrinterData(HANDLE printer, LPWSTR name, LPDWORD type, LPBYTE data, DWORD size,
                       LPDWORD needed) override {
    return ::GetPrinterDataW(printer, name, type, data, size, needed);
  }
  DWORD SetPrinterData(HANDLE printer, LPWSTR name, DWORD type, LPBYTE data, DWORD size) override {
    return ::SetPrinterDataW(printer, name, type, data, size);
  }
  BOOL GetPrinterDriver(HANDLE printer, LPWSTR environment, DWORD level, LPBYTE buffer, DWORD size,
                        LPDWORD needed) override {
    return ::GetPrinterDriverW(printer, environment, level, buffer, size, needed);
  }
  BOOL GetPrinterDriverDirectory(LPWSTR server, LPWSTR environment, DWORD level, LPBYTE buffer, DWORD size,
                                 LPDWORD needed) override {
    return ::GetPrinterDriverDirectoryW(server, environment, level, buffer, size, needed);
  }
  BOOL GetForm(HANDLE printer, LPWSTR form, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) override {
    return ::GetFormW(printer, form, level, buffer, size, needed);
  }
  BOOL AddForm(HANDLE printer, DWORD level, LPBYTE form) override { return ::AddFormW(printer, level, form); }
  BOOL DeleteForm(HANDLE printer, LPWSTR form) override { return ::DeleteFormW(printer, form); }
  DWORD DeviceCapabilities(LPCWSTR device, LPCWSTR port, WORD capability, LPWSTR output,
                           const DEVMODEW* devmode) override {
    return ::DeviceCapabilitiesW(device, port, capability, output, devmode);
  }
};

WinspoolSpooler g_winspool;
// A stand-in's replacement; read on whatever thread calls the plug-in.
std::atomic<ISpooler*> g_current{nullptr};

}  // namespace

ISpooler& SystemSpooler() {
  return g_winspool;
}

ISpooler& Spooler() {
  ISpooler* current = g_current.load();
  return current != nullptr ? *current : g_winspool;
}

void SetSpooler(ISpooler* spooler) {
  g_current = spooler;
}

bool PutSpoolerInPlace(ISpooler* spooler) {
  ISpooler* expected = nullptr;
  return spooler != nullptr && g_current.compare_exchange_strong(expected, spooler);
}

void TakeSpoolerAway(ISpooler* spooler) {
  ISpooler* expected = spooler;
  g_current.compare_exchange_strong(expected, nullptr);
}

bool GetSpoolerForm(HANDLE printer, const std::wstring& name, SpoolerForm* form) {
  if (name.empty() || form == nullptr) return false;
  std::vector<BYTE> buffer(512);
  DWORD needed = 0;
  std::wstring formName = name;
  BOOL ok = Spooler().GetForm(printer, formName.data(), 1, buffer.data(), static_cast<DWORD>(buffer.size()),
                              &needed);
  // A form record is small; an answer claiming more than 64 KiB is refused.
  if (!ok && GetLastError() == ERROR_INSUFFICIENT_BUFFER && needed > buffer.size() && needed <= 64 * 1024) {
    buffer.assign(needed, 0);
    ok = Spooler().GetForm(printer, formName.data(), 1, buffer.data(), static_cast<DWORD>(buffer.size()),
                           &needed);
  }
  if (!ok) return false;
  const auto* info = reinterpret_cast<const FORM_INFO_1W*>(buffer.data());
  form->flags = info->Flags;
  form->size = info->Size;
  return true;
}

}  // namespace plqr
