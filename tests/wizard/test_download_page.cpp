// The download page of the real program, against a company server on
// 127.0.0.1, driven from outside the program's process.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "support/TestHttpServer.h"
#include "support/WizardDriver.h"

namespace {

const std::string kControlInstaller = "/app/Velastore ActiveX R7_ko.exe";
const std::wstring kFinish = L"완료";

class DownloadPage : public ::testing::Test {
 protected:
  void SetUp() override {
    page = wizard.WaitForMainWindow();
    ASSERT_NE(page, nullptr);
  }

  std::wstring Address() const { return L"127.0.0.1:" + std::to_wstring(server.Port()); }

  // Types the address, presses Next and returns the download page.
  HWND GoForward(const std::wstring& typed) {
    SetText(Control(page, IDC_EDT_SERVERURL), typed);
    EXPECT_TRUE(Press(page, IDC_BTN_NEXT));
    return WizardProcess::WaitForDownloadPage(page, 20000);
  }

  bool AddressPageShown(bool shown) const {
    for (int id : {IDC_EDT_SERVERURL, IDC_BTN_NEXT, IDCANCEL, IDC_STC_INFO, IDC_GRP_ACCESSURL})
      if (Visible(Control(page, id)) != shown) return false;
    return true;
  }

  // Tries every way of closing the wizard that a person has.
  void TryToClose() const {
    ::PostMessageW(page, WM_SYSCOMMAND, SC_CLOSE, 0);
    ::PostMessageW(page, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    ::PostMessageW(page, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }

  TestHttpServer server;
  WizardProcess wizard{VS_EXE_X86_64};
  HWND page = nullptr;
};

TEST_F(DownloadPage, OpensOverTheAddressPageWithItsTexts) {
  server.Serve(kControlInstaller, HttpReply::Bytes("installer").Held());
  HWND download = GoForward(Address());
  ASSERT_NE(download, nullptr);
  // The page hides its own controls right after it has made the new one.
  EXPECT_TRUE(WaitUntil([&] { return AddressPageShown(false); }));
  // Hidden under the page, the address page's controls are disabled, but
  // Cancel stays enabled for Escape and the close box.
  EXPECT_FALSE(Enabled(Control(page, IDC_EDT_SERVERURL)));
  EXPECT_FALSE(Enabled(Control(page, IDC_BTN_NEXT)));
  EXPECT_TRUE(Enabled(Control(page, IDCANCEL)));

  EXPECT_EQ(TextOf(Control(download, IDC_BTN_PREV)), L"< 뒤로(&B)");
  EXPECT_EQ(TextOf(Control(download, IDC_BTN_NEXT)), kFinish);
  RECT pageRect{}, client{};
  ::GetWindowRect(download, &pageRect);
  ::GetClientRect(page, &client);
  EXPECT_EQ(pageRect.right - pageRect.left, client.right);
  EXPECT_EQ(pageRect.bottom - pageRect.top, client.bottom);
}

TEST_F(DownloadPage, TheWorkerWaitsForItsTimer) {
  server.Serve(kControlInstaller, HttpReply::Bytes("installer").Held());
  HWND download = GoForward(Address());
  ASSERT_NE(download, nullptr);
  // Seen here a little after it was made, so the wait measured is if
  // anything shorter than the real one.
  const ULONGLONG shown = ::GetTickCount64();
  EXPECT_TRUE(Enabled(Control(download, IDC_BTN_PREV)));
  ASSERT_EQ(::WaitForSingleObject(server.HeldEvent(), 10000), WAIT_OBJECT_0);
  EXPECT_GE(::GetTickCount64() - shown, 250u);
}

TEST_F(DownloadPage, PrevBeforeTheWorkerStartsGoesBackWithNothingDone) {
  HWND download = GoForward(Address());
  ASSERT_NE(download, nullptr);
  ASSERT_TRUE(Press(download, IDC_BTN_PREV)) << "the worker started before Prev could be pressed";
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(download); }));
  EXPECT_TRUE(AddressPageShown(true));
  for (int id : {IDC_EDT_SERVERURL, IDC_BTN_NEXT, IDCANCEL}) EXPECT_TRUE(Enabled(Control(page, id))) << id;
  EXPECT_EQ(TextOf(Control(page, IDC_EDT_SERVERURL)), Address());
  ::Sleep(500);  // past the moment the worker would have started
  EXPECT_TRUE(server.Requests().empty());

