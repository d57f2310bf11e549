// The paper page in a fresh document sheet of the core-driver stand-in for
// every test, driven as a user drives it: the rules between paper, trays,
// media types and finishing as the page applies them, the zoom and print-on
// controls, the flags the print settings page reads, the public paper fields
// and the selections the stand-in accepts or refuses. The description gets
// one more form, "Custom 100" (100 x 200 mm), that no table name fits: the
// page leaves it out of its lists, so list positions and option indexes part.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "PageDriver.h"
#include "ResourceIds.h"
#include "Screenshot.h"
#include "StandIn.h"
#include "WineTestSupport.h"
#include "core/CommonTabs.h"
#include "features/ComboValues.h"
#include "pages/PaperCompatibility.h"

namespace {

using plqr::test::PageDriver;

constexpr wchar_t kCustomName[] = L"Custom 100";
constexpr size_t kPaperPage = 1;  // 201, 202, 204, 203, 205

class PaperTabTest : public plqr::test::SheetTest<kPaperPage> {
 protected:
  // "Custom 100" as the core driver's second paper.
  void EditDescription(plqr::host::PrinterDescription& description) override {
    for (plqr::host::DescriptionFeature& feature : description.features) {
      if (feature.keyword != "PaperSize") continue;
      plqr::host::DescriptionOption custom;
      custom.keyword = "CUSTOM_100";
      custom.displayName = u"Custom 100";
      custom.optionId = 300;
      custom.formSize = plqr::host::IntPair{100000, 200000};
      feature.options.insert(feature.options.begin() + 1, custom);
      if (feature.defaultOption >= 1) ++feature.defaultOption;
    }
  }
  // The finisher's staple is available to the page.
  void BeforeOpening(plqr::host::CoreDriverHost& host) override {
    plqr::VendorDevmodeOf(host.PrivateDevmode())->bOutputBinFlag = 1;
  }

  int Paper(const wchar_t* name) { return Page().Find(IDC_COMBO_PAPERSIZE, name); }
  // The name of the core driver's paper option now selected.
  std::wstring CorePaper() {
    const OPTITEM* item = Host().Item("PaperSize");
    return item != nullptr ? item->pOptType->pOptParam[item->Sel].pData : L"";
  }
};

TEST_F(PaperTabTest, OpensWithTheSettingsAndTheHiddenFinishingControls) {
  PageDriver& page = Page();
  EXPECT_EQ(L"A4", page.Text(IDC_COMBO_PAPERSIZE));
  EXPECT_EQ(-1, Paper(kCustomName)) << "a form without a name of ours is not listed";
  EXPECT_EQ(page.Count(IDC_COMBO_PAPERSIZE) + 1, page.Count(IDC_COMBO_PRINTON)) << "same-as-size first";
  EXPECT_EQ(L"100", page.Text(IDC_EDIT_ZOOM));
  EXPECT_FALSE(page.Enabled(IDC_CHECK_SCALETOFIT));
  EXPECT_TRUE(page.Enabled(IDC_COMBO_PRINTON));
  for (int id : {IDC_COMBO_OUTPUTBIN, IDC_CHECK_STAPLE, IDC_PICTURE_STAPLE})
    EXPECT_FALSE(page.Shown(id)) << id;
  EXPECT_NE(0, SendMessageW(page.Item(IDC_PICTURE_PAPER), STM_GETIMAGE, IMAGE_BITMAP, 0));
  EXPECT_EQ(20002, page.Private().sPaperItemId);
  EXPECT_TRUE(page.UnavailableEntries(IDC_COMBO_PAPERSIZE).empty())
      << "odd paper IDs are no unavailable mark";
}

TEST_F(PaperTabTest, AChosenPaperIsTheCoreDriversOptionOfThatName) {
  PageDriver& page = Page();
  for (const wchar_t* name : {L"Letter", L"Legal", L"Envelope DL"}) {
    page.Choose(IDC_COMBO_PAPERSIZE, Paper(name));
    EXPECT_EQ(name, CorePaper());
    ASSERT_NE(nullptr, page.LastUpdate("PaperSize"));
    EXPECT_TRUE(page.LastUpdate("PaperSize")->accepted);
  }
  page.Choose(IDC_COMBO_PAPERSIZE, Paper(L"Letter"));
  EXPECT_EQ(DMPAPER_LETTER, page.Public().dmPaperSize);
  EXPECT_EQ(2159, page.Public().dmPaperWidth);
  EXPECT_EQ(2794, page.Public().dmPaperLength);
  EXPECT_TRUE(page.ApplyEnabled());
}

TEST_F(PaperTabTest, AnEnvelopeTakesMediaTypesTraysAndDuplexAway) {
  PageDriver& page = Page();
  page.Choose(IDC_COMBO_PAPERSIZE, Paper(L"Envelope #10"));
  EXPECT_EQ(20020, page.Private().sPaperItemId);
  EXPECT_EQ(1, page.Private().bNoDuplex);
  EXPECT_EQ(1, page.Private().bNoRotationSort);
  EXPECT_EQ((std::vector<int>{3, 4, 5, 6, 7, 8, 10, 11}), page.UnavailableEntries(IDC_COMBO_MEDIATYPE));
  EXPECT_EQ((std::vector<int>{2, 3, 4}), page.UnavailableEntries(IDC_COMBO_MEDIATRAY));
  EXPECT_EQ(1047, page.Public().dmPaperWidth);
  EXPECT_EQ(2413, page.Public().dmPaperLength);

  // The print settings page forces duplex off.
  HWND settings = Host().Sheet().PageWindow(0);
  EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(settings, IDC_RADIO_DUPLEX_OFF));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(settings, IDC_RADIO_DUPLEX_LONGEDGE)));

  page.Choose(IDC_COMBO_PAPERSIZE, Paper(L"A4"));
  EXPECT_EQ(0, page.Private().bNoDuplex);
  EXPECT_EQ((std::vector<int>{9, 11}), page.UnavailableEntries(IDC_COMBO_MEDIATYPE));
  EXPECT_TRUE(page.UnavailableEntries(IDC_COMBO_MEDIATRAY).empty());
}

