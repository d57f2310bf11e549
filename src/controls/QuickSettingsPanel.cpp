#include "controls/QuickSettingsPanel.h"

#include <cwchar>

#include "ResourceIds.h"
#include "core/CommonTabs.h"
#include "core/SettingsMessages.h"
#include "support/ExceptionBarrier.h"
#include "support/Logging.h"

using plqr::LogMessage;
using plqr::LogMessageInt;

CQuickSettings::~CQuickSettings() {
  Destroy();
}

POINT CQuickSettings::PanelPosition(const RECT& client) {
  const bool narrow = client.right < 601;
  const double across = narrow ? 0.568 : 0.714;
  const double down = narrow ? 0.749 : 0.784;
  return POINT{static_cast<LONG>(client.right * across), static_cast<LONG>(client.bottom * down)};
}

bool CQuickSettings::Create(HWND page, HINSTANCE resourceInstance, CCommonTabs* session) {
  LogMessage(L"VALMERO - CQuickSettings::Create() => start\r\n");
  if (m_hPanel != nullptr && IsWindow(m_hPanel)) return true;
  m_hPanel = nullptr;
  if (page == nullptr || resourceInstance == nullptr) return false;
  m_pSession = session;
  HWND panel = CreateDialogParamW(resourceInstance, MAKEINTRESOURCEW(IDD_QUICK_SETTINGS_PANEL), page,
                                  PanelProc, reinterpret_cast<LPARAM>(this));
  if (panel == nullptr) {
    LogMessage(L"VALMERO - CQuickSettings::Create() => template 212 not created\r\n");
    return false;
  }
  m_hPanel = panel;

  RECT pageClient = {};
  GetClientRect(page, &pageClient);
  const POINT at = PanelPosition(pageClient);
  SetWindowPos(panel, HWND_BOTTOM, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(panel, SW_SHOW);

  HWND list = GetDlgItem(panel, IDC_COMBO_QUICKSETTINGS);
  IPresetStore* store = session != nullptr ? session->PresetStore() : nullptr;
  if (store != nullptr) {
    for (const std::wstring& name : store->Names()) {
      const std::wstring bounded = name.substr(0, kPresetNameLength - 1);
      SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(bounded.c_str()));
    }
  }
  const uint32_t index = session != nullptr ? session->m_dwQuickSettingsIndex : 0;
  SendMessageW(list, CB_SETCURSEL, index, 0);
  LogMessageInt(L"VALMERO - CQuickSettings::Create() => end, current index = ", static_cast<int32_t>(index));
  return true;
}

void CQuickSettings::Update(int32_t code, const wchar_t* presetName) {
  LogMessageInt(L"VALMERO - CQuickSettings::Update() => code = ", code);
  if (m_hPanel == nullptr) return;
  HWND list = GetDlgItem(m_hPanel, IDC_COMBO_QUICKSETTINGS);
  wchar_t name[kPresetNameLength] = {};
  if (presetName != nullptr) wcsncpy(name, presetName, kPresetNameLength - 1);
  const auto find = [&] {
    return SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
  };
  switch (code) {
    case kSettingsSaved:
      if (name[0] != L'\0' && find() == CB_ERR)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
      SetCurrentIndex(0);
      SendMessageW(list, CB_SETCURSEL, 0, 0);
      break;
    case kSettingsDeleted: {
      SetCurrentIndex(0);
      SendMessageW(list, CB_SETCURSEL, 0, 0);
      const LRESULT found = name[0] != L'\0' ? find() : CB_ERR;
      if (found != CB_ERR) SendMessageW(list, CB_DELETESTRING, static_cast<WPARAM>(found), 0);
      break;
    }
    case kSettingsApplied: {
      const LRESULT found = name[0] != L'\0' ? find() : CB_ERR;
      const uint32_t index = found == CB_ERR ? 0 : static_cast<uint32_t>(found);
      SetCurrentIndex(index);
      SendMessageW(list, CB_SETCURSEL, index, 0);
      break;
    }
    default:
      break;
  }
}

void CQuickSettings::SetCurrentIndex(uint32_t index) {
  if (m_pSession != nullptr) m_pSession->m_dwQuickSettingsIndex = index;
}

void CQuickSettings::Destroy() {
  SetCurrentIndex(0);
  if (m_hPanel != nullptr) {
    if (IsWindow(m_hPanel)) DestroyWindow(m_hPanel);
    m_hPanel = nullptr;
  }
}

void CQuickSettings::OnApply() {
  HWND list = GetDlgItem(m_hPanel, IDC_COMBO_QUICKSETTINGS);
  SETTINGSCHANGEREQUEST request = {};
  request.hOwner = m_hPanel;
  const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
  const LRESULT length =
      selected != CB_ERR ? SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0) : CB_ERR;
  if (length != CB_ERR && length < static_cast<LRESULT>(kPresetNameLength)) {
    SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(request.szName));
  } else if (length != CB_ERR) {
    // A longer entry is cut to the record's length.
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
    wcsncpy(request.szName, text.c_str(), kPresetNameLength - 1);
  }
  SendMessageW(GetParent(m_hPanel), WM_SETTINGS_CHANGE_REQUEST, kRequestApplyFromPanel,
               reinterpret_cast<LPARAM>(&request));
}

bool CQuickSettings::ConfirmSaveOfChangedSettings(HWND page, HWND owner, IPresetStore& store) {
  BYTE changed = 0;
  SendMessageW(page, WM_SETTINGS_CHANGE_REQUEST, kRequestQueryChanged, reinterpret_cast<LPARAM>(&changed));
  return changed != 1 || store.ShowMessage(owner, IDS_QS_SAVE_CHANGED_TITLE,
                                           static_cast<UINT>(reinterpret_cast<ULONG_PTR>(IDI_QUESTION)),
                                           IDS_QS_SAVE_CHANGED_QUESTION, kMessageYesNo) != IDNO;
}

void CQuickSettings::OnSaveAs() {
  HWND page = GetParent(m_hPanel);
  IPresetStore* store = m_pSession != nullptr ? m_pSession->PresetStore() : nullptr;
  if (store != nullptr && ConfirmSaveOfChangedSettings(page, m_hPanel, *store)) store->ShowSaveAs(page);
}

INT_PTR CALLBACK CQuickSettings::PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(panel, DWLP_USER, lParam);
    return FALSE;
  }
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  auto* self = reinterpret_cast<CQuickSettings*>(GetWindowLongPtrW(panel, DWLP_USER));
  if (self == nullptr || self->m_hPanel != panel) return FALSE;
  return plqr::GuardResult(L"CQuickSettings::PanelProc", INT_PTR{FALSE}, [&]() -> INT_PTR {
    switch (LOWORD(wParam)) {
      case IDC_BUTTON_QUICKSETTINGS_APPLY:
        self->OnApply();
        return TRUE;
      case IDC_BUTTON_QUICKSETTINGS_SAVEAS:
        self->OnSaveAs();
        return TRUE;
      default:
        return FALSE;
    }
  });
}
