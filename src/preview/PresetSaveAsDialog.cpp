// The save-as dialog (template 213).
#include "ResourceIds.h"
#include "controls/DialogUtils.h"
#include "controls/ModalDialog.h"
#include "core/PresetStore.h"
#include "core/SettingsMessages.h"
#include "preview/QuickSettingsDialogs.h"

namespace {

class CPresetSaveAsDialog {
 public:
  explicit CPresetSaveAsDialog(const PresetDialogTarget& target) : m_Target(target) {}

  const std::wstring& Name() const { return m_Name; }

 private:
  friend struct plqr::DialogRouter;

  void OnInitDialog(HWND hDlg) {
    CenterWindowOnOwner(hDlg);
    SendDlgItemMessageW(hDlg, IDC_EDIT_QS_NAME, EM_LIMITTEXT, kPresetNameLength - 1, 0);
    EnableWindow(GetDlgItem(hDlg, IDOK), FALSE);
  }

  bool OnCommand(HWND hDlg, WORD id, WORD code) {
    switch (id) {
      case IDC_EDIT_QS_NAME:
        if (code == EN_CHANGE)
          EnableWindow(GetDlgItem(hDlg, IDOK), GetWindowTextLengthW(GetDlgItem(hDlg, IDC_EDIT_QS_NAME)) > 0);
        return code == EN_CHANGE;
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
    wchar_t name[kPresetNameLength] = {};
    GetDlgItemTextW(hDlg, IDC_EDIT_QS_NAME, name, static_cast<int>(kPresetNameLength));
    if (name[0] == L'\0') return;
    if (m_Target.store->NameExists(name)) {
      // Names are one name whatever their case; the user types another.
      m_Target.store->ShowMessage(hDlg, IDS_QS_NAME_IN_USE_TITLE,
                                  static_cast<UINT>(reinterpret_cast<ULONG_PTR>(IDI_WARNING)),
                                  IDS_QS_NAME_IN_USE, kMessageOk);
      HWND edit = GetDlgItem(hDlg, IDC_EDIT_QS_NAME);
      SetFocus(edit);
      SendMessageW(edit, EM_SETSEL, 0, -1);
      return;
    }
    m_Name = name;
    EndDialog(hDlg, IDOK);
  }

  const PresetDialogTarget m_Target;
  std::wstring m_Name;
};

}  // namespace

INT_PTR ShowPresetSaveAsDialog(HWND owner, const PresetDialogTarget& target) {
  plqr::LogMessage(L"VALMERO - ShowPresetSaveAsDialog() => start\r\n");
  if (target.store == nullptr || target.page == nullptr) return -1;
  CPresetSaveAsDialog dialog(target);
  const INT_PTR result = plqr::RunModalDialog(target.resources, IDD_QUICK_SETTINGS_SAVE_AS, owner, dialog);
  // The request goes once the dialog is gone, so that its message is owned
  // by the window that opened the dialog.
  if (result == IDOK) SendPresetRequest(target.page, owner, kRequestSaveAs, dialog.Name());
  return result;
}
