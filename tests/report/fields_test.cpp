#include "report/fields.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace torva {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::string number_field(double value, int width) {
  Line line;
  WriteNumberField(line, value, width);
  return line.str();
}

TEST(WriteNumberField, PicksTheFormBySize) {
  const struct {
    int width;
    double value;
    const char* expected;
  } cases[] = {
      // Width 12: zero F11.4, exponent E11.4, F11.0, F11.5, F11.7.
      {12, 0.0, "      0.0000"},
      {12, -0.0, "      0.0000"},
      {12, 1e-13, "      0.0000"},
      {12, -1e-13, "      0.0000"},
      {12, 1e-12, "  0.1000E-11"},
      {12, 9e-6, "  0.9000E-05"},
      {12, 1e-5, "   0.0000100"},
      {12, 0.0005, "   0.0005000"},
      {12, 0.001, "   0.0010000"},
      {12, 0.0011, "     0.00110"},
      {12, 36.0, "    36.00000"},
      {12, -36.0, "   -36.00000"},
      {12, 1e4, " 10000.00000"},
      {12, 10000.7, "      10001."},
      {12, 123456.7, "     123457."},
      {12, 999999999.0, "  999999999."},
      // The upper bound 10^9 - 1 is a single-precision value: 10^9 itself.
      {12, 1e9, " 1000000000."},
      {12, 1000000064.0, "  0.1000E+10"},
      // A negative value that rounds to five integer digits takes one decimal fewer.
      {12, -10000.0, " -10000.0000"},
      {12, -9999.999999, " -10000.0000"},
      {12, -9999.5, " -9999.50000"},
      {9, -10000.0, " -10000.0"},
      {16, -10000.0, " -10000.00000000"},
      {12, -2.5e15, " -0.2500E+16"},
      {12, kInf, "    Infinity"},
      {12, -kInf, "   -Infinity"},
      // Width 11: zero F10.3, exponent E10.3, F10.0, F10.4, F10.6.
      {11, 0.0, "      0.000"},
      {11, 5e-5, "  0.500E-04"},
      {11, 0.0005, "   0.000500"},
      {11, 36.0, "    36.0000"},
      {11, 123456.7, "    123457."},
      {11, 99999999.0, "  99999999."},
      {11, 1e8, " 100000000."},
      {11, 100000008.0, "  0.100E+09"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(number_field(c.value, c.width), c.expected) << c.value << " in width " << c.width;
  }
}

// The bounds are single-precision powers of ten: 1e-3f and 1e-5f lie just above and below
// their decimal values, and 1e11f is 99999997952.
TEST(WriteNumberField, BoundsAreSinglePrecision) {
  EXPECT_EQ(number_field(0.00100000002, 12), "   0.0010000");
  EXPECT_EQ(number_field(9.9999999e-6, 12), "   0.0000100");
  EXPECT_EQ(number_field(99999997900.0, 14), "  99999997900.");
  EXPECT_EQ(number_field(99999998000.0, 14), "  0.100000E+12");
}

TEST(WriteNumberField, NaNReplacesTheWholeField) {
  for (const int width : {11, 12, 14}) {
    EXPECT_EQ(number_field(std::numeric_limits<double>::quiet_NaN(), width), "  Not-a-Number");
  }
}

TEST(WriteIntegerField, RightJustifiesAndFallsBackToWidthTen) {
  const struct {
    long long value;
    int width;
    const char* expected;
  } cases[] = {
      {42, 5, "   42"},
      {-42, 1, "*"},
      {7, 16, "               7"},
      {7, 17, "         7"},
      {7, 0, "         7"},
      {-7, -2, "        -7"},
      {12345678901LL, 0, "**********"},
  };
  for (const auto& c : cases) {
    Line line;
    WriteIntegerField(line, c.value, c.width);
    EXPECT_EQ(line.str(), c.expected) << c.value << " in width " << c.width;
  }
}

TEST(WriteBlanks, AppendsBlanks) {
  Line line("a");
  WriteBlanks(line, 3);
  EXPECT_EQ(line.a("b").str(), "a   b");
}

TEST(CriterionLongName, PadsToThirtyFourCharacters) {
  const struct {
    int code;
    const char* name;
  } cases[] = {
      {1, "Soft Clay"},
      {2, "Stiff Clay with Free Water"},
      {3, "Stiff Clay w/o Free Water"},
      {4, "Stiff Clay w/o Free Water, using k"},
      {5, "Sand (Reese, et al.)"},
      {6, "API Sand"},
      {7, "Liquefied Sand"},
      {8, "Weak Rock"},
      {9, "Vuggy Limestone"},
      {10, "Piedmont Residual"},
      {11, "Cemented Silt"},
      {12, "Loess"},
      {13, "Elastic Subgrade"},
      {14, "User Input p-y Curves"},
      {15, "Soft Clay with User-defined J"},
      {16, "Massive Rock"},
      {17, "Frozen Soil"},
      {0, ""},
      {18, ""},
      {-1, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(criterion_long_name(c.code), c.name) << "code " << c.code;
    Line line;
    WriteCriterionLongName(line, c.code);
    std::string expected = c.name;
    expected.resize(34, ' ');
    EXPECT_EQ(line.a("|").str(), expected + "|") << "code " << c.code;
  }
}

TEST(CriterionLongName, OverwritesLikeAnyFieldAfterATabBack) {
  Line line(std::string(40, 'x'));
  WriteCriterionLongName(line.tab(3), 12);
  EXPECT_EQ(line.str(), "xxLoess" + std::string(29, ' ') + "xxxx");
}

}  // namespace
}  // namespace torva
