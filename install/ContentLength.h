// Reading the text of a Content-Length header as a number.
#pragma once

#include <string>

// The text as a signed decimal: leading white space skipped, one sign, digits
// up to the first other character. No digits gives 0; values beyond the int
// range are clamped to its ends.
int ParseContentLength(const std::wstring& text);
