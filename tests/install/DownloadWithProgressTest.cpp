// Real downloads from a real server into a real folder, with a real bar.
#include <gtest/gtest.h>
#include <process.h>

#include <optional>
#include <string>
#include <vector>

#include "ClosedPort.h"
#include "ProgressWindow.h"
#include "support/Ascii.h"
#include "support/TestHttpServer.h"
#include "support/TestPaths.h"
#include "wizard/DownloadDlg.h"

#include <wininet.h>

namespace {

// Bytes that a truncated or shifted copy cannot match by accident.
std::string Body(size_t size) {
  std::string body(size, '\0');
  unsigned state = 12345;
  for (char& c : body) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 16);
  }
  return body;
}

std::optional<std::string> FileBytes(const std::wstring& path) {
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
  std::fclose(file);
  return bytes;
}

// No bar at all; a plain nullptr would fit the page overload as well.
const fx::CProgressCtrl* const kNoBar = nullptr;

std::vector<HttpRequest> RequestsFor(const TestHttpServer& server, const std::string& path) {
  std::vector<HttpRequest> found;
  for (const HttpRequest& r : server.Requests())
    if (r.path == path) found.push_back(r);
  return found;
}

bool HasCacheEntry(const std::wstring& url) {
  DWORD size = 0;
  // With no buffer an existing entry can only answer "too small".
  ::GetUrlCacheEntryInfoW(url.c_str(), nullptr, &size);
  return ::GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

// The download on a plain worker thread, as the download page runs it (no
// COM set up), while this thread keeps the bar's messages flowing.
class DownloadOnWorker {
 public:
  DownloadOnWorker(TestHttpServer& server, std::wstring url, std::wstring path, const fx::CProgressCtrl* bar)
      : m_server(server), m_url(std::move(url)), m_path(std::move(path)), m_bar(bar) {
    m_thread.reset(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &Run, this, 0, nullptr)));
  }
  // Lets a held reply go, so that a failed test does not leave the worker
  // waiting for it.
  ~DownloadOnWorker() {
    m_server.Release();
    PumpUntilSignalled(m_thread.get());
  }

  HANDLE Thread() const { return m_thread.get(); }
  HRESULT Result() const { return m_result; }

 private:
  static unsigned __stdcall Run(void* self) {
    auto* me = static_cast<DownloadOnWorker*>(self);
    try {
      me->m_result = VSDownloadDlg::DownloadWithProgress(me->m_url, me->m_path, me->m_bar);
    } catch (...) {
      me->m_result = E_UNEXPECTED;
    }
    return 0;
  }

  TestHttpServer& m_server;
  std::wstring m_url;
  std::wstring m_path;
  const fx::CProgressCtrl* m_bar;
  HRESULT m_result = E_PENDING;
  fx::UniqueHandleKernel m_thread;
};

TEST(DownloadWithProgress, FileArrivesWholeWhileTheBarFollowsIt) {
  const struct {
    const char* name;
    std::string path;
    HttpReply reply;
    std::pair<int, int> range;
    std::optional<int> finalPosition;
  } cases[] = {
      // The bar ends full: the reported total is the probed size.
      {"with its size",
       "/app/Velastore ActiveX R7_ko.exe",
       HttpReply::Bytes(Body(100000)),
       {0, 100000},
       100000},
      // No size learned: the range is 0..-1 all the same, the file unaffected.
      {"chunked", "/app/update/velastore_server.exe", HttpReply::Chunked(Body(3000)), {0, -1}, std::nullopt},
  };
  TestHttpServer server;
  const std::wstring folder = FreshScratchFolder();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    server.Serve(c.path, c.reply);
    ProgressWindow window;
    ASSERT_TRUE(window.Created());
    window.bar.SetRange32(0, 10);
    window.bar.SetPos(5);
    const std::wstring url = server.Url(c.path);
    const std::wstring local =
        folder + L"\\" + std::wstring(c.path.begin() + c.path.rfind('/') + 1, c.path.end());

    EXPECT_EQ(VSDownloadDlg::DownloadWithProgress(url, local, &window.bar), S_OK);

    EXPECT_EQ(FileBytes(local), c.reply.body);
    EXPECT_EQ(window.Range(), c.range);
    if (c.finalPosition) {
      EXPECT_EQ(window.bar.GetPos(), *c.finalPosition);
    }
    // The probe (its agent is the URL) comes first, then the download.
    const std::vector<HttpRequest> requests = RequestsFor(server, c.path);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].userAgent, Narrow(url));
    EXPECT_NE(requests[1].userAgent, Narrow(url));
  }
}

