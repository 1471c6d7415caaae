#pragma once
#include <string_view>

#include "ui/form.h"

namespace calc {

// Writes the races for a quotient into `racesBox`: first the quotient's text, then the
// integer part of that text's number plus one. The box is left empty when the per-race
// text is "" or "0", and when the quotient is not a finite number or too large to count.
void writeRaceCount(ui::Form& form, std::string_view racesBox, double quotient,
                    std::string_view perRaceBox);

}  // namespace calc