TEST_F(PaperTabTest, ACustomPaperOneHundredMillimetresWideFitsTrayOneOnly) {
  // A custom size as the custom sizes dialog appends it to both lists.
  PageDriver& page = Page();
  const int position = static_cast<int>(
      SendMessageW(page.Item(IDC_COMBO_PAPERSIZE), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kCustomName)));
  SendMessageW(page.Item(IDC_COMBO_PAPERSIZE), CB_SETITEMDATA, position, PaperItemData(20050));
  const int printOn = static_cast<int>(
      SendMessageW(page.Item(IDC_COMBO_PRINTON), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kCustomName)));
  SendMessageW(page.Item(IDC_COMBO_PRINTON), CB_SETITEMDATA, printOn, PaperItemData(20050));
  page.Session()->m_PaperIdByPosition[static_cast<uint32_t>(position)] = 20050;
  const LONG paperSel = page.ItemSel("PaperSize");

  page.Choose(IDC_COMBO_PAPERSIZE, position);
  EXPECT_EQ(20050, page.Private().sPaperItemId);
  EXPECT_EQ((std::vector<int>{2, 3, 4, 5}), page.UnavailableEntries(IDC_COMBO_MEDIATRAY))
      << "tray 1 and manual feed take it";
  EXPECT_EQ(1000, page.Public().dmPaperWidth);
  EXPECT_EQ(2000, page.Public().dmPaperLength);
  EXPECT_EQ(paperSel, page.ItemSel("PaperSize")) << "a custom size is never sent to the core driver";

  // With tray 3 chosen, the custom paper is no choice.
  page.Choose(IDC_COMBO_PAPERSIZE, Paper(L"A4"));
  page.Choose(IDC_COMBO_MEDIATRAY, 3);
  EXPECT_TRUE(page.Unavailable(IDC_COMBO_PAPERSIZE, position));
  EXPECT_TRUE(page.Unavailable(IDC_COMBO_PRINTON, position + 1));
}

TEST_F(PaperTabTest, StaplingRestrictsPapersMediaAndBinsAndTheStandInRefusesIt) {
  PageDriver& page = Page();
  ASSERT_TRUE(page.Enabled(IDC_CHECK_STAPLE)) << "staple is available";
  page.Click(IDC_CHECK_STAPLE);
  EXPECT_EQ(1, page.Private().bStaple);
  EXPECT_EQ((std::vector<int>{1}), page.UnavailableEntries(IDC_COMBO_OUTPUTBIN));
  EXPECT_EQ((std::vector<int>{3, 4, 6, 7, 8, 9, 10, 11}), page.UnavailableEntries(IDC_COMBO_MEDIATYPE));
  for (const auto& [position, id] : page.Session()->m_PaperIdByPosition) {
    EXPECT_EQ(plqr::IsStaplePaper(static_cast<int32_t>(id)),
              page.Unavailable(IDC_COMBO_PAPERSIZE, static_cast<int>(position)))
        << id;
  }
  // The finisher is not installed: the stand-in refuses "Staple".
  ASSERT_NE(nullptr, page.LastUpdate("Staple"));
  EXPECT_FALSE(page.LastUpdate("Staple")->accepted);
  EXPECT_EQ(0, page.ItemSel("Staple"));
}

