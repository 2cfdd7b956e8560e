// Reading log output back: the file's bytes, its lines, and what each line
// says.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fx/Win.h"

std::string ReadFileBytes(const std::wstring& path);

// The bytes of text in code page 949, the code page of the "Korean" locale.
std::string ToCodePage949(const std::wstring& text);

struct LogFile {
  std::vector<std::string> lines;
  // Every line ends in CR LF, and no CR or LF stands anywhere else.
  bool crlfOnly = true;
};
LogFile SplitLogLines(const std::string& bytes);

struct LogLine {
  enum Kind { kEntry, kRecord, kExit, kPlain };
  Kind kind = kPlain;
  // Month, day, hour, minute, second, millisecond, as in the prefix.
  int time[6] = {};
  DWORD pid = 0;
  DWORD tid = 0;
  // The scope's name for entry and exit lines, the message for records, the
  // whole line otherwise.
  std::string text;
};
LogLine ParseLogLine(const std::string& line);

// Whether the prefix's time lies between two readings of the local clock
// (taken in the same year).
// Each line without its time and process prefix, as ":    message" for a
// record or "Name() <<<..." for an entry line.
std::vector<std::string> LineBodies(const std::string& bytes);

// The entry line, a record line per message and the exit line of one scope,
// as LineBodies gives them.
std::vector<std::string> ScopeBodies(const std::string& scope, const std::vector<std::string>& messages);

bool TimeWithin(const LogLine& line, const SYSTEMTIME& from, const SYSTEMTIME& to);

// Points the C runtime's stdout at a file the way the log sink does (mode
// "a+") for the life of the object, then back where it was.
class StdoutToFile {
 public:
  explicit StdoutToFile(const std::wstring& path);
  ~StdoutToFile();
  StdoutToFile(const StdoutToFile&) = delete;
  StdoutToFile& operator=(const StdoutToFile&) = delete;

  bool Ok() const { return m_ok; }

 private:
  int m_savedFd = -1;
  bool m_ok = false;
};

// Trace output of this process caught in a file (by default a fresh scratch
// folder's trace.log): stdout points there and the log mode is the given one
// until Finish.
class TraceCapture {
 public:
  explicit TraceCapture(int logMode = 1, const std::wstring& path = std::wstring());
  ~TraceCapture();
  TraceCapture(const TraceCapture&) = delete;
  TraceCapture& operator=(const TraceCapture&) = delete;

  bool Ok() const { return m_redirect && m_redirect->Ok(); }
  const std::wstring& Folder() const { return m_folder; }
  // Puts stdout and the mode back and returns what was written.
  std::string Finish();

 private:
  std::wstring m_folder;
  std::wstring m_path;
  std::unique_ptr<StdoutToFile> m_redirect;
};
