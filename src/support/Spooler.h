// The one way the plug-in reaches the print spooler. The production
// implementation calls winspool; a test or the core-driver stand-in may put
// another implementation in place to supply what a spooler lacks (user forms,
// paper names and numbers) and pass the rest through.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <optional>
#include <string>
#include <vector>

namespace plqr {

class ISpooler {
 public:
  virtual ~ISpooler() = default;
  virtual BOOL OpenPrinter(LPWSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSW defaults) = 0;
  virtual BOOL ClosePrinter(HANDLE printer) = 0;
  virtual BOOL GetPrinter(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) = 0;
  virtual DWORD GetPrinterData(HANDLE printer, LPWSTR name, LPDWORD type, LPBYTE data, DWORD size,
                               LPDWORD needed) = 0;
  virtual DWORD SetPrinterData(HANDLE printer, LPWSTR name, DWORD type, LPBYTE data, DWORD size) = 0;
  virtual BOOL GetPrinterDriver(HANDLE printer, LPWSTR environment, DWORD level, LPBYTE buffer, DWORD size,
                                LPDWORD needed) = 0;
  virtual BOOL GetPrinterDriverDirectory(LPWSTR server, LPWSTR environment, DWORD level, LPBYTE buffer,
                                         DWORD size, LPDWORD needed) = 0;
  virtual BOOL GetForm(HANDLE printer, LPWSTR form, DWORD level, LPBYTE buffer, DWORD size,
                       LPDWORD needed) = 0;
  virtual BOOL AddForm(HANDLE printer, DWORD level, LPBYTE form) = 0;
  virtual BOOL DeleteForm(HANDLE printer, LPWSTR form) = 0;
  virtual DWORD DeviceCapabilities(LPCWSTR device, LPCWSTR port, WORD capability, LPWSTR output,
                                   const DEVMODEW* devmode) = 0;

  // A list capability (DC_PAPERS, DC_PAPERNAMES, ...) into `output`, which
  // holds `capacity` entries; a null `output` asks the count. Answers the
  // spooler's count (-1 on failure), which may exceed `capacity`: then at most
  // `capacity` entries are written. DeviceCapabilities cannot be told the
  // capacity, so by default the count is asked first and the list filled only
  // when it fits (the reader's headroom covers forms added between the two);
  // a spooler that knows its list overrides this.
  virtual DWORD DeviceCapabilityList(LPCWSTR device, LPCWSTR port, WORD capability, void* output,
                                     DWORD capacity, const DEVMODEW* devmode);
};

// The winspool implementation, for a replacement that passes calls through.
ISpooler& SystemSpooler();

// Passes every call on to another spooler (winspool unless told): a
// replacement that supplies a little of its own derives from it and
// overrides only that.
class ForwardingSpooler : public ISpooler {
 public:
  explicit ForwardingSpooler(ISpooler& next = SystemSpooler()) : m_next(next) {}
  BOOL OpenPrinter(LPWSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSW defaults) override {
    return m_next.OpenPrinter(name, printer, defaults);
  }
  BOOL ClosePrinter(HANDLE printer) override { return m_next.ClosePrinter(printer); }
  BOOL GetPrinter(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) override {
    return m_next.GetPrinter(printer, level, buffer, size, needed);
  }
  DWORD GetPrinterData(HANDLE printer, LPWSTR name, LPDWORD type, LPBYTE data, DWORD size,
                       LPDWORD needed) override {
    return m_next.GetPrinterData(printer, name, type, data, size, needed);
  }
  DWORD SetPrinterData(HANDLE printer, LPWSTR name, DWORD type, LPBYTE data, DWORD size) override {
    return m_next.SetPrinterData(printer, name, type, data, size);
  }
  BOOL GetPrinterDriver(HANDLE printer, LPWSTR environment, DWORD level, LPBYTE buffer, DWORD size,
                        LPDWORD needed) override {
    return m_next.GetPrinterDriver(printer, environment, level, buffer, size, needed);
  }
  BOOL GetPrinterDriverDirectory(LPWSTR server, LPWSTR environment, DWORD level, LPBYTE buffer, DWORD size,
                                 LPDWORD needed) override {
    return m_next.GetPrinterDriverDirectory(server, environment, level, buffer, size, needed);
  }
  BOOL GetForm(HANDLE printer, LPWSTR form, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) override {
    return m_next.GetForm(printer, form, level, buffer, size, needed);
  }
  BOOL AddForm(HANDLE printer, DWORD level, LPBYTE form) override {
    return m_next.AddForm(printer, level, form);
  }
  BOOL DeleteForm(HANDLE printer, LPWSTR form) override { return m_next.DeleteForm(printer, form); }
  DWORD DeviceCapabilities(LPCWSTR device, LPCWSTR port, WORD capability, LPWSTR output,
                           const DEVMODEW* devmode) override {
    return m_next.DeviceCapabilities(device, port, capability, output, devmode);
  }

 protected:
  ISpooler& Next() { return m_next; }

 private:
  ISpooler& m_next;
};

// The spooler in use: winspool unless replaced.
ISpooler& Spooler();

// Puts another implementation in place (null restores winspool). The caller
// keeps ownership and must outlive its use.
void SetSpooler(ISpooler* spooler);

// Puts `spooler` in place only when winspool is in use; true when it did.
bool PutSpoolerInPlace(ISpooler* spooler);
// Restores winspool when `spooler` is the one in place.
void TakeSpoolerAway(ISpooler* spooler);

// What the spooler in use knows of a form (GetFormW level 1): its flags
// (FORM_USER, FORM_BUILTIN, FORM_PRINTER) and size in thousandths of a
// millimetre. False when the spooler has no form of that name.
struct SpoolerForm {
  DWORD flags = 0;
  SIZEL size = {0, 0};
};
bool GetSpoolerForm(HANDLE printer, const std::wstring& name, SpoolerForm* form);

// A list of DeviceCapabilitiesW from the spooler in use, read with its
// capacity known: the count, a buffer of that many entries and some headroom,
// the fill, the count again; a list that grew beyond the buffer meanwhile is
// read again (a few times at most). Nothing when the spooler has no such
// list, fails, or keeps answering more than it was given room for.
//   DC_PAPERNAMES, DC_BINNAMES, DC_MEDIATYPENAMES: the names (64, 24 and 64
//   characters an entry), each cut at its terminator or at the entry's end.
std::optional<std::vector<std::wstring>> ReadCapabilityNames(LPCWSTR device, WORD capability,
                                                             const DEVMODEW* devmode);
//   DC_PAPERS, DC_BINS: the numbers.
std::optional<std::vector<WORD>> ReadCapabilityNumbers(LPCWSTR device, WORD capability,
                                                       const DEVMODEW* devmode);

}  // namespace plqr
