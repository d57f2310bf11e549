#include "support/Spooler.h"

#include <atomic>
#include <cstring>
#include <cwchar>
#include <vector>

#include "support/Logging.h"

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

constexpr DWORD kCapabilityFailed = static_cast<DWORD>(-1);
// More entries than any printer lists; a larger count is not believed.
constexpr DWORD kMaxCapabilityEntries = 4096;
// Room for entries added between the count and the fill, and how many times a
// list that outgrew its buffer is read.
constexpr DWORD kCapabilityHeadroom = 16;
constexpr int kCapabilityAttempts = 3;

// The size of one entry of a list capability read here; 0 for any other.
size_t CapabilityEntryBytes(WORD capability) {
  switch (capability) {
    case DC_PAPERS:
    case DC_BINS:
      return sizeof(WORD);
    case DC_PAPERNAMES:
    case DC_MEDIATYPENAMES:
      return 64 * sizeof(wchar_t);
    case DC_BINNAMES:
      return 24 * sizeof(wchar_t);
    default:
      return 0;
  }
}

// The entries of a list capability, back to back.
std::optional<std::vector<BYTE>> ReadCapabilityList(LPCWSTR device, WORD capability,
                                                    const DEVMODEW* devmode) {
  const size_t entryBytes = CapabilityEntryBytes(capability);
  if (device == nullptr || entryBytes == 0) return std::nullopt;
  ISpooler& spooler = Spooler();
  for (int attempt = 0; attempt < kCapabilityAttempts; ++attempt) {
    const DWORD count = spooler.DeviceCapabilityList(device, nullptr, capability, nullptr, 0, devmode);
    if (count == kCapabilityFailed || count > kMaxCapabilityEntries) return std::nullopt;
    const DWORD capacity = count + kCapabilityHeadroom;
    std::vector<BYTE> entries(capacity * entryBytes, 0);
    const DWORD filled =
        spooler.DeviceCapabilityList(device, nullptr, capability, entries.data(), capacity, devmode);
    if (filled == kCapabilityFailed) return std::nullopt;
    const DWORD after = spooler.DeviceCapabilityList(device, nullptr, capability, nullptr, 0, devmode);
    if (filled <= capacity && after <= capacity) {
      entries.resize(filled * entryBytes);
      return entries;
    }
    LogMessageLong(L"VALMERO - ReadCapabilityList() => the list grew beyond its buffer, capability = ",
                   capability);
  }
  return std::nullopt;
}

}  // namespace

DWORD ISpooler::DeviceCapabilityList(LPCWSTR device, LPCWSTR port, WORD capability, void* output,
                                     DWORD capacity, const DEVMODEW* devmode) {
  const DWORD count = DeviceCapabilities(device, port, capability, nullptr, devmode);
  if (output == nullptr || count == kCapabilityFailed || count > capacity) return count;
  return DeviceCapabilities(device, port, capability, static_cast<LPWSTR>(output), devmode);
}

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

std::optional<std::vector<std::wstring>> ReadCapabilityNames(LPCWSTR device, WORD capability,
                                                             const DEVMODEW* devmode) {
  if (capability != DC_PAPERNAMES && capability != DC_BINNAMES && capability != DC_MEDIATYPENAMES)
    return std::nullopt;
  const std::optional<std::vector<BYTE>> entries = ReadCapabilityList(device, capability, devmode);
  if (!entries) return std::nullopt;
  const size_t width = CapabilityEntryBytes(capability) / sizeof(wchar_t);
  std::vector<wchar_t> characters(entries->size() / sizeof(wchar_t));
  if (!entries->empty()) std::memcpy(characters.data(), entries->data(), entries->size());
  std::vector<std::wstring> names;
  for (size_t first = 0; first < characters.size(); first += width) {
    names.emplace_back(characters.data() + first, wcsnlen(characters.data() + first, width));
  }
  return names;
}

std::optional<std::vector<WORD>> ReadCapabilityNumbers(LPCWSTR device, WORD capability,
                                                       const DEVMODEW* devmode) {
  if (capability != DC_PAPERS && capability != DC_BINS) return std::nullopt;
  const std::optional<std::vector<BYTE>> entries = ReadCapabilityList(device, capability, devmode);
  if (!entries) return std::nullopt;
  std::vector<WORD> numbers(entries->size() / sizeof(WORD));
  if (!entries->empty()) std::memcpy(numbers.data(), entries->data(), entries->size());
  return numbers;
}

}  // namespace plqr
