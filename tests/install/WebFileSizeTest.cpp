// The size probe against a real server: what it returns, what it logs, and
// the request it makes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClosedPort.h"
#include "support/Ascii.h"
#include "support/LogFile.h"
#include "support/TestHttpServer.h"
#include "support/TestPaths.h"
#include "wizard/DownloadDlg.h"

namespace {

const char kScope[] = "VSDownloadDlg::GetWebFileSize";

struct ServedCase {
  const char* name;
  std::string path;
  HttpReply reply;
  int expected;
  std::string message;
};

TEST(GetWebFileSize, ReadsTheContentLengthOfWhateverTheServerAnswers) {
  const std::vector<ServedCase> cases = {
      {"served file, blanks in its name", "/app/Velastore ActiveX R7_ko.exe",
       HttpReply::Bytes(std::string(5000, 'x')), 5000, "ServerFileSize: 5000"},
      {"empty file", "/app/zero", HttpReply::WithContentLength("0", ""), 0, "ServerFileSize: 0"},
      {"digits then junk", "/app/junk", HttpReply::WithContentLength("12abc", "123456789012"), 12,
       "ServerFileSize: 12"},
      {"beyond int", "/app/huge", HttpReply::WithContentLength("2147483648", "x"), 2147483647,
       "ServerFileSize: 2147483647"},
      // The status is not looked at: an error page's length is a size too.
      {"not found with a body", "/app/missing", HttpReply::Bytes("no such file here", 404), 17,
       "ServerFileSize: 17"},
      {"server error with a body", "/app/broken", HttpReply::Bytes("oops", 500), 4, "ServerFileSize: 4"},
      {"chunked, no length", "/app/chunked", HttpReply::Chunked("abcdef"), -1,
       "HttpFile QueryInfo fail___(LaseErr:12150)"},  // ERROR_HTTP_HEADER_NOT_FOUND
  };
  TestHttpServer server;
  for (const ServedCase& c : cases) server.Serve(c.path, c.reply);
  const std::wstring folder = FreshScratchFolder();
  int n = 0;
  for (const ServedCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring url = server.Url(c.path);
    const size_t before = server.Requests().size();
    TraceCapture log(1, folder + L"\\" + std::to_wstring(++n) + L".log");

    EXPECT_EQ(VSDownloadDlg::GetWebFileSize(url.c_str()), c.expected);

    EXPECT_EQ(LineBodies(log.Finish()), ScopeBodies(kScope, {c.message}));
    const std::vector<HttpRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), before + 1);
    const HttpRequest& request = requests.back();
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.path, c.path);
    // The agent name is the URL, blanks and all.
    EXPECT_EQ(request.userAgent, Narrow(url));
  }
}

TEST(GetWebFileSize, GivesMinusOneWhenNoRequestCanBeMade) {
  ClosedPort closed;
  const std::wstring refused = closed.Url(L"/app/update/VLUpdate.exe");
  const struct {
    const char* name;
    const wchar_t* url;
    std::string message;
  } cases[] = {
      {"null", nullptr, "FileURL is NULL___"},
      {"empty", L"", "FileURL is empty___"},
      {"refused port", refused.c_str(), "InternetOpenUrl fail___(LaseErr:12029)"},  // CANNOT_CONNECT
      {"no scheme", L"nonsense", "InternetOpenUrl fail___(LaseErr:12006)"},         // UNRECOGNIZED_SCHEME
  };
  const std::wstring folder = FreshScratchFolder();
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TraceCapture log(1, folder + L"\\" + std::to_wstring(++n) + L".log");

    EXPECT_EQ(VSDownloadDlg::GetWebFileSize(c.url), -1);

    EXPECT_EQ(LineBodies(log.Finish()), ScopeBodies(kScope, {c.message}));
  }
}

}  // namespace
