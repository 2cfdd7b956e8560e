// URLs and paths of the tests are ASCII; log lines and requests are narrow.
#pragma once

#include <string>

inline std::string Narrow(const std::wstring& ascii) { return std::string(ascii.begin(), ascii.end()); }
