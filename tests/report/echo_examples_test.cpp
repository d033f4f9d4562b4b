// The input echo of the example files. The echo of layered_soil_us.tp7 is checked line by line
// against the text written out below from the input file; the other examples for their title,
// their layers and the texts of their unit system.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace torva::testing {
namespace {

namespace fs = std::filesystem;

const std::string kRule(80, '-');

std::string example(const std::string& name) {
  return read_text(std::string(TORVA_EXAMPLES_DIR) + "/" + name);
}

std::string trimmed(std::string line) {
  line.erase(line.find_last_not_of(' ') + 1);
  return line;
}

std::string at56(std::string label, const std::string& rest) {
  label.resize(55, ' ');
  return label + "= " + rest;
}

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

std::vector<std::string> heading(const std::string& title, int indent, int empty_before = 1) {
  std::vector<std::string> lines(static_cast<std::size_t>(empty_before), "");
  for (const std::string& line : {kRule, blanks(indent) + title, kRule, std::string()}) {
    lines.push_back(line);
  }
  return lines;
}

void add(std::vector<std::string>& to, const std::vector<std::string>& lines) {
  to.insert(to.end(), lines.begin(), lines.end());
}

// The echo of a report: from the line after the date of analysis to the last line before the
// section analysis heading (two empty lines and a rule).
std::vector<std::string> echo_of(const std::vector<std::string>& report) {
  std::size_t begin = 0;
  while (begin < report.size() && report[begin].rfind(blanks(15) + "Date:  ", 0) != 0) ++begin;
  std::size_t end = begin;
  while (end < report.size() &&
         report[end] !=
             "    Computations of Nominal Moment Capacity and Nonlinear Bending "
             "Stiffness") {
    ++end;
  }
  std::vector<std::string> lines;
  if (end >= report.size()) return lines;
  for (std::size_t i = begin + 1; i + 3 < end; ++i) lines.push_back(trimmed(report[i]));
  return lines;
}

// Pipe pile of two sections in four layers (soft clay, sand, stiff clay with free water, weak
// rock), 10 deg slope, 5 deg batter, p-multipliers, soil movement, distributed load, tip shear.
std::vector<std::string> layered_soil_us_echo() {
  std::vector<std::string> e;
  add(e, heading("Problem Title", 32));
  add(e,
      {"Layered soil, US customary units: a 24-in steel pipe pile, 50 ft long, wall 0.75 in "
       "then 0.5 in.",
       "Soft clay over sand over stiff clay with free water over weak rock; ground 2 ft below "
       "the head.",
       "Two load cases with a distributed load on the stick-up, 10 deg ground slope, 5 deg "
       "batter,",
       "p-multipliers for group action, tip shear resistance and lateral soil movement.", "", ""});
  add(e, heading("Program Options", 31));
  add(e, {"Engineering Units of Input Data and Computations:",
          " - Engineering units are US Customary Units: pounds, inches, feet",
          "",
          "Analysis Control Options:",
          at56("- Maximum number of iterations allowed", "         100"),
          at56("- Deflection tolerance for convergence", "  0.1000E-04 in"),
          at56("- Maximum allowable deflection", "     10.0000 in"),
          at56("- Number of pile increments", "         100"),
          "",
          "Loading Type and Number of Cycles of Loading:",
          " - Static loading specified",
          "",
          "Computational Options:",
          " - Use unfactored loads in computations",
          " - No computation of pile-head foundation stiffness matrix",
          " - Compute pile response under loading and nonlinear bending properties of pile",
          "   (if nonlinear properties are specified)",
          " - Push-over analysis of pile not selected",
          " - Buckling analysis of pile not selected",
          "",
          "Input Data Options:",
          "- Analysis uses p-y modification factors for group action",
          "- Analysis includes tip shear resistance for short pile or shaft",
          "- Analysis includes loading by soil movements acting on pile",
          "",
          "Output Options:",
          "- No p-y curves to be computed and reported for user-specified depths",
          "- Values of pile-head deflection, bending moment, shear force, and",
          "  soil reaction are printed for full length of pile.",
          at56("- Printing Increment (nodal spacing of output points)", "2"),
          "",
          ""});
  add(e, heading("Pile Structural Properties and Geometry", 20, 0));
  add(e, {at56("Total number of pile sections", "         2"), "",
          at56("Total length of pile ", "     50.00 ft"), "",
          at56("Depth of ground surface below top of pile", "      2.00 ft"), "",
          "Pile diameter values used for p-y curve computations are defined using 4 points.", "",
          "p-y curves are computed using pile diameter values interpolated with depth over",
          "the length of the pile.", "", "Point         Depth              Pile",
          "                X              Diameter", blanks(16) + "ft" + blanks(16) + "in",
          "-----       ---------        -----------",
          // I5, 3X, number field of 13, 5X, number field of 14
          "    1" + blanks(3) + "      0.00000" + blanks(5) + "    24.0000000",
          "    2" + blanks(3) + "    30.000000" + blanks(5) + "    24.0000000",
          "    3" + blanks(3) + "    30.000000" + blanks(5) + "    24.0000000",
          "    4" + blanks(3) + "    50.000000" + blanks(5) + "    24.0000000", "",
          "Input Structural Properties:", std::string(28, '-')});
  for (const char* length : {"    30.00000 ft", "    20.00000 ft"}) {
    const int n = length[4] == '3' ? 1 : 2;
    add(e,
        {"", "Pile Section No. " + std::to_string(n) + ":", "", "   Section Type = Steel Pipe Pile",
         at56("   Section Length", length), at56("   Pile Diameter", "    24.00000 in")});
  }
  add(e, heading("Ground Slope and Pile Batter Angles", 22));
  add(e, {at56("Ground Slope Angle", "      10.000 degrees"), at56("", "       0.175 radians"), "",
          at56("Pile Batter Angle", "       5.000 degrees"), at56("", "       0.087 radians"), ""});
  add(e, heading("Soil and Rock Layering Information", 23, 2));
  add(e, {"The soil profile is modelled using 4 layers", ""});
  auto layer = [&](int i, const std::string& text, const std::string& top,
                   const std::string& bottom, const std::string& gamma_top,
                   const std::string& gamma_bottom) {
    add(e, {"Layer " + std::to_string(i) + text, "",
            at56("   Distance from top of pile to top of layer", top + " ft"),
            at56("   Distance from top of pile to bottom of layer", bottom + " ft"),
            at56("   Effective unit weight at top of layer", gamma_top + " pcf"),
            at56("   Effective unit weight at bottom of layer", gamma_bottom + " pcf")});
  };
  auto pair = [&](const std::string& label, const std::string& top, const std::string& bottom) {
    add(e, {at56("   " + label + " at top of layer", top),
            at56("   " + label + " at bottom of layer", bottom)});
  };
  layer(1, " is soft clay, p-y criteria by Matlock, 1970", "     2.00000", "    12.00000",
        "   110.00000", "   110.00000");
  pair("Undrained cohesion", "   400.00000 psf", "   600.00000 psf");
  pair("Epsilon-50", "     0.02000", "     0.02000");
  e.push_back("");
  layer(2, " is sand, p-y criteria by Reese et al., 1974", "    12.00000", "    25.00000",
        "    57.60000", "    62.40000");
  pair("Friction angle", "    32.00000 deg.", "    34.00000 deg.");
  pair("Subgrade k", "    60.00000 pci", "    60.00000 pci");
  e.push_back("");
  layer(3, " is stiff clay with water-induced erosion", "    25.00000", "    40.00000",
        "    60.00000", "    60.00000");
  pair("Undrained cohesion", "  2000.00000 psf", "  2500.00000 psf");
  pair("Epsilon-50", "     0.00500", "     0.00500");
  pair("Subgrade k", "   500.00000 pci", "  1000.00000 pci");
  e.push_back("");
  layer(4, " is weak rock, p-y criteria by Reese, 1997", "    40.00000", "    60.00000",
        "    80.00000", "    80.00000");
  pair("Uniaxial compressive strength", "   800.00000 psi", "  1000.00000 psi");
  pair("Initial modulus of rock", "     100000. psi", "     150000. psi");
  pair("RQD of rock", "    60.00000 %", "    70.00000 %");
  pair("k rm of rock", "   0.0005000", "   0.0005000");
  // 60 - 50 cos(5 deg) = 10.19 ft of soil below the tip.
  add(e, {"", "   (Depth of lowest soil layer extends   10.19 ft below pile tip)", ""});

  // Columns: layer I4 from 1, long name from 8, depth and unit weight number fields of 12
  // ending at 53 and 65, then from 67 13 columns per property: 3 blanks and a field of 10.
  add(e, heading("Summary of Soil Properties", 27, 2));
  const std::string not_used = "   " + std::string("    --    ");
  auto cell = [](const std::string& ten) { return "   " + ten; };
  add(e, {"Layer  Soil Type" + blanks(30) + "Layer     Effective" + blanks(5) + "Undrained" +
              blanks(4) + "Angle of" + blanks(6) + "Uniaxial" + blanks(6) + "RQD %" + blanks(7) +
              "Strain" + blanks(8) + "kpy" + blanks(8) + "Rock Mass" + blanks(6) + "krm",
          " Num.  Name" + blanks(35) + "Depth     Unit Wt." + blanks(6) + "Cohesion" + blanks(5) +
              "Friction" + blanks(8) + "qu" + blanks(12) + "or" + blanks(8) + "Factor" +
              blanks(18) + "Rock Emass",
          blanks(7) + "(p-y Curve Criteria)" + blanks(19) + "ft" + blanks(8) + "pcf" + blanks(10) +
              "psf" + blanks(10) + "deg." + blanks(9) + "psi" + blanks(14) + "GSI" + blanks(6) +
              "Epsilon 50" + blanks(3) + "pci" + blanks(10) + "psi",
          "-----  " + std::string(34, '-') + "  " + std::string(10, '-') + "  " +
              std::string(10, '-') +
              "    ----------   ----------   ----------   ----------   "
              "----------   ----------   ----------   ----------"});
  auto rows = [&](const std::string& head, const std::string& top_depth,
                  const std::string& bottom_depth, const std::string& gamma,
                  const std::vector<std::string>& top, const std::vector<std::string>& bottom) {
    std::string first = head;
    first.resize(41, ' ');
    std::string second = blanks(41);
    first += top_depth + gamma + " ";
    second += bottom_depth + gamma + " ";
    for (const std::string& c : top) first += c;
    for (const std::string& c : bottom) second += c;
    add(e, {trimmed(first), trimmed(second)});
  };
  const std::string u = not_used;
  rows("   1   Soft Clay", "     2.00000", "    12.00000", "   110.00000",
       {cell("   400.000"), u, u, u, cell("   0.02000"), u, u, u},
       {cell("   600.000"), u, u, u, cell("   0.02000"), u, u, u});
  rows("   2   Sand (Reese, et al.)", "    12.00000", "    25.00000", "    57.60000",
       {u, cell("    32.000"), u, u, u, cell("    60.000"), u, u},
       {u, cell("    34.000"), u, u, u, cell("    60.000"), u, u});
  // The bottom row's unit weight of layer 2 is 62.4.
  e[e.size() - 1].replace(53, 12, "    62.40000");
  rows("   3   Stiff Clay with Free Water", "    25.00000", "    40.00000", "    60.00000",
       {cell("  2000.000"), u, u, u, cell("   0.00500"), cell("   500.000"), u, u},
       {cell("  2500.000"), u, u, u, cell("   0.00500"), cell("  1000.000"), u, u});
  rows(
      "   4   Weak Rock", "    40.00000", "    60.00000", "    80.00000",
      {u, u, cell("   800.000"), cell("    60.000"), u, u, cell("   100000."), cell("  0.50E-03")},
      {u, u, cell("  1000.000"), cell("    70.000"), u, u, cell("   150000."), cell("  0.50E-03")});

  add(e, heading("p-y Modification Factors for Group Action", 19, 3));
  add(e, {"Distribution of p-y modifiers with depth defined using 2 points", "",
          "Point      Depth X         p-mult         y-mult", " No.          ft",
          "-----     ----------     ----------     ----------",
          // I3, F17.3, F15.4, F15.4
          "  1" + blanks(12) + "2.000" + blanks(9) + "0.7000" + blanks(9) + "1.0000",
          "  2" + blanks(11) + "60.000" + blanks(9) + "0.7000" + blanks(9) + "1.0000"});
  add(e, heading("Lateral Soil Movements", 29));
  add(e, {"Profile of soil movement with depth defined using 3 points", "",
          "Point       Depth X     Soil Movement", " No." + blanks(11) + "ft" + blanks(13) + "in",
          "-----     ----------    -------------",
          // I3, 2X, 2F15.5
          "  1" + blanks(2) + blanks(8) + "2.00000" + blanks(8) + "1.00000",
          "  2" + blanks(2) + blanks(7) + "12.00000" + blanks(8) + "0.50000",
          "  3" + blanks(2) + blanks(7) + "25.00000" + blanks(8) + "0.00000"});
  add(e, heading("Loading Type", 33));
  e.push_back("Static loading criteria were used when computing p-y curves for all analyses.");
  add(e, heading("Distributed Lateral Loading", 27));
  add(e, {"Distributed lateral load intensity defined using 2 points", "",
          "Point           Depth X            Dist. Load",
          " No." + blanks(15) + "in" + blanks(16) + "lb/in",
          "-----          ----------          ----------",
          // I3, F20.3, F20.3
          "  1" + blanks(15) + "0.000" + blanks(13) + "100.000",
          "  2" + blanks(14) + "24.000" + blanks(13) + "100.000"});
  add(e, heading("Pile-head Loading and Pile-head Fixity Conditions", 15));
  add(e, {"Number of loads specified = 2", "",
          "Load    Load         Condition               Condition            Axial Thrust"
          "            Compute",
          " No.    Type             1                       2                 Force, lbs" +
              blanks(6) + "Top y vs. Pile Length",
          "-----   ----   --------------------   -----------------------   ----------------"
          "   ---------------------",
          "   1     1     V =       25000. lbs   M =      600000. in-lb         200000. lbs" +
              blanks(12) + "No",
          "   2     2     V =       25000. lbs   S =       0.0000 radians       200000. lbs" +
              blanks(12) + "Yes",
          "", "V = perpendicular shear force applied to pile head",
          "M = bending moment applied to pile head", "y = lateral deflection relative to pile axis",
          "S = pile slope relative to original pile batter angle",
          "R = rotational stiffness applie to pile head",
          "Axial thrust is assumed to be acting axially for all pile batter angles."});
  add(e, heading("Shear Resistance Curve at Pile Tip", 22));
  add(e, {"Point     Displacement     Tip Shear Force",
          " No." + blanks(11) + "in" + blanks(18) + "lbs",
          "-----     ------------     ---------------",
          // I4, 5X, F10.3, 10X, F10.3
          "   1" + blanks(5) + "     0.000" + blanks(10) + "     0.000",
          "   2" + blanks(5) + "     0.100" + blanks(10) + "  5000.000",
          "   3" + blanks(5) + "     0.500" + blanks(10) + " 12000.000"});
  for (std::string& line : e) line = trimmed(line);
  return e;
}

TEST(EchoOfExamples, LayeredSoilUsIsRestatedLineByLine) {
  RunFolder folder;
  folder.run(example("layered_soil_us.tp7"));
  const std::vector<std::string> echo = echo_of(folder.report());
  const std::vector<std::string> expected = layered_soil_us_echo();
  ASSERT_FALSE(echo.empty());
  for (std::size_t i = 0; i < std::max(echo.size(), expected.size()); ++i) {
    ASSERT_LT(i, echo.size()) << "missing from line " << i << ": " << expected[i];
    ASSERT_LT(i, expected.size()) << "extra line " << i << ": " << echo[i];
    EXPECT_EQ(echo[i], expected[i]) << "line " << i;
  }
  EXPECT_TRUE(contains_block(folder.messages(),
                             {"Output of input data begun", "Output of input data completed", ""}));
}

// The five title lines of an input file and the number of its soil layers.
struct FileFacts {
  std::vector<std::string> title;
  int layers = 0;
};

FileFacts facts_of(const std::string& text) {
  FileFacts facts;
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1) {
    lines.push_back(text.substr(from, at - from));
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == "TITLE") facts.title.assign(lines.begin() + i + 1, lines.begin() + i + 6);
    if (lines[i] == "SOIL LAYERS") facts.layers = std::stoi(lines[i + 1]);
  }
  return facts;
}

