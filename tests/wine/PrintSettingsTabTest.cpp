// The print settings page in the document sheet of the core-driver stand-in,
// driven by the messages a user's clicks and keystrokes send. After each
// operation the test reads the controls, the public and private device
// modes, the sheet's Apply button and the settings the stand-in received.
//
// One sheet serves the whole suite (every closed top-level window costs
// Wine about two seconds without a window manager); each test leaves the
// page with one page per sheet, portrait and duplex off.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CoreDriverHost.h"
#include "HeadlessDisplay.h"
#include "ResourceIds.h"
#include "StandIn.h"
#include "TestPrinter.h"
#include "WineTestSupport.h"
#include "core/CommonTabs.h"
#include "core/Notifiers.h"
#include "core/OemCF.h"
#include "core/PageParams.h"
#include "core/PrivateDevmode.h"
#include "core/SettingsMessages.h"

namespace {

using namespace plqr::host;

constexpr int kApplyButton = 0x3021;  // the sheet's Apply button
constexpr int kFirstHint = IDC_HINT_ICON_FIRST;
constexpr int kSecondHint = IDC_HINT_ICON_FIRST + 1;

class PrintSettingsTabTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    plqr::test::StandIn standIn = plqr::test::StartStandIn(&s_failure);
    s_description = std::move(standIn.description);
    s_stand = std::move(standIn.host);
    std::wstring error;
    if (s_failure.empty() && !s_stand->OpenSheet(error)) s_failure = std::string(error.begin(), error.end());
  }
  static void TearDownTestSuite() {
    if (s_stand && s_stand->SheetOpen()) s_stand->Close(false);
    s_stand.reset();
    s_description.reset();
  }

  void SetUp() override {
    ASSERT_TRUE(s_failure.empty()) << s_failure;
    ASSERT_TRUE(s_stand->Sheet().SelectPage(0));
    m_page = s_stand->Sheet().PageWindow(0);
    ASSERT_NE(nullptr, m_page);
    ClearApply();
  }

  HWND Item(int id) const { return GetDlgItem(m_page, id); }
  DEVMODEW& Dm() const { return *s_stand->PublicDevmode(); }
  plqr::VENDORDEVMODE& Body() const { return *plqr::VendorDevmodeOf(s_stand->PrivateDevmode()); }

  // What a user's input sends.
  void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
  void Command(int id, UINT code) const {
    SendMessageW(m_page, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
  }
  void Choose(int id, int index) const {
    SendMessageW(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Command(id, CBN_SELCHANGE);
  }
  // Text pasted or typed into an edit: the edit reports the change; leaving
  // it reports the lost focus.
  void Type(int id, const wchar_t* text) const {
    SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    Command(id, EN_CHANGE);
  }
  void Leave(int id) const { Command(id, EN_KILLFOCUS); }
  void Spin(int id, int delta) const {
    NMUPDOWN change = {};
    change.hdr.hwndFrom = Item(id);
    change.hdr.idFrom = static_cast<UINT_PTR>(id);
    change.hdr.code = UDN_DELTAPOS;
    change.iDelta = delta;
    SendMessageW(m_page, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
  }
  // Another page or dialog changed a setting these rules depend on.
  void NotifyConstraints(VENDORRETURNITEMS& changed) const {
    PAGEPARAMS params = {};
    params.m_pVendorDevmode = &Body();
    params.pPublicDM = &Dm();
    params.m_pCommonTabs = plqr::test::SessionOf(m_page);
    ASSERT_NE(nullptr, params.m_pCommonTabs);
    params.m_pCommonTabs->NotifyConstraintChange(&params, &changed);
  }

  // State.
  bool Checked(int id) const { return IsDlgButtonChecked(m_page, id) == BST_CHECKED; }
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
  bool Shown(int id) const { return (GetWindowLongPtrW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
  std::wstring Text(int id) const { return plqr::test::WindowText(Item(id)); }
  int Selection(int id) const { return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)); }
  std::wstring ListText(int id, int index) const {
    wchar_t text[260] = {};
    if (SendMessageW(Item(id), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) < 260)
      SendMessageW(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
  }
  bool BookletUnavailable() const {
    return (SendMessageW(Item(IDC_COMBO_NUP), CB_GETITEMDATA, 1, 0) & 1) != 0;
  }
  UINT HintText(int id) const { return static_cast<UINT>(GetWindowLongPtrW(Item(id), GWLP_USERDATA)); }
  std::wstring ResourceString(UINT id) const {
    wchar_t text[512] = {};
    LoadStringW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_page, GWLP_HINSTANCE)), id, text, 512);
    return text;
  }
  RECT ClientRect(int id) const {
    RECT rect = {};
    GetWindowRect(Item(id), &rect);
    MapWindowPoints(nullptr, m_page, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  // The sheet's Apply button stands for m_bEnableApply: the common page
  // procedure turns the request into PSM_CHANGED after each message.
  void ClearApply() const {
    SendMessageW(s_stand->SheetWindow(), PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_page), 0);
  }
  bool ApplyEnabled() const {
    return IsWindowEnabled(GetDlgItem(s_stand->SheetWindow(), kApplyButton)) != FALSE;
  }

  // The last request of the stand-in for `key`, or null.
  const UpdateRecord* LastUpdate(const char* key) const {
    const auto& updates = s_stand->Settings().Updates();
    for (auto it = updates.rbegin(); it != updates.rend(); ++it)
      if (it->key == key) return &*it;
    return nullptr;
  }
  LONG Requested(const char* key) const {
    const UpdateRecord* update = LastUpdate(key);
    return update != nullptr ? update->requested : -1;
  }
  bool Accepted(const char* key) const {
    const UpdateRecord* update = LastUpdate(key);
    return update != nullptr && update->accepted;
  }
  size_t UpdateCount() const { return s_stand->Settings().Updates().size(); }

  HWND m_page = nullptr;
  static inline std::string s_failure;
  static inline std::unique_ptr<PrinterDescription> s_description;
  static inline std::unique_ptr<CoreDriverHost> s_stand;
};

TEST_F(PrintSettingsTabTest, OpensWithTheDefaultsAndTheLayoutOfOnePagePerSheet) {
  EXPECT_EQ(L"1", Text(IDC_EDIT_COPIES));
  EXPECT_TRUE(Checked(IDC_RADIO_PORTRAIT));
  EXPECT_TRUE(Checked(IDC_RADIO_DUPLEX_OFF));
  for (int id : {IDC_RADIO_DUPLEX_OFF, IDC_RADIO_DUPLEX_LONGEDGE, IDC_RADIO_DUPLEX_SHORTEDGE})
    EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_EQ(0, Selection(IDC_COMBO_NUP));
  EXPECT_EQ(8, SendMessageW(Item(IDC_COMBO_NUP), CB_GETCOUNT, 0, 0));
  EXPECT_FALSE(BookletUnavailable());
  EXPECT_TRUE(Shown(IDC_CHECK_PAGEBORDERS));
  EXPECT_FALSE(Enabled(IDC_CHECK_PAGEBORDERS));
  EXPECT_TRUE(Shown(IDC_COMBO_FIRSTPAGE));
  EXPECT_FALSE(Enabled(IDC_COMBO_FIRSTPAGE));
  EXPECT_EQ(ResourceString(IDS_LABEL_PAGE_ORDER), Text(IDC_LABEL_FIRSTPAGE));
  for (int id : {IDC_CHECK_BOOKLET_OPTION, IDC_EDIT_BOOKLET_VALUE, IDC_SPIN_BOOKLET_VALUE,
                 IDC_LABEL_BOOKLET_VALUE, IDC_CHECK_ROTATIONSORT, IDC_BUTTON_JOBTYPE_DETAILS})
    EXPECT_FALSE(Shown(id)) << id;
  EXPECT_FALSE(Enabled(IDC_COMBO_JOBTYPE)) << "the job type is shown, not chosen, here";
  EXPECT_EQ(L"Normal Print", Text(IDC_COMBO_JOBTYPE));
  EXPECT_FALSE(Shown(kFirstHint));
  EXPECT_FALSE(Shown(kSecondHint));
  EXPECT_EQ(1, Body().wPagesPerSheet);
  EXPECT_EQ(0, Body().bBooklet);
  EXPECT_EQ(0u, Body().dwAuthenticationMode) << "no user authentication in the printer data";
  EXPECT_EQ(Body().bIsMMSet ? 0 : 1, Body().bIsInchSet);
  EXPECT_NE(-1, Body().sPaperSizeIndex) << "the paper is taken over at the first opening";
  EXPECT_NE(nullptr, Item(IDC_PREVIEW)) << "the preview stands on the template";
  EXPECT_NE(nullptr, Item(IDC_PREVIEW_LABEL));
}

TEST_F(PrintSettingsTabTest, CopiesAreKeptWithinOneTo999) {
  Type(IDC_EDIT_COPIES, L"0");
  EXPECT_EQ(L"1", Text(IDC_EDIT_COPIES));
  EXPECT_EQ(1, Dm().dmCopies);
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_EQ(1, Body().bSettingsChanged);

  Type(IDC_EDIT_COPIES, L"1000");
  EXPECT_EQ(L"1", Text(IDC_EDIT_COPIES)) << "typing 1000 stores and shows 1";
  EXPECT_EQ(1, Dm().dmCopies);

  Dm().dmFields &= ~static_cast<DWORD>(DM_COPIES);
  Type(IDC_EDIT_COPIES, L"5");
  EXPECT_EQ(5, Dm().dmCopies);
  EXPECT_NE(0u, Dm().dmFields & DM_COPIES);
  EXPECT_EQ(L"5", Text(IDC_EDIT_COPIES));

  Type(IDC_EDIT_COPIES, L"998");
  Leave(IDC_EDIT_COPIES);
  EXPECT_EQ(L"998", Text(IDC_EDIT_COPIES));
  Spin(IDC_SPIN_COPIES, 1);
  EXPECT_EQ(999, Dm().dmCopies);
  EXPECT_EQ(L"999", Text(IDC_EDIT_COPIES));
  Spin(IDC_SPIN_COPIES, 1);
  EXPECT_EQ(999, Dm().dmCopies);
  Spin(IDC_SPIN_COPIES, -1);
  EXPECT_EQ(998, Dm().dmCopies);
  EXPECT_EQ(L"998", Text(IDC_EDIT_COPIES));

  // Collation sends the count with it to the core driver.
  ClearApply();
  const bool collated = Checked(IDC_CHECK_COLLATE);
  Click(IDC_CHECK_COLLATE);
  EXPECT_EQ(collated ? DMCOLLATE_FALSE : DMCOLLATE_TRUE, Dm().dmCollate);
  EXPECT_NE(0u, Dm().dmFields & DM_COLLATE);
  EXPECT_EQ(998, Requested("Collate"));
  EXPECT_TRUE(ApplyEnabled());

  Type(IDC_EDIT_COPIES, L"1");
  Click(IDC_CHECK_COLLATE);
  EXPECT_EQ(collated ? DMCOLLATE_TRUE : DMCOLLATE_FALSE, Dm().dmCollate);
}

TEST_F(PrintSettingsTabTest, OrientationSwapsTheTwoPageOrdersAndIsRecorded) {
  Choose(IDC_COMBO_NUP, 2);
  EXPECT_EQ(2, Body().wPagesPerSheet);
  EXPECT_EQ(0, Body().bBooklet);
  EXPECT_EQ(1, Requested("Nup"));
  EXPECT_TRUE(Enabled(IDC_COMBO_FIRSTPAGE));
  EXPECT_EQ(ResourceString(IDS_LABEL_TWO_PAGE_ORDER), Text(IDC_LABEL_FIRSTPAGE));
  EXPECT_EQ(2, SendMessageW(Item(IDC_COMBO_FIRSTPAGE), CB_GETCOUNT, 0, 0));
  EXPECT_EQ(ResourceString(IDS_TWO_PAGE_LEFT_TO_RIGHT), ListText(IDC_COMBO_FIRSTPAGE, 0));
  EXPECT_EQ(ResourceString(IDS_TWO_PAGE_RIGHT_TO_LEFT), ListText(IDC_COMBO_FIRSTPAGE, 1));

  Choose(IDC_COMBO_FIRSTPAGE, 1);
  EXPECT_EQ(1u, Body().dwFirstPage);
  EXPECT_EQ(1, Requested("FirstPage"));

  ClearApply();
  Dm().dmFields &= ~static_cast<DWORD>(DM_ORIENTATION);
  Click(IDC_RADIO_LANDSCAPE);
  EXPECT_EQ(DMORIENT_LANDSCAPE, Dm().dmOrientation);
  EXPECT_NE(0u, Dm().dmFields & DM_ORIENTATION);
  EXPECT_EQ(1, Requested("Orientation"));
  EXPECT_TRUE(Accepted("Orientation"));
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_EQ(ResourceString(IDS_TWO_PAGE_TOP_TO_BOTTOM), ListText(IDC_COMBO_FIRSTPAGE, 0));
  EXPECT_EQ(ResourceString(IDS_TWO_PAGE_BOTTOM_TO_TOP), ListText(IDC_COMBO_FIRSTPAGE, 1));
  EXPECT_EQ(1, Selection(IDC_COMBO_FIRSTPAGE)) << "the recorded order stays chosen";

  Click(IDC_RADIO_PORTRAIT);
  EXPECT_EQ(DMORIENT_PORTRAIT, Dm().dmOrientation);
  EXPECT_EQ(0, Requested("Orientation"));
  EXPECT_EQ(ResourceString(IDS_TWO_PAGE_LEFT_TO_RIGHT), ListText(IDC_COMBO_FIRSTPAGE, 0));
  Choose(IDC_COMBO_FIRSTPAGE, 0);
  Choose(IDC_COMBO_NUP, 0);
}

TEST_F(PrintSettingsTabTest, EightPagesPerSheetShareTheNupOptionOfSix) {
  Choose(IDC_COMBO_NUP, 5);
  EXPECT_EQ(8, Body().wPagesPerSheet);
  EXPECT_EQ(0, Body().bBooklet);
  EXPECT_EQ(3, Requested("Nup"));
  EXPECT_TRUE(Accepted("Nup"));
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_TRUE(Enabled(IDC_CHECK_PAGEBORDERS));
  EXPECT_TRUE(Enabled(IDC_COMBO_FIRSTPAGE));
  EXPECT_EQ(8, SendMessageW(Item(IDC_COMBO_FIRSTPAGE), CB_GETCOUNT, 0, 0)) << "the multi-page orders";

  Click(IDC_CHECK_PAGEBORDERS);
  EXPECT_EQ(1, Body().bPageBorders);
  EXPECT_EQ(1, Requested("PageBorders"));
  Choose(IDC_COMBO_FIRSTPAGE, 4);
  EXPECT_EQ(4u, Body().dwFirstPageLayout);
  EXPECT_EQ(4, Requested("FirstPageLayout"));

  Choose(IDC_COMBO_NUP, 4);
  EXPECT_EQ(6, Body().wPagesPerSheet);
  EXPECT_EQ(3, Requested("Nup"));
  Choose(IDC_COMBO_NUP, 0);
  EXPECT_FALSE(Checked(IDC_CHECK_PAGEBORDERS));
  EXPECT_FALSE(Enabled(IDC_CHECK_PAGEBORDERS));
  EXPECT_EQ(0, Requested("Nup"));
}

TEST_F(PrintSettingsTabTest, BookletForcesShortEdgeCollationAndItsValueIsClamped) {
  Dm().dmFields &= ~static_cast<DWORD>(DM_DUPLEX | DM_COLLATE);
  Choose(IDC_COMBO_NUP, 1);
  EXPECT_EQ(2, Body().wPagesPerSheet);
  EXPECT_EQ(1, Body().bBooklet);
  EXPECT_EQ(DMDUP_HORIZONTAL, Dm().dmDuplex);
  EXPECT_NE(0u, Dm().dmFields & DM_DUPLEX);
  EXPECT_EQ(DMCOLLATE_TRUE, Dm().dmCollate);
  EXPECT_NE(0u, Dm().dmFields & DM_COLLATE);
  EXPECT_TRUE(Checked(IDC_RADIO_DUPLEX_SHORTEDGE));
  EXPECT_FALSE(Checked(IDC_RADIO_DUPLEX_OFF));
  for (int id : {IDC_RADIO_DUPLEX_OFF, IDC_RADIO_DUPLEX_LONGEDGE, IDC_RADIO_DUPLEX_SHORTEDGE})
    EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_TRUE(Checked(IDC_CHECK_COLLATE));
  EXPECT_FALSE(Enabled(IDC_CHECK_COLLATE));
  EXPECT_FALSE(Shown(IDC_CHECK_PAGEBORDERS));
  EXPECT_FALSE(Shown(IDC_COMBO_FIRSTPAGE));
  EXPECT_FALSE(Shown(IDC_LABEL_FIRSTPAGE));
  for (int id :
       {IDC_CHECK_BOOKLET_OPTION, IDC_EDIT_BOOKLET_VALUE, IDC_SPIN_BOOKLET_VALUE, IDC_LABEL_BOOKLET_VALUE})
    EXPECT_TRUE(Shown(id)) << id;
  EXPECT_TRUE(Shown(kFirstHint));
  EXPECT_EQ(static_cast<UINT>(IDS_HINT_DUPLEX_LOCKED), HintText(kFirstHint));
  EXPECT_EQ(1, Requested("Nup"));
  EXPECT_EQ(2, Requested("Duplex"));
  EXPECT_TRUE(Accepted("Duplex"));
  EXPECT_TRUE(ApplyEnabled());

  SendMessageW(Item(IDC_EDIT_BOOKLET_VALUE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"10003"));
  Leave(IDC_EDIT_BOOKLET_VALUE);
  EXPECT_EQ(10000, Body().sBookletValue);
  EXPECT_EQ(L"10000", Text(IDC_EDIT_BOOKLET_VALUE));
  SendMessageW(Item(IDC_EDIT_BOOKLET_VALUE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"7"));
  Leave(IDC_EDIT_BOOKLET_VALUE);
  EXPECT_EQ(4, Body().sBookletValue);
  EXPECT_EQ(L"4", Text(IDC_EDIT_BOOKLET_VALUE));
  Spin(IDC_SPIN_BOOKLET_VALUE, 1);
  EXPECT_EQ(8, Body().sBookletValue);
  EXPECT_EQ(8, SendMessageW(Item(IDC_SPIN_BOOKLET_VALUE), UDM_GETPOS32, 0, 0));
  Click(IDC_CHECK_BOOKLET_OPTION);
  EXPECT_EQ(1, Body().bBookletOption);
  Click(IDC_CHECK_BOOKLET_OPTION);
  EXPECT_EQ(0, Body().bBookletOption);

  // Leaving booklet while the zoom is not 100: duplex goes off and stays
  // locked, booklet stays unavailable.
  Body().wScale = 90;
  Choose(IDC_COMBO_NUP, 2);
  EXPECT_EQ(0, Body().bBooklet);
  EXPECT_TRUE(Checked(IDC_RADIO_DUPLEX_OFF));
  EXPECT_FALSE(Checked(IDC_RADIO_DUPLEX_SHORTEDGE));
  EXPECT_EQ(DMDUP_SIMPLEX, Dm().dmDuplex);
  EXPECT_EQ(0, Requested("Duplex"));
  for (int id : {IDC_RADIO_DUPLEX_OFF, IDC_RADIO_DUPLEX_LONGEDGE, IDC_RADIO_DUPLEX_SHORTEDGE})
    EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_TRUE(BookletUnavailable());
  EXPECT_TRUE(Enabled(IDC_CHECK_COLLATE));
  EXPECT_TRUE(Shown(IDC_CHECK_PAGEBORDERS));
  EXPECT_FALSE(Shown(IDC_EDIT_BOOKLET_VALUE));
  EXPECT_FALSE(Shown(kFirstHint));

  // The unavailable booklet cannot be chosen from the list.
  SendMessageW(Item(IDC_COMBO_NUP), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(0, Selection(IDC_COMBO_NUP)) << "the up key steps over booklet";
  Choose(IDC_COMBO_NUP, 2);

  // Nothing locks any more: the radios come back and booklet is offered.
  Body().wScale = 100;
  Choose(IDC_COMBO_NUP, 0);
  for (int id : {IDC_RADIO_DUPLEX_OFF, IDC_RADIO_DUPLEX_LONGEDGE, IDC_RADIO_DUPLEX_SHORTEDGE})
    EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_FALSE(BookletUnavailable());
  EXPECT_TRUE(Checked(IDC_RADIO_DUPLEX_OFF));
}

TEST_F(PrintSettingsTabTest, SimplexOnlyMediaTypeForcesDuplexOffWithItsHint) {
  Click(IDC_RADIO_DUPLEX_LONGEDGE);
  EXPECT_EQ(DMDUP_VERTICAL, Dm().dmDuplex);
  EXPECT_EQ(1, Requested("Duplex"));
  EXPECT_TRUE(ApplyEnabled());

  // The paper page chose media type 6 and tells every page.
  VENDORRETURNITEMS changed;
  changed.m_Items[L"MediaType"] = 6;
  NotifyConstraints(changed);
  EXPECT_TRUE(Checked(IDC_RADIO_DUPLEX_OFF));
  EXPECT_FALSE(Checked(IDC_RADIO_DUPLEX_LONGEDGE));
  for (int id : {IDC_RADIO_DUPLEX_OFF, IDC_RADIO_DUPLEX_LONGEDGE, IDC_RADIO_DUPLEX_SHORTEDGE})
    EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_EQ(DMDUP_SIMPLEX, Dm().dmDuplex);
  ASSERT_EQ(1u, changed.m_Items.count(L"Duplex")) << "recorded for the paper page's write-back";
  EXPECT_EQ(0u, changed.m_Items[L"Duplex"]);
  EXPECT_TRUE(BookletUnavailable());
  ASSERT_TRUE(Shown(kFirstHint));
  EXPECT_EQ(static_cast<UINT>(IDS_HINT_DUPLEX_LOCKED), HintText(kFirstHint));
  const RECT group = ClientRect(IDC_GROUP_DUPLEX);
  const RECT hint = ClientRect(kFirstHint);
  EXPECT_EQ(group.right, hint.left) << "beside the duplex group";
  EXPECT_EQ(group.top - 5, hint.top);
  EXPECT_EQ(35, hint.right - hint.left);
  EXPECT_FALSE(Shown(kSecondHint));

  // Plain paper again: nothing locks duplex.
  VENDORRETURNITEMS plain;
  NotifyConstraints(plain);
  EXPECT_FALSE(Shown(kFirstHint));
  EXPECT_TRUE(Enabled(IDC_RADIO_DUPLEX_LONGEDGE));
  EXPECT_FALSE(BookletUnavailable());
  EXPECT_TRUE(Checked(IDC_RADIO_DUPLEX_OFF));
}

TEST_F(PrintSettingsTabTest, LayoutModeLocksNupAndBordersAndACoverLocksTheBookletValue) {
  Choose(IDC_COMBO_NUP, 3);
  EXPECT_TRUE(Enabled(IDC_CHECK_PAGEBORDERS));

  Body().sPageProcessingMode = 2;
  VENDORRETURNITEMS changed;
  NotifyConstraints(changed);
  EXPECT_FALSE(Enabled(IDC_COMBO_NUP));
  EXPECT_FALSE(Enabled(IDC_CHECK_PAGEBORDERS));
  EXPECT_FALSE(Enabled(IDC_RADIO_DUPLEX_LONGEDGE));
  ASSERT_TRUE(Shown(kFirstHint));
  EXPECT_EQ(static_cast<UINT>(IDS_HINT_NUP_LOCKED), HintText(kFirstHint));
  EXPECT_EQ(ClientRect(IDC_COMBO_NUP).top - 40, ClientRect(kFirstHint).top) << "above the list";
  ASSERT_TRUE(Shown(kSecondHint));
  EXPECT_EQ(static_cast<UINT>(IDS_HINT_DUPLEX_LOCKED), HintText(kSecondHint));

  Body().sPageProcessingMode = 1;
  NotifyConstraints(changed);
  EXPECT_TRUE(Enabled(IDC_COMBO_NUP));
  EXPECT_TRUE(Enabled(IDC_CHECK_PAGEBORDERS));
  EXPECT_TRUE(Enabled(IDC_RADIO_DUPLEX_LONGEDGE));
  EXPECT_FALSE(Shown(kFirstHint));
  EXPECT_FALSE(Shown(kSecondHint));

  // A front cover in use.
  Choose(IDC_COMBO_NUP, 0);
  Body().abFrontCover[0] = 3;
  NotifyConstraints(changed);
  EXPECT_FALSE(Enabled(IDC_EDIT_BOOKLET_VALUE));
  EXPECT_TRUE(BookletUnavailable());
  EXPECT_FALSE(Enabled(IDC_RADIO_DUPLEX_LONGEDGE));
  EXPECT_TRUE(Shown(kFirstHint));
  Body().abFrontCover[0] = 0;
  NotifyConstraints(changed);
  EXPECT_TRUE(Enabled(IDC_EDIT_BOOKLET_VALUE));
  EXPECT_FALSE(BookletUnavailable());
  EXPECT_TRUE(Enabled(IDC_RADIO_DUPLEX_LONGEDGE));
}

TEST_F(PrintSettingsTabTest, RotationAndHiddenDetailsButtonKeepWorking) {
  const size_t before = UpdateCount();
  Click(IDC_CHECK_ROTATE180);
  EXPECT_EQ(1, Body().bRotate180);
  EXPECT_EQ(1, Requested("Rotate180"));
  EXPECT_GT(UpdateCount(), before);
  Click(IDC_CHECK_ROTATE180);
  EXPECT_EQ(0, Body().bRotate180);

  // The details button is hidden here; its command still reaches the
  // details dialog's entry point and the page stays as it was.
  ClearApply();
  Command(IDC_BUTTON_JOBTYPE_DETAILS, BN_CLICKED);
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_TRUE(IsWindow(m_page));
}

TEST_F(PrintSettingsTabTest, AClickOnThePaperSizeLabelSwitchesItsUnit) {
  const RECT label = ClientRect(IDC_PREVIEW_LABEL);
  const auto releaseAt = [this](LONG x, LONG y) { SendMessageW(m_page, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); };
  const BYTE before = Body().bIsInchSet;
  releaseAt((label.left + label.right) / 2, (label.top + label.bottom) / 2);
  EXPECT_EQ(before ? 0 : 1, Body().bIsInchSet);
  releaseAt(label.left, label.top);
  EXPECT_EQ(before, Body().bIsInchSet);
  // A click beside the label leaves the unit alone.
  releaseAt(label.right + 5, label.bottom + 5);
  EXPECT_EQ(before, Body().bIsInchSet);
}

TEST_F(PrintSettingsTabTest, AnAppliedPresetReloadsThePage) {
  // The quick-settings store applied a preset with four pages per sheet and
  // landscape, and announces it.
  Body().wPagesPerSheet = 4;
  Dm().dmOrientation = DMORIENT_LANDSCAPE;
  PAGEPARAMS params = {};
  params.m_pVendorDevmode = &Body();
  params.pPublicDM = &Dm();
  VENDORRETURNITEMS changed;
  int32_t code = kSettingsApplied;
  CSettingsNotifier& presets = plqr::test::SessionOf(m_page)->SettingsNotifier();
  presets.Notify(&code, L"My Defaults", &params, &changed);
  EXPECT_EQ(3, Selection(IDC_COMBO_NUP));
  EXPECT_TRUE(Checked(IDC_RADIO_LANDSCAPE));
  EXPECT_FALSE(Checked(IDC_RADIO_PORTRAIT));
  EXPECT_EQ(1u, changed.m_Items.count(L"Orientation"));

  // Back to the page's usual state for the other cases.
  Body().wPagesPerSheet = 1;
  Dm().dmOrientation = DMORIENT_PORTRAIT;
  presets.Notify(&code, L"My Defaults", &params, &changed);
  EXPECT_EQ(0, Selection(IDC_COMBO_NUP));
  EXPECT_TRUE(Checked(IDC_RADIO_PORTRAIT));

  // A failed preset event changes nothing on the page.
  code = kSettingsFailed;
  Body().wPagesPerSheet = 16;
  presets.Notify(&code, L"", nullptr, nullptr);
  EXPECT_EQ(0, Selection(IDC_COMBO_NUP));
  Body().wPagesPerSheet = 1;
}

}  // namespace
