#include "support/AppModuleRecorder.h"

#include <psapi.h>
#include <winspool.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <memory>
#include <type_traits>
#include <vector>

#include "support/Handles.h"
#include "support/Logging.h"
#include "support/Spooler.h"

namespace plqr {

namespace {

constexpr size_t kMaxModuleNameChars = 31;
constexpr wchar_t kSpoolerModule[] = L"spoolsv.exe";
constexpr wchar_t kPrintHostModule[] = L"splwow64.exe";
constexpr wchar_t kModuleNameValue[] = L"ModuleName";
constexpr DWORD kModuleNameValueBytes = 260;

// What GetPrintExecutionData reports (winspool.h of newer SDKs; declared here
// because the function is looked up at run time).
enum PrintExecutionContext : DWORD {
  kPrintExecutionContextApplication = 0,
  kPrintExecutionContextSpoolerService = 1,
  kPrintExecutionContextSpoolerIsolationHost = 2,
  kPrintExecutionContextFilterPipeline = 3,
  kPrintExecutionContextWow64 = 4,
};
struct PrintExecutionData {
  PrintExecutionContext context;
  DWORD clientAppPID;
};
using GetPrintExecutionDataFunction = BOOL(WINAPI*)(PrintExecutionData*);

std::wstring Bounded(std::wstring name) {
  if (name.size() > kMaxModuleNameChars) name.resize(kMaxModuleNameChars);
  return name;
}

bool SameNameIgnoringCase(const std::wstring& a, const wchar_t* b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b, -1, TRUE) == CSTR_EQUAL;
}

// Base name of this process's main module.
std::wstring CurrentModuleBaseName() {
  wchar_t name[MAX_PATH] = {};
  const DWORD length = GetModuleBaseNameW(GetCurrentProcess(), nullptr, name, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return Bounded(std::wstring(name, length));
}

// The printer's own name from PRINTER_INFO_4 of the handle; empty on failure.
std::wstring PrinterNameOf(HANDLE hPrinter) {
  DWORD needed = 0;
  Spooler().GetPrinter(hPrinter, 4, nullptr, 0, &needed);
  if (needed < sizeof(PRINTER_INFO_4W) || needed > 64 * 1024) return {};
  std::vector<BYTE> buffer(needed, 0);
  if (!Spooler().GetPrinter(hPrinter, 4, buffer.data(), needed, &needed)) return {};
  const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
  if (info->pPrinterName == nullptr) return {};
  const auto* begin = reinterpret_cast<const wchar_t*>(buffer.data());
  const auto* end = reinterpret_cast<const wchar_t*>(buffer.data() + buffer.size());
  if (info->pPrinterName < begin || info->pPrinterName >= end) return {};
  return std::wstring(info->pPrinterName,
                      wcsnlen(info->pPrinterName, static_cast<size_t>(end - info->pPrinterName)));
}

}  // namespace

void StoreModuleNameForPrinter(HANDLE hPrinter, const std::wstring& name) {
  const std::wstring printerName = PrinterNameOf(hPrinter);
  if (printerName.empty()) {
    LogMessage(L"VALMERO - CUiInterface::DeviceMode() => GetPrinterW level 4 failed\r\n");
    return;
  }
  PrinterHandle printer(printerName.c_str(), PRINTER_ALL_ACCESS);
  if (!printer) {
    LogMessage(L"VALMERO - CUiInterface::DeviceMode() => OpenPrinterW failed\r\n");
    return;
  }
  // A REG_MULTI_SZ of one string in a fixed 260-byte value: the name, its
  // terminator and the list's terminator, zero-filled after.
  wchar_t value[kModuleNameValueBytes / sizeof(wchar_t)] = {};
  std::wcsncpy(value, name.c_str(), std::min(name.size(), kMaxModuleNameChars));
  const DWORD result =
      Spooler().SetPrinterData(printer.get(), const_cast<LPWSTR>(kModuleNameValue), REG_MULTI_SZ,
                               reinterpret_cast<LPBYTE>(value), kModuleNameValueBytes);
  if (result != ERROR_SUCCESS)
    LogMessageLong(L"VALMERO - CUiInterface::DeviceMode() => SetPrinterDataW = ", result);
}

std::wstring AppModuleNameToRecord(const std::wstring& hostName, std::wstring (*clientName)()) {
  const std::wstring host = Bounded(hostName);
  if (SameNameIgnoringCase(host, kSpoolerModule)) return {};
  if (SameNameIgnoringCase(host, kPrintHostModule) && clientName != nullptr) {
    const std::wstring client = Bounded(clientName());
    if (!client.empty()) return client;
  }
  return host;
}

std::wstring ProcessModuleBaseName(DWORD processId) {
  const UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  if (!process) return {};
  wchar_t name[MAX_PATH] = {};
  const DWORD length = GetModuleBaseNameW(process.get(), nullptr, name, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return Bounded(std::wstring(name, length));
}

std::wstring PrintClientModuleName() {
  HMODULE winspool = GetModuleHandleW(L"WINSPOOL.DRV");
  if (winspool == nullptr) winspool = LoadLibraryW(L"WINSPOOL.DRV");
  if (winspool == nullptr) return {};
  const auto getExecutionData = reinterpret_cast<GetPrintExecutionDataFunction>(
      reinterpret_cast<void*>(GetProcAddress(winspool, "GetPrintExecutionData")));
  if (getExecutionData == nullptr) {
    LogMessage(L"VALMERO - CUiInterface::DeviceMode() => GetPrintExecutionData is not available\r\n");
    return {};
  }
  PrintExecutionData data = {};
  if (!getExecutionData(&data) || data.clientAppPID == 0) return {};
  return ProcessModuleBaseName(data.clientAppPID);
}

std::wstring PrintingApplicationName() {
  LogMessage(L"VALMERO - CUiInterface::DeviceMode() => recording the printing application\r\n");
  const std::wstring name = AppModuleNameToRecord(CurrentModuleBaseName(), PrintClientModuleName);
  LogMessage(name.empty() ? L"VALMERO - CUiInterface::DeviceMode() => nothing recorded\r\n"
                          : (L"VALMERO - CUiInterface::DeviceMode() => recorded " + name + L"\r\n").c_str());
  return name;
}

}  // namespace plqr
