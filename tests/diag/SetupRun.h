// The real program run as its own process with a log mode value of the
// test's choosing.
#pragma once

#include <string>
#include <vector>

#include "fx/Win.h"

// A value under HKEY_CURRENT_USER\Software\Velastore, deleted again when the
// object goes.
class LogModeValue {
 public:
  explicit LogModeValue(std::wstring name);
  ~LogModeValue();
  LogModeValue(const LogModeValue&) = delete;
  LogModeValue& operator=(const LogModeValue&) = delete;

  bool Set(DWORD type, const void* data, DWORD size);
  bool SetDword(DWORD mode) { return Set(REG_DWORD, &mode, sizeof mode); }

 private:
  std::wstring m_name;
};

// Starts the program, waits for its dialog, cancels it and waits for the
// process to end; returns its process id, 0 when any of that failed. With a
// handle, the program's standard handles lead there; without, it has none,
// as when it is started from the shell.
DWORD RunUntilCancelled(const std::wstring& exePath, HANDLE stdHandle = nullptr);

// The names of the files in a folder.
std::vector<std::wstring> FilesIn(const std::wstring& folder);
