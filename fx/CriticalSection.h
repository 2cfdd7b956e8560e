// A Windows critical section and its scope lock.
#pragma once

#include <new>

#include "fx/Win.h"

namespace fx {

class CCriticalSection {
 public:
  CCriticalSection() {
    // The spin-count variant reports failure where the plain one cannot.
    if (!::InitializeCriticalSectionAndSpinCount(&m_sect, 0)) throw std::bad_alloc();
  }
  ~CCriticalSection() { ::DeleteCriticalSection(&m_sect); }
  CCriticalSection(const CCriticalSection&) = delete;
  CCriticalSection& operator=(const CCriticalSection&) = delete;

  void Lock() noexcept { ::EnterCriticalSection(&m_sect); }
  void Unlock() noexcept { ::LeaveCriticalSection(&m_sect); }

 private:
  CRITICAL_SECTION m_sect;
};

class CriticalSectionLock {
 public:
  explicit CriticalSectionLock(CCriticalSection& cs) noexcept : m_cs(cs) { m_cs.Lock(); }
  ~CriticalSectionLock() { m_cs.Unlock(); }
  CriticalSectionLock(const CriticalSectionLock&) = delete;
  CriticalSectionLock& operator=(const CriticalSectionLock&) = delete;

 private:
  CCriticalSection& m_cs;
};

}  // namespace fx
