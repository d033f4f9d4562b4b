#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

constexpr double kPi = std::numbers::pi;

// The sections under test in soft clay down to 1000 ft (m), below the tip of every pile here.
std::string input_file(const std::string& sections, const std::string& units) {
  return "TORVAP7\n" + options_section(units) + "SECTIONS\n" + sections +
         one_soft_clay_layer("1000") + "END\n";
}

bool has_line_starting(const std::vector<std::string>& lines, const std::string& prefix) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
}

// Concrete records: f'c, aggregate size and the two default options.
const std::string kConcreteUS =
    "4000\n0.75\nUse default concrete tensile strength\n"
    "Use internal stress-strain curve for concrete\n";
const std::string kConcreteSI =
    "27600\n19\nUse default concrete tensile strength\n"
    "Use internal stress-strain curve for concrete\n";

// A 24 in steel pipe pile with a 0.5 in wall.
std::string pipe(int number, double length = 10.0) {
  return std::to_string(number) + "\n4\n" + std::to_string(length) + "\n24\n0.5\n36000\n29000000\n";
}

// A drilled shaft section with the given bar records.
std::string shaft(int number, const std::string& bars, double diameter = 36.0) {
  return std::to_string(number) + "\n1\n20\n" + std::to_string(diameter) + "\n" + kConcreteUS +
         bars;
}

class SectionReader : public ::testing::Test {
 protected:
  int run(const std::string& sections, const std::string& units = "Units USCS") {
    return folder_.run(input_file(sections, units));
  }
  const Sections& sections() { return folder_.engine().sections; }
  const PileSection& section(int number) { return sections().table[number - 1]; }
  const SectionPoint& point(int number) { return sections().points[number - 1]; }

  RunFolder folder_;
};

// ---------------------------------------------------------------------------------------------
// Stacking and the section point table

TEST_F(SectionReader, StacksSectionsFromThePileHeadAndFillsTheirPoints) {
  const std::string elastic = "3\n11\n5\n2\n3000000\n24\n18\n452.4\n254.5\n16286\n5153\n";
  ASSERT_EQ(run("3\n" + pipe(1, 10) + shaft(2, "No rebar\n") + elastic), 0);

  EXPECT_EQ(sections().count, 3);
  EXPECT_EQ(sections().point_count, 6);
  // Lengths of 10, 20 and 5 ft, held in inches once the input has been converted.
  EXPECT_EQ(sections().pile_length, 420.0);
  const double depths[] = {0, 120, 120, 360, 360, 420};
  const double widths[] = {24, 24, 36, 36, 24, 18};
  for (int j = 1; j <= 6; ++j) {
    EXPECT_EQ(point(j).depth, depths[j - 1]) << "point " << j;
    EXPECT_EQ(point(j).width, widths[j - 1]) << "point " << j;
  }
  EXPECT_EQ(section(2).top, 120.0);
  EXPECT_EQ(section(2).bottom, 360.0);

  // The steel pipe: ring properties of D = 24, t = 0.5 at both points.
  for (int j : {1, 2}) {
    EXPECT_DOUBLE_EQ(point(j).inertia, kPi / 64.0 * (std::pow(24.0, 4) - std::pow(23.0, 4)));
    EXPECT_DOUBLE_EQ(point(j).area, kPi / 4.0 * (24.0 * 24.0 - 23.0 * 23.0));
    EXPECT_EQ(point(j).modulus, 29000000.0);
  }
  // The drilled shaft's stiffness comes from the section analysis, not from its points.
  EXPECT_EQ(point(3).inertia, 0.0);
  EXPECT_EQ(section(2).bar_count, 0);
  // The elastic section carries its input properties.
  EXPECT_EQ(point(5).inertia, 16286.0);
  EXPECT_EQ(point(6).inertia, 5153.0);
  EXPECT_EQ(point(6).area, 254.5);
  EXPECT_EQ(point(6).modulus, 3000000.0);

  EXPECT_TRUE(contains_block(folder_.messages(),
                             {"Reading section properties for Section 1",
                              "Reading section properties for Section 2",
                              "Reading concrete property data for Section 2",
                              "Reading rebar property data for Section 2",
                              "Reading section properties for Section 3",
                              "Reading elastic section properties for Section 3"}));
  const auto plot = folder_.plot();
  EXPECT_TRUE(std::any_of(plot.begin(), plot.end(), [](const std::string& line) {
    return line.rfind("    3", 0) == 0 &&
           line.find("Line 2 : Total number of sections") != std::string::npos;
  }));
}

// ---------------------------------------------------------------------------------------------
// Reinforced concrete sections (types 0 to 3)

