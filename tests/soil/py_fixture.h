// An engine set up for the p-y framework without an input file: a pile of constant width on
// nodes at equal increments, soil layers with their profile rows, and the report, plot and
// message files open in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/errors.h"
#include "pile/pile_model.h"
#include "soil/py_framework.h"
#include "support/test_support.h"

namespace torva::testing {

// Soil values at the top or bottom of a layer.
struct LayerValues {
  double gamma = 0.0;  // effective unit weight (force/length^3)
  double c = 0.0;      // undrained shear strength (stress)
  double eps50 = 0.0;
  double J = 0.0;
  double E_k = 0.0;    // elastic subgrade modulus (force/length^3)
};

class PYFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(engine().run.report.open(folder_.file("report.txt").string()));
    ASSERT_TRUE(engine().run.plot.open(folder_.file("plot.txt").string()));
    ASSERT_TRUE(engine().run.message.open(folder_.file("messages.txt").string()));
    use_units(kUnitsUS);
    engine().options.i_Analysis_Type = kFullAnalysis;
  }

  Engine& engine() { return folder_.engine(); }
  NodeTable& nodes() { return engine().nodes; }

  void use_units(int units) {
    engine().options.IUNITS = units;
    UnitLabels& labels = engine().run.labels;
    switch (units) {
      case kUnitsUS:
        labels = {"ft", "in", "lbs", "psi", "psf", "lb/in", "pcf", "pci", "in-lb"};
        break;
      case kUnitsSI:
        labels = {"m", "m", "kN", "kPa", "kPa", "kN/m", "kN/m3", "kN/m3", "kN-m"};
        break;
      default:
        labels = {"L", "L", "F", "F/L2", "F/L2", "F/L", "F/L3", "F/L3", "F-L"};
        break;
    }
  }

  // A vertical pile of one section of constant width, nodes at rest on the starting moduli.
  void make_pile(int increments, double length, double width) {
    Sections& sections = engine().sections;
    sections.count = 1;
    sections.point_count = 2;
    sections.pile_length = length;
    sections.table[0].type = kDrilledShaft;
    sections.table[0].length = length;
    sections.table[0].diameter = width;
    sections.table[0].top = 0.0;
    sections.table[0].bottom = length;
    sections.points[0] = SectionPoint{0.0, width, 1.0, 1.0, 1.0, 0.0};
    sections.points[1] = SectionPoint{length, width, 1.0, 1.0, 1.0, 0.0};
    engine().options.NumIncrements = increments;

    NodeTable& table = nodes();
    table.N = increments + 1;
    table.h = length / increments;
    for (int i = 1; i <= table.N; ++i) {
      table.x[i] = (i - 1) * table.h;
      table.z[i] = table.x[i];
      table.Es[i] = 50000.0;
      table.section[i] = 1;
    }
    table.x[table.N] = length;
    table.z[table.N] = length;
  }

  // The next soil layer, from `top` to `bottom` below the pile head.
  void add_layer(int code, double top, double bottom, const LayerValues& at_top,
                 const LayerValues& at_bottom) {
    SoilLayers& soil = engine().soil;
    SoilProfile& profile = engine().profile;
    const int i = ++soil.count;
    if (i == 1) soil.XS = top;
    soil.i_SoilLayer_py_Type[i] = code;
    soil.XLayerTop[i] = top;
    soil.XLayerBottom[i] = bottom;
    set_row(profile, 2 * i - 1, top, at_top);
    set_row(profile, 2 * i, bottom, at_bottom);
    profile.row_count = 2 * i;
  }
  void add_layer(int code, double top, double bottom, const LayerValues& values) {
    add_layer(code, top, bottom, values, values);
  }

  // Moves the bottom of layer i (and the depth of its bottom profile row).
  void set_layer_bottom(int i, double bottom) {
    engine().soil.XLayerBottom[i] = bottom;
    engine().profile.XProfile[2 * i] = bottom;
    engine().profile.gamma_depth[2 * i] = bottom;
  }

  void assign_layers() { Assign_Nodes_To_Layers(engine()); }

  // The same p- and y-multipliers for group action over the whole 600-in pile.
  void uniform_group_factors(double p_multiplier, double y_multiplier) {
    GroupFactorTable& group = engine().group_factors;
    group.count = 2;
    group.given = true;
    group.depth[1] = 0.0;
    group.depth[2] = 600.0;
    group.p_multiplier[1] = group.p_multiplier[2] = p_multiplier;
    group.y_multiplier[1] = group.y_multiplier[2] = y_multiplier;
  }

  // Es of node n after one pass with deflection Y there; the node is put back at rest.
  double modulus_after_pass(int n, double Y) {
    nodes().y[n] = Y;
    // The model may have changed since the last pass: its depth parts are worked out again.
    clear_depth_parts(engine().py);
    PYCurveDriver(engine(), 2);
    nodes().y[n] = 0.0;
    return nodes().Es[n];
  }

  // Ground sloping at `slope` (radians, less batter), the same p- and y-multipliers of 0.8 and
  // 1.25 over the pile, and the soil moving 0.1 in less 0.005 in a node down the pile.
  void slope_group_and_soil_movement(double slope) {
    engine().inclination.slope_minus_batter = slope;
    uniform_group_factors(0.8, 1.25);
    engine().options.UseSoilMovement = true;
    for (int n = 1; n <= nodes().N; ++n) nodes().ysoil[n] = 0.1 - 0.005 * n;
  }

  // The passes after the first of a solution read the depth-only parts of the node curves back.
  // For deflections all positive, all negative, crossing zero and at rest, a later pass gives
  // the moduli, soil forces, layer resistances, equivalent depths and number of cycles of a pass
  // that works every node out afresh, bit for bit.
  void expect_later_passes_match_fresh_ones(const std::string& where) {
    struct Pattern {
      const char* name;
      double (*Y)(int n);
    };
    const Pattern patterns[] = {
        {"all positive", [](int n) { return 0.9 - 0.02 * n; }},
        {"all negative", [](int n) { return -0.9 + 0.02 * n; }},
        {"crossing zero", [](int n) { return 0.4 - 0.03 * n; }},
        {"at rest", [](int) { return 0.0; }},
    };
    PYCurveDriver(engine(), 0);  // the first pass of the solution
    ASSERT_EQ(engine().run.ErrorNumber, 0) << where;
    const int layers = engine().soil.count;
    for (const Pattern& pattern : patterns) {
      for (int n = 1; n <= nodes().N; ++n) nodes().y[n] = pattern.Y(n);
      PYCurveDriver(engine(), 2);
      const PerNode<double> Es = nodes().Es;
      const PerNode<double> W = nodes().W;
      const PYState py = engine().py;
      const double cycles = engine().options.NumCycles;
      clear_depth_parts(engine().py);
      PYCurveDriver(engine(), 2);
      const std::string what = where + ", " + pattern.name;
      for (int n = 1; n <= nodes().N; ++n) {
        EXPECT_EQ(Es[n], nodes().Es[n]) << what << ", node " << n;
        EXPECT_EQ(W[n], nodes().W[n]) << what << ", node " << n;
      }
      for (int i = 1; i <= layers; ++i) {
        EXPECT_EQ(py.FLayer[i], engine().py.FLayer[i]) << what << ", layer " << i;
        EXPECT_EQ(py.EqDepth[i], engine().py.EqDepth[i]) << what << ", layer " << i;
      }
      EXPECT_EQ(cycles, engine().options.NumCycles) << what;
    }
  }

  // Output depths (below the pile head) in ascending order.
  void request_curves(const std::vector<double>& depths) {
    InputControl& control = engine().control;
    control.output_depth_count = static_cast<int>(depths.size());
    for (std::size_t k = 0; k < depths.size(); ++k) control.output_depths[k].depth = depths[k];
    engine().options.PrintPYCurves = true;
  }

  std::vector<std::string> report() {
    engine().run.report.close();
    return folder_.report();
  }
  std::vector<std::string> plot() {
    engine().run.plot.close();
    return folder_.plot();
  }
  std::vector<std::string> messages() {
    engine().run.message.close();
    return folder_.messages();
  }

  RunFolder folder_;

 private:
  static void set_row(SoilProfile& profile, int row, double depth, const LayerValues& v) {
    profile.XProfile[row] = depth;
    profile.gamma_depth[row] = depth;
    profile.gamma[row] = v.gamma;
    profile.c[row] = v.c;
    profile.eps50[row] = v.eps50;
    profile.J[row] = v.J;
    profile.elastic_subgrade[row] = v.E_k;
  }
};

}  // namespace torva::testing
