// A real progress bar and text label in a top-level window of the test's
// thread, as the download page would give them.
#pragma once

#include <utility>

#include "fx/Wnd.h"

class ProgressWindow {
 public:
  ProgressWindow();
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  bool Created() const { return m_frame && bar.GetSafeHwnd() && label.GetSafeHwnd(); }
  // The bar's range as a pair (lower, upper).
  std::pair<int, int> Range() const;

  fx::CProgressCtrl bar;
  fx::CStatic label;

 private:
  HWND m_frame = nullptr;
};

// Runs the thread's message loop until handle is signalled or timeoutMs has
// passed; true when it was signalled. A worker's SendMessage to the bar
// needs this thread to take its messages while it waits.
bool PumpUntilSignalled(HANDLE handle, DWORD timeoutMs = 30000);
