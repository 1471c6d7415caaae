// The whole window in the real program: menu commands and pages, every list, the
// mentorship tabs, the clock and the links.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "about/clock_text.h"
#include "about/links.h"
#include "app/menu.h"
#include "driver.h"
#include "win32/view.h"

namespace e2e {
namespace {

void collectCommands(const std::vector<ui::MenuItem>& items, std::vector<ui::MenuItem>& out) {
  for (const ui::MenuItem& item : items) {
    if (item.command) out.push_back(item);
    collectCommands(item.items, out);
  }
}

TEST(WindowE2E, TheWindowHasItsTitleSizeAndStyle) {
  Driver driver;
  EXPECT_EQ(driver.textOf(driver.window()), "蓝石雀QQ飞车计算器工具【3】");
  RECT r;
  GetWindowRect(driver.window(), &r);
  EXPECT_EQ(r.right - r.left, 303);
  EXPECT_EQ(r.bottom - r.top, 335);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 303) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 335) / 2);
  const LONG style = GetWindowLongW(driver.window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_NE(GetMenu(driver.window()), nullptr);
}

// Another process cannot ask Wine for a window's icon, so the test reads the program's
// icon resource: one 48x48 image.
TEST(WindowE2E, TheProgramCarriesItsIcon) {
  HMODULE exe = LoadLibraryExW((ownDirectory() + widen(FEICHE_EXE)).c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  HICON icon = static_cast<HICON>(LoadImageW(exe, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, 0));
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP bitmap{};
  GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 48);
  EXPECT_EQ(bitmap.bmHeight, 48);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
  FreeLibrary(exe);
}

// Every menu command shows exactly its page's controls, in the real windows.
TEST(WindowE2E, EveryMenuCommandShowsExactlyItsPage) {
  Driver driver;
  struct : ui::Platform {
    void message(std::string_view, std::string_view) override {}
    ui::LocalTime now() override { return {}; }
    void open(std::string_view) override {}
  } platform;
  app::App expected(platform);  // the same form, to tell which controls each page shows
  std::vector<ui::MenuItem> commands;
  collectCommands(expected.form().menu(), commands);
  ASSERT_EQ(commands.size(), 21u);

  const ui::Form& form = expected.form();
  const auto checkWindows = [&](const std::string& after) {
    for (int i = 0; i < form.size(); ++i) {
      const ui::ControlDesc& d = form.control(i).desc;
      if (!win32::hasWindow(d.kind)) continue;
      // A shown page has all its windows; pages not yet visited may have none.
      HWND hwnd = driver.findControl(d.name);
      if (form.shown(i)) {
        EXPECT_TRUE(hwnd && IsWindowVisible(hwnd)) << after << ": " << d.name << " not shown";
      } else if (hwnd) {
        EXPECT_FALSE(IsWindowVisible(hwnd)) << after << ": " << d.name << " shown";
      }
    }
  };
  checkWindows("start");
  for (const ui::MenuItem& item : commands) {
    if (item.command == app::kOpenHomePage) continue;
    driver.menuCommand(item.command);
    expected.form().command(item.command);
    checkWindows(item.text);
  }
}

TEST(WindowE2E, EveryListHoldsItsRowsExactly) {
  Driver driver;
  const ui::Form& form = driver.form();
  int lists = 0;
  for (int i = 0; i < form.size(); ++i) {
    const ui::Control& c = form.control(i);
    if (c.desc.kind != ui::Kind::List) continue;
    ++lists;
    driver.showPageOf(c.desc.name);
    EXPECT_EQ(driver.listItems(c.desc.name), c.desc.items) << c.desc.name;
  }
  EXPECT_EQ(lists, 17);
  // A few rows as the player reads them.
  EXPECT_EQ(driver.listItems("列表框1").size(), 51u);
  EXPECT_EQ(driver.listItems("列表框8").size(), 71u);
  EXPECT_EQ(driver.listItems("列表框8")[34], "        骨灰级玩家挂件（永久）");
  EXPECT_EQ(driver.listItems("列表框16")[1], "50级以下       1000点劵");
  EXPECT_EQ(driver.listItems("列表框5").back(), "  国王        每个国家第一名");
  EXPECT_EQ(driver.listItems("列表框13")[15], " 【 传奇公爵 】  3000000-亲王-1");
}

