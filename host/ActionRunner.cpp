#include "ActionRunner.h"

#include <cwchar>

#include "HostText.h"
#include "Screenshot.h"

namespace plqr::host {

namespace {

ActionRunner* g_runner = nullptr;
constexpr UINT kTickMs = 20;
constexpr int kApplyButton = 0x3021;  // the property sheet's Apply button

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

bool IsClass(HWND window, const wchar_t* name) {
  return _wcsicmp(ClassOf(window).c_str(), name) == 0;
}

std::wstring WindowTitle(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

struct DialogSearch {
  HWND sheet;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<DialogSearch*>(lParam);
  if (window != search->sheet && IsWindowVisible(window) && IsClass(window, L"#32770")) {
    search->found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> ThreadDialogs(HWND sheet) {
  DialogSearch search{sheet, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

ActionRunner::ActionRunner(CoreDriverHost& host, const ActionScript& script, std::string fileName,
                           std::wstring screenshotFolder)
    : m_host(host),
      m_script(script),
      m_fileName(std::move(fileName)),
      m_folder(std::move(screenshotFolder)) {}

ActionRunner::~ActionRunner() {
  if (m_timer != 0) KillTimer(nullptr, m_timer);
  if (g_runner == this) g_runner = nullptr;
}

HWND ActionRunner::OpenDialog() const {
  // A modal dialog disables its owner, so the enabled one is the innermost.
  for (HWND dialog : ThreadDialogs(m_host.SheetWindow())) {
    if (IsWindowEnabled(dialog)) return dialog;
  }
  return nullptr;
}

std::wstring ActionRunner::TargetName(HWND target) const {
  if (target == nullptr) return L"the sheet";
  if (GetParent(target) != m_host.SheetWindow()) return L"the dialog \"" + WindowTitle(target) + L"\"";
  const std::vector<std::wstring> titles = m_host.Sheet().PageTitles();
  const int index = m_host.Sheet().CurrentPageIndex();
  const std::wstring title = index >= 0 && static_cast<size_t>(index) < titles.size() ? titles[index] : L"";
  return L"the page \"" + title + L"\"";
}

void ActionRunner::PictureNewDialogs() {
  if (m_folder.empty()) return;
  for (HWND dialog : ThreadDialogs(m_host.SheetWindow())) {
    bool seen = false;
    for (HWND known : m_pictured) seen = seen || known == dialog;
    if (seen) continue;
    m_pictured.push_back(dialog);
    std::string name = "dialog-" + std::to_string(m_pictured.size());
    Screenshot(dialog, name);
  }
}

VOID CALLBACK ActionRunner::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_runner != nullptr) g_runner->Step();
}

void ActionRunner::Step() {
  if (m_failed || m_next >= m_script.actions.size()) return;
  PictureNewDialogs();
  const Action& action = m_script.actions[m_next++];
  ++m_running;
  std::string failure = Perform(action);
  --m_running;
  if (!failure.empty() && !m_failed) {
    m_failed = true;
    m_error = ActionError{m_fileName, action.line, ActionName(action.kind) + std::string(": ") + failure}
                  .ToString();
  }
}

bool ActionRunner::Run(std::string& error, DWORD timeoutMs) {
  g_runner = this;
  m_timer = SetTimer(nullptr, 0, kTickMs, &ActionRunner::Tick);
  const bool finished = m_host.PumpUntil(
      [this] { return m_failed || (m_next >= m_script.actions.size() && m_running == 0); }, timeoutMs);
  if (!finished && !m_failed) {
    m_failed = true;
    m_error = ActionError{m_fileName, m_next > 0 ? m_script.actions[m_next - 1].line : 0,
                          "the action did not finish within " + std::to_string(timeoutMs / 1000) + " seconds"}
                  .ToString();
  }
  if (m_failed) {
    // Unwind what the script opened: every dialog gets Cancel.
    m_host.PumpUntil(
        [this] {
          HWND dialog = OpenDialog();
          if (dialog != nullptr) PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
          return dialog == nullptr && m_running == 0;
        },
        10000);
  }
  KillTimer(nullptr, m_timer);
  m_timer = 0;
  g_runner = nullptr;
  if (!m_failed) PictureNewDialogs();
  error = m_error;
  return !m_failed;
}

std::string ActionRunner::Perform(const Action& action) {
  HWND dialog = OpenDialog();
  const bool sheetOpen = m_host.SheetOpen();
  if (dialog == nullptr && !sheetOpen) return "the sheet is closed";
  HWND target = dialog != nullptr ? dialog : m_host.Sheet().CurrentPageWindow();
  const std::wstring text = Widen(action.text);

  switch (action.kind) {
    case Action::Kind::Page: {
      if (dialog != nullptr) return "a dialog is open (" + Narrow(WindowTitle(dialog)) + "); close it first";
      const std::vector<std::wstring> titles = m_host.Sheet().PageTitles();
      size_t index = titles.size();
      if (action.text.empty()) {
        index = static_cast<size_t>(action.number - 1);
      } else {
        for (size_t i = 0; i < titles.size(); ++i) {
          if (_wcsicmp(titles[i].c_str(), text.c_str()) == 0) index = i;
        }
      }
      if (index >= titles.size()) {
        std::string known;
        for (const std::wstring& title : titles)
          known += (known.empty() ? "\"" : ", \"") + Narrow(title) + "\"";
        return action.text.empty() ? "the sheet has " + std::to_string(titles.size()) + " pages"
                                   : "no page \"" + action.text + "\"; the pages are " + known;
      }
      if (!m_host.Sheet().SelectPage(index)) return "the page did not open";
      return {};
    }
    case Action::Kind::Ok:
    case Action::Kind::Cancel:
    case Action::Kind::Apply:
      return PressButton(action);
    case Action::Kind::Screenshot:
      return Screenshot(dialog != nullptr ? dialog : m_host.SheetWindow(), action.text);
    default:
      break;
  }

  HWND control = target != nullptr ? GetDlgItem(target, static_cast<int>(action.controlId)) : nullptr;
  if (control == nullptr) {
    return "no control " + std::to_string(action.controlId) + " on " + Narrow(TargetName(target));
  }
  if (!IsWindowVisible(control)) return "control " + std::to_string(action.controlId) + " is hidden";
  if (!IsWindowEnabled(control)) return "control " + std::to_string(action.controlId) + " is disabled";
  switch (action.kind) {
    case Action::Kind::Click:
      return Click(control);
    case Action::Kind::Choose:
      return Choose(control, text, action.text);
    case Action::Kind::Type:
      return Type(target, control, text);
    case Action::Kind::Slider:
      return Slide(control, action.number);
    default:
      return "unexpected action";
  }
}

std::string ActionRunner::Click(HWND control) {
  if (IsClass(control, L"Button")) {
    SendMessageW(control, BM_CLICK, 0, 0);
    return {};
  }
  RECT rect = {};
  GetClientRect(control, &rect);
  const LPARAM point = MAKELPARAM((rect.right - rect.left) / 2, (rect.bottom - rect.top) / 2);
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(control, WM_LBUTTONUP, 0, point);
  return {};
}

std::string ActionRunner::Choose(HWND control, const std::wstring& text, const std::string& quoted) {
  const int id = GetDlgCtrlID(control);
  HWND parent = GetParent(control);
  if (IsClass(control, L"ComboBox")) {
    const LRESULT index = SendMessageW(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    if (index == CB_ERR) return "\"" + quoted + "\" is not in the list of control " + std::to_string(id);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if ((style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0 &&
        (SendMessageW(control, CB_GETITEMDATA, static_cast<WPARAM>(index), 0) & 1) != 0) {
      return "\"" + quoted + "\" is unavailable in control " + std::to_string(id);
    }
    SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
    return {};
  }
  if (IsClass(control, L"ListBox")) {
    const LRESULT index = SendMessageW(control, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    if (index == LB_ERR) return "\"" + quoted + "\" is not in the list of control " + std::to_string(id);
    SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
    return {};
  }
  if (IsClass(control, WC_LISTVIEWW)) {
    LVFINDINFOW find = {};
    find.flags = LVFI_STRING;
    find.psz = text.c_str();
    const LRESULT index =
        SendMessageW(control, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find));
    if (index < 0) return "\"" + quoted + "\" is not in the list of control " + std::to_string(id);
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return {};
  }
  return "control " + std::to_string(id) + " is a " + Narrow(ClassOf(control)) + ", not a list";
}

std::string ActionRunner::Type(HWND target, HWND control, const std::wstring& text) {
  if (!IsClass(control, L"Edit")) {
    return "control " + std::to_string(GetDlgCtrlID(control)) + " is a " + Narrow(ClassOf(control)) +
           ", not an edit";
  }
  SetFocus(control);
  SendMessageW(control, EM_SETSEL, 0, -1);
  if (text.empty()) {
    SendMessageW(control, WM_CHAR, VK_BACK, 0);
  } else {
    for (const wchar_t c : text) SendMessageW(control, WM_CHAR, c, 1);
  }
  // Leave the field as the Tab key does.
  HWND next = GetNextDlgTabItem(target, control, FALSE);
  SetFocus(next != nullptr && next != control ? next : target);
  return {};
}

std::string ActionRunner::Slide(HWND control, int position) {
  if (!IsClass(control, TRACKBAR_CLASSW)) {
    return "control " + std::to_string(GetDlgCtrlID(control)) + " is a " + Narrow(ClassOf(control)) +
           ", not a slider";
  }
  const LRESULT low = SendMessageW(control, TBM_GETRANGEMIN, 0, 0);
  const LRESULT high = SendMessageW(control, TBM_GETRANGEMAX, 0, 0);
  if (position < low || position > high) {
    return "position " + std::to_string(position) + " is outside " + std::to_string(low) + " to " +
           std::to_string(high);
  }
  SendMessageW(control, TBM_SETPOS, TRUE, position);
  const UINT message = (GetWindowLongW(control, GWL_STYLE) & TBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL;
  HWND parent = GetParent(control);
  SendMessageW(parent, message, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(control));
  SendMessageW(parent, message, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(control));
  return {};
}

std::string ActionRunner::PressButton(const Action& action) {
  HWND dialog = OpenDialog();
  HWND owner = dialog != nullptr ? dialog : m_host.SheetWindow();
  int id = IDOK;
  if (action.kind == Action::Kind::Cancel) id = IDCANCEL;
  if (action.kind == Action::Kind::Apply) {
    if (dialog != nullptr) return "a dialog has no Apply button";
    id = kApplyButton;
  }
  HWND button = GetDlgItem(owner, id);
  if (button == nullptr) {
    // A message box without Cancel still closes on Escape.
    if (dialog != nullptr && id == IDCANCEL) {
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return {};
    }
    return std::string("there is no ") + ActionName(action.kind) + " button";
  }
  if (!IsWindowEnabled(button) || !IsWindowVisible(button)) {
    return std::string("the ") + ActionName(action.kind) + " button is not enabled";
  }
  SendMessageW(button, BM_CLICK, 0, 0);
  return {};
}

std::string ActionRunner::Screenshot(HWND window, const std::string& name) {
  std::wstring path = m_folder.empty() ? Widen(name) + L".png" : m_folder + L"\\" + Widen(name) + L".png";
  std::wstring problem;
  if (!SaveWindowPng(window, path, problem)) return Narrow(problem);
  m_written.push_back(path);
  return {};
}

}  // namespace plqr::host
