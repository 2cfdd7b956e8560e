#pragma once

#include <string>

// The fixed file version as "a.b.c.d"; empty when the file has none or the
// path is absent.
std::wstring GetFileVersionText(const wchar_t* path);

bool IsWindowsVistaOrLater();
