// The function trace: a scope that logs its entry and exit and carries the
// records written in between.
#pragma once

#include <ostream>
#include <string>

#include "fx/CriticalSection.h"

// Serialises records of all threads; constructed right after the application
// object.
extern fx::CCriticalSection g_csLog;

class FuncTrace : public std::ostream {
 public:
  explicit FuncTrace(const char* name);
  ~FuncTrace() override;

  FuncTrace(const FuncTrace&) = delete;
  FuncTrace& operator=(const FuncTrace&) = delete;

  // printf-style record; "%S" takes a wide string.
  void Log(const char* format, ...);

  static std::string MakePrefix();
  void WriteHead();

 private:
  std::string HeadText() const;
  void WriteMarkerLine(const char* marker) noexcept;
  void WriteWholeLine(std::string line);

  std::string m_strName;
  bool m_bMarker;
  bool m_bEnable;
};
