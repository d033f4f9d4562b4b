#include "report/line.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace torva {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct RealCase {
  double value;
  int width;
  int decimals;
  const char* expected;
};

// The expected fields are what gfortran writes for the same descriptor and value.

TEST(LineFormatF, MatchesFortran) {
  const RealCase cases[] = {
      // Rounded to nearest from the exact binary value; exact ties go to even.
      {123.456, 8, 2, "  123.46"},
      {-123.456, 8, 2, " -123.46"},
      {3.14159265358979, 9, 5, "  3.14159"},
      {0.25, 5, 1, "  0.2"},
      {0.35, 5, 1, "  0.3"},
      {0.125, 5, 2, " 0.12"},
      {0.375, 5, 2, " 0.38"},
      {2.5, 5, 0, "   2."},
      {1.5, 5, 0, "   2."},
      {0.5, 5, 0, "   0."},
      {-0.5, 5, 0, "  -0."},
      {1.005, 6, 2, "  1.00"},
      {2.675, 6, 2, "  2.67"},
      {9.995, 6, 2, "  9.99"},
      {99.5, 4, 0, "100."},
      {99.5, 3, 0, "***"},
      {999999.5, 8, 0, "1000000."},
      {123456.7, 11, 0, "    123457."},
      {0.0005, 11, 7, "  0.0005000"},
      {36.0, 11, 5, "   36.00000"},
      // A leading "0." loses its zero only when the field is one character short.
      {0.5, 5, 3, "0.500"},
      {0.5, 4, 3, ".500"},
      {-0.5, 5, 3, "-.500"},
      {-0.5, 6, 3, "-0.500"},
      {-0.5, 4, 3, "****"},
      {0.05, 3, 2, ".05"},
      {0.001, 3, 2, ".00"},
      {0.6, 2, 0, "1."},
      {0.001, 2, 0, "0."},
      {0.001, 1, 0, "*"},
      {-0.4, 3, 0, "-0."},
      {-0.4, 2, 0, "**"},
      {-12345.6789, 10, 3, "-12345.679"},
      {0.99995, 5, 4, "*****"},
      {0.99995, 6, 4, "1.0000"},
      // A negative value keeps its sign when it rounds to zero, as does -0.
      {-0.001, 6, 2, " -0.00"},
      {-0.0, 6, 2, " -0.00"},
      {-0.001, 4, 2, "-.00"},
      {-0.001, 3, 2, "***"},
      {-0.0, 2, 1, "**"},
      {0.0, 3, 1, "0.0"},
      {0.0, 2, 1, ".0"},
      // Too wide, tiny and huge.
      {10000000000.0, 10, 0, "**********"},
      {10000000000.0, 12, 0, "10000000000."},
      {-12345.6789, 9, 3, "*********"},
      {1.7976931348623157e+308, 16, 2, "****************"},
      {2.2250738585072014e-308, 16, 9, "     0.000000000"},
      // Non-finite: "Inf" when "Infinity" does not fit, the sign always shown.
      {kInf, 10, 2, "  Infinity"},
      {kInf, 8, 2, "Infinity"},
      {kInf, 7, 2, "    Inf"},
      {kInf, 3, 2, "Inf"},
      {kInf, 2, 2, "**"},
      {-kInf, 10, 2, " -Infinity"},
      {-kInf, 9, 2, "-Infinity"},
      {-kInf, 8, 2, "    -Inf"},
      {-kInf, 4, 2, "-Inf"},
      {-kInf, 3, 2, "***"},
      {kNaN, 10, 2, "       NaN"},
      {kNaN, 3, 0, "NaN"},
      {kNaN, 2, 1, "**"},
  };
  for (const RealCase& c : cases) {
    EXPECT_EQ(format_f(c.value, c.width, c.decimals), c.expected)
        << "F" << c.width << "." << c.decimals << " of " << c.value;
  }
}

TEST(LineFormatE, MatchesFortran) {
  const RealCase cases[] = {
      // Narrow fields: the leading zero goes first, then the field fills with '*'.
      {1.5, 8, 1, " 0.2E+01"},
      {1.5, 7, 1, "0.2E+01"},
      {1.5, 6, 1, ".2E+01"},
      {1.5, 5, 1, "*****"},
      {-1.5, 8, 1, "-0.2E+01"},
      {-1.5, 7, 1, "-.2E+01"},
      {-1.5, 6, 1, "******"},
      {2.5, 8, 1, " 0.2E+01"},
      {3.5, 8, 1, " 0.4E+01"},
      // Zero has exponent 0; rounding can carry into the next decade.
      {123.456, 12, 4, "  0.1235E+03"},
      {-123.456, 12, 4, " -0.1235E+03"},
      {0.0005, 11, 3, "  0.500E-03"},
      {3.14159265358979, 15, 7, "  0.3141593E+01"},
      {0.0, 15, 7, "  0.0000000E+00"},
      {-0.0, 15, 7, " -0.0000000E+00"},
      {0.0, 7, 2, ".00E+00"},
      {0.0, 6, 2, "******"},
      {-0.0, 7, 2, "*******"},
      {0.99999999, 15, 7, "  0.1000000E+01"},
      {0.99995, 10, 4, "0.1000E+01"},
      {9.9999999, 9, 2, " 0.10E+02"},
      // A three-digit exponent replaces the E: 0.dddd+xxx.
      {1e-100, 15, 7, "  0.1000000E-99"},
      {1e-99, 12, 4, "  0.1000E-98"},
      {9.99999e-101, 12, 4, "  0.1000E-99"},
      {1e+99, 12, 4, "  0.1000+100"},
      {1e+100, 12, 4, "  0.1000+101"},
      {9.99995e+99, 12, 4, "  0.1000+101"},
      {1.5e+200, 9, 2, " 0.15+201"},
      {-1.5e+200, 9, 2, "-0.15+201"},
      {-1.5e+200, 10, 2, " -0.15+201"},
      {1.7976931348623157e+308, 12, 4, "  0.1798+309"},
      {2.2250738585072014e-308, 12, 4, "  0.2225-307"},
      {2.225074e-318, 10, 4, "0.2225-317"},
      {2.225074e-318, 9, 4, ".2225-317"},
      {1e-300, 8, 1, " 0.1-299"},
      // Sign, non-finite and NaN with the sign bit set.
      {10000000000.0, 9, 2, " 0.10E+11"},
      {-10000000000.0, 9, 2, "-0.10E+11"},
      {10000000000.0, 8, 2, "0.10E+11"},
      {-0.95, 8, 1, "-0.9E+00"},
      {kInf, 12, 4, "    Infinity"},
      {-kInf, 8, 1, "    -Inf"},
      {kNaN, 12, 4, "         NaN"},
      {-kNaN, 5, 1, "  NaN"},
  };
  for (const RealCase& c : cases) {
    EXPECT_EQ(format_e(c.value, c.width, c.decimals), c.expected)
        << "E" << c.width << "." << c.decimals << " of " << c.value;
  }
}

