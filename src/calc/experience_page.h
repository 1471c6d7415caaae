#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

namespace calc {

// The experience page: level range, needed experience, boosting price and races. The
// level table is read at each recomputation, so it may be filled after this is called.
void addExperiencePage(ui::Form& form, std::string_view page,
                       const std::vector<std::string>& levelTable);

// The to-level box's change runs the needed-experience recomputation; the from-level
// box is linked to it once the level table is filled.
inline constexpr std::string_view kFromLevelBox = "编辑框1";
inline constexpr std::string_view kToLevelBox = "编辑框2";

}  // namespace calc
