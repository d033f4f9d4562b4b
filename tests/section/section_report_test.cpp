// The section report's dimension blocks and bar tables, written for sections built by hand:
// titles, conditional lines, unit labels, and the bar spacing rules.
#include "section/section_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "section/section_fixtures.h"
#include "support/report_lines.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

// The lines a writer puts into a report of a run in `units`.
std::vector<std::string> written(int units,
                                 const std::function<void(const SectionReport&)>& write) {
  RunFolder folder;
  TextFile file(Channel::kReport);
  EXPECT_TRUE(file.open(folder.file("report.txt").string()));
  const std::string short_length = units == kUnitsUS ? "in" : (units == kUnitsSI ? "m" : "L");
  const SectionReport r{file, units, section_unit_labels(units), short_length};
  write(r);
  file.close();
  return folder.report();
}

bool has_line_starting(const std::vector<std::string>& lines, const std::string& start) {
  for (const std::string& line : lines) {
    if (line.rfind(start, 0) == 0) return true;
  }
  return false;
}

const std::string& line_starting(const std::vector<std::string>& lines, const std::string& start) {
  for (const std::string& line : lines) {
    if (line.rfind(start, 0) == 0) return line;
  }
  static const std::string none;
  ADD_FAILURE() << "no line starting \"" << start << "\"";
  return none;
}

// The block of a section placed as the driver places it.
std::vector<std::string> block_of(const PileSection& s, int units = kUnitsUS) {
  auto engine = std::make_unique<Engine>();
  SectionValues v = section_values(s, units);
  EXPECT_TRUE(place_section_cage(*engine, s, v));
  return written(
      units, [&](const SectionReport& r) { write_dimension_block(r, s, v, axial_capacities(v)); });
}

// A 36 in shaft, 20 ft long (held in inches), of f'c 4 ksi and 60 ksi bars.
PileSection shaft(int bars, int per_bundle, bool computed) {
  PileSection s;
  s.type = kDrilledShaft;
  s.length = 240.0;
  s.diameter = 36.0;
  s.fc = 4000.0;
  s.bar_yield = 60000.0;
  s.steel_modulus = 29.0e6;
  s.bar_count = bars;
  s.bars_per_bundle = per_bundle;
  s.bar_diameter = 1.0;
  s.bar_area = 0.79;
  s.cover = 3.0;
  s.aggregate_size = 0.75;
  s.bars_computed = computed;
  for (int i = 0; i < bars; ++i) s.bars[i] = Bar{1.0, 0.79, 0.0, 0.0, 8};
  return s;
}

TEST(SectionReportSpacing, SmallestClearSpacingAboveTouching) {
  struct Case {
    const char* name;
    std::vector<std::array<double, 2>> positions;  // bars of 1 in diameter
    int first, second;
    double spacing;
  };
  // Four bundles of two touching bars on a circle of radius 10: the facing bars of
  // neighbouring bundles are sqrt(2) * (10 - 0.5) - ... apart; worked out below.
  std::vector<std::array<double, 2>> bundles;
  for (int k = 0; k < 4; ++k) {
    const double a = k * std::numbers::pi / 2.0;
    // Touching: half a diameter either side of the radius, along the tangent.
    bundles.push_back(
        {10.0 * std::cos(a) - 0.5 * std::sin(a), 10.0 * std::sin(a) + 0.5 * std::cos(a)});
    bundles.push_back(
        {10.0 * std::cos(a) + 0.5 * std::sin(a), 10.0 * std::sin(a) - 0.5 * std::cos(a)});
  }
  // Bar 1 of bundle 1 at (10, 0.5), bar 2 of bundle 2 at (0.5, 10): the nearest pairs across.
  const double across = std::hypot(10.0 - 0.5, 10.0 - 0.5) - 1.0;
  const std::vector<Case> cases = {
      {"bundles of two touching", bundles, 0, 0, across},
      {"every bar at one point", {{2.0, 2.0}, {2.0, 2.0}, {2.0, 2.0}}, 1, 2, -1.0},
      // Pair (1,2) 9 in apart; (2,3) 4 in; (1,3) 14 in: the later, closer pair wins.
      {"a later pair closer", {{0.0, 0.0}, {10.0, 0.0}, {15.0, 0.0}}, 2, 3, 4.0},
      // Pair (1,2) touches: any later pair apart replaces it.
      {"first pair touching", {{0.0, 0.0}, {1.0, 0.0}, {0.0, 20.0}}, 1, 3, 19.0},
  };
  for (const Case& c : cases) {
    SectionValues v;
    for (const auto& p : c.positions) add_bar(v, p[0], p[1], 1.0, 0.79);
    const BarPair pair = minimum_bar_spacing(v);
    if (c.first == 0) {
      // Equal gaps between bundles: any pair across, never two bars of one bundle.
      EXPECT_NE((pair.first + 1) / 2, (pair.second + 1) / 2) << c.name;
    } else {
      EXPECT_EQ(pair.first, c.first) << c.name;
      EXPECT_EQ(pair.second, c.second) << c.name;
    }
    EXPECT_NEAR(pair.spacing, c.spacing, 1e-9) << c.name;
  }
}

