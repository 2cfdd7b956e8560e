#include "support/WizardDriver.h"

#include <vector>

#include "support/TestPaths.h"

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount64() >= deadline) return condition();
    ::Sleep(2);
  }
}

WizardProcess::WizardProcess(const std::wstring& exePath, HANDLE stdHandle) {
  std::wstring folder = exePath.substr(0, exePath.rfind(L'\\'));
  std::wstring commandLine = L"\"" + exePath + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // Left alone, Wine may hand down the test's own console or pipes.
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = stdHandle;
  PROCESS_INFORMATION info{};
  if (::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, stdHandle != nullptr, 0,
                       nullptr, folder.c_str(), &startup, &info)) {
    ::CloseHandle(info.hThread);
    m_process.reset(info.hProcess);
    m_pid = info.dwProcessId;
  }
}

WizardProcess::~WizardProcess() {
  if (Running()) {
    ::TerminateProcess(m_process.get(), 1);
    ::WaitForSingleObject(m_process.get(), 5000);
  }
}

bool WizardProcess::Running() const {
  return m_process && ::WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT;
}

bool WizardProcess::WaitForExit(DWORD timeoutMs) const {
  return m_process && ::WaitForSingleObject(m_process.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD WizardProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (m_process) ::GetExitCodeProcess(m_process.get(), &code);
  return code;
}

namespace {

struct DialogQuery {
  DWORD pid;
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lParam) {
  auto* query = reinterpret_cast<DialogQuery*>(lParam);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[16] = {};
  ::GetClassNameW(hwnd, cls, 16);
  if (pid == query->pid && ::IsWindowVisible(hwnd) && std::wstring(cls) == L"#32770" &&
      ::GetWindow(hwnd, GW_OWNER) == query->owner) {
    query->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND FindTopDialog(DWORD pid, HWND owner) {
  DialogQuery query{pid, owner, nullptr};
  ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

}  // namespace

HWND WizardProcess::WaitForMainWindow(DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopDialog(m_pid, nullptr)) != nullptr; }, timeoutMs);
  return found;
}

HWND WizardProcess::WaitForOwnedDialog(HWND owner, DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopDialog(m_pid, owner)) != nullptr; }, timeoutMs);
  return found;
}

HWND WizardProcess::WaitForDownloadPage(HWND mainWindow, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = ::FindWindowExW(mainWindow, nullptr, L"#32770", nullptr);
        return found && ::IsWindowVisible(found);
      },
      timeoutMs);
  return found && ::IsWindowVisible(found) ? found : nullptr;
}

HWND Control(HWND dialog, int id) { return ::GetDlgItem(dialog, id); }

std::wstring TextOf(HWND window) {
  // WM_GETTEXT is copied across processes by the system.
  LRESULT length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied = ::SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

void SetText(HWND window, const std::wstring& text) {
  ::SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Press(HWND dialog, int id) {
  HWND button = Control(dialog, id);
  if (!button || !::IsWindowEnabled(button)) return false;
  return ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button)) !=
         FALSE;
}

namespace {
std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = ::FindWindowExW(parent, nullptr, nullptr, nullptr); child;
       child = ::FindWindowExW(parent, child, nullptr, nullptr))
    children.push_back(child);
  return children;
}

bool IsStatic(HWND window) {
  wchar_t cls[16] = {};
  ::GetClassNameW(window, cls, 16);
  return ::lstrcmpiW(cls, L"Static") == 0;
}
}  // namespace

std::wstring MessageBoxText(HWND box) {
  for (HWND child : Children(box))
    if (IsStatic(child) && (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
      return TextOf(child);
  return std::wstring();
}

bool MessageBoxHasIcon(HWND box) {
  for (HWND child : Children(box))
    if (IsStatic(child) && (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        ::IsWindowVisible(child))
      return true;
  return false;
}

bool Visible(HWND window) { return ::IsWindowVisible(window) != FALSE; }
bool Enabled(HWND window) { return ::IsWindowEnabled(window) != FALSE; }

std::wstring CopyProgram(const std::wstring& folder, const std::wstring& fileName) {
  std::wstring target = folder + L"\\" + fileName;
  ::CopyFileW(VS_EXE_X86_64, target.c_str(), FALSE);
  return target;
}