TEST(EchoOfExamples, EveryExampleHoldsItsTitleAndOneBlockPerLayer) {
  for (const auto& entry : fs::directory_iterator(TORVA_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".tp7") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const std::string text = read_text(entry.path());
    const FileFacts facts = facts_of(text);
    RunFolder folder;
    ASSERT_TRUE(InputAccepted(folder.run(text)));
    const auto report = folder.report();
    std::vector<std::string> title = heading("Problem Title", 32);
    add(title, facts.title);
    EXPECT_TRUE(contains_block(report, title));
    int layer_blocks = 0;
    for (const std::string& line : report) {
      const std::string start = "Layer " + std::to_string(layer_blocks + 1) + " is ";
      if (line.rfind(start, 0) == 0) ++layer_blocks;
    }
    EXPECT_EQ(layer_blocks, facts.layers);
    EXPECT_TRUE(contains_line(folder.messages(), "Output of input data completed"));
  }
}

TEST(EchoOfExamples, SiFileUsesSiUnitTexts) {
  RunFolder folder;
  folder.run(example("layered_soil_si.tp7"));
  const auto report = folder.report();
  EXPECT_TRUE(
      contains_line(report, " - Engineering units are SI Units: kilonewtons, meters, millimeters"));
  EXPECT_TRUE(
      contains_line(report, at56("- Deflection tolerance for convergence", "  0.2540E-06 m")));
  EXPECT_TRUE(contains_line(report, at56("Total length of pile ", "     15.00 m")));
  // The 610 mm pipe in metres.
  EXPECT_TRUE(contains_line(report, at56("   Pile Diameter   ", "     0.61000 m")));
  EXPECT_TRUE(contains_line(
      report, at56("   Distance from top of pile to top of layer", "     0.50000 m")));
  EXPECT_TRUE(contains_line(report,
                            "Layer 1 is soft clay with user-defined J, p-y criteria by "
                            "Matlock, 1970"));
  EXPECT_TRUE(contains_line(report, "Layer 3 is cemented silt with cohesion and friction"));
  EXPECT_TRUE(contains_line(report, "Layer 4 is strong rock (vuggy limestone)"));
  EXPECT_TRUE(contains_line(report, blanks(27) + "Summary of Soil Properties"));
  // Soil movements given in millimetres are shown in metres.
  EXPECT_TRUE(contains_block(
      report,
      {"Point       Depth X     Soil Movement", " No." + blanks(11) + "m" + blanks(14) + "m",
       "-----     ----------    -------------",
       "  1" + blanks(2) + blanks(8) + "0.50000" + blanks(8) + "0.02500"}));
  EXPECT_FALSE(contains_line(report, "general units have been selected."));
}

