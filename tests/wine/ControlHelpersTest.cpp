// The helpers every page and dialog shares: subclassing through the
// "SubClassControl" property, hint icons, and owner-drawn lists with
// unavailable items, driven on the print settings page of the stand-in's sheet.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PageDriver.h"
#include "ResourceIds.h"
#include "WineTestSupport.h"
#include "controls/HintIcon.h"
#include "controls/SubclassControl.h"
#include "controls/UnavailableCombo.h"
#include "core/PageParams.h"

namespace {

using plqr::test::PumpPending;
using plqr::test::PumpUntil;

// --- Subclassing -------------------------------------------------------------

// What the window's own procedure saw at WM_DESTROY, and what reached the
// replacement.
bool g_propertyAtDestroy = true;
WNDPROC g_procAtDestroy = nullptr;
int g_replacementCalls = 0;
int g_replacementAfterDestroy = 0;

// The class procedure: ignores WM_SETTEXT, so a text that arrives shows that
// the default procedure handled it.
LRESULT CALLBACK OwnProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) return FALSE;
  if (message == WM_DESTROY) {
    g_propertyAtDestroy = GetPropW(hwnd, plqr::kSubClassControlProperty) != nullptr;
    g_procAtDestroy = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Consumes WM_APP, passes everything else on.
LRESULT CALLBACK Replacement(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ++g_replacementCalls;
  if (g_procAtDestroy != nullptr) ++g_replacementAfterDestroy;
  if (message == WM_APP) return 42;
  return plqr::CallSubclassedProc(hwnd, message, wParam, lParam);
}

TEST(SubclassControl, PassesOnWhatItDoesNotConsumeAndRestoresOnDestroy) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = OwnProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"PlqrSubclassTest";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, L"PlqrSubclassTest", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
  ASSERT_NE(nullptr, window);
  // Without the property: the default window procedure.
  plqr::CallSubclassedProc(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"default"));
  EXPECT_EQ(L"default", plqr::test::WindowText(window));

  ASSERT_TRUE(plqr::SubclassControl(window, Replacement));
  EXPECT_EQ(&OwnProc, reinterpret_cast<WNDPROC>(GetPropW(window, L"SubClassControl")));
  EXPECT_FALSE(plqr::SubclassControl(window, Replacement)) << "a second subclass would lose the first";
  EXPECT_EQ(42, SendMessageW(window, WM_APP, 0, 0));
  // WM_SETTEXT passes the replacement on to the class procedure.
  g_replacementCalls = 0;
  SetWindowTextW(window, L"ignored");
  EXPECT_EQ(L"default", plqr::test::WindowText(window));
  EXPECT_GT(g_replacementCalls, 0);

  g_procAtDestroy = nullptr;
  g_replacementAfterDestroy = 0;
  DestroyWindow(window);
  EXPECT_FALSE(g_propertyAtDestroy) << "the property is removed before the kept procedure runs";
  EXPECT_EQ(&OwnProc, g_procAtDestroy) << "the kept procedure is back at WM_DESTROY";
  EXPECT_EQ(0, g_replacementAfterDestroy) << "nothing reaches the replacement after WM_DESTROY";
}

// The print settings page of a fresh sheet of the stand-in for every test.
using PageTest = plqr::test::SheetTest<0>;

// --- Hint icons ---------------------------------------------------------------