TEST_F(SectionReader, SIRectangleKeepsMetresAndItsInputBars) {
  const std::string records =
      "1\n0\n12\n600\n400\n"
      "27600\n19\nOverride concrete tensile strength\n3300\n"
      "Input stress-strain curve for concrete\n3\n1 0 0\n2 0.002 27600\n3 0.0038 23460\n"
      "Rebar Arrangement Not Same As Section Above\nRebar in noncircular pattern\n"
      "414000\n200000000\n4\n"
      "1 8 25.4 510 -150 250\n2 8 25.4 510 150 250\n"
      "3 8 25.4 510 -150 -250\n4 8 25.4 510 150 -250\n";
  ASSERT_EQ(run("1\n" + records, "Units SI"), 0);
  const PileSection& s = section(1);
  EXPECT_EQ(s.type, 0);
  EXPECT_DOUBLE_EQ(s.depth, 0.6);
  EXPECT_DOUBLE_EQ(s.width, 0.4);
  EXPECT_DOUBLE_EQ(s.diameter, 0.6);
  EXPECT_DOUBLE_EQ(point(1).width, 0.4);
  EXPECT_DOUBLE_EQ(point(2).width, 0.4);
  EXPECT_EQ(point(2).depth, 12.0);  // section lengths are metres already

  EXPECT_EQ(s.fc, 27600.0);
  EXPECT_DOUBLE_EQ(s.aggregate_size, 0.019);
  EXPECT_FALSE(s.default_tensile_strength);
  EXPECT_EQ(s.tensile_strength, 3300.0);
  EXPECT_TRUE(s.concrete_curve_input);
  ASSERT_EQ(s.concrete_point_count, 3);
  EXPECT_EQ(s.concrete_curve[1].strain, 0.002);
  EXPECT_EQ(s.concrete_curve[2].stress, 23460.0);

  EXPECT_FALSE(s.bars_computed);
  EXPECT_EQ(s.bar_yield, 414000.0);
  EXPECT_EQ(s.steel_modulus, 200000000.0);
  ASSERT_EQ(s.bar_count, 4);
  EXPECT_EQ(s.bars[3].index, 8);
  EXPECT_DOUBLE_EQ(s.bars[3].diameter, 0.0254);
  EXPECT_DOUBLE_EQ(s.bars[3].area, 0.00051);
  EXPECT_DOUBLE_EQ(s.bars[3].x, 0.15);
  EXPECT_DOUBLE_EQ(s.bars[3].y, -0.25);
}

TEST_F(SectionReader, DrilledShaftPlacesItsBarsOnTheCircleInsideTheCover) {
  const std::string bars =
      "Rebar Arrangement Same As Section Above\nRebar in circle\n"
      "60000\n29000000\n10\n1\n1.128\n1.0\n3\n0.5\n";
  ASSERT_EQ(run("1\n" + shaft(1, bars)), 0);
  const PileSection& s = section(1);
  EXPECT_TRUE(s.bars_same_as_above);
  EXPECT_TRUE(s.bars_computed);
  EXPECT_EQ(s.bundle_count, 10);
  EXPECT_EQ(s.bars_per_bundle, 1);
  EXPECT_EQ(s.cage_offset, 0.5);
  ASSERT_EQ(s.bar_count, 10);
  // Each bar's outer face is 3 in inside the shaft's face.
  for (int i = 0; i < 10; ++i) {
    const Bar& bar = s.bars[i];
    EXPECT_EQ(bar.diameter, 1.128);
    EXPECT_EQ(bar.area, 1.0);
    EXPECT_NEAR(18.0 - (std::hypot(bar.x, bar.y) + bar.diameter / 2.0), 3.0, 1e-12);
  }
  EXPECT_EQ(point(1).width, 36.0);
}

TEST_F(SectionReader, SICasedShaftConvertsMillimetresAndBundlesBarsInPairs) {
  const std::string records =
      "1\n2\n15\n1200\n12\n248000\n200000000\n" + kConcreteSI +
      "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
      "414000\n200000000\n12\n2\n32\n804\n75\n0\n";
  ASSERT_EQ(run("1\n" + records, "Units SI"), 0);
  const PileSection& s = section(1);
  EXPECT_DOUBLE_EQ(s.diameter, 1.2);
  EXPECT_DOUBLE_EQ(s.casing_thickness, 0.012);
  EXPECT_EQ(s.casing_yield, 248000.0);
  EXPECT_EQ(s.casing_modulus, 200000000.0);
  EXPECT_DOUBLE_EQ(s.bar_diameter, 0.032);
  EXPECT_DOUBLE_EQ(s.bar_area, 0.000804);
  EXPECT_DOUBLE_EQ(s.cover, 0.075);
  ASSERT_EQ(s.bar_count, 24);
  for (int j = 0; j < 12; ++j) {
    const Bar& a = s.bars[2 * j];
    const Bar& b = s.bars[2 * j + 1];
    EXPECT_NEAR(std::hypot(a.x, a.y), 0.509, 1e-12);
    EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), 0.032, 0.0001);  // the pair touches
  }
  EXPECT_DOUBLE_EQ(point(2).width, 1.2);
}

TEST_F(SectionReader, CasedShaftWithCoreIsFilledForCode3AndVoidForMinus3) {
  const std::string cased = "\n10\n48\n0.75\n36000\n29000000\n24\n0.5\n50000\n29000000\n" +
                            kConcreteUS + "No rebar\n";
  ASSERT_EQ(run("2\n1\n3" + cased + "2\n-3" + cased), 0);
  for (int n : {1, 2}) {
    const PileSection& s = section(n);
    EXPECT_EQ(s.type, 3);
    EXPECT_EQ(s.core_diameter, 24.0);
    EXPECT_EQ(s.core_thickness, 0.5);
    EXPECT_EQ(s.core_yield, 50000.0);
    EXPECT_EQ(s.core_modulus, 29000000.0);
    EXPECT_EQ(s.casing_thickness, 0.75);
  }
  EXPECT_TRUE(section(1).b_FillCoreWithConcrete);
  EXPECT_FALSE(section(2).b_FillCoreWithConcrete);
  EXPECT_EQ(point(4).depth, 240.0);  // 20 ft in inches
  EXPECT_EQ(point(4).width, 48.0);
}

// ---------------------------------------------------------------------------------------------
// Prestressed sections (types 5 to 10)

