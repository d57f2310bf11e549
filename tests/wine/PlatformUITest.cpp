// The platform UI as the core driver and the common property-sheet UI see it:
// the sheet methods' reasons and refusals, and the common page procedure
// routing messages, enabling Apply, making pages read-only without
// permission and confirming PSN_APPLY. (The pages both sheets add are the
// stand-in suite's.)
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "HostText.h"
#include "PrintOem.h"
#include "ResourceIds.h"
#include "StandIn.h"
#include "TestPrinter.h"
#include "WineTestSupport.h"
#include "core/ClassIds.h"
#include "core/CommonTabs.h"
#include "core/OemCF.h"
#include "core/OemUI.h"
#include "core/PlatformUI.h"
#include "core/PrivateDevmode.h"
#include "plugin/Plugin.h"

namespace {

using plqr::test::PumpPending;
using plqr::test::PumpUntil;

using plqr::host::ComPropSheetCall;
using plqr::host::PropertySheetHost;

// A core-driver item (the stand-in's suite has the full set).
std::vector<OPTITEM> CoreItems() {
  OPTITEM item = {};
  item.cbSize = sizeof(OPTITEM);
  item.DMPubID = DMPUB_ORIENTATION;
  item.pName = const_cast<LPTSTR>(L"Feature");
  return {item};
}

// A page handler standing in for a page of the plug-in: counts its calls and
// asks for Apply when told to.
int g_handlerCalls = 0;
bool g_requestApplyOnInit = false;
bool g_requestApplyOnCommand = false;
bool g_repeatOnce = false;

constexpr WORD kThrowingCommand = 0xFFFE;  // a command the recording handler fails on

BOOL RecordingHandler(HWND, UINT message, WPARAM wParam, LPARAM, PAGEPARAMS* params,
                      PVENDORRETURNITEMS changed, void**) {
  ++g_handlerCalls;
  EXPECT_NE(nullptr, params->m_pVendorDevmode);
  EXPECT_EQ(nullptr, params->pReserved1);
  CCommonTabs* tabs = params->m_pCommonTabs;
  if (tabs == nullptr) return FALSE;
  if (message == WM_INITDIALOG && g_requestApplyOnInit) tabs->m_bEnableApply = 1;
  if (message == WM_COMMAND && g_requestApplyOnCommand) tabs->m_bEnableApply = 1;
  if (message == WM_COMMAND && LOWORD(wParam) == kThrowingCommand) throw std::runtime_error("handler failed");
  if (message == WM_COMMAND && g_repeatOnce) {
    g_repeatOnce = false;
    changed->m_bRepeat = 1;
  }
  return FALSE;
}

// The shipped plug-in with every page served by RecordingHandler.
const PluginParts& RecordingParts() {
  static const PageTable pages = [] {
    PageTable table = plqr::ProductPageTable();
    for (PageRegistration& page : table) {
      page.handler = RecordingHandler;
      page.destroyInstance = nullptr;
    }
    return table;
  }();
  static const PluginParts parts = [] {
    PluginParts assembled = plqr::ProductParts();
    assembled.pages = &pages;
    return assembled;
  }();
  return parts;
}

class PlatformUITest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::wstring failure;
    ASSERT_TRUE(plqr::test::EnsureTestPrinter(&failure)) << failure;
    m_printer = plqr::test::OpenTestPrinter();
    ASSERT_TRUE(m_printer);
    IClassFactory* factory = nullptr;
    ASSERT_EQ(S_OK, OemGetClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IPrintOemUI2, reinterpret_cast<void**>(&m_ui)));
    factory->Release();

    ASSERT_TRUE(plqr::FillPrivateDevmodeDefaults(m_private.data(), m_private.size()));
    m_public.dmSize = sizeof(m_public);
    m_items = CoreItems();
    m_cuip.cbSize = sizeof(m_cuip);
    m_cuip.hPrinter = m_printer.get();
    m_cuip.pPrinterName = const_cast<PWSTR>(plqr::test::kTestPrinterName);
    m_cuip.pPublicDM = &m_public;
    m_cuip.pOEMDM = m_private.data();
    m_cuip.pDrvOptItems = m_items.data();
    m_cuip.cDrvOptItems = static_cast<DWORD>(m_items.size());
    m_sheetParam.cbSize = sizeof(m_sheetParam);
    m_sheetParam.hPrinter = m_printer.get();
    m_sheetParam.pPrinterName = m_cuip.pPrinterName;
    m_sheetParam.pPublicDM = &m_public;
    m_sheetParam.pOEMDM = m_private.data();
  }

  void TearDown() override {
    if (m_ui != nullptr) m_ui->Release();
  }

  // The core driver's two CommonUIProp calls.
  void CommonUIProp(DWORD mode) {
    m_cuip.pOEMOptItems = nullptr;
    m_cuip.cOEMOptItems = 77;
    ASSERT_EQ(S_OK, m_ui->CommonUIProp(mode, &m_cuip));
    ASSERT_EQ(0u, m_cuip.cOEMOptItems);
    m_cuip.pOEMOptItems = m_items.data();  // any non-null array: the plug-in adds none
    ASSERT_EQ(S_OK, m_ui->CommonUIProp(mode, &m_cuip));
  }

  PROPSHEETUI_INFO SheetInfo(PropertySheetHost& recorder, LONG reason) {
    PROPSHEETUI_INFO info = {};
    info.cbSize = sizeof(info);
    info.Version = PROPSHEETUI_INFO_VERSION;
    info.Reason = static_cast<WORD>(reason);
    info.hComPropSheet = recorder.Handle();
    info.pfnComPropSheet = &PropertySheetHost::ComPropSheet;
    info.lParamInit = reinterpret_cast<LPARAM>(&m_sheetParam);
    return info;
  }

  // Opens the document sheet the way the core driver does; the pages are
  // then in `recorder`.
  void InitDocumentSheet(PropertySheetHost& recorder) {
    CommonUIProp(OEMCUIP_DOCPROP);
    PROPSHEETUI_INFO info = SheetInfo(recorder, PROPSHEETUI_REASON_INIT);
    ASSERT_EQ(S_OK, m_ui->DocumentPropertySheets(&info, 0));
  }

  void Destroy(PropertySheetHost& recorder, bool document = true) {
    PROPSHEETUI_INFO info = SheetInfo(recorder, PROPSHEETUI_REASON_DESTROY);
    if (document) {
      EXPECT_EQ(S_OK, m_ui->DocumentPropertySheets(&info, 0));
    } else {
      EXPECT_EQ(S_OK, m_ui->DevicePropertySheets(&info, 0));
    }
    EXPECT_EQ(1, info.Result);
  }

  plqr::UniquePrinter m_printer;
  IPrintOemUI2* m_ui = nullptr;
  std::vector<BYTE> m_private = std::vector<BYTE>(plqr::kPrivateDevmodeSize);
  DEVMODEW m_public = {};
  std::vector<OPTITEM> m_items;
  OEMCUIPPARAM m_cuip = {};
  OEMUIPSPARAM m_sheetParam = {};
};

