// A pile of one section on a bed of springs, set up directly in the node table, and an engine
// whose report and run-message files are open in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "response/load_case_iteration.h"
#include "support/test_support.h"

namespace torva::testing {

// One section of the given type over the whole pile, of constant elastic stiffness.
class UniformSection final : public PileSectionView {
 public:
  UniformSection(int type, double bottom, double EI) : type_(type), bottom_(bottom), EI_(EI) {}
  int section_count() const override { return 1; }
  int section_type(int) const override { return type_; }
  double section_bottom(int) const override { return bottom_; }
  double elastic_EI(double) const override { return EI_; }

 private:
  int type_;
  double bottom_;
  double EI_;
};

// A linear soil: the moduli stay as they were set.
class LinearSoil final : public SoilModulusUpdate {
 public:
  void update_soil_moduli(Engine&, int) override {}
};

class SolverFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(engine().run.report.open(folder_.file("report.txt")));
    ASSERT_TRUE(engine().run.message.open(folder_.file("messages.txt")));
    use_units(kUnitsUS);
    Options& options = engine().options;
    options.MaxIterations = 100;
    options.ConvergenceTolerance = 1e-5;
    options.DeflectionLimit = 100.0;
    engine().run.current_load_case = 1;
  }

  Engine& engine() { return folder_.engine(); }
  NodeTable& nodes() { return engine().nodes; }

  void use_units(int units) {
    engine().options.IUNITS = units;
    engine().run.labels.length = units == kUnitsUS ? "in" : units == kUnitsSI ? "m" : "L";
    engine().run.labels.force = units == kUnitsUS ? "lbs" : units == kUnitsSI ? "kN" : "F";
  }

  // An elastic pile of constant EI on springs of constant modulus Es, deflections cleared.
  void make_pile(int increments, double length, double EI, double Es) {
    NodeTable& table = nodes();
    table = NodeTable{};
    table.N = increments + 1;
    table.h = length / increments;
    for (int i = 1; i <= table.N; ++i) {
      table.x[i] = (i - 1) * table.h;
      table.z[i] = table.x[i];
      table.EI[i] = EI;
      table.Es[i] = Es;
      table.section[i] = 1;
    }
    table.x[table.N] = length;
    section_ = UniformSection(kElasticPile, length, EI);
  }

  Convergence iterate(int condition, double first, double second, SoilModulusUpdate& soil,
                      TipShearView tip = {}) {
    engine().solver.head = HeadCondition{condition, first, second, 0.0};
    MomentCurvatureStiffness stiffness(section_);
    return iterate_load_case(engine(), SolverContext{section_, tip}, soil, stiffness);
  }
  Convergence iterate(int condition, double first, double second, TipShearView tip = {}) {
    LinearSoil soil;
    return iterate(condition, first, second, soil, tip);
  }

  std::vector<std::string> report() {
    engine().run.report.close();
    return folder_.report();
  }
  std::vector<std::string> messages() {
    engine().run.message.close();
    return folder_.messages();
  }

  RunFolder folder_;
  UniformSection section_{kElasticPile, 0.0, 0.0};
};

}  // namespace torva::testing
