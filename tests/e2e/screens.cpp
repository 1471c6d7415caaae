// Writes a screenshot of every page of the real program: page-NN.bmp in the given folder.
// Run it inside a Wine virtual desktop, so the window has its frame, caption and menu.

#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>

#include "app/menu.h"
#include "driver.h"

namespace {

bool saveBitmap(HWND window, const std::wstring& path) {
  RECT r;
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  const DWORD stride = ((static_cast<DWORD>(w) * 3 + 3) & ~3u),
              size = stride * static_cast<DWORD>(h);
  BITMAPFILEHEADER file{
      0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
      sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  FILE* out = _wfopen(path.c_str(), L"wb");
  bool ok = out != nullptr;
  if (ok) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
    std::fwrite(bits, 1, size, out);
    std::fclose(out);
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring folder = argc > 1 ? std::wstring(argv[1]) + L"\\" : e2e::ownDirectory();
  e2e::Driver driver;
  if (!driver.window()) return 1;
  // Something typed on the experience page, so it shows a result.
  driver.menuCommand(app::kShowPage + 1);
  driver.type("编辑框2", "101");
  driver.type("编辑框4", "0.5");
  driver.click("按钮1");
  driver.type("编辑框6", "100");
  driver.click("按钮2");
  for (int page = 0; page < app::kPageCount; ++page) {
    driver.menuCommand(app::kShowPage + page);
    SetForegroundWindow(driver.window());
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    wchar_t name[32];
    std::swprintf(name, 32, L"page-%02d.bmp", page);
    if (!saveBitmap(driver.window(), folder + name)) return 1;
  }
  PostMessageW(driver.window(), WM_CLOSE, 0, 0);
  return driver.waitExit() == 0 ? 0 : 1;
}
