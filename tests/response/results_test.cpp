// The results pass of a converged load case: its report section, its plot records and the
// values it keeps, checked against the applied pile-head conditions and equilibrium.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "report/fields.h"
#include "response/results_fixture.h"

namespace torva::testing {
namespace {

using Results = ResultsFixture;

// The characters of `value` written by the shared number writer in a field of `width`.
std::string number_field(double value, int width) {
  Line line;
  WriteNumberField(line, value, width);
  return line.str();
}

std::vector<std::string> slice(const std::vector<std::string>& lines, std::size_t from,
                               std::size_t count) {
  return {lines.begin() + static_cast<std::ptrdiff_t>(from),
          lines.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

std::size_t index_of(const std::vector<std::string>& lines, const std::string& line) {
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (lines[k] == line) return k;
  }
  ADD_FAILURE() << "missing line: " << line;
  return 0;
}

TEST_F(Results, ReportAndPlotLayoutOfALoadCase) {
  // 100 increments of 6 in, every tenth node printed.
  make_pile(100, 600.0, 1.0e10, 1000.0);
  engine().options.PrintIncrement = 10;
  engine().loading.count = 3;
  solve(1, 10000.0, 500000.0, 100000.0);
  results();
  const std::vector<std::string> report = this->report();
  const std::vector<std::string> plot = this->plot();
  const std::string rule(80, '-');

  ASSERT_GE(report.size(), 40u);
  EXPECT_EQ(slice(report, 0, 7),
            (std::vector<std::string>{
                "", "", rule, "                 Computed Values of Pile Loading and Deflection",
                "                   for Lateral Loading for Load Case Number 1", rule, ""}));
  EXPECT_EQ(slice(report, 7, 6),
            (std::vector<std::string>{
                "Pile-head conditions are Shear and Moment (Loading Type 1)", "",
                "Shear force at pile head                               =      10000.0 lbs",
                "Applied moment at pile head                            =     500000.0 in-lbs",
                "Axial thrust load on pile head                         =     100000.0 lbs", ""}));
  const std::size_t head = index_of(
      report,
      "   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  "
      "Soil Spr.   Distrib. ");
  EXPECT_EQ(slice(report, head + 1, 3),
            (std::vector<std::string>{
                "     X         y        Moment     Force         S       Stress   Stiffness      p "
                "        Es*h    Lat. Load ",
                "   feet      inches     in-lbs      lbs       radians     psi*      lb-in^2    "
                "lb/in      lb/inch    lb/inch ",
                "---------- ---------- ---------- ---------- ---------- ---------- ---------- "
                "---------- ---------- ----------"}));

  // Rows at nodes 1, 11, ..., 101: depth in feet, each number ending where its rule group ends.
  const std::vector<TableRow> rows = table_rows(report);
  ASSERT_EQ(rows.size(), 11u);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(rows[k].text.size(), 109u);
    EXPECT_NEAR(rows[k].value[0], 5.0 * static_cast<double>(k), 1e-9);
    for (std::size_t end = 9; end < 109; end += 11) EXPECT_NE(rows[k].text[end], ' ');
  }
  // Soil springs over the tributary length, half at the head and the tip.
  EXPECT_EQ(rows[0].value[8], 3000.0);
  EXPECT_EQ(rows[5].value[8], 6000.0);
  EXPECT_EQ(rows[10].value[8], 3000.0);

  const std::size_t foot = head + 4 + rows.size();
  EXPECT_EQ(slice(report, foot, 2),
            (std::vector<std::string>{
                "", "* The above values of total stress are combined axial and bending stresses. "}));
  const std::size_t summary = index_of(report, "Output Summary for Load Case No. 1:");
  ASSERT_EQ(report.size(), summary + 10);
  const char* labels[] = {"Pile-head deflection             = ",
                          "Computed slope at pile head      = ",
                          "Maximum bending moment           = ",
                          "Maximum shear force              = ",
                          "Depth of maximum bending moment  = ",
                          "Depth of maximum shear force     = ",
                          "Number of iterations             = ",
                          "Number of zero deflection points = "};
  const char* units[] = {" inches", " radians", " inch-lbs", " lbs", " feet below pile head",
                         " feet below pile head", "", ""};
  for (int k = 0; k < 8; ++k) {
    const std::string& line = report[summary + 2 + static_cast<std::size_t>(k)];
    EXPECT_EQ(line.rfind(labels[k], 0), 0u) << line;
    EXPECT_EQ(line.size(), 35u + 15u + std::string(units[k]).size()) << line;
    EXPECT_EQ(line.substr(50), units[k]);
  }
  EXPECT_EQ(value_after(report, labels[6]), engine().solver.iterations);

  // Line 9, then one Line 10 per node with its numbers in internal units.
  ASSERT_EQ(plot.size(), 102u);
  EXPECT_EQ(plot[0], std::string("    3  101    1") + std::string(89, ' ') +
                         "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI");
  const std::vector<NodeRecord> nodes = line10_records(plot);
  ASSERT_EQ(nodes.size(), 101u);
  EXPECT_EQ(plot[1].substr(90), std::string(14, ' ') +
                                    "Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), "
                                    "p(lb/in), EI(lb-in2)");
  EXPECT_EQ(plot[101].substr(104, 12), "Line 10(101)");
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    EXPECT_NEAR(nodes[k].x, 6.0 * static_cast<double>(k), 1e-9);
    EXPECT_EQ(nodes[k].EI, 1.0e10);
  }
  // The table rows repeat the plotted values of their nodes.
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const NodeRecord& n = nodes[10 * k];
    EXPECT_NEAR(rows[k].value[1], n.y, 1e-4 * std::fabs(n.y) + 5e-5);
    EXPECT_NEAR(rows[k].value[2], n.M, 1e-4 * std::fabs(n.M) + 1e-2);
    EXPECT_NEAR(rows[k].value[3], n.V, 1e-4 * std::fabs(n.V) + 1e-2);
    EXPECT_NEAR(rows[k].value[7], n.p, 1e-4 * std::fabs(n.p) + 1e-2);
  }
}

