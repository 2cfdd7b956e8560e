// The address page of the real program, driven from outside its process.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "support/WizardDriver.h"

namespace {

const std::wstring kUnreachable = L"업데이트할 서버에 접속할 수 없습니다.";

class AddressPage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(wizard.Running());
    page = wizard.WaitForMainWindow();
    ASSERT_NE(page, nullptr);
    edit = Control(page, IDC_EDT_SERVERURL);
    next = Control(page, IDC_BTN_NEXT);
  }

  // Presses Next on an address that cannot be reached and returns the
  // message box that says so.
  HWND NextExpectingMessageBox(const std::wstring& address) {
    SetText(edit, address);
    EXPECT_TRUE(Press(page, IDC_BTN_NEXT));
    return wizard.WaitForOwnedDialog(page, 20000);
  }

  void Dismiss(HWND box) {
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  }

  WizardProcess wizard{VS_EXE_X86_64};
  HWND page = nullptr;
  HWND edit = nullptr;
  HWND next = nullptr;
};

TEST_F(AddressPage, ShowsItsTextsWithNextDisabled) {
  EXPECT_EQ(TextOf(page), L"설치 - 벨라스토어 통합 설치 프로그램");
  EXPECT_EQ(TextOf(Control(page, IDC_STC_INFO)),
            L"접속주소를 입력해야 통합 설치를 시작할 수 있습니다.\n\n접속주소란 사내 전용 벨라스토어 주소를 "
            L"말합니다.\n이 정보를 알 수 없는 경우에는 관리자에게 문의하시기 바랍니다.");
  EXPECT_EQ(TextOf(Control(page, IDC_GRP_ACCESSURL)), L"접속주소");
  EXPECT_EQ(TextOf(next), L"다음(&N) >");
  EXPECT_EQ(TextOf(Control(page, IDCANCEL)), L"취소");
  EXPECT_EQ(TextOf(edit), L"");
  EXPECT_FALSE(Enabled(next));
  // The address field has the focus, ready for typing.
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  ASSERT_TRUE(::GetGUIThreadInfo(::GetWindowThreadProcessId(page, nullptr), &gui));
  EXPECT_EQ(gui.hwndFocus, edit);
}

TEST_F(AddressPage, NextFollowsWhetherTheFieldHoldsAnything) {
  const struct {
    const wchar_t* text;
    bool enabled;
  } steps[] = {
      {L"a", true}, {L"", false}, {L"   ", true}, {L"\t", true}, {L"velastore.example", true}, {L"", false},
  };
  for (const auto& step : steps) {
    SetText(edit, step.text);
    EXPECT_EQ(Enabled(next), step.enabled) << "field: \"" << std::wstring(step.text).size() << " chars\"";
  }
}

TEST_F(AddressPage, BlanksOnlyFailTheCheckWithAMessageBox) {
  HWND box = NextExpectingMessageBox(L"   \t ");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), kUnreachable);
  EXPECT_EQ(TextOf(box), L"Velastore_Setup");
  EXPECT_TRUE(MessageBoxHasIcon(box));
  Dismiss(box);
  // The page stays as it was, the field untrimmed.
  EXPECT_EQ(TextOf(edit), L"   \t ");
  EXPECT_TRUE(Enabled(next));
  EXPECT_TRUE(Visible(edit));
  EXPECT_TRUE(wizard.Running());
}

TEST_F(AddressPage, UnusualAddressesFailTheCheckWithoutHarm) {
  const std::wstring addresses[] = {
      std::wstring(30000, L'a'),
      L"%s%s%s%n%S%d%x%%",
      L"벨라스토어.회사.example",
      L"127.0.0.1:1",  // nothing listens on port 1
      L"host name with blanks",
  };
  for (const std::wstring& address : addresses) {
    HWND box = NextExpectingMessageBox(address);
    ASSERT_NE(box, nullptr) << address.size();
    EXPECT_EQ(MessageBoxText(box), kUnreachable);
    Dismiss(box);
    EXPECT_EQ(TextOf(edit), address);
    EXPECT_TRUE(wizard.Running());
  }
}

TEST_F(AddressPage, DisabledNextDoesNothing) {
  // Enter in the page reaches Next's handler even while the button is
  // disabled; the handler must ignore it.
  ASSERT_FALSE(Enabled(next));
  ::PostMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_BTN_NEXT, BN_CLICKED), reinterpret_cast<LPARAM>(next));
  EXPECT_EQ(wizard.WaitForOwnedDialog(page, 1500), nullptr);
  EXPECT_EQ(WizardProcess::WaitForDownloadPage(page, 100), nullptr);
}

TEST_F(AddressPage, AboutBoxOpensFromTheSystemMenu) {
  ::PostMessageW(page, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
  HWND about = wizard.WaitForOwnedDialog(page);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(TextOf(about), L"About Velastore_Setup");
  ASSERT_TRUE(Press(about, IDOK));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
  EXPECT_TRUE(wizard.Running());
}

// Every way of closing ends the wizard while nothing is being installed.
struct CloseWay {
  const char* name;
  void (*close)(HWND page);
};

void PrintTo(const CloseWay& way, std::ostream* out) { *out << way.name; }

class ClosingTheWizard : public AddressPage, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(ClosingTheWizard, EndsTheProgram) {
  GetParam().close(page);
  EXPECT_TRUE(wizard.WaitForExit());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTheWizard,
    ::testing::Values(CloseWay{"CancelButton", [](HWND page) { Press(page, IDCANCEL); }},
                      CloseWay{"CloseBox",
                               [](HWND page) { ::PostMessageW(page, WM_SYSCOMMAND, SC_CLOSE, 0); }},
                      CloseWay{"EscapeKey",
                               [](HWND page) {
                                 ::PostMessageW(Control(page, IDC_EDT_SERVERURL), WM_KEYDOWN, VK_ESCAPE,
                                                0x00010001);
                               }}),
    [](const ::testing::TestParamInfo<CloseWay>& info) { return std::string(info.param.name); });

}  // namespace
