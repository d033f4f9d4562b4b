// Failures of real sections: prestressed sections without concrete or strands, cages that do
// not fit inside their casing, and records the analysis cannot model (input errors 26, 33).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "input/input_fixtures.h"
#include "report/line.h"
#include "section/moment_curvature.h"
#include "section/section_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

// A record of the reader's kind (US customary: inches, psi) of a prestressed pile with four
// manually positioned 0.5 in PCI 270 strands.
PileSection prestressed_record(int type, double diameter, double void_diameter) {
  PileSection s;
  s.type = type;
  s.diameter = diameter;
  s.void_diameter = void_diameter;
  s.fc = 6000.0;
  s.strand_type = 1;
  s.strand_fpu = 270000.0;
  s.steel_modulus = 28000.0;
  s.prestress_force = 100000.0;
  s.strand_count = 4;
  const double xy[4][2] = {{0, 8}, {0, -8}, {8, 0}, {-8, 0}};
  for (int i = 0; i < 4; ++i) s.bars[i] = Bar{0.5, 0.153, xy[i][0], xy[i][1], 3};
  return s;
}

class SectionFailure : public ::testing::Test {
 protected:
  SectionFailure() { engine().run.report.open(folder_.file("report.txt").string()); }
  Engine& engine() { return folder_.engine(); }
  std::vector<std::string> report() {
    engine().run.report.close();
    return folder_.report();
  }
  SectionFault analyse(const PileSection& record) {
    const SectionValues v = section_values(record, kUnitsUS);
    sliced_ = std::make_unique<SlicedSection>();
    return Initialize_EI_Vars(v, *sliced_);
  }

  RunFolder folder_;
  std::unique_ptr<SlicedSection> sliced_;
};

TEST_F(SectionFailure, HollowPileWhoseVoidFillsItHasNoConcrete) {
  const SectionFault fault = analyse(prestressed_record(kCircularHollowPrestressed, 24.0, 24.0));
  ASSERT_EQ(fault.kind, SectionFaultKind::kNoConcrete);
  // The void takes the strands' area with it.
  EXPECT_NEAR(fault.value, -4 * 0.153, 1e-9);
  report_section_fault(engine(), fault);
  EXPECT_EQ(engine().run.ErrorNumber, 214);
  EXPECT_TRUE(contains_block(
      report(), {"**** Runtime Error No. 14 ****", "",
                 "An error occurred in prestressing computations",
                 "The computed area of concrete in the section is less than 0.0 = " +
                     format_f(fault.value, 15, 5)}));
}

TEST_F(SectionFailure, PrestressedPileWithoutStrands) {
  PileSection record = prestressed_record(kCircularSolidPrestressed, 24.0, 0.0);
  record.strand_count = 0;
  const SectionFault fault = analyse(record);
  ASSERT_EQ(fault.kind, SectionFaultKind::kNoStrands);
  report_section_fault(engine(), fault);
  EXPECT_EQ(engine().run.ErrorNumber, 215);
  EXPECT_TRUE(contains_block(
      report(), {"**** Runtime Error No. 15 ****", "",
                 "An error occurred in prestressing computations",
                 "The computed area of steel in the section is less than 0.0 = " +
                     format_f(0.0, 15, 5)}));
}

// A cased shaft with eight 1 in bars under 3 in of cover, placed by the reader on the outer
// diameter of 24 in.
PileSection cased_record(double casing_thickness) {
  PileSection s;
  s.type = kCasedShaft;
  s.diameter = 24.0;
  s.casing_thickness = casing_thickness;
  s.fc = 4000.0;
  s.bars_computed = true;
  s.bar_count = 8;
  s.bundle_count = 8;
  s.bars_per_bundle = 1;
  s.bar_diameter = 1.0;
  s.bar_area = 0.79;
  s.cover = 3.0;
  for (int i = 0; i < 8; ++i) s.bars[i] = Bar{1.0, 0.79, 0.0, 0.0, 8};
  return s;
}

TEST_F(SectionFailure, CageReplacedInsideTheCasingAndShiftedByItsOffset) {
  PileSection record = cased_record(0.5);
  record.cage_offset = 1.5;
  SectionValues v = section_values(record, kUnitsUS);
  ASSERT_TRUE(place_section_cage(engine(), record, v));
  EXPECT_EQ(engine().run.ErrorNumber, 0);
  const double radius = (23.0 - 1.0) / 2.0 - 3.0;
  for (int i = 0; i < 8; ++i) {
    EXPECT_NEAR(std::hypot(v.bars[i].x, v.bars[i].y - 1.5), radius, 1e-12) << "bar " << i + 1;
    EXPECT_EQ(v.bars[i].area, 0.79);
  }
  EXPECT_NEAR(v.bars[0].y, 1.5, 1e-12);  // bar 1 on the +X axis, moved up by the offset
}

