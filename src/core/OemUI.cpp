#include "core/OemUI.h"

#include <cstddef>
#include <cwchar>
#include <new>

#include "core/DcHandOver.h"
#include "core/DevmodeRequest.h"
#include "core/ModuleState.h"
#include "core/PlatformUI.h"
#include "core/PluginIdentity.h"
#include "core/PrivateDevmode.h"
#include "support/ExceptionBarrier.h"
#include "support/Logging.h"

namespace plqr {

void ApplyCountryPaperRule(DEVMODEW* publicDm) {
  if (publicDm == nullptr) return;
  wchar_t country[7] = {};
  if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_ICOUNTRY, country, 7) == 0) return;
  const int code = _wtoi(country);
  if (code != 54 && code != 51 && code != 598) return;
  publicDm->dmPaperSize = DMPAPER_A4;
  publicDm->dmPaperWidth = 2100;
  publicDm->dmPaperLength = 2970;
  std::wmemset(publicDm->dmFormName, 0, CCHFORMNAME);
  wcscpy_s(publicDm->dmFormName, CCHFORMNAME, L"A4");
  publicDm->dmFields |= DM_PAPERSIZE;
  publicDm->dmFields &= ~(DM_PAPERLENGTH | DM_PAPERWIDTH | DM_FORMNAME);
}

}  // namespace plqr

CZOemUI::CZOemUI(const PluginParts& parts)
    : m_cRef(1), m_pPlatformUI(new (std::nothrow) CZPlatformUI(parts)) {
  plqr::ModuleObjectCreated();
}

CZOemUI::~CZOemUI() {
  m_spoolerHold.reset();
  m_pOEMHelp.reset();
  m_pPlatformUI.reset();
  plqr::ModuleObjectDestroyed();
}

STDMETHODIMP CZOemUI::QueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPrintOemUI2)) {
    *ppv = static_cast<IPrintOemUI2*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CZOemUI::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&m_cRef));
}

STDMETHODIMP_(ULONG) CZOemUI::Release() {
  const LONG count = InterlockedDecrement(&m_cRef);
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

STDMETHODIMP CZOemUI::GetInfo(DWORD dwMode, PVOID pBuffer, DWORD cbSize, PDWORD pcbNeeded) {
  plqr::LogMessage(L"VALMERO - CZOemUI::GetInfo => start\r\n");
  if (pcbNeeded == nullptr || (dwMode != OEMGI_GETSIGNATURE && dwMode != OEMGI_GETVERSION &&
                               dwMode != OEMGI_GETREQUESTEDHELPERINTERFACES)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return E_FAIL;
  }
  *pcbNeeded = sizeof(DWORD);
  if (cbSize < sizeof(DWORD) || pBuffer == nullptr) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return E_FAIL;
  }
  DWORD value = 0;
  switch (dwMode) {
    case OEMGI_GETSIGNATURE:
      value = plqr::kOemSignature;
      break;
    case OEMGI_GETVERSION:
      value = plqr::kOemVersion;
      break;
    default:
      value = OEMPUBLISH_IPRINTCOREHELPER;
      break;
  }
  *static_cast<DWORD*>(pBuffer) = value;
  return S_OK;
}

STDMETHODIMP CZOemUI::DevMode(DWORD dwMode, POEMDMPARAM pOemDMParam) {
  plqr::LogMessage(L"VALMERO - CZOemUI::DevMode => start\r\n");
  if (pOemDMParam == nullptr ||
      (dwMode != OEMDM_SIZE && dwMode != OEMDM_DEFAULT && dwMode != OEMDM_CONVERT && dwMode != OEMDM_MERGE)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return E_FAIL;
  }
  if (dwMode == OEMDM_SIZE) {
    pOemDMParam->cbBufSize = plqr::kPrivateDevmodeSize;
    return S_OK;
  }
  return plqr::GuardHresult(L"CZOemUI::DevMode", [&] {
    const void* in = pOemDMParam->pOEMDMIn;
    void* out = pOemDMParam->pOEMDMOut;
    // The input is read no further than the caller vouches for: the public
    // input device mode's driver-extra area holds the private blocks.
    const DEVMODEW* publicIn = pOemDMParam->pPublicDMIn;
    const size_t readable =
        plqr::ReadableInputSize(publicIn != nullptr, publicIn ? publicIn->dmDriverExtra : 0);
    const bool handOn = plqr::RunDevmodeRequest(static_cast<plqr::DevmodeMode>(dwMode), in, readable, out,
                                                pOemDMParam->cbBufSize);
    if (dwMode == OEMDM_DEFAULT) plqr::ApplyCountryPaperRule(pOemDMParam->pPublicDMIn);
    if (handOn && m_pPlatformUI) {
      // The input body takes the application's name only when it is a
      // record of ours that holds the field; otherwise the output alone.
      VENDORDEVMODE* inBody = plqr::InputTakesAppModuleName(in, readable)
                                  ? plqr::VendorDevmodeOf(pOemDMParam->pOEMDMIn)
                                  : nullptr;
      m_pPlatformUI->DeviceMode(dwMode, pOemDMParam->hPrinter, pOemDMParam->pPublicDMIn,
                                pOemDMParam->pPublicDMOut, inBody, plqr::VendorDevmodeOf(out));
    }
    return S_OK;
  });
}

