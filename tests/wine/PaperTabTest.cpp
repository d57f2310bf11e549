// The paper page on the core-driver stand-in's document sheet, driven by the
// messages a user's clicks and keystrokes send: the constraint rules between
// paper, trays, media types and finishing, the zoom and print-on controls,
// the flags the print settings page reads, the public paper fields and the
// selections the stand-in accepts or refuses.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "CoreDriverHost.h"
#include "HeadlessDisplay.h"
#include "HostSpooler.h"
#include "ResourceIds.h"
#include "Screenshot.h"
#include "StandIn.h"
#include "TestPrinter.h"
#include "WineTestSupport.h"
#include "controls/HintIcon.h"
#include "controls/UnavailableCombo.h"
#include "core/CommonTabs.h"
#include "core/Notifiers.h"
#include "core/OemCF.h"
#include "core/PrivateDevmode.h"
#include "features/ComboValues.h"
#include "pages/PaperCompatibility.h"
#include "pages/PaperTab.h"
#include "plugin/Plugin.h"
#include "support/Spooler.h"

namespace {

using namespace plqr::host;
using plqr::test::WindowText;

constexpr wchar_t kCustomName[] = L"Custom 100";
constexpr size_t kPaperPage = 1;  // 201, 202, 204, 203, 205

// The stand-in's spooler plus one user form of 100 x 200 mm, as the custom
// sizes dialog leaves it in the spooler.
class CustomFormSpooler final : public plqr::ISpooler {
 public:
  explicit CustomFormSpooler(HostSpooler& next) : m_next(next) {}
  BOOL OpenPrinter(LPWSTR n, LPHANDLE p, LPPRINTER_DEFAULTSW d) override {
    return m_next.OpenPrinter(n, p, d);
  }
  BOOL ClosePrinter(HANDLE p) override { return m_next.ClosePrinter(p); }
  BOOL GetPrinter(HANDLE p, DWORD l, LPBYTE b, DWORD s, LPDWORD n) override {
    return m_next.GetPrinter(p, l, b, s, n);
  }
  DWORD GetPrinterData(HANDLE p, LPWSTR n, LPDWORD t, LPBYTE d, DWORD s, LPDWORD nd) override {
    return m_next.GetPrinterData(p, n, t, d, s, nd);
  }
  DWORD SetPrinterData(HANDLE p, LPWSTR n, DWORD t, LPBYTE d, DWORD s) override {
    return m_next.SetPrinterData(p, n, t, d, s);
  }
  BOOL GetPrinterDriver(HANDLE p, LPWSTR e, DWORD l, LPBYTE b, DWORD s, LPDWORD n) override {
    return m_next.GetPrinterDriver(p, e, l, b, s, n);
  }
  BOOL GetPrinterDriverDirectory(LPWSTR sv, LPWSTR e, DWORD l, LPBYTE b, DWORD s, LPDWORD n) override {
    return m_next.GetPrinterDriverDirectory(sv, e, l, b, s, n);
  }
  BOOL GetForm(HANDLE p, LPWSTR form, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) override {
    if (form == nullptr || level != 1 || _wcsicmp(form, kCustomName) != 0)
      return m_next.GetForm(p, form, level, buffer, size, needed);
    const DWORD required = sizeof(FORM_INFO_1W) + sizeof(kCustomName);
    if (needed != nullptr) *needed = required;
    if (buffer == nullptr || size < required) {
      SetLastError(ERROR_INSUFFICIENT_BUFFER);
      return FALSE;
    }
    auto* info = reinterpret_cast<FORM_INFO_1W*>(buffer);
    std::memcpy(buffer + sizeof(FORM_INFO_1W), kCustomName, sizeof(kCustomName));
    info->Flags = FORM_USER;
    info->pName = reinterpret_cast<LPWSTR>(buffer + sizeof(FORM_INFO_1W));
    info->Size = SIZEL{100000, 200000};
    info->ImageableArea = RECTL{0, 0, 100000, 200000};
    return TRUE;
  }
  BOOL AddForm(HANDLE p, DWORD l, LPBYTE f) override { return m_next.AddForm(p, l, f); }
  BOOL DeleteForm(HANDLE p, LPWSTR f) override { return m_next.DeleteForm(p, f); }
  DWORD DeviceCapabilities(LPCWSTR d, LPCWSTR port, WORD c, LPWSTR o, const DEVMODEW* dm) override {
    return m_next.DeviceCapabilities(d, port, c, o, dm);
  }

