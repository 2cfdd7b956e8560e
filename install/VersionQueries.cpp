#include "install/VersionQueries.h"

#include <vector>

std::wstring FormatFileVersion(DWORD versionMS, DWORD versionLS) {
  return std::to_wstring(HIWORD(versionMS)) + L'.' + std::to_wstring(LOWORD(versionMS)) + L'.' +
         std::to_wstring(HIWORD(versionLS)) + L'.' + std::to_wstring(LOWORD(versionLS));
}

bool IsVistaOrLaterVersion(DWORD platformId, DWORD majorVersion) {
  return platformId == VER_PLATFORM_WIN32_NT && majorVersion > 5;
}

std::wstring GetFileVersionText(const wchar_t* path) {
  if (!path) return std::wstring();
  try {
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path, &handle);
    if (size == 0) return std::wstring();  // no version resource, or no file
    // One spare unit and zero fill: the block's strings are read in place.
    std::vector<WORD> block(static_cast<size_t>(size) + 1, 0);
    if (!::GetFileVersionInfoW(path, handle, size, block.data())) return std::wstring();
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) || !fixed)
      return std::wstring();
    return FormatFileVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
  } catch (...) {
    return std::wstring();
  }
}

bool IsWindowsVistaOrLater() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  // Without a manifest naming newer systems, Windows 8.1 and later report
  // 6.2 here; that is still "later" for this question.
  if (!::GetVersionExW(&info)) return false;
  return IsVistaOrLaterVersion(info.dwPlatformId, info.dwMajorVersion);
}