TEST_F(PlatformUITest, NoDocumentPagesWithoutPrivateDevmodeOrDuringSetup) {
  {
    PropertySheetHost recorder;
    m_sheetParam.pOEMDM = nullptr;
    InitDocumentSheet(recorder);
    EXPECT_TRUE(recorder.Calls().empty());
    Destroy(recorder);
  }
  {
    PropertySheetHost recorder;
    m_sheetParam.pOEMDM = m_private.data();
    plqr::VendorDevmodeOf(m_private.data())->dwSetupMarker = plqr::kSetupMarkerInstall;
    CommonUIProp(OEMCUIP_DOCPROP);
    PROPSHEETUI_INFO info = SheetInfo(recorder, PROPSHEETUI_REASON_INIT);
    ASSERT_EQ(S_OK, m_ui->DocumentPropertySheets(&info, 0));
    EXPECT_EQ(0, info.Result);
    EXPECT_TRUE(recorder.Calls().empty());
    Destroy(recorder);
  }
}

TEST_F(PlatformUITest, SheetReasonsAndBadArguments) {
  PropertySheetHost recorder;
  PROPSHEETUI_INFO info = SheetInfo(recorder, PROPSHEETUI_REASON_GET_INFO_HEADER);
  EXPECT_EQ(S_OK, m_ui->DocumentPropertySheets(&info, 0));
  EXPECT_EQ(1, info.Result);
  SETRESULT_INFO result = {};
  result.cbSize = sizeof(result);
  result.Result = CPSUI_OK;
  info = SheetInfo(recorder, PROPSHEETUI_REASON_SET_RESULT);
  EXPECT_EQ(S_OK, m_ui->DocumentPropertySheets(&info, reinterpret_cast<LPARAM>(&result)));
  EXPECT_EQ(CPSUI_OK, info.Result);

  SetLastError(0);
  EXPECT_EQ(E_FAIL, m_ui->DocumentPropertySheets(nullptr, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  info.Version = 0x0200;
  SetLastError(0);
  EXPECT_EQ(E_FAIL, m_ui->DevicePropertySheets(&info, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  SetLastError(0);
  EXPECT_EQ(E_FAIL, m_ui->CommonUIProp(3, &m_cuip));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST(PlatformUIObject, DestroyEmptiesDictionariesButKeepsPaperIndexes) {
  CZPlatformUI platform(plqr::ProductParts());
  platform.m_OptionNameDictionary.emplace(L"PaperSize", L"A4:0");
  platform.m_SelectionDictionary[L"PaperSize"] = 0;
  platform.m_PaperIndexMap[0] = 20002;
  PROPSHEETUI_INFO info = {};
  info.cbSize = sizeof(info);
  info.Version = PROPSHEETUI_INFO_VERSION;
  info.Reason = PROPSHEETUI_REASON_DESTROY;
  ASSERT_EQ(S_OK, platform.PropertySheets(&info, 0, nullptr, 1));
  EXPECT_TRUE(platform.m_OptionNameDictionary.empty());
  EXPECT_TRUE(platform.m_SelectionDictionary.empty());
  EXPECT_EQ(1u, platform.m_PaperIndexMap.size());
  EXPECT_EQ(0u, platform.PageCount());
}

// Exceptions stop at the COM method and at the page procedure: memory that
// ran out building the feature model is E_OUTOFMEMORY to the core driver.
TEST_F(PlatformUITest, ExceptionsAnswerAsFailuresAtTheEntries) {
  static const PluginParts throwing = [] {
    PluginParts parts = plqr::ProductParts();
    parts.createFeatureDictionary = [](CZPlatformUI*, POEMCUIPPARAM) { throw std::bad_alloc(); };
    return parts;
  }();
  IClassFactory* factory = nullptr;
  ASSERT_EQ(S_OK,
            CreateClassFactory(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void**>(&factory), throwing));
  IPrintOemUI2* ui = nullptr;
  ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IPrintOemUI2, reinterpret_cast<void**>(&ui)));
  factory->Release();
  m_cuip.pOEMOptItems = m_items.data();
  EXPECT_EQ(E_OUTOFMEMORY, ui->CommonUIProp(OEMCUIP_DOCPROP, &m_cuip));
  ui->Release();
}

// Counts PSM_CHANGED reaching the sheet by subclassing it.
int g_changedMessages = 0;
WNDPROC g_sheetProc = nullptr;
LRESULT CALLBACK CountingSheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == PSM_CHANGED) ++g_changedMessages;
  return CallWindowProcW(g_sheetProc, hwnd, message, wParam, lParam);
}

// The class object of the plug-in library with every page RecordingHandler.
HRESULT STDAPICALLTYPE RecordingClassObject(REFCLSID clsid, REFIID iid, void** out) {
  return CreateClassFactory(clsid, iid, out, RecordingParts());
}

// The stand-in's sheet of the recording pages.
std::unique_ptr<plqr::host::CoreDriverHost> OpenRecordingSheet(plqr::test::StandIn& standIn,
                                                               bool noPermission) {
  plqr::host::HostOptions options = standIn.options;
  options.linkedGetClassObject = RecordingClassObject;
  options.noPermission = noPermission;
  auto host = std::make_unique<plqr::host::CoreDriverHost>(*standIn.description, options);
  std::wstring error;
  EXPECT_TRUE(host->Start(error) && host->OpenSheet(error)) << plqr::host::Narrow(error);
  return host;
}

TEST(PlatformUISheet, AppliesApplyRequestsAndConfirmsApply) {
  std::string failure;
  plqr::test::StandIn standIn = plqr::test::StartStandIn(&failure);
  ASSERT_TRUE(failure.empty()) << failure;
  g_handlerCalls = 0;
  g_requestApplyOnInit = true;
  g_requestApplyOnCommand = false;
  auto host = OpenRecordingSheet(standIn, false);
  ASSERT_EQ(5u, host->Sheet().PageCount());
  HWND sheet = host->SheetWindow();
  HWND page = PropSheet_GetCurrentPageHwnd(sheet);
  ASSERT_NE(nullptr, page);
  EXPECT_GT(g_handlerCalls, 0);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_PREVIEW))) << "a page with permission is editable";

  // The Apply request made during WM_INITDIALOG went with a later message of
  // the sheet's creation: Apply is enabled and the request is cleared.
  HWND applyButton = GetDlgItem(sheet, 0x3021);
  ASSERT_NE(nullptr, applyButton);
  EXPECT_TRUE(IsWindowEnabled(applyButton));
  EXPECT_EQ(0, plqr::test::SessionOf(page)->m_bEnableApply);
  g_requestApplyOnInit = false;

  g_sheetProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingSheetProc)));
  g_changedMessages = 0;
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(0xFFFF, 0), 0);
  EXPECT_EQ(0, g_changedMessages) << "no request, no PSM_CHANGED";

  // One request, exactly one PSM_CHANGED, right after the call, also when
  // the handler asks to be called again.
  g_requestApplyOnCommand = true;
  g_repeatOnce = true;
  const int callsBefore = g_handlerCalls;
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(0xFFFF, 0), 0);
  EXPECT_EQ(1, g_changedMessages);
  EXPECT_EQ(callsBefore + 2, g_handlerCalls) << "the repeat flag calls the handler once more";
  g_requestApplyOnCommand = false;
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(0xFFFF, 0), 0);
  EXPECT_EQ(1, g_changedMessages);

  EXPECT_EQ(0, SendMessageW(page, WM_COMMAND, MAKEWPARAM(kThrowingCommand, 0), 0)) << "a failing handler";
  EXPECT_TRUE(IsWindow(page));

  // Apply (the sheet sends PSN_APPLY to the pages): CPSUI_OK to the sheet.
  PropSheet_Apply(sheet);
  PumpUntil([&] { return !host->Sheet().SetResults().empty(); }, 2000);
  EXPECT_EQ(std::vector<LONG_PTR>{CPSUI_OK}, host->Sheet().SetResults())
      << "PSN_APPLY did not report CPSUI_OK";
  NMHDR notify = {page, 0, static_cast<UINT>(PSN_APPLY)};
  EXPECT_EQ(TRUE, CommonPageProc(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify)));
  EXPECT_EQ(PSNRET_NOERROR, GetWindowLongPtrW(page, DWLP_MSGRESULT));
  EXPECT_TRUE(host->Close(false));
}

