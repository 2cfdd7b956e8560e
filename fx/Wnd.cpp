#include "fx/Wnd.h"

namespace fx {

std::wstring CWnd::GetWindowText() const {
  // The length is a hint, not a promise (another thread may change the text
  // in between), so trust only what the copy reports.
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
  int copied = ::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

void CWnd::SetWindowText(const std::wstring& text) const { ::SetWindowTextW(m_hWnd, text.c_str()); }

}  // namespace fx
