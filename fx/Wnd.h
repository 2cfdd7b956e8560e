// Views over existing windows. They hold a handle and nothing else: copying
// one copies the view, and destroying one leaves the window alone.
#pragma once

#include <string>

#include "fx/Win.h"

#include <commctrl.h>

namespace fx {

class CWnd {
 public:
  CWnd() noexcept = default;
  explicit CWnd(HWND hwnd) noexcept : m_hWnd(hwnd) {}
  virtual ~CWnd() = default;

  HWND GetSafeHwnd() const noexcept { return m_hWnd; }

  std::wstring GetWindowText() const;
  void SetWindowText(const std::wstring& text) const;
  BOOL EnableWindow(BOOL enable) const { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  BOOL ShowWindow(int cmd) const { return ::ShowWindow(m_hWnd, cmd); }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  CWnd GetParent() const { return CWnd(::GetParent(m_hWnd)); }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
  }

  HWND m_hWnd = nullptr;
};

class CStatic : public CWnd {};
class CEdit : public CWnd {};
class CButton : public CWnd {};

class CProgressCtrl : public CWnd {
 public:
  void SetRange32(int lower, int upper) const { SendMessage(PBM_SETRANGE32, lower, upper); }
  int SetPos(int pos) const { return static_cast<int>(SendMessage(PBM_SETPOS, pos)); }
  int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
  void GetRange(int& lower, int& upper) const {
    PBRANGE range{};
    SendMessage(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    lower = range.iLow;
    upper = range.iHigh;
  }
};

}  // namespace fx
