// The control installer step, as far as it goes yet: the installer is fetched
// through the download sequence with the page following it.
#include "diag/FuncTrace.h"
#include "fx/Text.h"
#include "install/TempFolder.h"
#include "res/resource.h"
#include "wizard/DownloadDlg.h"

int VSDownloadDlg::InstallActiveX(const wchar_t* address, VSDownloadDlg* page) {
  FuncTrace trace("VSDownloadDlg::InstallActiveX");
  if (!address) {
    trace.Log("UpdateURL is null___");
    return -1;
  }
  if (!*address) {
    trace.Log("UpdateURL is empty___");
    return -1;
  }
  const std::wstring url = L"http://" + std::wstring(address) + L"/app/Velastore ActiveX R7_ko.exe";
  trace.Log("ServerFilePath: %S", url.c_str());
  page->m_stcInfo.SetWindowText(fx::LoadText(IDS_DOWNLOADING_ACTIVEX));
  const std::wstring localPath = TempFolder() + L"\\Velastore ActiveX R7_ko.exe";
  trace.Log("DownFilePath: %S", localPath.c_str());
  HRESULT result = DownloadWithProgress(url, localPath, page);
  trace.Log("URLDownloadToFile ret: 0x%08x", static_cast<unsigned>(result));
  trace.Log(FAILED(result) ? "Velastore ActiveX R7.exe Download fail___"
                           : "Velastore ActiveX R7.exe Download Success...");
  ::DeleteFileW(localPath.c_str());
  return 0;
}
