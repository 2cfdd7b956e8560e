// The address page: the wizard's main window and first page.
#pragma once

#include <vector>

#include "fx/Bitmap.h"
#include "fx/Dialog.h"
#include "wizard/DownloadDlg.h"

class CVelastore_SetupDlg : public fx::CDialog {
 public:
  CVelastore_SetupDlg();

 protected:
  const fx::MessageMap* GetMessageMap() const override;
  void DoDataExchange(fx::CDataExchange& dx) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void InitPageControls();
  void ShowPageControls(bool show);

  bool OnSysCommand(UINT id, LPARAM lParam);
  HCURSOR OnQueryDragIcon();
  void OnEnChangeServerURL();
  void OnBnClickedNext();

  HICON m_hIcon;
  fx::CStatic m_stcInfo;
  fx::CStatic m_grpAccessURL;
  fx::CEdit m_edtServerURL;
  fx::CButton m_btnNext;
  fx::CButton m_btnCancel;
  std::vector<fx::CWnd> m_vecChildWnds;
  fx::CBitmap m_bmpHeader;
  VSDownloadDlg m_dlgDownload;
};
