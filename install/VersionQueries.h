#pragma once

#include <string>

#include "fx/Win.h"

// The fixed file version as "a.b.c.d"; empty when the file has none or the
// path is absent.
std::wstring GetFileVersionText(const wchar_t* path);

bool IsWindowsVistaOrLater();

// "a.b.c.d" from the two halves of VS_FIXEDFILEINFO's file version, each
// part 0 to 65535.
std::wstring FormatFileVersion(DWORD versionMS, DWORD versionLS);

// NT 6.0 or later; the Windows 95 family never is, whatever it reports.
bool IsVistaOrLaterVersion(DWORD platformId, DWORD majorVersion);