TEST(LineFormatI, MatchesFortran) {
  constexpr long long kMax = std::numeric_limits<long long>::max();
  constexpr long long kMin = std::numeric_limits<long long>::min();
  const struct {
    long long value;
    int width;
    const char* expected;
  } cases[] = {
      {0, 1, "0"},
      {42, 8, "      42"},
      {-7, 2, "-7"},
      {-7, 1, "*"},
      {12345, 5, "12345"},
      {12345, 4, "****"},
      {-12345, 6, "-12345"},
      {-12345, 5, "*****"},
      {kMax, 19, "9223372036854775807"},
      {kMax, 18, "******************"},
      {kMin, 20, "-9223372036854775808"},
      {kMin, 19, "*******************"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(format_i(c.value, c.width), c.expected) << "I" << c.width << " of " << c.value;
  }
}

TEST(LineFormatI, I0WritesTheMinimalWidth) {
  EXPECT_EQ(Line().i0(0).str(), "0");
  EXPECT_EQ(Line().i0(-1234).str(), "-1234");
  EXPECT_EQ(Line().i0(std::numeric_limits<long long>::min()).str(), "-9223372036854775808");
}

TEST(LineFormat, DescriptorsFortranRejectsFillTheFieldWithStars) {
  EXPECT_EQ(format_e(1.0, 12, 0), "************");
  EXPECT_EQ(format_f(1.0, 5, -1), "*****");
}

TEST(LineFormat, WidthBelowOneWritesNothing) {
  for (const int width : {0, -3}) {
    EXPECT_EQ(format_i(5, width), "");
    EXPECT_EQ(format_f(0.5, width, 1), "");
    EXPECT_EQ(format_e(0.5, width, 1), "");
    EXPECT_EQ(format_f(kInf, width, 1), "");
  }
}

TEST(LineFormat, WideFieldsAreWrittenInFull) {
  EXPECT_EQ(format_f(-1.0, 200, 150), std::string(47, ' ') + "-1." + std::string(150, '0'));
  EXPECT_EQ(format_e(0.5, 120, 100),
            std::string(14, ' ') + "0.5" + std::string(99, '0') + "E+00");
  EXPECT_EQ(format_i(-3, 40), std::string(38, ' ') + "-3");
}

TEST(Line, FieldsAreAppendedLeftToRight) {
  const Line line = Line("Depth").x(2).f(1.25, 6, 2).e(-1.5e-3, 11, 4).i(7, 3).a("|").i0(12);
  EXPECT_EQ(line.str(), "Depth    1.25-0.1500E-02  7|12");
}

TEST(Line, TabPastTheEndPadsWithBlanks) {
  EXPECT_EQ(Line().a("abc").tab(10).a("Z").str(), "abc      Z");
  EXPECT_EQ(Line().a("abc").tab(6).str(), "abc  ");
  EXPECT_EQ(Line().a("abc").tab(4).a("Z").str(), "abcZ");
  EXPECT_EQ(Line().tab(0).a("Z").tab(-2).a("Y").str(), "Y");
}

TEST(Line, TabBackOverwritesFromThatColumn) {
  EXPECT_EQ(Line().a("abcdef").tab(2).a("Z").str(), "aZcdef");
  EXPECT_EQ(Line().a("abcdef").tab(1).a("ZZ").a("Y").str(), "ZZYdef");
  EXPECT_EQ(Line().a("abcdef").tab(5).a("WXYZ").a("!").str(), "abcdWXYZ!");
  EXPECT_EQ(Line().a("abcdef").tab(1).i(42, 3).f(1.5, 4, 1).str(), " 42 1.5");
  EXPECT_EQ(Line().a("abcdef").tab(3).x(2).a("Z").str(), "abcdZf");
}

TEST(Line, XSkipsOverExistingTextAndPadsPastTheEnd) {
  EXPECT_EQ(Line().a("ab").x(3).a("c").str(), "ab   c");
  EXPECT_EQ(Line().a("abcdef").tab(5).x(4).a("Z").str(), "abcdef  Z");
  EXPECT_EQ(Line().a("ab").x(0).x(-1).a("c").str(), "abc");
}

}  // namespace
}  // namespace torva
