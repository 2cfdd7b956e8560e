#include "wizard/DownloadDlg.h"

#include <process.h>

#include "app/Velastore_Setup.h"
#include "fx/Text.h"
#include "res/resource.h"

namespace {
constexpr UINT_PTR kStartTimer = 1;
constexpr UINT kStartDelayMs = 300;
}  // namespace

VSDownloadDlg::VSDownloadDlg() : CDialog(IDD_DOWNLOAD) {}

VSDownloadDlg::~VSDownloadDlg() {
  // The worker clears the busy flag before its last touches of the page, so
  // the wizard may be closing while it still runs. Wait it out, but keep
  // serving the messages it sends meanwhile, or both threads would hang.
  if (!m_hThread) return;
  HANDLE worker = m_hThread.get();
  while (::MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

const fx::MessageMap* VSDownloadDlg::GetMessageMap() const {
  static constexpr fx::MessageMapEntry entries[] = {
      fx::OnCommand<&VSDownloadDlg::OnBnClickedNext>(BN_CLICKED, IDC_BTN_NEXT),
      fx::OnCommand<&VSDownloadDlg::OnBnClickedPrev>(BN_CLICKED, IDC_BTN_PREV),
      fx::OnTimer<&VSDownloadDlg::OnTimer>(),
  };
  static constexpr fx::MessageMap map = fx::MakeMessageMap(&CDialog::messageMap, entries);
  return &map;
}

void VSDownloadDlg::DoDataExchange(fx::CDataExchange& dx) {
  CDialog::DoDataExchange(dx);
  fx::DDX_Control(dx, IDC_STC_INFO, m_stcInfo);
  fx::DDX_Control(dx, IDC_PRG_DOWNLOAD, m_prgDownload);
  fx::DDX_Control(dx, IDC_BTN_PREV, m_btnPrev);
  fx::DDX_Control(dx, IDC_BTN_NEXT, m_btnNext);
}

BOOL VSDownloadDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_stcInfo.SetWindowText(fx::LoadText(IDS_DOWNLOAD_INFO));
  m_btnPrev.SetWindowText(fx::LoadText(IDS_PREV));
  m_btnNext.SetWindowText(fx::LoadText(IDS_FINISH));
  m_bmpHeader.LoadBitmap(IDB_HEADER);
  // The worker starts a moment later, so that Prev can still undo a Next
  // pressed by mistake.
  ::SetTimer(m_hWnd, kStartTimer, kStartDelayMs, nullptr);
  return TRUE;
}

bool VSDownloadDlg::OnTimer(UINT_PTR id) {
  if (id == kStartTimer) {
    ::KillTimer(m_hWnd, kStartTimer);
    m_hThread.reset(
        reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, InstallThreadProc, this, 0, nullptr)));
  }
  return false;
}

void VSDownloadDlg::OnBnClickedNext() { Leave(IDCANCEL); }

void VSDownloadDlg::OnBnClickedPrev() { Leave(IDC_BTN_PREV); }

void VSDownloadDlg::Leave(UINT code) {
  OnCancel();  // hides the page: EndDialog on a modeless dialog
  if (HWND parent = ::GetParent(m_hWnd)) {
    NMHDR header{m_hWnd, IDD_DOWNLOAD, code};
    ::SendMessageW(parent, WM_NOTIFY, IDD_DOWNLOAD, reinterpret_cast<LPARAM>(&header));
  }
  // A start timer that has not fired yet dies with the window.
  DestroyWindow();
}

unsigned __stdcall VSDownloadDlg::InstallThreadProc(void* arg) {
  // Nothing may unwind out of a thread.
  try {
    static_cast<VSDownloadDlg*>(arg)->Install();
  } catch (...) {
  }
  return 0;
}

void VSDownloadDlg::Install() {
  // Every touch of the page is a window call that the user-interface thread
  // carries out; this thread never touches a control directly.
  m_btnPrev.EnableWindow(FALSE);
  m_btnNext.EnableWindow(FALSE);
  theApp.m_bInstalling = TRUE;
  try {
    InstallActiveX(m_strServerURL.c_str(), this);
  } catch (...) {
    // A step that throws has failed; the wizard must still be let go.
  }
  theApp.m_bInstalling = FALSE;
  m_btnNext.SetWindowText(fx::LoadText(IDS_FINISH));
  m_btnNext.EnableWindow(TRUE);
}