TEST_F(SectionFailure, CageThatDoesNotFitInsideTheCasing) {
  // Inside a 11.8 in wall only 0.4 in are left: less than the bar diameter.
  PileSection record = cased_record(11.8);
  SectionValues v = section_values(record, kUnitsUS);
  EXPECT_FALSE(place_section_cage(engine(), record, v));
  EXPECT_EQ(engine().run.ErrorNumber, 239);
  EXPECT_TRUE(contains_line(report(), "          Rebar diameter is greater than pile diameter."));
}

TEST_F(SectionFailure, CageWhoseCircleVanishesInsideTheCasing) {
  // 6 in inside the casing leave no circle inside 3 in of cover.
  PileSection record = cased_record(9.0);
  SectionValues v = section_values(record, kUnitsUS);
  EXPECT_FALSE(place_section_cage(engine(), record, v));
  EXPECT_EQ(engine().run.ErrorNumber, 244);
  EXPECT_TRUE(contains_line(
      report(), "          Computed diameter of rebar circle is less than or equal to zero."));
}

// ---------------------------------------------------------------------------------------------
// Records that cannot be modelled, read from input files

// One section and, below its tip, the soil of a full analysis.
std::string input_file(const std::string& sections, const std::string& units) {
  const std::string soil = units == "Units SI" ? "SOIL LAYERS\n1\n1 0 30\n18 50 0.01\n18 50 0.01\n"
                                               : one_soft_clay_layer("100");
  return "TORVAP7\n" + options_section(units) + soil + "SECTIONS\n1\n1\n" + sections + "END\n";
}

std::string concrete(const std::string& fc = "4000") {
  return fc + "\n0.75\nUse default concrete tensile strength\n"
              "Use internal stress-strain curve for concrete\n";
}

const std::string kOneBar =
    "Rebar Arrangement Not Same As Section Above\nRebar in noncircular pattern\n";

std::string one_bar(const std::string& fy = "60000", const std::string& Es = "29000000") {
  return kOneBar + fy + "\n" + Es + "\n1\n1 8 1.0 0.79 0 0\n";
}

std::string strands(const std::string& loss = "0.2") {
  return "Manually-positioned strands\n1\n4\n100000\n" + loss +
         "\n1 3 0 4\n2 3 0 -4\n3 3 4 0\n4 3 -4 0\n";
}

std::string rectangle_record(const std::string& depth, const std::string& width,
                             const std::string& fc = "4000") {
  return "0\n20\n" + depth + "\n" + width + "\n" + concrete(fc) + one_bar();
}

std::string pipe_record(const std::string& t, const std::string& fy = "36000",
                        const std::string& E = "29000000") {
  return "4\n20\n24\n" + t + "\n" + fy + "\n" + E + "\n";
}

std::string cased(const std::string& t, const std::string& E = "29000000") {
  return "2\n20\n36\n" + t + "\n36000\n" + E + "\n" + concrete() + one_bar();
}

std::string cored(const std::string& Dk, const std::string& tk, const std::string& fy = "36000") {
  return "3\n20\n36\n0.5\n36000\n29000000\n" + Dk + "\n" + tk + "\n" + fy + "\n29000000\n" +
         concrete() + one_bar();
}

std::string hollow_square(const std::string& w, const std::string& void_d,
                          const std::string& chamfer, const std::string& loss = "0.2") {
  return "8\n40\n" + w + "\n" + void_d + "\n" + chamfer + "\n" + concrete("6000") +
         strands(loss);
}

struct RecordCase {
  const char* name;
  std::string section;
  int code;
  std::string problem;  // start of the Problem line
  std::string units = "Units USCS";
};

void PrintTo(const RecordCase& c, std::ostream* out) { *out << c.name; }

class FaultyRecords : public ::testing::TestWithParam<RecordCase> {};

TEST_P(FaultyRecords, EndTheRunWhileTheInputIsRead) {
  const RecordCase& c = GetParam();
  RunFolder folder;
  EXPECT_EQ(folder.run(input_file(c.section, c.units)), c.code);
  const std::string line = "Problem: Section 1: " + c.problem;
  bool found = false;
  for (const std::string& text : folder.report()) found = found || text.rfind(line, 0) == 0;
  EXPECT_TRUE(found) << line;
  EXPECT_TRUE(contains_line(folder.messages(), c.code == 126 ? "**** Input Data Error No. 26 ****"
                                                            : "**** Input Data Error No. 33 ****"));
}

