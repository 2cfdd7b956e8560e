#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include "fx/Win.h"

#include <shellapi.h>

namespace {

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

void RemoveTree(const std::wstring& folder) {
  // SHFileOperationW wants a list ended by two terminators.
  std::wstring from = folder + L'\0';
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NO_UI;
  ::SHFileOperationW(&op);
}

}  // namespace

std::wstring FreshScratchFolder() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::wstring name = info ? Widen(info->test_suite_name()) + L"." + Widen(info->name()) : L"scratch";
  for (wchar_t& c : name)
    if (c == L'/' || c == L'\\' || c == L':') c = L'_';
  const std::wstring root = std::wstring(VS_TESTS_DIR) + L"\\scratch";
  ::CreateDirectoryW(root.c_str(), nullptr);
  const std::wstring folder = root + L"\\" + name;
  RemoveTree(folder);
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}
