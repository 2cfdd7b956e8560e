// The entry point: everything the program does happens in the application
// object's InitInstance.
#include "fx/App.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    if (fx::CWinAppEx* app = fx::AfxGetApp()) app->InitInstance();
  } catch (...) {
  }
  return 0;
}
