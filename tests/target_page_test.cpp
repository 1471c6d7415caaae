#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using testing_support::AppTest;
using Messages = std::vector<std::pair<std::string, std::string>>;

TEST_F(AppTest, DanceCountsTheRacesToTheChosenLevel) {
  app.showPage(3);
  form.picked("组合框3", 2);
  EXPECT_EQ(form.text("组合框3"), "【能歌善舞】4级");
  EXPECT_EQ(form.text("标签19"), "4000");
  type("编辑框13", "1000");
  type("编辑框12", "100");
  form.clicked("按钮4");
  EXPECT_EQ(form.text("编辑框11"), "31");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AppTest, CooperationReadsTheQuotientBackFromItsText) {
  form.picked("组合框2", 0);
  type("编辑框16", "0");
  type("编辑框15", "7");
  form.clicked("按钮5");
  EXPECT_EQ(form.text("编辑框14"), "43");
}

TEST_F(AppTest, CurrentPointsAboveTheThresholdAreErasedBeforeAnyChoice) {
  type("编辑框8", "5");
  EXPECT_EQ(form.text("编辑框8"), "");
  type("编辑框8", "0");
  EXPECT_EQ(form.text("编辑框8"), "0");
  type("编辑框13", "1");  // dance starts at threshold 1
  EXPECT_EQ(form.text("编辑框13"), "1");
  type("编辑框13", "1");
  EXPECT_EQ(form.text("编辑框13"), "");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AppTest, HonourErrorWhenTheTargetIsBelowTheCurrentPoints) {
  form.picked("组合框5", 14);  // 传奇公爵, 3000000
  type("编辑框22", "2100000");
  type("编辑框20", "stale");
  form.picked("组合框5", 12);  // 黄金大公爵
  EXPECT_EQ(form.text("标签28"), "2000000");
  EXPECT_EQ(form.text("编辑框22"), "");
  EXPECT_EQ(form.text("编辑框20"), "");
  EXPECT_EQ(platform.messages, (Messages{{"检查要刷的称号跟现在的荣誉点！", "   错误"}}));

  form.picked("组合框5", 13);  // 白金大公爵
  EXPECT_EQ(form.text("标签28"), "2600000");
  type("编辑框22", "2100000");
  type("编辑框21", "10000");
  form.clicked("按钮7");
  EXPECT_EQ(form.text("编辑框22"), "2100000");
  EXPECT_EQ(form.text("编辑框20"), "51");
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(AppTest, RankOnlyTitlesShowANoticeAndDisableTheCurrentPoints) {
  form.picked("组合框5", 5);
  type("编辑框22", "1234");
  form.picked("组合框5", 15);
  EXPECT_FALSE(form.enabled("编辑框22"));
  EXPECT_EQ(form.text("编辑框22"), "1234");
  EXPECT_EQ(form.text("标签28"), "80000");
  form.picked("组合框5", 16);
  EXPECT_FALSE(form.enabled("编辑框22"));
  EXPECT_EQ(platform.messages, (Messages{{"荣誉点在本国排2-10名就会到亲王了！", "提示"},
                                         {"荣誉点在本国排第一名就是国王了！", "提示"}}));
  form.picked("组合框5", 0);
  EXPECT_TRUE(form.enabled("编辑框22"));
}

TEST_F(AppTest, EveryTrackShowsItsErrorOnceAndEmptiesCurrentAndRaces) {
  const struct {
    const char *combo, *current, *races, *message;
  } tracks[] = {
      {"组合框1", "编辑框8", "编辑框10", "检查要刷的等级跟现在的心动值！"},
      {"组合框3", "编辑框13", "编辑框11", "检查要刷的等级跟现在的舞力值！"},
      {"组合框2", "编辑框16", "编辑框14", "检查要刷的等级跟现在的合作值！"},
      {"组合框4", "编辑框19", "编辑框17", "检查要刷的称号跟现在的名师点！"},
      {"组合框5", "编辑框22", "编辑框20", "检查要刷的称号跟现在的荣誉点！"},
  };
  for (const auto& t : tracks) {
    platform.messages.clear();
    form.picked(t.combo, 6);
    type(t.current, "999");
    paste(t.races, "9");
    form.picked(t.combo, 0);
    EXPECT_EQ(form.text(t.current), "") << t.combo;
    EXPECT_EQ(form.text(t.races), "") << t.combo;
    EXPECT_EQ(platform.messages, (Messages{{t.message, "   错误"}})) << t.combo;
  }
}

TEST_F(AppTest, TargetRacesFollowTheSharedCountingRules) {
  const struct {
    const char *current, *perRace, *races;
  } cases[] = {
      {"0", "", ""},       {"0", "0", ""},
      {"0", "0.0", ""},    {"800", "0.0", ""},
      {"0", "abc", ""},    {"0", "100", "9"},
      {"0", "800", "2"},   {"400", "800", "1"},
      {"800", "100", "1"}, {"", "0.0001", "8000001"},
  };
  form.picked("组合框1", 1);  // 800
  for (const auto& c : cases) {
    paste("编辑框8", c.current);
    paste("编辑框9", c.perRace);
    form.clicked("按钮3");
    EXPECT_EQ(form.text("编辑框10"), c.races) << c.current << " / " << c.perRace;
  }
}

TEST_F(AppTest, ConfirmingWithNothingSelectedWritesNoThreshold) {
  form.picked("组合框5", 15);  // 亲王 disables the current points
  EXPECT_FALSE(form.enabled("编辑框22"));
  form.picked("组合框5", -1);
  EXPECT_EQ(form.text("标签28"), "0");
  EXPECT_EQ(form.text("组合框5"), "【   亲王   】");
  EXPECT_TRUE(form.enabled("编辑框22"));
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(AppTest, TargetBoxesStartOnTheBaseLevelWithNoSelection) {
  const struct {
    const char *combo, *base;
    std::size_t items;
  } boxes[] = {{"组合框1", "【小丑鸭】0级", 8},
               {"组合框3", "【笨手笨脚】1级", 10},
               {"组合框2", "【独来独往】0级", 7},
               {"组合框4", "【初出茅庐】", 10},
               {"组合框5", "【   平民   】", 17}};
  for (const auto& b : boxes) {
    EXPECT_EQ(form.text(b.combo), b.base);
    EXPECT_EQ(form.selection(b.combo), -1);
    EXPECT_EQ(form.control(form.find(b.combo)).desc.items.size(), b.items) << b.combo;
  }
}

}  // namespace