std::wstring TooltipText(HWND tip, HWND hint) {
  std::vector<wchar_t> text(2048, L'\0');
  TTTOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = hint;
  tool.uId = 1;
  tool.lpszText = text.data();
  SendMessageW(tip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
  return text.data();
}

TEST_F(PageTest, HintIconBesideAControlShowsItsTextOnClick) {
  const HWND page = Page().Page();
  HWND first = plqr::CreateHintIcon(page);
  HWND second = plqr::CreateHintIcon(page);
  ASSERT_NE(nullptr, first);
  ASSERT_NE(nullptr, second);
  EXPECT_EQ(GetDlgCtrlID(first) + 1, GetDlgCtrlID(second)) << "the next free hint ID";
  EXPECT_FALSE(IsWindowVisible(first)) << "hidden until a constraint shows it";
  EXPECT_NE(0, SendMessageW(first, STM_GETICON, 0, 0)) << "the information icon";

  plqr::ShowHintIcon(first, Page().Item(IDC_GROUP_DUPLEX), IDS_HINT_DUPLEX_LOCKED, -35, 0);
  EXPECT_TRUE(IsWindowVisible(first));

  // The help pointer over it.
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  SendMessageW(first, WM_SETCURSOR, reinterpret_cast<WPARAM>(first), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(LoadCursorW(nullptr, IDC_HELP), GetCursor());

  // A click shows the string. Wine's HTML Help shows no text pop-up, so the
  // text appears in the tooltip beside the icon.
  const std::wstring expected = Page().String(IDS_HINT_DUPLEX_LOCKED);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(expected, plqr::HintIconText(first));
  SendMessageW(first, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(first, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  HWND tip = plqr::HintIconTooltip(first);
  if (tip == nullptr) GTEST_SKIP() << "the HTML Help control showed the text pop-up itself";
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tip) != FALSE; }, 2000)) << "the text is not shown";
  EXPECT_EQ(expected, TooltipText(tip, first));

  plqr::HideHintIcon(first);
  EXPECT_FALSE(IsWindowVisible(first));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(tip); }, 2000)) << "the text stays after hiding";

  DestroyWindow(first);
  EXPECT_FALSE(IsWindow(tip)) << "the tooltip goes with its icon";
}

// --- Owner-drawn list with unavailable items -------------------------------------

COMBOBOXINFO ComboInfo(HWND combo) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(combo, &info);
  return info;
}

// The page's pages-per-sheet list, where a front cover in use makes the
// booklet (item 1) unavailable.
class UnavailableComboTest : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    if (HasFatalFailure()) return;
    m_Combo = Page().Item(IDC_COMBO_NUP);
    Page().Private().abFrontCover[0] = 3;
    VENDORRETURNITEMS changed;
    Page().NotifyConstraints(changed);
    ASSERT_TRUE(Page().Unavailable(IDC_COMBO_NUP, 1));
    ASSERT_EQ(0, Selection());
  }
  int Selection() const { return static_cast<int>(SendMessageW(m_Combo, CB_GETCURSEL, 0, 0)); }
  int PagesPerSheet() { return Page().Private().wPagesPerSheet; }
  void Key(WPARAM key) { SendMessageW(m_Combo, WM_KEYDOWN, key, 1); }

  HWND m_Combo = nullptr;
};

TEST_F(UnavailableComboTest, KeysStepOverUnavailableItems) {
  SetFocus(m_Combo);
  Key(VK_DOWN);
  EXPECT_EQ(2, Selection()) << "down skips the unavailable booklet";
  EXPECT_EQ(2, PagesPerSheet()) << "the page hears of the change";
  Key(VK_UP);
  EXPECT_EQ(0, Selection());
  EXPECT_EQ(1, PagesPerSheet());
  Key(VK_UP);
  EXPECT_EQ(0, Selection()) << "nothing above the first item";

  // Nothing available below: the key does nothing.
  plqr::SetComboItemUnavailable(m_Combo, 6, true);
  plqr::SetComboItemUnavailable(m_Combo, 7, true);
  SendMessageW(m_Combo, CB_SETCURSEL, 5, 0);
  Key(VK_DOWN);
  EXPECT_EQ(5, Selection());
  EXPECT_EQ(1, PagesPerSheet()) << "the page was told of nothing";
}

