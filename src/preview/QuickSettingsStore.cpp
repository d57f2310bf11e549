#include "preview/QuickSettingsStore.h"

#include <cwchar>
#include <new>

#include "ResourceIds.h"
#include "core/CommonTabs.h"
#include "core/SettingsMessages.h"
#include "support/Logging.h"
#include "support/ResourceStrings.h"

using plqr::LogMessage;

std::unique_ptr<IPresetStore> CreateQuickSettingsStore(CCommonTabs& session) {
  return std::unique_ptr<IPresetStore>(new (std::nothrow) CQuickSettingsStore(session));
}

void CQuickSettingsStore::AnnounceFailure(const wchar_t* name) {
  int32_t code = kSettingsFailed;
  m_Session.SettingsNotifier().Notify(&code, name, nullptr, nullptr);
}

void CQuickSettingsStore::Initialise(HINSTANCE resourceLibrary, const wchar_t* printerName) {
  LogMessage(L"VALMERO - CQuickSettingsStore::Initialise() => start\r\n");
  m_bInitialised = true;
  m_hResourceLibrary = resourceLibrary;
  m_PrinterName =
      printerName != nullptr ? std::wstring(printerName, wcsnlen(printerName, MAX_PATH)) : std::wstring();
  m_Names.clear();
  // Without a resource library the built-in names are missing, not empty.
  for (UINT id : {UINT(IDS_QS_MY_DEFAULTS), UINT(IDS_QS_FACTORY_DEFAULTS)}) {
    std::wstring name = LoadStringFromResource(resourceLibrary, id, static_cast<int>(kPresetNameLength));
    if (!name.empty()) m_Names.push_back(name);
  }
}

bool CQuickSettingsStore::NameExists(const wchar_t* name) const {
  if (name == nullptr) return false;
  for (const std::wstring& known : m_Names) {
    if (_wcsnicmp(known.c_str(), name, kPresetNameLength) == 0) return true;
  }
  return false;
}

bool CQuickSettingsStore::Save(const wchar_t* /*name*/, PAGEPARAMS* /*context*/) {
  LogMessage(L"VALMERO - CQuickSettingsStore::Save() => presets file not available\r\n");
  return false;
}

bool CQuickSettingsStore::Apply(const wchar_t* name, PAGEPARAMS* /*context*/,
                                VENDORRETURNITEMS* /*changed*/) {
  LogMessage(L"VALMERO - CQuickSettingsStore::Apply() => presets file not available\r\n");
  AnnounceFailure(name);
  return false;
}

bool CQuickSettingsStore::Delete(const wchar_t* name) {
  LogMessage(L"VALMERO - CQuickSettingsStore::Delete() => presets file not available\r\n");
  AnnounceFailure(name);
  return false;
}

int CQuickSettingsStore::ShowMessage(HWND owner, UINT titleId, UINT iconId, UINT textId, int kind) {
  const std::wstring title = LoadStringFromResource(m_hResourceLibrary, titleId, MAX_PATH);
  const std::wstring text = LoadStringFromResource(m_hResourceLibrary, textId, 1024);
  UINT style = kind == kMessageYesNo ? MB_YESNO : MB_OK;
  if (iconId == reinterpret_cast<ULONG_PTR>(IDI_QUESTION)) {
    style |= MB_ICONQUESTION;
  } else if (iconId == reinterpret_cast<ULONG_PTR>(IDI_WARNING)) {
    style |= MB_ICONWARNING;
  } else if (iconId == reinterpret_cast<ULONG_PTR>(IDI_ERROR)) {
    style |= MB_ICONERROR;
  } else {
    style |= MB_ICONINFORMATION;
  }
  return MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

INT_PTR CQuickSettingsStore::ShowSaveAs(HWND /*page*/) {
  LogMessage(L"VALMERO - ShowQuickSettingsSaveAs() => save-as dialog not available\r\n");
  return -1;
}
