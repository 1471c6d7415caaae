#include "calc/numeric_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace calc {
namespace {

// Decodes one UTF-8 sequence at text[i]; returns its code point and advances i. A
// malformed byte is returned as itself, so it simply stops the number.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (extra == 0 || i + extra >= text.size()) {
    ++i;
    return lead;
  }
  char32_t cp = lead & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return lead;
    }
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  i += extra + 1;
  return cp;
}

// Full-width and a few look-alike characters read as their ASCII forms.
char32_t fold(char32_t cp) {
  if (cp == 0x3000) return U' ';
  if (cp >= 0xFF01 && cp <= 0xFF5D && cp != 0xFF04) return cp - 0xFEE0;
  if (cp == 0xFF5E || cp == 0xFFE3) return U'~';
  if (cp == 0xFFE5) return U'$';
  if (cp == 0x2605 || cp == 0x2606) return U'*';
  return cp;
}

// The folded text as ASCII; any other character becomes a byte no number contains.
std::string folded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t cp = fold(nextCodePoint(text, i));
    out.push_back(cp < 0x80 ? static_cast<char>(cp) : '\x80');
  }
  return out;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

double numberOf(std::string_view text) {
  const std::string s = folded(text);
  std::size_t i = 0;
  while (i < s.size() && isSpace(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

  std::string digits;  // significant digits, leading zeros dropped
  long long pointShift = 0;
  bool anyDigit = false;
  for (; i < s.size() && isDigit(s[i]); ++i) {
    anyDigit = true;
    if (!digits.empty() || s[i] != '0') digits.push_back(s[i]);
  }
  pointShift = static_cast<long long>(digits.size());
  if (i < s.size() && s[i] == '.') {
    for (++i; i < s.size() && isDigit(s[i]); ++i) {
      anyDigit = true;
      if (digits.empty() && s[i] == '0') {
        --pointShift;
      } else {
        digits.push_back(s[i]);
      }
    }
  }
  if (!anyDigit) return 0.0;

  long long exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) expNegative = s[j++] == '-';
    if (j < s.size() && isDigit(s[j])) {
      for (; j < s.size() && isDigit(s[j]); ++j) {
        if (exponent < 100000) exponent = exponent * 10 + (s[j] - '0');
      }
      if (expNegative) exponent = -exponent;
    }
  }

  const double zero = negative ? -0.0 : 0.0;
  if (digits.empty()) return zero;
  // The value is 0.digits x 10^(pointShift + exponent); far outside the double range it
  // needs no parsing.
  const long long scale = pointShift + exponent;
  if (scale > 400) return negative ? -HUGE_VAL : HUGE_VAL;
  if (scale < -400) return zero;
  const std::string normal = "0." + digits + "e" + std::to_string(scale);
  double value = 0.0;
  const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) value = scale > 0 ? HUGE_VAL : 0.0;
  return negative ? -value : value;
}

std::string textOf(double value) {
  if (std::isnan(value)) return "-1.#IND";
  if (std::isinf(value)) return value > 0 ? "1.#INF" : "-1.#INF";
  if (value == 0.0) return "0";

  // Thirteen significant digits, rounded exactly, then laid out as %g does.
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 12);
  std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
  std::string out;
  if (sci.front() == '-') {
    out.push_back('-');
    sci.remove_prefix(1);
  }
  const std::size_t e = sci.find('e');
  std::string digits;
  digits.push_back(sci[0]);
  digits.append(sci.substr(2, e - 2));
  int exponent = 0;
  std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exponent);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  if (exponent < -4 || exponent >= 13) {
    out.push_back(digits[0]);
    if (digits.size() > 1) out.append(".").append(digits, 1);
    const int magnitude = exponent < 0 ? -exponent : exponent;
    std::string exp = std::to_string(magnitude);
    out.append(exponent < 0 ? "e-" : "e+").append(3 - std::min<std::size_t>(3, exp.size()), '0');
    out.append(exp);
  } else if (exponent >= 0) {
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      out.append(digits).append(whole - digits.size(), '0');
    } else {
      out.append(digits, 0, whole).append(".").append(digits, whole);
    }
  } else {
    out.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
  }
  return out;
}

std::string textOfInt(std::int64_t value) {
  return std::to_string(value);
}

std::int64_t integerPart(double value) {
  double whole = 0.0;
  const double fraction = std::modf(value, &whole);
  double taken = value;
  if (std::fabs(fraction) > 0.999999999999) taken = whole >= 0.0 ? whole + 1.0 : whole - 1.0;
  const double floored = std::floor(taken);
  constexpr double limit = 9223372036854775808.0;  // 2^63
  if (!(std::fabs(floored) < limit)) return 0;     // also infinities and NaN
  return static_cast<std::int64_t>(floored);
}

}  // namespace calc