TEST_F(SectionReader, CircularPileTakesItsStrandsFromTheCatalogueOntoACircle) {
  const std::string records =
      "1\n5\n40\n24\n" + kConcreteUS + "Autoposition strands\n1\n3\n12\n350000\n0.2\n3\n0\n";
  ASSERT_EQ(run("1\n" + records), 0);
  const PileSection& s = section(1);
  EXPECT_TRUE(s.strands_automatic);
  EXPECT_EQ(s.strand_count, 12);
  EXPECT_EQ(s.strand_fpu, 270000.0);
  EXPECT_EQ(s.steel_modulus, 28000.0);
  EXPECT_EQ(s.strand_diameter, 0.5);
  EXPECT_EQ(s.strand_area, 0.153);
  EXPECT_EQ(s.prestress_force, 350000.0);
  EXPECT_EQ(s.prestress_loss, 0.2);
  EXPECT_EQ(s.strand_cover, 3.0);
  for (int i = 0; i < 12; ++i) {
    const Bar& strand = s.bars[i];
    EXPECT_EQ(strand.index, 3);
    EXPECT_EQ(strand.area, 0.153);
    EXPECT_NEAR(std::hypot(strand.x, strand.y), 8.75, 1e-12);
    EXPECT_NEAR(std::remainder(std::atan2(strand.y, strand.x) - i * kPi / 6.0, 2.0 * kPi), 0.0,
                1e-12);
  }
  EXPECT_TRUE(contains_line(folder_.messages(),
                            "Reading prestressing strand data for Section 1"));
}

TEST_F(SectionReader, SIHollowCircularPileUsesStrandsInMetres) {
  const std::string records =
      "1\n6\n12\n600\n300\n" + kConcreteSI + "Autoposition strands\n0\n5\n8\n900\n0.2\n75\n0\n";
  ASSERT_EQ(run("1\n" + records, "Units SI"), 0);
  const PileSection& s = section(1);
  EXPECT_DOUBLE_EQ(s.void_diameter, 0.3);
  EXPECT_DOUBLE_EQ(s.strand_diameter, 0.0127);  // a 0.5 in PCI 250 strand
  EXPECT_EQ(s.steel_modulus, 193053200.0);
  for (int i = 0; i < 8; ++i) {
    EXPECT_NEAR(0.3 - (std::hypot(s.bars[i].x, s.bars[i].y) + 0.0127 / 2.0), 0.075, 1e-12);
  }
}

// Every strand of a square pattern lies on the perimeter of a square whose outer strand faces
// keep the stated cover from the pile faces.
void expect_square_cover(const PileSection& s, double width, double cover) {
  for (int i = 0; i < s.strand_count; ++i) {
    const Bar& strand = s.bars[i];
    const double reach = std::max(std::fabs(strand.x), std::fabs(strand.y));
    EXPECT_NEAR(width / 2.0 - (reach + strand.diameter / 2.0), cover, 1e-12) << "strand " << i + 1;
  }
}

TEST_F(SectionReader, SquarePileOutlinesItsStrandsAtTheCover) {
  const std::string records =
      "1\n7\n50\n18\n0.75\n" + kConcreteUS + "Autoposition strands\n1\n3\n12\n400000\n0.2\n3\n1\n";
  ASSERT_EQ(run("1\n" + records), 0);
  const PileSection& s = section(1);
  EXPECT_EQ(s.diameter, 18.0);
  EXPECT_EQ(s.chamfer, 0.75);
  EXPECT_EQ(s.strand_pattern, 1);
  EXPECT_EQ(point(2).width, 18.0);
  ASSERT_EQ(s.strand_count, 12);
  expect_square_cover(s, 18.0, 3.0);
  EXPECT_DOUBLE_EQ(s.bars[0].x, -5.75);  // the bottom row starts at the lower left corner
  EXPECT_DOUBLE_EQ(s.bars[0].y, -5.75);
}

TEST_F(SectionReader, SIHollowSquarePileOutlinesItsStrandsAtTheCover) {
  const std::string records = "1\n8\n15\n450\n200\n25\n" + kConcreteSI +
                              "Autoposition strands\n1\n6\n10\n1500\n0.18\n60\n2\n";
  ASSERT_EQ(run("1\n" + records, "Units SI"), 0);
  const PileSection& s = section(1);
  EXPECT_DOUBLE_EQ(s.diameter, 0.45);
  EXPECT_DOUBLE_EQ(s.void_diameter, 0.2);
  EXPECT_DOUBLE_EQ(s.chamfer, 0.025);
  EXPECT_DOUBLE_EQ(s.strand_area, 0.217 * 0.00064516);
  ASSERT_EQ(s.strand_count, 10);
  expect_square_cover(s, 0.45, 0.06);
  // Pattern 2 puts two strands on each side: the right side's are at Y = 0 and Y = R.
  EXPECT_DOUBLE_EQ(s.bars[3].y, 0.0);
  EXPECT_NEAR(s.bars[4].y, 2.0 * s.bars[4].x / 3.0, 1e-15);
}

TEST_F(SectionReader, OctagonalPileKeepsManuallyPositionedStrands) {
  const std::string records = "1\n9\n30\n24\n" + kConcreteUS +
                              "Manually-positioned strands\n2\n3\n300000\n0.15\n"
                              "1 2 0 8\n2 4 6.93 -4\n3 2 -6.93 -4\n";
  ASSERT_EQ(run("1\n" + records), 0);
  const PileSection& s = section(1);
  EXPECT_FALSE(s.strands_automatic);
  EXPECT_EQ(s.strand_fpu, 300000.0);
  ASSERT_EQ(s.strand_count, 3);
  EXPECT_EQ(s.bars[0].y, 8.0);
  EXPECT_EQ(s.bars[1].x, 6.93);
  EXPECT_EQ(s.bars[1].index, 4);
  EXPECT_EQ(s.bars[1].diameter, 0.6);  // each strand has its own size
  EXPECT_EQ(s.bars[1].area, 0.217);
  EXPECT_EQ(s.bars[2].area, 0.153);
  EXPECT_EQ(point(1).width, 24.0);
}

