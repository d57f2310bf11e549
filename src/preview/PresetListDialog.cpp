// The preset list dialog (template 214).
#include "ResourceIds.h"
#include "controls/DialogUtils.h"
#include "controls/ModalDialog.h"
#include "core/PresetStore.h"
#include "core/SettingsMessages.h"
#include "preview/QuickSettingsDialogs.h"

namespace {

class CPresetListDialog {
 public:
  CPresetListDialog(const PresetDialogTarget& target, PresetListPurpose purpose)
      : m_Target(target), m_Purpose(purpose) {}

  const std::wstring& Name() const { return m_Name; }

 private:
  friend struct plqr::DialogRouter;

  void OnInitDialog(HWND hDlg) {
    CenterWindowOnOwner(hDlg);
    const bool apply = m_Purpose == PresetListPurpose::kApply;
    const HINSTANCE resources = m_Target.resources;
    SetWindowTextW(
        hDlg, LoadStringFromResource(resources, apply ? IDS_QS_LIST_APPLY_TITLE : IDS_QS_LIST_DELETE_TITLE)
                  .c_str());
    SetDlgItemTextFromResource(hDlg, resources, IDOK,
                               apply ? IDS_QS_LIST_APPLY_BUTTON : IDS_QS_LIST_DELETE_BUTTON);
    // The built-in presets have buttons of their own in the quick-settings dialog.
    const int length = static_cast<int>(kPresetNameLength);
    const std::wstring factory = LoadStringFromResource(resources, IDS_QS_FACTORY_DEFAULTS, length);
    const std::wstring mine = LoadStringFromResource(resources, IDS_QS_MY_DEFAULTS, length);
    HWND list = GetDlgItem(hDlg, IDC_LIST_QS_PRESETS);
    for (const std::wstring& name : m_Target.store->Names()) {
      if (name == factory || name == mine) continue;
      SendMessageW(list, LB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(name.substr(0, kPresetNameLength - 1).c_str()));
    }
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    EnableWindow(GetDlgItem(hDlg, IDOK), SendMessageW(list, LB_GETCOUNT, 0, 0) > 0);
  }

  bool OnCommand(HWND hDlg, WORD id, WORD code) {
    switch (id) {
      case IDC_LIST_QS_PRESETS:
        if (code != LBN_DBLCLK) return false;
        OnOk(hDlg);
        return true;
      case IDOK:
        OnOk(hDlg);
        return true;
      case IDCANCEL:
        EndDialog(hDlg, IDCANCEL);
        return true;
      default:
        return false;
    }
  }

  void OnOk(HWND hDlg) {
    HWND list = GetDlgItem(hDlg, IDC_LIST_QS_PRESETS);
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    const LRESULT length = selected != LB_ERR ? SendMessageW(list, LB_GETTEXTLEN, selected, 0) : LB_ERR;
    if (length == LB_ERR || length <= 0 || length >= static_cast<LRESULT>(kPresetNameLength)) return;
    wchar_t name[kPresetNameLength] = {};
    SendMessageW(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(name));
    m_Name = name;
    EndDialog(hDlg, IDOK);
  }

  const PresetDialogTarget m_Target;
  const PresetListPurpose m_Purpose;
  std::wstring m_Name;
};

}  // namespace

INT_PTR ShowPresetListDialog(HWND owner, const PresetDialogTarget& target, PresetListPurpose purpose) {
  plqr::LogMessage(L"VALMERO - ShowPresetListDialog() => start\r\n");
  if (target.store == nullptr || target.page == nullptr) return -1;
  CPresetListDialog dialog(target, purpose);
  const INT_PTR result = plqr::RunModalDialog(target.resources, IDD_QUICK_SETTINGS_LIST, owner, dialog);
  if (result == IDOK) {
    SendPresetRequest(target.page, owner,
                      purpose == PresetListPurpose::kApply ? kRequestApplyFromList : kRequestDelete,
                      dialog.Name());
  }
  return result;
}
