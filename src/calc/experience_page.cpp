#include "calc/experience_page.h"

#include <algorithm>
#include <cmath>

#include "calc/numeric_text.h"
#include "calc/race_count.h"

namespace calc {
namespace {

using ui::ControlDesc;
using ui::Input;
using ui::Kind;

// clang-format off
std::vector<ControlDesc> controls(std::string_view page) {
  const std::string p(page);
  return {
      {.name = "分组框1", .kind = Kind::GroupBox, .parent = p, .rect = {8, 8, 300, 300},
       .text = "现在等级______________目标等级", .align = ui::Align::Center},
      {.name = "标签1", .kind = Kind::Label, .parent = "分组框1", .rect = {17, 24, 272, 24},
       .text = "从             级 升 到              级"},
      {.name = "编辑框1", .kind = Kind::Edit, .parent = "分组框1", .rect = {38, 24, 40, 20},
       .input = Input::Integer},
      {.name = "调节器1", .kind = Kind::Spin, .parent = "分组框1", .rect = {78, 24, 20, 20}},
      {.name = "编辑框2", .kind = Kind::Edit, .parent = "分组框1", .rect = {208, 24, 39, 20},
       .input = Input::Integer},
      {.name = "调节器2", .kind = Kind::Spin, .parent = "分组框1", .rect = {247, 24, 20, 20}},
      {.name = "标签2", .kind = Kind::Label, .parent = "分组框1", .rect = {16, 56, 88, 24},
       .text = "需要经验值"},
      {.name = "编辑框3", .kind = Kind::Edit, .parent = "分组框1", .rect = {120, 56, 96, 20}},

      {.name = "外形框1", .kind = Kind::Frame, .parent = "分组框1", .rect = {14, 86, 272, 100}},
      {.name = "标签3", .kind = Kind::Label, .parent = "外形框1", .rect = {8, 8, 240, 24},
       .text = "代刷单价  一万        元（如0.5元）"},
      {.name = "编辑框4", .kind = Kind::Edit, .parent = "外形框1", .rect = {111, 8, 48, 20},
       .input = Input::Decimal},
      {.name = "按钮1", .kind = Kind::Button, .parent = "外形框1", .rect = {8, 48, 96, 32},
       .text = "计算代刷价格", .defaultButton = true},
      {.name = "编辑框5", .kind = Kind::Edit, .parent = "外形框1", .rect = {120, 56, 67, 20}},
      {.name = "标签4", .kind = Kind::Label, .parent = "外形框1", .rect = {200, 56, 24, 24},
       .text = "元"},

      {.name = "外形框2", .kind = Kind::Frame, .parent = "分组框1", .rect = {14, 190, 272, 100}},
      {.name = "标签5", .kind = Kind::Label, .parent = "外形框2", .rect = {32, 24, 176, 24},
       .text = "每局获得             经验"},
      {.name = "编辑框6", .kind = Kind::Edit, .parent = "外形框2", .rect = {104, 24, 64, 20}},
      {.name = "按钮2", .kind = Kind::Button, .parent = "外形框2", .rect = {16, 56, 64, 32},
       .text = "计算局数", .defaultButton = true},
      {.name = "标签6", .kind = Kind::Label, .parent = "外形框2", .rect = {128, 64, 120, 24},
       .text = "需要          局"},
      {.name = "编辑框7", .kind = Kind::Edit, .parent = "外形框2", .rect = {160, 64, 58, 20}},
  };
}
// clang-format on

// A level read from a box, truncated toward zero and kept inside [low, high].
int levelIn(double value, int low, int high) {
  const double truncated = std::trunc(value);
  if (!(truncated >= low)) return low;
  return truncated > high ? high : static_cast<int>(truncated);
}

}  // namespace

void addExperiencePage(ui::Form& form, std::string_view page,
                       const std::vector<std::string>& levelTable) {
  for (ControlDesc& desc : controls(page)) form.add(std::move(desc));

  auto& f = form;
  const auto from = [&f] { return numberOf(f.text(kFromLevelBox)); };
  const auto to = [&f] { return numberOf(f.text(kToLevelBox)); };

  // Clamping writes rerun this handler nested; the outer run then clears and sums again,
  // so the result equals that of one clean run.
  f.onChanged(kToLevelBox, [&f, &levelTable, from, to] {
    if (fallsShort(from(), 1)) f.setText(kFromLevelBox, "1");
    if (exceeds(from(), 200)) f.setText(kFromLevelBox, "200");
    if (exceeds(to(), 201)) f.setText(kToLevelBox, "201");
    if (fallsShort(to(), 1)) f.setText(kToLevelBox, textOf(from() + 1));
    f.setText("编辑框3", "");
    // A pasted from-level just under 1 counts as level 1; the table has no level 0.
    const int table = static_cast<int>(levelTable.size());
    const int first = levelIn(from(), 1, table);
    const int last = levelIn(to() - 1, 0, table);
    for (int n = std::max(first, 1); n <= last; ++n) {
      f.setText("编辑框3", textOf(numberOf(f.text("编辑框3")) + numberOf(levelTable[n - 1])));
    }
  });

  f.onSpin("调节器1", [&f, from, to](int direction) {
    f.setText(kFromLevelBox, textOf(from() + direction));
    if (reaches(from(), to())) f.setText(kToLevelBox, textOf(from() + 1));
  });
  f.onSpin("调节器2",
           [&f, to](int direction) { f.setText(kToLevelBox, textOf(to() + direction)); });

  f.onClicked("按钮1", [&f] {
    const double q = numberOf(f.text("编辑框3")) / 10000;
    f.setText("编辑框5", textOf(q * numberOf(f.text("编辑框4"))));
  });
  f.onClicked("按钮2", [&f] {
    const double quotient = numberOf(f.text("编辑框3")) / numberOf(f.text("编辑框6"));
    writeRaceCount(f, "编辑框7", quotient, "编辑框6");
  });
}

}  // namespace calc
