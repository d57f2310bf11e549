// The feature model against option items built the way the core driver
// builds them (keyword behind UserData, public IDs, option names, Sel), a
// spooler that supplies user forms, and a core driver that accepts or
// refuses changes: the containers, the write-back, and lists filled on the
// paper page's own template.
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "FakeDriverUI.h"
#include "HostSpooler.h"
#include "OptItemBuilder.h"
#include "PrintOem.h"
#include "ResourceIds.h"
#include "TestPrinter.h"
#include "WineTestSupport.h"
#include "controls/ControlHelpers.h"
#include "controls/DialogUtils.h"
#include "core/PlatformUI.h"
#include "core/PrivateDevmode.h"
#include "core/PropPage.h"
#include "core/UiInterface.h"
#include "features/ComboValues.h"
#include "features/FeatureDictionary.h"
#include "features/MeasurementUnits.h"
#include "features/PaperSizeLookup.h"
#include "features/SelectionChanges.h"
#include "features/WriteBack.h"
#include "support/Spooler.h"

namespace {

// A spooler whose forms are the test's: built-in, printer and user forms by
// exact name; every other call goes to winspool.
class FormSpooler final : public plqr::ForwardingSpooler {
 public:
  struct Form {
    DWORD flags;
    SIZEL size;
  };
  std::map<std::wstring, Form> forms;

  BOOL GetForm(HANDLE, LPWSTR name, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) override {
    const auto it = name != nullptr ? forms.find(name) : forms.end();
    if (level != 1 || it == forms.end()) {
      SetLastError(ERROR_INVALID_FORM_NAME);
      return FALSE;
    }
    return plqr::host::PackFormInfo1(it->first, it->second.flags, it->second.size, buffer, size, needed);
  }
};

// An option named by a resource ID instead of a text.
LPTSTR ResourceName(ULONG_PTR id) {
  return reinterpret_cast<LPTSTR>(id);
}

// The core driver's option items, stored as the stand-in stores them.
class CoreItems : public plqr::host::OptItemSet {
 public:
  CoreItems() : OptItemSet(32) {}
  // `keyword` null: an item without keyword. Options are texts or resource
  // IDs (ResourceName).
  void Add(const char* keyword, BYTE pubId, LONG sel, const std::vector<LPTSTR>& options,
           BYTE type = TVOT_LISTBOX) {
    OPTITEM& item = AddItem({}, keyword, const_cast<LPTSTR>(L"Feature"), sel, pubId);
    std::vector<OPTPARAM> params;
    for (LPTSTR option : options) params.push_back(Param(option));
    SetOptions(item, type, std::move(params));
  }
  OPTITEM& operator[](size_t index) { return Item(index); }
  OPTITEM* data() { return Items(); }
  DWORD size() const { return Count(); }
};

std::vector<std::wstring> Names(const OptionNameDictionary& names, const std::wstring& keyword) {
  std::vector<std::wstring> result;
  const auto range = names.equal_range(keyword);
  for (auto it = range.first; it != range.second; ++it) result.push_back(it->second);
  return result;
}

// Positions of the fixture's items.
enum ItemIndex : size_t {
  kPaperItem,
  kCopiesItem,
  kNupItem,
  kInputBinItem,
  kMediaTypeItem,
  kColorItem,
  kNoTypeItem,
  kOrientationItem,
};

// A paper page handler that records a media-type change twice in one call.
BOOL RecordingMediaHandler(HWND, UINT message, WPARAM, LPARAM, PAGEPARAMS* params, PVENDORRETURNITEMS changed,
                           void**) {
  if (message != WM_COMMAND) return FALSE;
  EXPECT_EQ(0u, GetSelectionFromSelectionDictionary(params, L"MediaType"));
  EXPECT_EQ(0u, GetSelectionFromSelectionDictionary(params, L"mediatype")) << "keywords match exactly";
  UpdateSelectioninChangedDictionary(L"MediaType", 1, changed);
  UpdateSelectioninChangedDictionary(L"MediaType", 2, changed);
  EXPECT_EQ(2u, GetChangedSelection(changed, L"MediaType"));
  EXPECT_EQ(0u, GetChangedSelection(changed, L"Copies"));
  return TRUE;
}

// The plug-in's feature model under a page table of one recording page.
const PluginParts& TestParts() {
  static const PageTable pages = {
      {IDS_TITLE_PAPER, IDD_PAPER_TAB, kSheetDocument, RecordingMediaHandler, nullptr}};
  static const PluginParts parts = [] {
    PluginParts assembled;
    assembled.pages = &pages;
    assembled.createFeatureDictionary = CreateFeatureDictionary;
    assembled.writeBackChanges = WriteBackChanges;
    return assembled;
  }();
  return parts;
}

POEMUIOBJ const kCoreContext = reinterpret_cast<POEMUIOBJ>(static_cast<ULONG_PTR>(0x5150));

class FeatureModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::wstring failure;
    ASSERT_TRUE(plqr::test::EnsureTestPrinter(&failure)) << failure;
    m_printer = plqr::test::OpenTestPrinter();
    ASSERT_TRUE(m_printer);

