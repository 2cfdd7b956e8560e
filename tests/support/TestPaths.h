// Where tests find the built programs and keep their scratch files.
#pragma once

#include <string>

// A fresh, empty folder under the tests' build folder, named after the
// running test case.
std::wstring FreshScratchFolder();
