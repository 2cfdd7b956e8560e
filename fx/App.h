// The application object: one global instance, constructed before the entry
// point, whose InitInstance the entry point runs.
#pragma once

#include "fx/Win.h"
#include "fx/Wnd.h"

namespace fx {

class CWinAppEx {
 public:
  CWinAppEx();
  virtual ~CWinAppEx();
  CWinAppEx(const CWinAppEx&) = delete;
  CWinAppEx& operator=(const CWinAppEx&) = delete;

  // Returns whether the framework should run a message loop of its own; a
  // dialog-based program returns FALSE once its dialog has ended.
  virtual BOOL InitInstance() { return TRUE; }

  HICON LoadIcon(UINT id) const;

  HINSTANCE m_hInstance;
  CWnd* m_pMainWnd = nullptr;
};

CWinAppEx* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();

}  // namespace fx
