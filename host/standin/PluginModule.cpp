#include "PluginModule.h"

#include "HostText.h"
#include "PrinterSetup.h"

namespace plqr::host {

std::unique_ptr<PluginModule> PluginModule::Load(const std::wstring& path, std::wstring& error) {
  if (!FileExists(path)) {
    error = L"the plug-in " + path + L" does not exist";
    return nullptr;
  }
  std::unique_ptr<PluginModule> plugin(new PluginModule());
  plugin->m_path = path;
  plugin->m_module.reset(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  if (!plugin->m_module) {
    error = L"cannot load the plug-in " + path + L": " + ErrorText(GetLastError());
    return nullptr;
  }
  plugin->m_getClassObject = reinterpret_cast<GetClassObjectFn>(
      reinterpret_cast<void*>(GetProcAddress(plugin->m_module.get(), "DllGetClassObject")));
  if (plugin->m_getClassObject == nullptr) {
    error = L"the plug-in " + path + L" does not export DllGetClassObject";
    return nullptr;
  }
  return plugin;
}

std::unique_ptr<PluginModule> PluginModule::Linked(GetClassObjectFn getClassObject) {
  std::unique_ptr<PluginModule> plugin(new PluginModule());
  plugin->m_path = L"(linked plug-in library)";
  plugin->m_getClassObject = getClassObject;
  return plugin;
}

IPrintOemUI2* PluginModule::CreateOemUI(std::wstring& error) const {
  if (m_getClassObject == nullptr) {
    error = L"no DllGetClassObject";
    return nullptr;
  }
  IClassFactory* factory = nullptr;
  HRESULT hr = m_getClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void**>(&factory));
  if (FAILED(hr) || factory == nullptr) {
    error = L"DllGetClassObject of " + m_path + L" failed with " + HexText(static_cast<unsigned long>(hr));
    return nullptr;
  }
  IPrintOemUI2* ui = nullptr;
  hr = factory->CreateInstance(nullptr, IID_IPrintOemUI2, reinterpret_cast<void**>(&ui));
  factory->Release();
  if (FAILED(hr) || ui == nullptr) {
    error = L"the plug-in's class factory made no IPrintOemUI2 (" + HexText(static_cast<unsigned long>(hr)) +
            L")";
    return nullptr;
  }
  return ui;
}

}  // namespace plqr::host
