// The experience page in the real program: typing, spin arrows, price, races, Esc.
#include <gtest/gtest.h>

#include "app/menu.h"
#include "driver.h"

namespace e2e {
namespace {

class ExperienceE2E : public ::testing::Test {
 protected:
  ExperienceE2E() { driver.menuCommand(app::kShowPage + 1); }
  Driver driver;
};

TEST_F(ExperienceE2E, TypedLettersAreDroppedAndTheNeededExperienceFollows) {
  ASSERT_TRUE(driver.visible("编辑框2"));
  driver.type("编辑框2", "1");
  EXPECT_EQ(driver.text("编辑框1"), "1");
  EXPECT_EQ(driver.text("编辑框3"), "");
  driver.type("编辑框2", "a+ ２中1x");
  EXPECT_EQ(driver.text("编辑框2"), "11");
  EXPECT_EQ(driver.text("编辑框3"), "2620");

  driver.typeOver("编辑框1", "250");
  EXPECT_EQ(driver.text("编辑框1"), "200");
  driver.selectAll("编辑框1");
  driver.type("编辑框1", "\b");
  EXPECT_EQ(driver.text("编辑框1"), "1");
  EXPECT_EQ(driver.text("编辑框3"), "2620");
}

TEST_F(ExperienceE2E, SpinArrowsStepByOneEveryPress) {
  driver.type("编辑框1", "9");
  EXPECT_EQ(driver.text("编辑框2"), "10");
  driver.pressSpin("调节器1", true);
  EXPECT_EQ(driver.text("编辑框1"), "10");
  EXPECT_EQ(driver.text("编辑框2"), "11");
  EXPECT_EQ(driver.text("编辑框3"), "420");

  // Many presses one way never stall at the arrows' own range end.
  for (int i = 0; i < 60; ++i) driver.pressSpin("调节器2", true);
  EXPECT_EQ(driver.text("编辑框2"), "71");
  for (int i = 0; i < 70; ++i) driver.pressSpin("调节器2", false);
  EXPECT_EQ(driver.text("编辑框2"), "1");
  driver.pressSpin("调节器2", false);  // 0 becomes from + 1
  EXPECT_EQ(driver.text("编辑框2"), "11");

  driver.typeOver("编辑框1", "200");
  driver.typeOver("编辑框2", "201");
  driver.pressSpin("调节器1", true);
  EXPECT_EQ(driver.text("编辑框1"), "200");
  EXPECT_EQ(driver.text("编辑框2"), "201");
  EXPECT_EQ(driver.text("编辑框3"), "2160000");
}

TEST_F(ExperienceE2E, PriceAndRaces) {
  driver.type("编辑框2", "201");
  EXPECT_EQ(driver.text("编辑框3"), "87462170");
  driver.type("编辑框4", "0a.5");
  EXPECT_EQ(driver.text("编辑框4"), "0.5");
  driver.click("按钮1");
  EXPECT_EQ(driver.text("编辑框5"), "4373.1085");

  driver.typeOver("编辑框2", "11");
  driver.type("编辑框6", "100");
  driver.click("按钮2");
  EXPECT_EQ(driver.text("编辑框7"), "27");
  driver.typeOver("编辑框6", "0.0");
  driver.click("按钮2");
  EXPECT_EQ(driver.text("编辑框7"), "");
}

TEST_F(ExperienceE2E, PastesAreNotFiltered) {
  driver.type("编辑框2", "4");
  driver.pasteOver("编辑框1", "0.99999999");  // just under level 1 counts as level 1
  EXPECT_EQ(driver.text("编辑框1"), "0.99999999");
  EXPECT_EQ(driver.text("编辑框3"), "350");
  driver.pasteOver("编辑框4", "1e4");
  driver.click("按钮1");
  EXPECT_EQ(driver.text("编辑框5"), "350");
}

HWND focusOf(const Driver& driver) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(driver.window(), nullptr), &info);
  return info.hwndFocus;
}

TEST_F(ExperienceE2E, TabMovesThroughTheBoxesAndEnterStays) {
  HWND from = driver.control("编辑框1");
  PostMessageW(from, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(from, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(waitFor([&] { return focusOf(driver) == from; }));
  driver.postKey(from, VK_TAB);
  ASSERT_TRUE(waitFor([&] { return focusOf(driver) == driver.control("编辑框2"); }));
  driver.postKey(driver.control("编辑框2"), VK_RETURN);
  driver.postKey(driver.control("编辑框2"), VK_TAB);
  ASSERT_TRUE(waitFor([&] { return focusOf(driver) == driver.control("编辑框3"); }));
  driver.postKey(driver.control("编辑框3"), VK_TAB);
  driver.postKey(driver.control("编辑框3"), VK_TAB);
  EXPECT_TRUE(waitFor([&] { return focusOf(driver) == driver.control("按钮1"); }));
}

TEST_F(ExperienceE2E, EscapeClosesTheProgramWithExitCodeZero) {
  driver.type("编辑框2", "5");
  EXPECT_EQ(driver.pressEscapeAndWait(driver.control("编辑框2")), 0);
}

}  // namespace
}  // namespace e2e
