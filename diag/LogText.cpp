#include "diag/LogText.h"

#include <cstdio>

namespace {

const char kConvertFail[] = "(Convert to ansi fail)";

}  // namespace

std::string FormatLogPrefix(const SYSTEMTIME& time, DWORD processId, DWORD threadId) {
  static const char kFormat[] = "[%02d.%02d %02d:%02d:%02d.%03d][P:%u, T:%u]";
  const int month = time.wMonth, day = time.wDay, hour = time.wHour, minute = time.wMinute,
            second = time.wSecond, millis = time.wMilliseconds;
  const unsigned pid = processId, tid = threadId;
  const int length = std::snprintf(nullptr, 0, kFormat, month, day, hour, minute, second, millis, pid, tid);
  if (length <= 0) return std::string();
  std::string prefix(static_cast<size_t>(length), '\0');
  // The terminator lands on the string's own, which may be written with '\0'.
  std::snprintf(prefix.data(), prefix.size() + 1, kFormat, month, day, hour, minute, second, millis, pid,
                tid);
  return prefix;
}

std::string FormatLogMessage(const char* format, va_list args) {
  if (!format) return std::string();
  // Only msvcrt's own printf says when a "%S" argument does not fit the
  // locale's code page: _vscprintf answers -1. In C++ mingw-w64 maps the
  // standard names (vsnprintf and kin) to its own printf, which drops the rest
  // of the string without a word, so the underscore names are used on purpose.
  va_list measure;
  va_copy(measure, args);
  const int length = _vscprintf(format, measure);
  va_end(measure);
  if (length < 0) return kConvertFail;

  std::string message(static_cast<size_t>(length) + 1, '\0');
  va_list fill;
  va_copy(fill, args);
  const int written = _vsnprintf(message.data(), message.size(), format, fill);
  va_end(fill);
  // Another thread may have switched the locale between the two calls.
  if (written < 0) return kConvertFail;
  message.resize(static_cast<size_t>(written));
  return message;
}
