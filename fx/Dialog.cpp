#include "fx/Dialog.h"

#include "fx/App.h"

namespace fx {

const MessageMap CDialog::messageMap{nullptr, nullptr, 0};

void DDX_Control(CDataExchange& dx, int id, CWnd& control) { control.m_hWnd = ::GetDlgItem(dx.m_hDlg, id); }

CDialog::~CDialog() {
  // A page object may go before its window (the parent tore it down); the
  // window must then no longer reach this object.
  if (m_hWnd && ::IsWindow(m_hWnd)) {
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    ::DestroyWindow(m_hWnd);
  }
}

INT_PTR CDialog::DoModal() {
  HWND parent = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
  return ::DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  m_nIDTemplate = templateId;
  m_pParentWnd = parent;
  HWND hwnd = ::CreateDialogParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(templateId),
                                   parent ? parent->GetSafeHwnd() : nullptr, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
  return hwnd != nullptr;
}

BOOL CDialog::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

BOOL CDialog::OnInitDialog() {
  CDataExchange dx(m_hWnd);
  DoDataExchange(dx);
  return TRUE;
}

void CDialog::OnOK() { EndDialog(IDOK); }

// For a modeless page, EndDialog only hides the window.
void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnNotify(WPARAM, LPARAM, LRESULT*) { return FALSE; }

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // The object travels in WM_INITDIALOG's lParam; until then (WM_SETFONT,
  // WM_NCCREATE, ...) there is nobody to tell.
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CDialog*>(lParam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, lParam);
    self->m_hWnd = hwnd;
  }
  auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {
    // Last message of the window: from here on no virtual call may reach
    // the object, which may be about to go.
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->m_hWnd = nullptr;
    return FALSE;
  }
  // An exception must not unwind through the system's window code.
  try {
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!Route(message, wParam, lParam, result)) return FALSE;
  switch (message) {
    // These few return their result from the dialog procedure itself.
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
      return static_cast<INT_PTR>(result);
    default:
      ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
      return TRUE;
  }
}

bool CDialog::Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const UINT code = message == WM_COMMAND ? HIWORD(wParam) : 0;
  const UINT id = message == WM_COMMAND ? LOWORD(wParam) : 0;
  for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
    for (size_t i = 0; i < map->count; ++i) {
      const MessageMapEntry& entry = map->entries[i];
      if (entry.message == message && entry.code == code && entry.id == id)
        return entry.handler(*this, wParam, lParam, result);
    }
  }
  switch (message) {
    case WM_INITDIALOG:
      result = OnInitDialog();
      return true;
    case WM_COMMAND:
      // Enter and Escape arrive as clicks of IDOK and IDCANCEL.
      if (code == BN_CLICKED && id == IDOK) {
        OnOK();
        return true;
      }
      if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return true;
      }
      return false;
    case WM_NOTIFY:
      return OnNotify(wParam, lParam, &result) != FALSE;
    default:
      return false;
  }
}

}  // namespace fx
