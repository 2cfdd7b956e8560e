// Runs the real program in its own process and drives its windows the way a
// person would: find a window, read it, type into it, press its buttons.
#pragma once

#include <functional>
#include <string>

#include "fx/UniqueHandle.h"

// Polls until the condition holds or the time is up; returns the last answer.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

class WizardProcess {
 public:
  // Starts the program in its own folder. Its standard handles lead to
  // stdHandle; without one it has none, as when started from the shell.
  explicit WizardProcess(const std::wstring& exePath, HANDLE stdHandle = nullptr);
  // Ends the program if it is still running.
  ~WizardProcess();
  WizardProcess(const WizardProcess&) = delete;
  WizardProcess& operator=(const WizardProcess&) = delete;

  DWORD Id() const { return m_pid; }
  bool Running() const;
  // Waits for the process to end.
  bool WaitForExit(DWORD timeoutMs = 10000) const;
  DWORD ExitCode() const;

  // The address page: the process's visible dialog without an owner.
  HWND WaitForMainWindow(DWORD timeoutMs = 10000) const;
  // A visible dialog of the process owned by owner (a message box, the
  // About box).
  HWND WaitForOwnedDialog(HWND owner, DWORD timeoutMs = 10000) const;
  // The download page: the child dialog over the address page.
  static HWND WaitForDownloadPage(HWND mainWindow, DWORD timeoutMs = 10000);

 private:
  fx::UniqueHandleKernel m_process;
  DWORD m_pid = 0;
};

HWND Control(HWND dialog, int id);
std::wstring TextOf(HWND window);
// Replaces an edit field's text; the field tells its dialog as typing would.
void SetText(HWND window, const std::wstring& text);
// Presses a button: the dialog gets the same notification a click sends.
// Only an enabled button can be pressed.
bool Press(HWND dialog, int id);
// The text of a message box's message (its static control without an icon).
std::wstring MessageBoxText(HWND box);
bool MessageBoxHasIcon(HWND box);
bool Visible(HWND window);
bool Enabled(HWND window);

// Copies the built program into folder under the given file name and
// returns the copy's path.
std::wstring CopyProgram(const std::wstring& folder, const std::wstring& fileName);
