#include "core/PlatformUI.h"

#include <cwchar>
#include <new>

#include "core/ActivationContext.h"
#include "core/CommonTabs.h"
#include "core/PrivateDevmode.h"
#include "support/Logging.h"
#include "support/ResourceStrings.h"

namespace {

// Items the layout page replaces: orientation, pages per sheet, page order,
// and two items the core driver names by resource ID.
bool IsLayoutItem(const OPTITEM& item) {
  if (item.DMPubID == DMPUB_ORIENTATION || item.DMPubID == DMPUB_NUP || item.DMPubID == DMPUB_PAGEORDER) {
    return true;
  }
  const WORD nameId = LOWORD(reinterpret_cast<ULONG_PTR>(item.pName));
  return nameId == 0x01A3 || nameId == 0xFD6E;
}

bool IsPaperQualityItem(const OPTITEM& item) {
  return item.DMPubID == DMPUB_DEFSOURCE || item.DMPubID == DMPUB_COLOR || item.DMPubID == DMPUB_MEDIATYPE;
}

bool ShouldHide(const OPTITEM& item, DWORD sheetMode, DWORD tabSet) {
  if (sheetMode == OEMCUIP_PRNPROP) return tabSet == TABSET_DEVSETTINGS || tabSet == TABSET_ALL_TABS;
  switch (tabSet) {
    case TABSET_LAYOUT:
      return IsLayoutItem(item);
    case TABSET_PAPER_QUALITY:
      return IsPaperQualityItem(item);
    case TABSET_LAYOUT_AND_PAPERQUALITY:
    case TABSET_ADVANCED:
      return IsLayoutItem(item) || IsPaperQualityItem(item);
    case TABSET_ALL_TABS:
      return true;
    default:
      return false;
  }
}

}  // namespace

CZPlatformUI::CZPlatformUI(const PluginParts& parts)
    : m_Parts(parts), m_pUiBaseBO(new (std::nothrow) CZUiBaseBO(parts)) {}

CZPlatformUI::~CZPlatformUI() = default;

HRESULT CZPlatformUI::OnCommonUIProp(DWORD dwMode, POEMCUIPPARAM pOEMUIParam) {
  plqr::LogMessage(L"VALMERO - CZPlatformUI::OnCommonUIProp => start\r\n");
  if ((dwMode != OEMCUIP_DOCPROP && dwMode != OEMCUIP_PRNPROP) || pOEMUIParam == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return E_FAIL;
  }
  return InitGUI(dwMode, pOEMUIParam);
}

HRESULT CZPlatformUI::InitGUI(DWORD dwMode, POEMCUIPPARAM pOEMUIParam) {
  // The core driver's first call asks how many items the plug-in adds: none.
  if (pOEMUIParam->pOEMOptItems == nullptr) {
    pOEMUIParam->cOEMOptItems = 0;
    return S_OK;
  }
  m_pOEMCUIPParam = pOEMUIParam;
  m_hPrinter = pOEMUIParam->hPrinter;
  // The dictionary reads what hiding replaces: the copies item's collate box
  // lives in its Flags.
  if (m_Parts.createFeatureDictionary != nullptr) m_Parts.createFeatureDictionary(this, pOEMUIParam);
  HideCoreItems(dwMode, pOEMUIParam);
  return S_OK;
}

void CZPlatformUI::HideCoreItems(DWORD dwMode, POEMCUIPPARAM pOEMUIParam) {
  if (pOEMUIParam->pDrvOptItems == nullptr || !m_pUiBaseBO) return;
  const DWORD tabSet = m_pUiBaseBO->TabSet();
  for (DWORD i = 0; i < pOEMUIParam->cDrvOptItems; ++i) {
    OPTITEM& item = pOEMUIParam->pDrvOptItems[i];
    if (ShouldHide(item, dwMode, tabSet)) item.Flags = OPTIF_HIDE;
  }
}

HRESULT CZPlatformUI::PropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam, IPrintOemDriverUI* pDriverUI,
                                     DWORD kind) {
  plqr::LogMessage(L"VALMERO - CZPlatformUI::PropertySheets => start\r\n");
  if (pPSUIInfo == nullptr || pPSUIInfo->Version != PROPSHEETUI_INFO_VERSION) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return E_FAIL;
  }
  switch (pPSUIInfo->Reason) {
    case PROPSHEETUI_REASON_INIT:
      pPSUIInfo->Result = InitSheet(pPSUIInfo, pDriverUI, kind);
      break;
    case PROPSHEETUI_REASON_GET_INFO_HEADER:
      pPSUIInfo->Result = 1;
      break;
    case PROPSHEETUI_REASON_GET_ICON:
      pPSUIInfo->Result = 0;
      break;
    case PROPSHEETUI_REASON_SET_RESULT: {
      const auto* info = reinterpret_cast<const SETRESULT_INFO*>(lParam);
      if (info != nullptr) pPSUIInfo->Result = info->Result;
      break;
    }
    case PROPSHEETUI_REASON_DESTROY:
      // The containers were built by CommonUIProp for this sheet (INIT keeps
      // them: the pages read them); the paper index map outlives the sheet.
      ReleasePages();
      m_OptionNameDictionary.clear();
      m_SelectionDictionary.clear();
      pPSUIInfo->Result = 1;
      break;
    default:
      break;
  }
  return S_OK;
}