    m_spooler.forms = {
        {L"A4", {FORM_BUILTIN, 210000, 297000}},          {L"Letter", {FORM_BUILTIN, 215900, 279400}},
        {L"A4 Copy", {FORM_PRINTER, 210000, 297000}},  // the size of A4 once more
        {L"Envelope C6", {FORM_PRINTER, 114000, 162000}}, {L"My Form", {FORM_USER, 100000, 100000}},
        {L"Yours", {FORM_USER, 120000, 80000}},
    };
    plqr::SetSpooler(&m_spooler);

    // Paper: two user forms, two known sizes, a second A4, a form the spooler
    // does not know, one it knows only by a table name, and a name given by
    // resource ID.
    m_items.Add("PaperSize", DMPUB_FORMNAME, 1,
                {const_cast<LPTSTR>(L"My Form"), const_cast<LPTSTR>(L"A4"), const_cast<LPTSTR>(L"Letter"),
                 const_cast<LPTSTR>(L"A4 Copy"), const_cast<LPTSTR>(L"Custom Odd"),
                 const_cast<LPTSTR>(L"envelope dl"), const_cast<LPTSTR>(L"Envelope C6"),
                 const_cast<LPTSTR>(L"Yours"), ResourceName(1234)},
                TVOT_COMBOBOX);
    // Copies 3, collated: the copy count in Sel, the collate box in the flags.
    m_items.Add("Collate", DMPUB_COPIES_COLLATE, 3, {ResourceName(64000), ResourceName(64001)}, TVOT_UDARROW);
    m_items[kCopiesItem].Flags |= OPTIF_ECB_CHECKED;
    m_items.Add(nullptr, DMPUB_NUP, 2, {const_cast<LPTSTR>(L"one"), const_cast<LPTSTR>(L"two")});
    m_items.Add(
        "InputBin", DMPUB_DEFSOURCE, 0,
        {ResourceName(609), const_cast<LPTSTR>(L"Tray 1"), const_cast<LPTSTR>(L"Tray 2"), ResourceName(700)});
    m_items.Add("MediaType", DMPUB_MEDIATYPE, 0,
                {const_cast<LPTSTR>(L"Plain"), const_cast<LPTSTR>(L"Bond"), ResourceName(612),
                 const_cast<LPTSTR>(L"Heavy: 1")});
    m_items.Add(nullptr, DMPUB_COLOR, 1, {const_cast<LPTSTR>(L"Mono"), const_cast<LPTSTR>(L"Colour")});
    m_items.Add("NoType", DMPUB_NONE, 0, {});
    m_items[kNoTypeItem].pOptType = nullptr;
    m_items.Add(nullptr, DMPUB_ORIENTATION, 0, {const_cast<LPTSTR>(L"Portrait")});

