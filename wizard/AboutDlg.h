#pragma once

#include "fx/Dialog.h"

class CAboutDlg : public fx::CDialog {
 public:
  explicit CAboutDlg(fx::CWnd* parent = nullptr);
};
