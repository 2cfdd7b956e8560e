// Keeps Wine's desktop process alive for a test run. Wine ends the desktop
// a moment after its last windowed process exits and starts it again for the
// next one, which costs every test program about two seconds.
#include "fx/Win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ::GetDesktopWindow();
  ::Sleep(INFINITE);
  return 0;
}
