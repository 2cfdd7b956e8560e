#include "support/LogFile.h"

#include <io.h>

#include <cstdio>
#include <regex>
#include <tuple>

#include "diag/LogSink.h"
#include "fx/UniqueHandle.h"
#include "support/TestPaths.h"

std::string ReadFileBytes(const std::wstring& path) {
  fx::UniqueHFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
  std::string bytes;
  if (!file) return bytes;
  char chunk[4096];
  DWORD got = 0;
  while (::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  return bytes;
}

std::string ToCodePage949(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int size = ::WideCharToMultiByte(949, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    ::WideCharToMultiByte(949, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                          nullptr);
  return bytes;
}

LogFile SplitLogLines(const std::string& bytes) {
  LogFile file;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      file.lines.push_back(bytes.substr(start));
      file.crlfOnly = false;
      break;
    }
    file.lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  for (const std::string& line : file.lines)
    if (line.find_first_of("\r\n") != std::string::npos) file.crlfOnly = false;
  return file;
}

LogLine ParseLogLine(const std::string& line) {
  // ECMAScript's '.' stops at CR and LF, so a torn line matches nothing.
  static const std::string prefix =
      R"(^\[(\d{2})\.(\d{2}) (\d{2}):(\d{2}):(\d{2})\.(\d{3})\]\[P:([1-9]\d*), T:([1-9]\d*)\])";
  static const std::regex entry(prefix + R"((.+)\(\) <{43}$)");
  static const std::regex exit(prefix + R"((.+)\(\) >{43}$)");
  static const std::regex record(prefix + R"(:    (.*)$)");

  LogLine parsed;
  parsed.text = line;
  std::smatch m;
  if (std::regex_match(line, m, entry))
    parsed.kind = LogLine::kEntry;
  else if (std::regex_match(line, m, exit))
    parsed.kind = LogLine::kExit;
  else if (std::regex_match(line, m, record))
    parsed.kind = LogLine::kRecord;
  else
    return parsed;
  for (int i = 0; i < 6; ++i) parsed.time[i] = std::stoi(m[i + 1].str());
  parsed.pid = static_cast<DWORD>(std::stoul(m[7].str()));
  parsed.tid = static_cast<DWORD>(std::stoul(m[8].str()));
  parsed.text = m[9].str();
  return parsed;
}

std::vector<std::string> LineBodies(const std::string& bytes) {
  std::vector<std::string> bodies;
  for (const std::string& line : SplitLogLines(bytes).lines) {
    // The prefix is two bracketed groups: time, then process and thread.
    const size_t second = line.find("][");
    const size_t close = second == std::string::npos ? std::string::npos : line.find(']', second + 2);
    bodies.push_back(close == std::string::npos ? line : line.substr(close + 1));
  }
  return bodies;
}

std::vector<std::string> ScopeBodies(const std::string& scope, const std::vector<std::string>& messages) {
  std::vector<std::string> bodies{scope + "() " + std::string(43, '<')};
  for (const std::string& message : messages) bodies.push_back(":    " + message);
  bodies.push_back(scope + "() " + std::string(43, '>'));
  return bodies;
}

bool TimeWithin(const LogLine& line, const SYSTEMTIME& from, const SYSTEMTIME& to) {
  auto key = [](const SYSTEMTIME& t) {
    return std::make_tuple(int{t.wMonth}, int{t.wDay}, int{t.wHour}, int{t.wMinute}, int{t.wSecond},
                           int{t.wMilliseconds});
  };
  const auto& t = line.time;
  const auto at = std::make_tuple(t[0], t[1], t[2], t[3], t[4], t[5]);
  return key(from) <= at && at <= key(to);
}

StdoutToFile::StdoutToFile(const std::wstring& path) {
  std::fflush(stdout);
  m_savedFd = ::_dup(::_fileno(stdout));
  m_ok = ::_wfreopen(path.c_str(), L"a+", stdout) != nullptr;
}

StdoutToFile::~StdoutToFile() {
  std::fflush(stdout);
  if (m_savedFd < 0) return;
  // freopen may have given stdout another descriptor; whichever it is now
  // leads back to where stdout led before, and the file is closed.
  if (m_ok) ::_dup2(m_savedFd, ::_fileno(stdout));
  ::_close(m_savedFd);
}

TraceCapture::TraceCapture(int logMode, const std::wstring& path)
    : m_folder(path.empty() ? FreshScratchFolder() : path.substr(0, path.rfind(L'\\'))),
      m_path(path.empty() ? m_folder + L"\\trace.log" : path),
      m_redirect(std::make_unique<StdoutToFile>(m_path)) {
  g_nLogMode = logMode;
}

TraceCapture::~TraceCapture() { Finish(); }

std::string TraceCapture::Finish() {
  g_nLogMode = 0;
  m_redirect.reset();
  return ReadFileBytes(m_path);
}
