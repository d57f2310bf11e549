// The core driver's helper interface as the tests play it: it may refuse to
// be asked for, counts its references, records every DrvUpdateUISetting and
// answers it with `answer`.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "PrintOem.h"

namespace plqr::test {

class FakeDriverUI final : public IPrintOemDriverUI {
 public:
  struct Call {
    PVOID pci;
    OPTITEM* item;
    LONG sel;
    DWORD flags;
    DWORD previous;
    DWORD mode;
  };

  explicit FakeDriverUI(bool answersQuery = true) : m_answersQuery(answersQuery) {}

  std::function<HRESULT(OPTITEM&)> answer = [](OPTITEM&) { return S_OK; };
  std::vector<Call> calls;
  ULONG refs = 1;

  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (m_answersQuery && (IsEqualIID(riid, IID_IPrintOemDriverUI) || IsEqualIID(riid, IID_IUnknown))) {
      *ppv = static_cast<IPrintOemDriverUI*>(this);
      AddRef();
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
  STDMETHODIMP_(ULONG) Release() override { return --refs; }
  STDMETHODIMP DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) override { return E_NOTIMPL; }
  STDMETHODIMP DrvUpgradeRegistrySetting(HANDLE, PCSTR, PCSTR) override { return E_NOTIMPL; }
  STDMETHODIMP DrvUpdateUISetting(PVOID pci, PVOID optItem, DWORD previous, DWORD mode) override {
    auto* item = static_cast<OPTITEM*>(optItem);
    calls.push_back({pci, item, item->Sel, item->Flags, previous, mode});
    return answer(*item);
  }

 private:
  bool m_answersQuery;
};

}  // namespace plqr::test