TEST(WindowE2E, TheMentorshipTableOpensOnTheApprenticeTab) {
  Driver driver;
  driver.menuCommand(app::kShowPage + 15);
  EXPECT_EQ(SendMessageW(driver.control("高级选择夹1"), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(driver.visible("透明标签5"));
  EXPECT_FALSE(driver.visible("透明标签4"));
  driver.clickAt("高级选择夹1", 12, 10);  // the first tab, "师傅"
  EXPECT_TRUE(driver.visible("透明标签4"));
  EXPECT_TRUE(driver.visible("透明标签2"));
  EXPECT_FALSE(driver.visible("透明标签5"));
  EXPECT_EQ(driver.text("透明标签2"), "达成条件          师傅奖励");
}

std::string localTimeText(int secondsAgo = 0) {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
  t.QuadPart -= static_cast<ULONGLONG>(secondsAgo) * 10000000ULL;
  FILETIME then{t.LowPart, t.HighPart}, local;
  FileTimeToLocalFileTime(&then, &local);
  SYSTEMTIME s;
  FileTimeToSystemTime(&local, &s);
  return about::dateTimeText({s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond});
}

bool clockShowsNow(const Driver& driver) {
  return waitFor(
      [&] {
        const std::string shown = driver.text("标签");
        return shown == localTimeText() || shown == localTimeText(1);
      },
      2s);
}

TEST(WindowE2E, TheClockRunsOnEveryPage) {
  Driver driver;
  EXPECT_TRUE(clockShowsNow(driver)) << driver.text("标签");
  driver.menuCommand(app::kShowPage + 9);
  EXPECT_FALSE(driver.visible("标签"));
  Sleep(1100);
  EXPECT_TRUE(clockShowsNow(driver)) << driver.text("标签");
  driver.menuCommand(app::kShowPage + 0);
  EXPECT_TRUE(driver.visible("标签"));
  EXPECT_TRUE(clockShowsNow(driver)) << driver.text("标签");
}

TEST(WindowE2E, ValuesSurviveVisitsToOtherPages) {
  Driver driver;
  driver.menuCommand(app::kShowPage + 1);
  driver.type("编辑框2", "11");
  driver.type("编辑框6", "100");
  for (int page = 0; page < app::kPageCount; ++page) driver.menuCommand(app::kShowPage + page);
  driver.menuCommand(app::kShowPage + 1);
  EXPECT_EQ(driver.text("编辑框1"), "1");
  EXPECT_EQ(driver.text("编辑框3"), "2620");
  EXPECT_EQ(driver.text("编辑框6"), "100");
}

TEST(WindowE2E, EscapeClosesTheWindowFromAReferencePage) {
  Driver driver;
  driver.menuCommand(app::kShowPage + 12);
  EXPECT_EQ(driver.pressEscapeAndWait(driver.control("列表框5")), 0);
}

// The test prefix's https handler is the recorder, so each link's address lands in a file.
class LinksE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    log_ = ownDirectory() + L"urls.txt";
    DeleteFileW(log_.c_str());
    const std::wstring command = L"\"" + ownDirectory() + L"url_recorder.exe\" \"%1\"";
    for (const wchar_t* scheme : {L"https", L"http"}) {
      HKEY key;
      const std::wstring path = std::wstring(scheme) + L"\\shell\\open\\command";
      ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                nullptr, &key, nullptr),
                ERROR_SUCCESS);
      RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
      RegCloseKey(key);
    }
  }
  std::vector<std::string> opened() const {
    std::ifstream in(narrow(log_));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }
  std::wstring log_;
};

TEST_F(LinksE2E, EachLinkHandsItsAddressToTheBrowser) {
  Driver driver;
  driver.click("按钮8");
  ASSERT_TRUE(waitFor([&] { return opened().size() == 1; }, 10s));
  driver.click("按钮9");
  ASSERT_TRUE(waitFor([&] { return opened().size() == 2; }, 10s));
  driver.menuCommand(app::kOpenHomePage);
  ASSERT_TRUE(waitFor([&] { return opened().size() == 3; }, 10s));
  EXPECT_EQ(opened(), (std::vector<std::string>{std::string(about::kDownloadPage),
                                                std::string(about::kServicePage),
                                                std::string(about::kHomePage)}));
  EXPECT_EQ(driver.waitExit(0ms), -1);  // still running: the program did not wait
}

}  // namespace
}  // namespace e2e
