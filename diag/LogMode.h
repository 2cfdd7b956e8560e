// The rules of the log sink's registry value, apart from the registry itself.
#pragma once

#include <string>

#include "fx/Win.h"

// The value named after the program file: "setup.exe" reads "setup.exe.log".
std::wstring LogValueName(const std::wstring& modulePath);

// The log file beside the program: its full path followed by ".log".
std::wstring LogFilePath(const std::wstring& modulePath);

// The mode from what RegQueryValueExW answered for a 4-byte buffer. Anything
// but a 4-byte REG_DWORD (a string, a QWORD that did not fit) is mode 0.
int LogModeFromValue(LONG status, DWORD type, DWORD size, DWORD data);
