// The reset at the start of a run: every table back to its load-time state, the sections and
// moment-curvature tables as far as the run before wrote them.
#include <gtest/gtest.h>

#include <memory>

#include "model/engine.h"

namespace torva::testing {
namespace {

TEST(EngineReset, PutsBackEverySectionEntryARunCanHaveWritten) {
  auto engine = std::make_unique<Engine>();
  Sections& sections = engine->sections;
  sections.count = 3;
  sections.point_count = 6;
  sections.pile_length = 90.0;
  for (int k = 0; k < 3; ++k) {
    sections.table[k].type = 4;
    sections.table[k].length = 30.0;
    sections.table[k].curves[0].point_count = 5;
    engine->moment_curvature.curves[k][7].n_p = 9;
    engine->moment_curvature.curves[k][7].M(1) = 1.5;
  }
  sections.points[5].depth = 90.0;
  engine->soil.count = 2;
  engine->nodes.N = 101;
  engine->options.IUNITS = kUnitsSI;
  engine->py.depth_parts_filled = true;

  reset_engine(*engine);

  EXPECT_EQ(sections.count, 0);
  EXPECT_EQ(sections.point_count, 0);
  EXPECT_EQ(sections.pile_length, 0.0);
  EXPECT_EQ(sections.points[5].depth, 0.0);
  for (int k = 0; k < kMaxSections; ++k) {
    EXPECT_EQ(sections.table[k].type, 0) << k;
    EXPECT_EQ(sections.table[k].length, 0.0) << k;
    EXPECT_EQ(sections.table[k].curves[0].point_count, 0) << k;
    EXPECT_EQ(engine->moment_curvature.curves[k][7].n_p, 0) << k;
    EXPECT_EQ(engine->moment_curvature.curves[k][7].M(1), 0.0) << k;
  }
  const auto fresh = std::make_unique<Engine>();
  EXPECT_EQ(engine->soil.count, fresh->soil.count);
  EXPECT_EQ(engine->nodes.N, fresh->nodes.N);
  EXPECT_EQ(engine->options.IUNITS, fresh->options.IUNITS);
  EXPECT_EQ(engine->py.depth_parts_filled, false);
}

}  // namespace
}  // namespace torva::testing
