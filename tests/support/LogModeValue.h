// The registry value that switches the program's log on, set for a test.
#pragma once

#include <string>

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