 private:
  HostSpooler& m_next;
};

// Records what the constraint notifier delivered, with the duplex flag the
// private device mode held at that moment.
class FlagObserver : public IObserver {
 public:
  explicit FlagObserver(CConstraintNotifier& notifier) : m_Notifier(notifier) { m_Notifier.Attach(this); }
  ~FlagObserver() override { m_Notifier.Detach(this); }
  void UpdateSettings(int32_t*, const wchar_t*, PAGEPARAMS*, VENDORRETURNITEMS*) override {}
  void UpdateConstraints(PAGEPARAMS* context, VENDORRETURNITEMS*) override {
    ++calls;
    if (context != nullptr && context->m_pVendorDevmode != nullptr)
      lastNoDuplex = context->m_pVendorDevmode->bNoDuplex;
  }
  CConstraintNotifier& m_Notifier;
  int calls = 0;
  int lastNoDuplex = -1;
};

class PaperTabTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    plqr::test::StandIn standIn = plqr::test::StartStandIn(&s_failure);
    s_description = std::move(standIn.description);
    s_standIn = std::move(standIn.host);
    if (!s_failure.empty()) return;
    std::wstring error;
    // The finisher's staple is available to the page.
    plqr::VendorDevmodeOf(s_standIn->PrivateDevmode())->bOutputBinFlag = 1;
    s_hostSpooler = std::make_unique<HostSpooler>(*s_description, plqr::test::kTestPrinterName);
    s_spooler = std::make_unique<CustomFormSpooler>(*s_hostSpooler);
    plqr::SetSpooler(s_spooler.get());
    if (!s_standIn->OpenSheet(error) || !s_standIn->Sheet().SelectPage(kPaperPage)) {
      s_failure = "sheet: " + std::string(error.begin(), error.end());
    }
  }
  static void TearDownTestSuite() {
    if (s_standIn && s_standIn->SheetOpen()) s_standIn->Close(true);
    s_standIn.reset();
    plqr::SetSpooler(nullptr);
    s_spooler.reset();
    s_hostSpooler.reset();
    s_description.reset();
  }

  void SetUp() override {
    ASSERT_TRUE(s_failure.empty()) << s_failure;
    ASSERT_NE(nullptr, Page());
    // Each test starts from A4, the automatic tray, plain media and no staple.
    Choose(IDC_COMBO_PRINTON, 0);
    SetZoomText(L"100", EN_CHANGE);
    if (IsDlgButtonChecked(Page(), IDC_CHECK_STAPLE) == BST_CHECKED) Click(IDC_CHECK_STAPLE, BST_UNCHECKED);
    Choose(IDC_COMBO_MEDIATRAY, 0);
    Choose(IDC_COMBO_MEDIATYPE, 0);
    Choose(IDC_COMBO_PAPERSIZE, PaperPosition(L"A4"));
  }

  static HWND Page() { return s_standIn->Sheet().PageWindow(kPaperPage); }
  static std::map<uint32_t, uint32_t>& PaperMap() {
    return plqr::test::SessionOf(Page())->m_PaperIdByPosition;
  }
  static HWND Control(int id) { return GetDlgItem(Page(), id); }
  static plqr::VENDORDEVMODE* Vdm() { return plqr::VendorDevmodeOf(s_standIn->PrivateDevmode()); }
  static DEVMODEW* Public() { return s_standIn->PublicDevmode(); }

  // What a list choice sends: the new selection, then CBN_SELCHANGE.
  static void Choose(int id, int index) {
    SendMessageW(Control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Control(id)));
  }
  static void Click(int id, UINT state) {
    CheckDlgButton(Page(), id, state);
    SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(id)));
  }
  static void SetZoomText(const wchar_t* text, WORD notification) {
    SendMessageW(Control(IDC_EDIT_ZOOM), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(IDC_EDIT_ZOOM, notification),
                 reinterpret_cast<LPARAM>(Control(IDC_EDIT_ZOOM)));
  }
  static int PaperPosition(const wchar_t* name) {
    return static_cast<int>(SendMessageW(Control(IDC_COMBO_PAPERSIZE), CB_FINDSTRINGEXACT,
                                         static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name)));
  }
  static bool Unavailable(int id, int index) { return plqr::IsComboItemUnavailable(Control(id), index); }
  static std::vector<int> UnavailableItems(int id) {
    std::vector<int> items;
    const int count = static_cast<int>(SendMessageW(Control(id), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
      if (Unavailable(id, i)) items.push_back(i);
    return items;
  }
  static LONG ItemSel(const char* key) {
    const OPTITEM* item = s_standIn->Item(key);
    return item != nullptr ? item->Sel : -1;
  }
  static HWND Hint() { return GetDlgItem(Page(), 30000); }

  static inline std::string s_failure;
  static inline std::unique_ptr<PrinterDescription> s_description;
  static inline std::unique_ptr<CoreDriverHost> s_standIn;
  static inline std::unique_ptr<HostSpooler> s_hostSpooler;
  static inline std::unique_ptr<CustomFormSpooler> s_spooler;
};

TEST_F(PaperTabTest, OpensWithTheSettingsAndTheHiddenFinishingControls) {
  EXPECT_EQ(7, SendMessageW(Control(IDC_COMBO_MEDIATRAY), CB_GETCOUNT, 0, 0));
  EXPECT_EQ(23, SendMessageW(Control(IDC_COMBO_MEDIATYPE), CB_GETCOUNT, 0, 0));
  EXPECT_EQ(3, SendMessageW(Control(IDC_COMBO_OUTPUTBIN), CB_GETCOUNT, 0, 0));
  EXPECT_EQ(L"A4", WindowText(Control(IDC_COMBO_PAPERSIZE)));
  EXPECT_EQ(41, SendMessageW(Control(IDC_COMBO_PRINTON), CB_GETCOUNT, 0, 0)) << "same-as-size plus 40 papers";
  EXPECT_EQ(L"Same as paper size", WindowText(Control(IDC_COMBO_PRINTON)));
  EXPECT_EQ(L"100", WindowText(Control(IDC_EDIT_ZOOM)));
  EXPECT_EQ(100, SendMessageW(Control(IDC_SCROLL_ZOOM), SBM_GETPOS, 0, 0));
  EXPECT_FALSE(IsWindowEnabled(Control(IDC_CHECK_SCALETOFIT)));
  EXPECT_TRUE(IsWindowEnabled(Control(IDC_EDIT_ZOOM)));
  EXPECT_TRUE(IsWindowEnabled(Control(IDC_COMBO_PRINTON)));
  for (int id : {IDC_COMBO_OUTPUTBIN, IDC_CHECK_STAPLE, IDC_PICTURE_STAPLE})
    EXPECT_FALSE(IsWindowVisible(Control(id))) << id;
  EXPECT_NE(nullptr, reinterpret_cast<HANDLE>(
                         SendMessageW(Control(IDC_PICTURE_PAPER), STM_GETIMAGE, IMAGE_BITMAP, 0)));
  EXPECT_EQ(20002, Vdm()->sPaperItemId);
}

TEST_F(PaperTabTest, EnvelopeTakesMediaTypesTraysAndDuplexAway) {
  const int envelope = PaperPosition(L"Envelope #10");
  ASSERT_GE(envelope, 0);
  FlagObserver observer(plqr::test::SessionOf(Page())->ConstraintNotifier());
  Choose(IDC_COMBO_PAPERSIZE, envelope);

  EXPECT_EQ(20020, Vdm()->sPaperItemId);
  EXPECT_EQ(1, Vdm()->bNoDuplex);
  EXPECT_EQ(1, Vdm()->bNoRotationSort);
  EXPECT_GE(observer.calls, 1) << "the change reached the other observers";
  EXPECT_EQ(1, observer.lastNoDuplex) << "with the duplex flag already set";
  EXPECT_EQ((std::vector<int>{3, 4, 5, 6, 7, 8, 10, 11}), UnavailableItems(IDC_COMBO_MEDIATYPE));
  EXPECT_EQ((std::vector<int>{2, 3, 4}), UnavailableItems(IDC_COMBO_MEDIATRAY));
  // The public paper fields and the core driver's item.
  EXPECT_EQ(DMPAPER_ENV_10, Public()->dmPaperSize);
  EXPECT_EQ(1047, Public()->dmPaperWidth);
  EXPECT_EQ(2413, Public()->dmPaperLength);
  EXPECT_EQ(static_cast<DWORD>(DM_PAPERSIZE | DM_PAPERWIDTH | DM_PAPERLENGTH),
            Public()->dmFields & (DM_PAPERSIZE | DM_PAPERWIDTH | DM_PAPERLENGTH));
  EXPECT_EQ(envelope, ItemSel("PaperSize"));

  // The print settings page, where it is built, forces duplex off.
  bool printSettingsBuilt = false;
  for (const PageRegistration& page : plqr::ProductPageTable())
    printSettingsBuilt |= page.dialogId == IDD_PRINT_SETTINGS_TAB;
  if (printSettingsBuilt) {
    HWND settings = s_standIn->Sheet().PageWindow(0);
    ASSERT_NE(nullptr, settings);
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(settings, IDC_RADIO_DUPLEX_OFF));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(settings, IDC_RADIO_DUPLEX_LONGEDGE)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(settings, IDC_RADIO_DUPLEX_SHORTEDGE)));
    EXPECT_EQ(DMDUP_SIMPLEX, Public()->dmDuplex);
  }

  // Back to A4: everything is available again and the flags follow.
  Choose(IDC_COMBO_PAPERSIZE, PaperPosition(L"A4"));
  EXPECT_EQ(0, Vdm()->bNoDuplex);
  EXPECT_EQ(0, Vdm()->bNoRotationSort);
  EXPECT_EQ((std::vector<int>{9, 11}), UnavailableItems(IDC_COMBO_MEDIATYPE));
  EXPECT_TRUE(UnavailableItems(IDC_COMBO_MEDIATRAY).empty());
  EXPECT_EQ(DMPAPER_A4, Public()->dmPaperSize);
  EXPECT_EQ(2100, Public()->dmPaperWidth);
  EXPECT_EQ(2970, Public()->dmPaperLength);
}

