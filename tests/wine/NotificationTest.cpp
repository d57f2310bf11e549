// Change notification between pages: the two notifiers, the quick-settings
// requests a page answers through CCommonTabs, and the quick-settings panel
// on a real page of the resource library.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ResourceIds.h"
#include "WineTestSupport.h"
#include "controls/QuickSettingsPanel.h"
#include "core/CommonTabs.h"
#include "core/Notifiers.h"
#include "core/PageParams.h"
#include "core/PrivateDevmode.h"
#include "core/SettingsMessages.h"
#include "plugin/Plugin.h"

// Writes a BMP of `window` as the screen shows it (a picture for people).
bool SaveWindowPicture(HWND window, const std::string& path);

namespace {

using plqr::test::PumpPending;
using plqr::test::PumpUntil;

// Every call an observer received, as "<name>:C" or "<name>:S<code>:<preset>".
std::vector<std::wstring> g_calls;

struct WM_REQUEST_SEEN {
  WPARAM code;
  HWND owner;
  std::wstring name;
};

// A document page as far as notification goes: attaches to the constraint
// notifier at WM_INITDIALOG and sends itself WM_INIT_QUICK_SETTINGS, which
// attaches it to the settings notifier and creates its panel; answers
// WM_SETTINGS_CHANGE_REQUEST through CCommonTabs; detaches and destroys its
// panel in its destructor.
class TestPage : public IObserver {
 public:
  TestPage(const wchar_t* name, HINSTANCE resources, HWND host, CCommonTabs* tabs)
      : m_Name(name), m_Tabs(tabs) {
    m_Params.m_pVendorDevmode = plqr::VendorDevmodeOf(m_Private.data());
    m_Params.m_SelectionDictionary = &m_Selections;
    m_hWnd = CreateDialogParamW(resources, MAKEINTRESOURCEW(IDD_PRINT_SETTINGS_TAB), host, PageProc,
                                reinterpret_cast<LPARAM>(this));
    if (m_hWnd != nullptr) {
      EnableWindow(m_hWnd, TRUE);
      ShowWindow(m_hWnd, SW_SHOW);
    }
  }
  ~TestPage() override {
    m_Tabs->SettingsNotifier().Detach(this);
    m_Tabs->ConstraintNotifier().Detach(this);
    m_Panel.Destroy();
    if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
  }

  void UpdateSettings(int32_t* code, const wchar_t* presetName, PAGEPARAMS* context,
                      VENDORRETURNITEMS* changed) override {
    g_calls.push_back(m_Name + L":S" + std::to_wstring(code ? *code : -1) + L":" +
                      (presetName ? presetName : L""));
    if (code != nullptr && *code == kSettingsApplied && context != nullptr && changed != nullptr) ++m_Reloads;
    if (code != nullptr) m_Panel.Update(*code, presetName);
  }
  void UpdateConstraints(PAGEPARAMS* context, VENDORRETURNITEMS*) override {
    g_calls.push_back(m_Name + L":C");
    m_LastContext = context;
  }

