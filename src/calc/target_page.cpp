#include "calc/target_page.h"

#include "calc/numeric_text.h"
#include "calc/race_count.h"

namespace calc {

using ui::ControlDesc;
using ui::Kind;

void addTargetPage(ui::Form& form, ui::Platform& platform, std::string_view page,
                   const TargetTrack& t) {
  std::vector<std::string> items;
  for (const Target& target : t.targets) items.push_back(target.name);
  // clang-format off
  const ControlDesc controls[] = {
      {.name = t.groupBox, .kind = Kind::GroupBox, .parent = std::string(page),
       .rect = {8, 8, 300, 300}, .text = t.caption, .align = ui::Align::Center},
      {.name = t.combo, .kind = Kind::Combo, .parent = t.groupBox, .rect = t.comboRect,
       .text = t.base, .items = items},
      {.name = t.thresholdLabel, .kind = Kind::Label, .parent = t.groupBox,
       .rect = t.thresholdRect, .text = t.initialThreshold, .font = ui::Font{}, .visible = false},
      {.name = t.current, .kind = Kind::Edit, .parent = t.groupBox, .rect = {168, 30, 96, 20}},
      {.name = t.perRaceLabel, .kind = Kind::Label, .parent = t.groupBox, .rect = {46, 70, 224, 24},
       .text = "每局获得             " + t.unit},
      {.name = t.perRace, .kind = Kind::Edit, .parent = t.groupBox, .rect = {112, 70, 72, 20}},
      {.name = t.button, .kind = Kind::Button, .parent = t.groupBox, .rect = {24, 102, 64, 32},
       .text = "计算局数", .defaultButton = true},
      {.name = t.resultLabel, .kind = Kind::Label, .parent = t.groupBox,
       .rect = {107, 110, 160, 24}, .text = "需要             局"},
      {.name = t.races, .kind = Kind::Edit, .parent = t.groupBox, .rect = {144, 110, 72, 20}},
      {.name = t.list, .kind = Kind::List, .parent = t.groupBox, .rect = t.listRect,
       .items = t.rows},
  };
  // clang-format on
  for (const ControlDesc& desc : controls) form.add(desc);

  auto& f = form;
  const auto threshold = [&f, &t] { return numberOf(f.text(t.thresholdLabel)); };
  const auto current = [&f, &t] { return numberOf(f.text(t.current)); };

  f.onSelected(t.combo, [&f, &platform, &t, threshold, current] {
    const int index = f.selection(t.combo);
    const Target* target =
        index >= 0 && index < static_cast<int>(t.targets.size()) ? &t.targets[index] : nullptr;
    if (target && !target->threshold.empty()) f.setText(t.thresholdLabel, target->threshold);
    if (target && !target->notice.empty()) {
      f.setEnabled(t.current, false);
      platform.message(target->notice, "提示");
    } else {
      f.setEnabled(t.current, true);
    }
    if (exceeds(current(), threshold())) {
      f.setText(t.races, "");
      f.setText(t.current, "");
      platform.message(t.error, "   错误");
    }
  });

  f.onChanged(t.current, [&f, &t, threshold, current] {
    if (exceeds(current(), threshold())) f.setText(t.current, "");
  });

  f.onClicked(t.button, [&f, &t, threshold, current] {
    const double quotient = (threshold() - current()) / numberOf(f.text(t.perRace));
    writeRaceCount(f, t.races, quotient, t.perRace);
  });
}

}  // namespace calc
