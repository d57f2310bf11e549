// The core-driver stand-in with the real plug-in DLL: the calls it makes, the
// option items it builds, the constraints its DrvUpdateUISetting enforces, the
// sheet it shows and the actions it carries out on real controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ActionRunner.h"
#include "CoreDriverHost.h"
#include "HostSpooler.h"
#include "HostText.h"
#include "ResourceIds.h"
#include "SettingsJson.h"
#include "StandIn.h"
#include "TestPrinter.h"
#include "UserInput.h"
#include "WineTestSupport.h"
#include "actions/ActionScript.h"
#include "core/OemCF.h"
#include "core/PluginIdentity.h"
#include "core/PrivateDevmode.h"
#include "plugin/Plugin.h"
#include "support/Spooler.h"

namespace {

using namespace plqr::host;

// Every test starts its own stand-in of the loaded DLL, as a driver process
// loads it.
class HostTest : public ::testing::Test {
 protected:
  // The started stand-in; the test fails when it does not start.
  CoreDriverHost* Started(SheetKind sheet = SheetKind::Document, bool linked = false) {
    std::string failure;
    m_standIn = plqr::test::StartStandIn(&failure, linked, {}, sheet);
    EXPECT_TRUE(failure.empty()) << failure;
    return m_standIn.host.get();
  }
  const PrinterDescription& Description() const { return *m_standIn.description; }

  size_t OptionIndex(const char* feature, const char* option) const {
    const auto f = Description().FindFeature(feature);
    const auto o = f ? Description().FindOption(*f, option) : std::nullopt;
    return o ? *o : 9999;
  }

  plqr::test::StandIn m_standIn;
};

TEST_F(HostTest, DocumentSheetOpensAndClosesWithOkInTheCoreDriversOrder) {
  CoreDriverHost* host = Started();
  ASSERT_NE(nullptr, host);
  ASSERT_NE(nullptr, host->Plugin());
  EXPECT_EQ(plqr::kOemSignature, host->Info().signature);
  EXPECT_EQ(0u, host->RequestedOemItems()) << "the plug-in adds no option items of its own";
  EXPECT_EQ(plqr::kPrivateDevmodeSize, host->PrivateDevmodeSize());
  EXPECT_EQ(plqr::kPrivateDevmodeSize, host->PublicDevmode()->dmDriverExtra);

  // The plug-in hid every item of the core driver (tab set 5).
  ASSERT_NE(nullptr, host->Items());
  ASSERT_GT(host->Items()->Count(), 30u);
  for (DWORD i = 0; i < host->Items()->Count(); ++i) {
    EXPECT_EQ(static_cast<DWORD>(OPTIF_HIDE), host->Items()->Item(i).Flags)
        << "item " << host->Items()->Key(i);
  }

  std::wstring error;
  ASSERT_TRUE(host->OpenSheet(error)) << Narrow(error);
  ASSERT_NE(nullptr, host->SheetWindow());
  EXPECT_TRUE(IsWindowVisible(host->SheetWindow()));
  const std::vector<DWORD> expectedPages = {201, 202, 204, 203, 205};
  EXPECT_EQ(expectedPages, host->Sheet().PageTemplateIds());
  const std::vector<std::wstring> titles = {L"Print Settings", L"Paper", L"Quality", L"Advanced",
                                            L"Device Options"};
  EXPECT_EQ(titles, host->Sheet().PageTitles()) << "titles from the resource library";
  for (const ComPropSheetCall& call : host->ComPropSheetCalls()) {
    EXPECT_EQ(static_cast<UINT>(CPSFUNC_ADD_PROPSHEETPAGEW), call.function);
    EXPECT_EQ(104u, call.pageSize);
    EXPECT_TRUE(call.pageFlags & PSP_USEFUSIONCONTEXT) << "pages must use the common-controls 6 context";
    EXPECT_NE(0, call.result);
  }

  // Every page is a real page of the sheet once shown.
  for (size_t i = 0; i < expectedPages.size(); ++i) {
    ASSERT_TRUE(host->Sheet().SelectPage(i)) << "page " << i;
    EXPECT_NE(nullptr, host->Sheet().PageWindow(i));
  }
  // The DLL asked the helper for the stand-in's spooler service: a paper
  // Wine has no form for is known by its size and listed in the
  // description's order, before the envelopes that come later there.
  const HWND paper = GetDlgItem(host->Sheet().PageWindow(1), IDC_COMBO_PAPERSIZE);
  const auto position = [&](const wchar_t* name) {
    return static_cast<int>(
        SendMessageW(paper, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name)));
  };
  EXPECT_NE(CB_ERR, position(L"8.65x13"));
  EXPECT_LT(position(L"8.65x13"), position(L"Envelope #10"));

