// The file version of real files and the rule that picks Vista and later.
#include <gtest/gtest.h>

#include <string>

#include "install/VersionQueries.h"
#include "support/TestPaths.h"

namespace {

TEST(VersionQueries, FileVersionOfRealFiles) {
  const std::wstring folder = FreshScratchFolder();
  const std::wstring textFile = folder + L"\\readme.txt";
  {
    FILE* f = ::_wfopen(textFile.c_str(), L"w");
    ASSERT_NE(f, nullptr);
    std::fputs("no version resource here\n", f);
    std::fclose(f);
  }
  const std::wstring missing = folder + L"\\missing.exe";
  const struct {
    const wchar_t* what;
    const wchar_t* path;
    const wchar_t* expected;
  } cases[] = {
      {L"the built program", VS_EXE_X86_64, L"12.9.13.1"},
      {L"a file without a version resource", textFile.c_str(), L""},
      {L"a missing file", missing.c_str(), L""},
      {L"no path", nullptr, L""},
  };
  for (const auto& c : cases) EXPECT_EQ(GetFileVersionText(c.path), c.expected) << c.what;
}

TEST(VersionQueries, FileVersionPartsAreUnsignedDecimalsWithoutLeadingZeros) {
  const struct {
    DWORD ms, ls;
    const wchar_t* expected;
  } cases[] = {
      {0x00010002, 0x00030004, L"1.2.3.4"},
      {0x000C0009, 0x000D0001, L"12.9.13.1"},
      {0xFFFF8000, 0x7FFF0000, L"65535.32768.32767.0"},
      {0x00000000, 0x00000000, L"0.0.0.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFileVersion(c.ms, c.ls), c.expected);
}

TEST(VersionQueries, VistaOrLaterMeansNtSixOrHigher) {
  const struct {
    const char* system;
    DWORD platform, major;
    bool expected;
  } cases[] = {
      {"Vista / 7 (6.0, 6.1)", VER_PLATFORM_WIN32_NT, 6, true},
      {"10 as reported with a manifest", VER_PLATFORM_WIN32_NT, 10, true},
      {"XP / Server 2003 (5.1, 5.2)", VER_PLATFORM_WIN32_NT, 5, false},
      {"NT 4", VER_PLATFORM_WIN32_NT, 4, false},
      {"95 family", VER_PLATFORM_WIN32_WINDOWS, 4, false},
      {"95 family claiming a high major", VER_PLATFORM_WIN32_WINDOWS, 6, false},
      {"Win32s", VER_PLATFORM_WIN32s, 6, false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsVistaOrLaterVersion(c.platform, c.major), c.expected) << c.system;
}

}  // namespace
