// The target calculators in the real program: picks through the real combo boxes (keyboard
// steps and drop-down picks), the guard, the count button, the error and notice boxes.
#include <gtest/gtest.h>

#include "app/menu.h"
#include "driver.h"

namespace e2e {
namespace {

class TargetE2E : public ::testing::Test {
 protected:
  void show(int page) { driver.menuCommand(app::kShowPage + page); }
  // One step down or up in a closed drop-down, as the arrow keys do.
  void step(std::string_view combo, bool down = true) {
    driver.postKey(driver.control(combo), down ? VK_DOWN : VK_UP);
  }
  // Opens the list with F4, moves through it with the arrows and confirms with Enter.
  void dropDownPick(std::string_view combo, int down) {
    HWND box = driver.control(combo);
    driver.postKey(box, VK_F4);
    for (int i = 0; i < down; ++i) driver.postKey(box, VK_DOWN);
    driver.postKey(box, VK_RETURN);
  }
  // Opens the list with F4 and clicks an item with the mouse.
  void mousePick(std::string_view combo, int item) {
    driver.postKey(driver.control(combo), VK_F4);
    HWND list = nullptr;
    ASSERT_TRUE(waitFor([&] { return (list = openComboList()) != nullptr; }));
    const auto height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    const auto top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    const LPARAM at = MAKELPARAM(10, (item - top) * height + height / 2);
    PostMessageW(list, WM_MOUSEMOVE, 0, at);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
  }
  HWND openComboList() const {
    return visibleTopLevel(driver.processId(),
                           [](std::wstring_view cls) { return cls == L"ComboLBox"; });
  }
  // Exactly one notice with this text: it appears, is answered, and no second follows.
  void expectOneNotice(std::string_view text) {
    const MessageBoxSeen box = driver.waitMessageBox();
    ASSERT_NE(box.window, nullptr) << "no notice " << text;
    EXPECT_EQ(box.title, "提示");
    EXPECT_EQ(box.text, text);
    driver.answer(box);
    expectNoMessageBox();
  }
  // No box appears for a while: nothing was raised twice.
  void expectNoMessageBox() { EXPECT_EQ(driver.waitMessageBox(700ms).window, nullptr); }

  Driver driver;
};

TEST_F(TargetE2E, DanceCountsRacesAfterKeyboardSteps) {
  show(3);
  EXPECT_EQ(driver.text("组合框3"), "【笨手笨脚】1级");
  EXPECT_EQ(driver.comboSelection("组合框3"), -1);
  for (int i = 0; i < 3; ++i) step("组合框3");
  ASSERT_TRUE(waitFor([&] { return driver.text("标签19") == "4000"; })) << driver.text("标签19");
  EXPECT_EQ(driver.text("组合框3"), "【能歌善舞】4级");
  EXPECT_FALSE(driver.visible("标签19"));
  driver.type("编辑框13", "1000");
  driver.type("编辑框12", "100");
  driver.click("按钮4");
  EXPECT_EQ(driver.text("编辑框11"), "31");
}

TEST_F(TargetE2E, CooperationAfterADropDownPick) {
  show(4);
  dropDownPick("组合框2", 1);
  ASSERT_TRUE(waitFor([&] { return driver.text("标签22") == "300"; })) << driver.text("标签22");
  EXPECT_EQ(driver.comboSelection("组合框2"), 0);
  driver.type("编辑框16", "0");
  driver.type("编辑框15", "7");
  driver.click("按钮5");
  EXPECT_EQ(driver.text("编辑框14"), "43");
  driver.typeOver("编辑框15", "0.0");
  driver.click("按钮5");
  EXPECT_EQ(driver.text("编辑框14"), "");
}

TEST_F(TargetE2E, HeartbeatGuardsTheCurrentPointsBeforeAnyChoice) {
  show(2);
  driver.type("编辑框8", "5");
  EXPECT_EQ(driver.text("编辑框8"), "");
  driver.type("编辑框8", "0");
  EXPECT_EQ(driver.text("编辑框8"), "0");
  expectNoMessageBox();
}

TEST_F(TargetE2E, HonourErrorIsShownOnceAndAnswered) {
  show(6);
  dropDownPick("组合框5", 15);  // 【 传奇公爵 】 3000000
  ASSERT_TRUE(waitFor([&] { return driver.text("标签28") == "3000000"; }));
  driver.type("编辑框22", "2100000");
  driver.type("编辑框20", "9");
  step("组合框5", false);
  step("组合框5", false);  // 【黄金大公爵】 2000000, below the current points
  MessageBoxSeen box = driver.waitMessageBox();
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.title, "   错误");
  EXPECT_EQ(box.text, "检查要刷的称号跟现在的荣誉点！");
  EXPECT_FALSE(box.hasIcon);
  EXPECT_FALSE(box.owned);
  EXPECT_EQ(driver.text("编辑框22"), "");
  EXPECT_EQ(driver.text("编辑框20"), "");
  driver.answer(box);
  expectNoMessageBox();
  EXPECT_EQ(driver.text("标签28"), "2000000");

  step("组合框5");  // 【白金大公爵】 2600000
  ASSERT_TRUE(waitFor([&] { return driver.text("标签28") == "2600000"; }));
  driver.type("编辑框22", "2100000");
  driver.type("编辑框21", "10000");
  driver.click("按钮7");
  EXPECT_EQ(driver.text("编辑框22"), "2100000");
  EXPECT_EQ(driver.text("编辑框20"), "51");
  expectNoMessageBox();
}

TEST_F(TargetE2E, RankOnlyTitlesShowTheirNoticeOncePerPick) {
  show(6);
  dropDownPick("组合框5", 17);  // 【   国王   】
  expectOneNotice("荣誉点在本国排第一名就是国王了！");
  EXPECT_FALSE(driver.enabled("编辑框22"));

  // Picking the same item again raises the event again, once.
  dropDownPick("组合框5", 0);
  expectOneNotice("荣誉点在本国排第一名就是国王了！");

  step("组合框5", false);  // 【   亲王   】
  expectOneNotice("荣誉点在本国排2-10名就会到亲王了！");
  EXPECT_FALSE(driver.enabled("编辑框22"));

  step("组合框5", false);  // 【 传奇公爵 】
  ASSERT_TRUE(waitFor([&] { return driver.enabled("编辑框22"); }));
  EXPECT_EQ(driver.text("标签28"), "3000000");
  expectNoMessageBox();
}

TEST_F(TargetE2E, AMousePickInTheOpenListRaisesOneEvent) {
  show(6);
  mousePick("组合框5", 16);  // 【   国王   】
  expectOneNotice("荣誉点在本国排第一名就是国王了！");
  EXPECT_EQ(driver.text("组合框5"), "【   国王   】");
  mousePick("组合框5", 3);  // 【   勋爵   】
  ASSERT_TRUE(waitFor([&] { return driver.text("标签28") == "16000"; })) << driver.text("标签28");
  EXPECT_TRUE(driver.enabled("编辑框22"));
  expectNoMessageBox();
}

TEST_F(TargetE2E, MentorListAndItsCount) {
  show(5);
  EXPECT_EQ(driver.listItems("列表框12")[2], " 【教导有方】  (  1201-2000    )   7");
  step("组合框4");
  ASSERT_TRUE(waitFor([&] { return driver.text("标签25") == "501"; }));
  driver.type("编辑框19", "1");
  driver.type("编辑框18", "100");
  driver.click("按钮6");
  EXPECT_EQ(driver.text("编辑框17"), "6");
}

}  // namespace
}  // namespace e2e
