// A converged elastic pile on linear springs, its results pass, and readers for the report
// table and the Line 10 plot records it writes.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "response/results.h"
#include "response/solver_fixture.h"

namespace torva::testing {

// A cross-section of constant properties along the pile.
class ConstantSection final : public SectionPropertySource {
 public:
  SectionProperties properties;
  SectionProperties at(const Engine&, double) const override { return properties; }
};

// The six numbers of a Line 10 record.
struct NodeRecord {
  double x, y, M, V, p, EI;
};

// The ten columns of a row of the nodal table.
struct TableRow {
  std::string text;
  std::array<double, 10> value;  // x, y, M, V, S, stress, EI, p, Es*h, W
};

class ResultsFixture : public SolverFixture {
 protected:
  void SetUp() override {
    SolverFixture::SetUp();
    ASSERT_TRUE(engine().run.plot.open(folder_.file("plot.txt")));
    set_units(kUnitsUS);
    engine().options.PrintIncrement = 1;
    engine().loading.count = 1;
    engine().sections.count = 1;
    engine().sections.table[0].type = kElasticPile;
  }

  // The unit system with the labels a run sets for it.
  void set_units(int units) {
    use_units(units);
    UnitLabels& labels = engine().run.labels;
    if (units == kUnitsUS) {
      labels = {"ft", "in", "lbs", "psi", "psf", "lb/in", "pcf", "pci", "in-lb"};
    } else if (units == kUnitsSI) {
      labels = {"m", "m", "kN", "kPa", "kPa", "kN/m", "kN/m3", "kN/m3", "kN-m"};
    } else {
      labels = {"L", "L", "F", "F/L2", "F/L2", "F/L", "F/L3", "F/L3", "F-L"};
    }
  }

  // Solves the pile made by make_pile under the given head condition and axial load.
  void solve(int condition, double first, double second, double Q = 0.0) {
    engine().solver.head = HeadCondition{condition, first, second, Q};
    MomentCurvatureStiffness stiffness(section_);
    LinearSoil soil;
    ASSERT_EQ(iterate_load_case(engine(), SolverContext{section_, {}}, soil, stiffness),
              Convergence::kReached);
  }

  void results(int load_case = 1) {
    engine().run.current_load_case = load_case;
    report_load_case_results(engine(), cross_section_);
  }

  // The report and plot lines written since the last read; each read starts the file afresh.
  std::vector<std::string> report() {
    engine().run.report.close();
    std::vector<std::string> lines = read_lines(folder_.file("report.txt"));
    EXPECT_TRUE(engine().run.report.open(folder_.file("report.txt")));
    return lines;
  }
  std::vector<std::string> plot() {
    engine().run.plot.close();
    std::vector<std::string> lines = read_lines(folder_.file("plot.txt"));
    EXPECT_TRUE(engine().run.plot.open(folder_.file("plot.txt")));
    return lines;
  }

  static std::vector<NodeRecord> line10_records(const std::vector<std::string>& plot) {
    std::vector<NodeRecord> records;
    for (const std::string& line : plot) {
      if (line.size() < 112 || line.compare(104, 8, "Line 10(") != 0) continue;
      const auto field = [&](int k) { return std::stod(line.substr(15 * k, 15)); };
      records.push_back({field(0), field(1), field(2), field(3), field(4), field(5)});
    }
    return records;
  }

  // The rows that follow the rule of the nodal table, up to the first blank line.
  static std::vector<TableRow> table_rows(const std::vector<std::string>& report) {
    std::vector<TableRow> rows;
    std::size_t k = 0;
    while (k < report.size() && report[k].rfind("---------- ----------", 0) != 0) ++k;
    for (++k; k < report.size() && !report[k].empty(); ++k) {
      TableRow row{report[k], {}};
      row.value[0] = std::stod(report[k].substr(0, 10));
      for (std::size_t c = 1; c < 10; ++c) row.value[c] = std::stod(report[k].substr(10 + 11 * (c - 1), 11));
      rows.push_back(row);
    }
    return rows;
  }

  // The number that follows `label` on its report line.
  static double value_after(const std::vector<std::string>& report, const std::string& label) {
    for (const std::string& line : report) {
      if (line.rfind(label, 0) == 0) return std::stod(line.substr(label.size()));
    }
    ADD_FAILURE() << "no line begins with " << label;
    return 0.0;
  }

  ConstantSection cross_section_;
};

}  // namespace torva::testing
