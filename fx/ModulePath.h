// Paths of loaded modules, whatever their length.
#pragma once

#include <string>

#include "fx/Win.h"

namespace fx {

// The full path of a module; null names the process's executable.
std::wstring ModulePath(HMODULE module);

// The part after the last backslash; the whole text when there is none.
std::wstring FileNameOf(const std::wstring& path);

}  // namespace fx
