#include "core/OemCF.h"

#include <new>

#include "core/ClassIds.h"
#include "core/ModuleState.h"
#include "core/OemUI.h"
#include "support/ExceptionBarrier.h"

IOemCF::IOemCF(const PluginParts& parts) : m_cRef(1), m_Parts(parts) {
  plqr::ModuleObjectCreated();
}

IOemCF::~IOemCF() {
  plqr::ModuleObjectDestroyed();
}

STDMETHODIMP IOemCF::QueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
    *ppv = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) IOemCF::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&m_cRef));
}

STDMETHODIMP_(ULONG) IOemCF::Release() {
  const LONG count = InterlockedDecrement(&m_cRef);
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

STDMETHODIMP IOemCF::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  if (pUnkOuter != nullptr) return CLASS_E_NOAGGREGATION;
  return plqr::GuardHresult(L"IOemCF::CreateInstance", [&] {
    auto* object = new CZOemUI(m_Parts);
    // The caller's reference, if QueryInterface succeeds, is the only one left.
    const HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
  });
}

STDMETHODIMP IOemCF::LockServer(BOOL fLock) {
  plqr::ModuleLock(fLock != FALSE);
  return S_OK;
}

HRESULT CreateClassFactory(REFCLSID rclsid, REFIID riid, void** ppv, const PluginParts& parts) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  if (!plqr::IsPluginClassId(rclsid)) return CLASS_E_CLASSNOTAVAILABLE;
  IOemCF* factory = new (std::nothrow) IOemCF(parts);
  if (factory == nullptr) return E_OUTOFMEMORY;
  const HRESULT hr = factory->QueryInterface(riid, ppv);
  factory->Release();
  return hr;
}
