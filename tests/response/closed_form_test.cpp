// An elastic pile of constant stiffness on a linear bed of springs, long enough to act as
// infinitely long, against the closed-form solution of a semi-infinite beam-column on an
// elastic foundation (semi_infinite_beam.h).
#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "response/semi_infinite_beam.h"
#include "response/solver_fixture.h"

namespace torva::testing {
namespace {

struct Case {
  const char* name;
  int condition;
  double first, second;
  double Q;                                             // axial load, lb
  double w;                                             // uniform distributed load, lb/in
  bool check_deflection, check_rotation, check_moment;  // false where the value is prescribed
};

const Case kCases[] = {
    {"free head, shear", 1, 10000.0, 0.0, 0.0, 0.0, true, true, true},
    {"free head, moment", 1, 0.0, 1.0e6, 0.0, 0.0, true, true, false},
    {"free head, shear, axial and distributed load", 1, 10000.0, 0.0, 2.0e6, 20.0, true, true,
     true},
    {"fixed head", 2, 10000.0, 0.0, 0.0, 0.0, true, false, true},
    {"fixed head, axial load", 2, 10000.0, 0.0, 2.0e6, 0.0, true, false, true},
    {"rotational restraint", 3, 10000.0, 1.0e9, 0.0, 0.0, true, true, true},
    {"deflection, zero moment", 4, 0.5, 0.0, 0.0, 0.0, false, true, true},
    {"deflection, zero moment, distributed load", 4, 0.5, 0.0, 0.0, 20.0, false, true, true},
    {"deflection, fixed head", 5, 0.5, 0.0, 0.0, 0.0, false, false, true},
    {"deflection, fixed head, axial and distributed load", 5, 0.5, 0.0, 2.0e6, 20.0, false, false,
     true},
};

// The truncation error of the central differences is of order (|r| h)^2; |r| h is about 0.15,
// 0.075 and 0.038 for these increments. Every relative error must stay below 0.6 (|r| h)^2 and
// fall as the increments rise.
const int kIncrements[] = {100, 200, 400};

class ClosedForm : public SolverFixture {
 protected:
  struct Errors {
    double deflection, rotation, moment;
  };
  Errors solve(const Case& c, const Beam& beam, int increments) {
    make_pile(increments, kLength, kEI, kEs);
    for (int i = 1; i <= nodes().N; ++i) nodes().W[i] = c.w;
    LinearSoil soil;
    MomentCurvatureStiffness stiffness(section_);
    engine().solver.head = HeadCondition{c.condition, c.first, c.second, c.Q};
    EXPECT_EQ(iterate_load_case(engine(), SolverContext{section_, {}}, soil, stiffness),
              Convergence::kReached);
    const NodeTable& n = nodes();
    const double h = n.h;
    double largest = 0.0;
    for (int i = 1; i <= n.N; ++i) {
      largest =
          std::fmax(largest, std::fabs(kEI * (n.y[i - 1] - 2.0 * n.y[i] + n.y[i + 1]) / (h * h)));
    }
    const double rotation = (n.y[2] - n.y[0]) / (2.0 * h);
    return Errors{std::fabs(n.y[1] / beam.deflection() - 1.0),
                  std::fabs(rotation / beam.rotation() - 1.0),
                  std::fabs(largest / beam.largest_moment() - 1.0)};
  }
};

TEST_F(ClosedForm, MatchesTheSemiInfiniteBeamAndConvergesWithTheIncrements) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const Beam beam(c.condition, c.first, c.second, c.Q, c.w);
    Errors previous{1.0, 1.0, 1.0};
    for (const int increments : kIncrements) {
      SCOPED_TRACE(increments);
      const double rh = beam.wave_number() * kLength / increments;
      const double bound = 0.6 * rh * rh;
      const Errors e = solve(c, beam, increments);
      if (c.check_deflection) {
        EXPECT_LT(e.deflection, bound);
        EXPECT_LT(e.deflection, previous.deflection);
      }
      if (c.check_rotation) {
        EXPECT_LT(e.rotation, bound);
        EXPECT_LT(e.rotation, previous.rotation);
      }
      if (c.check_moment) {
        EXPECT_LT(e.moment, bound);
        EXPECT_LT(e.moment, previous.moment);
      }
      previous = e;
    }
  }
}

}  // namespace
}  // namespace torva::testing
