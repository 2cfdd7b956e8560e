// The typed access address, as the wizard reads it.
#pragma once

#include <string>

// Drops white space (iswspace) from the end, then from the start.
std::wstring TrimAddress(std::wstring text);

// The URL whose connection decides whether the server is reachable: the
// address as typed, scheme or port included, behind "http://".
std::wstring ConnectionCheckUrl(const std::wstring& address);