TEST(SectionReportDimensions, ComputedShaftListsItsCageAndSpacings) {
  // Ten single bars on a circle of radius (36 - 1)/2 - 3 = 14.5 in.
  const std::vector<std::string> lines = block_of(shaft(10, 1, true));
  const double R = 14.5;
  const double spacing = 2.0 * R * std::sin(std::numbers::pi / 10.0) - 1.0;
  const double gross = std::numbers::pi * 36.0 * 36.0 / 4.0;
  const std::vector<Expected> expected = {
      literal(""),
      literal("Dimensions and Properties of Drilled Shaft (Bored Pile):"),
      literal(std::string(56, '-')),
      literal(""),
      value("Length of Section", 20.0, "ft"),
      value("Shaft Diameter", 36.0, "in     "),
      value("Concrete Cover Thickness", 3.0, "in     "),
      literal(Line().a("Number of Reinforcing Bars").tab(56).a("=           10 bars   ").str()),
      value("Yield Stress of Reinforcing Bars", 60.0, "ksi    "),
      value("Modulus of Elasticity of Reinforcing Bars", 29000.0, "ksi    "),
      value("Gross Area of Shaft", gross, "sq. in."),
      value("Total Area of Reinforcing Steel", 7.9, "sq. in."),
      literal(
          Line().a("Area Ratio of Steel Reinforcement").tab(56).a("=         0.78 percent").str()),
      value("Edge-to-Edge Bar Spacing", spacing, "in     "),
      value("Maximum Concrete Aggregate Size", 0.75, "in     "),
      literal(Line()
                  .a("Ratio of Bar Spacing to Aggregate Size")
                  .tab(56)
                  .a("= ")
                  .f(spacing / 0.75, 12, 2)
                  .str()),
      value("Offset of Center of Rebar Cage from Center of Pile", 0.0, "in     "),
      literal(""),
      literal("Axial Structural Capacities:"),
      literal(std::string(28, '-')),
      literal(""),
  };
  expect_lines(lines, 0, expected);
  // 0.85 f'c (A_g - A_s) + f_y A_s, and -f_y A_s.
  expect_printed(line_starting(lines, "Nom. Axial Structural Capacity").substr(57, 12),
                 0.85 * 4.0 * (gross - 7.9) + 60.0 * 7.9, "P_c");
  EXPECT_EQ(line_starting(lines, "Nominal Axial Tensile Capacity").substr(55),
            "=     -474.000 kips   ");
  // Bar 1 on +X lies on the axis: its Y is the literal zero.
  const std::size_t first_row = find_line(lines,
                                          "  ----------     ----------     ----------     "
                                          "----------     ----------") +
                                1;
  EXPECT_EQ(lines[first_row],
            "      1             1.00000        0.79000       14.50000        0.00000");
  EXPECT_EQ(lines[first_row + 10], "");
  EXPECT_TRUE(contains_block(
      lines, {"NOTE: The positions of the above rebars were computed by Torva", ""}));
  const std::string& minimum =
      line_starting(lines, "Minimum spacing between any two bars not equal to zero = ");
  expect_printed(minimum.substr(57, 12), spacing, "minimum spacing");
  EXPECT_NE(minimum.find(" inches between Bars "), std::string::npos);
  expect_printed(line_starting(lines, "Spacing to aggregate size ratio = ").substr(34, 12),
                 spacing / 0.75, "ratio");
}

