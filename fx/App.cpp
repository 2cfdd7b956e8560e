#include "fx/App.h"

namespace fx {
namespace {
CWinAppEx* g_pApp = nullptr;
}

// The module handle is known before WinMain runs, so resources can be loaded
// from the constructors of globals.
CWinAppEx::CWinAppEx() : m_hInstance(::GetModuleHandleW(nullptr)) { g_pApp = this; }

CWinAppEx::~CWinAppEx() {
  if (g_pApp == this) g_pApp = nullptr;
}

HICON CWinAppEx::LoadIcon(UINT id) const { return ::LoadIconW(m_hInstance, MAKEINTRESOURCEW(id)); }

CWinAppEx* AfxGetApp() { return g_pApp; }

HINSTANCE AfxGetInstanceHandle() { return g_pApp ? g_pApp->m_hInstance : ::GetModuleHandleW(nullptr); }

}  // namespace fx