    ASSERT_TRUE(plqr::FillPrivateDevmodeDefaults(m_private.data(), m_private.size()));
    m_public.dmSize = sizeof(m_public);
    m_cuip.cbSize = sizeof(m_cuip);
    m_cuip.poemuiobj = kCoreContext;
    m_cuip.hPrinter = m_printer.get();
    m_cuip.pPrinterName = const_cast<PWSTR>(plqr::test::kTestPrinterName);
    m_cuip.pPublicDM = &m_public;
    m_cuip.pOEMDM = m_private.data();
    m_cuip.pDrvOptItems = m_items.data();
    m_cuip.cDrvOptItems = m_items.size();
  }

  void TearDown() override {
    plqr::SetSpooler(nullptr);
    if (m_parent != nullptr) DestroyWindow(m_parent);
    plqr::test::PumpPending();
  }

  // A page of the document sheet over the platform UI's containers.
  void PreparePage(DWORD dialogId = IDD_PAPER_TAB, DWORD kind = OEMCUIP_DOCPROP) {
    m_page.m_pOptionNameDictionary = &m_platform.m_OptionNameDictionary;
    m_page.m_pPaperIndexMap = &m_platform.m_PaperIndexMap;
    m_page.m_pSelectionDictionary = &m_platform.m_SelectionDictionary;
    m_page.m_dwDialogId = dialogId;
    m_page.m_dwPageKind = kind;
    m_page.m_pUiBaseBO = m_platform.BaseBO();
    m_page.m_pOEMCUIPParam = &m_cuip;
    m_page.m_pDriverUI = &m_driverUI;
    m_page.m_pfnWriteBack = WriteBackChanges;
  }

  bool WriteBack(const std::map<std::wstring, uint32_t>& changes) {
    VENDORRETURNITEMS changed;
    changed.m_Items = changes;
    return WriteBackChanges(m_page, changed);
  }

  PAGEPARAMS Params() {
    PAGEPARAMS params = {};
    params.m_OptionNameDictionary = &m_platform.m_OptionNameDictionary;
    params.m_PaperIndexMap = &m_platform.m_PaperIndexMap;
    params.m_SelectionDictionary = &m_platform.m_SelectionDictionary;
    params.dwDialogId = IDD_PAPER_TAB;
    params.m_pVendorDevmode = plqr::VendorDevmodeOf(m_private.data());
    params.pPublicDM = &m_public;
    params.hPrinter = m_printer.get();
    return params;
  }

  static INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
  }

  // The paper page's template from the resource library, inside a hidden
  // top-level window.
  HWND CreatePaperPage() {
    m_parent = CreateWindowExW(0, L"Static", L"Feature model test", WS_OVERLAPPEDWINDOW, 100, 100, 700, 500,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_parent == nullptr || m_platform.m_hResInstance == nullptr) return nullptr;
    return CreateDialogParamW(m_platform.m_hResInstance, MAKEINTRESOURCEW(IDD_PAPER_TAB), m_parent,
                              QuietDialogProc, 0);
  }

  plqr::UniquePrinter m_printer;
  FormSpooler m_spooler;
  CoreItems m_items;
  std::vector<BYTE> m_private = std::vector<BYTE>(plqr::kPrivateDevmodeSize);
  DEVMODEW m_public = {};
  OEMCUIPPARAM m_cuip = {};
  CZPlatformUI m_platform{TestParts()};
  CZPropPage m_page;
  plqr::test::FakeDriverUI m_driverUI;
  HWND m_parent = nullptr;
};

