// Whole-program figures of the real .exe under Wine, as medians:
//   start-up: from CreateProcess to the first visible window, for feiche-calc.exe and
//             for a minimal Win32 window (the floor), alternated in one run;
//   click:    one count-button click, sent as a real mouse click, until it is handled.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/menu.h"
#include "driver.h"

namespace {

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double startUp(const std::wstring& exe) {
  HANDLE process = nullptr;
  const double ms = e2e::timeToWindow(L"\"" + exe + L"\"", &process).count();
  TerminateProcess(process, 0);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
  return ms;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? _wtoi(argv[1]) : 15;
  const std::wstring dir = e2e::ownDirectory();
  std::vector<double> ours, floor;
  // Warm the prefix: the first start of each builds Wine's caches (fonts, classes).
  startUp(dir + L"minimal_window.exe");
  startUp(dir + e2e::widen(FEICHE_EXE));
  for (int i = 0; i < runs; ++i) {
    floor.push_back(startUp(dir + L"minimal_window.exe"));
    ours.push_back(startUp(dir + e2e::widen(FEICHE_EXE)));
  }
  std::printf(
      "start-up to window shown, median of %d: feiche-calc.exe %.1f ms, minimal window %.1f ms\n",
      runs, median(ours), median(floor));

  e2e::Driver driver;
  driver.menuCommand(app::kShowPage + 4);
  driver.postKey(driver.control("组合框2"), VK_DOWN);
  e2e::waitFor([&] { return driver.text("标签22") == "300"; });
  driver.type("编辑框16", "0");
  driver.type("编辑框15", "7");
  std::vector<double> clicks;
  for (int i = 0; i < 200; ++i) {
    const auto begin = std::chrono::steady_clock::now();
    driver.click("按钮5");
    clicks.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
            .count());
  }
  const bool right = driver.text("编辑框14") == "43";
  std::printf("count-button click (mouse down and up, handled), median of 200: %.3f ms%s\n",
              median(clicks), right ? "" : " (WRONG RESULT)");
  return right ? 0 : 1;
}
