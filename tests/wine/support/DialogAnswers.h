// Answers the modal dialogs that open while a test acts, as a user would:
// each answer gets the next dialog in front (enabled, and not there before).
// Answers run from a thread timer inside the dialogs' loops; their clicks
// are posted, so that a dialog a click opens runs outside the answer.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <vector>

#include "UserInput.h"

namespace plqr::test {

class DialogAnswers {
 public:
  using Answer = std::function<void(HWND dialog)>;
  explicit DialogAnswers(std::vector<Answer> answers) : m_answers(std::move(answers)) {
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&m_before));
    Current() = this;
    m_timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) { Current()->Step(); });
  }
  ~DialogAnswers() { KillTimer(nullptr, m_timer); }
  size_t Given() const { return m_next; }

 private:
  static DialogAnswers*& Current() {
    static DialogAnswers* current = nullptr;
    return current;
  }
  static BOOL CALLBACK Collect(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && plqr::host::IsClass(window, L"#32770"))
      reinterpret_cast<std::set<HWND>*>(found)->insert(window);
    return TRUE;
  }
  void Step() {
    std::set<HWND> shown;
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&shown));
    for (HWND dialog : shown) {
      if (m_next < m_answers.size() && IsWindowEnabled(dialog) && m_before.count(dialog) == 0 &&
          dialog != m_last)
        return m_answers[m_next++](m_last = dialog);
    }
  }
  std::vector<Answer> m_answers;
  size_t m_next = 0;
  std::set<HWND> m_before;
  HWND m_last = nullptr;
  UINT_PTR m_timer = 0;
};

// A click on button `id` as the button sends it (none when it is disabled).
inline DialogAnswers::Answer Press(int id) {
  return [id](HWND dialog) {
    HWND button = GetDlgItem(dialog, id);
    if (IsWindowEnabled(button) && IsWindowVisible(button))
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  };
}

}  // namespace plqr::test
