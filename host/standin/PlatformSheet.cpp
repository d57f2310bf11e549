// The sheet through the platform's common property-sheet UI: compstui.dll
// calls the stand-in's sheet function, which adds the plug-in's with
// CPSFUNC_ADD_PFNPROPSHEETUIW as the core driver adds its plug-ins'; the
// plug-in then adds its pages through compstui's pfnComPropSheet, and
// compstui shows them in a modal sheet of its own. Nothing of the stand-in's
// own sheet manager is involved, so whatever the plug-in assumed of it shows
// up here.
#include <windows.h>

#include <commctrl.h>
#include <compstui.h>

#include "CoreDriverHost.h"
#include "HostText.h"

namespace plqr::host {

namespace {

using CommonPropertySheetUIFn = LONG(WINAPI*)(HWND, PFNPROPSHEETUI, LPARAM, LPDWORD);

// The stand-in whose platform sheet is open: the timer that watches for the
// sheet window has no other way back to it. One platform sheet at a time.
CoreDriverHost* g_platformHost = nullptr;
constexpr UINT kWatchMs = 20;
constexpr UINT_PTR kSubclassId = 0x504C5152;  // "PLQR"

}  // namespace

LONG CALLBACK CoreDriverHost::CoreSheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam) {
  if (info == nullptr) return -1;
  auto* host = reinterpret_cast<CoreDriverHost*>(info->lParamInit);
  switch (info->Reason) {
    case PROPSHEETUI_REASON_INIT: {
      if (host == nullptr || info->pfnComPropSheet == nullptr) return -1;
      const LONG_PTR added = info->pfnComPropSheet(info->hComPropSheet, CPSFUNC_ADD_PFNPROPSHEETUIW,
                                                   reinterpret_cast<LPARAM>(&PluginSheetFunction),
                                                   reinterpret_cast<LPARAM>(&host->m_sheetParam));
      return added != 0 ? 1 : -1;
    }
    case PROPSHEETUI_REASON_GET_INFO_HEADER: {
      auto* header = reinterpret_cast<PROPSHEETUI_INFO_HEADER*>(lParam);
      if (host == nullptr || header == nullptr) return -1;
      header->Flags = PSUIHDRF_EXACT_PTITLE;
      header->pTitle = host->m_caption.data();
      header->hInst = GetModuleHandleW(nullptr);
      return 1;
    }
    default:
      return 1;
  }
}

LONG CALLBACK CoreDriverHost::PluginSheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam) {
  if (info == nullptr) return -1;
  auto* param = reinterpret_cast<SheetParam*>(info->lParamInit);
  if (param == nullptr || param->host == nullptr || !param->host->m_plugin) return -1;
  return param->host->CallPlugin(info, lParam) == S_OK ? 1 : -1;
}

VOID CALLBACK CoreDriverHost::WatchForPlatformSheet(HWND, UINT, UINT_PTR timer, DWORD) {
  CoreDriverHost* host = g_platformHost;
  if (host == nullptr) return;
  const HWND sheet = FindThreadPropertySheet();
  if (sheet == nullptr) return;
  KillTimer(nullptr, timer);
  host->m_sheet.AdoptWindow(sheet);
  SetWindowSubclass(sheet, &PlatformSheetProc, kSubclassId, reinterpret_cast<DWORD_PTR>(host));
  if (host->m_whileOpen) host->m_whileOpen();
}

// Notes how the platform's sheet is closed: it reports no result of its own.
LRESULT CALLBACK CoreDriverHost::PlatformSheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                   UINT_PTR, DWORD_PTR data) {
  auto* host = reinterpret_cast<CoreDriverHost*>(data);
  // The last of OK and Cancel pressed counts (a page may refuse OK).
  if ((message == WM_COMMAND && LOWORD(wParam) == IDOK) ||
      (message == PSM_PRESSBUTTON && wParam == PSBTN_OK)) {
    host->m_platformOk = true;
  } else if ((message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) ||
             (message == PSM_PRESSBUTTON && wParam == PSBTN_CANCEL)) {
    host->m_platformOk = false;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, &PlatformSheetProc, kSubclassId);
  return DefSubclassProc(window, message, wParam, lParam);
}

bool CoreDriverHost::RunPlatformSheet(std::wstring& error, const std::function<void()>& whileOpen) {
  if (!m_plugin || m_initialised) {
    error = !m_plugin ? L"the stand-in was not started" : L"the sheet was opened already";
    return false;
  }
  if (g_platformHost != nullptr) {
    error = L"another platform sheet is open";
    return false;
  }
  const HMODULE compstui = LoadLibraryW(L"compstui.dll");
  const auto commonPropertySheetUI =
      compstui != nullptr ? reinterpret_cast<CommonPropertySheetUIFn>(
                                reinterpret_cast<void*>(GetProcAddress(compstui, "CommonPropertySheetUIW")))
                          : nullptr;
  if (commonPropertySheetUI == nullptr) {
    error = L"compstui.dll offers no CommonPropertySheetUIW: " + ErrorText(GetLastError());
    if (compstui != nullptr) FreeLibrary(compstui);
    return false;
  }
  FillSheetParam();
  m_caption = SheetCaption();
  m_whileOpen = whileOpen;
  m_platform = true;
  m_initialised = true;
  g_platformHost = this;
  const UINT_PTR watch = SetTimer(nullptr, 0, kWatchMs, &WatchForPlatformSheet);
  DWORD result = 0;
  LONG status = 0;
  {
    ActivationScope scope(m_actCtx.get());
    status = commonPropertySheetUI(nullptr, &CoreSheetFunction, reinterpret_cast<LPARAM>(this), &result);
  }
  KillTimer(nullptr, watch);
  g_platformHost = nullptr;
  m_sheet.ForgetWindow();
  // compstui has sent DESTROY already: the stand-in's Finish has nothing left to do.
  m_finished = true;
  FreeLibrary(compstui);
  if (status < 0) {
    error = L"CommonPropertySheetUIW failed with " + std::to_wstring(status);
    return false;
  }
  return true;
}

}  // namespace plqr::host
