// The quick-settings dialog (template 211).
#include <cwchar>

#include "ResourceIds.h"
#include "controls/DialogUtils.h"
#include "controls/ModalDialog.h"
#include "controls/QuickSettingsPanel.h"
#include "core/PresetStore.h"
#include "core/SettingsMessages.h"
#include "preview/QuickSettingsDialogs.h"

namespace {

class CQuickSettingsDialog {
 public:
  explicit CQuickSettingsDialog(const PresetDialogTarget& target) : m_Target(target) {}

 private:
  friend struct plqr::DialogRouter;

  std::wstring String(UINT id) const {
    return LoadStringFromResource(m_Target.resources, id, static_cast<int>(kPresetNameLength));
  }

  void OnInitDialog(HWND hDlg) {
    CenterWindowOnOwner(hDlg);
    // A Portuguese library has a title of its own for this dialog.
    const std::wstring language = String(IDS_HELP_LANGUAGE);
    if (_wcsicmp(language.c_str(), L"pt-br") == 0 || _wcsicmp(language.c_str(), L"pt") == 0)
      SetWindowTextW(hDlg, String(IDS_QS_TITLE_PORTUGUESE).c_str());
  }

  bool OnCommand(HWND hDlg, WORD id, WORD notification) {
    if (notification != BN_CLICKED) return false;
    IPresetStore& store = *m_Target.store;
    switch (id) {
      case IDC_BUTTON_QS_FACTORY:
        SendPresetRequest(m_Target.page, hDlg, kRequestApplyFactoryDefaults, String(IDS_QS_FACTORY_DEFAULTS));
        return true;
      case IDC_BUTTON_QS_SAVE_MY_DEFAULTS:
        if (CQuickSettings::ConfirmSaveOfChangedSettings(m_Target.page, hDlg, store))
          SendPresetRequest(m_Target.page, hDlg, kRequestSaveMyDefaults, String(IDS_QS_MY_DEFAULTS));
        return true;
      case IDC_BUTTON_QS_MY_DEFAULTS:
        SendPresetRequest(m_Target.page, hDlg, kRequestApplyMyDefaults, String(IDS_QS_MY_DEFAULTS));
        return true;
      case IDC_BUTTON_QS_SAVE_AS:
        if (CQuickSettings::ConfirmSaveOfChangedSettings(m_Target.page, hDlg, store))
          ShowPresetSaveAsDialog(hDlg, m_Target);
        return true;
      case IDC_BUTTON_QS_APPLY_SAVED:
        ShowPresetListDialog(hDlg, m_Target, PresetListPurpose::kApply);
        return true;
      case IDC_BUTTON_QS_DELETE_SAVED:
        ShowPresetListDialog(hDlg, m_Target, PresetListPurpose::kDelete);
        return true;
      case IDOK:
      case IDCANCEL:
        EndDialog(hDlg, id);
        return true;
      default:
        return false;
    }
  }

  const PresetDialogTarget m_Target;
};

}  // namespace

INT_PTR ShowQuickSettingsDialog(const PresetDialogTarget& target) {
  plqr::LogMessage(L"VALMERO - ShowQuickSettingsDialog() => start\r\n");
  if (target.store == nullptr || target.page == nullptr) return -1;
  CQuickSettingsDialog dialog(target);
  return plqr::RunModalDialog(target.resources, IDD_QUICK_SETTINGS, target.page, dialog);
}

LRESULT SendPresetRequest(HWND page, HWND owner, WPARAM code, const std::wstring& name) {
  SETTINGSCHANGEREQUEST request = {};
  request.hOwner = owner;
  name.copy(request.szName, kPresetNameLength - 1);
  return SendMessageW(page, WM_SETTINGS_CHANGE_REQUEST, code, reinterpret_cast<LPARAM>(&request));
}
