#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include "fx/UniqueHandle.h"

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

std::vector<std::wstring> FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  fx::UniqueHFind search(::FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (!search) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (::FindNextFileW(search.get(), &found));
  return names;
}
