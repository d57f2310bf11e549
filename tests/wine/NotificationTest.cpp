// Change notification within a sheet: the rules of the two notifiers, the
// pages' registration for their windows' lifetime, the preset requests the
// pages answer through the sheet session, and the quick-settings panel on
// the real pages of the stand-in's sheet.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogAnswers.h"
#include "PageDriver.h"
#include "ResourceIds.h"
#include "StandIn.h"
#include "WineTestSupport.h"
#include "core/CommonTabs.h"
#include "core/PageParams.h"
#include "core/SettingsMessages.h"
#include "plugin/Plugin.h"

namespace {

using plqr::test::PageDriver;

// Every call an observer received, as "<name>:C" or "<name>:S<code>:<preset>".
std::vector<std::wstring> g_calls;

class Recorder : public IObserver {
 public:
  explicit Recorder(const wchar_t* name) : m_Name(name) {}
  void UpdateSettings(int32_t* code, const wchar_t* presetName, PAGEPARAMS*, VENDORRETURNITEMS*) override {
    g_calls.push_back(m_Name + L":S" + std::to_wstring(code ? *code : -1) + L":" +
                      (presetName ? presetName : L""));
  }
  void UpdateConstraints(PAGEPARAMS* context, VENDORRETURNITEMS* changed) override {
    g_calls.push_back(m_Name + L":C");
    m_LastContext = context;
    m_LastChanged = changed;
  }
  std::wstring m_Name;
  PAGEPARAMS* m_LastContext = nullptr;
  VENDORRETURNITEMS* m_LastChanged = nullptr;
};

TEST(Notifiers, KeepOrderRefuseDuplicatesAndDetach) {
  g_calls.clear();
  CCommonTabs session;
  Recorder a(L"a"), b(L"b"), c(L"c");
  CConstraintNotifier& constraints = session.ConstraintNotifier();
  EXPECT_TRUE(constraints.Attach(&b));
  EXPECT_TRUE(constraints.Attach(&a));
  EXPECT_FALSE(constraints.Attach(&b)) << "attaching twice";

  // The caller is notified too, and the arguments arrive unchanged.
  PAGEPARAMS params = {};
  VENDORRETURNITEMS changed;
  session.NotifyConstraintChange(&params, &changed);
  EXPECT_EQ((std::vector<std::wstring>{L"b:C", L"a:C"}), g_calls);
  EXPECT_EQ(&params, a.m_LastContext);
  EXPECT_EQ(&changed, a.m_LastChanged);

  EXPECT_TRUE(constraints.Detach(&b));
  EXPECT_EQ((std::vector<IObserver*>{&a}), constraints.Observers());
  EXPECT_TRUE(constraints.Detach(nullptr));
  EXPECT_TRUE(constraints.Observers().empty()) << "Detach(null) empties the list";

  // The settings notifier keeps a list of its own.
  EXPECT_TRUE(session.SettingsNotifier().Attach(&c));
  g_calls.clear();
  int32_t code = kSettingsSaved;
  session.SettingsNotifier().Notify(&code, L"Travel", nullptr, nullptr);
  EXPECT_EQ((std::vector<std::wstring>{L"c:S1:Travel"}), g_calls);
}

// The stand-in's document sheet, open on the print settings page.
class QuickSettingsTest : public plqr::test::SheetTest<0> {
 protected:
  void SetUp() override {
    SheetTest::SetUp();
    if (HasFatalFailure()) return;
    m_session = m_page->Session();
    ASSERT_NE(nullptr, m_session);
    g_calls.clear();
  }

  static HWND PanelOf(HWND page) { return FindWindowExW(page, nullptr, L"#32770", nullptr); }
  BYTE& SettingsChanged() { return m_page->Private().bSettingsChanged; }