TEST_F(PaperTabTest, CustomPaperOneHundredMillimetresWideFitsTrayOneOnly) {
  // A custom size as the custom sizes dialog adds it to both lists.
  HWND sizes = Control(IDC_COMBO_PAPERSIZE);
  HWND printOn = Control(IDC_COMBO_PRINTON);
  const int position =
      static_cast<int>(SendMessageW(sizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kCustomName)));
  SendMessageW(sizes, CB_SETITEMDATA, static_cast<WPARAM>(position), PaperItemData(20050));
  const int printOnPosition =
      static_cast<int>(SendMessageW(printOn, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kCustomName)));
  SendMessageW(printOn, CB_SETITEMDATA, static_cast<WPARAM>(printOnPosition), PaperItemData(20050));
  PaperMap()[static_cast<uint32_t>(position)] = 20050;
  const LONG paperSel = ItemSel("PaperSize");
  const short paperSize = Public()->dmPaperSize;

  Choose(IDC_COMBO_PAPERSIZE, position);
  EXPECT_EQ(20050, Vdm()->sPaperItemId);
  EXPECT_EQ((std::vector<int>{2, 3, 4, 5}), UnavailableItems(IDC_COMBO_MEDIATRAY))
      << "tray 1 and manual feed take it";
  EXPECT_EQ((std::vector<int>{6, 7, 8, 10, 11}), UnavailableItems(IDC_COMBO_MEDIATYPE));
  EXPECT_EQ(1000, Public()->dmPaperWidth);
  EXPECT_EQ(2000, Public()->dmPaperLength);
  EXPECT_EQ(paperSize, Public()->dmPaperSize) << "the printer has no paper number for it";
  EXPECT_EQ(paperSel, ItemSel("PaperSize")) << "a custom index is never sent to the core driver";

  // With tray 3 chosen, the custom paper is no choice.
  Choose(IDC_COMBO_PAPERSIZE, PaperPosition(L"A4"));
  SendMessageW(Control(IDC_COMBO_MEDIATRAY), CB_SETCURSEL, 3, 0);
  SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(IDC_COMBO_MEDIATYPE, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Control(IDC_COMBO_MEDIATYPE)));
  EXPECT_TRUE(Unavailable(IDC_COMBO_PAPERSIZE, position));
  EXPECT_TRUE(Unavailable(IDC_COMBO_PRINTON, position + 1));

  SendMessageW(sizes, CB_DELETESTRING, static_cast<WPARAM>(position), 0);
  SendMessageW(printOn, CB_DELETESTRING, static_cast<WPARAM>(printOnPosition), 0);
  PaperMap().erase(static_cast<uint32_t>(position));
}

