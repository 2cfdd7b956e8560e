#include "app/Velastore_Setup.h"

#include <commctrl.h>

#include "diag/FuncTrace.h"
#include "diag/LogSink.h"
#include "fx/ModulePath.h"
#include "install/VersionQueries.h"
#include "wizard/SetupDlg.h"

namespace {

std::string ToThreadAnsi(const std::wstring& text) {
  if (text.empty()) return std::string();
  int size = ::WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
  std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    ::WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                          nullptr, nullptr);
  return out;
}

}  // namespace

// Both globals live in this one file so that their order is fixed: the
// application object (which configures the log) first, then the log lock.
// Records take the lock, so the application's constructor writes none: only
// its trace markers and two plain lines.
CVelastore_SetupApp theApp;
fx::CCriticalSection g_csLog;

CVelastore_SetupApp::CVelastore_SetupApp() {
  InitLogOutput();
  FuncTrace trace("CVelastore_SetupApp::CVelastore_SetupApp");
  const std::wstring exePath = fx::ModulePath(nullptr);
  trace << "\tExe Module: " << ToThreadAnsi(exePath) << std::endl;
  trace << "\tVersion: " << ToThreadAnsi(GetFileVersionText(exePath.c_str())) << std::endl;
}

BOOL CVelastore_SetupApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);

  // The program hosts no ActiveX controls and keeps no settings of its own,
  // so neither a control container nor a settings key is set up here.
  CVelastore_SetupDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}
