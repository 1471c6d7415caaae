// The Windows program: start-up, the window and its message loop, shut-down.
#include <windows.h>

#include "app/app.h"
#include "win32/view.h"
#include "win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  win32::Win32Platform platform;
  app::App app(platform);
  {
    win32::View view(app.form());
    if (view.create(instance, show)) view.run();
  }
  return app.shutDown();
}