  static INT_PTR CALLBACK PageProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(hDlg, DWLP_USER, lParam);
    auto* self = reinterpret_cast<TestPage*>(GetWindowLongPtrW(hDlg, DWLP_USER));
    if (self == nullptr) return FALSE;
    switch (message) {
      case WM_INITDIALOG:
        self->m_hWnd = hDlg;
        self->m_Tabs->ConstraintNotifier().Attach(self);
        SendMessageW(hDlg, WM_INIT_QUICK_SETTINGS, 0, 0);
        return TRUE;
      case WM_INIT_QUICK_SETTINGS: {
        self->m_Tabs->SettingsNotifier().Attach(self);
        HINSTANCE resources = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hDlg, GWLP_HINSTANCE));
        self->m_Tabs->PresetStore()->Initialise(resources, L"Test Printer");
        self->m_Panel.Create(hDlg, resources, self->m_Tabs);
        return TRUE;
      }
      case WM_SETTINGS_CHANGE_REQUEST: {
        if (lParam != 0 && wParam >= 1 && wParam <= 7) {
          const auto* record = reinterpret_cast<const SETTINGSCHANGEREQUEST*>(lParam);
          self->m_Requests.push_back(
              {wParam, record->hOwner, std::wstring(record->szName, wcsnlen(record->szName, 260))});
        } else {
          self->m_Requests.push_back({wParam, nullptr, L""});
        }
        self->m_LastResult = self->m_Tabs->HandleSettingsChangeRequest(hDlg, wParam, lParam, &self->m_Params,
                                                                       &self->m_Changed);
        return TRUE;
      }
      default:
        return FALSE;
    }
  }

  BYTE& SettingsChanged() { return m_Params.m_pVendorDevmode->bSettingsChanged; }

  std::wstring m_Name;
  CCommonTabs* m_Tabs;
  HWND m_hWnd = nullptr;
  CQuickSettings m_Panel;
  std::vector<BYTE> m_Private = std::vector<BYTE>(plqr::kPrivateDevmodeSize);
  SelectionDictionary m_Selections;
  PAGEPARAMS m_Params = {};
  VENDORRETURNITEMS m_Changed;
  std::vector<WM_REQUEST_SEEN> m_Requests;
  BOOL m_LastResult = -1;
  int m_Reloads = 0;
  PAGEPARAMS* m_LastContext = nullptr;
};

// An observer that only records.
class Recorder : public IObserver {
 public:
  explicit Recorder(const wchar_t* name) : m_Name(name) {}
  void UpdateSettings(int32_t* code, const wchar_t* presetName, PAGEPARAMS*, VENDORRETURNITEMS*) override {
    g_calls.push_back(m_Name + L":S" + std::to_wstring(code ? *code : -1) + L":" +
                      (presetName ? presetName : L""));
    m_LastCode = code;
  }
  void UpdateConstraints(PAGEPARAMS* context, VENDORRETURNITEMS* changed) override {
    g_calls.push_back(m_Name + L":C");
    m_LastContext = context;
    m_LastChanged = changed;
  }
  std::wstring m_Name;
  int32_t* m_LastCode = nullptr;
  PAGEPARAMS* m_LastContext = nullptr;
  VENDORRETURNITEMS* m_LastChanged = nullptr;
};

std::wstring ResourceString(HMODULE module, UINT id) {
  wchar_t text[1024] = {};
  LoadStringW(module, id, text, 1024);
  return text;
}

std::wstring ComboItem(HWND combo, int index) {
  wchar_t text[300] = {};
  if (SendMessageW(combo, CB_GETLBTEXTLEN, index, 0) < 300)
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

// One top-level window holds the pages of every test: Wine without a window
// manager waits two seconds for each managed top-level window it takes down.
HWND SharedHost() {
  static const HWND host = CreateWindowExW(0, L"STATIC", L"Printing Preferences", WS_POPUP | WS_VISIBLE, 0, 0,
                                           520, 520, nullptr, nullptr, nullptr, nullptr);
  return host;
}

class NotificationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_calls.clear();
    m_Tabs.SettingsNotifier().Detach(nullptr);
    m_Tabs.ConstraintNotifier().Detach(nullptr);
    ASSERT_TRUE(m_Resources) << "PLQRDVXSRES.DLL did not load";
    m_Host = SharedHost();
    ASSERT_NE(nullptr, m_Host);
  }
  void TearDown() override {
    PumpPending();
    m_Tabs.SettingsNotifier().Detach(nullptr);
    m_Tabs.ConstraintNotifier().Detach(nullptr);
  }
  std::unique_ptr<TestPage> NewPage(const wchar_t* name) {
    auto page = std::make_unique<TestPage>(name, m_Resources.get(), m_Host, &m_Tabs);
    EXPECT_NE(nullptr, page->m_hWnd) << "page template 201 was not created";
    return page;
  }

  plqr::test::LoadedModule m_Resources{L"PLQRDVXSRES.DLL"};
  CCommonTabs m_Tabs{plqr::ProductParts()};
  HWND m_Host = nullptr;
};

