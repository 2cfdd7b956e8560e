// The log sink of the real program: the registry value named after its file
// chooses whether and where its start-up lines go.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SetupRun.h"
#include "support/Ascii.h"
#include "support/LogFile.h"
#include "support/LogModeValue.h"
#include "fx/UniqueHandle.h"
#include "support/TestPaths.h"
#include "support/WizardDriver.h"

namespace {

const char kAppScope[] = "CVelastore_SetupApp::CVelastore_SetupApp";

// What every run writes first: the application object's scope around the
// program's path and version.
void ExpectStartupLines(const std::vector<std::string>& lines, size_t at, DWORD pid,
                        const std::wstring& exePath) {
  ASSERT_GE(lines.size(), at + 4);
  const LogLine entry = ParseLogLine(lines[at]);
  EXPECT_EQ(entry.kind, LogLine::kEntry) << lines[at];
  EXPECT_EQ(entry.text, kAppScope);
  EXPECT_EQ(entry.pid, pid);
  EXPECT_EQ(lines[at + 1], "\tExe Module: " + Narrow(exePath));
  EXPECT_EQ(lines[at + 2], "\tVersion: 12.9.13.1");
  const LogLine exit = ParseLogLine(lines[at + 3]);
  EXPECT_EQ(exit.kind, LogLine::kExit) << lines[at + 3];
  EXPECT_EQ(exit.text, kAppScope);
  EXPECT_EQ(exit.pid, pid);
  EXPECT_EQ(exit.tid, entry.tid);
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  fx::UniqueHFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  ASSERT_TRUE(file &&
              ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
}

TEST(LogSink, FileModesStartFreshOrAppendOverTwoRuns) {
  const struct {
    DWORD mode;
    bool keepsEarlierRuns;
  } cases[] = {{2, false}, {3, true}, {4, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode));
    const std::wstring folder = FreshScratchFolder();
    const std::wstring name = L"log_mode_" + std::to_wstring(c.mode) + L".exe";
    const std::wstring exe = CopyProgram(folder, name);
    const std::wstring log = exe + L".log";
    LogModeValue value(name + L".log");
    ASSERT_TRUE(value.SetDword(c.mode));
    // Left over from some earlier day.
    WriteFileBytes(log, "stale\r\n");

    const DWORD first = RunUntilCancelled(exe);
    const DWORD second = RunUntilCancelled(exe);
    ASSERT_TRUE(first && second);

    const LogFile file = SplitLogLines(ReadFileBytes(log));
    EXPECT_TRUE(file.crlfOnly);
    if (c.keepsEarlierRuns) {
      ASSERT_EQ(file.lines.size(), 9u);
      EXPECT_EQ(file.lines[0], "stale");
      ExpectStartupLines(file.lines, 1, first, exe);
      ExpectStartupLines(file.lines, 5, second, exe);
    } else {
      ASSERT_EQ(file.lines.size(), 4u);
      ExpectStartupLines(file.lines, 0, second, exe);
    }
  }
}

TEST(LogSink, ACopyUnderAnotherNameReadsAndWritesItsOwnName) {
  const std::wstring folder = FreshScratchFolder();
  const std::wstring exe = CopyProgram(folder, L"setup (1).exe");
  LogModeValue value(L"setup (1).exe.log");
  ASSERT_TRUE(value.SetDword(2));

  const DWORD pid = RunUntilCancelled(exe);
  ASSERT_NE(pid, 0u);

  std::vector<std::wstring> files = FilesIn(folder);
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::wstring>{L"setup (1).exe", L"setup (1).exe.log"}));
  const LogFile file = SplitLogLines(ReadFileBytes(exe + L".log"));
  ASSERT_EQ(file.lines.size(), 4u);
  ExpectStartupLines(file.lines, 0, pid, exe);
}

struct ValueCase {
  const char* what;
  DWORD type;  // REG_NONE: no value at all
  std::string data;
};

std::string DwordBytes(DWORD value) {
  return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

// Each would read as mode 2 if the type or the length were not looked at.
const ValueCase kNoLogValues[] = {
    {"no value", REG_NONE, ""},
    {"DWORD 0", REG_DWORD, DwordBytes(0)},
    {"DWORD 5", REG_DWORD, DwordBytes(5)},
    {"DWORD -1", REG_DWORD, DwordBytes(0xFFFFFFFF)},
    {"a string whose bytes are 02 00 00 00", REG_SZ, std::string("\x02\x00\x00\x00", 4)},
    {"QWORD 2", REG_QWORD, DwordBytes(2) + DwordBytes(0)},
};

TEST(LogSink, NoFileOrConsoleUnlessTheValueIsADwordFromOneToFour) {
  for (const ValueCase& c : kNoLogValues) {
    SCOPED_TRACE(c.what);
    const std::wstring folder = FreshScratchFolder();
    const std::wstring exe = CopyProgram(folder, L"no_log.exe");
    LogModeValue value(L"no_log.exe.log");
    if (c.type != REG_NONE) {
      ASSERT_TRUE(value.Set(c.type, c.data.data(), static_cast<DWORD>(c.data.size())));
    }
    ASSERT_NE(RunUntilCancelled(exe), 0u);
    EXPECT_EQ(FilesIn(folder), std::vector<std::wstring>{L"no_log.exe"});
  }
}

TEST(LogSink, OtherModesLeaveStandardOutputWhereItWasAndModeZeroWritesNothing) {
  // Started with a standard output of its own, the program writes there for
  // any mode that chooses no sink, and not at all for mode 0.
  const struct {
    DWORD mode;
    bool writes;
  } cases[] = {{5, true}, {0xFFFFFFFF, true}, {0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(static_cast<int>(c.mode)));
    const std::wstring folder = FreshScratchFolder();
    const std::wstring exe = CopyProgram(folder, L"given_stdout.exe");
    LogModeValue value(L"given_stdout.exe.log");
    ASSERT_TRUE(value.SetDword(c.mode));
    const std::wstring out = folder + L"\\stdout.txt";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    DWORD pid = 0;
    {
      fx::UniqueHFile stdHandle(
          ::CreateFileW(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr));
      ASSERT_TRUE(stdHandle);
      pid = RunUntilCancelled(exe, stdHandle.get());
      ASSERT_NE(pid, 0u);
    }
    const LogFile file = SplitLogLines(ReadFileBytes(out));
    if (c.writes) {
      ASSERT_EQ(file.lines.size(), 4u);
      ExpectStartupLines(file.lines, 0, pid, exe);
    } else {
      EXPECT_TRUE(file.lines.empty());
    }
    EXPECT_FALSE(::GetFileAttributesW((exe + L".log").c_str()) != INVALID_FILE_ATTRIBUTES);
  }
}

}  // namespace
