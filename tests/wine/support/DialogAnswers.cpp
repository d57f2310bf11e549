#include "DialogAnswers.h"

#include "UserInput.h"
#include "WineTestSupport.h"

namespace plqr::test {

namespace {

DialogAnswers* g_answers = nullptr;

std::vector<HWND> ThreadDialogs() {
  std::vector<HWND> found;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lParam) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (IsWindowVisible(window) && std::wstring(name) == L"#32770")
          reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

DialogAnswers::DialogAnswers(std::vector<Answer> answers) : m_answers(std::move(answers)) {
  for (HWND window : ThreadDialogs()) m_before.insert(window);
  g_answers = this;
  m_timer = SetTimer(nullptr, 0, 20, &DialogAnswers::Tick);
}

DialogAnswers::~DialogAnswers() {
  KillTimer(nullptr, m_timer);
  g_answers = nullptr;
}

VOID CALLBACK DialogAnswers::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_answers != nullptr) g_answers->Step();
}

void DialogAnswers::Step() {
  if (m_next >= m_answers.size()) return;
  for (HWND dialog : ThreadDialogs()) {
    // A modal dialog disables its owner: the enabled one is in front.
    if (!IsWindowEnabled(dialog) || m_before.count(dialog) != 0) continue;
    if (dialog == m_last) return;
    m_last = dialog;
    m_titles.push_back(WindowText(dialog));
    m_answers[m_next++](dialog);
    return;
  }
}

DialogAnswers::Answer Press(int id) {
  return [id](HWND dialog) {
    HWND button = GetDlgItem(dialog, id);
    if (IsWindowEnabled(button) && IsWindowVisible(button))
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  };
}

DialogAnswers::Answer TypeAndPress(int id, const std::wstring& text, int then) {
  return [=](HWND dialog) {
    plqr::host::Type(dialog, GetDlgItem(dialog, id), text, false);
    Press(then)(dialog);
  };
}

}  // namespace plqr::test
