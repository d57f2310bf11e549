// The quick-settings store with a real settings file, and presets saved,
// applied and deleted through the real panel and dialogs of the stand-in's
// sheet.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogAnswers.h"
#include "PageDriver.h"
#include "ResourceIds.h"
#include "TestPrinter.h"
#include "UserInput.h"
#include "WineTestSupport.h"
#include "core/CommonTabs.h"
#include "core/PageParams.h"
#include "core/SettingsMessages.h"
#include "preview/PresetRecord.h"
#include "preview/QuickSettingsStore.h"
#include "support/ConversionsWin.h"
#include "support/ProfileStructText.h"
#include "support/UserSettingsFolder.h"

namespace {

using namespace plqr::test;

std::wstring Profile(const std::wstring& path, const std::wstring& section, const wchar_t* key) {
  wchar_t text[64] = {};
  GetPrivateProfileStringW(section.c_str(), key, L"", text, 64, path.c_str());
  return text;
}

std::wstring FreshFile(const wchar_t* printer) {
  const std::wstring path = plqr::GetDriverSettingsFilePath(printer);
  DeleteFileW(path.c_str());
  return path;
}

class Events : public IObserver {
 public:
  void UpdateSettings(int32_t* code, const wchar_t* name, PAGEPARAMS*, VENDORRETURNITEMS*) override {
    m_Seen.push_back(std::to_wstring(*code) + L":" + name);
  }
  void UpdateConstraints(PAGEPARAMS*, VENDORRETURNITEMS*) override {}
  std::vector<std::wstring> m_Seen;
};

// A store of its own printer's emptied file, and a context of plain records.
class PresetStoreTest : public ::testing::Test {
 protected:
  static constexpr wchar_t kPrinter[] = L"Quick Settings Test Printer";
  void SetUp() override {
    ASSERT_TRUE(m_resources);
    m_path = FreshFile(kPrinter);
    m_session.SettingsNotifier().Attach(&m_events);
    m_store.Initialise(m_resources.get(), kPrinter);
    for (const wchar_t* keyword : {L"Duplex", L"GraphicsMode", L"Nup", L"PaperSize"})
      for (const wchar_t* option : {L"a", L"b", L"c"}) m_options.emplace(keyword, option);
    m_selections = {{L"Duplex", 1}, {L"GraphicsMode", 0}, {L"Nup", 2}, {L"PaperSize", 2}};
    m_public.dmSize = sizeof(DEVMODEW);
    m_public.dmOrientation = DMORIENT_LANDSCAPE;
    m_public.dmCopies = 3;
    plqr::ApplyVendorDevmodeDefaults(m_body);
    m_body.wPagesPerSheet = 4;
    m_body.sPaperSizeIndex = 1;
  }
  std::wstring Section(int n) const { return L"DrvSet_" + std::to_wstring(n); }