INSTANTIATE_TEST_SUITE_P(
    Sections, FaultyRecords,
    ::testing::Values(
        RecordCase{"zero_width", rectangle_record("18", "0"), 133,
                   "the section width is 0; it must be greater than 0."},
        RecordCase{"negative_depth", rectangle_record("-2", "12"), 133,
                   "the section depth is -2; it must be greater than 0."},
        RecordCase{"shaft_of_no_diameter", "1\n20\n0\n" + concrete() + "No rebar\n", 133,
                   "the diameter is 0; it must be greater than 0."},
        RecordCase{"octagon_of_no_width", "9\n40\n0\n" + concrete("6000") + strands(), 133,
                   "the pile width is 0; it must be greater than 0."},
        RecordCase{"pipe_without_wall", pipe_record("0"), 133,
                   "the pipe wall thickness is 0; it must be greater than 0 and at most 12 "
                   "(half the diameter)."},
        RecordCase{"pipe_wall_beyond_its_centre", pipe_record("13"), 133,
                   "the pipe wall thickness is 13;"},
        RecordCase{"pipe_without_yield", pipe_record("0.5", "0"), 133,
                   "the pipe yield stress is 0; it must be greater than 0."},
        RecordCase{"pipe_without_modulus", pipe_record("0.5", "36000", "-1"), 133,
                   "the pipe elastic modulus is -1;"},
        RecordCase{"negative_casing_wall", cased("-0.1"), 133,
                   "the casing wall thickness is -0.1; it must be 0 or more and at most 18"},
        RecordCase{"casing_wall_beyond_its_centre", cased("19"), 133,
                   "the casing wall thickness is 19;"},
        RecordCase{"casing_without_modulus", cased("0.5", "0"), 133,
                   "the casing elastic modulus is 0;"},
        RecordCase{"negative_core", cored("-1", "0"), 133, "the core diameter is -1;"},
        RecordCase{"core_wall_beyond_its_centre", cored("12", "7"), 133,
                   "the core wall thickness is 7; it must be 0 or more and at most 6 (half the "
                   "core diameter)."},
        RecordCase{"core_outside_the_casing", cored("35.5", "0.5"), 133,
                   "the core diameter is 35.5; it must be at most 35 (inside the casing)."},
        RecordCase{"core_without_yield", cored("12", "0.5", "0"), 133,
                   "the core yield stress is 0;"},
        RecordCase{"bars_without_yield", "1\n20\n36\n" + concrete() + one_bar("0"), 133,
                   "the bar yield stress is 0;"},
        RecordCase{"bars_without_modulus", "1\n20\n36\n" + concrete() + one_bar("60000", "0"),
                   133, "the steel modulus is 0;"},
        RecordCase{"void_as_wide_as_the_square", hollow_square("16", "16", "0"), 133,
                   "the void diameter is 16; it must be less than the pile width 16."},
        RecordCase{"void_wider_than_the_octagon",
                   "10\n40\n16\n20\n" + concrete("6000") + strands(), 133,
                   "the void diameter is 20;"},
        RecordCase{"negative_void", "6\n40\n24\n-1\n" + concrete("6000") + strands(), 133,
                   "the void diameter is -1; it must be 0 or more."},
        RecordCase{"negative_chamfer", hollow_square("16", "6", "-1"), 133,
                   "the corner chamfer is -1;"},
        RecordCase{"chamfer_of_half_the_width", hollow_square("16", "6", "8"), 133,
                   "the corner chamfer is 8; it must be 0 or more and less than 8 (half the pile "
                   "width)."},
        RecordCase{"loss_above_one", hollow_square("16", "6", "1", "1.5"), 133,
                   "the fraction of loss of prestress is 1.5; it must be 0 to 1."},
        RecordCase{"negative_loss", hollow_square("16", "6", "1", "-0.1"), 133,
                   "the fraction of loss of prestress is -0.1;"},
        RecordCase{"weak_reinforced_concrete", rectangle_record("18", "12", "50"), 126,
                   "the concrete compressive strength is 50; it must be at least 56.25 for a "
                   "reinforced section."},
        RecordCase{"weak_prestressed_concrete",
                   "7\n40\n14\n0\n" + concrete("15") + strands(), 126,
                   "the concrete compressive strength is 15; it must be at least 16 for a "
                   "prestressed section."},
        RecordCase{"weak_SI_concrete",
                   "0\n6\n450\n300\n" + concrete("380") + "No rebar\n", 126,
                   "the concrete compressive strength is 380; it must be at least 387.83",
                   "Units SI"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoundRecords, AreReadOnIncludingAVoidOfTheWholeDiameter) {
  // A void of the whole diameter is found by the analysis (runtime error 14), not the reader.
  for (const std::string& section :
       {"6\n40\n24\n24\n" + concrete("6000") + strands(), hollow_square("16", "15.9", "7.9"),
        pipe_record("12"), cored("35", "0") , rectangle_record("18", "12", "57")}) {
    RunFolder folder;
    const int code = folder.run(input_file(section, "Units USCS"));
    EXPECT_TRUE(InputAccepted(code)) << section;
    EXPECT_NE(code, 133);
    EXPECT_NE(code, 126);
  }
}

}  // namespace
}  // namespace torva::testing
