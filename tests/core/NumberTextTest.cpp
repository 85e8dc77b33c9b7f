#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "Failure.h"
#include "NumberText.h"

namespace varnock {
namespace {

TEST(IntegerToText, WritesPlainDecimalDigits) {
  const struct {
    std::int16_t value;
    const char* text;
  } rows[] = {{0, "0"}, {45, "45"}, {-7, "-7"}, {32767, "32767"}, {-32768, "-32768"}};
  for (const auto& row : rows) EXPECT_EQ(IntegerToText(row.value), row.text) << row.value;
}

TEST(RealToText, FifteenSignificantDigitsAndRoundTrip) {
  const struct {
    double value;
    const char* text;
  } rows[] = {{0.2, "0.2"}, {0.1, "0.1"},
              {3.0, "3"},   {-1.5, "-1.5"},
              {0.5, "0.5"}, {1.0 / 3.0, "0.333333333333333"},
              {-0.0, "0"},  {123456.75, "123456.75"}};
  for (const auto& row : rows) EXPECT_EQ(RealToText(row.value), row.text) << row.value;
  EXPECT_EQ(TextToReal(RealToText(0.2)), 0.2);
  EXPECT_EQ(TextToReal(RealToText(0.1)), 0.1);
}

TEST(TextToReal, AcceptsTheNumberGrammar) {
  const struct {
    const char* text;
    double value;
  } rows[] = {{"30", 30},
              {" 30 ", 30},
              {"\t30\t", 30},
              {"45\r\n", 45},
              {"45\u00a0", 45},
              {"\ufeff 30\u202f", 30},
              {"\u3000\u2007"
               "1.5\u2009\u2028",
               1.5},
              {"1e3", 1000},
              {"1E3", 1000},
              {"-0.5", -0.5},
              {".5", 0.5},
              {"5.", 5},
              {"+2", 2},
              {"2.5e+1", 25},
              {"1e-2", 0.01},
              {"0.1", 0.1},
              {"007", 7},
              {"1.7976931348623157e308", std::numeric_limits<double>::max()},
              {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
              {"1e-999", 0},
              {"0e99999", 0}};
  for (const auto& row : rows) EXPECT_EQ(TextToReal(row.text), row.value) << row.text;
  EXPECT_TRUE(std::signbit(TextToReal("-1e-400")));
}

TEST(TextToReal, RejectsEveryOtherForm) {
  const char* texts[] = {
      "",         "  ",       "\t",      "abc",           "-",      "+",    ".",    "-.",  "1e",
      "1e+",      "e5",       "1.2.3",   "1,5",           "1 000",  "$5",   "0x1A", "inf", "nan",
      "Infinity", "1d5",      "--1",     "+-1",           "1-",     "1 e5", "1\n2", "\v1", "\xef\xbc\x95",
      "1e5.0",    "4\u00a05", "5\ufeff", "\u00a0\ufeff5", "\u200b5"};
  for (const char* text : texts) {
    try {
      TextToReal(text);
      ADD_FAILURE() << "accepted \"" << text << '"';
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.kind(), FailureKind::TypeMismatch) << text;
    }
  }
}

TEST(TextToReal, BeyondTheDoubleRangeIsOverflow) {
  const std::string texts[] = {"1E999",      "-1e309", "1.8e308", "1e99999999999999999999", "1" + std::string(400, '0'),
                               "0.00001e320"};
  for (const auto& text : texts) {
    try {
      TextToReal(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.kind(), FailureKind::Overflow) << text;
    }
  }
}

// Reading and re-formatting are linear in the text: a megabyte takes 16 times
// as long as 64 kB, a quadratic slip 256 times; 64 times is allowed, over a
// floor for runs too short to time. The fastest of three runs is compared, as
// a busy machine makes a run slower, never faster.
TEST(TextToReal, MegabyteTextsAreReadInLinearTime) {
  auto fastest = [](std::size_t n) {
    auto best = std::chrono::nanoseconds::max();
    for (int i = 0; i < 3; ++i) {
      const auto start = std::chrono::steady_clock::now();
      EXPECT_EQ(TextToReal("0.1" + std::string(n, '0')), 0.1);
      EXPECT_EQ(TextToReal("0." + std::string(n, '0') + "1"), 0.0);
      EXPECT_THROW(TextToReal("1" + std::string(n, '0')), Failure);
      EXPECT_THROW(TextToReal(std::string(n, '1') + "x"), Failure);
      EXPECT_EQ(FormatByPattern(std::string(n, 'a'), "##0.0###"), std::string(n, 'a'));
      best = std::min<std::chrono::nanoseconds>(best, std::chrono::steady_clock::now() - start);
    }
    return best;
  };
  const auto small = std::max<std::chrono::nanoseconds>(fastest(1 << 16), std::chrono::microseconds(100));
  const auto large = fastest(1 << 20);
  EXPECT_LT(large, 64 * small) << small.count() << " ns, then " << large.count() << " ns";
}

TEST(FormatByPattern, TheDisplayPatterns) {
  const struct {
    double value;
    const char* gal;
    const char* ml;
  } rows[] = {{0, "0.0", "0.0"},
              {3, "3.0", "3.0"},
              {0.2, "0.2", "0.2"},
              {2.5, "2.5", "2.5"},
              {0.123456, "0.123", "0.1235"},
              {0.0816496580927726, "0.082", "0.0816"},
              {5.196152422706632, "5.196", "5.1962"},
              {-5.196152422706632, "-5.196", "-5.1962"},
              {12.616666666666667, "12.617", "12.6167"},
              {189.25, "189.25", "189.25"},
              {0.00004, "0.0", "0.0"},
              {1e20, "100000000000000000000.0", "100000000000000000000.0"}};
  for (const auto& row : rows) {
    EXPECT_EQ(FormatByPattern(row.value, "##0.0##"), row.gal) << row.value;
    EXPECT_EQ(FormatByPattern(row.value, "###0.0###"), row.ml) << row.value;
    EXPECT_EQ(FormatByPattern(row.value, "##0.0###"), row.ml) << row.value;
  }
}

TEST(FormatByPattern, RoundingChoices) {
  const struct {
    double value;
    const char* pattern;
    const char* text;
  } rows[] = {
      {0.12335, "##0.0###", "0.1234"},  // the typed decimal, not the double below it
      {2.00005, "##0.0###", "2.0001"},  // half away from zero
      {-2.00005, "##0.0###", "-2.0001"},
      {9.99996, "##0.0###", "10.0"},  // carry into the integer part
      {0.99995, "##0.0###", "1.0"},
      {0.00005, "##0.0###", "0.0001"},
      {-0.00001, "##0.0###", "0.0"},  // no "-" on a zero
      {-0.0, "##0.0##", "0.0"},
      {123456789.123, "##0.0##", "123456789.123"},
      {3, "00.00", "03.00"},
      {1.23456, "0.000", "1.235"},
      {2.5, "0", "3"},
      {0.5, "#.##", ".5"},
      {0, "#.##", "0"},
      {3, "#.##", "3"},
      {7.25, "#", "7"},
      {34.62237756832645, "0.0#############", "34.6223775683264"},  // a tie in the shortest digits: the double decides
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FormatByPattern(row.value, row.pattern), row.text) << row.value << ' ' << row.pattern;
  }
}

TEST(FormatByPattern, HugeValuesWriteEveryIntegerDigit) {
  EXPECT_EQ(FormatByPattern(1e300, "##0.0##"), "1" + std::string(300, '0') + ".0");
  // 15 digits of the largest double would round beyond it: its own digits.
  const double largest = std::numeric_limits<double>::max();
  const std::string max = FormatByPattern(-largest, "##0.0###");
  EXPECT_EQ(max, "-17976931348623157" + std::string(292, '0') + ".0");
  EXPECT_EQ(TextToReal(max), -largest);
  EXPECT_EQ(FormatByPattern(1.797693134862314e308, "##0.0##"), "179769313486231" + std::string(294, '0') + ".0");
  for (double x = largest; x > 1.79769313486230e308; x = std::nextafter(x, 0.0)) {
    EXPECT_NO_THROW(TextToReal(FormatByPattern(x, "##0.0##"))) << RealToText(x);
  }
}

TEST(FormatByPattern, TextsThatAreNotNumbersComeBackUnchanged) {
  const struct {
    const char* text;
    const char* result;
  } rows[] = {{"12", "12.0"}, {"3", "3.0"}, {" 2.5 ", "2.5"}, {"0.123456", "0.1235"}, {"-3", "-3.0"},
              {"abc", "abc"}, {"", ""},     {"-", "-"},       {"1E999", "1E999"},     {"1,5", "1,5"}};
  for (const auto& row : rows) EXPECT_EQ(FormatByPattern(std::string_view(row.text), "##0.0###"), row.result);
}

TEST(FormatByPattern, FormattedTextsAreStableAndReadable) {
  const char* patterns[] = {"##0.0##", "###0.0###", "##0.0###", "0.000", "#.##", "00"};
  const double values[] = {0,       1,        -1,   0.1,        0.2,    0.3,  2.5,  3.14159, -0.00049,
                           0.00051, 99.99995, 1e15, 123456.789, 5e-324, 1e-5, 7e22, -6.02e23};
  for (const char* pattern : patterns) {
    for (double value : values) {
      const std::string once = FormatByPattern(value, pattern);
      EXPECT_EQ(FormatByPattern(std::string_view(once), pattern), once) << value << ' ' << pattern;
      EXPECT_NO_THROW(TextToReal(once)) << once;
    }
  }
}

// The windows' Qt sets the C locale from the environment; a decimal comma
// there must not reach the number texts.
TEST(NumberTextsUnderALocale, DecimalCommaLocaleStillGivesPoints) {
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the install step provides de_DE.UTF-8";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 2.5);
  EXPECT_STREQ(probe, "2,5") << "the locale is in force";
  EXPECT_EQ(TextToReal("2.5"), 2.5);
  EXPECT_EQ(FormatByPattern(5.196152422706632, "##0.0##"), "5.196");
  EXPECT_EQ(RealToText(0.2), "0.2");
  EXPECT_THROW(TextToReal("2,5"), Failure);
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace varnock
