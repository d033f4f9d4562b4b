// A small layered soil profile worked out by hand, with the ground surface 12 in below the pile
// head, in an engine whose report and run-message files are open.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace torva::testing {

// Depths below the pile head (in):
//   layer 1 soft clay      12..132  gamma' 0    / 0.03   c   5 / 7    eps50 0.02 / 0.01   J 0.5 /
//   0.25 layer 2 stiff clay    132..252  gamma' 0.04 / 0.05   c  10 / 14   eps50 0.005 / 0.004
//   layer 3 sand          252..372  gamma' 0.035         c   3 (left by an earlier record)  phi 30
//   / 34 layer 4 soft clay     372..492  gamma' 0.02          c   8 / 9    eps50 0.01 layer 5 weak
//   rock     492..612  gamma' 0.05          q_u 500 / 600  k_rm 0.0005 / 0.0001
//                                                        RQD 50 / 100  E_ir 1000 / 2000
// The pile reaches the bottom of the profile; increments of 10 in.
class SoilProfileFixture : public ::testing::Test {
 protected:
  static constexpr double kGround = 12.0;
  static constexpr double kBottom = 612.0;

  struct Layer {
    int code;
    double gamma[2], c[2], eps50[2], J[2], phi[2], RQD[2];
  };

  void SetUp() override {
    ASSERT_TRUE(engine().run.report.open(folder_.file("report.txt")));
    ASSERT_TRUE(engine().run.message.open(folder_.file("messages.txt")));
    engine().options.IUNITS = kUnitsUS;
    engine().run.labels.length = "in";
    const Layer layers[] = {
        {criterion::kSoftClay, {0.0, 0.03}, {5, 7}, {0.02, 0.01}, {0.5, 0.25}, {0, 0}, {0, 0}},
        {criterion::kStiffClayWithoutWater,
         {0.04, 0.05},
         {10, 14},
         {0.005, 0.004},
         {0, 0},
         {0, 0},
         {0, 0}},
        {criterion::kSand, {0.035, 0.035}, {3, 3}, {0, 0}, {0, 0}, {30, 34}, {0, 0}},
        {criterion::kSoftClay, {0.02, 0.02}, {8, 9}, {0.01, 0.01}, {0, 0}, {0, 0}, {0, 0}},
        {criterion::kWeakRock,
         {0.05, 0.05},
         {500, 600},
         {0.0005, 0.0001},
         {0, 0},
         {0, 0},
         {50, 100}},
    };
    SoilLayers& soil = engine().soil;
    SoilProfile& profile = engine().profile;
    soil.count = 5;
    soil.XS = kGround;
    profile.row_count = 10;
    for (int i = 1; i <= 5; ++i) {
      const Layer& layer = layers[i - 1];
      soil.i_SoilLayer_py_Type[i] = layer.code;
      soil.XLayerTop[i] = kGround + 120.0 * (i - 1);
      soil.XLayerBottom[i] = kGround + 120.0 * i;
      for (int end = 0; end < 2; ++end) {
        const int row = 2 * i - 1 + end;
        profile.XProfile[row] = profile.gamma_depth[row] =
            end == 0 ? soil.XLayerTop[i] : soil.XLayerBottom[i];
        profile.gamma[row] = layer.gamma[end];
        profile.c[row] = layer.c[end];
        profile.eps50[row] = layer.eps50[end];
        profile.J[row] = layer.J[end];
        profile.phi[row] = layer.phi[end];
        profile.RQD[row] = layer.RQD[end];
      }
    }
    soil.k_top[5] = 1000.0;
    soil.k_bottom[5] = 2000.0;
    engine().sections.pile_length = kBottom;
    engine().nodes.h = 10.0;
  }

  Engine& engine() { return folder_.engine(); }
  void set_tip(double depth) { engine().sections.pile_length = depth; }

  std::vector<std::string> report() {
    engine().run.report.close();
    return folder_.report();
  }
  std::vector<std::string> messages() {
    engine().run.message.close();
    return folder_.messages();
  }

  // The run ended with `number`, and both files hold `lines` (the report also the ending line
  // with `code`).
  void expect_error(int number, const std::string& code, const std::vector<std::string>& lines) {
    EXPECT_EQ(engine().run.ErrorNumber, number);
    const std::vector<std::string> text = report();
    EXPECT_TRUE(contains_block(text, lines)) << lines.front();
    EXPECT_TRUE(contains_line(text, "Torva ended prematurely due to " +
                                        std::string(number < 200 ? "input" : "runtime") +
                                        " error number " + code));
    EXPECT_TRUE(contains_block(messages(), lines)) << lines.front();
  }

  RunFolder folder_;
};

}  // namespace torva::testing