TEST_F(NotificationTest, NotifiersKeepOrderRefuseDuplicatesAndDetach) {
  Recorder a(L"a"), b(L"b"), c(L"c");
  CConstraintNotifier* constraints = &m_Tabs.ConstraintNotifier();
  EXPECT_TRUE(constraints->Attach(&b));
  EXPECT_TRUE(constraints->Attach(&a));
  EXPECT_FALSE(constraints->Attach(&b)) << "attaching twice";
  EXPECT_FALSE(constraints->Attach(nullptr));
  EXPECT_EQ(2u, constraints->Observers().size());

  // The caller is notified too, and the arguments arrive unchanged.
  PAGEPARAMS params = {};
  VENDORRETURNITEMS changed;
  m_Tabs.NotifyConstraintChange(&params, &changed);
  EXPECT_EQ((std::vector<std::wstring>{L"b:C", L"a:C"}), g_calls);
  EXPECT_EQ(&params, a.m_LastContext);
  EXPECT_EQ(&changed, a.m_LastChanged);

  EXPECT_TRUE(constraints->Detach(&c)) << "detaching an observer that is not registered";
  EXPECT_EQ(2u, constraints->Observers().size());
  EXPECT_TRUE(constraints->Detach(&b));
  g_calls.clear();
  m_Tabs.NotifyConstraintChange(nullptr, nullptr);
  EXPECT_EQ((std::vector<std::wstring>{L"a:C"}), g_calls);
  EXPECT_TRUE(constraints->Detach(nullptr));
  EXPECT_TRUE(constraints->Observers().empty()) << "Detach(null) empties the list";
  EXPECT_TRUE(constraints->Detach(nullptr)) << "an empty list is left alone";

  // The settings notifier: same rules, its own list, the code passed by address.
  CSettingsNotifier* settings = &m_Tabs.SettingsNotifier();
  EXPECT_TRUE(settings->Attach(&c));
  EXPECT_TRUE(settings->Attach(&a));
  EXPECT_TRUE(constraints->Observers().empty());
  g_calls.clear();
  int32_t code = kSettingsSaved;
  settings->Notify(&code, L"Travel", nullptr, nullptr);
  EXPECT_EQ((std::vector<std::wstring>{L"c:S1:Travel", L"a:S1:Travel"}), g_calls);
  EXPECT_EQ(&code, c.m_LastCode);
}

TEST_F(NotificationTest, PagesAttachOnInitAndADestroyedPageIsNotCalled) {
  auto first = NewPage(L"first");
  auto second = NewPage(L"second");
  ASSERT_NE(nullptr, first->m_hWnd);
  ASSERT_NE(nullptr, second->m_hWnd);
  // WM_INITDIALOG attached both to the constraint notifier, the
  // WM_INIT_QUICK_SETTINGS each page sent itself to the settings notifier.
  EXPECT_EQ((std::vector<IObserver*>{first.get(), second.get()}), m_Tabs.ConstraintNotifier().Observers());
  EXPECT_EQ((std::vector<IObserver*>{first.get(), second.get()}), m_Tabs.SettingsNotifier().Observers());

  m_Tabs.NotifyConstraintChange(&second->m_Params, nullptr);
  EXPECT_EQ((std::vector<std::wstring>{L"first:C", L"second:C"}), g_calls);
  EXPECT_EQ(&second->m_Params, first->m_LastContext);

  first.reset();
  EXPECT_EQ(1u, m_Tabs.ConstraintNotifier().Observers().size());
  EXPECT_EQ(1u, m_Tabs.SettingsNotifier().Observers().size());
  g_calls.clear();
  m_Tabs.NotifyConstraintChange(nullptr, nullptr);
  int32_t code = kSettingsFailed;
  m_Tabs.SettingsNotifier().Notify(&code, L"x", nullptr, nullptr);
  EXPECT_EQ((std::vector<std::wstring>{L"second:C", L"second:S4:x"}), g_calls);
}

