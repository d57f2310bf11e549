// Each open sheet has its own session: what the core driver does around an
// open sheet (another plug-in object made and released), two sheets in one
// process, and a sheet opened and closed many times.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "PageDriver.h"
#include "ProcessResources.h"
#include "ResourceIds.h"
#include "StandIn.h"
#include "TestPrinter.h"
#include "WineTestSupport.h"
#include "core/CommonTabs.h"
#include "plugin/Plugin.h"

namespace {

using plqr::host::CoreDriverHost;
using plqr::test::PageDriver;

constexpr size_t kPrintSettingsPage = 0;
constexpr size_t kPaperPage = 1;  // the document sheet lists 201, 202, 204, 203, 205

// A stand-in with its sheet open.
struct OpenSheet {
  plqr::test::StandIn standIn;
  std::string failure;

  // `linked`: the plug-in library of this executable; otherwise the DLL.
  explicit OpenSheet(bool linked = true) {
    standIn = plqr::test::StartStandIn(&failure, linked);
    std::wstring error;
    if (failure.empty() && !standIn.host->OpenSheet(error)) failure.assign(error.begin(), error.end());
  }
  ~OpenSheet() {
    if (standIn.host && standIn.host->SheetOpen()) standIn.host->Close(false);
  }
  CoreDriverHost& Host() { return *standIn.host; }
};

// What the core driver does while a sheet is open: another driver context
// gets its own plug-in object, asks it a few things and releases it.
void MakeAndReleaseAnotherPluginObject() {
  IClassFactory* factory = nullptr;
  ASSERT_EQ(S_OK, OemGetClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
  IPrintOemUI2* other = nullptr;
  ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IPrintOemUI2, reinterpret_cast<void**>(&other)));
  factory->Release();
  DWORD signature = 0;
  DWORD needed = 0;
  EXPECT_EQ(S_OK, other->GetInfo(OEMGI_GETSIGNATURE, &signature, sizeof(signature), &needed));
  OEMDMPARAM size = {};
  size.cbSize = sizeof(size);
  EXPECT_EQ(S_OK, other->DevMode(OEMDM_SIZE, &size));
  EXPECT_EQ(0u, other->Release());
}

TEST(SheetSession, AnotherPluginObjectMadeAndReleasedLeavesTheOpenSheetWorking) {
  OpenSheet sheet;
  ASSERT_TRUE(sheet.failure.empty()) << sheet.failure;
  PageDriver settings(sheet.Host(), kPrintSettingsPage);
  PageDriver paper(sheet.Host(), kPaperPage);
  ASSERT_TRUE(paper.Open());
  ASSERT_TRUE(settings.Open());
  MakeAndReleaseAnotherPluginObject();

  // Apply still enables.
  settings.ClearApply();
  settings.Click(IDC_RADIO_LANDSCAPE);
  EXPECT_TRUE(settings.ApplyEnabled());

  // A constraint change on the paper page still reaches the print settings
  // page: an envelope is printed one-sided.
  ASSERT_TRUE(settings.Enabled(IDC_RADIO_DUPLEX_LONGEDGE));
  ASSERT_TRUE(paper.Open());
  paper.Choose(IDC_COMBO_PAPERSIZE, paper.Find(IDC_COMBO_PAPERSIZE, L"Envelope #10"));
  EXPECT_TRUE(settings.Checked(IDC_RADIO_DUPLEX_OFF));
  EXPECT_FALSE(settings.Enabled(IDC_RADIO_DUPLEX_LONGEDGE));
  EXPECT_EQ(DMDUP_SIMPLEX, settings.Public().dmDuplex);

  // A preset request is still answered: the panel's Apply marks the
  // settings changed (and the store's failure leaves the page as it was).
  ASSERT_TRUE(settings.Open());
  settings.Private().bSettingsChanged = 0;
  settings.ClearApply();
  HWND panel = FindWindowExW(settings.Page(), nullptr, L"#32770", nullptr);
  ASSERT_NE(nullptr, panel) << "the quick-settings panel";
  SendMessageW(GetDlgItem(panel, IDC_BUTTON_QUICKSETTINGS_APPLY), BM_CLICK, 0, 0);
  EXPECT_EQ(1, settings.Private().bSettingsChanged);
  EXPECT_TRUE(settings.ApplyEnabled());
}

