// Records which application is printing, for the rendering side: the base
// name of the process's main module (or, inside the 32-bit print host
// splwow64.exe, of its client process) goes into szAppModuleName of both
// private device-mode bodies (written by the vendor services) and into the
// printer data "ModuleName".
// Nothing is recorded inside the spooler itself (spoolsv.exe).
#pragma once

#include <windows.h>

#include <string>

namespace plqr {

// The name to record for a process whose main module is `hostName`;
// `clientName` is asked for only when the host is splwow64.exe. Empty when
// nothing is to be recorded. At most 31 characters.
std::wstring AppModuleNameToRecord(const std::wstring& hostName, std::wstring (*clientName)());

// The base name of the main module of process `processId` (at most 31
// characters); empty when the process cannot be opened or read.
std::wstring ProcessModuleBaseName(DWORD processId);

// Inside splwow64.exe: the module base name of the client application the
// print host works for (GetPrintExecutionData); empty when unknown.
std::wstring PrintClientModuleName();

// The name the merge hook records for the current process (see
// AppModuleNameToRecord); empty inside the spooler.
std::wstring PrintingApplicationName();

// Stores `name` as the printer data "ModuleName" (REG_MULTI_SZ, 260 bytes)
// of the printer named in PRINTER_INFO_4 of `hPrinter`.
void StoreModuleNameForPrinter(HANDLE hPrinter, const std::wstring& name);

}  // namespace plqr