TEST_F(NotificationTest, SettingsChangeRequestsUpdateTheChangedFlag) {
  auto page = NewPage(L"page");
  ASSERT_NE(nullptr, page->m_hWnd);
  HWND hwnd = page->m_hWnd;
  SETTINGSCHANGEREQUEST request = {};
  request.hOwner = hwnd;
  wcscpy(request.szName, L"Travel");
  const LPARAM record = reinterpret_cast<LPARAM>(&request);

  // Saves (1, 4) leave the settings saved, deletes (2) leave them alone,
  // applies (3, 5, 6, 7) mark them changed. The store cannot save, apply or
  // delete yet, so every operation reports failure.
  struct Case {
    WPARAM code;
    BYTE before;
    BYTE after;
  };
  for (const Case& c : {Case{1, 1, 0}, Case{4, 1, 0}, Case{2, 1, 1}, Case{2, 0, 0}, Case{3, 0, 1},
                        Case{5, 0, 1}, Case{6, 0, 1}, Case{7, 0, 1}}) {
    page->SettingsChanged() = c.before;
    page->m_LastResult = -1;
    SendMessageW(hwnd, WM_SETTINGS_CHANGE_REQUEST, c.code, record);
    EXPECT_EQ(FALSE, page->m_LastResult) << "request " << c.code;
    EXPECT_EQ(c.after, page->SettingsChanged()) << "request " << c.code;
  }

  // Without a record, 1 to 7 answer 0 and change nothing.
  for (WPARAM code = 1; code <= 7; ++code) {
    page->SettingsChanged() = 1;
    SendMessageW(hwnd, WM_SETTINGS_CHANGE_REQUEST, code, 0);
    EXPECT_EQ(FALSE, page->m_LastResult) << "request " << code;
    EXPECT_EQ(1, page->SettingsChanged()) << "request " << code;
  }

  // 8 answers the flag; codes outside 1 to 8 do nothing and answer 1.
  for (BYTE flag : {BYTE(0), BYTE(1)}) {
    page->SettingsChanged() = flag;
    BYTE answer = 0xAA;
    SendMessageW(hwnd, WM_SETTINGS_CHANGE_REQUEST, 8, reinterpret_cast<LPARAM>(&answer));
    EXPECT_EQ(flag, answer);
    EXPECT_EQ(TRUE, page->m_LastResult);
  }
  SendMessageW(hwnd, WM_SETTINGS_CHANGE_REQUEST, 8, 0);
  EXPECT_EQ(TRUE, page->m_LastResult);
  for (WPARAM code : {WPARAM(0), WPARAM(9), WPARAM(2025)}) {
    page->SettingsChanged() = 1;
    SendMessageW(hwnd, WM_SETTINGS_CHANGE_REQUEST, code, record);
    EXPECT_EQ(TRUE, page->m_LastResult) << "request " << code;
    EXPECT_EQ(1, page->SettingsChanged()) << "request " << code;
  }

  // A name that fills the record without a terminator, and no context.
  std::fill(std::begin(request.szName), std::end(request.szName), L'x');
  EXPECT_EQ(FALSE, m_Tabs.HandleSettingsChangeRequest(hwnd, 3, record, nullptr, nullptr));
  BYTE answer = 0xAA;
  EXPECT_EQ(TRUE,
            m_Tabs.HandleSettingsChangeRequest(hwnd, 8, reinterpret_cast<LPARAM>(&answer), nullptr, nullptr));
  EXPECT_EQ(0, answer);

  // A failed apply or delete is announced as event 4 with the name.
  g_calls.clear();
  wcscpy(request.szName, L"Travel");
  SendMessageW(hwnd, WM_SETTINGS_CHANGE_REQUEST, 7, record);
  EXPECT_EQ((std::vector<std::wstring>{L"page:S4:Travel"}), g_calls);
}

TEST_F(NotificationTest, PanelPlacementFactors) {
  EXPECT_EQ(340, CQuickSettings::PanelPosition(RECT{0, 0, 600, 400}).x);
  EXPECT_EQ(299, CQuickSettings::PanelPosition(RECT{0, 0, 600, 400}).y);
  EXPECT_EQ(429, CQuickSettings::PanelPosition(RECT{0, 0, 601, 400}).x);
  EXPECT_EQ(313, CQuickSettings::PanelPosition(RECT{0, 0, 601, 400}).y);
}

