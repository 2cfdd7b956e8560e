// The download page: a child page over the address page whose worker thread
// runs the installation steps.
#pragma once

#include <string>

#include "fx/Bitmap.h"
#include "fx/Dialog.h"
#include "fx/UniqueHandle.h"

class VSDownloadDlg : public fx::CDialog {
 public:
  VSDownloadDlg();
  ~VSDownloadDlg() override;

  void SetServerURL(std::wstring address) { m_strServerURL = std::move(address); }

  // The size the server announces for a file, or -1 when it announces none.
  static int GetWebFileSize(const wchar_t* url);

  // Fetches url into localPath while the page's bar follows the transfer;
  // returns the download's result unchanged.
  static HRESULT DownloadWithProgress(const std::wstring& url, const std::wstring& localPath,
                                      VSDownloadDlg* page) {
    return DownloadWithProgress(url, localPath, page ? &page->m_prgDownload : nullptr);
  }
  static HRESULT DownloadWithProgress(const std::wstring& url, const std::wstring& localPath,
                                      const fx::CProgressCtrl* progress);

  // The installation steps. A step returns -1 when it could not begin.
  static int InstallActiveX(const wchar_t* address, VSDownloadDlg* page);

  fx::CStatic m_stcInfo;
  fx::CProgressCtrl m_prgDownload;
  fx::CButton m_btnPrev;
  fx::CButton m_btnNext;
  fx::CBitmap m_bmpHeader;
  std::wstring m_strServerURL;

 protected:
  const fx::MessageMap* GetMessageMap() const override;
  void DoDataExchange(fx::CDataExchange& dx) override;
  BOOL OnInitDialog() override;

 private:
  void OnBnClickedNext();
  void OnBnClickedPrev();
  bool OnTimer(UINT_PTR id);
  void Leave(UINT code);
  static unsigned __stdcall InstallThreadProc(void* arg);
  void Install();

  // The worker; kept so that the page outlives the worker's last touch.
  fx::UniqueHandleKernel m_hThread;
};