TEST_F(Results, PileHeadValuesReproduceTheAppliedConditions) {
  // Conditions 1-3 give the shear and moment (or slope, or moment per slope) at the head;
  // conditions 4 and 5 give the deflection and the moment or slope.
  struct Case {
    int condition;
    double first, second;
  };
  const Case cases[] = {{1, 10000.0, 500000.0},
                        {2, 10000.0, -0.002},
                        {3, 10000.0, 4.0e8},
                        {4, 0.25, -300000.0},
                        {5, 0.25, -0.004}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.condition);
    make_pile(100, 600.0, 1.0e10, 1000.0);
    solve(c.condition, c.first, c.second, 0.0);
    results();
    const std::vector<std::string> report = this->report();
    const NodeRecord head = line10_records(plot()).front();
    const double slope = value_after(report, "Computed slope at pile head      = ");
    switch (c.condition) {
      case 1:
        EXPECT_NEAR(head.V, c.first, 1e-6 * c.first);
        EXPECT_NEAR(head.M, c.second, 1e-6 * c.second);
        break;
      case 2:
        EXPECT_NEAR(head.V, c.first, 1e-6 * c.first);
        EXPECT_NEAR(slope, c.second, 1e-8);
        break;
      case 3:
        EXPECT_NEAR(head.V, c.first, 1e-6 * c.first);
        // M = k * S at the head.
        EXPECT_NEAR(head.M / engine().results.cases[1].head_slope, c.second, 1e-5 * c.second);
        EXPECT_NEAR(head.M / slope, c.second, 1e-4 * c.second);
        break;
      case 4:
        EXPECT_EQ(head.y, c.first);
        EXPECT_NEAR(head.M, c.second, 1e-6 * std::fabs(c.second));
        break;
      case 5:
        EXPECT_EQ(head.y, c.first);
        // One-sided differences at the head: close to the specified slope, not equal to it.
        EXPECT_NEAR(slope, c.second, 1e-2 * std::fabs(c.second));
        break;
    }
  }
}

TEST_F(Results, SpecifiedHeadSlopeInTheTableComputedSlopeInTheSummary) {
  // A coarse pile, so that the one-sided slope at the head differs visibly from the given one.
  make_pile(40, 240.0, 1.0e10, 1000.0);
  solve(5, 0.5, -0.01, 0.0);
  results();
  const std::vector<std::string> report = this->report();
  const double computed = engine().results.cases[1].head_slope;
  ASSERT_GT(std::fabs(computed + 0.01), 1e-6);
  const std::vector<TableRow> rows = table_rows(report);
  EXPECT_EQ(rows[0].text.substr(43, 11), number_field(-0.01, 11));
  EXPECT_EQ(value_after(report, "Computed slope at pile head      = "),
            std::stod(number_field(computed, 15)));
  // Node 2 prints its own central difference.
  EXPECT_NE(rows[1].text.substr(43, 11), number_field(-0.01, 11));
}