  ASSERT_TRUE(host->Close(true));
  EXPECT_FALSE(host->SheetOpen());
  ASSERT_FALSE(host->Sheet().SetResults().empty()) << "OK must be confirmed with CPSFUNC_SET_RESULT";
  for (const LONG_PTR result : host->Sheet().SetResults()) EXPECT_EQ(CPSUI_OK, result);
  EXPECT_EQ(CPSUI_OK, host->SheetResult());

  const std::vector<SheetReasonCall>& reasons = host->ReasonCalls();
  ASSERT_EQ(3u, reasons.size());
  EXPECT_EQ(PROPSHEETUI_REASON_INIT, reasons[0].reason);
  EXPECT_EQ(PROPSHEETUI_REASON_SET_RESULT, reasons[1].reason);
  EXPECT_EQ(static_cast<ULONG_PTR>(CPSUI_OK), reasons[1].result);
  EXPECT_EQ(PROPSHEETUI_REASON_DESTROY, reasons[2].reason);
  for (const SheetReasonCall& call : reasons) EXPECT_EQ(S_OK, call.hr);

  // The pages took the paper over when they were first shown: A4 (item
  // 20002) is the description's default, at option index 2.
  const plqr::VENDORDEVMODE& body = *plqr::VendorDevmodeOf(host->PrivateDevmode());
  EXPECT_EQ(20002, body.sPaperItemId);
  EXPECT_EQ(2, body.sPaperSizeIndex);
  EXPECT_NE(std::string::npos, SettingsJson(*host).find("\"result\": \"ok\""));
}

TEST_F(HostTest, OptionItemsAreBuiltAsTheCoreDriverBuildsThem) {
  CoreDriverHost* host = Started();
  ASSERT_NE(nullptr, host);
  OptItemSet& items = *host->Items();

  OPTITEM* paper = host->Item("PaperSize");
  ASSERT_NE(nullptr, paper);
  EXPECT_EQ(DMPUB_FORMNAME, paper->DMPubID);
  EXPECT_STREQ(L"A4", paper->pOptType->pOptParam[paper->Sel].pData);

  OPTITEM* bin = host->Item("InputBin");
  ASSERT_NE(nullptr, bin);
  EXPECT_EQ(DMPUB_DEFSOURCE, bin->DMPubID);
  EXPECT_EQ(609u, reinterpret_cast<ULONG_PTR>(bin->pOptType->pOptParam[0].pData)) << "named by resource ID";
  // Trays 2 and 3 are not installed: unavailable.
  EXPECT_EQ(kUnavailableOptionFlags, bin->pOptType->pOptParam[2].Flags & kUnavailableOptionFlags);
  EXPECT_EQ(0, bin->pOptType->pOptParam[1].Flags & kUnavailableOptionFlags);

  EXPECT_EQ(nullptr, host->Item("PrintProperty_InstallableOptions")) << "a printer feature";
  EXPECT_EQ(items.Count(), host->CommonUIParam().cDrvOptItems);
}

