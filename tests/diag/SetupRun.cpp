#include "SetupRun.h"

#include <gtest/gtest.h>

#include "support/WizardDriver.h"

namespace {
constexpr DWORD kPatienceMs = 30000;
}

DWORD RunUntilCancelled(const std::wstring& exePath, HANDLE stdHandle) {
  WizardProcess wizard(exePath, stdHandle);
  if (!wizard.Id()) {
    ADD_FAILURE() << "CreateProcessW failed: " << ::GetLastError();
    return 0;
  }
  HWND page = wizard.WaitForMainWindow(kPatienceMs);
  if (!page) {
    ADD_FAILURE() << "the program showed no window";
    return 0;
  }
  ::PostMessageW(page, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  if (!wizard.WaitForExit(kPatienceMs)) {
    ADD_FAILURE() << "the program did not end on Cancel";
    return 0;
  }
  return wizard.Id();
}
