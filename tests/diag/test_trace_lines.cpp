// The lines a trace scope writes, read back from a real file behind stdout.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/LogFile.h"
#include "diag/FuncTrace.h"
#include "diag/LogText.h"

namespace {

struct Expected {
  LogLine::Kind kind;
  std::string text;
};

// Every line must be one of the expected ones, in order, from this thread.
void ExpectLines(const std::string& bytes, const std::vector<Expected>& expected) {
  const LogFile file = SplitLogLines(bytes);
  EXPECT_TRUE(file.crlfOnly) << bytes;
  ASSERT_EQ(file.lines.size(), expected.size()) << bytes;
  for (size_t i = 0; i < expected.size(); ++i) {
    const LogLine line = ParseLogLine(file.lines[i]);
    EXPECT_EQ(line.kind, expected[i].kind) << "line " << i << ": " << file.lines[i];
    EXPECT_EQ(line.text, expected[i].text) << "line " << i;
    if (line.kind != LogLine::kPlain) {
      EXPECT_EQ(line.tid, ::GetCurrentThreadId()) << "line " << i;
    }
  }
}

TEST(TraceLines, ScopeWritesEntryRecordsAndExitWithTheClockAndIds) {
  const struct {
    std::function<void(FuncTrace&)> log;
    std::string message;
  } records[] = {
      {[](FuncTrace& t) { t.Log("ServerURL: %S", L"files.example.com"); }, "ServerURL: files.example.com"},
      {[](FuncTrace& t) { t.Log("ServerFileSize: %d", -1); }, "ServerFileSize: -1"},
      {[](FuncTrace& t) { t.Log("URLDownloadToFile ret: 0x%08x", 0x800C0005u); },
       "URLDownloadToFile ret: 0x800c0005"},
      {[](FuncTrace& t) { t.Log("HttpFile QueryInfo fail___(LaseErr:%d)", 12150); },
       "HttpFile QueryInfo fail___(LaseErr:12150)"},
      // Formats without directives come out as they are.
      {[](FuncTrace& t) { t.Log("Wrong xml___"); }, "Wrong xml___"},
      {[](FuncTrace& t) { t.Log("VLUpdate run Success..."); }, "VLUpdate run Success..."},
      {[](FuncTrace& t) { t.Log(""); }, ""},
      // Far beyond any fixed buffer of the usual sizes.
      {[](FuncTrace& t) { t.Log("%S", std::wstring(5000, L'w').c_str()); }, std::string(5000, 'w')},
  };

  TraceCapture capture;
  ASSERT_TRUE(capture.Ok());
  SYSTEMTIME before, after;
  ::GetLocalTime(&before);
  {
    FuncTrace trace("VSDownloadDlg::GetWebFileSize");
    for (const auto& record : records) record.log(trace);
  }
  ::GetLocalTime(&after);
  const std::string bytes = capture.Finish();

  std::vector<Expected> expected{{LogLine::kEntry, "VSDownloadDlg::GetWebFileSize"}};
  for (const auto& record : records) expected.push_back({LogLine::kRecord, record.message});
  expected.push_back({LogLine::kExit, "VSDownloadDlg::GetWebFileSize"});
  ExpectLines(bytes, expected);

  for (const std::string& text : SplitLogLines(bytes).lines) {
    const LogLine line = ParseLogLine(text);
    EXPECT_EQ(line.pid, ::GetCurrentProcessId());
    EXPECT_TRUE(TimeWithin(line, before, after)) << text;
  }
}

TEST(TraceLines, PlainTextGoesOutAsInserted) {
  TraceCapture capture;
  ASSERT_TRUE(capture.Ok());
  {
    FuncTrace trace("CVelastore_SetupApp::CVelastore_SetupApp");
    trace << "\tExe Module: "
          << "C:\\Temp\\setup.exe" << std::endl;
    trace << "\tVersion: "
          << "" << std::endl;
    // No line end of its own: the exit line follows on the same line.
    trace << "tail";
  }
  const LogFile file = SplitLogLines(capture.Finish());
  ASSERT_EQ(file.lines.size(), 4u);
  EXPECT_EQ(file.lines[1], "\tExe Module: C:\\Temp\\setup.exe");
  EXPECT_EQ(file.lines[2], "\tVersion: ");
  ASSERT_EQ(file.lines[3].rfind("tail[", 0), 0u) << file.lines[3];
  const LogLine exit = ParseLogLine(file.lines[3].substr(4));
  EXPECT_EQ(exit.kind, LogLine::kExit);
  EXPECT_EQ(exit.text, "CVelastore_SetupApp::CVelastore_SetupApp");
}

// The shapes of the traced functions that call each other.
int SizeProbe(const std::wstring& url) {
  FuncTrace trace("VSDownloadDlg::GetWebFileSize");
  if (url.empty()) {
    trace.Log("FileURL is empty___");
    return -1;
  }
  trace.Log("ServerFileSize: %d", 42);
  return 42;
}

void ControlInstaller() {
  FuncTrace trace("VSDownloadDlg::InstallActiveX");
  trace.Log("first");
  SizeProbe(L"");
  trace.Log("second");
  SizeProbe(L"http://host/file");
  trace.Log("third");
}

void GrantThatThrows() {
  FuncTrace trace("AddFileAccessAllowedRights");
  trace.Log("before");
  throw std::runtime_error("unwinding");
}

TEST(TraceLines, EveryWayOutClosesTheScopeAndNestedScopesStayInOrderUnindented) {
  const std::string probe = "VSDownloadDlg::GetWebFileSize";
  const std::string installer = "VSDownloadDlg::InstallActiveX";
  const std::string grant = "AddFileAccessAllowedRights";
  const struct {
    const char* name;
    std::function<void()> run;
    std::vector<Expected> lines;
  } cases[] = {
      {"early return",
       [] { SizeProbe(L""); },
       {{LogLine::kEntry, probe}, {LogLine::kRecord, "FileURL is empty___"}, {LogLine::kExit, probe}}},
      {"exception",
       [] {
         try {
           GrantThatThrows();
         } catch (const std::exception&) {
         }
       },
       {{LogLine::kEntry, grant}, {LogLine::kRecord, "before"}, {LogLine::kExit, grant}}},
      {"nested",
       [] { ControlInstaller(); },
       {{LogLine::kEntry, installer},
        {LogLine::kRecord, "first"},
        {LogLine::kEntry, probe},
        {LogLine::kRecord, "FileURL is empty___"},
        {LogLine::kExit, probe},
        {LogLine::kRecord, "second"},
        {LogLine::kEntry, probe},
        {LogLine::kRecord, "ServerFileSize: 42"},
        {LogLine::kExit, probe},
        {LogLine::kRecord, "third"},
        {LogLine::kExit, installer}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TraceCapture capture;
    ASSERT_TRUE(capture.Ok());
    c.run();
    ExpectLines(capture.Finish(), c.lines);
  }
}

TEST(TraceLines, ModeZeroWritesNothingAndTheFunctionsWorkTheSame) {
  TraceCapture capture(0);
  ASSERT_TRUE(capture.Ok());
  EXPECT_EQ(SizeProbe(L""), -1);
  EXPECT_EQ(SizeProbe(L"http://host/file"), 42);
  ControlInstaller();
  {
    FuncTrace trace("CVelastore_SetupApp::CVelastore_SetupApp");
    trace << "\tExe Module: "
          << "C:\\Temp\\setup.exe" << std::endl;
    trace.Log("ServerURL: %S", L"host");
  }
  EXPECT_EQ(capture.Finish(), "");
}

TEST(TraceLines, ABrokenStdoutLosesTheLinesAndNothingElse) {
  // The sink's freopen failing (no right to write beside the program) closes
  // stdout; every later write must just fail.
  TraceCapture capture;
  ASSERT_TRUE(capture.Ok());
  const std::wstring missing = capture.Folder() + L"\\no such folder\\x.log";
  ASSERT_EQ(::_wfreopen(missing.c_str(), L"a+", stdout), nullptr);
  EXPECT_EQ(SizeProbe(L""), -1);
  {
    FuncTrace trace("VSDownloadDlg::RunVLUpdate");
    trace << "plain" << std::endl;
    trace.Log("ServerURL: %S", L"host");
  }
  // An open stdout again, which the capture then leads back to the console.
  EXPECT_NE(::_wfreopen((capture.Folder() + L"\\again.log").c_str(), L"a+", stdout), nullptr);
}

TEST(TracePrefix, FormatsEveryFieldWithItsLeadingZeros) {
  const struct {
    SYSTEMTIME time;  // year, month, weekday, day, hour, minute, second, ms
    DWORD pid, tid;
    const char* expected;
  } cases[] = {
      {{2024, 3, 4, 7, 9, 5, 2, 45}, 812, 340, "[03.07 09:05:02.045][P:812, T:340]"},
      {{2001, 1, 1, 1, 0, 0, 0, 5}, 4, 8, "[01.01 00:00:00.005][P:4, T:8]"},
      {{1999, 12, 5, 31, 23, 59, 59, 999}, 4294967295u, 1, "[12.31 23:59:59.999][P:4294967295, T:1]"},
      {{2030, 10, 0, 10, 10, 10, 10, 100}, 10, 100, "[10.10 10:10:10.100][P:10, T:100]"},
      // Neither the year nor the weekday shows.
      {{1601, 3, 6, 7, 9, 5, 2, 45}, 812, 340, "[03.07 09:05:02.045][P:812, T:340]"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatLogPrefix(c.time, c.pid, c.tid), c.expected);
}

}  // namespace