TEST_F(HostTest, DrvUpdateUISettingRefusesWhatTheConstraintsForbid) {
  CoreDriverHost* host = Started();
  ASSERT_NE(nullptr, host);
  IPrintOemDriverUI* driver = host->DriverInterface();
  ASSERT_NE(nullptr, driver);
  const POEMUIOBJ ui = host->CommonUIParam().poemuiobj;
  DEVMODEW* dm = host->PublicDevmode();

  OPTITEM* media = host->Item("MediaType");
  OPTITEM* duplex = host->Item("Duplex");
  ASSERT_NE(nullptr, media);
  ASSERT_NE(nullptr, duplex);
  const size_t envelope = OptionIndex("MediaType", "ENVELOPE");
  const size_t longEdge = OptionIndex("Duplex", "VERTICAL");
  const size_t duplexFeature = *Description().FindFeature("Duplex");

  media->Sel = static_cast<LONG>(envelope);
  EXPECT_EQ(S_OK, driver->DrvUpdateUISetting(ui, media, 0, OEMCUIP_DOCPROP));
  EXPECT_EQ(265u, dm->dmMediaType);
  EXPECT_EQ(kUnavailableOptionFlags, duplex->pOptType->pOptParam[longEdge].Flags & kUnavailableOptionFlags)
      << "long-edge duplex is unavailable with envelopes";

  duplex->Sel = static_cast<LONG>(longEdge);
  EXPECT_EQ(E_FAIL, driver->DrvUpdateUISetting(ui, duplex, 0, OEMCUIP_DOCPROP));
  EXPECT_EQ(0u, host->Settings().State().selected[duplexFeature]) << "the previous selection stays";
  EXPECT_EQ(DMDUP_SIMPLEX, dm->dmDuplex);
  ASSERT_FALSE(host->Settings().Updates().empty());
  EXPECT_EQ("conflicts with MediaType.ENVELOPE", host->Settings().Updates().back().reason);

  // Plain paper lifts the constraint; then duplex is taken, through the
  // procedure table of the OEMUIOBJ as well.
  media->Sel = static_cast<LONG>(OptionIndex("MediaType", "PLAIN"));
  EXPECT_EQ(S_OK, driver->DrvUpdateUISetting(ui, media, 0, OEMCUIP_DOCPROP));
  EXPECT_EQ(0, duplex->pOptType->pOptParam[longEdge].Flags & kUnavailableOptionFlags);
  EXPECT_TRUE(ui->pOemUIProcs->DrvUpdateUISetting(ui, duplex, 0, OEMCUIP_DOCPROP));
  EXPECT_EQ(DMDUP_VERTICAL, dm->dmDuplex);

  // Out of range and foreign items.
  media->Sel = 23;
  EXPECT_EQ(E_FAIL, driver->DrvUpdateUISetting(ui, media, 0, OEMCUIP_DOCPROP));
  OPTITEM stranger = *media;
  EXPECT_EQ(E_INVALIDARG, driver->DrvUpdateUISetting(ui, &stranger, 0, OEMCUIP_DOCPROP));
}

TEST_F(HostTest, PrinterSheetAddsTwoPagesAndItemsForTheInstallableUnits) {
  CoreDriverHost* host = Started(SheetKind::Printer);
  ASSERT_NE(nullptr, host);
  ASSERT_NE(nullptr, host->Item("PrintProperty_InstallableOptions"));
  EXPECT_EQ(nullptr, host->Item("PaperSize")) << "a document feature";
  OPTITEM* tray2 = host->Item("Tray 2");
  ASSERT_NE(nullptr, tray2);
  EXPECT_EQ(0, tray2->Sel);

  // Installing the second tray makes it available to the document items.
  tray2->Sel = 1;
  EXPECT_EQ(S_OK, host->DriverInterface()->DrvUpdateUISetting(host->CommonUIParam().poemuiobj, tray2, 0,
                                                              OEMCUIP_PRNPROP));
  EXPECT_TRUE(host->Settings().State().installed[*Description().FindInstallable(u"Tray 2")]);

  std::wstring error;
  ASSERT_TRUE(host->OpenSheet(error)) << Narrow(error);
  EXPECT_EQ((std::vector<DWORD>{IDD_INSTALLABLE_OPTIONS_TAB, IDD_PRINTER_FONTS_TAB}),
            host->Sheet().PageTemplateIds());
  EXPECT_EQ(static_cast<ULONG_PTR>(host->ComPropSheetCalls().back().result), host->ReasonCalls()[0].result)
      << "Result is the value returned for the last page";
  EXPECT_TRUE(host->Close(false));
  EXPECT_EQ(CPSUI_CANCEL, host->SheetResult());
  ASSERT_EQ(3u, host->ReasonCalls().size());
  EXPECT_EQ(static_cast<ULONG_PTR>(CPSUI_CANCEL), host->ReasonCalls()[1].result);
}

