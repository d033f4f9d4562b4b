// The input echo in whole runs of small files: the edge cases of the echo, each input error it
// raises with its text in the report and the run-message file, the order of the run around it,
// and checks that only a model built by hand can reach.
#include "report/input_echo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "input/input_fixtures.h"
#include "report/echo_blocks.h"
#include "support/plot_file.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

std::string at56(std::string label, const std::string& rest) {
  label.resize(55, ' ');
  return label + "= " + rest;
}

// `text` with its first `old_line` replaced.
std::string replaced(std::string text, const std::string& old_line, const std::string& new_line) {
  const auto at = text.find(old_line);
  EXPECT_NE(at, std::string::npos) << old_line;
  if (at != std::string::npos) text.replace(at, old_line.size(), new_line);
  return text;
}

std::string pipe_section(const std::string& length) {
  return "SECTIONS\n1\n1\n4\n" + length + "\n24\n0.5\n36000\n29000000\n";
}

// Soft clay layers of the given top and bottom depths (ft), 110 pcf, 1000 psf.
std::string clay_layers(const std::vector<std::pair<int, int>>& layers) {
  std::string text = "SOIL LAYERS\n" + std::to_string(layers.size()) + "\n";
  for (const auto& [top, bottom] : layers) {
    text += "1 " + std::to_string(top) + " " + std::to_string(bottom) +
            "\n110 1000 0.01\n110 1000 0.01\n";
  }
  return text;
}

