// Blocks of the input echo that the examples do not show: the section types with their own
// lines, the criteria with field tests, user curves and default notes, and the control data of
// the optional analyses.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

std::string at56(std::string label, const std::string& rest) {
  label.resize(55, ' ');
  return label + "= " + rest;
}

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

bool has_line_with(const std::vector<std::string>& lines, const std::string& part) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.find(part) != line.npos; });
}

const std::string kConcreteUS =
    "4000\n0.75\nUse default concrete tensile strength\n"
    "Use internal stress-strain curve for concrete\n";

TEST(EchoBlocks, SectionTypesShowTheirOwnLines) {
  const std::string sections =
      "SECTIONS\n3\n"
      // elastic-plastic strong-axis H-pile, 40 ft
      "1\n12\n40\n4\n29000000\n3100000\n10.225\n9.99\n0.565\n0.565\n16.8\n294\n"
      // moment-curvature points from the origin, 30 ft
      "2\n-13\n30\n24\n1\n0 3\n0\n0\n1e6\n2.5e-5\n2e6\n1e-4\n"
      // cased shaft with a void core, 10 ft
      "3\n-3\n10\n48\n0.75\n36000\n29000000\n24\n0.5\n50000\n29000000\n" +
      kConcreteUS + "No rebar\n";
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(
      folder.run(input_file({.pile = false}, sections + one_soft_clay_layer("100")))));
  const auto report = folder.report();
  EXPECT_TRUE(contains_block(
      report,
      {"Pile Section No. 1:", "",
       at56("   Section Type", "Elastic with Specified Moment Capacity "),
       at56("   Cross-sectional Shape", "  Strong H-Pile"),
       at56("   Section Length  ", "    40.00000 ft"), at56("   Flange Width", "    10.22500 in"),
       at56("   Section Depth", "     9.99000 in"), at56("   Flange Thickness", "     0.56500 in"),
       at56("   Web Thickness", "     0.56500 in"), at56("   Section Area", "    16.80000 Sq. in"),
       at56("   Moment of Inertia", "   294.00000 in^4"),
       at56("   Elastic Modulus", "   29000000. lbs/in^2"),
       at56("   Plastic Moment Capacity    ", "    3100000. in-lb")}));
  // Number fields of 20: zero with 12 decimals, 1e4 and up with none, small values with 13.
  const std::string zero20 = "      0.000000000000";
  EXPECT_TRUE(contains_block(
      report,
      {"Pile Section No. 2:", "", at56("   Section Type", "Pile with User-defined Nonlinear EI"),
       at56("   Section Length  ", "    30.00000 ft"),
       at56("   Section Diameter", "    24.00000 in"),
       at56("   Number of Axial Thrusts", blanks(14) + "1"), "",
       at56("   Axial Thrust (1)", "      0.0000 lbs"),
       at56("   Number of Moment-vs.-Curvature Points on Curve 1", blanks(14) + "3"), "",
       "   Point         Bending Moment         Bending Stiffness         Bending Curvature",
       "    No.            in-lb" + blanks(21) + "lbs-in^2" + blanks(17) + "rad/in",
       "   -----      --------------------     --------------------     --------------------",
       "       1" + blanks(6) + zero20 + blanks(5) + blanks(8) + "40000000000." + blanks(5) +
           zero20,
       "       2" + blanks(6) + blanks(12) + "1000000." + blanks(5) + blanks(8) + "40000000000." +
           blanks(5) + blanks(5) + "0.0000250000000",
       "       3" + blanks(6) + blanks(12) + "2000000." + blanks(5) + blanks(8) + "20000000000." +
           blanks(5) + blanks(5) + "0.0001000000000",
       ""}));
  EXPECT_TRUE(contains_block(
      report,
      {"Pile Section No. 3:", "", "   Section Type = Drilled Shaft with Casing and Void Core   ",
       at56("   Section Length  ", "    10.00000 ft"),
       at56("   Section Diameter", "    48.00000 in")}));
  // Section points of the H-pile carry its flange width.
  EXPECT_TRUE(
      contains_line(report, "    1" + blanks(3) + "      0.00000" + blanks(5) + "    10.2250000"));
}

