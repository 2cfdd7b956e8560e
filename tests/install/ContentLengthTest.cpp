// The Content-Length text read as a number, as the size probe reads it.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "install/ContentLength.h"

namespace {

struct Case {
  const wchar_t* text;
  int expected;
};

TEST(ParseContentLength, ReadsLikeASignedDecimalClampedToInt) {
  const Case cases[] = {
      {L"5000", 5000},
      {L"0", 0},
      {L"", 0},
      {L"   ", 0},
      // White space before the number, of every kind C knows.
      {L"  \t42", 42},
      {L"\r\n\v\f7", 7},
      // One sign, and only directly before the digits.
      {L"+15", 15},
      {L"-15", -15},
      {L"--5", 0},
      {L"+-5", 0},
      {L"- 5", 0},
      // Reading stops at the first character that is not a digit.
      {L"12abc", 12},
      {L"12 34", 12},
      {L"1e5", 1},
      {L"0x10", 0},
      {L"abc", 0},
      {L"\x0663", 0},  // a digit elsewhere in Unicode is not a decimal digit here
      {L"0000000000000000000000042", 42},
      // Beyond the 32-bit range, both ways.
      {L"2147483647", INT_MAX},
      {L"2147483648", INT_MAX},
      {L"99999999999999999999999999", INT_MAX},
      {L"-2147483648", INT_MIN},
      {L"-2147483649", INT_MIN},
      {L"-99999999999999999999999999", INT_MIN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
    EXPECT_EQ(ParseContentLength(c.text), c.expected);
  }
}

}  // namespace
