#include "calc/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace calc {
namespace {

struct NumberCase {
  const char* text;
  double value;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class NumberOfTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberOfTest, ReadsTheLeadingNumber) {
  const auto& c = GetParam();
  EXPECT_EQ(numberOf(c.text), c.value) << '"' << c.text << '"';
}

const double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberOfTest,
    ::testing::Values(
        NumberCase{"", 0}, NumberCase{"abc", 0}, NumberCase{"12abc", 12}, NumberCase{"  7", 7},
        NumberCase{"\t\n7", 7}, NumberCase{"１２", 12},          // full-width digits
        NumberCase{"－３．５", -3.5}, NumberCase{"\u30009", 9},  // ideographic space
        NumberCase{"＋４", 4}, NumberCase{"1ｅ3", 1000}, NumberCase{"+5", 5},
        NumberCase{"-0.5", -0.5}, NumberCase{".5", 0.5}, NumberCase{"5.", 5}, NumberCase{".", 0},
        NumberCase{"-", 0}, NumberCase{"+-1", 0}, NumberCase{" - 1", 0}, NumberCase{"1e3", 1000},
        NumberCase{"1E+3", 1000}, NumberCase{"1d3", 1000}, NumberCase{"1D-2", 0.01},
        NumberCase{"2.5e", 2.5}, NumberCase{"2.5e+", 2.5}, NumberCase{"2.5ex", 2.5},
        NumberCase{"1e-005", 0.00001}, NumberCase{"1e+013", 1e13}, NumberCase{"0x1A", 0},
        NumberCase{"inf", 0}, NumberCase{"nan", 0}, NumberCase{"1,000", 1}, NumberCase{"1.#INF", 1},
        NumberCase{"-1.#INF", -1}, NumberCase{"-1.#IND", -1}, NumberCase{"1e999", inf},
        NumberCase{"-1e999", -inf}, NumberCase{"1e99999999999999999999", inf},
        NumberCase{"1e-999", 0},
        NumberCase{"0.000000000000000000000000000000000000000000000000001e51", 1},
        NumberCase{"00012", 12}, NumberCase{"0.1", 0.1}, NumberCase{"87462170", 87462170},
        NumberCase{"4.99999995", 4.99999995}, NumberCase{"１2３", 123}, NumberCase{"１２￥", 12},
        NumberCase{"３★", 3}, NumberCase{"中1", 0}, NumberCase{"1中", 1},
        NumberCase{"\xFF"
                   "1",
                   0}));

TEST(NumberOfTest, NegativeZeroAndDenormalsRead) {
  EXPECT_TRUE(std::signbit(numberOf("-0")));
  EXPECT_EQ(numberOf("4.9406564584124654e-324"), 4.9406564584124654e-324);
  EXPECT_EQ(numberOf("1.7976931348623157e308"), 1.7976931348623157e308);
  EXPECT_EQ(numberOf("1.7976931348623159e308"), inf);  // rounds past the largest double
}

struct TextCase {
  double value;
  const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.text;
}

class TextOfTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextOfTest, WritesThirteenSignificantDigits) {
  EXPECT_EQ(textOf(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextOfTest,
    ::testing::Values(TextCase{2160000, "2160000"}, TextCase{0, "0"}, TextCase{-0.0, "0"},
                      TextCase{0.1 + 0.2, "0.3"}, TextCase{4373.1085, "4373.1085"},
                      TextCase{1.0 / 3, "0.3333333333333"}, TextCase{0.5, "0.5"},
                      TextCase{1e13, "1e+013"}, TextCase{0.00001, "1e-005"},
                      TextCase{0.0001, "0.0001"}, TextCase{9999999999999, "9999999999999"},
                      TextCase{99999999999999, "1e+014"}, TextCase{9999999999999.5, "1e+013"},
                      TextCase{1.5e-300, "1.5e-300"},
                      TextCase{1.7976931348623157e308, "1.797693134862e+308"},
                      TextCase{-2.5, "-2.5"}, TextCase{26.2, "26.2"},
                      TextCase{100.0 / 3, "33.33333333333"}, TextCase{300.0 / 7, "42.85714285714"},
                      TextCase{0.262, "0.262"}, TextCase{87462170, "87462170"},
                      TextCase{123456789012345678.0, "1.234567890123e+017"},
                      TextCase{inf, "1.#INF"}, TextCase{-inf, "-1.#INF"},
                      TextCase{std::numeric_limits<double>::quiet_NaN(), "-1.#IND"}));

TEST(TextOfTest, DivisionByZeroGivesInfinityAndIndefiniteTexts) {
  volatile double zero = 0;
  EXPECT_EQ(textOf(1 / zero), "1.#INF");
  EXPECT_EQ(textOf(zero / zero), "-1.#IND");
  EXPECT_EQ(numberOf(textOf(1 / zero)), 1);
  EXPECT_EQ(numberOf(textOf(zero / zero)), -1);
}

TEST(TextOfIntTest, Writes64BitValues) {
  EXPECT_EQ(textOfInt(0), "0");
  EXPECT_EQ(textOfInt(-42), "-42");
  EXPECT_EQ(textOfInt(3000000000), "3000000000");
  EXPECT_EQ(textOfInt(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

struct IntegerCase {
  double value;
  std::int64_t part;
};

void PrintTo(const IntegerCase& c, std::ostream* os) {
  *os << c.value;
}

class IntegerPartTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerPartTest, TakesTheFloorWithTolerance) {
  EXPECT_EQ(integerPart(GetParam().value), GetParam().part) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntegerPartTest,
    ::testing::Values(IntegerCase{11.0, 11}, IntegerCase{10.5, 10}, IntegerCase{3.7, 3},
                      IntegerCase{3.9999999999995, 4}, IntegerCase{3.9999999999, 3},
                      IntegerCase{-7.8, -8}, IntegerCase{-7.9999999999995, -8},
                      IntegerCase{3000000000.0, 3000000000},
                      IntegerCase{-3000000000.0, -3000000000},
                      IntegerCase{9223372036854774784.0, 9223372036854774784},
                      IntegerCase{9223372036854775808.0, 0}, IntegerCase{-9223372036854775808.0, 0},
                      IntegerCase{inf, 0}, IntegerCase{-inf, 0},
                      IntegerCase{std::numeric_limits<double>::quiet_NaN(), 0}));

struct CompareCase {
  double a, b;
  bool exceeds, fallsShort;
};

void PrintTo(const CompareCase& c, std::ostream* os) {
  *os << c.a << " vs " << c.b;
}

class ComparisonTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(ComparisonTest, UsesTheTolerance) {
  const auto& c = GetParam();
  EXPECT_EQ(exceeds(c.a, c.b), c.exceeds) << c.a << " vs " << c.b;
  EXPECT_EQ(fallsShort(c.a, c.b), c.fallsShort) << c.a << " vs " << c.b;
  EXPECT_EQ(reaches(c.a, c.b), !c.fallsShort) << c.a << " vs " << c.b;
}

INSTANTIATE_TEST_SUITE_P(Cases, ComparisonTest,
                         ::testing::Values(CompareCase{5.00000005, 5, false, false},
                                           CompareCase{5.0000002, 5, true, false},
                                           CompareCase{4.99999995, 5, false, false},
                                           CompareCase{4.9999998, 5, false, true},
                                           CompareCase{0.99999999, 1, false, false},
                                           CompareCase{inf, 200, true, false},
                                           CompareCase{-inf, 1, false, true}));

TEST(SameTextTest, ComparesTheTextsNotTheirValues) {
  EXPECT_TRUE(sameText("0", "0"));
  EXPECT_TRUE(sameText("", ""));
  for (const char* other : {" 0", "00", "0.0", "０"}) EXPECT_FALSE(sameText(other, "0")) << other;
}

}  // namespace
}  // namespace calc
