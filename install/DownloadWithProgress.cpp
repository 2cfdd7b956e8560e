// The one download sequence: probe the size, forget any cached copy, then
// let URL moniker write the file while the callback moves the bar.
#include "install/URLDownCallBack.h"
#include "wizard/DownloadDlg.h"

#include <wininet.h>

HRESULT VSDownloadDlg::DownloadWithProgress(const std::wstring& url, const std::wstring& localPath,
                                            const fx::CProgressCtrl* progress) {
  const int size = GetWebFileSize(url.c_str());
  // Every download leaves a copy in the URL cache; removing it keeps a retry
  // or a later run from being handed that copy instead of the server's
  // current file. A missing entry is no error.
  ::DeleteUrlCacheEntryW(url.c_str());
  URLDownCallBack callback(progress, nullptr, size);
  return ::URLDownloadToFileW(nullptr, url.c_str(), localPath.c_str(), 0, &callback);
}
