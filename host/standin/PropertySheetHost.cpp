#include "PropertySheetHost.h"

#include <cwchar>

#include "HostText.h"

namespace plqr::host {

ActivationScope::ActivationScope(HANDLE actCtx) {
  if (actCtx != nullptr && actCtx != INVALID_HANDLE_VALUE)
    m_active = ActivateActCtx(actCtx, &m_cookie) != FALSE;
}

ActivationScope::~ActivationScope() {
  if (m_active) DeactivateActCtx(0, m_cookie);
}

PropertySheetHost::~PropertySheetHost() {
  Reset();
  m_magic = 0;
}

void PropertySheetHost::Reset() {
  DestroyWindowNow();
  if (!m_pagesHandedOver) {
    for (HPROPSHEETPAGE page : m_pages) DestroyPropertySheetPage(page);
  }
  m_pages.clear();
  m_pagesHandedOver = true;
}

LONG_PTR CALLBACK PropertySheetHost::ComPropSheet(HANDLE hComPropSheet, UINT function, LPARAM lParam1,
                                                  LPARAM lParam2) {
  auto* host = reinterpret_cast<PropertySheetHost*>(hComPropSheet);
  if (host == nullptr || host->m_magic != kMagic) return -1;
  return host->OnCall(function, lParam1, lParam2);
}

LONG_PTR PropertySheetHost::OnCall(UINT function, LPARAM lParam1, LPARAM lParam2) {
  ComPropSheetCall call;
  call.function = function;
  call.lParam1 = lParam1;
  call.lParam2 = lParam2;
  switch (function) {
    case CPSFUNC_ADD_PROPSHEETPAGEW: {
      const auto* psp = reinterpret_cast<const PROPSHEETPAGEW*>(lParam1);
      if (psp == nullptr || psp->dwSize < PROPSHEETPAGEW_V1_SIZE || psp->dwSize > 4096 || m_pagesHandedOver) {
        call.result = 0;
        break;
      }
      call.pageSize = psp->dwSize;
      call.pageFlags = psp->dwFlags;
      if ((psp->dwFlags & PSP_DLGINDIRECT) == 0 && IS_INTRESOURCE(psp->pszTemplate)) {
        call.templateId = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(psp->pszTemplate));
      }
      if ((psp->dwFlags & PSP_USETITLE) != 0 && psp->pszTitle != nullptr && !IS_INTRESOURCE(psp->pszTitle)) {
        call.title.assign(psp->pszTitle, wcsnlen(psp->pszTitle, MAX_PATH));
      }
      std::vector<BYTE> timed;
      if (m_initTimer != nullptr) timed = m_initTimer->Wrap(*psp);
      HPROPSHEETPAGE page = CreatePropertySheetPageW(
          timed.empty() ? psp : reinterpret_cast<const PROPSHEETPAGEW*>(timed.data()));
      if (page != nullptr) m_pages.push_back(page);
      call.result = reinterpret_cast<LONG_PTR>(page);
      break;
    }
    case CPSFUNC_SET_RESULT:
      call.result = 1;
      break;
    default:
      // Nothing else is offered to the plug-in.
      call.result = 0;
      break;
  }
  m_calls.push_back(call);
  return call.result;
}

PROPSHEETHEADERW PropertySheetHost::Header(const std::wstring& caption, DWORD flags) {
  PROPSHEETHEADERW header = {};
  header.dwSize = sizeof(header);
  header.dwFlags = flags;
  header.hwndParent = nullptr;
  header.hInstance = GetModuleHandleW(nullptr);
  header.pszCaption = caption.c_str();
  header.nPages = static_cast<UINT>(m_pages.size());
  header.nStartPage = 0;
  header.phpage = m_pages.data();
  return header;
}

bool PropertySheetHost::ShowModeless(const std::wstring& caption, HANDLE actCtx, std::wstring& error) {
  if (m_pages.empty()) {
    error = L"the plug-in added no pages to the sheet";
    return false;
  }
  ActivationScope scope(actCtx);
  PROPSHEETHEADERW header = Header(caption, PSH_MODELESS);
  m_pagesHandedOver = true;  // the sheet owns the pages, shown or not
  const INT_PTR result = PropertySheetW(&header);
  if (result == 0 || result == -1) {
    error = L"PropertySheetW failed: " + ErrorText(GetLastError());
    return false;
  }
  m_window = reinterpret_cast<HWND>(result);
  ShowWindow(m_window, SW_SHOW);
  UpdateWindow(m_window);
  return true;
}

