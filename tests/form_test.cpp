#include "ui/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/input_filter.h"

namespace ui {
namespace {

class FormTest : public ::testing::Test {
 protected:
  FormTest() {
    form.add({.name = "pages", .kind = Kind::PageContainer});
    form.add({.name = "p0", .kind = Kind::Page, .parent = "pages"});
    form.add({.name = "p1", .kind = Kind::Page, .parent = "pages"});
    form.add({.name = "a", .kind = Kind::Edit, .parent = "p0"});
    form.add({.name = "b", .kind = Kind::Edit, .parent = "p1"});
    form.add({.name = "hidden", .kind = Kind::Label, .parent = "p0", .visible = false});
    form.add({.name = "tick", .kind = Kind::Timer, .parent = "p0"});
  }
  Form form;
};

TEST_F(FormTest, ProgramWritesRaiseTheChangeEventEveryTimeAndNested) {
  std::vector<std::string> seen;
  form.onChanged("a", [&] {
    seen.push_back(form.text("a"));
    if (form.text("a") == "9") form.setText("a", "5");  // a nested clamp
    seen.push_back("end " + form.text("a"));
  });
  form.setText("a", "1");
  form.setText("a", "1");
  form.setText("a", "9");
  EXPECT_EQ(seen,
            (std::vector<std::string>{"1", "end 1", "1", "end 1", "9", "5", "end 5", "end 5"}));
}

TEST_F(FormTest, LinkedBoxRunsTheOtherBoxesHandler) {
  int runs = 0;
  form.onChanged("b", [&] { ++runs; });
  form.edited("a", "x");
  EXPECT_EQ(runs, 0);
  form.link("a", "b");
  form.edited("a", "y");
  form.setText("a", "z");
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(form.text("a"), "z");
}

TEST_F(FormTest, OnlyTheCurrentPagesVisibleChildrenAreShown) {
  EXPECT_TRUE(form.shown("a"));
  EXPECT_FALSE(form.shown("b"));
  EXPECT_FALSE(form.shown("hidden"));
  EXPECT_FALSE(form.shown("tick"));
  form.setPage("pages", 1);
  EXPECT_FALSE(form.shown("a"));
  EXPECT_TRUE(form.shown("b"));
}

TEST_F(FormTest, ObserverHearsProgramWritesButNotUserEdits) {
  struct Recorder : FormObserver {
    void formChanged(int index, Aspect aspect) override { seen.emplace_back(index, aspect); }
    std::vector<std::pair<int, Aspect>> seen;
  } recorder;
  form.setObserver(&recorder);
  form.edited("a", "typed");
  form.setText("b", "written");
  form.setEnabled("b", false);
  form.setEnabled("b", false);
  form.setPage("pages", 1);
  EXPECT_EQ(recorder.seen,
            (std::vector<std::pair<int, Aspect>>{{form.find("b"), Aspect::Text},
                                                 {form.find("b"), Aspect::Enabled},
                                                 {form.find("pages"), Aspect::Page}}));
}

TEST(InputFilterTest, IntegerAndDecimalModesKeepOnlyTheirCharacters) {
  for (char32_t c : {U'0', U'5', U'9', U'-', U'\b', U'\t', U'\r', U'\x03', U'\x16', U'\x18'}) {
    EXPECT_TRUE(acceptsTyped(Input::Integer, c)) << static_cast<int>(c);
    EXPECT_TRUE(acceptsTyped(Input::Decimal, c)) << static_cast<int>(c);
  }
  for (char32_t c : {U'a', U'Z', U' ', U'+', U'e', U'１', U'中', U'\U0001F600'}) {
    EXPECT_FALSE(acceptsTyped(Input::Integer, c)) << static_cast<int>(c);
    EXPECT_FALSE(acceptsTyped(Input::Decimal, c)) << static_cast<int>(c);
  }
  EXPECT_FALSE(acceptsTyped(Input::Integer, U'.'));
  EXPECT_TRUE(acceptsTyped(Input::Decimal, U'.'));
  EXPECT_TRUE(acceptsTyped(Input::Any, U'中'));
}

}  // namespace
}  // namespace ui