TEST_F(PaperTabTest, StaplingRestrictsPapersMediaAndBinsAndTheStandInRefusesIt) {
  ASSERT_TRUE(IsWindowEnabled(Control(IDC_CHECK_STAPLE))) << "staple is available";
  const size_t updates = s_standIn->Settings().Updates().size();
  Click(IDC_CHECK_STAPLE, BST_CHECKED);
  EXPECT_EQ(1, Vdm()->bStaple);
  EXPECT_EQ((std::vector<int>{1}), UnavailableItems(IDC_COMBO_OUTPUTBIN));
  EXPECT_EQ((std::vector<int>{3, 4, 6, 7, 8, 9, 10, 11}), UnavailableItems(IDC_COMBO_MEDIATYPE));
  for (const auto& [position, id] : PaperMap()) {
    const bool staplePaper = plqr::IsStaplePaper(static_cast<int32_t>(id));
    EXPECT_EQ(staplePaper, Unavailable(IDC_COMBO_PAPERSIZE, static_cast<int>(position))) << id;
    EXPECT_EQ(staplePaper, Unavailable(IDC_COMBO_PRINTON, static_cast<int>(position) + 1)) << id;
  }
  // The finisher is not installed: the stand-in refuses "Staple" and its item
  // keeps the previous selection.
  ASSERT_GT(s_standIn->Settings().Updates().size(), updates);
  const UpdateRecord& last = s_standIn->Settings().Updates().back();
  EXPECT_EQ("Staple", last.key);
  EXPECT_FALSE(last.accepted);
  EXPECT_EQ(0, ItemSel("Staple"));

  Click(IDC_CHECK_STAPLE, BST_UNCHECKED);
  EXPECT_EQ(0, Vdm()->bStaple);
  EXPECT_TRUE(UnavailableItems(IDC_COMBO_OUTPUTBIN).empty());
}