TEST(SectionReportDimensions, InputBarsHaveNoCoverOrSpacingLinesAndTheirOwnPositions) {
  PileSection s = shaft(4, 1, false);
  s.bars[0] = Bar{1.0, 0.79, 0.000004, 12.0, 8};
  s.bars[1] = Bar{1.0, 0.79, 12.0, 0.0, 8};
  s.bars[2] = Bar{1.0, 0.79, 0.0, -12.0, 8};
  s.bars[3] = Bar{1.0, 0.79, -12.0, 0.0, 8};
  const std::vector<std::string> lines = block_of(s);
  EXPECT_FALSE(has_line_starting(lines, "Concrete Cover Thickness"));
  EXPECT_FALSE(has_line_starting(lines, "Edge-to-Edge Bar Spacing"));
  EXPECT_FALSE(has_line_starting(lines, "Ratio of Bar Spacing"));
  EXPECT_TRUE(has_line_starting(lines, "Maximum Concrete Aggregate Size"));
  EXPECT_TRUE(
      contains_line(lines, "NOTE: The positions of the above rebars were input by the user"));
  // X = 0.000004 is listed as zero; columns: bar 7, 8 blanks, diameter 12, 3, area 12, 3, X 12.
  EXPECT_TRUE(contains_line(
      lines, "      1             1.00000        0.79000        0.00000       12.00000"));
  // The spacing of neighbours on the circle: 12 sqrt(2) - 1, first found for bars 1 and 2.
  const std::string& minimum = line_starting(lines, "Minimum spacing");
  expect_printed(minimum.substr(57, 12), 12.0 * std::sqrt(2.0) - 1.0, "spacing", 1e-6);
  EXPECT_EQ(minimum.substr(69), " inches between Bars 1 and 2");
}

TEST(SectionReportDimensions, SingleBundleCageHasNoBundleSpacing) {
  const std::vector<std::string> lines = block_of(shaft(3, 3, true));
  EXPECT_TRUE(has_line_starting(lines, "Concrete Cover Thickness"));
  EXPECT_FALSE(has_line_starting(lines, "Edge-to-Edge Bar Spacing"));
  EXPECT_FALSE(has_line_starting(lines, "Ratio of Bar Spacing"));
  EXPECT_TRUE(has_line_starting(lines, "Maximum Concrete Aggregate Size"));
  // The bars of the one bundle touch: no pair is apart, so bars 1 and 2 are named.
  EXPECT_EQ(line_starting(lines, "Minimum spacing").substr(69), " inches between Bars 1 and 2");
}

PileSection rectangle_section(bool computed) {
  PileSection s;
  s.type = kRectangularConcrete;
  s.length = 120.0;
  s.width = 18.0;
  s.depth = 24.0;
  s.diameter = 24.0;
  s.fc = 4000.0;
  s.bar_yield = 60000.0;
  s.steel_modulus = 29.0e6;
  s.bar_count = 4;
  s.bars_per_bundle = 1;
  s.bar_diameter = 1.0;
  s.bar_area = 0.79;
  s.cover = 3.0;
  s.bars_computed = computed;
  const double xy[4][2] = {{-6.0, 9.0}, {6.0, 9.0}, {-6.0, -9.0}, {6.0, -9.0}};
  for (int i = 0; i < 4; ++i) s.bars[i] = Bar{1.0, 0.79, xy[i][0], xy[i][1], 8};
  return s;
}

