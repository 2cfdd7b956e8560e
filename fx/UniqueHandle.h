// Move-only owners for Win32 handles, one alias per handle kind.
#pragma once

#include <utility>

#include "fx/Win.h"

#include <wininet.h>

namespace fx {

template <typename Traits>
class UniqueHandle {
 public:
  using pointer = typename Traits::pointer;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(pointer handle) noexcept : m_handle(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  pointer get() const noexcept { return m_handle; }
  explicit operator bool() const noexcept { return m_handle != Traits::Invalid(); }

  pointer release() noexcept { return std::exchange(m_handle, Traits::Invalid()); }
  void reset(pointer handle = Traits::Invalid()) noexcept {
    pointer old = std::exchange(m_handle, handle);
    if (old != Traits::Invalid()) Traits::Close(old);
  }

  // For out-parameters of the create-and-return-through-pointer kind.
  pointer* put() noexcept {
    reset();
    return &m_handle;
  }

 private:
  pointer m_handle = Traits::Invalid();
};

struct KernelHandleTraits {
  using pointer = HANDLE;
  static pointer Invalid() noexcept { return nullptr; }
  static void Close(pointer h) noexcept { ::CloseHandle(h); }
};

struct FileHandleTraits {
  using pointer = HANDLE;
  // CreateFileW reports failure as INVALID_HANDLE_VALUE, not null.
  static pointer Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(pointer h) noexcept { ::CloseHandle(h); }
};

struct HKeyTraits {
  using pointer = HKEY;
  static pointer Invalid() noexcept { return nullptr; }
  static void Close(pointer h) noexcept { ::RegCloseKey(h); }
};

struct HInternetTraits {
  using pointer = HINTERNET;
  static pointer Invalid() noexcept { return nullptr; }
  static void Close(pointer h) noexcept { ::InternetCloseHandle(h); }
};

template <typename Gdi>
struct GdiObjectTraits {
  using pointer = Gdi;
  static pointer Invalid() noexcept { return nullptr; }
  static void Close(pointer h) noexcept { ::DeleteObject(h); }
};

// FindFirstFileW's search handle, which CloseHandle must not be given.
struct HFindTraits {
  using pointer = HANDLE;
  static pointer Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(pointer h) noexcept { ::FindClose(h); }
};

// A module reference counted by GetModuleHandleExW (without its
// UNCHANGED_REFCOUNT flag) or LoadLibrary.
struct HModuleTraits {
  using pointer = HMODULE;
  static pointer Invalid() noexcept { return nullptr; }
  static void Close(pointer h) noexcept { ::FreeLibrary(h); }
};

// A memory DC from CreateCompatibleDC; window DCs are released, not deleted.
struct MemoryHdcTraits {
  using pointer = HDC;
  static pointer Invalid() noexcept { return nullptr; }
  static void Close(pointer h) noexcept { ::DeleteDC(h); }
};

using UniqueHandleKernel = UniqueHandle<KernelHandleTraits>;
using UniqueHFile = UniqueHandle<FileHandleTraits>;
using UniqueHFind = UniqueHandle<HFindTraits>;
using UniqueHModule = UniqueHandle<HModuleTraits>;
using UniqueHKey = UniqueHandle<HKeyTraits>;
using UniqueHInternet = UniqueHandle<HInternetTraits>;
using UniqueHPen = UniqueHandle<GdiObjectTraits<HPEN>>;
using UniqueHFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueHBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueMemoryHdc = UniqueHandle<MemoryHdcTraits>;

// An object selected into a DC for the length of a scope; the previous
// object goes back in on the way out, before the selected one is deleted.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
  SelectedObject(SelectedObject&& other) noexcept
      : m_dc(other.m_dc), m_previous(std::exchange(other.m_previous, nullptr)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  SelectedObject& operator=(SelectedObject&&) = delete;
  ~SelectedObject() {
    if (m_previous) ::SelectObject(m_dc, m_previous);
  }

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

}  // namespace fx
