#include "ProgressWindow.h"

#include <utility>

ProgressWindow::ProgressWindow() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&classes);
  m_frame = ::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 200, nullptr, nullptr,
                              nullptr, nullptr);
  bar.m_hWnd = ::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 10, 300, 20, m_frame,
                                 nullptr, nullptr, nullptr);
  label.m_hWnd = ::CreateWindowExW(0, L"STATIC", L"previous file", WS_CHILD | WS_VISIBLE, 10, 40, 300, 20,
                                   m_frame, nullptr, nullptr, nullptr);
}

ProgressWindow::~ProgressWindow() {
  if (m_frame) ::DestroyWindow(m_frame);
}

std::pair<int, int> ProgressWindow::Range() const {
  int lower = 0;
  int upper = 0;
  bar.GetRange(lower, upper);
  return {lower, upper};
}

bool PumpUntilSignalled(HANDLE handle, DWORD timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    const ULONGLONG now = ::GetTickCount64();
    if (now >= deadline) return false;
    DWORD wait =
        ::MsgWaitForMultipleObjects(1, &handle, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    if (wait == WAIT_OBJECT_0) return true;
    if (wait != WAIT_OBJECT_0 + 1) return false;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}