STDMETHODIMP CZOemUI::PublishDriverInterface(IUnknown* pIUnknown) {
  plqr::LogMessage(L"VALMERO - CZOemUI::PublishDriverInterface => start\r\n");
  // The first interface published is the core driver's UI helper; later
  // publications (such as the core helper asked for in GetInfo) are not kept.
  if (m_pOEMHelp) return S_OK;
  if (pIUnknown == nullptr) return E_FAIL;
  const HRESULT hr = pIUnknown->QueryInterface(IID_IPrintOemDriverUI, m_pOEMHelp.put_void());
  if (FAILED(hr) || !m_pOEMHelp) {
    m_pOEMHelp.release();  // a failed QueryInterface leaves no reference to give back
    return E_FAIL;
  }
  return plqr::GuardHresult(L"CZOemUI::PublishDriverInterface", [&] {
    if (std::unique_ptr<plqr::ServiceSpooler> spooler = plqr::SpoolerOfHelper(pIUnknown)) {
      plqr::LogMessage(
          L"VALMERO - CZOemUI::PublishDriverInterface => the host offers its spooler service\r\n");
      m_spoolerHold = std::make_unique<plqr::SpoolerHold>(std::move(spooler));
    }
    return S_OK;
  });
}

STDMETHODIMP CZOemUI::CommonUIProp(DWORD dwMode, POEMCUIPPARAM pOemCUIPParam) {
  if (!m_pPlatformUI) return E_FAIL;
  return plqr::GuardHresult(L"CZOemUI::CommonUIProp",
                            [&] { return m_pPlatformUI->OnCommonUIProp(dwMode, pOemCUIPParam); });
}

STDMETHODIMP CZOemUI::DocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) {
  if (!m_pPlatformUI) return E_FAIL;
  return plqr::GuardHresult(L"CZOemUI::DocumentPropertySheets", [&] {
    return m_pPlatformUI->PropertySheets(pPSUIInfo, lParam, m_pOEMHelp.get(), kSheetDocument);
  });
}

STDMETHODIMP CZOemUI::DevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) {
  if (!m_pPlatformUI) return E_FAIL;
  return plqr::GuardHresult(L"CZOemUI::DevicePropertySheets", [&] {
    return m_pPlatformUI->PropertySheets(pPSUIInfo, lParam, m_pOEMHelp.get(), kSheetPrinter);
  });
}

STDMETHODIMP CZOemUI::DevQueryPrintEx(POEMUIOBJ, PDEVQUERYPRINT_INFO, PDEVMODEW, PVOID) {
  return E_NOTIMPL;
}

STDMETHODIMP CZOemUI::DeviceCapabilities(POEMUIOBJ poemuiobj, HANDLE hPrinter, PWSTR pDeviceName,
                                         WORD wCapability, PVOID pOutput, PDEVMODEW pPublicDM, PVOID pOEMDM,
                                         DWORD dwOld, DWORD* dwResult) {
  if (!m_pPlatformUI) return S_OK;
  return plqr::GuardHresult(L"CZOemUI::DeviceCapabilities", [&] {
    return m_pPlatformUI->DeviceCapabilities(poemuiobj, hPrinter, pDeviceName, wCapability, pOutput,
                                             pPublicDM, pOEMDM, dwOld, dwResult);
  });
}

STDMETHODIMP CZOemUI::UpgradePrinter(DWORD, PBYTE) {
  return E_NOTIMPL;
}

