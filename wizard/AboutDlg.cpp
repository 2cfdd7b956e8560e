#include "wizard/AboutDlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg(fx::CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}