  LoadedModule m_resources{L"PLQRDVXSRES.DLL", LOAD_LIBRARY_AS_DATAFILE};
  std::wstring m_path;
  CCommonTabs m_session;
  CQuickSettingsStore m_store{m_session};
  Events m_events;
  OptionNameDictionary m_options;
  SelectionDictionary m_selections;
  DEVMODEW m_public = {};
  plqr::VENDORDEVMODE m_body = {};
  VENDORRETURNITEMS m_changed;
  PAGEPARAMS m_params = {&m_options, nullptr, &m_selections, 0,       &m_body, &m_public,
                         nullptr,    nullptr, nullptr,       nullptr, nullptr, &m_session};
};

TEST_F(PresetStoreTest, ANewFileListsTheBuiltInNamesAndEitherAppliesTheDefaultSet) {
  const std::vector<std::wstring> builtIn = m_store.Names();
  ASSERT_EQ((std::vector<std::wstring>{L"My Defaults", L"Factory Defaults"}), builtIn);
  for (const std::wstring& name : builtIn) {
    m_public.dmOrientation = DMORIENT_LANDSCAPE;
    m_body.sPaperSizeIndex = 1;
    m_selections = {{L"Duplex", 1}, {L"GraphicsMode", 0}, {L"Nup", 2}, {L"PaperSize", 2}};
    m_changed.clear();
    ASSERT_TRUE(m_store.Apply(name.c_str(), &m_params, &m_changed));
    EXPECT_EQ(DMORIENT_PORTRAIT, m_public.dmOrientation);
    EXPECT_EQ(1, m_public.dmCopies);
    EXPECT_EQ(0x910Du, m_public.dmFields & 0x910Du);
    EXPECT_EQ(1, m_body.wPagesPerSheet) << "the body defaults";
    EXPECT_NE(m_body.bIsMMSet, m_body.bIsInchSet);
    // GraphicsMode and PaperSize are set but not written back; the rest go to 0.
    EXPECT_EQ((SelectionDictionary{{L"Duplex", 0}, {L"GraphicsMode", 1}, {L"Nup", 0}, {L"PaperSize", 1}}),
              m_selections);
    EXPECT_EQ((std::map<std::wstring, uint32_t>{{L"Duplex", 0}, {L"Nup", 0}}), m_changed.m_Items);
  }
  EXPECT_EQ((std::vector<std::wstring>{L"3:My Defaults", L"3:Factory Defaults"}), m_events.m_Seen);
}

TEST_F(PresetStoreTest, SectionsFollowSavesAndDeletes) {
  ASSERT_TRUE(m_store.Save(L"Travel", &m_params));
  ASSERT_TRUE(m_store.Save(L"Travel", &m_params));
  EXPECT_EQ(L"1", Profile(m_path, L"CommonSettings", L"CurId")) << "saved twice, one section";
  ASSERT_TRUE(m_store.Save(L"Office", &m_params));
  ASSERT_TRUE(m_store.Save(L"Draft", &m_params));
  ASSERT_TRUE(m_store.Delete(L"Office"));
  EXPECT_FALSE(m_store.Delete(L"Office"));
  EXPECT_EQ(L"3", Profile(m_path, L"CommonSettings", L"CurId"));
  EXPECT_EQ(L"", Profile(m_path, Section(2), L"Name"));
  ASSERT_TRUE(m_store.Save(L"Poster", &m_params));
  EXPECT_EQ(L"Poster", Profile(m_path, Section(4), L"Name"));
  EXPECT_EQ(L"432", Profile(m_path, Section(4), L"Volume")) << "four 108-byte entries";

  // One name for the save-as dialog, two sections for the lookup.
  EXPECT_TRUE(m_store.NameExists(L"TRAVEL"));
  ASSERT_TRUE(m_store.Save(L"TRAVEL", &m_params));
  EXPECT_EQ(L"TRAVEL", Profile(m_path, Section(5), L"Name"));

  // Names are UTF-8 in the file and read back whole.
  const std::wstring name = L"Entw\u00FCrfe \u65E5\u672C \U0001F5A8";
  ASSERT_TRUE(m_store.Save(name.c_str(), &m_params));
  char bytes[64] = {};
  GetPrivateProfileStringA("DrvSet_6", "Name", "", bytes, 64, plqr::ws2s(m_path).c_str());
  EXPECT_EQ(
      "Entw\xC3\xBC"
      "rfe \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x96\xA8",
      std::string(bytes));
  CQuickSettingsStore reread(m_session);
  reread.Initialise(m_resources.get(), kPrinter);
  EXPECT_EQ((std::vector<std::wstring>{L"My Defaults", L"Factory Defaults", L"Travel", L"Draft", L"Poster",
                                       L"TRAVEL", name}),
            reread.Names());
  EXPECT_EQ(reread.Names(), m_store.Names());
  EXPECT_EQ(L"2:Office", m_events.m_Seen[4]);
  EXPECT_EQ(L"4:Office", m_events.m_Seen[5]);

  // A save that cannot write leaves the list and the file as they were.
  m_params.pPublicDM = nullptr;
  EXPECT_FALSE(m_store.Save(L"Broken", &m_params));
  EXPECT_EQ(reread.Names(), m_store.Names());
  EXPECT_EQ(L"", Profile(m_path, Section(7), L"Name"));
}

TEST_F(PresetStoreTest, APresetAppliesWholeOrNotAtAll) {
  m_selections[L"Retired"] = 2;  // a feature the printer no longer offers
  ASSERT_TRUE(m_store.Save(L"Keep", &m_params));
  m_selections = {{L"Duplex", 0}, {L"GraphicsMode", 0}, {L"Nup", 0}, {L"PaperSize", 2}};
  m_public.dmOrientation = DMORIENT_PORTRAIT;
  m_body.wPagesPerSheet = 1;
  ASSERT_TRUE(m_store.Apply(L"Keep", &m_params, &m_changed));
  EXPECT_EQ(DMORIENT_LANDSCAPE, m_public.dmOrientation);
  EXPECT_EQ(4, m_body.wPagesPerSheet);
  EXPECT_EQ((std::map<std::wstring, uint32_t>{{L"Duplex", 1}, {L"Nup", 2}, {L"Retired", 2}}),
            m_changed.m_Items);

  // Written by hand: hex and checksum, a body value out of range and an
  // option index beyond the list.
  plqr::VENDORDEVMODE body = m_body;
  body.wPagesPerSheet = 7;
  std::vector<uint8_t> features = plqr::EncodeFeatureValues({{L"Duplex", 2}, {L"Nup", 9}});
  const auto hex = [](const void* data, size_t size) {
    const std::u16string text = plqr::EncodeProfileStruct(data, size);
    return std::wstring(text.begin(), text.end());
  };
  WritePrivateProfileStringW(L"CommonSettings", L"CurId", L"9", m_path.c_str());
  for (const wchar_t* section : {L"DrvSet_8", L"DrvSet_9"}) {
    WritePrivateProfileStringW(section, L"Name", section, m_path.c_str());
    WritePrivateProfileStringW(section, L"Pdm", hex(&m_public, sizeof m_public).c_str(), m_path.c_str());
    WritePrivateProfileStringW(section, L"Vdm", hex(&body, sizeof body).c_str(), m_path.c_str());
    WritePrivateProfileStringW(section, L"Volume", L"216", m_path.c_str());
    WritePrivateProfileStringW(section, L"FeatVal", hex(features.data(), features.size()).c_str(),
                               m_path.c_str());
  }
  m_changed.clear();
  ASSERT_TRUE(m_store.Apply(L"DrvSet_8", &m_params, &m_changed));
  EXPECT_EQ(1, m_body.wPagesPerSheet) << "checked as a merged device mode";
  EXPECT_EQ((std::map<std::wstring, uint32_t>{{L"Duplex", 2}}), m_changed.m_Items);

  // A Vdm cut short changes nothing and says so.
  WritePrivateProfileStringW(L"DrvSet_9", L"Vdm", hex(&body, sizeof body).substr(0, 2000).c_str(),
                             m_path.c_str());
  m_public.dmOrientation = DMORIENT_PORTRAIT;
  m_body.wPagesPerSheet = 2;
  m_events.m_Seen.clear();
  EXPECT_FALSE(m_store.Apply(L"DrvSet_9", &m_params, &m_changed));
  EXPECT_EQ(DMORIENT_PORTRAIT, m_public.dmOrientation);
  EXPECT_EQ(2, m_body.wPagesPerSheet);
  EXPECT_EQ((std::vector<std::wstring>{L"4:DrvSet_9"}), m_events.m_Seen);
}

TEST_F(PresetStoreTest, TwoPrintersKeepTwoFiles) {
  const wchar_t* other = L"Quick Settings Other Printer";
  FreshFile(other);
  CQuickSettingsStore second(m_session);
  second.Initialise(m_resources.get(), other);
  ASSERT_TRUE(m_store.Save(L"Mine", &m_params));
  EXPECT_NE(m_store.FilePath(), second.FilePath());
  second.Initialise(m_resources.get(), other);
  EXPECT_EQ(2u, second.Names().size());
}

// The stand-in's sheet on the print settings page, with no presets yet.
class QuickSettingsSheetTest : public SheetTest<0> {
 protected:
  void BeforeOpening(plqr::host::CoreDriverHost&) override { m_path = FreshFile(kTestPrinterName); }
  static HWND Panel(HWND page) { return FindWindowExW(page, nullptr, L"#32770", nullptr); }
  static LRESULT Listed(HWND page, const wchar_t* name) {
    return SendDlgItemMessageW(Panel(page), IDC_COMBO_QUICKSETTINGS, CB_FINDSTRINGEXACT,
                               static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
  }
  void OpenQuickSettings() {
    SendMessageW(Page().Page(), WM_COMMAND, MAKEWPARAM(IDC_BUTTON_QUICKSETTINGS, BN_CLICKED), 0);
  }
  std::wstring m_path;
};

TEST_F(QuickSettingsSheetTest, APresetIsSavedAppliedAndDeletedOnEveryPage) {
  PageDriver paper(Host(), 1);
  ASSERT_TRUE(paper.Open());
  ASSERT_TRUE(Page().Open());
  Page().Choose(IDC_COMBO_NUP, Page().Find(IDC_COMBO_NUP, L"4"));
  Page().Click(IDC_RADIO_LANDSCAPE);
  const int nup = Page().Selection(IDC_COMBO_NUP);
  const LONG nupItem = Page().ItemSel("Nup");
  ASSERT_EQ(4, Page().Private().wPagesPerSheet);
  {
    // The changed settings are confirmed, the name typed, the message read.
    DialogAnswers answers({Press(IDC_BUTTON_MESSAGE_YES), TypeAndPress(IDC_EDIT_QS_NAME, L"Four up", IDOK),
                           Press(IDC_BUTTON_MESSAGE_OK)});
    plqr::host::Click(GetDlgItem(Panel(Page().Page()), IDC_BUTTON_QUICKSETTINGS_SAVEAS));
    EXPECT_EQ(3u, answers.Given());
  }
  EXPECT_NE(CB_ERR, Listed(Page().Page(), L"Four up"));
  EXPECT_NE(CB_ERR, Listed(paper.Page(), L"Four up")) << "the other open page's panel";

  Page().Choose(IDC_COMBO_NUP, Page().Find(IDC_COMBO_NUP, L"1"));
  Page().Click(IDC_RADIO_PORTRAIT);
  ASSERT_EQ(DMORIENT_PORTRAIT, Page().Public().dmOrientation);
  {
    std::wstring listed;
    DialogAnswers answers(
        {Press(IDC_BUTTON_QS_APPLY_SAVED),
         [&](HWND dialog) {
           listed = WindowText(dialog) + L"/" +
                    std::to_wstring(SendDlgItemMessageW(dialog, IDC_LIST_QS_PRESETS, LB_GETCOUNT, 0, 0));
           Press(IDOK)(dialog);
         },
         Press(IDC_BUTTON_MESSAGE_OK), Press(IDCANCEL)});
    OpenQuickSettings();
    EXPECT_EQ(4u, answers.Given());
    EXPECT_EQ(L"Apply a Quick Setting/1", listed) << "the built-in presets are not listed";
  }
  EXPECT_EQ(nup, Page().Selection(IDC_COMBO_NUP));
  EXPECT_TRUE(Page().Checked(IDC_RADIO_LANDSCAPE));
  EXPECT_EQ(4, Page().Private().wPagesPerSheet);
  EXPECT_EQ(DMORIENT_LANDSCAPE, Page().Public().dmOrientation);
  EXPECT_EQ(nupItem, Page().ItemSel("Nup"));
  EXPECT_EQ(1, Page().ItemSel("Orientation"));
  EXPECT_EQ(Listed(paper.Page(), L"Four up"),
            SendDlgItemMessageW(Panel(paper.Page()), IDC_COMBO_QUICKSETTINGS, CB_GETCURSEL, 0, 0));

  {
    DialogAnswers answers({Press(IDC_BUTTON_QS_DELETE_SAVED), Press(IDOK), Press(IDCANCEL)});
    OpenQuickSettings();
    EXPECT_EQ(3u, answers.Given());
  }
  EXPECT_EQ(CB_ERR, Listed(Page().Page(), L"Four up"));
  EXPECT_EQ(CB_ERR, Listed(paper.Page(), L"Four up"));
  EXPECT_EQ(L"", Profile(m_path, L"DrvSet_1", L"Name"));
}

TEST_F(QuickSettingsSheetTest, TheSaveAsDialogRefusesANameInUseWhateverItsCase) {
  std::wstring refused;
  // The dialog stays after the refusal, for another name or Cancel.
  DialogAnswers answers({Press(IDC_BUTTON_MESSAGE_YES), TypeAndPress(IDC_EDIT_QS_NAME, L"my defaults", IDOK),
                         [&](HWND message) {
                           refused = WindowText(GetDlgItem(message, IDC_MESSAGE_TEXT));
                           Press(IDC_BUTTON_MESSAGE_OK)(message);
                         },
                         Press(IDCANCEL)});
  plqr::host::Click(GetDlgItem(Panel(Page().Page()), IDC_BUTTON_QUICKSETTINGS_SAVEAS));
  EXPECT_EQ(4u, answers.Given());
  EXPECT_EQ(Page().String(IDS_QS_NAME_IN_USE), refused);
  EXPECT_EQ(L"", Profile(m_path, L"CommonSettings", L"CurId")) << "nothing saved";
}

}  // namespace
