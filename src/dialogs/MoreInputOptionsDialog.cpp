#include "dialogs/MoreInputOptionsDialog.h"

#include "ResourceIds.h"
#include "controls/DialogUtils.h"
#include "controls/Pictures.h"
#include "dialogs/DialogEntryPoints.h"

namespace {

class CMoreInputOptionsDialog {
 public:
  explicit CMoreInputOptionsDialog(const DialogContext& context) : m_Context(context) {}

 private:
  friend struct plqr::DialogRouter;

  void OnInitDialog(HWND hDlg) {
    CenterWindowOnOwner(hDlg);
    const HINSTANCE resources = m_Context.resources;
    SetDlgItemTextFromResource(hDlg, resources, IDC_LABEL_COVERS, IDS_MORE_INPUT_COVERS);
    SetDlgItemTextFromResource(hDlg, resources, IDC_LABEL_INTERLEAVE, IDS_MORE_INPUT_INTERLEAVE);
    SetDlgItemTextFromResource(hDlg, resources, IDC_LABEL_MARGINS, IDS_MORE_INPUT_MARGINS);
    m_Pictures.Set(hDlg, resources, IDC_PICTURE_COVERS, IDB_COVERS);
    m_Pictures.Set(hDlg, resources, IDC_PICTURE_INTERLEAVE, IDB_INTERLEAVE);
    m_Pictures.Set(hDlg, resources, IDC_PICTURE_MARGINS, IDB_MARGINS);
  }

  void OnDestroy(HWND /*hDlg*/) { m_Pictures.Release(); }

  bool OnCommand(HWND hDlg, WORD id, WORD /*notification*/) {
    switch (id) {
      case IDC_BUTTON_COVERS:
        ShowCoversDialog(hDlg, m_Context);
        return true;
      case IDC_BUTTON_INTERLEAVE:
        ShowInterleaveDialog(hDlg, m_Context);
        return true;
      case IDC_BUTTON_MARGINS:
        ShowMarginsDialog(hDlg, m_Context);
        return true;
      case IDC_BUTTON_MOREINPUT_CLOSE:
      case IDCANCEL:
        EndDialog(hDlg, id);
        return true;
      default:
        return false;
    }
  }

  const DialogContext m_Context;
  plqr::CPictures m_Pictures;
};

}  // namespace

INT_PTR ShowMoreInputOptionsDialog(HWND owner, const DialogContext& context) {
  CMoreInputOptionsDialog dialog(context);
  return plqr::RunModalDialog(context.resources, IDD_MORE_INPUT_OPTIONS, owner, dialog);
}
