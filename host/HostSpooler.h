// The stand-in's spooler for the plug-in: what Wine's spooler lacks, taken
// from the printer description, and everything else passed through to
// winspool.
//  - GetFormW for a paper of the description that the spooler has no form
//    for (level 1): a printer form (FORM_PRINTER) of the description's size.
//  - DeviceCapabilitiesW for the stand-in's printer: DC_PAPERS, DC_PAPERNAMES,
//    DC_PAPERSIZE, DC_BINS, DC_BINNAMES, DC_MEDIATYPES and DC_MEDIATYPENAMES
//    from the description's paper, input-bin and media-type options.
//
// It reaches the plug-in two ways: plqr::SetSpooler for a plug-in library
// linked into this process, and, for PLQRDVXSUI.DLL loaded by path, by
// pointing the DLL's imports of GetFormW and DeviceCapabilitiesW at it (the
// DLL keeps its own copy of the seam, which this process cannot set).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "description/PrinterDescription.h"
#include "support/Spooler.h"

namespace plqr::host {

class HostSpooler final : public plqr::ForwardingSpooler {
 public:
  HostSpooler(const PrinterDescription& description, std::wstring printerName);

  BOOL GetForm(HANDLE printer, LPWSTR form, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) override;
  DWORD DeviceCapabilities(LPCWSTR device, LPCWSTR port, WORD capability, LPWSTR output,
                           const DEVMODEW* devmode) override;

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

// Puts `spooler` behind the plug-in: plqr::SetSpooler for the linked library
// and the imports of `pluginModule` (when not null). The destructor undoes
// both. One at a time per process.
class SpoolerRedirect {
 public:
  SpoolerRedirect(HostSpooler& spooler, HMODULE pluginModule);
  ~SpoolerRedirect();
  SpoolerRedirect(const SpoolerRedirect&) = delete;
  SpoolerRedirect& operator=(const SpoolerRedirect&) = delete;

  // How many of the DLL's imports were redirected (0 for no DLL).
  int RedirectedImports() const { return static_cast<int>(m_patched.size()); }

 private:
  struct Patch {
    void** slot;
    void* previous;
  };
  std::vector<Patch> m_patched;
};

}  // namespace plqr::host
