// The folder downloads are saved in, and how its name loses its backslashes.
#include <gtest/gtest.h>

#include <string>

#include "fx/Win.h"
#include "install/TempFolder.h"

namespace {

TEST(StripTrailingBackslashes, RemovesEveryTrailingBackslashAndNothingElse) {
  const struct {
    const wchar_t* path;
    const wchar_t* expected;
  } cases[] = {
      {L"C:\\Temp\\\\\\", L"C:\\Temp"},
      {L"C:\\Temp\\", L"C:\\Temp"},
      {L"C:\\Temp", L"C:\\Temp"},
      {L"C:\\Te\\mp\\", L"C:\\Te\\mp"},
      {L"\\\\server\\share\\\\", L"\\\\server\\share"},
      {L"C:\\Temp/", L"C:\\Temp/"},
      {L"\\\\\\", L""},
      {L"", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "path \"" << c.path << "\"");
    EXPECT_EQ(StripTrailingBackslashes(c.path), c.expected);
  }
}

TEST(TempFolder, IsAnExistingFolderWithoutTrailingBackslash) {
  const std::wstring folder = TempFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), L'\\');
  const DWORD attributes = ::GetFileAttributesW(folder.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// GetTempPathW takes the folder from TMP; it comes back without its
// trailing backslashes.
TEST(TempFolder, FollowsTheReportedFolder) {
  const struct {
    const wchar_t* tmp;
    const wchar_t* expected;
  } cases[] = {
      {L"C:\\Temp Folder\\\\\\", L"C:\\Temp Folder"},
      {L"C:\\Temp", L"C:\\Temp"},
      {L"C:\\", L"C:"},
  };
  wchar_t saved[32768] = {};
  const bool hadTmp = ::GetEnvironmentVariableW(L"TMP", saved, 32768) > 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "TMP \"" << c.tmp << "\"");
    ASSERT_TRUE(::SetEnvironmentVariableW(L"TMP", c.tmp));
    EXPECT_EQ(TempFolder(), c.expected);
  }
  ::SetEnvironmentVariableW(L"TMP", hadTmp ? saved : nullptr);
}

}  // namespace