TEST(SectionReportDimensions, RectangleListsInputBarsOnly) {
  EXPECT_FALSE(contains_line(block_of(rectangle_section(true)), "Reinforcing Bar Details:"));
  const std::vector<std::string> lines = block_of(rectangle_section(false));
  const std::size_t at = find_line(lines, "Reinforcing Bar Details:");
  ASSERT_LT(at + 8, lines.size());
  EXPECT_EQ(lines[at + 3],
            "  Number           Index              in             sq. in.             in"
            "              in     ");
  // Bar 5, index 17, 10 blanks, then F12.6 fields 5 blanks apart.
  EXPECT_EQ(lines[at + 5],
            "    1                8              1.000000         0.790000        "
            "-6.000000         9.000000");
  // Modulus of rupture -0.0075 sqrt(1000 f'c) ksi; steel ratio A_s / (0.01 b h).
  expect_printed(line_starting(lines, "Modulus of Rupture of Concrete").substr(57, 12),
                 -0.0075 * std::sqrt(4000.0), "f_r", 1e-6);
  expect_printed(line_starting(lines, "Area Ratio of Steel Reinforcement").substr(57, 12),
                 3.16 / (0.01 * 18.0 * 24.0), "ratio");
  EXPECT_EQ(line_starting(lines, "Area Ratio of Steel Reinforcement").substr(69), " percent");
}

// A casing of 0.5 in and a 12 in core pipe of 0.5 in, both of 36 ksi steel (used by the types
// that have them).
PileSection with_casing_and_core(PileSection s) {
  s.casing_thickness = 0.5;
  s.casing_yield = 36000.0;
  s.casing_modulus = 29.0e6;
  s.core_diameter = 12.0;
  s.core_thickness = 0.5;
  s.core_yield = 36000.0;
  s.core_modulus = 29.0e6;
  return s;
}

TEST(SectionReportDimensions, HollowCoreTitleAreaAndNote) {
  PileSection s = with_casing_and_core(shaft(12, 1, true));
  s.type = kCasedShaftWithCore;
  s.b_FillCoreWithConcrete = false;
  const std::vector<std::string> lines = block_of(s);
  ASSERT_GT(lines.size(), 3u);
  EXPECT_EQ(lines[1],
            "Dimensions and Properties of Drilled Shaft (Bored Pile) with Casing and Hollow Core:");
  EXPECT_EQ(lines[2], std::string(71, '-'));
  const double pi = std::numbers::pi;
  const double casing = pi * (36.0 * 36.0 - 35.0 * 35.0) / 4.0;
  const double concrete = pi * 36.0 * 36.0 / 4.0 - pi * 144.0 / 4.0 - casing - 12 * 0.79;
  expect_printed(line_starting(lines, "Area of Concrete").substr(57, 12), concrete, "A_c");
  expect_printed(line_starting(lines, "Moment of Inertia of Steel Core").substr(57, 12),
                 pi * (std::pow(12.0, 4) - std::pow(11.0, 4)) / 64.0, "I_core");
  EXPECT_TRUE(contains_block(lines, {"Note that the core is assumed to be void of concrete", "",
                                     "Axial Structural Capacities:"}));
  EXPECT_EQ(line_starting(lines, "Nominal Axial Tensile Capacity").substr(0, 37),
            "Nominal Axial Tensile Capacity       ");
  // Cage placed inside the casing: R = (35 - 1)/2 - 3.
  EXPECT_TRUE(
      has_line_starting(lines, "      1             1.00000        0.79000       14.00000"));
}