TEST(EchoOfExamples, GeneralUnitsFileWritesItsNotesAndNoSummaryTable) {
  RunFolder folder;
  ASSERT_EQ(folder.run(example("elastic_pile_general.tp7")), 0);
  const auto report = folder.report();
  EXPECT_TRUE(contains_line(report, " - Engineering units are Generic Units: force, length"));
  EXPECT_TRUE(contains_block(
      report,
      {"", "", "(Specified convergence tolerance of 0 reset by program to 2.54E-07 meters)", ""}));
  EXPECT_EQ(folder.engine().options.ConvergenceTolerance, 2.5400000325248584e-8);
  const std::vector<std::string> note = {"",
                                         "**** Warning ****",
                                         "",
                                         "Values of effective unit weight cannot be checked "
                                         "because ",
                                         "general units have been selected.",
                                         ""};
  EXPECT_TRUE(contains_block(report, note));
  EXPECT_TRUE(contains_block(folder.messages(), note));
  EXPECT_TRUE(contains_line(report, at56("   Top Area", "     0.28274 Sq. L")));
  EXPECT_TRUE(contains_line(report, at56("   Moment of Inertia at Top", "     0.00636 L^4")));
  EXPECT_TRUE(contains_line(report, at56("   Elastic Modulus", "   25000000. F/L^2")));
  EXPECT_TRUE(
      contains_line(report, at56("   Elastic subgrade at top of layer", "      20000. F/L3")));
  EXPECT_FALSE(contains_line(report, blanks(27) + "Summary of Soil Properties"));
}

}  // namespace
}  // namespace torva::testing
