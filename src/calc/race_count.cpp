#include "calc/race_count.h"

#include <cmath>

#include "calc/numeric_text.h"

namespace calc {

void writeRaceCount(ui::Form& form, std::string_view racesBox, double quotient,
                    std::string_view perRaceBox) {
  form.setText(racesBox, textOf(quotient));
  // Read back from its 13-digit text before counting, so the count matches what is shown.
  const double shown = numberOf(form.text(racesBox)) + 1;
  constexpr double countLimit = 9223372036854775808.0;  // 2^63
  if (std::isfinite(quotient) && std::fabs(shown) < countLimit) {
    form.setText(racesBox, textOfInt(integerPart(shown)));
  } else {
    form.setText(racesBox, "");
  }
  const std::string& perRace = form.text(perRaceBox);
  if (sameText(perRace, "")) form.setText(racesBox, "");
  if (sameText(perRace, "0")) form.setText(racesBox, "");
}

}  // namespace calc