TEST_F(UnavailableComboTest, AListChoiceOfAnUnavailableItemIsRefused) {
  Page().Choose(IDC_COMBO_NUP, 3);
  ASSERT_EQ(4, PagesPerSheet());
  SendMessageW(m_Combo, CB_SHOWDROPDOWN, TRUE, 0);
  const COMBOBOXINFO info = ComboInfo(m_Combo);
  ASSERT_NE(nullptr, info.hwndList);
  ASSERT_TRUE(IsWindowVisible(info.hwndList));

  // What a click on the booklet entry makes the list report to the combo box.
  SendMessageW(info.hwndList, LB_SETCURSEL, 1, 0);
  SendMessageW(m_Combo, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(info.hwndList), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(info.hwndList));
  PumpPending();
  EXPECT_EQ(3, Selection()) << "the previous selection stays";
  EXPECT_EQ(4, PagesPerSheet()) << "the page is not told of a refused choice";
  EXPECT_FALSE(SendMessageW(m_Combo, CB_GETDROPPEDSTATE, 0, 0)) << "the list closes";
}

TEST_F(UnavailableComboTest, HighlightInTheOpenListMovesOffUnavailableItems) {
  plqr::SetComboItemUnavailable(m_Combo, 2, true);
  SendMessageW(m_Combo, CB_SHOWDROPDOWN, TRUE, 0);
  const COMBOBOXINFO info = ComboInfo(m_Combo);
  ASSERT_NE(nullptr, info.hwndList);
  PumpPending();
  // The mouse moving over an entry highlights it.
  SendMessageW(info.hwndList, LB_SETCURSEL, 1, 0);
  EXPECT_TRUE(PumpUntil([&] { return SendMessageW(info.hwndList, LB_GETCURSEL, 0, 0) == 3; }, 2000))
      << "the highlight stays at " << SendMessageW(info.hwndList, LB_GETCURSEL, 0, 0);

  // Past the last available item it wraps to the first.
  plqr::SetComboItemUnavailable(m_Combo, 7, true);
  SendMessageW(info.hwndList, LB_SETCURSEL, 7, 0);
  EXPECT_TRUE(PumpUntil([&] { return SendMessageW(info.hwndList, LB_GETCURSEL, 0, 0) == 0; }, 2000))
      << "the highlight stays at " << SendMessageW(info.hwndList, LB_GETCURSEL, 0, 0);
  SendMessageW(m_Combo, CB_SHOWDROPDOWN, FALSE, 0);
}

// Counts the pixels of the selection field that have exactly `colour`.
int CountPixels(HWND combo, COLORREF colour) {
  const COMBOBOXINFO info = ComboInfo(combo);
  HDC dc = GetDC(combo);
  int count = 0;
  for (LONG y = info.rcItem.top; y < info.rcItem.bottom; ++y) {
    for (LONG x = info.rcItem.left; x < info.rcItem.right; ++x) {
      if (GetPixel(dc, x, y) == colour) ++count;
    }
  }
  ReleaseDC(combo, dc);
  return count;
}

TEST_F(UnavailableComboTest, UnavailableItemsAreDrawnGrey) {
  SetFocus(Page().Item(IDC_CHECK_COLLATE));  // no highlight in the selection field
  const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
  const COLORREF black = GetSysColor(COLOR_WINDOWTEXT);
  ASSERT_NE(grey, black);

  // The page may select an unavailable item itself (a constraint came later).
  SendMessageW(m_Combo, CB_SETCURSEL, 1, 0);
  RedrawWindow(m_Combo, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpPending();
  EXPECT_GT(CountPixels(m_Combo, grey), 0) << "the unavailable item is not grey";
  EXPECT_EQ(0, CountPixels(m_Combo, black)) << "the unavailable item has text-coloured pixels";

  SendMessageW(m_Combo, CB_SETCURSEL, 2, 0);
  RedrawWindow(m_Combo, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpPending();
  EXPECT_GT(CountPixels(m_Combo, black), 0) << "an available item is drawn in the text colour";
}

}  // namespace