TEST(EchoBlocks, ConcreteAndPrestressedSectionsShowTheirTypeAndDimensions) {
  const std::string automatic = "Autoposition strands\n1\n3\n12\n350000\n0.2\n3\n0\n";
  const std::string square = "Autoposition strands\n1\n3\n12\n400000\n0.2\n3\n1\n";
  const std::string manual =
      "Manually-positioned strands\n2\n3\n300000\n0.15\n1 2 0 8\n2 4 6.93 -4\n3 2 -6.93 -4\n";
  const std::string c = kConcreteUS;
  const std::string sections =
      "SECTIONS\n9\n"
      "1\n0\n10\n24\n18\n" +
      c + "No rebar\n" + "2\n1\n10\n36\n" + c + "No rebar\n" +
      "3\n2\n10\n48\n0.75\n36000\n29000000\n" + c + "No rebar\n" + "4\n5\n10\n24\n" + c +
      automatic + "5\n6\n10\n24\n12\n" + c + automatic + "6\n7\n10\n18\n0.75\n" + c + square +
      "7\n8\n10\n18\n8\n0.75\n" + c + square + "8\n9\n10\n24\n" + c + manual +
      "9\n10\n10\n24\n10\n" + c + manual;
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(folder.run(input_file({.ei_only = true, .pile = false}, sections))));
  const auto report = folder.report();
  const std::string length = at56("   Section Length  ", "    10.00000 ft");
  auto dimension = [](const std::string& label, const std::string& value) {
    return at56(label, value + " in");
  };
  const std::vector<std::vector<std::string>> expected = {
      {at56("   Section Type ", "Rectangular Concrete Pile"), length, ""},
      {at56("   Section Type ", "Drilled Shaft (Bored Pile)"), length,
       dimension("   Section Diameter", "    36.00000")},
      {"   Section Type = Drilled Shaft with Permanent Casing  ", length,
       dimension("   Section Diameter", "    48.00000")},
      {"   Section Type = Circular Solid Prestressed Pile    ", length,
       dimension("   Pile Diameter   ", "    24.00000")},
      {"   Section Type = Circular Hollow Prestressed Pile    ", length,
       dimension("   Pile Diameter   ", "    24.00000"),
       dimension("   Void Diameter   ", "    12.00000")},
      {"   Section Type = Square Solid Prestressed Pile     ", length,
       dimension("   Pile Width      ", "    18.00000"),
       dimension("   Corner Chamfer  ", "     0.75000")},
      {"   Section Type = Square Hollow Prestressed Pile     ", length,
       dimension("   Pile Width      ", "    18.00000"),
       dimension("   Void Diameter   ", "     8.00000"),
       dimension("   Corner Chamfer  ", "     0.75000")},
      {"   Section Type = Octagonal Solid Prestressed Pile    ", length,
       dimension("   Pile Width      ", "    24.00000"), ""},
      {"   Section Type = Octagonal Hollow Prestressed Pile   ", length,
       dimension("   Pile Width      ", "    24.00000"),
       dimension("   Void Diameter   ", "    10.00000")},
  };
  for (std::size_t n = 0; n < expected.size(); ++n) {
    SCOPED_TRACE("section " + std::to_string(n + 1));
    std::vector<std::string> block = {"Pile Section No. " + std::to_string(n + 1) + ":", ""};
    block.insert(block.end(), expected[n].begin(), expected[n].end());
    EXPECT_TRUE(contains_block(report, block));
  }
}

