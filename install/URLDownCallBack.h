// The bind-status callback of a download: moves a progress bar as the
// transfer reports its byte counts.
#pragma once

#include "fx/Wnd.h"

#include <urlmon.h>

// Not reference-counted: it lives on the stack of the synchronous download
// that it watches, and URL moniker releases every reference it took before
// URLDownloadToFileW returns.
class URLDownCallBack : public IBindStatusCallback {
 public:
  // Sets the bar's range to 0..fileSize (leaving its position alone) and
  // empties the label, when given.
  URLDownCallBack(const fx::CProgressCtrl* progress, fx::CWnd* fileName, int fileSize);
  virtual ~URLDownCallBack();

  URLDownCallBack(const URLDownCallBack&) = delete;
  URLDownCallBack& operator=(const URLDownCallBack&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD reserved, IBinding* binding) override;
  HRESULT STDMETHODCALLTYPE GetPriority(LONG* priority) override;
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD reserved) override;
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode,
                                       LPCWSTR statusText) override;
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT result, LPCWSTR error) override;
  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* bindFlags, BINDINFO* bindInfo) override;
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD flags, DWORD size, FORMATETC* format,
                                            STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID iid, IUnknown* object) override;

 private:
  const fx::CProgressCtrl* m_pProgress;
  fx::CWnd* m_pFileName;
  int m_nFileSize;
};