TEST_F(HostTest, ActionsDriveRealControlsAndABadLineStopsTheRunWithItsNumber) {
  CoreDriverHost* host = Started();
  ASSERT_NE(nullptr, host);
  std::wstring error;
  ASSERT_TRUE(host->OpenSheet(error)) << Narrow(error);
  plqr::test::TempFolder folder(L"host_actions");

  ActionScriptResult good = ParseActionScript(
      "# copies and collation on the first page\n"
      "type 2022 \"3\"\n"
      "click IDC_CHECK_COLLATE\n"
      "apply\n"
      "expect public.dmCopies 3\n"
      "page \"Quality\"\n"
      "screenshot quality\n"
      "page 1\n",
      "good.txt");
  ASSERT_TRUE(good.ok()) << good.error.ToString();
  {
    ActionRunner runner(*host, *good.script, "good.txt", folder.path());
    std::string failure;
    EXPECT_TRUE(runner.Run(failure)) << failure;
    ASSERT_EQ(1u, runner.WrittenFiles().size());
    EXPECT_TRUE(plqr::test::FileExists(runner.WrittenFiles()[0]));
  }
  HWND page = host->Sheet().CurrentPageWindow();
  EXPECT_EQ(0, host->Sheet().CurrentPageIndex());
  EXPECT_EQ(L"3", plqr::test::WindowText(GetDlgItem(page, IDC_EDIT_COPIES)));
  // Collation is on by default; the click turned it off.
  EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(page, IDC_CHECK_COLLATE));
  EXPECT_EQ(DMCOLLATE_FALSE, host->PublicDevmode()->dmCollate);

  ActionScriptResult bad = ParseActionScript("page 2\nclick 59999\nok\n", "actions.txt");
  ASSERT_TRUE(bad.ok());
  {
    ActionRunner runner(*host, *bad.script, "actions.txt", L"");
    std::string failure;
    EXPECT_FALSE(runner.Run(failure));
    EXPECT_EQ(0u, failure.find("actions.txt:2: click: no control 59999 on the page \"")) << failure;
  }
  EXPECT_TRUE(host->SheetOpen()) << "the run stopped before ok";
}

TEST_F(HostTest, SpoolerSuppliesTheDescriptionsPapersAndReachesTheLoadedPlugin) {
  ASSERT_NE(nullptr, Started());
  HANDLE printer = nullptr;
  ASSERT_TRUE(OpenPrinterW(const_cast<LPWSTR>(plqr::test::kTestPrinterName), &printer, nullptr));
  HostSpooler spooler(Description(), plqr::test::kTestPrinterName);

  BYTE buffer[512] = {};
  DWORD needed = 0;
  ASSERT_TRUE(spooler.GetForm(printer, const_cast<LPWSTR>(L"8.65x13"), 1, buffer, sizeof(buffer), &needed));
  const auto* form = reinterpret_cast<const FORM_INFO_1W*>(buffer);
  EXPECT_EQ(static_cast<DWORD>(FORM_PRINTER), form->Flags);
  EXPECT_EQ(219710, form->Size.cx);
  EXPECT_EQ(330200, form->Size.cy);
  EXPECT_FALSE(spooler.GetForm(printer, const_cast<LPWSTR>(L"8.65x13"), 1, buffer, 8, &needed));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  ASSERT_TRUE(spooler.GetForm(printer, const_cast<LPWSTR>(L"A4"), 1, buffer, sizeof(buffer), &needed));
  EXPECT_EQ(static_cast<DWORD>(FORM_BUILTIN), form->Flags) << "the spooler's own form passes through";
  EXPECT_FALSE(
      spooler.GetForm(printer, const_cast<LPWSTR>(L"No Such Paper"), 1, buffer, sizeof(buffer), &needed));
  ClosePrinter(printer);

  EXPECT_EQ(40u,
            spooler.DeviceCapabilities(plqr::test::kTestPrinterName, L"FILE:", DC_PAPERS, nullptr, nullptr));
  wchar_t bins[24 * 8] = {};
  ASSERT_EQ(7u,
            spooler.DeviceCapabilities(plqr::test::kTestPrinterName, L"FILE:", DC_BINNAMES, bins, nullptr));
  EXPECT_STREQ(L"Automatically Select", bins);
  EXPECT_STREQ(L"Manual Feed", bins + 24 * 6);
}

