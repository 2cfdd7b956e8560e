#include "diag/LogSink.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "diag/LogMode.h"
#include "fx/ModulePath.h"
#include "fx/UniqueHandle.h"

int g_nLogMode = 0;

namespace {

int ReadLogMode(const std::wstring& valueName) {
  fx::UniqueHKey key;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Velastore", 0, KEY_READ, key.put()) != ERROR_SUCCESS)
    return 0;
  DWORD type = REG_NONE;
  DWORD data = 0;
  DWORD size = sizeof data;
  // A longer value answers ERROR_MORE_DATA, and the buffer then holds nothing
  // to go by.
  const LONG status =
      ::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
  return LogModeFromValue(status, type, size, data);
}

// Whatever becomes of stdout, the program runs on: a failed reopen leaves a
// closed stdout, on which writes just fail.
void ReopenStdout(const std::wstring& path, const wchar_t* mode) {
#ifndef _UCRT
  // A windowed program started without standard handles (from the shell)
  // gets a stdout whose descriptor is -2. Windows' runtime reopens such a
  // stream all the same; Wine's msvcrt refuses any stream without a
  // descriptor, and the log would be lost. A descriptor on NUL, which the
  // reopen closes first, makes both behave alike.
  if (::_fileno(stdout) < 0) {
    const int placeholder = ::_wopen(L"NUL", _O_WRONLY);
    if (placeholder >= 0) stdout->_file = placeholder;
  }
#endif
  ::_wfreopen(path.c_str(), mode, stdout);
}

}  // namespace

void InitLogOutput() {
  try {
    HMODULE own = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                         reinterpret_cast<LPCWSTR>(reinterpret_cast<const void*>(&InitLogOutput)), &own);
    fx::UniqueHModule ownRef(own);
    const std::wstring ownPath = fx::ModulePath(own);

    g_nLogMode = ReadLogMode(LogValueName(ownPath));

    switch (g_nLogMode) {
      case 1:
        ::AllocConsole();
        ReopenStdout(L"CONOUT$", L"w");
        break;
      case 2:
        ::DeleteFileW(LogFilePath(ownPath).c_str());
        ReopenStdout(LogFilePath(ownPath), L"a+");
        break;
      case 3:
        ReopenStdout(LogFilePath(ownPath), L"a+");
        break;
      case 4: {
        // Differs from the code's own module only if this code ever lives in
        // a DLL.
        HMODULE main = nullptr;
        ::GetModuleHandleExW(0, nullptr, &main);
        fx::UniqueHModule mainRef(main);
        const std::wstring mainPath = main && main != own ? fx::ModulePath(main) : ownPath;
        ReopenStdout(LogFilePath(mainPath), L"a+");
        break;
      }
      default:
        break;
    }
  } catch (...) {
    // Out of memory this early: no log, and the program starts all the same.
  }
}