TEST(EchoBlocks, CriteriaShowTheirFieldTestsCurvesAndDefaultNotes) {
  const std::string soil =
      "SOIL LAYERS\n5\n"
      "1 0 10\n110 1000 0\n110 1000 0\n"                            // soft clay, default eps50
      "5 10 20\n60 32 0\n60 34 0\n"                                 // sand, default k
      "11 20 30\n110 500 30 0.01 0\n110 500 30 0.01 0\n"            // cemented silt, default k
      "10 30 40\n110 1 20 0 0 0\n110 1 30 0 0 0\n"                  // Piedmont, SPT
      "14 40 60\n110 3\n0 0\n0.5 100\n1 150\n110 2\n0 0\n1 300\n";  // user-input curves
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(folder.run(input_file({}, soil))));
  const auto report = folder.report();
  const std::vector<std::string> eps50_note = {
      "   NOTE: Internal default values for Epsilon-50 will be computed for",
      "         the above soil layer.", ""};
  std::vector<std::string> first = {at56("   Epsilon-50 at top of layer", "      0.0000"),
                                    at56("   Epsilon-50 at bottom of layer", "      0.0000"), ""};
  first.insert(first.end(), eps50_note.begin(), eps50_note.end());
  first.push_back("Layer 2 is sand, p-y criteria by Reese et al., 1974");
  EXPECT_TRUE(contains_block(report, first));
  EXPECT_TRUE(contains_block(
      report, {at56("   Subgrade k at bottom of layer", "      0.0000 pci"), "",
               "   NOTE: Internal default values for subgrade k will be computed for",
               "         the above soil layer.", "",
               "Layer 3 is cemented silt with cohesion and friction"}));
  EXPECT_TRUE(contains_block(
      report, {"   NOTE:  Internal default values for subgrade k will be computed for",
               "         the above soil layer.", "", "Layer 4 is Piedmont residual soil"}));
  EXPECT_TRUE(
      contains_block(report, {"   The type of field test is the Standard Penetration Test (SPT)",
                              at56("   SPT N60 at top of layer", "    20.00000 blows/ft"),
                              at56("   SPT N60 at bottom of layer", "    30.00000 blows/ft")}));
  EXPECT_TRUE(contains_block(
      report, {"", "User-input p-y curve at top of layer 5,    Depth =     40.000 ft", "",
               "Point                y                     p     ",
               " No." + blanks(17) + "in" + blanks(18) + "lb/in",
               "-----          ------------          ------------",
               // I5, from 15 and from 37 number fields of 13 (zero F12.5, others F12.6)
               "    1" + blanks(9) + "      0.00000" + blanks(9) + "      0.00000",
               "    2" + blanks(9) + "     0.500000" + blanks(9) + "   100.000000",
               "    3" + blanks(9) + "     1.000000" + blanks(9) + "   150.000000", "",
               "User-input p-y curve at bottom of layer 5, Depth =     60.000 ft"}));
  // The summary marks the default strain and names the field test.
  EXPECT_TRUE(has_line_with(report, "  default "));
  EXPECT_TRUE(has_line_with(report, "    SPT      "));
  EXPECT_TRUE(has_line_with(report, "  In-situ "));
}

// Layer i of criterion i from 1 + i to 2 + i m below the pile head (ground at 2 m), SI units.
TEST(EchoBlocks, EveryCriterionIsDescribedWithItsPropertyLines) {
  const char* records[] = {"18 50 0.01",
                           "18 50 0.01 100",
                           "18 50 0.01",
                           "18 50 0.01 100",
                           "18 30 100",
                           "18 32 100",
                           "18",
                           "20 5000 100000 50 0.0005",
                           "20 5000",
                           "18 4 0 0 0 2000",
                           "18 50 30 0.01 100",
                           "18 3000",
                           "18 20000",
                           "18 2\n0 0\n0.01 5",
                           "18 50 0.01 0.5",
                           "20 5000 20 40 1000"};
  std::string soil = "SOIL LAYERS\n17\n";
  for (int i = 1; i <= 17; ++i) {
    soil += std::to_string(i) + " " + std::to_string(1 + i) + " " + std::to_string(2 + i) + "\n";
    if (i == 17) break;
    const std::string record = std::string(records[i - 1]) + "\n";
    soil += record + record;
  }
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(folder.run(input_file({.units = "Units SI"}, soil))));
  const auto report = folder.report();
  const char* descriptions[] = {" is soft clay, p-y criteria by Matlock, 1970",
                                " is stiff clay with water-induced erosion",
                                " is stiff clay without free water",
                                " is stiff clay with water-induced erosion",
                                " is sand, p-y criteria by Reese et al., 1974",
                                " is sand, p-y criteria by API RP-2A, 1987",
                                " is liquefiable sand, by Rollins et al., 2004",
                                " is weak rock, p-y criteria by Reese, 1997",
                                " is strong rock (vuggy limestone)",
                                " is Piedmont residual soil",
                                " is cemented silt with cohesion and friction",
                                " is loess silt",
                                " is modelled using an elastic subgrade modulus",
                                " is modelled using user-specified p-y curves",
                                " is soft clay with user-defined J, p-y criteria by Matlock, 1970",
                                " is massive rock, p-y criteria by Liang et al., 2009"};
  for (int i = 1; i <= 16; ++i) {
    EXPECT_TRUE(contains_line(report, "Layer " + std::to_string(i) + descriptions[i - 1])) << i;
  }
  EXPECT_FALSE(has_line_with(report, "Layer 17 is"));  // frozen soil shows nothing
  EXPECT_TRUE(contains_block(
      report, {"   The type of field test is the Pressuremeter Test (DMT)",
               at56("   Pressuremeter modulus at top of layer", "  2000.00000 kPa"),
               at56("   Pressuremeter modulus at bottom of layer", "  2000.00000 kPa")}));
  EXPECT_TRUE(contains_line(report, at56("   p-y J factor at top of layer", "     0.50000")));
  EXPECT_TRUE(
      contains_line(report, at56("   Cone tip resistance at top of layer", "  3000.00000 kPa")));
  EXPECT_TRUE(
      contains_line(report, at56("   Elastic subgrade at top of layer", "      20000. kN/m3")));
  EXPECT_TRUE(contains_line(report, at56("   Subgrade k at top of layer", "   100.00000 kN/m3")));
  EXPECT_TRUE(
      contains_line(report, at56("   Undrained cohesion at top of layer", "    50.00000 kPa")));
  EXPECT_TRUE(contains_line(
      report, at56("   Uniaxial compressive strength at top of layer", "  5000.00000 kPa")));
  EXPECT_TRUE(contains_line(
      report,
      " The rock type is (metamorphic) metasandstone, Hoek-Brown Material Constant mi = 19"));
  EXPECT_TRUE(
      contains_line(report, "User-input p-y curve at top of layer 14,    Depth =     15.000 m"));
}

