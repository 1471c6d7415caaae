#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "about/links.h"
#include "app/menu.h"
#include "test_support.h"

namespace {

using testing_support::AppTest;

// Every menu command by its path, e.g. "查询/称号查询/魅力称号".
std::map<std::string, int> commandsByPath(const std::vector<ui::MenuItem>& items,
                                          const std::string& prefix = "") {
  std::map<std::string, int> out;
  for (const ui::MenuItem& item : items) {
    const std::string path = prefix + item.text;
    if (item.command) out[path] = item.command;
    out.merge(commandsByPath(item.items, path + "/"));
  }
  return out;
}

TEST_F(AppTest, TheWindowOpensOnTheAboutPage) {
  EXPECT_EQ(form.window().title, "蓝石雀QQ飞车计算器工具【3】");
  EXPECT_EQ(form.currentPage(app::kPageContainer), 0);
  EXPECT_TRUE(form.shown("分组框3"));
  EXPECT_TRUE(form.shown("标签"));
  EXPECT_FALSE(form.shown("分组框1"));
  EXPECT_FALSE(form.shown("时钟1"));
}

TEST_F(AppTest, EveryMenuCommandShowsItsPage) {
  const std::map<std::string, int> expected = {
      {"主菜单/作者信息", 0},         {"计算器/经验计算器", 1},
      {"计算器/心动计算器", 2},       {"计算器/舞力计算器", 3},
      {"计算器/合作计算器", 4},       {"计算器/名师计算器", 5},
      {"计算器/荣誉计算器", 6},       {"查询/称号查询/等级称号", 7},
      {"查询/称号查询/魅力称号", 8},  {"查询/称号查询/舞力称号", 9},
      {"查询/称号查询/心动称号", 10}, {"查询/称号查询/合作称号", 11},
      {"查询/称号查询/荣誉称号", 12}, {"查询/称号查询/名师称号", 13},
      {"查询/奖励查询/升级奖励", 14}, {"查询/奖励查询/师徒奖励", 15},
      {"查询/奖励查询/荣誉奖励", 16}, {"查询/奖励查询/魅力奖励", 17},
      {"查询/奖励查询/名师奖励", 18}, {"查询/奖励查询/生日奖励", 19}};
  const auto commands = commandsByPath(form.menu());
  EXPECT_EQ(commands.size(), expected.size() + 1);  // and the home page link
  const std::string containers[] = {"分组框3",  "分组框1",  "分组框2",  "分组框4",  "分组框5",
                                    "分组框6",  "分组框7",  "分组框8",  "分组框9",  "分组框10",
                                    "分组框11", "分组框12", "分组框13", "分组框14", "外形框3",
                                    "分组框16", "分组框17", "分组框18", "分组框19", "分组框20"};
  for (const auto& [path, page] : expected) {
    ASSERT_TRUE(commands.contains(path)) << path;
    form.command(commands.at(path));
    EXPECT_EQ(form.currentPage(app::kPageContainer), page) << path;
    for (int p = 0; p < app::kPageCount; ++p) {
      EXPECT_EQ(form.shown(containers[p]), p == page) << path << " page " << p;
    }
  }
  form.command(commands.at("主菜单/蓝石雀官方网站"));
  EXPECT_EQ(platform.opened, std::vector<std::string>{std::string(about::kHomePage)});
}

TEST_F(AppTest, ShowPageClamps) {
  for (const auto& [asked, shown] :
       std::map<int, int>{{-5, 0}, {-1, 0}, {7, 7}, {19, 19}, {20, 19}, {1000, 19}}) {
    app.showPage(3);
    app.showPage(asked);
    EXPECT_EQ(form.currentPage(app::kPageContainer), shown) << asked;
  }
}

TEST_F(AppTest, TypedValuesSurviveVisitsToOtherPages) {
  app.showPage(1);
  type("编辑框2", "11");
  type("编辑框6", "100");
  for (int page = 0; page < app::kPageCount; ++page) app.showPage(page);
  app.showPage(1);
  EXPECT_EQ(form.text("编辑框1"), "1");
  EXPECT_EQ(form.text("编辑框2"), "11");
  EXPECT_EQ(form.text("编辑框3"), "2620");
  EXPECT_EQ(form.text("编辑框6"), "100");
}

TEST_F(AppTest, TheClockWritesTheLocalTimeOnEveryPage) {
  EXPECT_EQ(form.text("标签"), "正在读取时间...  ");
  app.showPage(9);
  form.ticked("时钟1");
  EXPECT_EQ(form.text("标签"), "2014年6月13日8时59分55秒");
  platform.time = {2026, 12, 11, 0, 0, 0};
  form.ticked("时钟1");
  EXPECT_EQ(form.text("标签"), "2026年12月11日");
}

TEST_F(AppTest, LinkButtonsOpenTheirAddresses) {
  form.clicked("按钮8");
  form.clicked("按钮9");
  EXPECT_EQ(platform.opened, (std::vector<std::string>{std::string(about::kDownloadPage),
                                                       std::string(about::kServicePage)}));
}

TEST_F(AppTest, ListsHoldTheirRowsWithEmptyItemsBetween) {
  const std::map<std::string, std::size_t> counts = {
      {"列表框1", 51},  {"列表框5", 36},  {"列表框6", 17}, {"列表框3", 17},  {"列表框4", 23},
      {"列表框7", 23},  {"列表框2", 19},  {"列表框8", 71}, {"列表框17", 37}, {"列表框15", 17},
      {"列表框14", 23}, {"列表框16", 35}, {"列表框9", 9},  {"列表框10", 12}, {"列表框11", 8},
      {"列表框12", 11}, {"列表框13", 18}};
  for (const auto& [name, count] : counts) {
    EXPECT_EQ(form.control(form.find(name)).desc.items.size(), count) << name;
  }
  const auto items = [&](const char* name) { return form.control(form.find(name)).desc.items; };
  EXPECT_EQ(items("列表框1")[35], "  135-139      飚车之王");
  EXPECT_EQ(items("列表框1")[37], "  145-149      极速之王");
  EXPECT_EQ(items("列表框5").back(), "  国王        每个国家第一名");
  EXPECT_EQ(items("列表框8")[33], "100|500点券,500消费券,甲壳虫30天,200经验");
  EXPECT_EQ(items("列表框8")[34], "        骨灰级玩家挂件（永久）");
  EXPECT_EQ(items("列表框8")[35], "");
  EXPECT_EQ(items("列表框16")[9], "80-89级        8000点劵 ");
  EXPECT_EQ(items("列表框12")[2], " 【教导有方】  (  1201-2000    )   7");
}

TEST_F(AppTest, TheMentorshipTableOpensOnTheApprenticePage) {
  app.showPage(15);
  EXPECT_EQ(form.currentPage("高级选择夹1"), 1);
  EXPECT_TRUE(form.shown("透明标签5"));
  EXPECT_FALSE(form.shown("透明标签4"));
  form.tabClicked("高级选择夹1", 0);
  EXPECT_TRUE(form.shown("透明标签4"));
  EXPECT_FALSE(form.shown("透明标签5"));
}

}  // namespace
