#include "ActionRunner.h"

#include <cstdio>
#include <cwchar>

#include "HostText.h"
#include "Screenshot.h"
#include "SettingsJson.h"
#include "UserInput.h"
#include "settings/JsonLeaves.h"

namespace plqr::host {

namespace {

ActionRunner* g_runner = nullptr;
constexpr UINT kTickMs = 20;
constexpr int kApplyButton = 0x3021;  // the property sheet's Apply button

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

// Control `id` of `target`, or of a child dialog inside it (such as the
// quick-settings panel of a page).
HWND FindControl(HWND target, int id) {
  if (target == nullptr) return nullptr;
  if (HWND control = GetDlgItem(target, id)) return control;
  for (HWND child = FindWindowExW(target, nullptr, L"#32770", nullptr); child != nullptr;
       child = FindWindowExW(target, child, L"#32770", nullptr)) {
    if (HWND control = FindControl(child, id)) return control;
  }
  return nullptr;
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
  // Inside an action's modal loop with no dialog shown: one dialog has just
  // closed and the next (which its button opens) is not there yet.
  if (m_running > 0 && OpenDialog() == nullptr) return;
  PictureNewDialogs();
  const Action& action = m_script.actions[m_next++];
  ++m_running;
  std::string failure = Perform(action);
  --m_running;
  if (!failure.empty() && !m_failed) {
    m_failed = true;
    const bool expectation = action.kind == Action::Kind::Expect;
    m_expectationFailed = expectation;
    m_error = ActionError{m_fileName, action.line,
                          expectation ? failure : ActionName(action.kind) + std::string(": ") + failure}
                  .ToString();
    // A dialog the script left open keeps the run from unwinding until it
    // closes: say at once what stopped it.
    fwprintf(stderr, L"%hs\n", m_error.c_str());
    fflush(stderr);
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
  if (action.kind == Action::Kind::Expect) return Expect(action);
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
    case Action::Kind::Command:
      // What the button's click sends to its dialog.
      if (target == nullptr) return "no page is shown";
      SendMessageW(target, WM_COMMAND, MAKEWPARAM(action.controlId, BN_CLICKED), 0);
      return {};
    default:
      break;
  }

  HWND control = FindControl(target, static_cast<int>(action.controlId));
  if (control == nullptr) {
    return "no control " + std::to_string(action.controlId) + " on " + Narrow(TargetName(target));
  }
  if (!IsWindowEnabled(control)) return "control " + std::to_string(action.controlId) + " is disabled";
  if (!IsWindowVisible(control)) return "control " + std::to_string(action.controlId) + " is hidden";
  switch (action.kind) {
    case Action::Kind::Click:
      return host::Click(control);
    case Action::Kind::Choose:
      return host::Choose(control, text, action.text);
    case Action::Kind::Type:
      return host::Type(target, control, text);
    case Action::Kind::Slider:
      return host::Slide(control, action.number);
    default:
      return "unexpected action";
  }
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
  if (action.kind == Action::Kind::Apply) m_applied = true;
  return {};
}

std::string ActionRunner::Expect(const Action& action) {
  if (!m_applied || !m_host.SheetOpen()) {
    m_deferred.push_back(&action);
    return {};
  }
  return JudgeExpectation(JsonLeaves(SettingsJson(m_host)), action.text, action.value);
}

bool ActionRunner::JudgeDeferred(std::string& error) {
  if (m_deferred.empty()) return true;
  std::string failure;
  const Action* failed = nullptr;
  if (m_host.SheetResult() != CPSUI_OK) {
    failed = m_deferred.front();
    failure = "expected the sheet to close with OK before judging " + failed->text;
  } else {
    const JsonLeafMap leaves = JsonLeaves(SettingsJson(m_host));
    for (const Action* action : m_deferred) {
      failure = JudgeExpectation(leaves, action->text, action->value);
      if (!failure.empty()) {
        failed = action;
        break;
      }
    }
  }
  m_deferred.clear();
  if (failed == nullptr) return true;
  m_expectationFailed = true;
  error = ActionError{m_fileName, failed->line, failure}.ToString();
  return false;
}

std::string ActionRunner::Screenshot(HWND window, const std::string& name) {
  std::wstring path = m_folder.empty() ? Widen(name) + L".png" : m_folder + L"\\" + Widen(name) + L".png";
  std::wstring problem;
  if (!SaveWindowPng(window, path, problem)) return Narrow(problem);
  m_written.push_back(path);
  return {};
}

}  // namespace plqr::host