// User forms take the next IDs of the process, whatever ran before.
TEST_F(FeatureModelTest, ContainersFromTheCoreItems) {
  const uint32_t firstUserId = plqr::PeekNextUserPaperItemId();
  EXPECT_GE(firstUserId, 20050u);
  CreateFeatureDictionary(&m_platform, &m_cuip);
  ASSERT_NE(nullptr, m_platform.m_hResInstance) << "the resource library was not fetched";
  const OptionNameDictionary& names = m_platform.m_OptionNameDictionary;

  // A4 Copy has the size of A4: a duplicate without entry. "Custom Odd" is
  // unknown (no entry); "envelope dl" is named by the table name. Every
  // entry carries its option index.
  EXPECT_EQ((std::vector<std::wstring>{L"My Form:0", L"A4:1", L"Letter:2", L"Envelope C6:6", L"Yours:7",
                                       L"Envelope DL:5"}),
            Names(names, L"PaperSize"));
  EXPECT_EQ(
      (PaperIndexMap{{0, firstUserId}, {1, 20002}, {2, 20009}, {5, 20025}, {6, 20024}, {7, firstUserId + 1}}),
      m_platform.m_PaperIndexMap);

  const SelectionDictionary& selections = m_platform.m_SelectionDictionary;
  EXPECT_EQ(1u, selections.at(L"PaperSize"));
  EXPECT_EQ(3u, selections.at(L"Copies"));
  EXPECT_EQ(64u, selections.at(L"Collate"));
  EXPECT_EQ(2u, selections.at(L"Nup"));
  EXPECT_EQ(0u, selections.at(L"InputBin"));
  EXPECT_EQ(0u, selections.count(L"Color")) << "keyword-less items other than pages per sheet are skipped";
  EXPECT_EQ(0u, selections.count(L"NoType"));
  EXPECT_EQ(6u, selections.size());

  const HMODULE resources = m_platform.m_hResInstance;
  EXPECT_EQ((std::vector<std::wstring>{L"1", LoadStringFromResource(resources, IDS_NUP_BOOKLET), L"2", L"4",
                                       L"6", L"8", L"9", L"16"}),
            Names(names, L"Nup"));
  EXPECT_EQ(
      (std::vector<std::wstring>{LoadStringFromResource(resources, IDS_INPUTBIN_AUTO), L"Tray 1", L"Tray 2"}),
      Names(names, L"InputBin"))
      << "only the first resource-named bin becomes string 609";
  EXPECT_EQ((std::vector<std::wstring>{L"Plain", L"Bond", L"Heavy: 1"}), Names(names, L"MediaType"));
  EXPECT_TRUE(Names(names, L"Collate").empty()) << "the copies item's names are resource IDs";

  // A second build adds to the containers: selections keep their first
  // value, names accumulate, paper indexes keep their first item ID, and the
  // user forms take the next IDs of the process.
  m_items[kPaperItem].Sel = 7;
  CreateFeatureDictionary(&m_platform, &m_cuip);
  EXPECT_EQ(1u, m_platform.m_SelectionDictionary.at(L"PaperSize"));
  EXPECT_EQ(16u, Names(m_platform.m_OptionNameDictionary, L"Nup").size());
  EXPECT_EQ(firstUserId, m_platform.m_PaperIndexMap.at(0));
  EXPECT_EQ(firstUserId + 4, plqr::PeekNextUserPaperItemId());

  // Another platform UI object (another driver context) continues the count.
  CZPlatformUI other(TestParts());
  CreateFeatureDictionary(&other, &m_cuip);
  EXPECT_EQ(firstUserId + 4, other.m_PaperIndexMap.at(0));
  EXPECT_EQ(firstUserId + 5, other.m_PaperIndexMap.at(7));
}

TEST_F(FeatureModelTest, BadItemsAreSkipped) {
  CoreItems bad;
  bad.Add(nullptr, DMPUB_NONE, 0, {const_cast<LPTSTR>(L"x")});
  bad.Add("Empty", DMPUB_NONE, 4, {const_cast<LPTSTR>(L"z")});
  bad[1].pOptType->pOptParam = nullptr;                    // a count without options
  bad.Add("", DMPUB_NONE, 2, {const_cast<LPTSTR>(L"y")});  // empty keyword: none
  bad.Add("NoTypeAtAll", DMPUB_NONE, 1, {});
  bad[3].pOptType = nullptr;
  m_cuip.pDrvOptItems = bad.data();
  m_cuip.cDrvOptItems = bad.size();
  CreateFeatureDictionary(&m_platform, &m_cuip);
  EXPECT_EQ((SelectionDictionary{{L"Empty", 4}}), m_platform.m_SelectionDictionary);
  EXPECT_TRUE(m_platform.m_OptionNameDictionary.empty());

  m_cuip.pDrvOptItems = nullptr;
  CreateFeatureDictionary(&m_platform, &m_cuip);
  CreateFeatureDictionary(&m_platform, nullptr);
  CreateFeatureDictionary(nullptr, &m_cuip);
}

