// CZPlatformUI: answers the core driver's common-UI callback (hides its
// items, builds the feature containers), builds the property sheets and owns
// the page objects of the open sheet.
#pragma once

#include <memory>
#include <vector>

#include "PrintOem.h"
#include "core/FeatureContainers.h"
#include "core/PluginParts.h"
#include "core/PropPage.h"
#include "core/UiBaseBO.h"

class CZPlatformUI {
 public:
  // `parts` outlives the object (the plug-in's parts are process-wide).
  explicit CZPlatformUI(const PluginParts& parts);
  virtual ~CZPlatformUI();
  CZPlatformUI(const CZPlatformUI&) = delete;
  CZPlatformUI& operator=(const CZPlatformUI&) = delete;

  HRESULT OnCommonUIProp(DWORD dwMode, POEMCUIPPARAM pOEMUIParam);
  HRESULT InitGUI(DWORD dwMode, POEMCUIPPARAM pOEMUIParam);

  // The property-sheet builder for both sheet kinds.
  HRESULT PropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam, IPrintOemDriverUI* pDriverUI,
                         DWORD kind);

  // Forwards to the vendor services.
  void DeviceMode(DWORD dwMode, HANDLE hPrinter, DEVMODEW* pPublicIn, DEVMODEW* pPublicOut,
                  VENDORDEVMODE* pBodyIn, VENDORDEVMODE* pBodyOut);
  HRESULT DeviceCapabilities(POEMUIOBJ poemuiobj, HANDLE hPrinter, PWSTR pDeviceName, WORD wCapability,
                             PVOID pOutput, PDEVMODEW pPublicDM, PVOID pOEMDM, DWORD dwOld, DWORD* dwResult);
  HRESULT PrinterEvent(PWSTR pPrinterName, INT iDriverEvent, DWORD dwFlags);
  HRESULT DriverEvent(DWORD dwDriverEvent, DWORD dwLevel, LPBYTE pDriverInfo, LPARAM lParam);

  CZUiBaseBO* BaseBO() { return m_pUiBaseBO.get(); }
  const PluginParts& Parts() const { return m_Parts; }
  POEMCUIPPARAM SavedCUIPParam() const { return m_pOEMCUIPParam; }
  size_t PageCount() const { return m_Pages.size(); }
  CZPropPage* Page(size_t index) { return index < m_Pages.size() ? m_Pages[index].get() : nullptr; }

  OptionNameDictionary m_OptionNameDictionary;
  PaperIndexMap m_PaperIndexMap;
  SelectionDictionary m_SelectionDictionary;
  HINSTANCE m_hResInstance = nullptr;

 private:
  void HideCoreItems(DWORD dwMode, POEMCUIPPARAM pOEMUIParam);
  LONG_PTR InitSheet(PPROPSHEETUI_INFO pPSUIInfo, IPrintOemDriverUI* pDriverUI, DWORD kind);
  void ReleasePages();

  const PluginParts& m_Parts;
  std::unique_ptr<CZUiBaseBO> m_pUiBaseBO;
  std::vector<std::unique_ptr<CZPropPage>> m_Pages;
  std::vector<PROPSHEETPAGEW_V4> m_PageArray;
  HANDLE m_hPrinter = nullptr;
  POEMCUIPPARAM m_pOEMCUIPParam = nullptr;
};