TEST(EchoBlocks, ControlDataOfTheOptionalAnalyses) {
  Switches switches;
  std::string file =
      input_file(switches, one_soft_clay_layer() +
                               "FOUNDATION STIFFNESS\n2\n10\n1\n0.5\n0.01\n"
                               "PILE PUSHOVER ANALYSIS DATA\n1\n2\n3\n0.1\n0.2\n0.4\n9.5\n"
                               "PILE BUCKLING ANALYSIS DATA\n1\n20\n1000.\n0.\n0.\n0.\n5.0E5\n");
  for (const auto& [off, on] :
       {std::pair<std::string, std::string>{"ComputeKmatrix NO", "ComputeKmatrix YES"},
        {"ComputePushover NO", "ComputePushover YES"},
        {"ComputePileBuckling NO", "ComputePileBuckling YES"}}) {
    file.replace(file.find(off), off.size(), on);
  }
  RunFolder folder;
  ASSERT_TRUE(InputAccepted(folder.run(file)));
  const auto report = folder.report();
  EXPECT_TRUE(contains_line(report, " - Compute pile-head foundation stiffness matrix  "));
  EXPECT_TRUE(
      contains_line(report, " - Compute push-over analysis of pile for specified deflections"));
  EXPECT_TRUE(contains_line(report, " - Compute buckling analysis of pile for specified loading"));
  EXPECT_TRUE(contains_block(
      report, {"  Computation Method 2 - Use user-specified maximum pile-head displacements",
               "  - Maximum pile-head displacement =      0.50000 in",
               "  - Maximum pile-head rotation     =      0.01000 radians",
               "  Number of K-matrix points to generate = 10",
               "  Point distribution method = arithmetic distribution"}));
  EXPECT_TRUE(contains_block(
      report, {at56("Pile-head fixity condition", "fixed head"), "",
               "  Number of user-defined pushover displacement values = 3", "",
               "     Point          Displacement", "      No." + blanks(16) + "in",
               "  ------------      ------------",
               // I9, 8X, number field of 13
               "        1" + blanks(8) + "     0.100000", "        2" + blanks(8) + "     0.200000",
               "        3" + blanks(8) + "     0.400000"}));
  EXPECT_TRUE(contains_block(
      report, {"Pile-head fixity condition for pile buckling analysis = shear and slope",
               "Number of axial loads for buckling analysis           = 20",
               "Pile-head shear force for buckling analysis           =   1000.00000 lbs",
               "Pile-head slope for buckling analysis                 =       0.0000 radians",
               "Maximum compression load for buckling analysis        =      500000. lbs"}));
}

}  // namespace
}  // namespace torva::testing