TEST_F(FeatureModelTest, AcceptedChangeUpdatesSelectionsAndUnavailableOptions) {
  CreateFeatureDictionary(&m_platform, &m_cuip);
  PreparePage();
  // The core driver resolves its constraints: Tray 2 and Bond become
  // unavailable, as does a resource-named bin (no text, so not listed) and
  // an option of the keyword-less colour item (listed under "Color").
  // The core driver marks a ruled-out option with the 0x08 option flag.
  constexpr BYTE kRuledOut = 0x08;
  m_driverUI.answer = [this](OPTITEM&) {
    m_items[kInputBinItem].pOptType->pOptParam[2].Flags |= kRuledOut;
    m_items[kInputBinItem].pOptType->pOptParam[3].Flags |= kRuledOut;
    m_items[kMediaTypeItem].pOptType->pOptParam[1].lParam = 8;
    m_items[kColorItem].pOptType->pOptParam[1].Flags |= kRuledOut;
    m_items[kOrientationItem].pOptType->pOptParam[0].Flags |= kRuledOut;
    return S_OK;
  };
  m_page.m_UnavailableOptions.emplace(L"Stale", L"entry");

  EXPECT_TRUE(WriteBack({{L"MediaType", 3}}));
  ASSERT_EQ(1u, m_driverUI.calls.size());
  const plqr::test::FakeDriverUI::Call& call = m_driverUI.calls[0];
  EXPECT_EQ(kCoreContext, call.pci);
  EXPECT_EQ(&m_items[kMediaTypeItem], call.item);
  EXPECT_EQ(3, call.sel);
  EXPECT_TRUE(call.flags & OPTIF_CHANGED);
  EXPECT_EQ(0u, call.previous);
  EXPECT_EQ(DWORD(OEMCUIP_DOCPROP), call.mode);
  EXPECT_EQ(3, m_items[kMediaTypeItem].Sel);
  EXPECT_EQ(3u, m_platform.m_SelectionDictionary.at(L"MediaType"));
  EXPECT_EQ((UnavailableOptionMap{{L"Color", L"Colour"}, {L"InputBin", L"Tray 2"}, {L"MediaType", L"Bond"}}),
            m_page.m_UnavailableOptions);

  // A keyword the selection dictionary does not hold stays out of it; a
  // printer page tells the core driver it is one.
  m_platform.m_SelectionDictionary.erase(L"InputBin");
  PreparePage(IDD_INSTALLABLE_OPTIONS_TAB, OEMCUIP_PRNPROP);
  EXPECT_TRUE(WriteBack({{L"InputBin", 1}}));
  EXPECT_EQ(0u, m_platform.m_SelectionDictionary.count(L"InputBin"));
  EXPECT_EQ(DWORD(OEMCUIP_PRNPROP), m_driverUI.calls.back().mode);
  EXPECT_EQ(1, m_items[kInputBinItem].Sel);
}

TEST_F(FeatureModelTest, RefusedAndUnsendableChangesKeepThePreviousSelection) {
  CreateFeatureDictionary(&m_platform, &m_cuip);
  PreparePage();
  m_driverUI.answer = [](OPTITEM&) { return E_FAIL; };
  EXPECT_FALSE(WriteBack({{L"PaperSize", 4}}));
  ASSERT_EQ(1u, m_driverUI.calls.size());
  EXPECT_EQ(4, m_driverUI.calls[0].sel) << "the core driver saw the new index";
  EXPECT_EQ(1, m_items[kPaperItem].Sel);
  EXPECT_TRUE(m_items[kPaperItem].Flags & OPTIF_CHANGED);
  EXPECT_EQ(1u, m_platform.m_SelectionDictionary.at(L"PaperSize"));

  // An index equal to the option count (a custom size) is never sent.
  m_driverUI.answer = [](OPTITEM&) { return S_OK; };
  m_driverUI.calls.clear();
  m_items[kPaperItem].Flags = OPTIF_COLLAPSE;
  EXPECT_FALSE(WriteBack({{L"PaperSize", m_items[kPaperItem].pOptType->Count}}));
  EXPECT_TRUE(m_driverUI.calls.empty());
  EXPECT_EQ(1, m_items[kPaperItem].Sel);
  EXPECT_TRUE(m_items[kPaperItem].Flags & OPTIF_CHANGED);
  EXPECT_FALSE(WriteBack({{L"PageSize", 99}, {L"NoSuchFeature", 1}})) << "no item has these keys";
  EXPECT_TRUE(m_driverUI.calls.empty());

  // Without the core driver's helper interface nothing can be applied.
  m_page.m_pDriverUI = nullptr;
  EXPECT_FALSE(WriteBack({{L"MediaType", 1}}));
  EXPECT_EQ(0, m_items[kMediaTypeItem].Sel);
  EXPECT_EQ(0u, m_platform.m_SelectionDictionary.at(L"MediaType"));

  // A page whose references were cleared writes nothing.
  m_page.Detach();
  EXPECT_FALSE(WriteBack({{L"MediaType", 1}}));
}