TEST_F(PaperTabTest, ZoomAndPrintOnLockEachOther) {
  PageDriver& page = Page();
  page.Type(IDC_EDIT_ZOOM, L"10", /*leave=*/false);
  EXPECT_EQ(L"10", page.Text(IDC_EDIT_ZOOM)) << "left as typed while editing";
  EXPECT_EQ(25, page.Private().wScale);
  page.Type(IDC_EDIT_ZOOM, L"10");
  EXPECT_EQ(L"25", page.Text(IDC_EDIT_ZOOM)) << "corrected when the edit is left";
  EXPECT_FALSE(page.Enabled(IDC_COMBO_PRINTON));
  ASSERT_TRUE(page.HintShown(0));
  EXPECT_EQ(static_cast<UINT>(IDS_HINT_PRINTON_LOCKED), page.HintText(0));

  SendMessageW(page.Page(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 100),
               reinterpret_cast<LPARAM>(page.Item(IDC_SCROLL_ZOOM)));
  EXPECT_EQ(100, page.Private().wScale);
  EXPECT_EQ(L"100", page.Text(IDC_EDIT_ZOOM));
  EXPECT_TRUE(page.Enabled(IDC_COMBO_PRINTON));
  EXPECT_FALSE(page.HintShown(0));

  // Printing on another paper locks the zoom.
  page.Choose(IDC_COMBO_PRINTON, Paper(L"A4") + 1);
  EXPECT_EQ(2100, page.Private().wPrintOnWidth);
  EXPECT_EQ(2970, page.Private().wPrintOnLength);
  EXPECT_FALSE(page.Enabled(IDC_EDIT_ZOOM));
  EXPECT_TRUE(page.Enabled(IDC_CHECK_SCALETOFIT));
  ASSERT_TRUE(page.HintShown(0));
  EXPECT_EQ(static_cast<UINT>(IDS_HINT_ZOOM_LOCKED), page.HintText(0));
  page.Click(IDC_CHECK_SCALETOFIT);
  EXPECT_EQ(page.Private().bScaleToFit, page.ItemSel("ScaleToFit"));
}

TEST_F(PaperTabTest, ATrayOtherThanTheFirstForbidsRotationSort) {
  PageDriver& page = Page();
  page.Choose(IDC_COMBO_MEDIATRAY, 1);
  EXPECT_EQ(1, page.Private().bNoRotationSort);
  EXPECT_EQ(1, page.ItemSel("InputBin"));
  page.Choose(IDC_COMBO_MEDIATRAY, 0);
  EXPECT_EQ(0, page.Private().bNoRotationSort);
}

// Shows the more-input-options dialog and, from inside its loop, looks at it.
struct DialogLook {
  bool seen = false;
  std::wstring label;
  bool picture = false;
};
DialogLook g_look;

TEST_F(PaperTabTest, MoreInputOptionsDialogShowsItsThreeEntries) {
  g_look = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowW(L"#32770", L"More Input Options");
    if (dialog == nullptr || g_look.seen) return;
    g_look.seen = true;
    g_look.label = plqr::test::WindowText(GetDlgItem(dialog, IDC_LABEL_INTERLEAVE));
    g_look.picture = SendDlgItemMessageW(dialog, IDC_PICTURE_COVERS, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
    std::wstring error;
    plqr::host::SaveWindowPng(dialog, plqr::test::ExeFolder() + L"\\paper-more-input-options.png", error);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_BUTTON_MOREINPUT_CLOSE, BN_CLICKED), 0);
  });
  Page().Click(IDC_BUTTON_MOREINPUTOPTIONS);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(g_look.seen);
  EXPECT_EQ(L"Insert pages between the pages of the document.", g_look.label);
  EXPECT_TRUE(g_look.picture);
}

}  // namespace