std::size_t index_of(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

TEST(RockTypeLine, NamesTheRockOfEachClassAndTheUserDefinedConstants) {
  EXPECT_EQ(rock_type_line(1),
            " The rock type is (sedimentary) anhydrite, Hoek-Brown Material Constant mi = 12");
  EXPECT_EQ(rock_type_line(15),
            " The rock type is (sedimentary) sparitic limestones, "
            "Hoek-Brown Material Constant mi = 10");
  EXPECT_EQ(rock_type_line(16),
            " The rock type is (metamorphic) amphibolites, Hoek-Brown Material Constant mi = 26");
  EXPECT_EQ(rock_type_line(42),
            " The rock type is (igneous) tuff, Hoek-Brown Material Constant mi = 13");
  EXPECT_EQ(rock_type_line(43),
            " The rock type is (unclassified) User-defined Hoek-Brown Material Constant mi = 4");
  EXPECT_EQ(rock_type_line(71),
            " The rock type is (unclassified) User-defined Hoek-Brown Material Constant mi = 32");
  EXPECT_EQ(rock_type_line(72), "");
  EXPECT_EQ(rock_type_line(0), "");
}

// A file the echo accepts (or ends), and a block of lines its report must hold.
struct EchoCase {
  const char* name;
  std::string input;
  int code;
  std::vector<std::string> report;
  std::vector<std::string> messages;  // also in the run-message file, unless empty
};

class EchoEdgeCases : public ::testing::TestWithParam<EchoCase> {};

TEST_P(EchoEdgeCases, WriteTheirLines) {
  const EchoCase& c = GetParam();
  RunFolder folder;
  ASSERT_EQ(folder.run(c.input), c.code);
  EXPECT_TRUE(contains_block(folder.report(), c.report));
  if (!c.messages.empty()) {
    EXPECT_TRUE(contains_block(folder.messages(), c.messages));
  }
}

const std::vector<std::string> kUnitWeightWarning = {
    "",
    "**** Warning - Possible Input Data Error ****",
    "",
    "Values entered for effective unit weights of soil were outside",
    "the limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 pcf)",
    "This data may be erroneous.  Please check your data.",
    ""};

const std::vector<std::string> kSiLiquefiedWarning = {
    "   Warning : The depth of this layer is deeper than the recommended depth ",
    "             limit for using the p-y criteria for liquefied sand.",
    "",
    "   Please consult the Torva Technical Manual for additional background ",
    "   information regarding limitations on the use of the liquefied sand ",
    "   criteria.",
    ""};

INSTANTIATE_TEST_SUITE_P(
    Files, EchoEdgeCases,
    ::testing::Values(
        EchoCase{"layer_tops_made_contiguous",
                 input_file({.pile = false},
                            pipe_section("40") + clay_layers({{0, 10}, {12, 25}, {25, 40}})),
                 0,
                 {"Layer 2 is soft clay, p-y criteria by Matlock, 1970", "",
                  at56("   Distance from top of pile to top of layer", "    10.00000 ft"),
                  at56("   Distance from top of pile to bottom of layer", "    25.00000 ft")},
                 {}},
        EchoCase{"output_depth_at_the_pile_tip",
                 input_file({.print_py_curves = true},
                            one_soft_clay_layer() + "DEPTHS OF PRINTED P-Y CURVES\n1\n1 50\n"),
                 0,
                 {"Lateral load-transfer (p-y) curves are computed and output at 1 depths.",
                  "(Note that these curves are independent from the curves used at nodal point "
                  "depths)",
                  "",
                  "Depth      Depth Below Pile Head      Depth Below Ground Surface      Number "
                  "of Specified",
                  " No." + std::string(17, ' ') + "ft" + std::string(25, ' ') + "ft" +
                      std::string(25, ' ') + "y-Values",
                  "-----      ---------------------      --------------------------      "
                  "-------------------",
                  // I3, F22.3, F27.3, I27
                  "  1" + std::string(16, ' ') + "50.000" + std::string(21, ' ') + "50.000" +
                      std::string(26, ' ') + "0",
                  "", "Depth of ground surface below top of pile =       0.00 ft",
                  "If number of specifed y-values is 0 then 17 default y-values are used for "
                  "output"},
                 {}},
        EchoCase{"massive_rock_type_50",
                 input_file({},
                            "SOIL LAYERS\n1\n16 0 60\n140 5000 50 40 1000\n"
                            "140 5000 50 40 1000\n"),
                 0,
                 {"Layer 1 is massive rock, p-y criteria by Liang et al., 2009", "",
                  at56("   Distance from top of pile to top of layer", "      0.0000 ft"),
                  at56("   Distance from top of pile to bottom of layer", "    60.00000 ft"),
                  at56("   Effective unit weight at top of layer", "   140.00000 pcf"),
                  at56("   Effective unit weight at bottom of layer", "   140.00000 pcf"),
                  " The rock type is (unclassified) User-defined Hoek-Brown Material Constant mi "
                  "= 11",
                  ""},
                 {}},
        // 20 pcf is at the limit, which counts as outside it.
        EchoCase{"unit_weights_20_and_120_pcf",
                 input_file({}, "SOIL LAYERS\n1\n1 0 60\n20 1000 0.01\n120 1000 0.01\n"), 0,
                 kUnitWeightWarning, kUnitWeightWarning},
        EchoCase{"unit_weights_21_and_139_pcf_pass",
                 input_file({}, "SOIL LAYERS\n1\n1 0 60\n21 1000 0 \n139 1000 0\n"),
                 0,
                 {"   NOTE: Internal default values for Epsilon-50 will be computed for",
                  "         the above soil layer.", "",
                  "   (Depth of lowest soil layer extends   10.00 ft below pile tip)", "", "", ""},
                 {"Output of input data begun", "Output of input data completed"}},
        // The soil is compared with the vertical depth of the tip, 50 cos 40 = 38.30 ft.
        EchoCase{"battered_tip_above_the_soil_bottom",
                 input_file({}, one_soft_clay_layer("45") + "PILE BATTER AND SLOPE\n0\n40\n"),
                 0,
                 {"   (Depth of lowest soil layer extends    6.70 ft below pile tip)"},
                 {}},
        // 20 ft is deeper than 6 m (19.685 ft).
        EchoCase{"liquefied_sand_below_20_ft",
                 input_file({}, "SOIL LAYERS\n2\n7 0 20\n60\n60\n5 20 60\n60 35 0\n60 35 0\n"),
                 -354,
                 {"Layer 1 is liquefiable sand, by Rollins et al., 2004", "",
                  at56("   Distance from top of pile to top of layer", "      0.0000 ft"),
                  at56("   Distance from top of pile to bottom of layer", "    20.00000 ft"),
                  at56("   Effective unit weight at top of layer", "    60.00000 pcf"),
                  at56("   Effective unit weight at bottom of layer", "    60.00000 pcf"), "",
                  "   Warning : The depth of this layer is deeper than the recommended depth "
                  "limit ",
                  "             for using the p-y criteria for liquefied sand.", "",
                  "   Please consult the Torva Technical Manual for additional background ",
                  "   information regarding limitations on the use of the liquefied sand "
                  "criteria.",
                  "", "Layer 2 is sand, p-y criteria by Reese et al., 1974"},
                 {}},
        EchoCase{
            "si_unit_weight_of_22",
            input_file({.units = "Units SI"}, "SOIL LAYERS\n1\n1 0 20\n18 50 0.01\n22 50 0.01\n"),
            0,
            {"", "**** Warning - Possible Input Data Error ****", "",
             "Values entered for effective unit weights of soil were outside",
             "the limits of 3.15 kN/m3 or 22 kN/m3.",
             "The input data may be erroneous. Please check your data.", ""},
            {"**** Warning - Possible Input Data Error ****"}},
        EchoCase{"liquefied_sand_below_6_m",
                 input_file({.units = "Units SI"},
                            "SOIL LAYERS\n2\n7 0 8\n9\n9\n5 8 20\n10 35 0\n10 35 0\n"),
                 -354,
                 kSiLiquefiedWarning,
                 {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputEcho, NegativeToleranceInGeneralUnitsIsReplacedAndZeroKept) {
  const std::string general = input_file({.units = "Units GENERAL"}, one_soft_clay_layer());
  const std::string note =
      "(Specified convergence tolerance of 0 reset by program to 2.54E-07 meters)";
  RunFolder negative;
  ASSERT_EQ(negative.run(replaced(general, "Tolerance 1.0E-5", "Tolerance -1")), 0);
  EXPECT_EQ(negative.engine().options.ConvergenceTolerance, 2.5400000325248584e-8);
  EXPECT_TRUE(contains_block(negative.report(), {"", "", note, ""}));
  EXPECT_TRUE(contains_line(negative.report(),
                            at56("- Deflection tolerance for convergence", " -0.1000E+01 L")));

  RunFolder zero;
  ASSERT_EQ(zero.run(replaced(general, "Tolerance 1.0E-5", "Tolerance 0")), 0);
  EXPECT_EQ(zero.engine().options.ConvergenceTolerance, 0.0);
  EXPECT_FALSE(contains_line(zero.report(), note));
}

TEST(InputEcho, BendingPropertiesOnlyRunEchoesThePileAndNoSoil) {
  RunFolder folder;
  // What the run does after the echo is not this test's concern.
  ASSERT_TRUE(InputAccepted(folder.run(input_file({.ei_only = true}, ""))));
  const auto report = folder.report();
  EXPECT_TRUE(contains_line(report, std::string(32, ' ') + "Problem Title"));
  EXPECT_TRUE(contains_line(report, " - Compute nonlinear bending properties of pile only"));
  EXPECT_TRUE(contains_block(
      report, {"Input Structural Properties:", std::string(28, '-'), "", "Pile Section No. 1:", "",
               "   Section Type = Steel Pipe Pile            ",
               at56("   Section Length  ", "    50.00000 ft"),
               at56("   Pile Diameter   ", "    24.00000 in")}));
  for (const std::string& heading :
       {std::string(23, ' ') + "Soil and Rock Layering Information",
        std::string(33, ' ') + "Loading Type",
        std::string(22, ' ') + "Ground Slope and Pile Batter Angles"}) {
    EXPECT_FALSE(contains_line(report, heading)) << heading;
  }
  EXPECT_TRUE(contains_block(folder.messages(),
                             {"Output of input data begun", "Output of input data completed", ""}));
}

// Each input error of the echo from a file that causes it: its lines in the run-message file
// and in the report, the report's before the termination line.
struct InputErrorCase {
  const char* name;
  std::string input;
  int code;
  std::vector<std::string> text;
};

class EchoInputErrors : public ::testing::TestWithParam<InputErrorCase> {};

TEST_P(EchoInputErrors, WriteTheirTextToBothFilesAndEndTheRun) {
  const InputErrorCase& c = GetParam();
  RunFolder folder;
  ASSERT_EQ(folder.run(c.input), c.code);
  const auto report = folder.report();
  const auto messages = folder.messages();
  EXPECT_TRUE(contains_block(messages, c.text));
  std::vector<std::string> with_end = c.text;
  for (const std::string& line : {std::string(), std::string(),
                                  "Torva ended prematurely due to input error number INP000" +
                                      std::to_string(c.code - 100)}) {
    with_end.push_back(line);
  }
  EXPECT_TRUE(contains_block(report, with_end));
  EXPECT_FALSE(contains_line(messages, "Output of input data completed"));
  EXPECT_EQ(index_of(report,
                     "    Computations of Nominal Moment Capacity and Nonlinear Bending "
                     "Stiffness"),
            report.size());
}

const std::string kGroundAt2ft = "SOIL LAYERS\n1\n1 2 60\n110 1000 0.01\n110 1000 0.01\n";

INSTANTIATE_TEST_SUITE_P(
    Files, EchoInputErrors,
    ::testing::Values(
        InputErrorCase{"e17_no_section",
                       input_file({.pile = false}, one_soft_clay_layer()),
                       117,
                       {"", "**** Input Data Error No. 17 ****", "",
                        "The number of points to define the pile properties is 2 to 40, not the "
                        "input value of          0",
                        ""}},
        InputErrorCase{"e18_soil_above_tip",
                       input_file({}, one_soft_clay_layer("40")),
                       118,
                       {"**** Input Data Error No. 18 ****", "",
                        "Problem: The depth at the bottom of the lowermost soil layer is "
                        "  0.4000E+02",
                        "         This depth is higher than the tip of the pile at   0.5000E+02.",
                        "Solution: Increase the depth of the soil profile or shorten the pile "
                        "length."}},
        InputErrorCase{
            "e21_p_multipliers_above_ground",
            input_file({.py_modifiers = true},
                       kGroundAt2ft + "GROUP EFFECT FACTORS\n2\n1 0 0.7 1.0\n2 60 0.7 1.0\n"),
            121,
            {"**** Input Data Error No. 21 ****", "",
             "Problem:  The depth for the first data for p-multipliers is ",
             "          located at   0.0000E+00 below the top of the pile.'          "
             "The ground surface is located at   0.2000E+01.",
             "Solution:  Correct the input data so that the first depth for ",
             "          the p-multiplier data is the same as the elevation as the ",
             "          ground surface."}},
        InputErrorCase{"e27_zero_pile_width",
                       input_file({.pile = false},
                                  "SECTIONS\n1\n1\n11\n50\n1\n29000000\n0\n0\n10\n10\n100\n100\n"
                                  "1000\n1000\n" +
                                      one_soft_clay_layer()),
                       127,
                       {"", "**** Input Data Error No. 27 ****", "",
                        "Problem:  Zero values for one of the following values were ",
                        "entered for one or more values of pile diameter.", "",
                        "Solution:  NONE of these values may be zero.  Correct the ",
                        "pile property data in your input data.", ""}},
        InputErrorCase{"e28_one_cycle",
                       replaced(input_file({}, one_soft_clay_layer()), "Loading STATIC     0",
                                "Loading CYCLIC     1"),
                       128,
                       {"", "", "**** Input Data Error No. 28 ****", "",
                        "Problem:  Cyclic loading type was specified and the number of cycles of "
                        "loading",
                        "are outside the valid range of 2 to 5,000.", "",
                        "Solution:  Either correct the number of cycles of loading to be within 2 "
                        "to 5,000",
                        "or specify static loading.", "Number of cycles of loading = 1"}},
        InputErrorCase{"e29_output_depth_above_ground",
                       input_file({.print_py_curves = true},
                                  kGroundAt2ft + "DEPTHS OF PRINTED P-Y CURVES\n2\n1 1\n2 10\n"),
                       129,
                       {"**** Input Data Error No. 29 ****", "",
                        "Problem:  A depth above the ground surface was specified for the printing",
                        "of a p-y curve.", "",
                        "Solution:  Specify a depth between the ground surface and pile tip.", ""}},
        InputErrorCase{
            "e30_output_depth_below_tip",
            input_file({.print_py_curves = true},
                       one_soft_clay_layer() + "DEPTHS OF PRINTED P-Y CURVES\n2\n1 10\n2 50.01\n"),
            130,
            {"**** Input Data Error No. 30 ****", "",
             "Problem:  Printing of a p-y curve was specified below the pile tip.", "",
             "Solution:  Specify printing depths only for depths above the pile tip.", "",
             "Input Point 2 at   50.01 ft was not printed because it is below the pile "
             "tip."}},
        InputErrorCase{
            "e50_tip_shear_not_ascending",
            input_file({.tip_shear = true},
                       one_soft_clay_layer() + "TIP SHEAR\n3\n1 0 0\n2 0.1 5000\n3 0.1 6000\n"),
            150,
            {"**** Input Data Error No. 50 ****", "",
             "Problem:   The input data for shear resistance at the pile tip appears to "
             "be in error at point 3.",
             "",
             "Solution:  Check that the first point is (0,0) and that the x-values "
             "sucessively increase in deflection and magnitude."}},
        InputErrorCase{"e50_tip_shear_from_a_displacement",
                       input_file({.tip_shear = true},
                                  one_soft_clay_layer() + "TIP SHEAR\n2\n1 0.05 0\n2 0.1 5000\n"),
                       150,
                       {"**** Input Data Error No. 50 ****", "",
                        "Problem:   The input data for shear resistance at the pile tip appears to "
                        "be in error at point 1.",
                        "",
                        "Solution:  Check that the first point is (0,0) and that the x-values "
                        "sucessively increase in deflection and magnitude."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputEcho, OneCycleStopsAfterTheCyclicLoadingLines) {
  RunFolder folder;
  ASSERT_EQ(folder.run(replaced(input_file({}, one_soft_clay_layer()), "Loading STATIC     0",
                                "Loading CYCLIC     1")),
            128);
  EXPECT_TRUE(contains_block(
      folder.report(),
      {std::string(34, ' ') + "Loading Type", std::string(80, '-'), "",
       "Cyclic loading criteria were used for computation of p-y curves for all analyses.", "",
       "Number of cycles of loading = 1", "", "", "**** Input Data Error No. 28 ****"}));
  // Plot Line 1 was written before the echo began.
  const auto plot = folder.plot();
  ASSERT_EQ(plot.size(), 1u);
  EXPECT_EQ(parse_plot_record(plot[0]).number(), 1);
}

TEST(InputEcho, ComesBetweenTheHeaderAndTheSectionAnalysis) {
  RunFolder folder;
  ASSERT_EQ(folder.run(input_file({}, one_soft_clay_layer())), 0);
  const auto report = folder.report();
  std::size_t date = 0;
  while (date < report.size() && report[date].rfind(std::string(15, ' ') + "Date:  ", 0) != 0) {
    ++date;
  }
  ASSERT_LT(date, report.size());
  EXPECT_EQ(report[date + 1], "");
  EXPECT_EQ(report[date + 2], std::string(80, '-'));
  EXPECT_EQ(report[date + 3], std::string(32, ' ') + "Problem Title");
  const std::size_t last_echo = index_of(report,
                                         "Axial thrust is assumed to be acting axially for "
                                         "all pile batter angles.");
  const std::size_t sections = index_of(
      report, "    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness");
  ASSERT_LT(last_echo, sections);
  EXPECT_LT(sections, report.size());

  const auto messages = folder.messages();
  const std::size_t begun = index_of(messages, "Output of input data begun");
  EXPECT_EQ(messages[begun - 2], "Name of runtime messeage file: messages.txt");
  EXPECT_EQ(messages[begun + 1], "Output of input data completed");
  EXPECT_EQ(messages[begun + 2], "");
  EXPECT_EQ(messages[begun + 3], "Start computing nonlinear bending stiffness of section 1");
}

// A 24 in circular elastic pile, 50 ft long (E 29e6 psi, I 16286 in^4).
const std::string kElasticPile =
    "SECTIONS\n1\n1\n11\n50\n2\n29000000\n24\n24\n452.4\n452.4\n16286\n16286\n";

// A gap between two layers is closed by moving the lower layer's top and its properties up:
// the file is analysed exactly as the one without the gap.
TEST(InputEcho, LayersWithAGapAreAnalysedAsContiguousLayers) {
  const std::string loading = "LOADING\n1\n1 1 20000 0 0 1\n0\n";
  const auto soil = [](int sand_top) {
    return "SOIL LAYERS\n2\n1 0 10\n100 500 0.02\n100 800 0.02\n5 " + std::to_string(sand_top) +
           " 60\n60 30 0\n60 36 0\n";
  };
  auto line10 = [&](int sand_top) {
    RunFolder folder;
    EXPECT_EQ(folder.run(input_file({.pile = false}, kElasticPile + soil(sand_top) + loading)), 0);
    std::vector<std::string> records;
    for (const std::string& line : folder.plot()) {
      if (parse_plot_record(line).number() == 10) records.push_back(line);
    }
    EXPECT_EQ(folder.engine().profile.XProfile[3], 120.0);
    return records;
  };
  const std::vector<std::string> closed = line10(10);
  ASSERT_FALSE(closed.empty());
  EXPECT_EQ(line10(14), closed);
}

// The first row of the soil profile is the ground surface by construction of the reader; a
// model built here shows the two checks that guard it.
TEST(InputEcho, FirstProfileDepthMustBeTheGroundSurface) {
  struct Case {
    double first_depth;
    int code;
    std::vector<std::string> text;
  };
  const Case cases[] = {
      {3.0,
       119,
       {"**** Input Data Error No. 19 ****", "",
        "The depth of the first point of the data for effective unit",
        "is located at       3.0000 below the top of the pile.",
        "The ground surface is located at       2.0000.",
        "The first point for the effective unit weight should be located",
        "at the same elevation as the ground surface."}},
      {1.5,
       120,
       {"**** Input Data Error No. 20 ****", "",
        "Problem:  The first depth of the soil profile is located at       1.5000",
        "          below the top of the pile.",
        "          The ground surface is elevation is       2.0000.",
        "Solution: Correct the input data so that the first depth of ",
        "          the soil profile data is be located at the same elevation as the ground "
        "surface."}},
      {2.0, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first_depth);
    RunFolder folder;
    Engine& engine = folder.engine();
    ASSERT_TRUE(engine.run.report.open(folder.file("report.txt").string()));
    ASSERT_TRUE(engine.run.message.open(folder.file("messages.txt").string()));
    engine.sections.pile_length = 50.0;
    engine.soil.count = 1;
    engine.soil.XS = 2.0;
    engine.soil.XLayerBottom[1] = 60.0;
    engine.profile.gamma_depth[1] = c.first_depth;
    if (c.code == 0) {
      EXPECT_NO_THROW(echo::soil_profile_checks(engine));
    } else {
      EXPECT_THROW(echo::soil_profile_checks(engine), RunStopped);
    }
    engine.run.report.close();
    engine.run.message.close();
    EXPECT_EQ(engine.run.ErrorNumber, c.code);
    if (c.code == 0) continue;
    EXPECT_TRUE(contains_block(folder.messages(), c.text));
    EXPECT_TRUE(contains_block(folder.report(), c.text));
  }
}

}  // namespace
}  // namespace torva::testing