TEST_F(NotificationTest, PanelOnARealPageListsPresetsAndFollowsEvents) {
  auto page = NewPage(L"page");
  ASSERT_NE(nullptr, page->m_hWnd);
  HWND panel = page->m_Panel.Window();
  ASSERT_NE(nullptr, panel) << "template 212 was not created";
  EXPECT_EQ(page->m_hWnd, GetParent(panel));
  EXPECT_TRUE(IsWindowVisible(panel));
  HWND list = GetDlgItem(panel, IDC_COMBO_QUICKSETTINGS);
  ASSERT_NE(nullptr, list);
  EXPECT_NE(nullptr, GetDlgItem(panel, IDC_BUTTON_QUICKSETTINGS_APPLY));
  EXPECT_NE(nullptr, GetDlgItem(panel, IDC_BUTTON_QUICKSETTINGS_SAVEAS));

  // Placed by the page's client size, without being resized.
  RECT client = {}, placed = {};
  GetClientRect(page->m_hWnd, &client);
  GetWindowRect(panel, &placed);
  MapWindowPoints(nullptr, page->m_hWnd, reinterpret_cast<POINT*>(&placed), 2);
  const POINT expected = CQuickSettings::PanelPosition(client);
  EXPECT_EQ(expected.x, placed.left);
  EXPECT_EQ(expected.y, placed.top);
  EXPECT_LT(client.right, 601) << "the pages are narrower than 601 pixels";
  EXPECT_LE(placed.right, client.right) << "the panel fits in the page";
  EXPECT_LE(placed.bottom, client.bottom) << "the panel fits in the page";
  EXPECT_TRUE(page->m_Panel.Create(page->m_hWnd, m_Resources.get(), &m_Tabs));
  EXPECT_EQ(panel, page->m_Panel.Window()) << "a second Create keeps the panel";

  // The two built-in names, 621 first.
  const std::wstring mine = ResourceString(m_Resources.get(), IDS_QS_MY_DEFAULTS);
  const std::wstring factory = ResourceString(m_Resources.get(), IDS_QS_FACTORY_DEFAULTS);
  ASSERT_FALSE(mine.empty());
  ASSERT_EQ(2, SendMessageW(list, CB_GETCOUNT, 0, 0));
  EXPECT_EQ(mine, ComboItem(list, 0));
  EXPECT_EQ(factory, ComboItem(list, 1));
  EXPECT_EQ(0, SendMessageW(list, CB_GETCURSEL, 0, 0));

  if (const char* folder = std::getenv("PLQR_SCREENSHOT_DIR")) {
    SaveWindowPicture(m_Host, std::string(folder) + "/quick_settings_panel.bmp");
  }

  // An applied preset becomes the current index of every panel.
  page->m_Panel.Update(kSettingsApplied, factory.c_str());
  EXPECT_EQ(1, SendMessageW(list, CB_GETCURSEL, 0, 0));
  EXPECT_EQ(1u, m_Tabs.m_dwQuickSettingsIndex);
  auto second = NewPage(L"second");
  ASSERT_NE(nullptr, second->m_Panel.Window());
  EXPECT_EQ(1,
            SendMessageW(GetDlgItem(second->m_Panel.Window(), IDC_COMBO_QUICKSETTINGS), CB_GETCURSEL, 0, 0));
  second.reset();
  EXPECT_EQ(0u, m_Tabs.m_dwQuickSettingsIndex) << "destroying a panel resets the current index";

  // Saved: appended once (names compare without case), item 0 selected.
  page->m_Panel.Update(kSettingsApplied, factory.c_str());
  page->m_Panel.Update(kSettingsSaved, L"Travel");
  page->m_Panel.Update(kSettingsSaved, L"TRAVEL");
  ASSERT_EQ(3, SendMessageW(list, CB_GETCOUNT, 0, 0));
  EXPECT_EQ(L"Travel", ComboItem(list, 2));
  EXPECT_EQ(0, SendMessageW(list, CB_GETCURSEL, 0, 0));
  page->m_Panel.Update(kSettingsApplied, L"Travel");
  EXPECT_EQ(2, SendMessageW(list, CB_GETCURSEL, 0, 0));
  page->m_Panel.Update(kSettingsApplied, L"Unknown");
  EXPECT_EQ(0, SendMessageW(list, CB_GETCURSEL, 0, 0)) << "an unknown name selects item 0";
  page->m_Panel.Update(kSettingsApplied, L"Travel");
  page->m_Panel.Update(kSettingsFailed, L"Travel");
  EXPECT_EQ(2, SendMessageW(list, CB_GETCURSEL, 0, 0)) << "event 4 changes nothing";
  page->m_Panel.Update(kSettingsDeleted, L"Travel");
  EXPECT_EQ(2, SendMessageW(list, CB_GETCOUNT, 0, 0));
  EXPECT_EQ(0, SendMessageW(list, CB_GETCURSEL, 0, 0));
  page->m_Panel.Update(kSettingsSaved, nullptr);
  EXPECT_EQ(2, SendMessageW(list, CB_GETCOUNT, 0, 0)) << "no name, nothing appended";
}

