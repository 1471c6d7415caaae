#pragma once
// The conversions every calculator shares. Values live as control texts (UTF-8) and are
// converted at each step, so every page produces the same digits for the same inputs.
#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

inline constexpr double Epsilon = 1e-7;

// Reads a decimal number from the start of a text, the way atof does with "." as the
// point, after folding full-width forms to ASCII. Exponents may be e, E, d or D; hex,
// infinity and NaN words are not read. Too large a value becomes an infinity of its sign.
double numberOf(std::string_view text);

// "%.13g" with a three-digit exponent; infinities and NaN as 1.#INF, -1.#INF, -1.#IND.
std::string textOf(double value);

std::string textOfInt(std::int64_t value);

// Integer part as the race counters take it: a fraction within 1e-12 of a whole number
// rounds away from zero, then the floor is taken. Out of the 64-bit range, infinities
// and NaN give 0.
std::int64_t integerPart(double value);

inline bool exceeds(double a, double b) {
  return a - b > Epsilon;
}
inline bool fallsShort(double a, double b) {
  return a - b < -Epsilon;
}
inline bool reaches(double a, double b) {
  return a - b >= -Epsilon;
}
inline bool sameText(std::string_view a, std::string_view b) {
  return a == b;
}

}  // namespace calc
