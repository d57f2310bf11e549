// CPaperTab: the paper page of the printing preferences (template 202):
// paper size, the paper to print on with scale-to-fit and centring, zoom,
// input tray, media type, output bin and stapling, and the buttons that open
// the custom paper sizes and more-input-options dialogs. Its constraint
// routine makes unavailable every paper, tray, media type and output bin that
// does not go with the current choices, and it keeps the duplex and
// rotation-sort flags that the print settings page reads.
//
// The decisions live in pages/PaperRules.h; this class applies them to the
// page's windows. What every page does alike is its CPageFrame.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "controls/PageFrame.h"
#include "core/Observer.h"
#include "core/PageParams.h"

class CPaperTab : public IObserver {
 public:
  CPaperTab();
  ~CPaperTab() override = default;
  CPaperTab(const CPaperTab&) = delete;
  CPaperTab& operator=(const CPaperTab&) = delete;

  void UpdateSettings(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                      VENDORRETURNITEMS* changedSelections) override;
  void UpdateConstraints(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) override;

  // One message of the page (see PaperTabHandler).
  BOOL HandleMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
                     PVENDORRETURNITEMS changedSelections);

  void OnInitDialog(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void InitPaperTab(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections,
                    bool isSettingsChangeRequest);
  void ApplyConstraints(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);

  // Control operations.
  void UpdatePaperSize(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdatePrintOn(HWND hDlg, PAGEPARAMS* context);
  void UpdateScaleToFit(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdatePrintOnCenter(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateCenterZoom(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateStaple(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateInputBin(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateMediaType(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateOutputBin(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateZoomEdit(HWND hDlg, PAGEPARAMS* context, WORD notification);
  void UpdateZoomScroll(HWND hDlg, PAGEPARAMS* context, WPARAM wParam);
  void UpdateDuplexFlag(HWND hDlg, PAGEPARAMS* context);
  void UpdateRotationSortFlag(HWND hDlg, PAGEPARAMS* context);

  // The identifier of the paper that is printed on (-1 when none).
  int32_t PaperId(HWND hDlg, const PAGEPARAMS* context) const;

 private:
  void OnCommand(HWND hDlg, WORD id, WORD notification, PAGEPARAMS* context, PVENDORRETURNITEMS changed);
  void SetStapleImage(const PAGEPARAMS* context);
  void EnableZoomControls(HWND hDlg, bool enable);
  void SelectSameText(HWND hDlg, int controlId, const std::wstring& text);

  CPageFrame m_Frame;
  // Set while the page writes its own controls: the notifications that
  // causes are not user changes.
  bool m_bFilling = false;
};

// The page handler of template 202 and the destroyer of the object it
// creates.
inline constexpr PageHandler PaperTabHandler = plqr::HandlePageMessage<CPaperTab>;
inline constexpr void (*DestroyPaperTab)(void*) = plqr::DestroyPageInstance<CPaperTab>;
