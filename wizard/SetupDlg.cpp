#include "wizard/SetupDlg.h"

#include <wininet.h>

#include "app/Velastore_Setup.h"
#include "diag/FuncTrace.h"
#include "fx/Text.h"
#include "res/resource.h"
#include "wizard/AboutDlg.h"
#include "wizard/AddressText.h"

CVelastore_SetupDlg::CVelastore_SetupDlg()
    : CDialog(IDD_VELASTORE_SETUP_DIALOG), m_hIcon(fx::AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

const fx::MessageMap* CVelastore_SetupDlg::GetMessageMap() const {
  static constexpr fx::MessageMapEntry entries[] = {
      fx::OnSysCommand<&CVelastore_SetupDlg::OnSysCommand>(),
      fx::OnQueryDragIcon<&CVelastore_SetupDlg::OnQueryDragIcon>(),
      fx::OnCommand<&CVelastore_SetupDlg::OnEnChangeServerURL>(EN_CHANGE, IDC_EDT_SERVERURL),
      fx::OnCommand<&CVelastore_SetupDlg::OnBnClickedNext>(BN_CLICKED, IDC_BTN_NEXT),
  };
  static constexpr fx::MessageMap map = fx::MakeMessageMap(&CDialog::messageMap, entries);
  return &map;
}

void CVelastore_SetupDlg::DoDataExchange(fx::CDataExchange& dx) {
  CDialog::DoDataExchange(dx);
  fx::DDX_Control(dx, IDC_STC_INFO, m_stcInfo);
  fx::DDX_Control(dx, IDC_GRP_ACCESSURL, m_grpAccessURL);
  fx::DDX_Control(dx, IDC_EDT_SERVERURL, m_edtServerURL);
  fx::DDX_Control(dx, IDC_BTN_NEXT, m_btnNext);
  fx::DDX_Control(dx, IDCANCEL, m_btnCancel);
}

BOOL CVelastore_SetupDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  if (HMENU sysMenu = ::GetSystemMenu(m_hWnd, FALSE)) {
    const std::wstring about = fx::LoadText(IDS_ABOUTBOX);
    if (!about.empty()) {
      ::AppendMenuW(sysMenu, MF_SEPARATOR, 0, nullptr);
      ::AppendMenuW(sysMenu, MF_STRING, IDM_ABOUTBOX, about.c_str());
    }
  }
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

  InitPageControls();
  return TRUE;  // the dialog manager focuses the address field
}

void CVelastore_SetupDlg::InitPageControls() {
  SetWindowText(fx::LoadText(IDS_WIZARD_CAPTION));
  m_stcInfo.SetWindowText(fx::LoadText(IDS_ADDRESS_INFO));
  m_grpAccessURL.SetWindowText(fx::LoadText(IDS_ACCESS_ADDRESS));
  m_btnNext.SetWindowText(fx::LoadText(IDS_NEXT));
  m_btnNext.EnableWindow(FALSE);
  m_btnCancel.SetWindowText(fx::LoadText(IDS_CANCEL));

  m_vecChildWnds.clear();
  for (HWND child = ::FindWindowExW(m_hWnd, nullptr, nullptr, nullptr); child;
       child = ::FindWindowExW(m_hWnd, child, nullptr, nullptr))
    m_vecChildWnds.emplace_back(child);

  m_bmpHeader.LoadBitmap(IDB_HEADER);
}

void CVelastore_SetupDlg::ShowPageControls(bool show) {
  for (const fx::CWnd& child : m_vecChildWnds) {
    child.EnableWindow(show);
    child.ShowWindow(show ? SW_SHOW : SW_HIDE);
    // Cancel stays usable while hidden: Escape and the close box still reach
    // it through the dialog manager.
    if (child.GetDlgCtrlID() == IDCANCEL) child.EnableWindow(TRUE);
  }
}

void CVelastore_SetupDlg::OnEnChangeServerURL() {
  // Blanks count here; they are trimmed only when Next is pressed.
  m_btnNext.EnableWindow(!m_edtServerURL.GetWindowText().empty());
}

void CVelastore_SetupDlg::OnBnClickedNext() {
  FuncTrace trace("CVelastore_SetupDlg::OnBnClickedNext");
  // Enter reaches this handler through the default button even while the
  // button is disabled or hidden under the download page.
  if (!m_btnNext.IsWindowEnabled()) return;

  const std::wstring address = TrimAddress(m_edtServerURL.GetWindowText());
  trace.Log("ServerURL: %S", address.c_str());

  // Synchronous on purpose: the page stays put until the server answers.
  if (!::InternetCheckConnectionW(ConnectionCheckUrl(address).c_str(), FLAG_ICC_FORCE_CONNECTION, 0)) {
    trace.Log("Server web connect fail___");
    fx::AfxMessageBox(fx::LoadText(IDS_SERVER_UNREACHABLE), MB_OK);
    return;
  }

  m_dlgDownload.SetServerURL(address);
  m_dlgDownload.Create(IDD_DOWNLOAD, this);
  ShowPageControls(false);
}

BOOL CVelastore_SetupDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header && header->idFrom == IDD_DOWNLOAD) {
    if (header->code == IDC_BTN_PREV)
      ShowPageControls(true);
    else if (header->code == IDCANCEL)
      OnCancel();
  }
  return CDialog::OnNotify(wParam, lParam, result);
}

void CVelastore_SetupDlg::OnCancel() {
  if (theApp.m_bInstalling) return;
  CDialog::OnCancel();
}

bool CVelastore_SetupDlg::OnSysCommand(UINT id, LPARAM) {
  if ((id & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutDlg about(this);
    about.DoModal();
    return true;
  }
  // Swallowed here, the close box cannot end the wizard mid-installation.
  if (id == SC_CLOSE && theApp.m_bInstalling) return true;
  return false;
}

HCURSOR CVelastore_SetupDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }
