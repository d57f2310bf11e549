// The plug-in as the core driver reaches it: PLQRDVXSUI.DLL loaded by path
// and its IPrintOemUI2 made through DllGetClassObject and the class factory.
// A test may hand in the DllGetClassObject of the plug-in library it links
// instead, to reach the plug-in's process-wide objects from the test.
#pragma once

#include <memory>
#include <string>

#include "PrintOem.h"
#include "support/Handles.h"

namespace plqr::host {

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

class PluginModule {
 public:
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  // Null with `error` set when the file is missing, does not load or lacks
  // DllGetClassObject.
  static std::unique_ptr<PluginModule> Load(const std::wstring& path, std::wstring& error);
  static std::unique_ptr<PluginModule> Linked(GetClassObjectFn getClassObject);

  // A new driver-interface object (one reference, the caller's); null with
  // `error` set on failure.
  IPrintOemUI2* CreateOemUI(std::wstring& error) const;

  // The loaded DLL; null for a linked plug-in.
  HMODULE Module() const { return m_module.get(); }
  const std::wstring& Path() const { return m_path; }

 private:
  PluginModule() = default;
  plqr::UniqueModule m_module;
  std::wstring m_path;
  GetClassObjectFn m_getClassObject = nullptr;
};

}  // namespace plqr::host
