#include "diag/FuncTrace.h"

#include <clocale>
#include <cstdarg>
#include <iostream>

#include "diag/LogSink.h"
#include "diag/LogText.h"

namespace {

const char kEntryMarker[] = "() <<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<";
const char kExitMarker[] = "() >>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>";

std::streambuf* SharedLogBuffer() {
  // The application object opens a scope during static initialisation, and
  // nothing orders that before the initialisation of std::cout in another
  // translation unit; until then cout has no buffer at all. An Init object
  // builds the standard streams on the spot.
  static const std::ios_base::Init streams;
  // With sync_with_stdio on, cout's buffer writes straight through the C
  // runtime's stdout FILE, so it follows every freopen of stdout.
  return g_nLogMode != 0 ? std::cout.rdbuf() : nullptr;
}

}  // namespace

FuncTrace::FuncTrace(const char* name)
    : std::ostream(SharedLogBuffer()), m_strName(name ? name : ""), m_bMarker(true), m_bEnable(true) {
  std::setlocale(LC_ALL, "Korean");
  if (m_bMarker && m_bEnable) WriteMarkerLine(kEntryMarker);
}

FuncTrace::~FuncTrace() {
  if (m_bMarker && m_bEnable) WriteMarkerLine(kExitMarker);
}

void FuncTrace::Log(const char* format, ...) {
  if (!m_bEnable) return;
  va_list args;
  va_start(args, format);
  try {
    fx::CriticalSectionLock lock(g_csLog);
    std::string line = MakePrefix();
    line += ":    ";
    line += FormatLogMessage(format, args);
    WriteWholeLine(line);
  } catch (...) {
    // Out of memory: the record is lost, and the lock is released on the way.
  }
  va_end(args);
}

std::string FuncTrace::MakePrefix() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return FormatLogPrefix(now, ::GetCurrentProcessId(), ::GetCurrentThreadId());
}

std::string FuncTrace::HeadText() const { return MakePrefix() + m_strName; }

void FuncTrace::WriteHead() {
  if (!m_bEnable) return;
  try {
    *this << HeadText();
  } catch (...) {
  }
}

void FuncTrace::WriteMarkerLine(const char* marker) noexcept {
  // Entry and exit lines take no lock: the application object's scope runs
  // before g_csLog is constructed. Writing the line in one piece keeps it
  // whole next to another thread's records all the same.
  try {
    WriteWholeLine(HeadText() + marker);
  } catch (...) {
  }
}

void FuncTrace::WriteWholeLine(std::string line) {
  // One insertion is one fwrite, which the C runtime does under the FILE's
  // own lock; the newline goes with the text so that no other thread's line
  // can come between them. The flush is what std::endl would do.
  line += '\n';
  *this << line << std::flush;
}
