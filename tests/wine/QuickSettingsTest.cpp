// The quick-settings store with a real settings file. (The panel and the
// dialogs on the stand-in's sheet: host/demo/examples/quick-settings.txt,
// run by CTest, and the notification suite.)
#include <windows.h>

#include <gtest/gtest.h>

#include "WineTestSupport.h"
#include "core/CommonTabs.h"
#include "core/PageParams.h"
#include "preview/PresetRecord.h"
#include "preview/QuickSettingsStore.h"
#include "support/ConversionsWin.h"
#include "support/ProfileStructText.h"
#include "support/UserSettingsFolder.h"

namespace {

std::wstring Profile(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  wchar_t text[64] = {};
  GetPrivateProfileStringW(section, key, L"", text, 64, path.c_str());
  return text;
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
    DeleteFileW(m_path.c_str());
    m_session.SettingsNotifier().Attach(&m_events);
    m_store.Initialise(m_resources.get(), kPrinter);
    for (const wchar_t* keyword : {L"Duplex", L"GraphicsMode", L"Nup", L"PaperSize"})
      for (const wchar_t* option : {L"a", L"b", L"c"}) m_options.emplace(keyword, option);
    m_selections = {{L"Duplex", 1}, {L"GraphicsMode", 0}, {L"Nup", 2}, {L"PaperSize", 2}};
    m_public.dmOrientation = DMORIENT_LANDSCAPE;
    plqr::ApplyVendorDevmodeDefaults(m_body);
    m_body.wPagesPerSheet = 4;
    m_body.sPaperSizeIndex = 1;
  }

  plqr::test::LoadedModule m_resources{L"PLQRDVXSRES.DLL", LOAD_LIBRARY_AS_DATAFILE};
  const std::wstring m_path = plqr::GetDriverSettingsFilePath(kPrinter);
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
  ASSERT_EQ((std::vector<std::wstring>{L"My Defaults", L"Factory Defaults"}), m_store.Names());
  ASSERT_TRUE(m_store.Apply(L"Factory Defaults", &m_params, &m_changed));
  EXPECT_EQ(DMORIENT_PORTRAIT, m_public.dmOrientation);
  EXPECT_EQ(0x910Du, m_public.dmFields & 0x910Du);
  EXPECT_EQ(1, m_body.wPagesPerSheet) << "the body defaults";
  EXPECT_NE(m_body.bIsMMSet, m_body.bIsInchSet);
  // GraphicsMode and PaperSize are set but not written back; the rest go to 0.
  EXPECT_EQ((SelectionDictionary{{L"Duplex", 0}, {L"GraphicsMode", 1}, {L"Nup", 0}, {L"PaperSize", 1}}),
            m_selections);
  EXPECT_EQ((std::map<std::wstring, uint32_t>{{L"Duplex", 0}, {L"Nup", 0}}), m_changed.m_Items);
  m_body.wPagesPerSheet = 4;
  ASSERT_TRUE(m_store.Apply(L"My Defaults", &m_params, &m_changed));
  EXPECT_EQ(1, m_body.wPagesPerSheet) << "no preset of that name: the default set too";
  EXPECT_EQ((std::vector<std::wstring>{L"3:Factory Defaults", L"3:My Defaults"}), m_events.m_Seen);
}

TEST_F(PresetStoreTest, SectionsFollowSavesAndDeletes) {
  ASSERT_TRUE(m_store.Save(L"Travel", &m_params));
  ASSERT_TRUE(m_store.Save(L"Travel", &m_params));
  EXPECT_EQ(L"1", Profile(m_path, L"CommonSettings", L"CurId")) << "saved twice, one section";
  ASSERT_TRUE(m_store.Save(L"Office", &m_params));
  ASSERT_TRUE(m_store.Save(L"Draft", &m_params));
  ASSERT_TRUE(m_store.Delete(L"Office"));
  EXPECT_FALSE(m_store.Delete(L"Office")) << "announced as event 4";
  EXPECT_EQ(L"3", Profile(m_path, L"CommonSettings", L"CurId"));
  EXPECT_EQ(L"", Profile(m_path, L"DrvSet_2", L"Name"));
  ASSERT_TRUE(m_store.Save(L"Poster", &m_params));
  EXPECT_EQ(L"Poster", Profile(m_path, L"DrvSet_4", L"Name"));
  EXPECT_EQ(L"432", Profile(m_path, L"DrvSet_4", L"Volume")) << "four 108-byte entries";

  // One name for the save-as dialog, two sections for the lookup.
  EXPECT_TRUE(m_store.NameExists(L"TRAVEL"));
  ASSERT_TRUE(m_store.Save(L"TRAVEL", &m_params));
  EXPECT_EQ(L"TRAVEL", Profile(m_path, L"DrvSet_5", L"Name"));

  // Names are UTF-8 in the file and read back whole.
  const std::wstring name = L"Entw\u00FCrfe \u65E5\u672C \U0001F5A8";
  ASSERT_TRUE(m_store.Save(name.c_str(), &m_params));
  char bytes[64] = {};
  GetPrivateProfileStringA("DrvSet_6", "Name", "", bytes, 64, plqr::ws2s(m_path).c_str());
  EXPECT_EQ(plqr::PresetNameToUtf8(plqr::ToU16(name)), bytes);
  CQuickSettingsStore reread(m_session);
  reread.Initialise(m_resources.get(), kPrinter);
  EXPECT_EQ((std::vector<std::wstring>{L"My Defaults", L"Factory Defaults", L"Travel", L"Draft", L"Poster",
                                       L"TRAVEL", name}),
            reread.Names());
  EXPECT_EQ(reread.Names(), m_store.Names());

  // A save that cannot write leaves the list and the file as they were.
  m_params.pPublicDM = nullptr;
  EXPECT_FALSE(m_store.Save(L"Broken", &m_params));
  EXPECT_EQ(reread.Names(), m_store.Names());
  EXPECT_EQ(L"", Profile(m_path, L"DrvSet_7", L"Name"));
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
  EXPECT_FALSE(m_store.Apply(L"DrvSet_9", &m_params, &m_changed));
  EXPECT_EQ(DMORIENT_PORTRAIT, m_public.dmOrientation);
  EXPECT_EQ(L"4:DrvSet_9", m_events.m_Seen.back());
}

}  // namespace
