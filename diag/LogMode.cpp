#include "diag/LogMode.h"

#include "fx/ModulePath.h"

std::wstring LogValueName(const std::wstring& modulePath) { return fx::FileNameOf(modulePath) + L".log"; }

std::wstring LogFilePath(const std::wstring& modulePath) { return modulePath + L".log"; }

int LogModeFromValue(LONG status, DWORD type, DWORD size, DWORD data) {
  if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data) return 0;
  return static_cast<int>(data);
}