TEST(SectionReportDimensions, CasedShaftLineByLine) {
  PileSection s = with_casing_and_core(shaft(8, 1, true));
  s.type = kCasedShaft;
  const std::vector<std::string> lines = block_of(s);
  const double pi = std::numbers::pi;
  // The cage sits inside the casing: R = (35 - 1)/2 - 3.
  const double spacing = 2.0 * 14.0 * std::sin(pi / 8.0) - 1.0;
  const double casing = pi * (36.0 * 36.0 - 35.0 * 35.0) / 4.0;
  const double As = 8 * 0.79;
  // The concrete area takes the bars out of the whole circle inside the casing ring.
  const double concrete = pi * 36.0 * 36.0 / 4.0 - casing - As;
  const auto at56 = [](const std::string& label, const std::string& rest) {
    return literal(Line(label).tab(56).a(rest).str());
  };
  const std::vector<Expected> expected = {
      literal(""),
      literal("Dimensions and Properties of Drilled Shaft (Bored Pile) with Permanent Casing:"),
      literal(std::string(78, '-')),
      literal(""),
      value("Length of Section", 20.0, "ft"),
      value("Outer Diameter of Casing", 36.0, "in     "),
      value("Concrete Cover Thickness Inside Casing", 3.0, "in     "),
      value("Casing Wall Thickness", 0.5, "in     "),
      value("Moment of Inertia of Steel Casing",
            pi * (std::pow(36.0, 4) - std::pow(35.0, 4)) / 64.0, "in^4   "),
      value("Yield Stress of Casing", 36.0, "ksi    "),
      value("Elastic Modulus of Casing", 29000.0, "ksi    "),
      at56("Number of Reinforcing Bars", "=            8 bars   "),
      value("Area of Single Reinforcing Bar", 0.79, "sq. in."),
      value("Edge-to-Edge Bar Spacing", spacing, "in     "),
      value("Maximum Concrete Aggregate Size", 0.75, "in     "),
      at56("Ratio of Bar Spacing to Aggregate Size", Line("= ").f(spacing / 0.75, 12, 2).str()),
      value("Offset of Center of Rebar Cage from Center of Pile", 0.0, "in     "),
      value("Yield Stress of Reinforcing Bars", 60.0, "ksi    "),
      value("Elastic Modulus of Reinforcing Bars", 29000.0, "ksi    "),
      value("Area of Concrete", concrete, "sq. in."),
      value("Cross-sectional Area of Steel Casing", casing, "sq. in."),
      value("Area of All Steel (Casing and Bars)", As + casing, "sq. in."),
      at56("Area Ratio of All Steel",
           Line("= ").f(100.0 * (As + casing) / concrete, 12, 2).a(" percent").str()),
      literal(""),
      literal("Axial Structural Capacities:"),
      literal(std::string(28, '-')),
      literal(""),
      value("Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As",
            36.0 * casing + 0.85 * 4.0 * (pi * 35.0 * 35.0 / 4.0 - As) + 60.0 * As, "kips   "),
  };
  expect_lines(lines, 0, expected);
  EXPECT_EQ(line_starting(lines, "Nominal Axial Tensile Capacity").substr(55),
            Line("= ").f(-(36.0 * casing + 60.0 * As), 12, 3).a(" kips   ").str());
  EXPECT_TRUE(contains_line(
      lines, "      2             1.00000        0.79000        9.89949        9.89949"));
}

// One small section of each type 0 to 10 (US customary), and its title.
struct TypeCase {
  int type;
  const char* title;
  int dashes;
  std::vector<std::string> lines;  // labels that must appear
};

PileSection section_of_type(int type) {
  PileSection s = with_casing_and_core(type == kRectangularConcrete ? rectangle_section(true)
                                                                    : shaft(8, 1, true));
  s.type = type;
  s.b_FillCoreWithConcrete = true;
  if (type == kSteelPipe) s.bar_count = 0;
  if (type >= kCircularSolidPrestressed) {
    s.bars_computed = false;
    s.diameter = 24.0;
    s.void_diameter = 10.0;
    s.chamfer = type == kSquareSolidPrestressed || type == kSquareHollowPrestressed ? 1.0 : 0.0;
    s.strand_type = 1;
    s.strand_fpu = 270000.0;
    s.steel_modulus = 28000.0;
    s.strand_count = 4;
    s.strand_area = 0.153;
    s.strand_cover = 3.0;
    s.strands_automatic = true;
    const double xy[4][2] = {{8.0, 0.0}, {0.0, 8.0}, {-8.0, 0.0}, {0.0, -8.0}};
    for (int i = 0; i < 4; ++i) s.bars[i] = Bar{0.5, 0.153, xy[i][0], xy[i][1], 3};
  }
  return s;
}