bool PropertySheetHost::RunModal(const std::wstring& caption, HANDLE actCtx, std::wstring& error) {
  if (m_pages.empty()) {
    error = L"the plug-in added no pages to the sheet";
    return false;
  }
  ActivationScope scope(actCtx);
  PROPSHEETHEADERW header = Header(caption, 0);
  m_pagesHandedOver = true;
  if (PropertySheetW(&header) == -1) {
    error = L"PropertySheetW failed: " + ErrorText(GetLastError());
    return false;
  }
  return true;
}

bool PropertySheetHost::IsOpen() const {
  return m_window != nullptr && IsWindow(m_window) && PropSheet_GetCurrentPageHwnd(m_window) != nullptr;
}

void PropertySheetHost::DestroyWindowNow() {
  if (!m_adopted && m_window != nullptr && IsWindow(m_window)) DestroyWindow(m_window);
  m_window = nullptr;
  m_adopted = false;
}

void PropertySheetHost::AdoptWindow(HWND sheet) {
  DestroyWindowNow();
  m_window = sheet;
  m_adopted = true;
}

void PropertySheetHost::ForgetWindow() {
  if (m_adopted) {
    m_window = nullptr;
    m_adopted = false;
  }
}

size_t PropertySheetHost::PageCount() const {
  if (!m_adopted) return m_pages.size();
  const HWND tabs = IsWindow(m_window) ? PropSheet_GetTabControl(m_window) : nullptr;
  const LRESULT count = tabs != nullptr ? SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0) : 0;
  return count > 0 ? static_cast<size_t>(count) : 0;
}

HWND PropertySheetHost::PageWindow(size_t index) const {
  if (m_window == nullptr || index >= PageCount()) return nullptr;
  return PropSheet_IndexToHwnd(m_window, static_cast<int>(index));
}

HWND PropertySheetHost::CurrentPageWindow() const {
  return m_window != nullptr ? PropSheet_GetCurrentPageHwnd(m_window) : nullptr;
}

int PropertySheetHost::CurrentPageIndex() const {
  if (m_window == nullptr) return -1;
  return PropSheet_HwndToIndex(m_window, PropSheet_GetCurrentPageHwnd(m_window));
}

bool PropertySheetHost::SelectPage(size_t index) {
  if (m_window == nullptr || index >= PageCount()) return false;
  PropSheet_SetCurSel(m_window, nullptr, static_cast<int>(index));
  return CurrentPageIndex() == static_cast<int>(index) && PageWindow(index) != nullptr;
}

std::vector<LONG_PTR> PropertySheetHost::SetResults() const {
  std::vector<LONG_PTR> results;
  for (const ComPropSheetCall& call : m_calls) {
    if (call.function == CPSFUNC_SET_RESULT) results.push_back(call.lParam2);
  }
  return results;
}

std::vector<std::wstring> PropertySheetHost::PageTitles() const {
  std::vector<std::wstring> titles;
  if (m_adopted) {
    const HWND tabs = PropSheet_GetTabControl(m_window);
    for (size_t i = 0; i < PageCount(); ++i) {
      wchar_t text[MAX_PATH] = {};
      TCITEMW item = {};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = MAX_PATH;
      SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
      titles.emplace_back(text);
    }
    return titles;
  }
  for (const ComPropSheetCall& call : m_calls) {
    if (call.function == CPSFUNC_ADD_PROPSHEETPAGEW && call.result != 0) titles.push_back(call.title);
  }
  return titles;
}

std::vector<DWORD> PropertySheetHost::PageTemplateIds() const {
  std::vector<DWORD> ids;
  for (const ComPropSheetCall& call : m_calls) {
    if (call.function == CPSFUNC_ADD_PROPSHEETPAGEW && call.result != 0) ids.push_back(call.templateId);
  }
  return ids;
}

HWND FindThreadPropertySheet() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM out) -> BOOL {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (!IsWindowVisible(window) || wcscmp(className, L"#32770") != 0) return TRUE;
        if (PropSheet_GetTabControl(window) == nullptr) return TRUE;
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void PumpPending(HWND sheet) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (sheet != nullptr && IsWindow(sheet) && PropSheet_IsDialogMessage(sheet, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool PumpUntil(HWND sheet, const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    PumpPending(sheet);
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace plqr::host