TEST(DownloadWithProgress, SetsTheRangeButLeavesThePositionToTheTransfer) {
  const std::string path = "/app/update/VLUpdate.exe";
  const std::string body = Body(50000);
  TestHttpServer server;
  server.ServeFirst(path, 1, HttpReply::Bytes(body));  // the probe
  server.Serve(path, HttpReply::Bytes(body).Held());   // the download, until released
  ProgressWindow window;
  ASSERT_TRUE(window.Created());
  window.bar.SetRange32(0, 1000);
  window.bar.SetPos(700);
  const std::wstring local = FreshScratchFolder() + L"\\VLUpdate.exe";

  DownloadOnWorker worker(server, server.Url(path), local, &window.bar);
  ASSERT_TRUE(PumpUntilSignalled(server.HeldEvent()));
  // The download has been asked for and nothing has arrived yet.
  EXPECT_EQ(window.Range(), std::make_pair(0, 50000));
  EXPECT_EQ(window.bar.GetPos(), 700);
  server.Release();
  ASSERT_TRUE(PumpUntilSignalled(worker.Thread()));

  EXPECT_EQ(worker.Result(), S_OK);
  EXPECT_EQ(window.bar.GetPos(), 50000);
  EXPECT_EQ(FileBytes(local), body);
}

TEST(DownloadWithProgress, AChangedFileArrivesChangedWithNoCachedCopyLeft) {
  const std::string path = "/app/update/velastore_server.exe";
  // Headers that let a cache keep the first copy for a long time.
  HttpReply first = HttpReply::Bytes("<servicename>first<");
  first.extraHeaders =
      "Cache-Control: max-age=86400\r\nExpires: Thu, 01 Jan 2099 00:00:00 GMT\r\n"
      "Last-Modified: Mon, 01 Jan 2024 00:00:00 GMT\r\n";
  HttpReply second = first;
  second.body = "<servicename>the second one<";
  TestHttpServer server;
  server.Serve(path, first);
  const std::wstring url = server.Url(path);
  const std::wstring folder = FreshScratchFolder();

  ASSERT_EQ(VSDownloadDlg::DownloadWithProgress(url, folder + L"\\first.exe", kNoBar), S_OK);
  ASSERT_EQ(FileBytes(folder + L"\\first.exe"), first.body);
  ASSERT_TRUE(HasCacheEntry(url)) << "the download left no cached copy to be wary of";

  server.ServeFirst(path, 1, second);
  server.Serve(path, second.Held());
  DownloadOnWorker worker(server, url, folder + L"\\second.exe", kNoBar);
  ASSERT_TRUE(PumpUntilSignalled(server.HeldEvent()));
  EXPECT_FALSE(HasCacheEntry(url));
  server.Release();
  ASSERT_TRUE(PumpUntilSignalled(worker.Thread()));

  EXPECT_EQ(worker.Result(), S_OK);
  EXPECT_EQ(FileBytes(folder + L"\\second.exe"), second.body);
}

TEST(DownloadWithProgress, HandsBackTheFailureOfADownloadThatCannotBeMade) {
  ClosedPort closed;
  const struct {
    const char* name;
    std::wstring url;
  } cases[] = {
      {"refused port", closed.Url(L"/app/update/VLUpdate.exe")},
      {"no scheme", L"nonsense"},
  };
  const std::wstring folder = FreshScratchFolder();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProgressWindow window;
    ASSERT_TRUE(window.Created());
    const std::wstring local = folder + L"\\VLUpdate.exe";

    const HRESULT result = VSDownloadDlg::DownloadWithProgress(c.url, local, &window.bar);

    EXPECT_LT(result, 0) << std::hex << result;
    EXPECT_EQ(::GetFileAttributesW(local.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(window.Range(), std::make_pair(0, -1));
  }
}

}  // namespace
