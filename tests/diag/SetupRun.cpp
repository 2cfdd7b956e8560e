#include "SetupRun.h"

#include <gtest/gtest.h>

#include "fx/UniqueHandle.h"
#include "support/WizardDriver.h"

namespace {

const wchar_t kKey[] = L"Software\\Velastore";
constexpr DWORD kPatienceMs = 30000;

struct WindowQuery {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK FindTopWindow(HWND hwnd, LPARAM lParam) {
  auto* query = reinterpret_cast<WindowQuery*>(lParam);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid != query->pid || !::IsWindowVisible(hwnd) || ::GetWindow(hwnd, GW_OWNER)) return TRUE;
  query->found = hwnd;
  return FALSE;
}

struct FindTraits {
  using pointer = HANDLE;
  static pointer Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(pointer h) noexcept { ::FindClose(h); }
};

}  // namespace

LogModeValue::LogModeValue(std::wstring name) : m_name(std::move(name)) {}

LogModeValue::~LogModeValue() {
  fx::UniqueHKey key;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, key.put()) == ERROR_SUCCESS)
    ::RegDeleteValueW(key.get(), m_name.c_str());
}

bool LogModeValue::Set(DWORD type, const void* data, DWORD size) {
  fx::UniqueHKey key;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr) !=
      ERROR_SUCCESS)
    return false;
  return ::RegSetValueExW(key.get(), m_name.c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
         ERROR_SUCCESS;
}

DWORD RunUntilCancelled(const std::wstring& exePath, HANDLE stdHandle) {
  std::wstring commandLine = L"\"" + exePath + L"\"";
  const std::wstring folder = exePath.substr(0, exePath.rfind(L'\\'));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // Null handles stand for a start from the shell: a windowed program gets
  // none. Left alone, Wine may hand down the test's own console.
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = stdHandle;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, stdHandle != nullptr, 0,
                        nullptr, folder.c_str(), &startup, &info)) {
    ADD_FAILURE() << "CreateProcessW failed: " << ::GetLastError();
    return 0;
  }
  fx::UniqueHandleKernel process(info.hProcess);
  fx::UniqueHandleKernel thread(info.hThread);

  WindowQuery query{info.dwProcessId, nullptr};
  const bool shown = WaitUntil(
      [&] {
        ::EnumWindows(FindTopWindow, reinterpret_cast<LPARAM>(&query));
        return query.found != nullptr;
      },
      kPatienceMs);
  if (shown) ::PostMessageW(query.found, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  const bool ended = shown && ::WaitForSingleObject(process.get(), kPatienceMs) == WAIT_OBJECT_0;
  if (!ended) {
    ::TerminateProcess(process.get(), 1);
    ::WaitForSingleObject(process.get(), kPatienceMs);
    ADD_FAILURE() << (shown ? "the program did not end on Cancel" : "the program showed no window");
    return 0;
  }
  return info.dwProcessId;
}

std::vector<std::wstring> FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  fx::UniqueHandle<FindTraits> search(::FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (!search) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (::FindNextFileW(search.get(), &found));
  return names;
}
