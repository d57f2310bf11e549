// Answers the modal dialogs that open while a test acts, as a user would:
// each answer is given the dialog that is next in front (the enabled dialog
// of this thread that was not there before: a new one, or one whose own
// dialog has just closed) to read and to act on. The answers run from a
// thread timer inside the dialogs' own message loops, and their clicks are
// posted, so that a dialog a click opens runs its loop outside the answer.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace plqr::test {

class DialogAnswers {
 public:
  using Answer = std::function<void(HWND dialog)>;
  explicit DialogAnswers(std::vector<Answer> answers);
  ~DialogAnswers();
  DialogAnswers(const DialogAnswers&) = delete;
  DialogAnswers& operator=(const DialogAnswers&) = delete;

  // How many answers were given.
  size_t Given() const { return m_next; }
  // The titles of the dialogs answered, in order.
  const std::vector<std::wstring>& Titles() const { return m_titles; }

 private:
  static VOID CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void Step();

  std::vector<Answer> m_answers;
  size_t m_next = 0;
  std::set<HWND> m_before;
  HWND m_last = nullptr;
  std::vector<std::wstring> m_titles;
  UINT_PTR m_timer = 0;
};

// Answers: a click on button `id` (posted as the button posts it; none when
// the button is disabled or hidden); text typed into edit `id`, then a
// click on button `then`.
DialogAnswers::Answer Press(int id);
DialogAnswers::Answer TypeAndPress(int id, const std::wstring& text, int then);

}  // namespace plqr::test