TEST(SheetSession, TwoSheetsInOneProcessKeepTheirOwnSettings) {
  OpenSheet first;
  ASSERT_TRUE(first.failure.empty()) << first.failure;
  OpenSheet second;
  ASSERT_TRUE(second.failure.empty()) << second.failure;
  PageDriver a(first.Host(), kPrintSettingsPage);
  PageDriver b(second.Host(), kPrintSettingsPage);
  ASSERT_TRUE(a.Open());
  ASSERT_TRUE(b.Open());
  ASSERT_NE(a.Session(), b.Session());

  a.Choose(IDC_COMBO_NUP, 3);  // four pages per sheet
  b.Click(IDC_RADIO_LANDSCAPE);
  EXPECT_EQ(4, a.Private().wPagesPerSheet);
  EXPECT_EQ(DMORIENT_PORTRAIT, a.Public().dmOrientation);
  EXPECT_EQ(1, b.Private().wPagesPerSheet);
  EXPECT_EQ(DMORIENT_LANDSCAPE, b.Public().dmOrientation);
  // What each stand-in was asked to change: its own sheet's choices only.
  EXPECT_EQ(0, a.ItemSel("Orientation"));
  EXPECT_EQ(1, b.ItemSel("Orientation"));
  EXPECT_EQ(2, a.ItemSel("Nup"));
  EXPECT_EQ(0, b.ItemSel("Nup"));

  // A constraint of sheet A stays in sheet A.
  PageDriver paperA(first.Host(), kPaperPage);
  ASSERT_TRUE(paperA.Open());
  paperA.Choose(IDC_COMBO_PAPERSIZE, paperA.Find(IDC_COMBO_PAPERSIZE, L"Envelope #10"));
  EXPECT_FALSE(a.Enabled(IDC_RADIO_DUPLEX_LONGEDGE));
  EXPECT_EQ(1, a.Private().bNoDuplex);
  EXPECT_TRUE(b.Enabled(IDC_RADIO_DUPLEX_LONGEDGE));
  EXPECT_EQ(0, b.Private().bNoDuplex);
}

// Our window properties still on a control when it has handled WM_DESTROY.
int g_propertiesLeft = 0;
LRESULT CALLBACK WatchDestroy(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_DESTROY) {
    for (const wchar_t* name : {L"SubClassControl", L"UnavailableComboSelection", L"HintIconTooltip"}) {
      if (GetPropW(message->hwnd, name) != nullptr) ++g_propertiesLeft;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// One opening as the core driver makes it: a new object of the loaded DLL,
// the sheet with both finished pages shown, OK, the object released.
void OpenAndClose() {
  OpenSheet sheet(/*linked=*/false);
  ASSERT_TRUE(sheet.failure.empty()) << sheet.failure;
  ASSERT_TRUE(sheet.Host().Sheet().SelectPage(kPaperPage));
  ASSERT_TRUE(sheet.Host().Close(true));
}

TEST(SheetSession, OpeningAndClosingTwoHundredTimesLeavesNothingBehind) {
  OpenAndClose();  // the first opening makes what lives as long as the process
  const plqr::host::ProcessResources before = plqr::host::MeasureProcessResources();
  g_propertiesLeft = 0;
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, WatchDestroy, nullptr, GetCurrentThreadId());
  ASSERT_NE(nullptr, hook);
  const DWORD start = GetTickCount();
  for (int round = 0; round < 200 && !HasFatalFailure(); ++round) OpenAndClose();
  std::printf("200 openings took %lu ms\n", GetTickCount() - start);
  UnhookWindowsHookEx(hook);
  const plqr::host::ProcessResources after = plqr::host::MeasureProcessResources();
  std::printf("GDI objects %zu before, %zu after; windows %zu before, %zu after\n", before.gdiObjects,
              after.gdiObjects, before.windows, after.windows);
  std::printf("heap bytes %zu before, %zu after; lowest free TLS index %lu before, %lu after\n",
              before.heapBytes, after.heapBytes, before.lowestFreeTlsIndex, after.lowestFreeTlsIndex);
  EXPECT_EQ(before.gdiObjects, after.gdiObjects);
  EXPECT_EQ(before.windows, after.windows);
  // Every opening loads and frees the DLL: nothing of its runtime may stay.
  // Wine's own static controls keep 24 bytes each (360 bytes a sheet),
  // so the bound is 1 KB an opening, far below what one load used to leave.
  EXPECT_EQ(before.lowestFreeTlsIndex, after.lowestFreeTlsIndex);
  EXPECT_LT(after.heapBytes, before.heapBytes + 200 * 1024);
  EXPECT_EQ(0, g_propertiesLeft) << "a control kept one of our properties past its WM_DESTROY";

  plqr::test::LoadedModule dll(L"PLQRDVXSUI.DLL");
  ASSERT_TRUE(dll);
  const auto canUnloadNow = dll.Proc<HRESULT(STDAPICALLTYPE*)()>("DllCanUnloadNow");
  ASSERT_NE(nullptr, canUnloadNow);
  EXPECT_EQ(S_OK, canUnloadNow());
}

}  // namespace