TEST_F(SectionReader, SIHollowOctagonalPileUsesBarsFromTheCatalogue) {
  const std::string records =
      "1\n10\n20\n600\n250\n" + kConcreteSI + "Autoposition strands\n3\n2\n8\n2000\n0.1\n70\n0\n";
  ASSERT_EQ(run("1\n" + records, "Units SI"), 0);
  const PileSection& s = section(1);
  EXPECT_DOUBLE_EQ(s.void_diameter, 0.25);
  EXPECT_EQ(s.strand_fpu, 145000.0);
  EXPECT_EQ(s.steel_modulus, 199947760.0);
  for (int i = 0; i < 8; ++i) {
    EXPECT_NEAR(std::hypot(s.bars[i].x, s.bars[i].y), (0.6 - 0.0254) / 2.0 - 0.07, 1e-12);
  }
}

// Every SI record that is given in millimetres arrives in metres: one file, one section per
// record kind.
TEST_F(SectionReader, SIMillimetreRecordsArriveInMetres) {
  const std::string records =
      "6\n"
      // A cased shaft with a core (diameter, casing wall, core diameter, core wall) and a cage
      // offset.
      "1\n3\n5\n1200\n12\n248000\n200000000\n600\n10\n345000\n200000000\n" + kConcreteSI +
      "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
      "414000\n200000000\n12\n1\n32\n804\n75\n40\n"
      // A steel pipe: diameter and wall.
      "2\n4\n5\n610\n12.7\n248000\n200000000\n"
      // An octagonal pile with manual strands at X/Y in millimetres.
      "3\n9\n5\n600\n" + kConcreteSI +
      "Manually-positioned strands\n2\n2\n1400\n0.15\n1 2 0 200\n2 4 175 -100\n"
      // An elastic rectangle: its top and bottom depths.
      "4\n11\n5\n1\n25000000\n300\n250\n450\n400\n0.135\n0.1\n0.00228\n0.00133\n"
      // An elastic pipe: its walls.
      "5\n11\n5\n3\n200000000\n610\n600\n12.7\n10\n0.024\n0.0185\n0.00107\n0.00082\n"
      // Input moment-stiffness curves: the diameter.
      "6\n13\n5\n900\n1\n0\n2\n0\n500000\n1000\n400000\n";
  ASSERT_TRUE(InputAccepted(run(records, "Units SI")));
  const PileSection& cased = section(1);
  EXPECT_DOUBLE_EQ(cased.diameter, 1.2);
  EXPECT_DOUBLE_EQ(cased.casing_thickness, 0.012);
  EXPECT_DOUBLE_EQ(cased.core_diameter, 0.6);
  EXPECT_DOUBLE_EQ(cased.core_thickness, 0.01);
  EXPECT_DOUBLE_EQ(cased.cage_offset, 0.04);
  EXPECT_DOUBLE_EQ(section(2).diameter, 0.61);
  EXPECT_DOUBLE_EQ(section(2).casing_thickness, 0.0127);
  const PileSection& octagon = section(3);
  EXPECT_DOUBLE_EQ(octagon.diameter, 0.6);
  EXPECT_DOUBLE_EQ(octagon.bars[0].y, 0.2);
  EXPECT_DOUBLE_EQ(octagon.bars[1].x, 0.175);
  EXPECT_DOUBLE_EQ(octagon.bars[1].y, -0.1);
  EXPECT_DOUBLE_EQ(section(4).elastic.top_depth, 0.45);
  EXPECT_DOUBLE_EQ(section(4).elastic.bottom_depth, 0.4);
  EXPECT_DOUBLE_EQ(section(5).elastic.top_depth, 0.0127);
  EXPECT_DOUBLE_EQ(section(5).elastic.bottom_depth, 0.01);
  EXPECT_DOUBLE_EQ(section(6).diameter, 0.9);
}

// A pile of no diameter cannot hold a bar: the placement stops at its first check.
TEST_F(SectionReader, BarCircleInAPileOfNoDiameterIsRuntimeError39) {
  EXPECT_EQ(run("1\n" + shaft(1, "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
                                 "60000\n29000000\n8\n1\n1\n0.79\n3\n0\n",
                               0.0)),
            239);
  EXPECT_TRUE(contains_block(folder_.report(),
                             {"**** RUNTIME ERROR NO. 39 ****", "",
                              "PROBLEM:  Input error for calculation of rebar positions.",
                              "          Rebar diameter is greater than pile diameter."}));
}

// ---------------------------------------------------------------------------------------------
// Elastic and elastic-plastic sections (types 11, 12)