  // Next makes a new page with a new wait before its worker.
  server.Serve(kControlInstaller, HttpReply::Bytes("installer").Held());
  HWND again = GoForward(Address());
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(Enabled(Control(again, IDC_BTN_PREV)));
  ASSERT_EQ(::WaitForSingleObject(server.HeldEvent(), 10000), WAIT_OBJECT_0);
  EXPECT_TRUE(WaitUntil([&] { return !Enabled(Control(again, IDC_BTN_PREV)); }));
}

TEST_F(DownloadPage, NextBeforeTheWorkerStartsEndsTheWizard) {
  HWND download = GoForward(Address());
  ASSERT_NE(download, nullptr);
  ASSERT_TRUE(Press(download, IDC_BTN_NEXT));
  EXPECT_TRUE(wizard.WaitForExit());
  EXPECT_TRUE(server.Requests().empty());
}

TEST_F(DownloadPage, RefusesToCloseWhileInstallingAndFinishesAfterwards) {
  server.Serve(kControlInstaller, HttpReply::Bytes(std::string(300000, 'x')).Held());
  HWND download = GoForward(Address());
  ASSERT_NE(download, nullptr);
  HWND prev = Control(download, IDC_BTN_PREV), next = Control(download, IDC_BTN_NEXT);

  ASSERT_EQ(::WaitForSingleObject(server.HeldEvent(), 10000), WAIT_OBJECT_0);
  EXPECT_TRUE(WaitUntil([&] { return !Enabled(prev) && !Enabled(next); }));
  EXPECT_EQ(TextOf(Control(download, IDC_STC_INFO)), L"ActiveX 설치용 프로그램을 다운로드 중입니다.");

  TryToClose();
  EXPECT_FALSE(wizard.WaitForExit(1500));
  EXPECT_TRUE(Visible(download));

  server.Release();
  ASSERT_TRUE(WaitUntil([&] { return Enabled(next); }, 30000));
  EXPECT_EQ(TextOf(next), kFinish);
  EXPECT_FALSE(Enabled(prev));
  ASSERT_TRUE(Press(download, IDC_BTN_NEXT));
  ASSERT_TRUE(wizard.WaitForExit());
  EXPECT_EQ(wizard.ExitCode(), 0u);
}

TEST_F(DownloadPage, ClosingAsTheWorkerEndsLeavesNothingDangling) {
  server.Serve(kControlInstaller, HttpReply::Bytes("installer").Held());
  HWND download = GoForward(Address());
  ASSERT_NE(download, nullptr);
  ASSERT_EQ(::WaitForSingleObject(server.HeldEvent(), 10000), WAIT_OBJECT_0);
  server.Release();
  // Keep asking to close while the worker clears the busy flag and makes
  // its last touches of the page; the first request that is let through
  // tears the wizard down under it.
  ASSERT_TRUE(WaitUntil(
      [&] {
        TryToClose();
        return !wizard.Running();
      },
      30000));
  EXPECT_EQ(wizard.ExitCode(), 0u);
}

TEST_F(DownloadPage, BlanksAroundTheAddressAreNotPassedOn) {
  server.Serve(kControlInstaller, HttpReply::Bytes("installer").Held());
  ASSERT_NE(GoForward(L"  \t" + Address() + L"  "), nullptr);
  ASSERT_EQ(::WaitForSingleObject(server.HeldEvent(), 10000), WAIT_OBJECT_0);
  const auto requests = server.Requests();
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests.front().path, kControlInstaller);
  // The size probe names the file's URL as its agent.
  EXPECT_EQ(requests.front().userAgent,
            "http://127.0.0.1:" + std::to_string(server.Port()) + kControlInstaller);
}

TEST_F(DownloadPage, AnAddressTypedWithItsSchemeIsCheckedAsTyped) {
  // "http://" goes in front of whatever was typed, so the check names the
  // host "http" and fails.
  SetText(Control(page, IDC_EDT_SERVERURL), L"http://" + Address());
  ASSERT_TRUE(Press(page, IDC_BTN_NEXT));
  HWND box = wizard.WaitForOwnedDialog(page, 20000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"업데이트할 서버에 접속할 수 없습니다.");
  EXPECT_TRUE(server.Requests().empty());
}

}  // namespace
