#include "install/URLDownCallBack.h"

#include <cwchar>
#include <string>

namespace {

// What follows the last '/', or the whole text when there is none.
const wchar_t* FileNamePart(const wchar_t* text) {
  if (!text) return L"";
  const wchar_t* slash = std::wcsrchr(text, L'/');
  return slash ? slash + 1 : text;
}

}  // namespace

URLDownCallBack::URLDownCallBack(const fx::CProgressCtrl* progress, fx::CWnd* fileName, int fileSize)
    : m_pProgress(progress), m_pFileName(fileName), m_nFileSize(fileSize) {
  // The position stays where the previous download left it until this
  // transfer's first notice moves it.
  if (m_pProgress) m_pProgress->SetRange32(0, m_nFileSize);
  if (m_pFileName) m_pFileName->SetWindowText(std::wstring());
}

URLDownCallBack::~URLDownCallBack() = default;

HRESULT URLDownCallBack::QueryInterface(REFIID, void** object) {
  // URL moniker asks only for optional helpers here (service provider, HTTP
  // negotiation) and does without them. Whatever the answer, a caller must
  // not find a stale pointer.
  if (object) *object = nullptr;
  return E_NOTIMPL;
}

ULONG URLDownCallBack::AddRef() { return 0; }
ULONG URLDownCallBack::Release() { return 0; }

HRESULT URLDownCallBack::OnStartBinding(DWORD, IBinding*) { return E_NOTIMPL; }
HRESULT URLDownCallBack::GetPriority(LONG*) { return E_NOTIMPL; }
HRESULT URLDownCallBack::OnLowResource(DWORD) { return E_NOTIMPL; }
HRESULT URLDownCallBack::OnStopBinding(HRESULT, LPCWSTR) { return E_NOTIMPL; }
HRESULT URLDownCallBack::GetBindInfo(DWORD*, BINDINFO*) { return E_NOTIMPL; }
HRESULT URLDownCallBack::OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }
HRESULT URLDownCallBack::OnObjectAvailable(REFIID, IUnknown*) { return E_NOTIMPL; }

HRESULT URLDownCallBack::OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode, LPCWSTR statusText) {
  if (!m_pProgress) return E_NOTIMPL;
  // URL moniker calls this: nothing may throw back into it, so the label's
  // text is taken in place rather than copied into a string.
  switch (statusCode) {
    case BINDSTATUS_BEGINDOWNLOADDATA:
      if (m_pFileName) ::SetWindowTextW(m_pFileName->GetSafeHwnd(), FileNamePart(statusText));
      m_pProgress->SetPos(static_cast<int>(progress));
      return S_OK;
    case BINDSTATUS_DOWNLOADINGDATA:
      m_pProgress->SetPos(static_cast<int>(progress));
      return S_OK;
    case BINDSTATUS_ENDDOWNLOADDATA:
      m_pProgress->SetPos(static_cast<int>(progressMax));
      return S_OK;
    default:
      return E_NOTIMPL;
  }
}
