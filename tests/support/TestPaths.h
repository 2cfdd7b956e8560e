// Where tests find the built programs and keep their scratch files.
#pragma once

#include <string>
#include <vector>

// A fresh, empty folder under the tests' build folder, named after the
// running test case.
std::wstring FreshScratchFolder();

// The names of the files in a folder.
std::vector<std::wstring> FilesIn(const std::wstring& folder);
