#include "LogCapture.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "diag/LogSink.h"

LogCapture::LogCapture(const std::wstring& path) : m_path(path) {
  std::fflush(stdout);
  // freopen closes the descriptor behind stdout; a duplicate keeps the
  // original (the test runner's pipe) so it can be put back afterwards.
  m_savedStdout = _dup(_fileno(stdout));
  _wfreopen(m_path.c_str(), L"a+", stdout);
  g_nLogMode = 1;
}

LogCapture::~LogCapture() {
  g_nLogMode = 0;
  std::fflush(stdout);
  _dup2(m_savedStdout, _fileno(stdout));
  _close(m_savedStdout);
  std::clearerr(stdout);
}

std::vector<std::string> LogCapture::Bodies() const {
  std::fflush(stdout);
  std::vector<std::string> bodies;
  FILE* file = _wfopen(m_path.c_str(), L"rb");
  if (!file) return bodies;
  std::string text;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  std::fclose(file);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // The prefix is two bracketed groups: time, then process and thread.
    const size_t second = line.find("][");
    const size_t close = second == std::string::npos ? std::string::npos : line.find(']', second + 2);
    bodies.push_back(close == std::string::npos ? line : line.substr(close + 1));
    start = end + 1;
  }
  return bodies;
}

std::vector<std::string> ScopeBodies(const std::string& scope, const std::vector<std::string>& messages) {
  std::vector<std::string> bodies{scope + "() " + std::string(43, '<')};
  for (const std::string& message : messages) bodies.push_back(":    " + message);
  bodies.push_back(scope + "() " + std::string(43, '>'));
  return bodies;
}