TEST(SectionReportDimensions, EveryTypeHasItsTitleAndLabelledLines) {
  const std::vector<TypeCase> cases = {
      {0, "Dimensions and Properties of Rectangular Concrete Pile:", 55, {"Depth of Section"}},
      {1, "Dimensions and Properties of Drilled Shaft (Bored Pile):", 56, {"Shaft Diameter "}},
      {2,
       "Dimensions and Properties of Drilled Shaft (Bored Pile) with Permanent Casing:",
       78,
       {"Concrete Cover Thickness Inside Casing", "Area of All Steel (Casing and Bars)"}},
      {3,
       "Dimensions and Properties of Drilled Shaft (Bored Pile) with Casing and Filled Core:",
       71,
       {"Area of All Steel (Casing, Core, and Bars)",
        "Note that the core is assumed to be filled with concrete"}},
      {4,
       "Dimensions and Properties of Steel Pipe Pile:",
       45,
       {"Plastic Modulus, Z", "Nom. Axial Structural Capacity = Fy As"}},
      {5, "Dimensions and Properties of Circular Prestressed Pile:", 55, {"Diameter"}},
      {6,
       "Dimensions and Properties of Hollow Core Circular Prestressed Pile:",
       67,
       {"Outside Diameter", "Inside Diameter"}},
      {7, "Dimensions of Square Prestressed Pile Section:", 46, {"Pile Width", "Corner Chamfer"}},
      {8,
       "Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:",
       78,
       {"Corner Chamfer", "Inside Void Diameter"}},
      {9, "Dimensions and Properties of Octagonal Prestressed Pile:", 56, {"Pile Width"}},
      {10,
       "Dimensions and Properties of Octagonal Prestressed Pile Section with Hollow Core:",
       81,
       {"Inside Void Diameter"}},
  };
  for (const TypeCase& c : cases) {
    const std::vector<std::string> lines = block_of(section_of_type(c.type));
    // A plain title (type 7) has no blank line before it.
    const std::size_t at = c.type == kSquareSolidPrestressed ? 0 : 1;
    ASSERT_GT(lines.size(), at + 3) << c.type;
    if (at == 1) {
      EXPECT_EQ(lines[0], "") << c.type;
    }
    EXPECT_EQ(lines[at], c.title) << c.type;
    EXPECT_EQ(lines[at + 1], std::string(static_cast<std::size_t>(c.dashes), '-')) << c.type;
    EXPECT_EQ(lines[at + 3].substr(0, 17), "Length of Section") << c.type;
    EXPECT_EQ(lines[at + 3].substr(55), c.type == 0 ? "=     10.00000 ft" : "=     20.00000 ft")
        << c.type;
    for (const std::string& label : c.lines) {
      EXPECT_TRUE(has_line_starting(lines, label)) << c.type << ": " << label;
    }
    // Every labelled value line has "= " at column 56.
    for (const std::string& line : lines) {
      const std::size_t eq = line.find("= ");
      if (eq == std::string::npos || line.rfind("Minimum spacing", 0) == 0 ||
          line.rfind("Spacing to", 0) == 0 || line.rfind("If eps", 0) == 0 ||
          line.rfind("Nom. Axial Structural Capacity = ", 0) == 0 ||
          line.rfind("Plastic Moment Capacity = ", 0) == 0) {
        continue;
      }
      EXPECT_EQ(eq, 55u) << c.type << ": " << line;
    }
    if (c.type >= kCircularSolidPrestressed) {
      EXPECT_TRUE(contains_line(lines, Line("Strand Type").tab(56).a("=    PCI 270").str()));
      EXPECT_EQ(line_starting(lines, "Yield Stress, fpu").substr(55), "=       270.  ksi");
      EXPECT_TRUE(
          contains_line(lines, "  No.      in               Sq. in        in            in"));
      EXPECT_TRUE(
          contains_line(lines, "   1         0.500         0.153         8.000         0.000"));
    }
  }
  // The square block right-justifies its unit in four columns.
  EXPECT_EQ(line_starting(block_of(section_of_type(7)), "Pile Width").substr(55),
            "=     24.000   in");
  EXPECT_EQ(line_starting(block_of(section_of_type(9)), "Pile Width").substr(55),
            "=     24.000 in");
}

