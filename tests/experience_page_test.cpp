#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using testing_support::AppTest;

class ExperiencePageTest : public AppTest {
 protected:
  ExperiencePageTest() { app.showPage(1); }
  std::string from() { return form.text("编辑框1"); }
  std::string to() { return form.text("编辑框2"); }
  std::string needed() { return form.text("编辑框3"); }
  void setLevels(std::string_view a, std::string_view b) {
    clear("编辑框1");
    clear("编辑框2");
    paste("编辑框1", std::string(a));
    paste("编辑框2", std::string(b));
  }
};

TEST_F(ExperiencePageTest, TheLevelTableIsFilledWhenTheWindowIsCreated) {
  const auto& table = app.levelTable();
  ASSERT_EQ(table.size(), 200u);
  EXPECT_EQ(table[0], "80");
  EXPECT_EQ(table[99], "5500");
  EXPECT_EQ(table[100], "10000");
  EXPECT_EQ(table[199], "2160000");
  EXPECT_EQ(app.shutDown(), 0);
  EXPECT_TRUE(app.levelTable().empty());
}

TEST_F(ExperiencePageTest, TypingTheToLevelFillsTheFromLevelAndSums) {
  type("编辑框2", "1");
  EXPECT_EQ(from(), "1");
  EXPECT_EQ(to(), "1");
  EXPECT_EQ(needed(), "");
  type("编辑框2", "1");
  EXPECT_EQ(to(), "11");
  EXPECT_EQ(needed(), "2620");
}

struct RangeCase {
  const char* from;
  const char* to;
  const char* needed;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
  *os << c.from << " to " << c.to;
}

class LevelRangeTest : public ExperiencePageTest,
                       public ::testing::WithParamInterface<RangeCase> {};

TEST_P(LevelRangeTest, SumsTheTableBetweenTheLevels) {
  setLevels(GetParam().from, GetParam().to);
  EXPECT_EQ(needed(), GetParam().needed);
}

INSTANTIATE_TEST_SUITE_P(Cases, LevelRangeTest,
                         ::testing::Values(RangeCase{"1", "2", "80"}, RangeCase{"1", "11", "2620"},
                                           RangeCase{"1", "101", "182170"},
                                           RangeCase{"1", "201", "87462170"},
                                           RangeCase{"200", "201", "2160000"},
                                           RangeCase{"50", "10", ""}, RangeCase{"7", "7", ""},
                                           RangeCase{"0.99999999", "3", "200"},
                                           RangeCase{"1.5", "3.5", "200"}));

TEST_F(ExperiencePageTest, OutOfRangeLevelsAreClamped) {
  type("编辑框1", "5");
  EXPECT_EQ(to(), "6");
  EXPECT_EQ(needed(), "270");

  typeOver("编辑框1", "250");
  EXPECT_EQ(from(), "200");
  EXPECT_EQ(needed(), "");

  typeOver("编辑框1", "3");
  typeOver("编辑框2", "300");
  EXPECT_EQ(to(), "201");
  typeOver("编辑框2", "0");
  EXPECT_EQ(to(), "4");
  EXPECT_EQ(needed(), "150");

  paste("编辑框1", "-7");
  EXPECT_EQ(from(), "1");
  paste("编辑框1", "1e999");
  EXPECT_EQ(from(), "200");
}

TEST_F(ExperiencePageTest, NeitherLevelBoxStaysEmpty) {
  setLevels("12", "20");
  clear("编辑框1");
  EXPECT_EQ(from(), "1");
  clear("编辑框2");
  EXPECT_EQ(to(), "2");
  EXPECT_EQ(needed(), "80");
}

TEST_F(ExperiencePageTest, TypedLettersNeverReachTheLevelBoxes) {
  type("编辑框2", "1a２b+ 1");
  EXPECT_EQ(to(), "11");
  EXPECT_EQ(needed(), "2620");
}

TEST_F(ExperiencePageTest, SpinStepsAtTheEnds) {
  setLevels("200", "201");
  form.spun("调节器1", +1);
  EXPECT_EQ(from(), "200");
  EXPECT_EQ(to(), "201");
  EXPECT_EQ(needed(), "2160000");

  setLevels("9", "10");
  form.spun("调节器1", +1);
  EXPECT_EQ(from(), "10");
  EXPECT_EQ(to(), "11");
  EXPECT_EQ(needed(), "420");

  form.spun("调节器1", -1);
  EXPECT_EQ(from(), "9");
  EXPECT_EQ(to(), "11");
  EXPECT_EQ(needed(), "810");

  setLevels("3", "1");  // to below from: nothing to sum
  EXPECT_EQ(to(), "1");
  form.spun("调节器2", -1);
  EXPECT_EQ(to(), "4");
  EXPECT_EQ(needed(), "150");

  form.spun("调节器2", +1);
  EXPECT_EQ(to(), "5");
  setLevels("1", "1");
  form.spun("调节器1", -1);
  EXPECT_EQ(from(), "1");
  EXPECT_EQ(to(), "2");
}

TEST_F(ExperiencePageTest, PriceIsPerTenThousandPoints) {
  setLevels("1", "201");
  type("编辑框4", "0.5");
  form.clicked("按钮1");
  EXPECT_EQ(form.text("编辑框5"), "4373.1085");

  setLevels("1", "11");
  paste("编辑框4", "1");
  form.clicked("按钮1");
  EXPECT_EQ(form.text("编辑框5"), "0.262");

  paste("编辑框3", "");
  form.clicked("按钮1");
  EXPECT_EQ(form.text("编辑框5"), "0");
}

TEST_F(ExperiencePageTest, DecimalModeDropsLettersFromThePrice) {
  type("编辑框4", "0a.,5e");
  EXPECT_EQ(form.text("编辑框4"), "0.5");
}

struct RacesCase {
  const char* needed;
  const char* perRace;
  const char* races;
};

void PrintTo(const RacesCase& c, std::ostream* os) {
  *os << '"' << c.needed << "\" / \"" << c.perRace << '"';
}

class RacesTest : public ExperiencePageTest, public ::testing::WithParamInterface<RacesCase> {};

TEST_P(RacesTest, CountsTheRaces) {
  paste("编辑框3", GetParam().needed);
  paste("编辑框6", GetParam().perRace);
  paste("编辑框7", "stale");
  form.clicked("按钮2");
  EXPECT_EQ(form.text("编辑框7"), GetParam().races);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RacesTest,
    ::testing::Values(RacesCase{"2620", "100", "27"}, RacesCase{"1000", "100", "11"},
                      RacesCase{"", "100", "1"}, RacesCase{"100", "3", "34"},
                      RacesCase{"2620", "", ""}, RacesCase{"2620", "0", ""},
                      // Zero other than "" and "0" divides by zero: no count, not 2 or 0.
                      RacesCase{"2620", "0.0", ""}, RacesCase{"", "0.0", ""},
                      RacesCase{"2620", "00", ""}, RacesCase{"2620", "abc", ""},
                      // Beyond 32 bits the count is still exact; beyond 63 there is none.
                      RacesCase{"87462170", "0.01", "8746217001"}, RacesCase{"1e30", "1", ""},
                      RacesCase{"1e999", "1", ""}));

}  // namespace
