// Switches the trace on and leads standard output into a file for the life
// of the object, so that a test can read the lines a traced function wrote.
#pragma once

#include <string>
#include <vector>

class LogCapture {
 public:
  explicit LogCapture(const std::wstring& path);
  ~LogCapture();
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  // Each line written so far without its time and process prefix, e.g.
  // ":    ServerFileSize: 5" or "Scope::Name() <<<...".
  std::vector<std::string> Bodies() const;

 private:
  std::wstring m_path;
  int m_savedStdout;
};

// The entry line, a record line per message, and the exit line of one scope,
// as Bodies() gives them.
std::vector<std::string> ScopeBodies(const std::string& scope, const std::vector<std::string>& messages);