// Answers the message box the panel shows with IDNO, keeping its text.
std::wstring g_questionText;
void CALLBACK AnswerNo(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM) -> BOOL {
        wchar_t className[32] = {};
        GetClassNameW(window, className, 32);
        if (!IsWindowVisible(window) || std::wstring(className) != L"#32770") return TRUE;
        g_questionText = plqr::test::WindowText(GetDlgItem(window, 0xFFFF));
        PostMessageW(window, WM_COMMAND, IDNO, 0);
        return FALSE;
      },
      0);
}

TEST_F(NotificationTest, PanelButtonsSendRequestsToThePage) {
  auto page = NewPage(L"page");
  HWND panel = page->m_Panel.Window();
  ASSERT_NE(nullptr, panel);
  HWND list = GetDlgItem(panel, IDC_COMBO_QUICKSETTINGS);
  const std::wstring factory = ResourceString(m_Resources.get(), IDS_QS_FACTORY_DEFAULTS);

  // Apply: request 3 with the selected name, owned by the panel; the page
  // marks the settings changed.
  SendMessageW(list, CB_SETCURSEL, 1, 0);
  page->SettingsChanged() = 0;
  SendMessageW(GetDlgItem(panel, IDC_BUTTON_QUICKSETTINGS_APPLY), BM_CLICK, 0, 0);
  ASSERT_EQ(1u, page->m_Requests.size());
  EXPECT_EQ(WPARAM(kRequestApplyFromPanel), page->m_Requests[0].code);
  EXPECT_EQ(panel, page->m_Requests[0].owner);
  EXPECT_EQ(factory, page->m_Requests[0].name);
  EXPECT_EQ(1, page->SettingsChanged());

  // Save As with unchanged settings asks the page (request 8) and nothing else.
  page->m_Requests.clear();
  page->SettingsChanged() = 0;
  SendMessageW(GetDlgItem(panel, IDC_BUTTON_QUICKSETTINGS_SAVEAS), BM_CLICK, 0, 0);
  ASSERT_EQ(1u, page->m_Requests.size());
  EXPECT_EQ(WPARAM(kRequestQueryChanged), page->m_Requests[0].code);

  // With changed settings it asks the user first; "No" stops there.
  page->m_Requests.clear();
  page->SettingsChanged() = 1;
  g_questionText.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerNo);
  SendMessageW(GetDlgItem(panel, IDC_BUTTON_QUICKSETTINGS_SAVEAS), BM_CLICK, 0, 0);
  KillTimer(nullptr, timer);
  EXPECT_EQ(ResourceString(m_Resources.get(), IDS_QS_SAVE_CHANGED_QUESTION), g_questionText);
  ASSERT_EQ(1u, page->m_Requests.size());
  EXPECT_EQ(1, page->SettingsChanged());
}

}  // namespace

bool SaveWindowPicture(HWND window, const std::string& path) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpPending();
  RECT rect = {};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  const DWORD stride = ((width * 3 + 3) / 4) * 4, size = stride * height;
  BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
                           DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
  std::string data(reinterpret_cast<const char*>(&file), sizeof(file));
  data.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(BITMAPINFOHEADER));
  data.append(static_cast<const char*>(bits), size);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  FILE* out = fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  fwrite(data.data(), 1, data.size(), out);
  fclose(out);
  return true;
}
