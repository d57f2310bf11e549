// Proves the display path: a real property-sheet page created from a dialog
// template of the resource library, in a real sheet, on the test display.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include "ResourceIds.h"
#include "WineTestSupport.h"

namespace {

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

TEST(Smoke, ResourceLibraryPageShowsInRealSheet) {
  plqr::test::LoadedModule resources(L"PLQRDVXSRES.DLL", LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(resources) << "PLQRDVXSRES.DLL did not load, error " << GetLastError();

  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&icc));

  PROPSHEETPAGEW page = {};
  page.dwSize = sizeof(page);
  page.hInstance = resources.get();
  page.pszTemplate = MAKEINTRESOURCEW(IDD_PRINT_SETTINGS_TAB);
  page.pfnDlgProc = PageProc;
  HPROPSHEETPAGE hPage = CreatePropertySheetPageW(&page);
  ASSERT_NE(nullptr, hPage);

  PROPSHEETHEADERW header = {};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW;
  header.pszCaption = L"Smoke";
  header.nPages = 1;
  header.phpage = &hPage;
  HWND sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
  ASSERT_NE(nullptr, sheet) << "the sheet was not created (no display?)";

  HWND pageWindow = PropSheet_GetCurrentPageHwnd(sheet);
  ASSERT_NE(nullptr, pageWindow);
  HWND preview = GetDlgItem(pageWindow, IDC_PREVIEW);
  EXPECT_NE(nullptr, preview) << "control " << IDC_PREVIEW << " missing on page " << IDD_PRINT_SETTINGS_TAB;
  EXPECT_TRUE(IsWindowVisible(sheet));

  DestroyWindow(sheet);
  plqr::test::PumpPending();
}

}  // namespace
