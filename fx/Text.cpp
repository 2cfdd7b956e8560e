#include "fx/Text.h"

#include "fx/App.h"
#include "fx/ModulePath.h"

namespace fx {

std::wstring LoadText(UINT id) {
  // With a zero buffer size LoadStringW hands back a pointer into the
  // resource itself; the text there is not terminated.
  const wchar_t* text = nullptr;
  int length = ::LoadStringW(AfxGetInstanceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::wstring AppName() {
  std::wstring name = FileNameOf(ModulePath(nullptr));
  size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return name;
}

int AfxMessageBox(const std::wstring& text, UINT type) {
  if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
  CWinAppEx* app = AfxGetApp();
  HWND owner = app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
  return ::MessageBoxW(owner, text.c_str(), AppName().c_str(), type);
}

}  // namespace fx
