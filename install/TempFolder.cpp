#include "install/TempFolder.h"

#include "fx/Win.h"

std::wstring StripTrailingBackslashes(std::wstring path) {
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

std::wstring TempFolder() {
  wchar_t buffer[MAX_PATH + 1] = {};
  DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
  // A longer path does not fit and leaves the buffer untouched; the empty
  // folder then makes downloads fail rather than land somewhere unexpected.
  if (length == 0 || length > MAX_PATH) return std::wstring();
  return StripTrailingBackslashes(buffer);
}
