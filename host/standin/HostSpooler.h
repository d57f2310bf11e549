// The stand-in's spooler for the plug-in: what Wine's spooler lacks, taken
// from the printer description, and everything else passed through to
// winspool.
//  - GetFormW for a paper of the description that the spooler has no form
//    for (level 1): a printer form (FORM_PRINTER) of the description's size.
//  - DeviceCapabilitiesW for the stand-in's printer: DC_PAPERS, DC_PAPERNAMES,
//    DC_PAPERSIZE, DC_BINS, DC_BINNAMES, DC_MEDIATYPES and DC_MEDIATYPENAMES
//    from the description's paper, input-bin and media-type options.
//
// It reaches the plug-in as the spooler service of the stand-in's driver
// helper (DriverUI), which the plug-in asks for when the helper is
// published.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "description/PrinterDescription.h"

namespace plqr::host {

// Writes a form as GetFormW level 1 answers it: FORM_INFO_1W with its name
// behind it in `buffer`, the whole size in *needed; FALSE with
// ERROR_INSUFFICIENT_BUFFER when `buffer` is null or smaller than that.
BOOL PackFormInfo1(const std::wstring& name, DWORD flags, SIZEL size, LPBYTE buffer, DWORD bufferSize,
                   LPDWORD needed);

class HostSpooler final {
 public:
  HostSpooler(const PrinterDescription& description, std::wstring printerName);

  // GetFormW and DeviceCapabilitiesW, with winspool behind them.
  BOOL GetForm(HANDLE printer, LPWSTR form, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed);
  DWORD DeviceCapabilities(LPCWSTR device, LPCWSTR port, WORD capability, LPWSTR output,
                           const DEVMODEW* devmode);

 private:
  struct Paper {
    std::wstring name;
    WORD id;
    SIZE thousandths;  // width and length in thousandths of a millimetre
  };
  struct Named {
    std::wstring name;
    DWORD id;
  };
  const Paper* FindPaper(const wchar_t* name) const;

  std::wstring m_printerName;
  std::vector<Paper> m_papers;
  std::vector<Named> m_bins;
  std::vector<Named> m_mediaTypes;
};

}  // namespace plqr::host