LONG_PTR CZPlatformUI::InitSheet(PPROPSHEETUI_INFO pPSUIInfo, IPrintOemDriverUI* pDriverUI, DWORD kind) {
  if (kind != kSheetDocument && kind != kSheetPrinter) return 0;
  if (!m_pUiBaseBO) return 0;
  m_hResInstance = m_pUiBaseBO->ResourceLibrary(m_hPrinter);

  const auto* sheetParam = reinterpret_cast<const OEMUIPSPARAM*>(pPSUIInfo->lParamInit);
  PageListParams params;
  if (sheetParam != nullptr && sheetParam->pOEMDM != nullptr && m_pOEMCUIPParam != nullptr &&
      m_hPrinter != nullptr) {
    params.pVendorDevmode = plqr::VendorDevmodeOf(sheetParam->pOEMDM);
    params.pPublicDM = m_pOEMCUIPParam->pPublicDM;
    params.hPrinter = m_hPrinter;
    params.pPrinterName = m_pOEMCUIPParam->pPrinterName;
  }
  const PageList list = m_pUiBaseBO->GetPageList(m_hPrinter, kind, params);
  if (list.empty()) return 0;

  const BYTE canChange = (sheetParam != nullptr && (sheetParam->dwFlags & DM_NOPERMISSION) != 0) ? 0 : 1;
  CCommonTabs* session = m_pUiBaseBO->CommonTabs();
  const HANDLE actCtx = plqr::CommonControlsContext();

  ReleasePages();
  m_PageArray.assign(list.size(), PROPSHEETPAGEW_V4{});
  LONG_PTR result = 0;
  for (size_t i = 0; i < list.size(); ++i) {
    auto page = std::make_unique<CZPropPage>();
    page->m_pOptionNameDictionary = &m_OptionNameDictionary;
    page->m_pPaperIndexMap = &m_PaperIndexMap;
    page->m_pSelectionDictionary = &m_SelectionDictionary;
    page->m_dwTitleId = list[i].first;
    page->m_dwDialogId = list[i].second;
    page->m_pUiBaseBO = m_pUiBaseBO.get();
    page->m_pCommonTabs = session;
    page->m_pfnWriteBack = m_Parts.writeBackChanges;
    page->m_pOEMCUIPParam = m_pOEMCUIPParam;
    page->m_pfnComPropSheet = pPSUIInfo->pfnComPropSheet;
    page->m_hComPropSheet = pPSUIInfo->hComPropSheet;
    page->m_pDriverUI = pDriverUI;
    page->m_dwPageKind = m_pUiBaseBO->PageKind(page->m_dwDialogId);
    page->m_bCanChange = canChange;

    PROPSHEETPAGEW_V4& psp = m_PageArray[i];
    psp.v3.dwSize = sizeof(PROPSHEETPAGEW_V4);
    psp.v3.dwFlags = PSP_USETITLE;
    if (actCtx != INVALID_HANDLE_VALUE) {
      psp.v3.dwFlags |= PSP_USEFUSIONCONTEXT;
      psp.v3.hActCtx = actCtx;
    }
    psp.v3.hInstance = m_hResInstance;
    psp.v3.pszTemplate = MAKEINTRESOURCEW(page->m_dwDialogId);
    const std::wstring title = LoadStringFromResource(m_hResInstance, page->m_dwTitleId, MAX_PATH + 1);
    wcsncpy(page->m_szTitle, title.c_str(), MAX_PATH);
    psp.v3.pszTitle = page->m_szTitle;
    psp.v3.pfnDlgProc = CommonPageProc;
    psp.v3.lParam = reinterpret_cast<LPARAM>(page.get());
    m_Pages.push_back(std::move(page));
    if (pPSUIInfo->pfnComPropSheet != nullptr) {
      result = pPSUIInfo->pfnComPropSheet(pPSUIInfo->hComPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW,
                                          reinterpret_cast<LPARAM>(&psp), 0);
    }
  }
  return result;
}

void CZPlatformUI::ReleasePages() {
  for (auto& page : m_Pages) {
    page->m_UnavailableOptions.clear();
    page->Detach();
  }
  m_Pages.clear();
  m_PageArray.clear();
  m_PageArray.shrink_to_fit();
}

void CZPlatformUI::DeviceMode(DWORD dwMode, HANDLE hPrinter, DEVMODEW* pPublicIn, DEVMODEW* pPublicOut,
                              VENDORDEVMODE* pBodyIn, VENDORDEVMODE* pBodyOut) {
  if (m_pUiBaseBO) m_pUiBaseBO->DeviceMode(dwMode, hPrinter, pPublicIn, pPublicOut, pBodyIn, pBodyOut);
}

HRESULT CZPlatformUI::DeviceCapabilities(POEMUIOBJ poemuiobj, HANDLE hPrinter, PWSTR pDeviceName,
                                         WORD wCapability, PVOID pOutput, PDEVMODEW pPublicDM, PVOID pOEMDM,
                                         DWORD dwOld, DWORD* dwResult) {
  if (!m_pUiBaseBO) return S_OK;
  return m_pUiBaseBO->DeviceCapabilities(poemuiobj, hPrinter, pDeviceName, wCapability, pOutput, pPublicDM,
                                         pOEMDM, dwOld, dwResult);
}

HRESULT CZPlatformUI::PrinterEvent(PWSTR pPrinterName, INT iDriverEvent, DWORD dwFlags) {
  return m_pUiBaseBO ? m_pUiBaseBO->PrinterEvent(pPrinterName, iDriverEvent, dwFlags) : S_OK;
}

HRESULT CZPlatformUI::DriverEvent(DWORD dwDriverEvent, DWORD dwLevel, LPBYTE pDriverInfo, LPARAM lParam) {
  return m_pUiBaseBO ? m_pUiBaseBO->DriverEvent(dwDriverEvent, dwLevel, pDriverInfo, lParam) : E_NOTIMPL;
}
