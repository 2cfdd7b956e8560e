// The progress callback called as URL moniker calls it, on a real bar and a
// real label.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "ProgressWindow.h"
#include "install/URLDownCallBack.h"

namespace {

const wchar_t kUrl[] = L"http://h/a/b/c.exe";

TEST(URLDownCallBack, ConstructionSetsTheRangeEmptiesTheLabelAndKeepsThePosition) {
  for (int size : {40, 1000, INT_MAX, -1}) {
    SCOPED_TRACE(testing::Message() << "size " << size);
    ProgressWindow window;
    ASSERT_TRUE(window.Created());
    window.bar.SetRange32(0, 100);
    window.bar.SetPos(40);

    URLDownCallBack callback(&window.bar, &window.label, size);

    EXPECT_EQ(window.Range(), std::make_pair(0, size));
    // Below 40 the bar itself pulls the position into the new range.
    if (size >= 40) {
      EXPECT_EQ(window.bar.GetPos(), 40);
    }
    EXPECT_EQ(window.label.GetWindowText(), L"");
  }
}

TEST(URLDownCallBack, OnlyTheThreeDownloadNoticesAreHandled) {
  const struct {
    ULONG status;
    HRESULT result;
    int position;
    const wchar_t* label;
  } cases[] = {
      {0, E_NOTIMPL, 100, L"kept"},
      {BINDSTATUS_FINDINGRESOURCE, E_NOTIMPL, 100, L"kept"},
      {BINDSTATUS_CONNECTING, E_NOTIMPL, 100, L"kept"},
      {BINDSTATUS_REDIRECTING, E_NOTIMPL, 100, L"kept"},
      {BINDSTATUS_BEGINDOWNLOADDATA, S_OK, 300, L"c.exe"},
      {BINDSTATUS_DOWNLOADINGDATA, S_OK, 300, L"kept"},
      {BINDSTATUS_ENDDOWNLOADDATA, S_OK, 900, L"kept"},  // the reported total, not the progress
      {BINDSTATUS_BEGINDOWNLOADCOMPONENTS, E_NOTIMPL, 100, L"kept"},
      {BINDSTATUS_SENDINGREQUEST, E_NOTIMPL, 100, L"kept"},
      {BINDSTATUS_MIMETYPEAVAILABLE, E_NOTIMPL, 100, L"kept"},
      {BINDSTATUS_CACHEFILENAMEAVAILABLE, E_NOTIMPL, 100, L"kept"},
      {1000, E_NOTIMPL, 100, L"kept"},
  };
  ProgressWindow window;
  ASSERT_TRUE(window.Created());
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "status " << c.status);
    URLDownCallBack callback(&window.bar, &window.label, 1000);
    window.bar.SetPos(100);
    window.label.SetWindowText(L"kept");

    EXPECT_EQ(callback.OnProgress(300, 900, c.status, kUrl), c.result);

    EXPECT_EQ(window.bar.GetPos(), c.position);
    EXPECT_EQ(window.label.GetWindowText(), c.label);
  }
}

TEST(URLDownCallBack, WithoutABarNoNoticeIsHandled) {
  ProgressWindow window;
  ASSERT_TRUE(window.Created());
  URLDownCallBack callback(nullptr, &window.label, 1000);
  window.label.SetWindowText(L"kept");
  for (ULONG status :
       {BINDSTATUS_BEGINDOWNLOADDATA, BINDSTATUS_DOWNLOADINGDATA, BINDSTATUS_ENDDOWNLOADDATA}) {
    SCOPED_TRACE(testing::Message() << "status " << status);
    EXPECT_EQ(callback.OnProgress(300, 900, status, kUrl), E_NOTIMPL);
    EXPECT_EQ(window.label.GetWindowText(), L"kept");
  }
}

TEST(URLDownCallBack, TheLabelShowsWhatFollowsTheLastSlash) {
  const struct {
    const wchar_t* statusText;
    const wchar_t* label;
  } cases[] = {
      {L"http://h/a/b/c.exe", L"c.exe"},
      {L"http://127.0.0.1:8080/app/Velastore%20ActiveX%20R7_ko.exe", L"Velastore%20ActiveX%20R7_ko.exe"},
      {L"c.exe", L"c.exe"},
      {L"C:\\Temp\\c.exe", L"C:\\Temp\\c.exe"},
      {L"http://h/a/", L""},
      {L"", L""},
      {nullptr, L""},
  };
  ProgressWindow window;
  ASSERT_TRUE(window.Created());
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "status text \"" << (c.statusText ? c.statusText : L"(null)") << "\"");
    URLDownCallBack callback(&window.bar, &window.label, 1000);
    window.label.SetWindowText(L"previous file");

    EXPECT_EQ(callback.OnProgress(300, 900, BINDSTATUS_BEGINDOWNLOADDATA, c.statusText), S_OK);

    EXPECT_EQ(window.label.GetWindowText(), c.label);
    EXPECT_EQ(window.bar.GetPos(), 300);
  }
}

}  // namespace
