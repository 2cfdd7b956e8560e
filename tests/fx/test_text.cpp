// Texts of the running module: this test program carries no string table,
// so every ID is one that is missing.
#include <gtest/gtest.h>

#include "fx/Text.h"

namespace {

TEST(LoadText, AMissingStringIsEmptyText) {
  for (UINT id : {0u, 101u, 193u, 199u, 230u, 65535u}) EXPECT_EQ(fx::LoadText(id), L"") << id;
}

TEST(AppName, IsTheProgramFileWithoutFolderOrExtension) { EXPECT_EQ(fx::AppName(), L"test_fx"); }

}  // namespace