  CCommonTabs* m_session = nullptr;
};

TEST_F(QuickSettingsTest, PagesAreRegisteredWhileTheirWindowsExist) {
  EXPECT_EQ(1u, m_session->ConstraintNotifier().Observers().size());
  EXPECT_EQ(1u, m_session->SettingsNotifier().Observers().size());
  PageDriver paper(*m_standIn.host, 1);
  ASSERT_TRUE(paper.Open());
  EXPECT_EQ(2u, m_session->ConstraintNotifier().Observers().size()) << "in the order the pages were shown";
  EXPECT_EQ(2u, m_session->SettingsNotifier().Observers().size());
  ASSERT_TRUE(m_standIn.host->Close(true));
  EXPECT_TRUE(m_session->ConstraintNotifier().Observers().empty()) << "each page detached with its window";
  EXPECT_TRUE(m_session->SettingsNotifier().Observers().empty());
}

TEST_F(QuickSettingsTest, PresetRequestsUpdateTheChangedFlag) {
  Recorder recorder(L"r");
  m_session->SettingsNotifier().Attach(&recorder);
  SETTINGSCHANGEREQUEST request = {};
  request.hOwner = m_page->Page();
  wcscpy(request.szName, L"Travel");
  const LPARAM record = reinterpret_cast<LPARAM>(&request);

  // Saves (1, 4) leave the settings saved, deletes (2) leave them alone,
  // applies (3, 5, 6, 7) mark them changed.
  struct Case {
    WPARAM code;
    BYTE before;
    BYTE after;
  };
  for (const Case& c : {Case{1, 1, 0}, Case{4, 1, 0}, Case{2, 1, 1}, Case{3, 0, 1}, Case{7, 0, 1}}) {
    SettingsChanged() = c.before;
    // A save tells the user it is done.
    plqr::test::DialogAnswers answers({plqr::test::Press(IDC_BUTTON_MESSAGE_OK)});
    SendMessageW(m_page->Page(), WM_SETTINGS_CHANGE_REQUEST, c.code, record);
    EXPECT_EQ(c.after, SettingsChanged()) << "request " << c.code;
  }
  // Saved twice, deleted, then applying it fails and is announced as event 4.
  EXPECT_EQ((std::vector<std::wstring>{L"r:S1:Travel", L"r:S1:Travel", L"r:S2:Travel", L"r:S4:Travel",
                                       L"r:S4:Travel"}),
            g_calls);

  // Without a record nothing changes; request 8 answers the flag.
  SettingsChanged() = 1;
  SendMessageW(m_page->Page(), WM_SETTINGS_CHANGE_REQUEST, 3, 0);
  EXPECT_EQ(1, SettingsChanged());
  BYTE answer = 0xAA;
  SendMessageW(m_page->Page(), WM_SETTINGS_CHANGE_REQUEST, kRequestQueryChanged,
               reinterpret_cast<LPARAM>(&answer));
  EXPECT_EQ(1, answer);

  // The session answers a record whose name fills it without a terminator.
  std::fill(std::begin(request.szName), std::end(request.szName), L'x');
  EXPECT_EQ(FALSE, m_session->HandleSettingsChangeRequest(m_page->Page(), 3, record, nullptr, nullptr));
  m_session->SettingsNotifier().Detach(&recorder);
}

TEST_F(QuickSettingsTest, ThePanelListsThePresetsAndFollowsTheirEvents) {
  HWND panel = PanelOf(m_page->Page());
  ASSERT_NE(nullptr, panel) << "template 212 was not created";
  EXPECT_TRUE(IsWindowVisible(panel));
  RECT client = {}, placed = {};
  GetClientRect(m_page->Page(), &client);
  GetWindowRect(panel, &placed);
  MapWindowPoints(nullptr, m_page->Page(), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_LE(placed.right, client.right) << "the panel fits in the page";
  EXPECT_LE(placed.bottom, client.bottom);

  HWND list = GetDlgItem(panel, IDC_COMBO_QUICKSETTINGS);
  const std::wstring factory = Page().String(IDS_QS_FACTORY_DEFAULTS);
  ASSERT_EQ(2, SendMessageW(list, CB_GETCOUNT, 0, 0));
  EXPECT_EQ(0, SendMessageW(list, CB_GETCURSEL, 0, 0));

  // An applied preset is the one every panel of the sheet shows.
  int32_t code = kSettingsApplied;
  m_session->SettingsNotifier().Notify(&code, factory.c_str(), nullptr, nullptr);
  EXPECT_EQ(1, SendMessageW(list, CB_GETCURSEL, 0, 0));
  PageDriver paper(*m_standIn.host, 1);
  ASSERT_TRUE(paper.Open());
  EXPECT_EQ(1, SendMessageW(GetDlgItem(PanelOf(paper.Page()), IDC_COMBO_QUICKSETTINGS), CB_GETCURSEL, 0, 0));

  // A saved preset is added once to every panel, and item 0 chosen.
  code = kSettingsSaved;
  m_session->SettingsNotifier().Notify(&code, L"Travel", nullptr, nullptr);
  m_session->SettingsNotifier().Notify(&code, L"TRAVEL", nullptr, nullptr);
  EXPECT_EQ(3, SendMessageW(list, CB_GETCOUNT, 0, 0));
  EXPECT_EQ(0, SendMessageW(list, CB_GETCURSEL, 0, 0));
  code = kSettingsDeleted;
  m_session->SettingsNotifier().Notify(&code, L"Travel", nullptr, nullptr);
  EXPECT_EQ(2, SendMessageW(list, CB_GETCOUNT, 0, 0));
}

TEST_F(QuickSettingsTest, ThePanelButtonsAskThePage) {
  HWND panel = PanelOf(m_page->Page());
  ASSERT_NE(nullptr, panel);
  // Apply: the page marks the settings changed and asks for Apply.
  SettingsChanged() = 0;
  m_page->ClearApply();
  {
    plqr::test::DialogAnswers answers({plqr::test::Press(IDC_BUTTON_MESSAGE_OK)});
    SendMessageW(GetDlgItem(panel, IDC_BUTTON_QUICKSETTINGS_APPLY), BM_CLICK, 0, 0);
  }
  EXPECT_EQ(1, SettingsChanged());
  EXPECT_TRUE(m_page->ApplyEnabled());

  // Save As with changed settings asks the user first; "No" stops there.
  std::wstring question;
  plqr::test::DialogAnswers answers({[&](HWND dialog) {
    question = plqr::test::WindowText(GetDlgItem(dialog, IDC_MESSAGE_TEXT));
    plqr::test::Press(IDC_BUTTON_MESSAGE_NO)(dialog);
  }});
  SendMessageW(GetDlgItem(panel, IDC_BUTTON_QUICKSETTINGS_SAVEAS), BM_CLICK, 0, 0);
  EXPECT_EQ(1u, answers.Given()) << "only the question was shown";
  EXPECT_EQ(Page().String(IDS_QS_SAVE_CHANGED_QUESTION), question);
  EXPECT_EQ(1, SettingsChanged());
}

}  // namespace
