// What the wizard writes to its log while a person uses it: the real program,
// a copy of it in a scratch folder with its log switched on to a fresh file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "support/Ascii.h"
#include "support/LogFile.h"
#include "support/LogModeValue.h"
#include "support/TestHttpServer.h"
#include "support/TestPaths.h"
#include "support/WizardDriver.h"

namespace {

const char kNextScope[] = "CVelastore_SetupDlg::OnBnClickedNext";
const char kStepScope[] = "VSDownloadDlg::InstallActiveX";
const char kProbeScope[] = "VSDownloadDlg::GetWebFileSize";

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class WizardLog : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(logSwitch.SetDword(2));
    page = wizard.WaitForMainWindow();
    ASSERT_NE(page, nullptr);
  }

  // Presses Next on an address that cannot be reached and dismisses the
  // message box that says so.
  void FailToReach(const std::wstring& address) {
    SetText(Control(page, IDC_EDT_SERVERURL), address);
    ASSERT_TRUE(Press(page, IDC_BTN_NEXT));
    HWND box = wizard.WaitForOwnedDialog(page, 20000);
    ASSERT_NE(box, nullptr);
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  }

  // The log once the wizard has ended, from the first line after start-up.
  std::vector<std::string> LogAfterStartup() {
    EXPECT_TRUE(wizard.WaitForExit());
    std::vector<std::string> bodies = LineBodies(ReadFileBytes(exe + L".log"));
    // The application object's entry and exit lines with the two plain lines
    // between them come first.
    EXPECT_GE(bodies.size(), 4u);
    bodies.erase(bodies.begin(), bodies.begin() + std::min<size_t>(4, bodies.size()));
    return bodies;
  }

  const std::wstring folder = FreshScratchFolder();
  const std::wstring exe = CopyProgram(folder, L"logged wizard.exe");
  LogModeValue logSwitch{L"logged wizard.exe.log"};
  WizardProcess wizard{exe};
  HWND page = nullptr;
};

TEST_F(WizardLog, NextLogsTheTrimmedAddressAndWhatBecameOfIt) {
  TestHttpServer server;
  server.Serve("/app/Velastore ActiveX R7_ko.exe", HttpReply::Bytes("installer"));
  const std::wstring address = L"127.0.0.1:" + std::to_wstring(server.Port());

  FailToReach(L" \t ");
  SetText(Control(page, IDC_EDT_SERVERURL), L"  " + address + L"\t");
  ASSERT_TRUE(Press(page, IDC_BTN_NEXT));
  HWND download = WizardProcess::WaitForDownloadPage(page, 20000);
  ASSERT_NE(download, nullptr);
  HWND next = Control(download, IDC_BTN_NEXT);
  ASSERT_TRUE(WaitUntil([&] { return !Enabled(next); }, 5000));
  ASSERT_TRUE(WaitUntil([&] { return Enabled(next); }, 30000));
  ASSERT_TRUE(Press(download, IDC_BTN_NEXT));

  std::vector<std::string> log = LogAfterStartup();
  const std::string url = "http://" + Narrow(address) + "/app/Velastore ActiveX R7_ko.exe";
  // The worker's paths name the temporary folder, which this test does not
  // fix; it is checked on its own below.
  ASSERT_GE(log.size(), 9u);
  const std::string downPath = log[9];
  EXPECT_EQ(downPath.rfind(":    DownFilePath: ", 0), 0u) << downPath;
  const std::string fileName = "\\Velastore ActiveX R7_ko.exe";
  ASSERT_GT(downPath.size(), fileName.size());
  EXPECT_EQ(downPath.substr(downPath.size() - fileName.size()), fileName) << downPath;
  EXPECT_EQ(downPath.find("\\\\"), std::string::npos) << downPath;
  log[9] = ":    DownFilePath: ...";

  // The probe's scope stands inside the step's, neither of them indented.
  EXPECT_EQ(
      log, Concat({
               ScopeBodies(kNextScope, {"ServerURL: ", "Server web connect fail___"}),
               ScopeBodies(kNextScope, {"ServerURL: " + Narrow(address)}),
               {kStepScope + std::string("() ") + std::string(43, '<'), ":    ServerFilePath: " + url,
                ":    DownFilePath: ..."},
               ScopeBodies(kProbeScope, {"ServerFileSize: 9"}),
               {":    URLDownloadToFile ret: 0x00000000", ":    Velastore ActiveX R7.exe Download Success...",
                kStepScope + std::string("() ") + std::string(43, '>')},
           }));
}

TEST_F(WizardLog, UnusualAddressesAreLoggedAsTyped) {
  const std::wstring longAddress(30000, L'a');
  const struct {
    std::wstring typed;
    std::string logged;
  } cases[] = {
      {longAddress, Narrow(longAddress)},
      // Directives in the address are text, not a format.
      {L"%s%n%S%d%%", "%s%n%S%d%%"},
      // Hangul goes to the log in code page 949 ...
      {L"벨라스토어.example", ToCodePage949(L"벨라스토어") + ".example"},
  };
  for (const auto& c : cases) FailToReach(c.typed);
  // ... and a character outside it spoils the whole record, not the line.
  FailToReach(L"\u0E01.example");
  ASSERT_TRUE(Press(page, IDCANCEL));

  std::vector<std::vector<std::string>> expected;
  for (const auto& c : cases)
    expected.push_back(ScopeBodies(kNextScope, {"ServerURL: " + c.logged, "Server web connect fail___"}));
  expected.push_back(ScopeBodies(kNextScope, {"(Convert to ansi fail)", "Server web connect fail___"}));
  EXPECT_EQ(LogAfterStartup(), Concat(expected));
}

}  // namespace
