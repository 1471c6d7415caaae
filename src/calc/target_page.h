#pragma once
// One design for the five target calculators: pick a target, type the points you have
// and the points one race earns, and count the races to the target.
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/platform.h"

namespace calc {

struct Target {
  std::string name;
  std::string threshold{};  // empty for a rank-only title, which has a notice instead
  std::string notice{};
};

struct TargetTrack {
  std::string groupBox, caption;
  std::string combo;
  ui::Rect comboRect;
  std::string base;  // shown in the combo box before any pick; not an item
  std::vector<Target> targets;
  std::string thresholdLabel, initialThreshold;
  ui::Rect thresholdRect;
  std::string current, perRace, races, button;
  std::string perRaceLabel, unit;
  std::string resultLabel;
  std::string list;
  ui::Rect listRect;
  std::vector<std::string> rows;
  std::string error;
};

// The heartbeat, dance, cooperation, mentor and honour tracks, in page order.
const std::vector<TargetTrack>& targetTracks();

// Adds a track's controls to `page` and binds its handlers. The track must outlive the
// form (the tracks above live for the whole program).
void addTargetPage(ui::Form& form, ui::Platform& platform, std::string_view page,
                   const TargetTrack& track);

}  // namespace calc
