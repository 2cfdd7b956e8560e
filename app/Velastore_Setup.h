// The application object.
#pragma once

#include <atomic>

#include "fx/App.h"

class CVelastore_SetupApp : public fx::CWinAppEx {
 public:
  CVelastore_SetupApp();
  BOOL InitInstance() override;

  // 1 while the installation worker runs its steps; the wizard refuses to
  // close meanwhile. Written by the worker, read by the user-interface thread.
  std::atomic<BOOL> m_bInstalling{FALSE};
};

extern CVelastore_SetupApp theApp;
