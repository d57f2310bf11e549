// CQualityTab: the third document page (template 204 of the resource
// library): resolution, toner darkness (on or off, and a level from 1 to
// 10), toner save, text printed as black, grey correction with brightness
// and contrast, and halftone. Brightness and contrast are shown at once on a
// greyscale sample that the page repaints through its colour table. The
// page has no constraint rules of its own; it follows preset events.
//
// The decisions live in pages/QualityRules.h; this class applies them to the
// page's windows. What every page does alike is its CPageFrame.
#pragma once

#include <windows.h>

#include <cstdint>

#include "controls/PageFrame.h"
#include "core/Observer.h"
#include "core/PageParams.h"
#include "pages/QualitySample.h"

class CQualityTab : public IObserver {
 public:
  CQualityTab();
  ~CQualityTab() override = default;
  CQualityTab(const CQualityTab&) = delete;
  CQualityTab& operator=(const CQualityTab&) = delete;

  void UpdateSettings(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                      VENDORRETURNITEMS* changedSelections) override;
  void UpdateConstraints(PAGEPARAMS* context, VENDORRETURNITEMS* changedSelections) override;

  // One page message (see QualityTabHandler).
  BOOL HandleMessage(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
                     PVENDORRETURNITEMS changedSelections);

  void OnInitDialog(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void InitQualityTab(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);

  // Control operations.
  void UpdateResolution(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateTonerDarkness(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateTonerDarknessSlider(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateTonerDarknessValue(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateTonerSave(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdatePrintTextasBlack(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateGrayCorrection(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateBrightness(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateBrightnessSlider(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateContrast(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateContrastSlider(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void UpdateHalftone(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  // The graphics mode dialog, opened by the (hidden) graphics mode button.
  void OpenGraphicsMode(HWND hDlg, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);

  // The controls, field and feature of brightness or of contrast.
  struct Adjustment;

 private:
  BOOL OnCommand(HWND hDlg, WPARAM wParam, PAGEPARAMS* context, PVENDORRETURNITEMS changedSelections);
  void OnScroll(HWND hDlg, WPARAM wParam, LPARAM lParam, PAGEPARAMS* context,
                PVENDORRETURNITEMS changedSelections);
  void UpdateAdjustment(HWND hDlg, const Adjustment& which, PAGEPARAMS* context,
                        PVENDORRETURNITEMS changedSelections);
  void UpdateAdjustmentSlider(HWND hDlg, const Adjustment& which, PAGEPARAMS* context,
                              PVENDORRETURNITEMS changedSelections);
  void EnableAdjustments(HWND hDlg, bool enabled);

  CPageFrame m_Frame;
  CQualitySample m_Sample;
  // Set while the page fills its controls: the notifications that filling
  // causes are not user changes.
  bool m_bFilling = false;
};

// The page handler of template 204 (it creates the page object on first use
// and hands it every message) and the destroyer of that object.
inline constexpr PageHandler QualityTabHandler = plqr::HandlePageMessage<CQualityTab>;
inline constexpr void (*DestroyQualityTab)(void*) = plqr::DestroyPageInstance<CQualityTab>;
