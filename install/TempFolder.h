// The folder that downloads are saved in before they are run.
#pragma once

#include <string>

// Every trailing backslash removed, so that "folder\name" never doubles one.
std::wstring StripTrailingBackslashes(std::wstring path);

// GetTempPathW's folder without its trailing backslashes.
std::wstring TempFolder();