TEST_F(SectionReader, ElasticShapesGiveTheirPointsWidthsAndProperties) {
  const std::string records =
      "6\n"
      "1\n11\n10\n1\n3000000\n12\n10\n18\n16\n216\n160\n5832\n3413.3\n"
      "2\n11\n10\n2\n3000000\n24\n18\n452.4\n254.5\n16286\n5153\n"
      "3\n11\n10\n3\n29000000\n24\n24\n0.5\n0.375\n36.91\n27.83\n2549\n1942\n"
      "4\n11\n10\n4\n29000000\n10.225\n9.99\n0.565\n0.565\n16.8\n294\n"
      "5\n11\n10\n5\n29000000\n10.225\n9.99\n0.565\n0.565\n16.8\n101\n"
      "6\n11\n10\n6\n1600000\n12\n10\n113.1\n78.5\n1017.9\n490.9\n30\n";
  ASSERT_EQ(run(records), 0);
  struct Expected {
    int shape;
    double top_width, bottom_width, top_inertia, bottom_inertia, top_area, bottom_area, modulus;
  };
  const Expected expected[] = {
      {1, 12, 10, 5832, 3413.3, 216, 160, 3000000},
      {2, 24, 18, 16286, 5153, 452.4, 254.5, 3000000},
      {3, 24, 24, 2549, 1942, 36.91, 27.83, 29000000},
      {4, 10.225, 10.225, 294, 294, 16.8, 16.8, 29000000},  // flange width facing the soil
      {5, 9.99, 9.99, 101, 101, 16.8, 16.8, 29000000},      // section depth facing the soil
      {6, 30, 30, 1017.9, 490.9, 113.1, 78.5, 1600000},     // the drilled hole
  };
  for (int n = 1; n <= 6; ++n) {
    SCOPED_TRACE("section " + std::to_string(n));
    const Expected& e = expected[n - 1];
    EXPECT_EQ(section(n).shape, e.shape);
    EXPECT_EQ(point(2 * n - 1).width, e.top_width);
    EXPECT_EQ(point(2 * n).width, e.bottom_width);
    EXPECT_EQ(point(2 * n - 1).inertia, e.top_inertia);
    EXPECT_EQ(point(2 * n).inertia, e.bottom_inertia);
    EXPECT_EQ(point(2 * n - 1).area, e.top_area);
    EXPECT_EQ(point(2 * n).area, e.bottom_area);
    EXPECT_EQ(point(2 * n).modulus, e.modulus);
  }
  EXPECT_EQ(section(1).elastic.bottom_depth, 16.0);
  EXPECT_EQ(section(3).elastic.bottom_depth, 0.375);  // the pipe's wall thickness
  EXPECT_EQ(section(4).elastic.bottom_depth, 9.99);
  EXPECT_EQ(section(4).elastic.flange_thickness, 0.565);
  EXPECT_EQ(point(11).pole_width, 12.0);
  EXPECT_EQ(point(12).pole_width, 10.0);
  EXPECT_EQ(sections().pile_length, 720.0);  // 60 ft in inches
}

TEST_F(SectionReader, SIElasticSectionsConvertEveryDimension) {
  const std::string records =
      "2\n"
      "1\n11\n10\n6\n11000000\n300\n250\n70686\n49087\n397607820\n191747590\n750\n"
      "2\n11\n5\n4\n200000000\n260\n256\n14.4\n12.1\n10800\n52400000\n";
  ASSERT_EQ(run(records, "Units SI"), 0);
  const ElasticProperties& pole = section(1).elastic;
  EXPECT_DOUBLE_EQ(pole.top_width, 0.3);
  EXPECT_DOUBLE_EQ(pole.top_area, 0.070686);
  EXPECT_DOUBLE_EQ(pole.bottom_inertia, 191747590.0 / 1e12);
  EXPECT_DOUBLE_EQ(section(1).diameter, 0.75);
  EXPECT_DOUBLE_EQ(point(1).width, 0.75);
  EXPECT_DOUBLE_EQ(point(2).pole_width, 0.25);
  EXPECT_EQ(point(1).modulus, 11000000.0);

  const ElasticProperties& h = section(2).elastic;
  EXPECT_DOUBLE_EQ(h.top_width, 0.26);
  EXPECT_DOUBLE_EQ(h.bottom_depth, 0.256);
  EXPECT_DOUBLE_EQ(h.flange_thickness, 0.0144);
  EXPECT_DOUBLE_EQ(h.web_thickness, 0.0121);
  EXPECT_DOUBLE_EQ(point(4).area, 0.0108);
  EXPECT_DOUBLE_EQ(point(4).inertia, 5.24e-5);
  EXPECT_DOUBLE_EQ(point(4).width, 0.26);
  EXPECT_EQ(sections().pile_length, 15.0);
}

TEST_F(SectionReader, ElasticPlasticSectionsReadTheirPlasticMoments) {
  const std::string records =
      "2\n"
      "1\n12\n40\n4\n29000000\n3100000\n10.225\n9.99\n0.565\n0.565\n16.8\n294\n"
      "2\n12\n10\n1\n3000000\n1500000\n1200000\n12\n12\n18\n18\n216\n216\n5832\n5832\n";
  ASSERT_EQ(run(records), 0);
  EXPECT_EQ(section(1).elastic.top_plastic_moment, 3100000.0);
  EXPECT_EQ(section(1).elastic.bottom_plastic_moment, 3100000.0);  // one value for an H-pile
  EXPECT_EQ(section(1).elastic.top_area, 16.8);
  EXPECT_EQ(section(2).elastic.top_plastic_moment, 1500000.0);
  EXPECT_EQ(section(2).elastic.bottom_plastic_moment, 1200000.0);
  EXPECT_EQ(point(4).inertia, 5832.0);
  EXPECT_TRUE(contains_line(folder_.messages(),
                            "Reading elastic-plastic section properties for Section 2"));
}

// ---------------------------------------------------------------------------------------------
// Moment-stiffness curves (type 13)

