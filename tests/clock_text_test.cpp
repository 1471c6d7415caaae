#include "about/clock_text.h"

#include <gtest/gtest.h>

namespace about {
namespace {

TEST(ClockTextTest, LeavesOutTrailingZeroTimeParts) {
  const struct {
    ui::LocalTime time;
    const char* text;
  } cases[] = {
      {{2014, 6, 13, 8, 59, 55}, "2014年6月13日8时59分55秒"},
      {{2014, 6, 13, 8, 59, 0}, "2014年6月13日8时59分"},
      {{2014, 6, 13, 8, 0, 0}, "2014年6月13日8时"},
      {{2014, 6, 13, 0, 0, 0}, "2014年6月13日"},
      {{2014, 6, 13, 0, 0, 5}, "2014年6月13日0时0分5秒"},
      {{2014, 6, 13, 0, 7, 0}, "2014年6月13日0时7分"},
      {{2026, 12, 31, 23, 59, 59}, "2026年12月31日23时59分59秒"},
  };
  for (const auto& c : cases) EXPECT_EQ(dateTimeText(c.time), c.text);
}

}  // namespace
}  // namespace about
