// A private interface a host may offer beside the core driver's UI helper:
// the plug-in asks the helper it was published (PublishDriverInterface) for
// it by IID, and when the answer is E_NOINTERFACE, as the real core
// driver's is, it talks to winspool alone. A host whose spooler lacks forms,
// paper lists or bin lists (the core-driver stand-in under Wine) supplies
// them through it; every other spooler call goes to winspool.
//
// The interface crosses a module boundary, so it is COM-shaped: IUnknown
// first, STDMETHODCALLTYPE, arguments and results exactly those of GetFormW
// and DeviceCapabilitiesW.
#pragma once

#include <windows.h>
#include <winspool.h>

namespace plqr {

// {6E1C2A53-92D4-4C0B-9E3F-5A17B2C8D041}
inline constexpr GUID IID_IPlqrSpoolerService = {
    0x6e1c2a53, 0x92d4, 0x4c0b, {0x9e, 0x3f, 0x5a, 0x17, 0xb2, 0xc8, 0xd0, 0x41}};

struct IPlqrSpoolerService : public IUnknown {
  virtual BOOL STDMETHODCALLTYPE GetForm(HANDLE printer, LPWSTR form, DWORD level, LPBYTE buffer, DWORD size,
                                         LPDWORD needed) = 0;
  virtual DWORD STDMETHODCALLTYPE DeviceCapabilities(LPCWSTR device, LPCWSTR port, WORD capability,
                                                     LPWSTR output, const DEVMODEW* devmode) = 0;
};

}  // namespace plqr