TEST_F(SectionReader, MomentStiffnessCurvesGetTheirCurvatures) {
  const std::string records =
      "1\n1\n13\n30\n24\n2\n"
      "0\n3\n0\n5e10\n1e6\n4e10\n2e6\n2e10\n"
      "100000 3\n0\n6e10\n1.5e6\n4.5e10\n3e6\n2.5e10\n";
  ASSERT_EQ(run(records), 0);
  const PileSection& s = section(1);
  EXPECT_EQ(s.type, 13);
  EXPECT_TRUE(s.has_moment_curves);
  EXPECT_TRUE(s.points_moment_stiffness);
  EXPECT_FALSE(s.points_moment_curvature);
  ASSERT_EQ(s.curve_count, 2);
  EXPECT_EQ(s.curves[1].thrust, 100000.0);
  ASSERT_EQ(s.curves[1].point_count, 3);
  EXPECT_EQ(s.curves[0].curvature[0], 0.0);
  EXPECT_DOUBLE_EQ(s.curves[0].curvature[2], 2e6 / 2e10);
  EXPECT_EQ(s.curves[1].stiffness[1], 4.5e10);
  EXPECT_DOUBLE_EQ(s.curves[1].curvature[1], 1.5e6 / 4.5e10);
  EXPECT_EQ(point(2).width, 24.0);
  EXPECT_EQ(point(2).depth, 360.0);  // 30 ft in inches
}

TEST_F(SectionReader, MomentCurvatureCurvesGetTheirStiffnessesFromTheOrigin) {
  const std::string records = "1\n1\n-13\n30\n24\n1\n0 3\n0\n0\n1e6\n2.5e-5\n2e6\n1e-4\n";
  ASSERT_EQ(run(records), 0);
  const PileSection& s = section(1);
  EXPECT_EQ(s.type, 13);
  EXPECT_TRUE(s.points_moment_curvature);
  EXPECT_FALSE(s.points_moment_stiffness);
  const MomentCurve& curve = s.curves[0];
  EXPECT_DOUBLE_EQ(curve.stiffness[1], 4e10);
  EXPECT_DOUBLE_EQ(curve.stiffness[2], 2e10);
  EXPECT_DOUBLE_EQ(curve.stiffness[0], 4e10);  // the origin takes the first segment's stiffness
  EXPECT_EQ(curve.curvature[0], 0.0);
}

// ---------------------------------------------------------------------------------------------
// Faulty records

struct FaultCase {
  const char* name;
  std::string sections;
  std::string units;
  int code;
  std::vector<std::string> report_block;  // lines the report holds in a row
  std::string problem;                     // start of a line the report holds
};

void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }

class FaultySections : public SectionReader, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultySections, StopTheRunWithTheirError) {
  const FaultCase& c = GetParam();
  EXPECT_EQ(run(c.sections, c.units), c.code);
  const auto report = folder_.report();
  if (!c.report_block.empty()) {
    EXPECT_TRUE(contains_block(report, c.report_block));
  }
  if (!c.problem.empty()) {
    EXPECT_TRUE(has_line_starting(report, c.problem)) << c.problem;
  }
}

const std::string kCircle = "Rebar Arrangement Not Same As Section Above\nRebar in circle\n";

std::string shaft_concrete(const std::string& tail) {
  return "1\n1\n1\n10\n36\n4000\n0.75\n" + tail;
}

std::string prestressed(int number, const std::string& strands, double width = 18.0) {
  return std::to_string(number) + "\n7\n40\n" + std::to_string(width) + "\n0\n" + kConcreteUS +
         strands;
}

std::string curve_section(const std::string& code, const std::string& curves) {
  return "1\n1\n" + code + "\n30\n24\n" + curves;
}

std::string points(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += std::to_string(i * 1000) + "\n1e10\n";
  return text;
}

const std::string kSI = "Units SI";
const std::string kUS = "Units USCS";
const std::string kDefaults =
    "Use default concrete tensile strength\nUse internal stress-strain curve for concrete\n";

