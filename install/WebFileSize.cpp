// The size probe: one GET through WinINet, of which only the Content-Length
// header is read.
#include <string>

#include "diag/FuncTrace.h"
#include "fx/UniqueHandle.h"
#include "install/ContentLength.h"
#include "wizard/DownloadDlg.h"

namespace {

// The header's text, or false with the thread's error code in *error.
bool QueryContentLength(HINTERNET request, std::wstring& text, DWORD& error) {
  // The first call only learns the size in bytes, terminator included.
  DWORD bytes = 0;
  if (!::HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH, nullptr, &bytes, nullptr)) {
    error = ::GetLastError();
    if (error != ERROR_INSUFFICIENT_BUFFER) return false;
  }
  std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (!::HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH, buffer.data(), &bytes, nullptr)) {
    error = ::GetLastError();
    return false;
  }
  buffer.resize(bytes / sizeof(wchar_t));
  text = std::move(buffer);
  return true;
}

}  // namespace

int VSDownloadDlg::GetWebFileSize(const wchar_t* url) {
  FuncTrace trace("VSDownloadDlg::GetWebFileSize");
  if (!url) {
    trace.Log("FileURL is NULL___");
    return -1;
  }
  if (!*url) {
    trace.Log("FileURL is empty___");
    return -1;
  }
  // The agent name is the URL itself, so the server sees in the User-Agent
  // which file is being sized.
  fx::UniqueHInternet internet(::InternetOpenW(url, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!internet) {
    const DWORD error = ::GetLastError();
    trace.Log("InternetOpen fail___(LaseErr:%d)", static_cast<int>(error));
    return -1;
  }
  // Declared after the session so that it is closed first on every way out.
  fx::UniqueHInternet request(
      ::InternetOpenUrlW(internet.get(), url, nullptr, 0, INTERNET_FLAG_TRANSFER_ASCII, 1));
  if (!request) {
    const DWORD error = ::GetLastError();
    trace.Log("InternetOpenUrl fail___(LaseErr:%d)", static_cast<int>(error));
    return -1;
  }
  std::wstring text;
  DWORD error = 0;
  if (!QueryContentLength(request.get(), text, error)) {
    trace.Log("HttpFile QueryInfo fail___(LaseErr:%d)", static_cast<int>(error));
    return -1;
  }
  // The body is never read: closing the request drops the connection as soon
  // as the headers are in.
  request.reset();
  const int size = ParseContentLength(text);
  trace.Log("ServerFileSize: %d", size);
  return size;
}