TEST_F(PaperTabTest, ZoomTextIsCorrectedAndLocksPrintOn) {
  SetZoomText(L"10", EN_CHANGE);
  EXPECT_EQ(L"10", WindowText(Control(IDC_EDIT_ZOOM))) << "left as typed while editing";
  EXPECT_EQ(25, Vdm()->wScale);
  EXPECT_EQ(25, SendMessageW(Control(IDC_SCROLL_ZOOM), SBM_GETPOS, 0, 0));
  SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(IDC_EDIT_ZOOM, EN_KILLFOCUS),
               reinterpret_cast<LPARAM>(Control(IDC_EDIT_ZOOM)));
  EXPECT_EQ(L"25", WindowText(Control(IDC_EDIT_ZOOM)));
  EXPECT_FALSE(IsWindowEnabled(Control(IDC_COMBO_PRINTON))) << "zoom other than 100 locks print-on";
  EXPECT_TRUE(IsWindowVisible(Hint()));
  EXPECT_EQ(L"Printing on another paper size is not available while zoom is not 100 %.",
            plqr::HintIconText(Hint()));

  SetZoomText(L"401", EN_CHANGE);
  EXPECT_EQ(L"400", WindowText(Control(IDC_EDIT_ZOOM)));
  EXPECT_EQ(400, Vdm()->wScale);

  // The scroll bar: a page right from 395 stops at 400, a line left is 399.
  SendMessageW(Page(), WM_HSCROLL, SB_LINELEFT, reinterpret_cast<LPARAM>(Control(IDC_SCROLL_ZOOM)));
  EXPECT_EQ(L"399", WindowText(Control(IDC_EDIT_ZOOM)));
  EXPECT_EQ(399, Vdm()->wScale);
  SendMessageW(Page(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 100),
               reinterpret_cast<LPARAM>(Control(IDC_SCROLL_ZOOM)));
  EXPECT_EQ(100, Vdm()->wScale);
  EXPECT_EQ(L"100", WindowText(Control(IDC_EDIT_ZOOM)));
  EXPECT_TRUE(IsWindowEnabled(Control(IDC_COMBO_PRINTON)));
  EXPECT_FALSE(IsWindowVisible(Hint()));
}

