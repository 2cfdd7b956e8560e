// The text of log lines, apart from the clock and the stream that feed it.
#pragma once

#include <cstdarg>
#include <string>

#include "fx/Win.h"

// "[MM.DD hh:mm:ss.mmm][P:pid, T:tid]": month, day and time of day only, the
// identifiers without leading zeros.
std::string FormatLogPrefix(const SYSTEMTIME& time, DWORD processId, DWORD threadId);

// A record's message as the C runtime formats it, "%S" converted to the code
// page of the current locale; "(Convert to ansi fail)" when that conversion
// fails.
std::string FormatLogMessage(const char* format, va_list args);
