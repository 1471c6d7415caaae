#include <windows.h>

#include "win32/win32_platform.h"

#include <shellapi.h>

#include "win32/utf16.h"

namespace win32 {

void Win32Platform::message(std::string_view text, std::string_view title) {
  // Owned by no window but modal to the whole program; the answer is not needed.
  MessageBoxW(nullptr, widen(text).c_str(), widen(title).c_str(), MB_OK | MB_TASKMODAL);
}

ui::LocalTime Win32Platform::now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

void Win32Platform::open(std::string_view url) {
  // The shell is loaded on the first link, not at start-up: it is a large library and
  // most runs never open one.
  using ShellExecuteFn = decltype(&ShellExecuteW);
  static const auto shellExecute = reinterpret_cast<ShellExecuteFn>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"shell32.dll"), "ShellExecuteW")));
  if (shellExecute) {
    shellExecute(nullptr, L"open", widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
}

}  // namespace win32
