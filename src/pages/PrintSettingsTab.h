// CPrintSettingsTab: the first document page (template 201 of the resource
// library): orientation and 180-degree rotation, copies and collation,
// duplex, pages per sheet with booklet printing, page borders, the order of
// the pages on a sheet and the job type. Every change goes at once into the
// public DEVMODEW (with its dmFields bit), the private device mode and, for
// core-driver features, the changed dictionary; the constraint routine keeps
// the page consistent with the other pages and dialogs.
//
// The decisions live in pages/PrintSettingsRules.h; this class applies them
// to the page's windows. What every page does alike is its CPageFrame.
#pragma once

#include <windows.h>

#include "controls/PageFrame.h"
#include "core/Observer.h"
#include "core/PageParams.h"

class CPrintSettingsTab : public IObserver {
 public:
  CPrintSettingsTab();
  ~CPrintSettingsTab() override = default;
  CPrintSettingsTab(const CPrintSettingsTab&) = delete;
  CPrintSettingsTab& operator=(const CPrintSettingsTab&) = delete;

  void UpdateSettings(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                      VENDORRETURNITEMS* changedSelections) override;
  void UpdateConstraints(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) override;

  // One page message (see PrintSettingsTabHandler).
  BOOL HandleMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
                     PVENDORRETURNITEMS changedSelections);

  BOOL OnInitDialog(HWND hDlg, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
                    PVENDORRETURNITEMS changedSelections);
  void InitPrintSettingsTab(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void ApplyConstraints(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);

  // Control operations.
  void UpdateOrientation(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateRotate180(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateJobType(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void OpenJobTypeDetails(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateCopies(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections, bool killFocus);
  void UpdateCollate(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateDuplex(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateRotationSort(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateNup(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdatePageBorders(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdatePageBordersState(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateFirstPageCombo(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateFirstPage(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateBookletValue(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateBookletOption(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateBookletLayout(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);

 private:
  BOOL OnCommand(HWND hDlg, WPARAM wParam, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  BOOL OnNotify(HWND hDlg, LPARAM lParam, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void ReadUserAuthenticationAndUnit(PAGEPARAMS* context);
  void SetCollationImage(const DEVMODEW* dm);
  void SetDuplexAndLayoutImages(HWND hDlg, PAGEPARAMS* context);
  void SetOrientationImages(bool rotate180);
  void ShowBookletValue(HWND hDlg, int16_t value);

  CPageFrame m_Frame;
  // Set while the page fills its controls: the notifications that filling
  // causes are not user changes.
  bool m_bFilling = false;
};

// The page handler of template 201 (it creates the page object on first use
// and hands it every message) and the destroyer of that object.
inline constexpr PageHandler PrintSettingsTabHandler = plqr::HandlePageMessage<CPrintSettingsTab>;
inline constexpr void (*DestroyPrintSettingsTab)(void*) = plqr::DestroyPageInstance<CPrintSettingsTab>;