TEST(SectionReportDimensions, SIAndGeneralUnitLabels) {
  struct Case {
    int type;
    int units;
    std::string length, stress, area, bar_units;
  };
  const std::vector<Case> cases = {
      {0, kUnitsSI, " m      ", " kPa    ", " sq. m  ", ""},
      {1, kUnitsSI, " m      ", " kPa    ", " sq. m  ",
       "    Number         meters         sq. m.         meters         meters  "},
      {4, kUnitsSI, " m      ", " kPa    ", " sq. m  ", ""},
      {1, kUnitsGeneral, " L      ", " F/L2   ", " L2     ",
       "    Number         L              L2             L              L       "},
  };
  for (const Case& c : cases) {
    PileSection s = section_of_type(c.type);
    // Metres and kPa: the numbers only need to be sensible.
    s.length = 6.0;
    s.diameter = 0.9;
    s.width = 0.45;
    s.depth = 0.6;
    s.cover = 0.075;
    s.bar_diameter = 0.025;
    s.bar_area = 0.0005;
    s.casing_thickness = 0.0125;
    s.fc = 28000.0;
    s.bar_yield = 414000.0;
    s.casing_yield = 248000.0;
    s.steel_modulus = s.casing_modulus = 2.0e8;
    for (int i = 0; i < s.bar_count; ++i)
      s.bars[i] = Bar{0.025, 0.0005, 0.2 * (i % 2), 0.2 * (i / 2), 8};
    const std::vector<std::string> lines = block_of(s, c.units);
    EXPECT_EQ(line_starting(lines, "Length of Section").substr(69),
              c.units == kUnitsSI ? " m" : " L")
        << c.type;
    const bool pipe = c.type == kSteelPipe;
    EXPECT_EQ(
        line_starting(lines, pipe ? "Yield Stress of Pipe" : "Yield Stress of Reinforcing Bars")
            .substr(69),
        c.stress)
        << c.type;
    const char* length_label = pipe                      ? "Pipe Wall Thickness"
                               : c.type == kDrilledShaft ? "Shaft Diameter"
                                                         : "Depth of Section";
    EXPECT_EQ(line_starting(lines, length_label).substr(69), c.length) << c.type;
    EXPECT_EQ(
        line_starting(lines, pipe ? "Cross-sectional Area" : "Total Area of Reinforcing Steel")
            .substr(69),
        c.area)
        << c.type;
    if (!c.bar_units.empty()) {
      EXPECT_TRUE(contains_line(lines, c.bar_units)) << c.type;
    }
    if (c.type == kSteelPipe) {
      EXPECT_EQ(line_starting(lines, "Elastic Bending Stiffness").substr(69), "kN-m^2  ");
      EXPECT_EQ(line_starting(lines, "Plastic Modulus, Z").substr(69), " m^3");
      EXPECT_EQ(line_starting(lines, "Plastic Moment Capacity = Fy Z").substr(69), " kN-m");
      EXPECT_EQ(line_starting(lines, "Nominal Axial Tensile Capacity").substr(69), " kN     ");
    }
  }
}

// The strand block of an SI run: f_pu in kPa, 7 and 5 decimals for the strand area and cover,
// positions with 6 decimals.
TEST(SectionReportDimensions, StrandBlockInSIUnits) {
  PileSection s = section_of_type(kCircularSolidPrestressed);
  s.length = 10.0;
  s.diameter = 0.6;
  s.strand_area = 0.0000987;
  s.strand_cover = 0.075;
  for (int i = 0; i < 4; ++i) {
    s.bars[i].diameter = 0.0127;
    s.bars[i].x *= 0.025;
    s.bars[i].y *= 0.025;
  }
  const std::vector<std::string> lines = block_of(s, kUnitsSI);
  EXPECT_TRUE(contains_block(
      lines, {"", "Dimensions and Properties of Circular Prestressed Pile:", std::string(55, '-'),
              "", Line("Length of Section").tab(56).a("=     10.00000 m").str(),
              Line("Diameter").tab(56).a("=      0.600 m").str(), "", "",
              "Prestressing Strand Details:", std::string(28, '-'), ""}));
  EXPECT_EQ(line_starting(lines, "Yield Stress, fpu").substr(55),
            Line("= ").f(270000.0 * 6894.75732421875 / 1000.0, 10, 0).a("  kPa").str());
  EXPECT_EQ(line_starting(lines, "Cross-sectional Area of Single Strand").substr(55),
            "=  0.0000987 sq. m");
  EXPECT_EQ(line_starting(lines, "Concrete Cover Thickness Over Strands").substr(55),
            "=    0.07500 m");
  EXPECT_TRUE(
      contains_block(lines, {"  No.      m                Sq. m         m             m",
                             "------    ---------    ----------    ----------    ----------",
                             "   1      0.012700      0.000099      0.200000      0.000000"}));
}

}  // namespace
}  // namespace torva::testing
