// Records of two threads at once: each line whole, each thread's records in
// its own order, the clock never running backwards down the file.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <thread>
#include <tuple>
#include <vector>

#include "support/LogFile.h"
#include "diag/FuncTrace.h"

namespace {

TEST(TraceThreads, RecordsOfTwoThreadsStayWholeLinesInTimeOrder) {
  constexpr int kRecords = 1500;
  static const wchar_t kServer[] = L"벨라스토어 서버";
  const std::string expectedServer = ToCodePage949(kServer);
  TraceCapture capture;
  ASSERT_TRUE(capture.Ok());
  auto worker = [](int number) {
    FuncTrace trace("VSDownloadDlg::InstallActiveX");
    for (int i = 0; i < kRecords; ++i) trace.Log("worker %d record %d %S", number, i, kServer);
  };
  std::thread first(worker, 1);
  std::thread second(worker, 2);
  first.join();
  second.join();
  const LogFile file = SplitLogLines(capture.Finish());
  EXPECT_TRUE(file.crlfOnly);
  ASSERT_EQ(file.lines.size(), 2u * (kRecords + 2));

  std::map<DWORD, int> workerOfThread;  // thread id -> worker number
  std::map<int, int> nextRecord;        // worker number -> next record index
  std::map<DWORD, int> entries, exits;
  std::tuple<int, int, int, int, int, int> lastTime{};
  for (const std::string& text : file.lines) {
    const LogLine line = ParseLogLine(text);
    ASSERT_NE(line.kind, LogLine::kPlain) << "torn line: " << text;
    if (line.kind == LogLine::kEntry) ++entries[line.tid];
    if (line.kind == LogLine::kExit) ++exits[line.tid];
    if (line.kind != LogLine::kRecord) continue;

    int number = 0, index = 0, used = 0;
    ASSERT_EQ(std::sscanf(line.text.c_str(), "worker %d record %d %n", &number, &index, &used), 2) << text;
    EXPECT_EQ(line.text.substr(static_cast<size_t>(used)), expectedServer) << text;
    auto known = workerOfThread.emplace(line.tid, number).first;
    EXPECT_EQ(known->second, number) << "two workers on one thread id: " << text;
    EXPECT_EQ(index, nextRecord[number]++) << text;

    const auto& t = line.time;
    const auto time = std::make_tuple(t[0], t[1], t[2], t[3], t[4], t[5]);
    EXPECT_LE(lastTime, time) << "clock read outside the lock: " << text;
    lastTime = time;
  }
  EXPECT_EQ(workerOfThread.size(), 2u);
  EXPECT_EQ(nextRecord[1], kRecords);
  EXPECT_EQ(nextRecord[2], kRecords);
  for (const auto& [tid, count] : entries) EXPECT_EQ(count, 1) << tid;
  for (const auto& [tid, count] : exits) EXPECT_EQ(count, 1) << tid;
  EXPECT_EQ(entries.size(), 2u);
  EXPECT_EQ(exits.size(), 2u);
}

}  // namespace