TEST_F(HostTest, LinkedPluginLibraryOpensTheSameSheetAndSeesTheStandInsSpooler) {
  HANDLE printer = nullptr;
  ASSERT_TRUE(OpenPrinterW(const_cast<LPWSTR>(plqr::test::kTestPrinterName), &printer, nullptr));
  BYTE buffer[512] = {};
  DWORD needed = 0;
  auto formKnown = [&] {
    return plqr::Spooler().GetForm(printer, const_cast<LPWSTR>(L"8.65x13"), 1, buffer, sizeof(buffer),
                                   &needed) != FALSE;
  };
  {
    CoreDriverHost* host = Started(SheetKind::Document, /*linked=*/true);
    ASSERT_NE(nullptr, host);
    EXPECT_TRUE(formKnown()) << "the linked plug-in reaches the stand-in's spooler";
    std::wstring error;
    ASSERT_TRUE(host->OpenSheet(error)) << Narrow(error);
    EXPECT_EQ(5u, host->Sheet().PageTemplateIds().size());
    EXPECT_TRUE(host->Close(true));
    m_standIn.host.reset();
  }
  EXPECT_FALSE(formKnown()) << "winspool is back once the stand-in is gone";
  ClosePrinter(printer);
}

TEST_F(HostTest, ThePlatformsSheetManagerShowsThePagesAndEndsThemWithDestroy) {
  CoreDriverHost* host = Started();
  ASSERT_NE(nullptr, host);
  std::vector<std::wstring> titles;
  std::string chosen = "not run";
  std::wstring error;
  ASSERT_TRUE(host->RunPlatformSheet(error, [&] {
    titles = host->Sheet().PageTitles();
    ASSERT_TRUE(host->Sheet().SelectPage(1));
    chosen = Choose(GetDlgItem(host->Sheet().CurrentPageWindow(), IDC_COMBO_PAPERSIZE), L"Letter", "Letter");
    PropSheet_PressButton(host->SheetWindow(), PSBTN_OK);
  })) << Narrow(error);
  EXPECT_EQ(5u, titles.size());
  EXPECT_EQ("", chosen);
  EXPECT_EQ(CPSUI_OK, host->SheetResult());
  EXPECT_EQ(DMPAPER_LETTER, host->PublicDevmode()->dmPaperSize);
  EXPECT_FALSE(host->SheetOpen());
  // compstui has no SET_RESULT: INIT, then DESTROY once the sheet is gone.
  ASSERT_GE(host->ReasonCalls().size(), 2u);
  EXPECT_EQ(PROPSHEETUI_REASON_INIT, host->ReasonCalls().front().reason);
  EXPECT_EQ(PROPSHEETUI_REASON_DESTROY, host->ReasonCalls().back().reason);
  for (const SheetReasonCall& call : host->ReasonCalls()) EXPECT_EQ(S_OK, call.hr) << call.reason;
}

}  // namespace
