// Wide-string arguments of records: converted to code page 949, the code page
// of the "Korean" locale each scope sets, or refused as a whole.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "support/LogFile.h"
#include "diag/FuncTrace.h"

namespace {

TEST(TraceEncoding, WideArgumentsArriveInCodePage949OrTheWholeMessageIsRefused) {
  const std::string fail = "(Convert to ansi fail)";
  const struct {
    const char* what;
    std::wstring server;
    bool fits949;
  } cases[] = {
      {"Hangul", L"벨라스토어.회사.kr", true},
      {"Hangul with Hanja and ASCII", L"사내 漢字 server-01", true},
      {"one Thai letter", L"벨라스토어\u0E01.kr", false},
      {"one emoji, a surrogate pair", L"files\U0001F600.example.com", false},
      // A failed record leaves nothing behind for the next one.
      {"Hangul after a failure", L"한글", true},
  };

  // The scope, not the test, must bring in the Korean code page.
  std::setlocale(LC_ALL, "C");
  TraceCapture capture;
  ASSERT_TRUE(capture.Ok());
  {
    FuncTrace trace("CVelastore_SetupDlg::OnBnClickedNext");
    for (const auto& c : cases) trace.Log("ServerURL: %S (%d)", c.server.c_str(), 7);
  }
  const LogFile file = SplitLogLines(capture.Finish());
  ASSERT_EQ(file.lines.size(), std::size(cases) + 2);
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].what);
    const LogLine line = ParseLogLine(file.lines[i + 1]);
    EXPECT_EQ(line.kind, LogLine::kRecord) << file.lines[i + 1];
    EXPECT_EQ(line.text, cases[i].fits949 ? "ServerURL: " + ToCodePage949(cases[i].server) + " (7)" : fail);
  }
}

}  // namespace
