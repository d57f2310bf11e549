// The class factory handed out by DllGetClassObject. It creates one CZOemUI
// per request; the core driver makes one request per driver context.
#pragma once

#include <windows.h>
#include <objbase.h>

class IOemCF : public IClassFactory {
 public:
  IOemCF();
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
};

// The body of the exported DllGetClassObject.
HRESULT OemGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv);
