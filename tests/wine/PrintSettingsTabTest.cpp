// The print settings page in a fresh document sheet of the core-driver
// stand-in for every test, driven as a user drives it. Each case reads back
// the controls, both device modes, the Apply button and what the stand-in
// was asked to change; the boundaries of the rules are the native tests'.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "PageDriver.h"
#include "ResourceIds.h"
#include "StandIn.h"
#include "core/CommonTabs.h"
#include "core/PageParams.h"
#include "core/SettingsMessages.h"

namespace {

using plqr::test::PageDriver;

class PrintSettingsTabTest : public plqr::test::SheetTest<0> {
 protected:
  bool DuplexLocked() {
    return !Page().Enabled(IDC_RADIO_DUPLEX_OFF) && !Page().Enabled(IDC_RADIO_DUPLEX_LONGEDGE) &&
           !Page().Enabled(IDC_RADIO_DUPLEX_SHORTEDGE);
  }
};

TEST_F(PrintSettingsTabTest, OpensWithTheSettingsOfTheDeviceModes) {
  PageDriver& page = Page();
  EXPECT_EQ(L"1", page.Text(IDC_EDIT_COPIES));
  EXPECT_TRUE(page.Checked(IDC_RADIO_PORTRAIT));
  EXPECT_TRUE(page.Checked(IDC_RADIO_DUPLEX_OFF));
  EXPECT_EQ(8, page.Count(IDC_COMBO_NUP));
  EXPECT_TRUE(page.UnavailableEntries(IDC_COMBO_NUP).empty());
  EXPECT_FALSE(page.Enabled(IDC_CHECK_PAGEBORDERS));
  EXPECT_FALSE(page.Enabled(IDC_COMBO_FIRSTPAGE));
  EXPECT_EQ(Page().String(IDS_LABEL_PAGE_ORDER), page.Text(IDC_LABEL_FIRSTPAGE));
  for (int id :
       {IDC_CHECK_BOOKLET_OPTION, IDC_EDIT_BOOKLET_VALUE, IDC_CHECK_ROTATIONSORT, IDC_BUTTON_JOBTYPE_DETAILS})
    EXPECT_FALSE(page.Shown(id)) << id;
  EXPECT_FALSE(page.Enabled(IDC_COMBO_JOBTYPE)) << "the job type is shown, not chosen, here";
  EXPECT_EQ(L"Normal Print", page.Text(IDC_COMBO_JOBTYPE));
  EXPECT_FALSE(page.HintShown(0));
  EXPECT_EQ(0u, page.Private().dwAuthenticationMode) << "no user authentication in the printer data";
  EXPECT_EQ(page.Private().bIsMMSet ? 0 : 1, page.Private().bIsInchSet) << "the unit follows the locale";
  EXPECT_NE(-1, page.Private().sPaperSizeIndex) << "the paper is taken over at the first opening";
  EXPECT_FALSE(page.ApplyEnabled());
}

TEST_F(PrintSettingsTabTest, CopiesAndCollationReachTheDeviceModeAndTheCoreDriver) {
  PageDriver& page = Page();
  page.ClearApply();
  page.Public().dmFields &= ~static_cast<DWORD>(DM_COPIES | DM_COLLATE);
  page.Type(IDC_EDIT_COPIES, L"5");
  EXPECT_EQ(5, page.Public().dmCopies);
  EXPECT_NE(0u, page.Public().dmFields & DM_COPIES);
  EXPECT_TRUE(page.ApplyEnabled());
  EXPECT_EQ(1, page.Private().bSettingsChanged);
  page.Type(IDC_EDIT_COPIES, L"0");
  EXPECT_EQ(L"1", page.Text(IDC_EDIT_COPIES)) << "a count out of range is corrected in the edit";
  EXPECT_EQ(1, page.Public().dmCopies);

  page.Spin(IDC_SPIN_COPIES, 1);
  EXPECT_EQ(2, page.Public().dmCopies);
  EXPECT_EQ(L"2", page.Text(IDC_EDIT_COPIES));

  // Collation goes to the core driver's copies item with the count.
  const bool collated = page.Checked(IDC_CHECK_COLLATE);
  page.Click(IDC_CHECK_COLLATE);
  EXPECT_EQ(collated ? DMCOLLATE_FALSE : DMCOLLATE_TRUE, page.Public().dmCollate);
  EXPECT_NE(0u, page.Public().dmFields & DM_COLLATE);
  ASSERT_NE(nullptr, page.LastUpdate("Collate"));
  EXPECT_EQ(2, page.LastUpdate("Collate")->requested);
  EXPECT_TRUE(page.LastUpdate("Collate")->accepted);
}

TEST_F(PrintSettingsTabTest, OrientationAndPagesPerSheetChooseTheOrderOfThePages) {
  PageDriver& page = Page();
  page.Choose(IDC_COMBO_NUP, 2);  // two pages per sheet
  EXPECT_EQ(2, page.Private().wPagesPerSheet);
  EXPECT_EQ(1, page.ItemSel("Nup"));
  EXPECT_EQ(Page().String(IDS_LABEL_TWO_PAGE_ORDER), page.Text(IDC_LABEL_FIRSTPAGE));
  EXPECT_EQ(Page().String(IDS_TWO_PAGE_LEFT_TO_RIGHT), page.EntryText(IDC_COMBO_FIRSTPAGE, 0));
  page.Choose(IDC_COMBO_FIRSTPAGE, 1);
  EXPECT_EQ(1u, page.Private().dwFirstPage);
  EXPECT_EQ(1, page.ItemSel("FirstPage"));

  page.Public().dmFields &= ~static_cast<DWORD>(DM_ORIENTATION);
  page.Click(IDC_RADIO_LANDSCAPE);
  EXPECT_EQ(DMORIENT_LANDSCAPE, page.Public().dmOrientation);
  EXPECT_NE(0u, page.Public().dmFields & DM_ORIENTATION);
  EXPECT_EQ(1, page.ItemSel("Orientation"));
  EXPECT_EQ(Page().String(IDS_TWO_PAGE_TOP_TO_BOTTOM), page.EntryText(IDC_COMBO_FIRSTPAGE, 0));
  EXPECT_EQ(1, page.Selection(IDC_COMBO_FIRSTPAGE)) << "the recorded order stays chosen";

  // Eight per sheet shares the core driver's option of six.
  page.Choose(IDC_COMBO_NUP, 5);
  EXPECT_EQ(8, page.Private().wPagesPerSheet);
  EXPECT_EQ(3, page.ItemSel("Nup"));
  page.Click(IDC_CHECK_PAGEBORDERS);
  EXPECT_EQ(1, page.Private().bPageBorders);
  EXPECT_EQ(1, page.ItemSel("PageBorders"));
  // Any notification of the order list records the order it shows.
  SendMessageW(page.Item(IDC_COMBO_FIRSTPAGE), CB_SETCURSEL, 4, 0);
  page.Notify(IDC_COMBO_FIRSTPAGE, CBN_CLOSEUP);
  EXPECT_EQ(4u, page.Private().dwFirstPageLayout);
  EXPECT_EQ(4, page.ItemSel("FirstPageLayout"));
}

TEST_F(PrintSettingsTabTest, BookletPrintsShortEdgeCollatedWithItsOwnControls) {
  PageDriver& page = Page();
  page.Choose(IDC_COMBO_NUP, 1);
  EXPECT_EQ(1, page.Private().bBooklet);
  EXPECT_EQ(DMDUP_HORIZONTAL, page.Public().dmDuplex);
  EXPECT_EQ(2, page.ItemSel("Duplex"));
  EXPECT_TRUE(page.Checked(IDC_RADIO_DUPLEX_SHORTEDGE));
  EXPECT_TRUE(DuplexLocked());
  EXPECT_TRUE(page.Checked(IDC_CHECK_COLLATE));
  EXPECT_FALSE(page.Enabled(IDC_CHECK_COLLATE));
  EXPECT_FALSE(page.Shown(IDC_CHECK_PAGEBORDERS));
  EXPECT_FALSE(page.Shown(IDC_COMBO_FIRSTPAGE));
  EXPECT_TRUE(page.Shown(IDC_EDIT_BOOKLET_VALUE));
  ASSERT_TRUE(page.HintShown(0));
  EXPECT_EQ(static_cast<UINT>(IDS_HINT_DUPLEX_LOCKED), page.HintText(0));

  page.Type(IDC_EDIT_BOOKLET_VALUE, L"9999");
  EXPECT_EQ(9996, page.Private().sBookletValue) << "rounded down to a multiple of 4";
  EXPECT_EQ(L"9996", page.Text(IDC_EDIT_BOOKLET_VALUE));
  page.Spin(IDC_SPIN_BOOKLET_VALUE, -1);
  EXPECT_EQ(9992, page.Private().sBookletValue);
  page.Click(IDC_CHECK_BOOKLET_OPTION);
  EXPECT_EQ(1, page.Private().bBookletOption);

  // Back to one page per sheet: nothing else locks duplex.
  page.Choose(IDC_COMBO_NUP, 0);
  EXPECT_EQ(0, page.Private().bBooklet);
  EXPECT_TRUE(page.Enabled(IDC_RADIO_DUPLEX_LONGEDGE));
  EXPECT_TRUE(page.Checked(IDC_RADIO_DUPLEX_OFF));
  EXPECT_FALSE(page.HintShown(0));
}

TEST_F(PrintSettingsTabTest, RulesOfTheOtherPagesLockWhatTheyMust) {
  PageDriver& page = Page();
  page.Click(IDC_RADIO_DUPLEX_LONGEDGE);
  EXPECT_EQ(DMDUP_VERTICAL, page.Public().dmDuplex);

  // A media type that never goes through the duplex unit.
  VENDORRETURNITEMS changed;
  changed.m_Items[L"MediaType"] = 6;
  Page().NotifyConstraints(changed);
  EXPECT_TRUE(page.Checked(IDC_RADIO_DUPLEX_OFF));
  EXPECT_TRUE(DuplexLocked());
  EXPECT_EQ(DMDUP_SIMPLEX, page.Public().dmDuplex);
  EXPECT_EQ(0u, changed.m_Items[L"Duplex"]) << "recorded for the write-back after the other page's message";
  EXPECT_TRUE(page.Unavailable(IDC_COMBO_NUP, 1)) << "no booklet";
  ASSERT_TRUE(page.HintShown(0));
  EXPECT_EQ(static_cast<UINT>(IDS_HINT_DUPLEX_LOCKED), page.HintText(0));

  // A layout mode of the advanced page other than normal.
  VENDORRETURNITEMS plain;
  page.Private().sPageProcessingMode = 2;
  Page().NotifyConstraints(plain);
  EXPECT_FALSE(page.Enabled(IDC_COMBO_NUP));
  ASSERT_TRUE(page.HintShown(0));
  EXPECT_EQ(static_cast<UINT>(IDS_HINT_NUP_LOCKED), page.HintText(0));
  EXPECT_EQ(static_cast<UINT>(IDS_HINT_DUPLEX_LOCKED), page.HintText(1));

  // A front cover in use.
  page.Private().sPageProcessingMode = 1;
  page.Private().abFrontCover[0] = 3;
  Page().NotifyConstraints(plain);
  EXPECT_TRUE(page.Enabled(IDC_COMBO_NUP));
  EXPECT_FALSE(page.Enabled(IDC_EDIT_BOOKLET_VALUE));
  EXPECT_TRUE(page.Unavailable(IDC_COMBO_NUP, 1));
  EXPECT_TRUE(DuplexLocked());

  page.Private().abFrontCover[0] = 0;
  Page().NotifyConstraints(plain);
  EXPECT_FALSE(DuplexLocked());
  EXPECT_FALSE(page.Unavailable(IDC_COMBO_NUP, 1));
  EXPECT_FALSE(page.HintShown(0));
}

TEST_F(PrintSettingsTabTest, AnAppliedPresetReloadsThePageAndAFailedOneChangesNothing) {
  PageDriver& page = Page();
  page.Private().wPagesPerSheet = 4;
  page.Public().dmOrientation = DMORIENT_LANDSCAPE;
  PAGEPARAMS params = {};
  params.m_pVendorDevmode = &page.Private();
  params.pPublicDM = &page.Public();
  VENDORRETURNITEMS changed;
  int32_t code = kSettingsApplied;
  CSettingsNotifier& presets = page.Session()->SettingsNotifier();
  presets.Notify(&code, L"My Defaults", &params, &changed);
  EXPECT_EQ(3, page.Selection(IDC_COMBO_NUP));
  EXPECT_TRUE(page.Checked(IDC_RADIO_LANDSCAPE));
  EXPECT_EQ(1u, changed.m_Items.count(L"Orientation"));
  EXPECT_EQ(1, page.Session()->m_bEnableApply) << "the first page asks for Apply after a preset";

  code = kSettingsFailed;
  page.Private().wPagesPerSheet = 16;
  presets.Notify(&code, L"", nullptr, nullptr);
  EXPECT_EQ(3, page.Selection(IDC_COMBO_NUP));
}

TEST_F(PrintSettingsTabTest, TheMouseOnThePaperSizeLabel) {
  PageDriver& page = Page();
  RECT label = {};
  GetWindowRect(page.Item(IDC_PREVIEW_LABEL), &label);
  MapWindowPoints(nullptr, page.Page(), reinterpret_cast<POINT*>(&label), 2);
  const BYTE before = page.Private().bIsInchSet;
  const std::wstring text = page.Text(IDC_PREVIEW_LABEL);
  const LPARAM inside = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
  SendMessageW(page.Page(), WM_MOUSEMOVE, 0, inside);
  EXPECT_EQ(LoadCursorW(nullptr, IDC_HAND), GetCursor());
  SendMessageW(page.Page(), WM_LBUTTONUP, 0, inside);
  EXPECT_EQ(before ? 0 : 1, page.Private().bIsInchSet);
  EXPECT_NE(std::wstring::npos,
            page.Text(IDC_PREVIEW_LABEL).find(page.String(before ? IDS_UNIT_MM : IDS_UNIT_INCH)))
      << "the label switched from " << std::string(text.begin(), text.end());
  SendMessageW(page.Page(), WM_LBUTTONUP, 0, MAKELPARAM(label.right + 5, label.bottom + 5));
  EXPECT_EQ(before ? 0 : 1, page.Private().bIsInchSet) << "a click beside the label changes nothing";
}

}  // namespace