TEST_F(Results, HeadShearBalancesTheSoilReaction) {
  // V(1) + integral of (p + q) = 0 along a long pile (no tip shear), with the reaction summed
  // over the Line 10 records. Under soil movement the reaction is -Es (y - ysoil): the
  // distributed load q is a load on the pile, not part of the soil's reaction.
  struct Case {
    const char* name;
    bool movement;
    double q;  // distributed load (lb/in)
  };
  const Case cases[] = {{"head load only", false, 0.0},
                        {"distributed load", false, 20.0},
                        {"soil movement and distributed load", true, 20.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    make_pile(100, 600.0, 1.0e10, 1000.0);
    engine().options.UseSoilMovement = c.movement;
    NodeTable& n = nodes();
    for (int i = 1; i <= n.N; ++i) {
      n.ysoil[i] = c.movement ? 0.5 * (1.0 - n.x[i] / 600.0) : 0.0;
      n.W[i] = n.Es[i] * n.ysoil[i] + c.q;
    }
    solve(1, 10000.0, 500000.0, 0.0);
    results();
    const std::vector<NodeRecord> records = line10_records(plot());
    ASSERT_EQ(records.size(), 101u);
    double load = 0.0;
    for (std::size_t k = 0; k < records.size(); ++k) {
      const double weight = k == 0 || k + 1 == records.size() ? 0.5 : 1.0;
      load += weight * (records[k].p + c.q) * n.h;
    }
    EXPECT_NEAR(records.front().V + load, 0.0, 1e-5 * 10000.0);
    EXPECT_EQ(records.back().V, 0.0);
    EXPECT_EQ(records.back().M, 0.0);
    if (c.movement) {
      // The movement pushes the pile: at the head the soil moves more than the pile.
      EXPECT_NEAR(records[50].p, -1000.0 * (records[50].y - 0.25), 1e-5 * std::fabs(records[50].p));
    }
  }
}

TEST_F(Results, ZeroDeflectionPointsAreTheSignChangesOfTheDeflectedShape) {
  make_pile(100, 600.0, 1.0e10, 1000.0);
  solve(1, 10000.0, 500000.0, 0.0);
  results();
  const std::vector<std::string> report = this->report();
  const std::vector<NodeRecord> records = line10_records(plot());
  std::vector<double> y;
  for (const NodeRecord& r : records) y.push_back(r.y);
  y.push_back(2.0 * y[y.size() - 1] - y[y.size() - 2]);  // the point below the tip
  int changes = 0;
  for (std::size_t k = 1; k < y.size(); ++k) changes += y[k - 1] * y[k] < 0.0 ? 1 : 0;
  EXPECT_GE(changes, 2);
  EXPECT_EQ(value_after(report, "Number of zero deflection points = "), changes);
}

TEST(ZeroDeflectionPoints, CountsTheCrossingBelowTheTipButNotTouchingZero) {
  struct Case {
    const char* name;
    std::vector<double> y;  // y(1) .. y(N + 1)
    int expected;
  };
  const Case cases[] = {
      {"crossing below the tip", {0.3, 0.2, 0.1, 0.05, -0.01}, 1},
      {"two crossings", {0.3, -0.2, -0.1, 0.05, 0.06}, 2},
      {"through an exact zero", {0.3, 0.0, -0.1, -0.2, -0.3}, 0},
      {"all zero", {0.0, 0.0, 0.0, 0.0, 0.0}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NodeTable nodes;
    nodes.N = static_cast<int>(c.y.size()) - 1;
    for (int i = 1; i <= nodes.N + 1; ++i) nodes.y[i] = c.y[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ(zero_deflection_points(nodes), c.expected);
  }
}

TEST_F(Results, TotalStressIsAxialPlusBendingAndZeroWithoutAreaOrInertia) {
  struct Case {
    double A, I;
    double Q;
  };
  const double D = 24.0;
  const Case cases[] = {{452.0, 16286.0, 100000.0},
                        {452.0, 16286.0, -100000.0},  // tension: the magnitude counts
                        {0.0, 16286.0, 100000.0},
                        {452.0, 0.0, 100000.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.A << " " << c.I << " " << c.Q);
    make_pile(100, 600.0, 1.0e10, 1000.0);
    cross_section_.properties = {D, c.I, c.A, 1.0e10};
    solve(1, 10000.0, 500000.0, c.Q);
    results();
    const std::vector<TableRow> rows = table_rows(report());
    ASSERT_EQ(rows.size(), 101u);
    for (const TableRow& row : rows) {
      const double expected =
          c.A == 0.0 || c.I == 0.0 ? 0.0 : std::fabs(c.Q) / c.A + std::fabs(row.value[2]) * D / 2.0 / c.I;
      EXPECT_NEAR(row.value[5], expected, 1e-6 * expected + 1e-3);
    }
    const double largest = engine().results.cases[1].max_stress;
    EXPECT_NEAR(largest,
                c.A == 0.0 || c.I == 0.0
                    ? 0.0
                    : std::fabs(c.Q) / c.A +
                          std::fabs(engine().results.cases[1].max_moment) * D / 2.0 / c.I,
                1e-9 * largest);
  }
}

TEST_F(Results, TheLoadCaseLoopEntryTakesTheSectionsOfThePileModel) {
  // A 24 in steel pipe with a 0.5 in wall over the whole pile.
  const double pi = 3.14159265358979;
  const double A = pi / 4.0 * (24.0 * 24.0 - 23.0 * 23.0);
  const double I = pi / 64.0 * (std::pow(24.0, 4) - std::pow(23.0, 4));
  Sections& sections = engine().sections;
  sections.pile_length = 600.0;
  PileSection& pipe = sections.table[0];
  pipe.shape = kShapeCircularPipe;
  pipe.elastic = ElasticProperties{};
  pipe.elastic.modulus = 29.0e6;
  pipe.elastic.top_width = pipe.elastic.bottom_width = 24.0;
  pipe.elastic.top_depth = pipe.elastic.bottom_depth = 0.5;
  // The section's top and bottom points, as the section reader fills them for an elastic pile.
  sections.points[0] = SectionPoint{0.0, 24.0, I, 29.0e6, A, 0.0};
  sections.points[1] = SectionPoint{600.0, 24.0, I, 29.0e6, A, 0.0};
  make_pile(100, 600.0, 29.0e6 * I, 1000.0);
  solve(1, 10000.0, 0.0, 50000.0);
  engine().run.current_load_case = 1;
  report_load_case_results(engine());
  const std::vector<TableRow> rows = table_rows(report());
  ASSERT_EQ(rows.size(), 101u);
  for (const TableRow& row : rows) {
    const double expected = 50000.0 / A + std::fabs(row.value[2]) * 12.0 / I;
    EXPECT_NEAR(row.value[5], expected, 1e-4 * expected);
  }
}

TEST_F(Results, PrintSummaryOnlyKeepsTheConditionsAndEveryPlotRecord) {
  make_pile(100, 600.0, 1.0e10, 1000.0);
  engine().options.PrintSummaryOnly = true;
  solve(2, 10000.0, 0.0, 0.0);
  results();
  EXPECT_EQ(report(),
            (std::vector<std::string>{
                "Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)", "",
                "Shear force at pile head                               =      10000.0 lbs",
                "Rotation of pile head                                  =    0.000E+00 radians",
                "Axial load at pile head                                =          0.0 lbs", "",
                "(Zero slope for this load indicates fixed-head conditions)", ""}));
  const std::vector<std::string> plot = this->plot();
  ASSERT_EQ(plot.size(), 102u);
  EXPECT_EQ(plot[0].substr(0, 15), "    1  101    1");
  EXPECT_EQ(line10_records(plot).size(), 101u);
  // The case is kept for the summary all the same.
  EXPECT_TRUE(engine().results.cases[1].computed);
  EXPECT_NEAR(engine().results.cases[1].head_slope, 0.0, 1e-12);
}

TEST_F(Results, LineNineOnlyWithTheFirstLoadCase) {
  make_pile(40, 240.0, 1.0e10, 1000.0);
  engine().loading.count = 2;
  solve(1, 1000.0, 0.0, 0.0);
  results(2);
  const std::vector<std::string> plot = this->plot();
  ASSERT_EQ(plot.size(), 41u);
  EXPECT_EQ(plot[0].substr(104, 8), "Line 10(");
  EXPECT_EQ(value_after(report(), "                   for Lateral Loading for Load Case Number "),
            2.0);
}

TEST_F(Results, LineElevenWithoutALengthSweep) {
  plot_no_length_sweep(engine(), 4);
  engine().options.UseLRFD = true;
  plot_no_length_sweep(engine(), 12);
  const std::string blanks(99, ' ');
  EXPECT_EQ(plot(), (std::vector<std::string>{
                        "    0" + blanks + "Line 11: Num. points on Ytop vs. Length curve for load case 4",
                        "    0" + blanks +
                            "Line 11: Num. points on Ytop vs. Length curve for LRFD load case 12"}));
}

TEST_F(Results, TinyValuesArePlottedAsZero) {
  // A pile displaced bodily by a tiny amount: the moments and shears vanish, the deflections
  // and reactions are below or just above the reporting limit of 1e-20.
  struct Case {
    double y;
    const char* plotted_y;
    const char* plotted_p;
  };
  const Case cases[] = {{3e-24, "  0.0000000E+00", "  0.0000000E+00"},
                        {2e-20, "  0.2000000E-19", " -0.2000000E-16"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.y);
    make_pile(40, 240.0, 1.0e10, 1000.0);
    NodeTable& n = nodes();
    for (int i = -1; i <= n.N + 1; ++i) n.y[i] = c.y;
    engine().solver.head = HeadCondition{1, 0.0, 0.0, 0.0};
    results();
    const std::vector<std::string> plot = this->plot();
    ASSERT_EQ(plot.size(), 42u);
    for (std::size_t k = 1; k < plot.size(); ++k) {
      EXPECT_EQ(plot[k].substr(15, 15), c.plotted_y);
      EXPECT_EQ(plot[k].substr(30, 30), "  0.0000000E+00  0.0000000E+00");
      EXPECT_EQ(plot[k].substr(60, 15), c.plotted_p);
    }
    const std::vector<TableRow> rows = table_rows(report());
    ASSERT_EQ(rows.size(), 41u);
    EXPECT_EQ(rows[20].text.substr(10, 11), "      0.000");
  }
}

TEST_F(Results, SIAndGeneralUnitLayouts) {
  struct Case {
    int units;
    std::vector<std::string> conditions;
    std::string table_units;
    std::string depth_unit;
  };
  const Case cases[] = {
      {kUnitsSI,
       {"Pile-head conditions are Displacement and Moment (Loading Type 4)", "",
        "Displacement of pile head                              =     0.010000meters",
        "Moment at pile head                                    =      -50.000kN-m",
        "Axial load at pile head                                =      800.000kN", ""},
       "   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     kN/m        "
       "kN/m      kN/m    ",
       " meters below pile head"},
      {kUnitsGeneral,
       {"Pile-head conditions are Displacement and Moment (Loading Type 4)", "",
        "Displacement of pile head                              =     0.010000L",
        "Moment at pile head                                    =      -50.000F-L",
        "Axial load at pile head                                =      800.000F", ""},
       "   L         L           F-L        F         radians     F/L2*     F-L^2      F/L         "
       "F/L       F/L     ",
       " L below pile head"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.units);
    set_units(c.units);
    // 20 m of pile in 50 increments of 0.4 m.
    make_pile(50, 20.0, 5.0e5, 5000.0);
    solve(4, 0.01, -50.0, 800.0);
    results();
    const std::vector<std::string> report = this->report();
    const std::size_t conditions = index_of(report, c.conditions[0]);
    EXPECT_EQ(slice(report, conditions, c.conditions.size()), c.conditions);
    const std::size_t head = index_of(report, c.table_units);
    EXPECT_EQ(report[head + 1].size(), 109u);
    const std::vector<TableRow> rows = table_rows(report);
    ASSERT_EQ(rows.size(), 51u);
    EXPECT_NEAR(rows[1].value[0], 0.4, 1e-12);  // depths in metres
    EXPECT_NEAR(rows[50].value[0], 20.0, 1e-12);
    const std::string depth_line = "Depth of maximum bending moment  = ";
    bool found = false;
    for (const std::string& line : report) {
      if (line.rfind(depth_line, 0) == 0) {
        found = true;
        EXPECT_EQ(line.substr(50), c.depth_unit);
      }
    }
    EXPECT_TRUE(found);
    const std::vector<std::string> plot = this->plot();
    EXPECT_EQ(plot[0].substr(0, 15), "    1   51    " + std::to_string(c.units));
    EXPECT_EQ(plot[1].substr(104),
              "Line 10(  1) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)");
  }
}

TEST_F(Results, LRFDHeading) {
  make_pile(40, 240.0, 1.0e10, 1000.0);
  engine().options.UseLRFD = true;
  engine().lrfd.combination_count = 2;
  engine().lrfd.combinations[2].name = "Strength I";
  solve(1, 1000.0, 0.0, 0.0);
  results(2);
  const std::vector<std::string> report = this->report();
  const std::string rule(80, '-');
  EXPECT_EQ(slice(report, 0, 11),
            (std::vector<std::string>{
                "", "", rule, "                 Computed Values of Pile Loading and Deflection",
                "                 for Lateral Loading for LRFD Load Case Number 2", rule, "", "",
                "Load Case No. 2:  Strength I", "", ""}));
  EXPECT_EQ(report[11], "Pile-head conditions are Shear and Moment (Loading Type 1)");
}

TEST_F(Results, NonlinearSectionsGetTheLongFootnote) {
  make_pile(40, 240.0, 1.0e10, 1000.0);
  engine().sections.count = 2;
  engine().sections.table[1].type = kDrilledShaft;
  solve(1, 1000.0, 0.0, 0.0);
  results();
  const std::vector<std::string> report = this->report();
  const std::size_t note = index_of(
      report,
      "* This analysis computed pile response using nonlinear moment-curvature relationships.  ");
  EXPECT_EQ(report[note - 1], "");
  EXPECT_EQ(report[note + 4],
            "  bending properties relative to the magnitude of bending moment developed in the "
            "pile.");
  for (std::size_t k = note + 1; k < note + 4; ++k) EXPECT_EQ(report[k].rfind("  ", 0), 0u);
}

TEST_F(Results, LargestMomentAndShearOfEachSection) {
  // Two sections: nodes 1..31 in the first, 32..101 in the second.
  make_pile(100, 600.0, 1.0e10, 1000.0);
  engine().sections.count = 2;
  engine().sections.table[1].type = kElasticPile;
  for (int i = 32; i <= nodes().N; ++i) nodes().section[i] = 2;
  solve(1, 10000.0, 500000.0, 0.0);
  engine().run.current_load_case = 3;
  engine().loading.count = 3;
  report_load_case_results(engine(), cross_section_);
  const std::vector<NodeRecord> records = line10_records(plot());
  ASSERT_EQ(records.size(), 101u);
  for (int s = 1; s <= 2; ++s) {
    SCOPED_TRACE(s);
    const int first = s == 1 ? 1 : 32;
    const int last = s == 1 ? 31 : 101;
    int moment_node = first;
    int shear_node = first;
    for (int i = first; i <= last; ++i) {
      const NodeRecord& r = records[static_cast<std::size_t>(i - 1)];
      if (std::fabs(r.M) > std::fabs(records[static_cast<std::size_t>(moment_node - 1)].M)) moment_node = i;
      if (std::fabs(r.V) > std::fabs(records[static_cast<std::size_t>(shear_node - 1)].V)) shear_node = i;
    }
    const SectionMaximum& m = engine().results.section_maxima[3][s];
    EXPECT_EQ(m.moment_node, moment_node);
    EXPECT_EQ(m.shear_node, shear_node);
    EXPECT_NEAR(m.moment, records[static_cast<std::size_t>(moment_node - 1)].M,
                1e-6 * std::fabs(m.moment));
    EXPECT_NEAR(m.shear, records[static_cast<std::size_t>(shear_node - 1)].V,
                1e-6 * std::fabs(m.shear));
  }
  // The whole pile's largest moment is the larger of the two sections'.
  const LoadCaseResult& r = engine().results.cases[3];
  EXPECT_EQ(std::fabs(r.max_moment), std::max(std::fabs(engine().results.section_maxima[3][1].moment),
                                               std::fabs(engine().results.section_maxima[3][2].moment)));
}

TEST_F(Results, StiffnessModeKeepsTheHeadValuesApartAndWritesNothing) {
  make_pile(100, 600.0, 1.0e10, 1000.0);
  solve(5, 0.1, 0.0, 0.0);
  engine().run.current_load_case = 2;
  report_load_case_results(engine(), cross_section_, ResultsMode::kStiffness);
  EXPECT_TRUE(report().empty());
  EXPECT_TRUE(plot().empty());
  EXPECT_FALSE(engine().results.cases[2].computed);
  const LoadCaseResult& aux = engine().results.auxiliary[2];
  EXPECT_TRUE(aux.computed);
  EXPECT_EQ(aux.head_deflection, 0.1);
  // A fixed head pushed sideways: shear against the push, a restraining moment.
  EXPECT_GT(aux.head_shear, 0.0);
  EXPECT_LT(aux.head_moment, 0.0);
}

}  // namespace
}  // namespace torva::testing