TEST_F(FeatureModelTest, CollateIsWrittenWithTheCopyCount) {
  CreateFeatureDictionary(&m_platform, &m_cuip);
  PreparePage();
  OPTITEM& copies = m_items[kCopiesItem];

  copies.Flags &= ~static_cast<DWORD>(OPTIF_ECB_CHECKED);
  EXPECT_TRUE(WriteBack({{L"Copies", 5}, {L"Collate", 1}}));
  ASSERT_EQ(1u, m_driverUI.calls.size()) << "\"Copies\" matches no item of its own";
  EXPECT_EQ(5, m_driverUI.calls[0].sel);
  EXPECT_TRUE(m_driverUI.calls[0].flags & OPTIF_ECB_CHECKED);
  EXPECT_EQ(5, copies.Sel);
  EXPECT_EQ(1u, m_platform.m_SelectionDictionary.at(L"Collate"));

  // "Collate" alone carries no copy count.
  EXPECT_TRUE(WriteBack({{L"Collate", 1}}));
  EXPECT_EQ(0, copies.Sel);
  EXPECT_TRUE(copies.Flags & OPTIF_ECB_CHECKED);

  copies.Sel = 2;
  EXPECT_TRUE(WriteBack({{L"Copies", 2}, {L"Collate", 0}}));
  EXPECT_FALSE(copies.Flags & OPTIF_ECB_CHECKED);

  // Refused: the item is back at its copies and collate state.
  m_driverUI.answer = [](OPTITEM&) { return S_FALSE; };
  EXPECT_FALSE(WriteBack({{L"Copies", 9}, {L"Collate", 1}}));
  EXPECT_EQ(2, copies.Sel);
  EXPECT_FALSE(copies.Flags & OPTIF_ECB_CHECKED);
  EXPECT_EQ(0u, m_platform.m_SelectionDictionary.at(L"Collate"));
}

TEST_F(FeatureModelTest, CommonPageProcedureWritesRecordedChangesBack) {
  CreateFeatureDictionary(&m_platform, &m_cuip);
  PreparePage();
  const HWND window =
      CreateWindowExW(0, L"Static", L"page", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, window);
  PROPSHEETPAGEW psp = {};
  psp.dwSize = sizeof(psp);
  psp.lParam = reinterpret_cast<LPARAM>(&m_page);
  CommonPageProc(window, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&psp));
  CommonPageProc(window, WM_COMMAND, MAKEWPARAM(IDC_COMBO_MEDIATYPE, CBN_SELCHANGE), 0);
  DestroyWindow(window);

  ASSERT_EQ(1u, m_driverUI.calls.size()) << "only the last recorded index is written";
  EXPECT_EQ(2, m_items[kMediaTypeItem].Sel);
  EXPECT_EQ(2u, m_platform.m_SelectionDictionary.at(L"MediaType"));
}

TEST_F(FeatureModelTest, ListsOnThePaperPage) {
  CreateFeatureDictionary(&m_platform, &m_cuip);
  const HWND page = CreatePaperPage();
  ASSERT_NE(nullptr, page) << "template " << IDD_PAPER_TAB << " did not load";
  PAGEPARAMS params = Params();
  VENDORDEVMODE* vdm = params.m_pVendorDevmode;
  vdm->wNextPaperItemId = 777;

  FillGUIValuesForCombo(page, &params, L"PaperSize", IDC_COMBO_PAPERSIZE, true);
  const HWND paper = GetDlgItem(page, IDC_COMBO_PAPERSIZE);
  ASSERT_EQ(6, SendMessageW(paper, CB_GETCOUNT, 0, 0));
  const std::wstring texts[] = {L"My Form", L"A4", L"Letter", L"Envelope C6", L"Yours", L"Envelope DL"};
  const uint32_t firstUserId = m_platform.m_PaperIndexMap.at(0);
  const uint32_t itemIds[] = {firstUserId, 20002, 20009, 20024, firstUserId + 1, 20025};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(texts[i], plqr::ComboItemText(page, IDC_COMBO_PAPERSIZE, i)) << i;
    const LRESULT data = SendMessageW(paper, CB_GETITEMDATA, i, 0);
    EXPECT_EQ(itemIds[i], PaperItemIdOfData(data)) << i;
    EXPECT_EQ(0, data & 1) << "bit 0 is the unavailable mark, never part of the ID: " << i;
  }
  EXPECT_EQ(firstUserId + 1, vdm->wNextPaperItemId) << "the last user paper of the list";

  // A media list sets it back to 0; a keyword without entries leaves the
  // list and the device mode alone.
  FillGUIValuesForCombo(page, &params, L"MediaType", IDC_COMBO_MEDIATYPE, false);
  const HWND media = GetDlgItem(page, IDC_COMBO_MEDIATYPE);
  ASSERT_EQ(3, SendMessageW(media, CB_GETCOUNT, 0, 0));
  EXPECT_EQ(L"Heavy", plqr::ComboItemText(page, IDC_COMBO_MEDIATYPE, 2)) << "shown up to the last colon";
  EXPECT_EQ(0, SendMessageW(media, CB_GETITEMDATA, 2, 0));
  EXPECT_EQ(0, vdm->wNextPaperItemId);
  vdm->wNextPaperItemId = 4242;
  const HWND bins = GetDlgItem(page, IDC_COMBO_OUTPUTBIN);
  SendMessageW(bins, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"kept"));
  FillGUIValuesForCombo(page, &params, L"OutputBin", IDC_COMBO_OUTPUTBIN, false);
  EXPECT_EQ(1, SendMessageW(bins, CB_GETCOUNT, 0, 0));
  EXPECT_EQ(4242, vdm->wNextPaperItemId);

  // Selecting and reading back.
  EXPECT_EQ(2, FindComboStringExact(page, IDC_COMBO_PAPERSIZE, L"letter"));
  EXPECT_EQ(CB_ERR, FindComboStringExact(page, IDC_COMBO_PAPERSIZE, L"Lett"));
  const std::wstring longName(400, L'x');
  SendMessageW(bins, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longName.c_str()));
  SendMessageW(bins, CB_SETCURSEL, 1, 0);
  EXPECT_EQ(std::wstring(259, L'x'), GetComboSelectedText(page, IDC_COMBO_OUTPUTBIN));
}