INSTANTIATE_TEST_SUITE_P(
    Records, FaultySections,
    ::testing::Values(
        FaultCase{"sections_numbered_1_2_4",
                  "3\n" + pipe(1) + pipe(2) + pipe(4),
                  kUS,
                  195,
                  {"SECTION DATA OUT-OF-ORDER", "",
                   "Expecting section number 3, but section number 4 was found"},
                  ""},
        FaultCase{"micropile",
                  "2\n" + pipe(1) + "2\n14\n10\n",
                  kUS,
                  195,
                  {"", "INPUT ERROR - Section 2 has type code 14: micropile sections are not "
                       "supported"},
                  ""},
        FaultCase{"type_code_15",
                  "1\n1\n15\n10\n",
                  kUS,
                  195,
                  {"", "INPUT ERROR - Section type code 15 of section 1 is not one of 0 to 13, -3 "
                       "or -13"},
                  ""},
        FaultCase{"21_sections",
                  "21\n" + pipe(1),
                  kUS,
                  117,
                  {"", "**** Input Data Error No. 17 ****", "",
                   "The number of points to define the pile properties is 2 to 40, not the "
                   "input value of         42",
                   ""},
                  ""},
        // A pile of no sections (the lowest count used to crash the node builder).
        FaultCase{"no_sections",
                  "0\n",
                  kUS,
                  117,
                  {"", "**** Input Data Error No. 17 ****", "",
                   "The number of points to define the pile properties is 2 to 40, not the "
                   "input value of          0",
                   ""},
                  ""},
        FaultCase{"most_negative_section_count",
                  "-2000000000\n",
                  kUS,
                  117,
                  {"", "**** Input Data Error No. 17 ****", "",
                   "The number of points to define the pile properties is 2 to 40, not the "
                   "input value of **********",
                   ""},
                  ""},
        FaultCase{"zero_length", "1\n1\n4\n0\n24\n0.5\n36000\n29000000\n", kUS, 181, {},
                  "Problem: Section 1 has a length of 0 (line "},
        FaultCase{"concrete_curve_sequence",
                  shaft_concrete("Use default concrete tensile strength\n"
                                 "Input stress-strain curve for concrete\n3\n1 0 0\n"
                                 "3 0.002 4000\n"),
                  kUS,
                  195,
                  {"",
                   "INPUT ERROR - Sequence error encountered when reading concrete "
                   "stress-strain curve",
                   "", "Expecting line no. 2 but line no. 3 was read", "", ""},
                  ""},
        FaultCase{"concrete_tensile_option",
                  shaft_concrete("Use default tensile strength\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Unrecognized command for concrete tensile strength option"},
                  ""},
        FaultCase{"concrete_curve_option",
                  shaft_concrete("Use default concrete tensile strength\nUse ACI curve\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Unrecognized input for concrete stress-strain option"},
                  ""},
        FaultCase{"concrete_curve_of_101_points",
                  shaft_concrete("Use default concrete tensile strength\n"
                                 "Input stress-strain curve for concrete\n101\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Section 1 has 101 concrete stress-strain points; 0 to 100 "
                       "are allowed"},
                  ""},
        FaultCase{"zero_concrete_strength", "1\n1\n1\n10\n36\n0\n", kUS, 126, {},
                  "Problem: The concrete compressive strength of section 1 is 0 (line "},
        FaultCase{"rebar_continuation",
                  "1\n" + shaft(1, "Rebar same as above\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Unrecognized command for rebar continuation from section "
                       "above option"},
                  ""},
        FaultCase{"rebar_arrangement",
                  "1\n" + shaft(1, "Rebar Arrangement Not Same As Section Above\nRebar in square\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Unrecognized rebar arrangement \"Rebar in square\" for "
                       "section 1 (expected \"Rebar in circle\" or \"Rebar in noncircular "
                       "pattern\")"},
                  ""},
        // The bar counts of a circle are the placement's own checks: runtime errors 42 and 43.
        FaultCase{"four_bars_per_bundle",
                  "1\n" + shaft(1, kCircle + "60000\n29000000\n8\n4\n1\n0.79\n3\n0\n"),
                  kUS,
                  243,
                  {"**** RUNTIME ERROR NO. 43 ****", "",
                   "PROBLEM:  Input error for calculation of rebar positions.",
                   "          Number of bars per bundle is less than zero or greater than 3.",
                   "SOLUTION: Correct pile geometry data."},
                  ""},
        FaultCase{"negative_bars_per_bundle",
                  "1\n" + shaft(1, kCircle + "60000\n29000000\n8\n-1\n1\n0.79\n3\n0\n"),
                  kUS,
                  243,
                  {"**** RUNTIME ERROR NO. 43 ****"},
                  ""},
        FaultCase{"negative_bundles",
                  "1\n" + shaft(1, kCircle + "60000\n29000000\n-2\n2\n1\n0.79\n3\n0\n"),
                  kUS,
                  242,
                  {"**** RUNTIME ERROR NO. 42 ****"},
                  ""},
        FaultCase{"bundles_beyond_300",
                  "1\n" + shaft(1, kCircle + "60000\n29000000\n301\n1\n1\n0.79\n3\n0\n", 360),
                  kUS,
                  242,
                  {"**** RUNTIME ERROR NO. 42 ****"},
                  ""},
        FaultCase{"bundles_beyond_the_bar_table",
                  "1\n" + shaft(1, kCircle + "60000\n29000000\n101\n3\n1\n0.79\n3\n0\n", 360),
                  kUS,
                  242,
                  {"**** RUNTIME ERROR NO. 42 ****", "",
                   "PROBLEM:  Input error for calculation of rebar positions.",
                   "          Number of bar bundles is less than zero or greater than 300.",
                   "SOLUTION: Correct pile geometry data."},
                  ""},
        FaultCase{"no_bars_per_bundle",
                  "1\n" + shaft(1, kCircle + "60000\n29000000\n8\n0\n1\n0.79\n3\n0\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Section 1 has 0 bars per bundle; a bundle holds 1 to 3 bars"},
                  ""},
        FaultCase{"301_bars_in_a_pattern",
                  "1\n" + shaft(1,
                                "Rebar Arrangement Not Same As Section Above\n"
                                "Rebar in noncircular pattern\n60000\n29000000\n301\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Section 1 has 301 bars; 0 to 300 are allowed"},
                  ""},
        FaultCase{"no_bar_bundle",
                  "1\n" + shaft(1, kCircle + "60000\n29000000\n0\n1\n1\n0.79\n3\n0\n"),
                  kUS,
                  242,
                  {"**** RUNTIME ERROR NO. 42 ****", "",
                   "PROBLEM:  Input error for calculation of rebar positions.",
                   "          Number of bar bundles is less than zero or greater than 300.",
                   "SOLUTION: Correct pile geometry data."},
                  ""},
        FaultCase{"cover_beyond_the_shaft_centre",
                  "1\n" + shaft(1, kCircle + "60000\n29000000\n6\n1\n1\n0.79\n6\n0\n", 12),
                  kUS,
                  244,
                  {"**** RUNTIME ERROR NO. 44 ****", "",
                   "PROBLEM:  Calculation error for rebar positions.",
                   "          Computed diameter of rebar circle is less than or equal to zero.",
                   "SOLUTION: Correct pile geometry data."},
                  ""},
        FaultCase{"strand_option",
                  "2\n" + pipe(1) + prestressed(2, "Strands placed automatically\n"),
                  kUS,
                  195,
                  {"INPUT ERROR - Unrecognized input for strand no. 2", ""},
                  ""},
        FaultCase{"strands_out_of_order",
                  "1\n" + prestressed(1, "Manually-positioned strands\n1\n3\n300000\n0.2\n"
                                         "1 3 0 5\n3 3 5 0\n"),
                  kUS,
                  195,
                  {"INPUT ERROR - Input lines out-of-order for strand no. 2"},
                  ""},
        FaultCase{"strand_type_6",
                  "1\n" + prestressed(1, "Autoposition strands\n6\n0\n12\n300000\n0.2\n3\n1\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Strand type index 6 of section 1 is not one of 0 to 5"},
                  ""},
        FaultCase{"strand_size_8",
                  "1\n" + prestressed(1, "Autoposition strands\n1\n8\n12\n300000\n0.2\n3\n1\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Strand size index 8 of section 1 is not one of 0 to 7 for "
                       "strand type 1"},
                  ""},
        FaultCase{"strand_pattern_3",
                  "1\n" + prestressed(1, "Autoposition strands\n1\n3\n12\n300000\n0.2\n3\n3\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Strand pattern code 3 of section 1 is not 0 (circle), 1 or "
                       "2 (square perimeter)"},
                  ""},
        FaultCase{"three_strands_on_a_square",
                  "1\n" + prestressed(1, "Autoposition strands\n1\n3\n3\n300000\n0.2\n3\n1\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Section 1 has 3 strands in square pattern 1; a square "
                       "pattern needs at least 4"},
                  ""},
        FaultCase{"301_strands",
                  "1\n" + prestressed(1, "Autoposition strands\n1\n3\n301\n300000\n0.2\n3\n1\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Section 1 has 301 strands; at most 300 are allowed"},
                  ""},
        FaultCase{"square_strands_outside_the_pile",
                  "1\n" + prestressed(1, "Autoposition strands\n1\n3\n12\n300000\n0.2\n6\n1\n",
                                      12),
                  kUS, 255, {},
                  "Problem: The strands of section 1 do not fit inside the pile: pile width 12, "
                  "strand diameter 0.5 and cover 6 leave a square of half-width -0.25."},
        FaultCase{"strand_circle_without_cover",
                  "1\n" + prestressed(1, "Autoposition strands\n1\n3\n12\n300000\n0.2\n0\n0\n"),
                  kUS,
                  241,
                  {"**** RUNTIME ERROR NO. 41 ****", "",
                   "PROBLEM:  Input error for calculation of rebar positions.",
                   "          Clear cover over rebar is less than zero.",
                   "SOLUTION: Correct pile geometry data."},
                  ""},
        FaultCase{"elastic_shape_7",
                  "1\n1\n11\n10\n7\n",
                  kUS,
                  195,
                  {"", "INPUT ERROR - Cross-sectional shape code 7 of section 1 is not one of 1 "
                       "to 6"},
                  ""},
        FaultCase{"zero_elastic_modulus", "1\n1\n11\n10\n2\n0\n", kSI, 191, {},
                  "Problem: Section 1: elastic modulus is 0 (line "},
        FaultCase{"h_pile_without_inertia",
                  "1\n1\n11\n10\n4\n29000000\n10.225\n9.99\n0.565\n0.565\n16.8\n0\n", kUS, 191,
                  {}, "Problem: Section 1: moment of inertia is 0 (line "},
        FaultCase{"zero_plastic_moment", "1\n1\n12\n10\n2\n3000000\n0\n", kUS, 191, {},
                  "Problem: Section 1: plastic moment capacity is 0 (line "},
        FaultCase{"101_moment_curves",
                  curve_section("13", "101\n"),
                  kUS,
                  195,
                  {"", "INPUT ERROR - Section 1 has 101 moment-stiffness curves; 1 to 100 are "
                       "allowed"},
                  ""},
        FaultCase{"151_curve_points", curve_section("13", "1\n0\n151\n"), kUS, 192, {},
                  "Problem: Curve 1 of section 1 has 151 points (line "},
        FaultCase{"curve_of_no_points", curve_section("13", "1\n0\n0\n"), kUS, 192, {},
                  "Problem: Curve 1 of section 1 has 0 points (line "},
        FaultCase{"no_curve", curve_section("13", "0\n"), kUS, 192, {},
                  "Problem: Section 1 has 0 moment-stiffness curves (line "},
        FaultCase{"zero_stiffness", curve_section("13", "1\n0\n3\n0\n5e10\n1e6\n0\n"), kUS,
                  192, {}, "Problem: Section 1, curve 1, point 2 (line "},
        FaultCase{"negative_curvature", curve_section("-13", "1\n0\n2\n1e6\n2e-5\n2e6\n-1e-4\n"),
                  kUS, 192, {}, "Problem: Section 1, curve 1, point 2 (line "},
        FaultCase{"curve_of_the_origin_alone", curve_section("-13", "1\n0\n1\n0\n0\n"), kUS, 192,
                  {}, "Problem: Section 1, curve 1, point 1 (line "}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

// A well-formed curve of the largest size is accepted.
TEST_F(SectionReader, CurveOf150PointsFitsItsTable) {
  ASSERT_EQ(run(curve_section("13", "1\n0\n150\n" + points(150))), 0);
  EXPECT_EQ(section(1).curves[0].point_count, 150);
  EXPECT_DOUBLE_EQ(section(1).curves[0].curvature[149], 150000.0 / 1e10);
}

// ---------------------------------------------------------------------------------------------
// The bundled example

TEST(SectionExample, ReadsAndStacksEverySection) {
  RunFolder folder;
  const std::string text = read_text(std::string(TORVA_EXAMPLES_DIR) + "/pile-sections.tp7");
  ASSERT_FALSE(text.empty());
  ASSERT_EQ(folder.run(text), 0);
  const Sections& sections = folder.engine().sections;
  EXPECT_EQ(sections.count, 4);
  EXPECT_EQ(sections.pile_length, 960.0);  // 80 ft in inches
  EXPECT_EQ(sections.table[0].bar_count, 24);
  EXPECT_EQ(sections.table[2].strand_count, 16);
}

}  // namespace
}  // namespace torva::testing