STDMETHODIMP CZOemUI::PrinterEvent(PWSTR pPrinterName, INT iDriverEvent, DWORD dwFlags, LPARAM /*lParam*/) {
  plqr::LogMessage(L"VALMERO - CZOemUI::PrinterEvent => start\r\n");
  if (!m_pPlatformUI) return S_OK;
  return plqr::GuardHresult(L"CZOemUI::PrinterEvent", [&] {
    m_pPlatformUI->PrinterEvent(pPrinterName, iDriverEvent, dwFlags);
    return S_OK;
  });
}

STDMETHODIMP CZOemUI::DriverEvent(DWORD dwDriverEvent, DWORD dwLevel, LPBYTE pDriverInfo, LPARAM lParam) {
  if (!m_pPlatformUI) return E_NOTIMPL;
  return plqr::GuardHresult(L"CZOemUI::DriverEvent", [&] {
    return m_pPlatformUI->DriverEvent(dwDriverEvent, dwLevel, pDriverInfo, lParam);
  });
}

STDMETHODIMP CZOemUI::QueryColorProfile(HANDLE, POEMUIOBJ, PDEVMODEW, PVOID, ULONG, VOID*, ULONG*, FLONG*) {
  return E_NOTIMPL;
}

STDMETHODIMP CZOemUI::FontInstallerDlgProc(HWND, UINT, WPARAM, LPARAM) {
  return E_NOTIMPL;
}

STDMETHODIMP CZOemUI::UpdateExternalFonts(HANDLE, HANDLE, PWSTR) {
  return E_NOTIMPL;
}

STDMETHODIMP CZOemUI::QueryJobAttributes(HANDLE, PDEVMODEW, DWORD, LPBYTE) {
  return E_NOTIMPL;
}

// The core driver's own controls are suppressed by hiding its option items.
STDMETHODIMP CZOemUI::HideStandardUI(DWORD) {
  return E_NOTIMPL;
}

STDMETHODIMP CZOemUI::DocumentEvent(HANDLE /*hPrinter*/, HDC hdc, INT iEsc, ULONG /*cbIn*/, PVOID pvIn,
                                    ULONG cbOut, PVOID pvOut, PINT piResult) {
  switch (iEsc) {
    case DOCUMENTEVENT_CREATEDCPRE:
      if (piResult != nullptr) *piResult = DOCUMENTEVENT_SUCCESS;
      break;
    case DOCUMENTEVENT_QUERYFILTER: {
      if (pvOut == nullptr || pvIn == nullptr) {
        if (piResult != nullptr) *piResult = DOCUMENTEVENT_FAILURE;
        break;
      }
      // The events this plug-in wants to see: the two at which the device
      // context is handed to the rendering side, and the ones around them.
      static const DWORD kEvents[] = {DOCUMENTEVENT_STARTDOC, DOCUMENTEVENT_STARTDOCPOST,
                                      DOCUMENTEVENT_STARTPAGE, DOCUMENTEVENT_ENDPAGE};
      constexpr UINT kCount = sizeof(kEvents) / sizeof(kEvents[0]);
      constexpr ULONG kHeader = offsetof(DOCEVENT_FILTER, aDocEventCall);
      if (cbOut < kHeader) {
        if (piResult != nullptr) *piResult = DOCUMENTEVENT_FAILURE;
        break;
      }
      DOCEVENT_FILTER* filter = static_cast<DOCEVENT_FILTER*>(pvOut);
      // Never write past the buffer, whatever the filter claims to hold.
      const ULONG room = (cbOut - kHeader) / sizeof(DWORD);
      const UINT allocated = filter->cElementsAllocated < room ? filter->cElementsAllocated : UINT(room);
      if (allocated >= kCount) {
        filter->cElementsReturned = kCount;
        DWORD* calls = reinterpret_cast<DWORD*>(static_cast<BYTE*>(pvOut) + kHeader);
        for (UINT i = 0; i < kCount; ++i) calls[i] = kEvents[i];
      } else {
        filter->cElementsNeeded = kCount;
      }
      if (piResult != nullptr) *piResult = DOCUMENTEVENT_SUCCESS;
      break;
    }
    case DOCUMENTEVENT_STARTPAGE:
      if (piResult != nullptr) *piResult = DOCUMENTEVENT_SUCCESS;
      plqr::HandDeviceContextToRenderer(hdc);
      break;
    case DOCUMENTEVENT_STARTDOCPOST:
      plqr::HandDeviceContextToRenderer(hdc);
      if (piResult != nullptr) *piResult = DOCUMENTEVENT_SUCCESS;
      break;
    default:
      break;
  }
  return S_OK;
}
