// Plays a person at the keyboard for the demo: types the address, presses
// Next, waits for the installation to end and presses the finish button,
// saving a picture of the wizard at each page it reaches.
#include <cstdio>
#include <string>
#include <vector>

#include "fx/UniqueHandle.h"
#include "res/resource.h"
#include "support/WizardDriver.h"

namespace {

// Saves what the screen shows of window as a 24-bit BMP.
bool SaveWindowPicture(HWND window, const std::wstring& path) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = ::GetDC(nullptr);
  fx::UniqueMemoryHdc memory(::CreateCompatibleDC(screen));
  fx::UniqueHBitmap bitmap(::CreateCompatibleBitmap(screen, width, height));
  {
    fx::SelectedObject selected(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  }
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const DWORD stride = ((width * 3 + 3) / 4) * 4;
  std::vector<BYTE> pixels(stride * height);
  ::GetDIBits(memory.get(), bitmap.get(), 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof header + pixels.size()),
                        0, 0, sizeof(BITMAPFILEHEADER) + sizeof header};
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  fwrite(&file, sizeof file, 1, out);
  fwrite(&header, sizeof header, 1, out);
  fwrite(pixels.data(), 1, pixels.size(), out);
  fclose(out);
  return true;
}

void Say(const char* text) {
  std::printf("demo: %s\n", text);
  std::fflush(stdout);
}

}  // namespace

// demo_driver <program> <address> <picture folder>
int wmain(int argc, wchar_t** argv) {
  if (argc != 4) return 2;
  const std::wstring folder = argv[3];
  WizardProcess wizard(argv[1]);
  HWND page = wizard.WaitForMainWindow();
  if (!page) return Say("the wizard did not open"), 1;
  ::Sleep(500);
  SaveWindowPicture(page, folder + L"\\1-address-page.bmp");

  SetText(Control(page, IDC_EDT_SERVERURL), argv[2]);
  ::Sleep(200);
  SaveWindowPicture(page, folder + L"\\2-address-typed.bmp");
  Press(page, IDC_BTN_NEXT);
  HWND download = WizardProcess::WaitForDownloadPage(page, 30000);
  if (!download) {
    if (HWND box = wizard.WaitForOwnedDialog(page, 1000)) SaveWindowPicture(box, folder + L"\\3-message.bmp");
    return Say("the server could not be reached"), 1;
  }
  ::Sleep(150);
  SaveWindowPicture(page, folder + L"\\3-download-page.bmp");
  Say("download page reached");

  HWND next = Control(download, IDC_BTN_NEXT);
  // The worker disables Next while it installs and enables it at the end.
  WaitUntil([&] { return !Enabled(next); }, 5000);
  ::Sleep(100);
  SaveWindowPicture(page, folder + L"\\4-installing.bmp");
  if (!WaitUntil([&] { return Enabled(next); }, 120000)) return Say("the installation did not end"), 1;
  ::Sleep(200);
  SaveWindowPicture(page, folder + L"\\5-finished.bmp");
  Press(download, IDC_BTN_NEXT);
  if (!wizard.WaitForExit()) return Say("the wizard did not end"), 1;
  Say("the wizard ended");
  return 0;
}
