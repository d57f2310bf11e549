// Carries out an actions file on the open sheet with the messages a user's
// input sends to the real controls, addressed by control ID:
//   page     PropSheet_SetCurSel, as a click on the tab
//   click, choose, type, slider   the input primitives of UserInput.h, on a
//                                 control of the target or of a child dialog
//                                 in it (the quick-settings panel of a page)
//   command  the WM_COMMAND a button of that ID sends its page or dialog
//   ok, cancel, apply   BM_CLICK on the sheet's (or the open dialog's) button
// A dialog or message box that an action opens becomes the target of the
// following actions until it closes; the actions run from a thread timer, so
// they go on inside the dialog's own message loop. With a screenshot folder,
// every dialog is pictured once when it first appears.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "CoreDriverHost.h"
#include "actions/ActionScript.h"

namespace plqr::host {

class ActionRunner {
 public:
  // `fileName` names the script in messages; `screenshotFolder` may be empty
  // (then "screenshot" writes into the current folder).
  ActionRunner(CoreDriverHost& host, const ActionScript& script, std::string fileName,
               std::wstring screenshotFolder);
  ~ActionRunner();
  ActionRunner(const ActionRunner&) = delete;
  ActionRunner& operator=(const ActionRunner&) = delete;

  // Runs every action. True when all were carried out; otherwise `error` is
  // "file:line: what went wrong" and every dialog the script opened has been
  // cancelled. The sheet stays as the actions left it (closed after ok or
  // cancel).
  bool Run(std::string& error, DWORD timeoutMs = 120000);

  // Judges the `expect` lines that waited for the sheet to close: they hold
  // when the sheet closed with OK and each setting has its value. Call once
  // the stand-in has finished the sheet. True when all held (or there were
  // none); otherwise `error` is "file:line: expected KEY VALUE, got WHAT".
  bool JudgeDeferred(std::string& error);

  // Whether the run stopped, or JudgeDeferred failed, at an expectation
  // rather than at an action that could not be carried out.
  bool ExpectationFailed() const { return m_expectationFailed; }

  const std::vector<std::wstring>& WrittenFiles() const { return m_written; }

 private:
  static VOID CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void Step();
  // Carries out one action; an empty result means done.
  std::string Perform(const Action& action);
  std::string PressButton(const Action& action);
  std::string Screenshot(HWND window, const std::string& name);
  // Judges now after an apply; otherwise keeps the line for JudgeDeferred.
  std::string Expect(const Action& action);

  // The innermost dialog or message box of this thread other than the sheet.
  HWND OpenDialog() const;
  void PictureNewDialogs();
  std::wstring TargetName(HWND target) const;

  CoreDriverHost& m_host;
  const ActionScript& m_script;
  std::string m_fileName;
  std::wstring m_folder;
  size_t m_next = 0;
  int m_running = 0;  // steps in progress (nested inside dialogs' loops)
  bool m_failed = false;
  bool m_expectationFailed = false;
  bool m_applied = false;  // an `apply` was pressed: expectations are judged at once
  std::vector<const Action*> m_deferred;
  std::string m_error;
  UINT_PTR m_timer = 0;
  std::vector<HWND> m_pictured;
  std::vector<std::wstring> m_written;
};

}  // namespace plqr::host
