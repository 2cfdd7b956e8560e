// Texts of the program's own resources and the program's message box.
#pragma once

#include <string>

#include "fx/Win.h"

namespace fx {

// A string-table entry of this module; empty when the ID is not there.
std::wstring LoadText(UINT id);

// The program's file name without folder and extension.
std::wstring AppName();

// A message box owned by the main window and captioned with the program's
// name; without an icon in type, the exclamation icon is added.
int AfxMessageBox(const std::wstring& text, UINT type = MB_OK);

}  // namespace fx
