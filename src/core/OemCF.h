// The class factory handed out by DllGetClassObject. It creates one CZOemUI
// per request; the core driver makes one request per driver context.
#pragma once

#include <windows.h>
#include <objbase.h>

struct PluginParts;

class IOemCF : public IClassFactory {
 public:
  // `parts` outlives the factory (the plug-in's parts are process-wide).
  explicit IOemCF(const PluginParts& parts);
  IOemCF(const IOemCF&) = delete;
  IOemCF& operator=(const IOemCF&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IClassFactory
  STDMETHODIMP CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) override;
  STDMETHODIMP LockServer(BOOL fLock) override;

 private:
  virtual ~IOemCF();
  volatile LONG m_cRef;
  const PluginParts& m_Parts;
};

// The body of the exported DllGetClassObject: a class factory whose objects
// are made of `parts`.
HRESULT CreateClassFactory(REFCLSID rclsid, REFIID riid, void** ppv, const PluginParts& parts);