TEST(PlatformUISheet, PagesAreReadOnlyWithoutPermission) {
  std::string failure;
  plqr::test::StandIn standIn = plqr::test::StartStandIn(&failure);
  ASSERT_TRUE(failure.empty()) << failure;
  auto host = OpenRecordingSheet(standIn, true);
  HWND page = PropSheet_GetCurrentPageHwnd(host->SheetWindow());
  ASSERT_NE(nullptr, page);
  int children = 0;
  for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    ++children;
    EXPECT_FALSE(IsWindowEnabled(child)) << "control " << GetDlgCtrlID(child) << " is enabled";
  }
  EXPECT_GT(children, 0);
  EXPECT_TRUE(host->Close(false));
}

// The copies item's collate box is read before hiding replaces the item's
// flags: the real CommonUIProp path of the stand-in, whose description
// collates by default.
TEST(PlatformUIStandIn, CollateCheckedInTheCoreDriversItemArrivesAs64) {
  std::string failure;
  plqr::test::StandIn standIn = plqr::test::StartStandIn(&failure);
  ASSERT_TRUE(failure.empty()) << failure;
  const OPTITEM* copies = standIn.host->Item("Collate");
  ASSERT_NE(nullptr, copies);
  EXPECT_EQ(static_cast<DWORD>(OPTIF_HIDE), copies->Flags) << "hidden like every core item";
  const CZPlatformUI* platform = static_cast<CZOemUI*>(standIn.host->Plugin())->PlatformUI();
  ASSERT_NE(nullptr, platform);
  EXPECT_EQ(64u, platform->m_SelectionDictionary.at(L"Collate"));
  EXPECT_EQ(1u, platform->m_SelectionDictionary.at(L"Copies"));
}

}  // namespace
