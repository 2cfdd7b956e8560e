#include "install/ContentLength.h"

#include <climits>

namespace {

// The C locale's white space; iswspace would follow whatever locale the log
// trace last set.
bool IsBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

}  // namespace

int ParseContentLength(const std::wstring& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  // One past the largest magnitude is enough to know the value must be
  // clamped; accumulating further would overflow.
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    if (magnitude <= limit) magnitude = magnitude * 10 + (text[i] - L'0');
  }
  if (magnitude > limit) magnitude = limit;
  return static_cast<int>(negative ? -magnitude : magnitude);
}