TEST_F(PaperTabTest, PrintOnPaperLocksZoom) {
  Choose(IDC_COMBO_PRINTON, PaperPosition(L"A4") + 1);
  EXPECT_EQ(PaperPosition(L"A4") + 1, Vdm()->sPrintOnIndex);
  EXPECT_EQ(2100, Vdm()->wPrintOnWidth);
  EXPECT_EQ(2970, Vdm()->wPrintOnLength);
  for (int id : {IDC_EDIT_ZOOM, IDC_CHECK_CENTER_ZOOM, IDC_SCROLL_ZOOM})
    EXPECT_FALSE(IsWindowEnabled(Control(id))) << id;
  for (int id : {IDC_CHECK_SCALETOFIT, IDC_CHECK_CENTER}) EXPECT_TRUE(IsWindowEnabled(Control(id))) << id;
  EXPECT_TRUE(IsWindowVisible(Hint()));
  EXPECT_EQ(
      L"Zoom is not available with booklet printing, with a layout mode other than normal, or while the "
      L"document "
      L"is printed on another paper size.",
      plqr::HintIconText(Hint()));

  Click(IDC_CHECK_SCALETOFIT, BST_UNCHECKED);
  EXPECT_EQ(0, Vdm()->bScaleToFit);
  EXPECT_EQ(0, ItemSel("ScaleToFit"));
  Click(IDC_CHECK_SCALETOFIT, BST_CHECKED);
  EXPECT_EQ(1, ItemSel("ScaleToFit"));

  Choose(IDC_COMBO_PRINTON, 0);
  EXPECT_EQ(0, Vdm()->wPrintOnWidth);
  EXPECT_TRUE(IsWindowEnabled(Control(IDC_EDIT_ZOOM)));
  EXPECT_FALSE(IsWindowEnabled(Control(IDC_CHECK_SCALETOFIT)));
}

