#include "install/TempFolder.h"

#include "fx/Win.h"

std::wstring StripTrailingBackslashes(std::wstring path) {
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

std::wstring TempFolder() {
  // GetTempPathW never reports more than MAX_PATH characters: a longer TMP
  // makes it fail outright rather than ask for a bigger buffer.
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
  return length > 0 && length <= MAX_PATH ? StripTrailingBackslashes(buffer) : std::wstring();
}