// A picture replaces the control's previous image, which is deleted.
TEST_F(FeatureModelTest, APictureReplacesThePreviousImage) {
  CreateFeatureDictionary(&m_platform, &m_cuip);
  const HWND page = CreatePaperPage();
  ASSERT_NE(nullptr, page);
  const HBITMAP before = CreateBitmap(4, 4, 1, 32, nullptr);
  SendDlgItemMessageW(page, IDC_PICTURE_PAPER, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(before));
  SetControlImage(page, m_platform.m_hResInstance, IDB_ORIENT_PORTRAIT, IDC_PICTURE_PAPER, true);
  const auto now =
      reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(page, IDC_PICTURE_PAPER, STM_GETIMAGE, IMAGE_BITMAP, 0));
  EXPECT_NE(nullptr, now);
  EXPECT_NE(static_cast<HGDIOBJ>(before), now);
  EXPECT_EQ(0u, GetObjectType(before)) << "the previous image was not deleted";
}

TEST_F(FeatureModelTest, PaperSizeByName) {
  CreateFeatureDictionary(&m_platform, &m_cuip);
  int32_t width = -1;
  int32_t length = -1;
  EXPECT_TRUE(GetPaperSizeByName(m_printer.get(), m_platform.m_hResInstance, L"Yours", &width, &length));
  EXPECT_EQ(1200, width) << "the spooler's form first";
  EXPECT_EQ(800, length);
  EXPECT_TRUE(
      GetPaperSizeByName(m_printer.get(), m_platform.m_hResInstance, L"ENVELOPE monarch", &width, &length));
  EXPECT_EQ(984, width) << "then the table by name, ignoring case";
  EXPECT_EQ(1905, length);
  EXPECT_FALSE(GetPaperSizeByName(m_printer.get(), m_platform.m_hResInstance, L"Nowhere", &width, &length));
  EXPECT_EQ(0, width);

  // Wine's own spooler knows A4.
  plqr::SetSpooler(nullptr);
  EXPECT_TRUE(GetPaperSizeByName(m_printer.get(), nullptr, L"A4", &width, &length));
  EXPECT_EQ(2100, width);
  EXPECT_EQ(2970, length);
}

// The measurement system follows the user's country; the suite runs once per
// locale (see CMakeLists.txt) and PLQR_EXPECT_COUNTRY says which one.
TEST(FeatureModelLocale, IsMetricLocaleFollowsTheCountry) {
  wchar_t expected[8] = {};
  if (GetEnvironmentVariableW(L"PLQR_EXPECT_COUNTRY", expected, 8) == 0) {
    GTEST_SKIP() << "runs under a locale chosen by the test registration";
  }
  wchar_t country[7] = {};
  ASSERT_NE(0, GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ICOUNTRY, country, 7));
  ASSERT_STREQ(expected, country) << "the locale of this run is not the one it was registered for";
  const int code = _wtoi(country);
  const bool inches = code == 1 || code == 54;
  EXPECT_EQ(!inches, IsMetricLocale()) << "country " << code;
}

}  // namespace