TEST_F(PaperTabTest, AnyTrayButTheFirstForbidsRotationSort) {
  Choose(IDC_COMBO_MEDIATRAY, 1);
  EXPECT_EQ(1, Vdm()->bNoRotationSort);
  EXPECT_EQ(1, ItemSel("InputBin"));
  Choose(IDC_COMBO_MEDIATRAY, 0);
  EXPECT_EQ(0, Vdm()->bNoRotationSort);
  EXPECT_EQ(0, ItemSel("InputBin"));

  // Rotation sort set on the print settings page: trays 1 to 5 and every
  // paper outside the rotation-sort list become unavailable.
  Vdm()->bRotationSort = 1;
  SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(IDC_COMBO_MEDIATYPE, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Control(IDC_COMBO_MEDIATYPE)));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), UnavailableItems(IDC_COMBO_MEDIATRAY));
  EXPECT_FALSE(Unavailable(IDC_COMBO_PAPERSIZE, PaperPosition(L"A4")));
  EXPECT_TRUE(Unavailable(IDC_COMBO_PAPERSIZE, PaperPosition(L"Envelope #10")));
  Vdm()->bRotationSort = 0;
}

TEST_F(PaperTabTest, MoreInputOptionsDialogShowsItsThreeEntries) {
  static std::wstring s_label;
  static bool s_image = false;
  static bool s_seen = false;
  s_label.clear();
  s_image = false;
  s_seen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowW(L"#32770", L"More Input Options");
    if (dialog == nullptr || s_seen) return;
    // Shown and painted before the picture is taken.
    static int s_ticks = 0;
    if (++s_ticks < 3) return;
    s_ticks = 0;
    UpdateWindow(dialog);
    s_seen = true;
    s_label = WindowText(GetDlgItem(dialog, IDC_LABEL_INTERLEAVE));
    s_image = SendDlgItemMessageW(dialog, IDC_PICTURE_COVERS, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
    std::wstring error;
    SaveWindowPng(dialog, plqr::test::ExeFolder() + L"\\paper-more-input-options.png", error);
    // The covers dialog is not there yet: the button opens nothing.
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_BUTTON_COVERS, BN_CLICKED), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  });
  SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(IDC_BUTTON_MOREINPUTOPTIONS, BN_CLICKED),
               reinterpret_cast<LPARAM>(Control(IDC_BUTTON_MOREINPUTOPTIONS)));
  KillTimer(nullptr, timer);
  EXPECT_TRUE(s_seen);
  EXPECT_EQ(L"Insert pages between the pages of the document.", s_label);
  EXPECT_TRUE(s_image);
}

// Pictures for people (not compared): the page with the envelope chosen and
// its media type list dropped, unavailable entries in grey.
TEST_F(PaperTabTest, PicturesOfTheDroppedListsWithUnavailableEntries) {
  Choose(IDC_COMBO_PAPERSIZE, PaperPosition(L"Envelope #10"));
  for (const auto& [id, name] : {std::pair{IDC_COMBO_MEDIATYPE, L"paper-mediatype-list.png"},
                                 std::pair{IDC_COMBO_MEDIATRAY, L"paper-tray-list.png"}}) {
    SendMessageW(Control(id), CB_SHOWDROPDOWN, TRUE, 0);
    plqr::test::PumpPending();
    EXPECT_TRUE(SendMessageW(Control(id), CB_GETDROPPEDSTATE, 0, 0));
    std::wstring error;
    // The open list is a window of its own above the sheet.
    COMBOBOXINFO combo = {};
    combo.cbSize = sizeof(combo);
    ASSERT_TRUE(GetComboBoxInfo(Control(id), &combo));
    EXPECT_TRUE(IsWindowVisible(combo.hwndList));
    EXPECT_TRUE(SaveWindowPng(combo.hwndList, plqr::test::ExeFolder() + L"\\" + name, error))
        << std::string(error.begin(), error.end());
    SendMessageW(Control(id), CB_SHOWDROPDOWN, FALSE, 0);
  }
}

}  // namespace
