#include "section/moment_curvature.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/errors.h"
#include "section/section_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

// Every step's neutral axis balances the thrust: the force at the returned depth equals it.
void expect_balanced(const SlicedSection& s, const StepTable& t) {
  const double tolerance = 1e-5 * std::fabs(s.capacities.P_c);
  for (int step = 1; step <= t.n_s; ++step) {
    ForceState state;
    state.phi = t.row(step).phi;
    state.no_tension = s.capacities.has_cracking_load && t.thrust < 0.0 &&
                       t.thrust < s.capacities.P_cr;
    EXPECT_NEAR(Compute_Axial_Thrust_Force(s, state, t.row(step).y_n), t.thrust, tolerance)
        << "step " << step;
  }
}

// Moment at curvature phi, linear between the steps of the table.
double moment_at(const StepTable& t, double phi) {
  for (int step = 2; step <= t.n_s; ++step) {
    const StepRow& a = t.row(step - 1);
    const StepRow& b = t.row(step);
    if (b.phi >= phi) return a.M + (b.M - a.M) * (phi - a.phi) / (b.phi - a.phi);
  }
  return t.row(t.n_s).M;
}

// ---------------------------------------------------------------------------------------------
// Steel pipe: elastic bending, then full plastification of the ring

constexpr double kPipeD = 24.0, kPipeT = 0.5, kPipeFy = 36.0, kPipeE = 29000.0;

TEST(SteelPipeCurve, BendsAboutItsCentreElasticallyThenTowardsThePlasticMoment) {
  const auto s = sliced(steel_pipe(kPipeD, kPipeT, kPipeFy, kPipeE));
  const auto t = curve(*s, 0.0);
  ASSERT_GT(t->n_s, 10);
  for (int step = 1; step <= t->n_s; ++step) {
    EXPECT_NEAR(t->row(step).y_n, kPipeD / 2.0, 2e-6) << "step " << step;
  }
  const double inside = kPipeD - 2.0 * kPipeT;
  const double I = kPi / 64.0 * (std::pow(kPipeD, 4) - std::pow(inside, 4));
  EXPECT_NEAR(t->row(1).EI / (kPipeE * I), 1.0, 1e-3);
  // Plastic section modulus of a ring.
  const double Z = (std::pow(kPipeD, 3) - std::pow(inside, 3)) / 6.0;
  const double M_p = Z * kPipeFy;
  const double last = t->row(t->n_s).M;
  EXPECT_LE(last, M_p);
  EXPECT_NEAR(last / M_p, 1.0, 0.015);
  // The pipe stops at five times its yield strain; its capacity is its last moment.
  EXPECT_GE(std::fabs(t->row(t->n_s).eps_c), 5.0 * kPipeFy / kPipeE);
  EXPECT_EQ(t->M_n, last);
  EXPECT_EQ(t->row(t->n_s).msg[1], 'Y');
  EXPECT_EQ(t->row(1).msg[1], ' ');
  expect_balanced(*s, *t);
}

TEST(SteelPipeCurve, TensionAndCompressionOfEqualSizeBendItAlike) {
  const auto s = sliced(steel_pipe(kPipeD, kPipeT, kPipeFy, kPipeE));
  const double P = 0.3 * s->capacities.P_c;
  const auto pushed = curve(*s, P);
  const auto pulled = curve(*s, -P);
  // Each thrust has its own increments; compare at the curvatures of the compressed pipe.
  for (int step = 1; step <= pushed->n_s; ++step) {
    const double phi = pushed->row(step).phi;
    if (phi > pulled->row(pulled->n_s).phi || phi < pulled->row(1).phi) continue;
    EXPECT_NEAR(moment_at(*pulled, phi) / pushed->row(step).M, 1.0, 0.005) << "step " << step;
  }
  // The neutral axis moves towards the tension side under compression, and back under tension.
  EXPECT_GT(pushed->row(1).y_n, kPipeD / 2.0);
  EXPECT_LT(pulled->row(1).y_n, kPipeD / 2.0);
  expect_balanced(*s, *pushed);
  expect_balanced(*s, *pulled);
}

// ---------------------------------------------------------------------------------------------
// Reinforced rectangle against the rectangular stress block and the transformed section

constexpr double kB = 18.0, kH = 24.0, kD = 21.5, kAs = 3.0, kFc = 4.0, kFy = 60.0,
                 kEs = 29000.0;

SectionValues singly_reinforced() {
  SectionValues v = rectangle(kB, kH, kFc, kFy, kEs);
  // Three 1 sq. in. bars at depth d, across the width.
  for (double x : {-6.0, 0.0, 6.0}) add_bar(v, x, kH / 2.0 - kD, 1.128, 1.0);
  return v;
}

TEST(RectangleCurve, NominalMomentIsThatOfTheRectangularStressBlock) {
  const auto s = sliced(singly_reinforced());
  const auto t = curve(*s, 0.0);
  const double a = kAs * kFy / (0.85 * kFc * kB);
  const double whitney = kAs * kFy * (kD - a / 2.0);
  EXPECT_NEAR(t->M_n / whitney, 1.0, 0.03);
  EXPECT_EQ(t->eps_cap, 0.003);
  EXPECT_FALSE(t->warning_355);
  expect_balanced(*s, *t);
}

TEST(RectangleCurve, SIRunGivesTheSameCurveInItsUnits) {
  constexpr double kMPerIn = 0.0254;
  constexpr double kKNmPerInKip = 4.4482216152605 * 0.0254;
  const SectionValues us = singly_reinforced();
  SectionValues si = us;
  si.us = false;
  si.width *= kMPerIn;
  si.depth *= kMPerIn;
  si.diameter *= kMPerIn;
  si.fc *= kKPaPerKsi;
  si.fy *= kKPaPerKsi;
  si.Es *= kKPaPerKsi;
  for (int i = 0; i < si.bar_count; ++i) {
    si.bars[i].x *= kMPerIn;
    si.bars[i].y *= kMPerIn;
    si.bars[i].diameter *= kMPerIn;
    si.bars[i].area *= kMPerIn * kMPerIn;
  }
  const auto a = sliced(us);
  const auto b = sliced(si);
  const double P = 0.1 * a->capacities.P_c;
  const auto ta = curve(*a, P);
  const auto tb = curve(*b, P * 4.4482216152605);
  ASSERT_EQ(ta->n_s, tb->n_s);
  for (int step = 1; step <= ta->n_s; step += 7) {
    EXPECT_NEAR(tb->row(step).phi * kMPerIn / ta->row(step).phi, 1.0, 1e-7) << "step " << step;
    EXPECT_NEAR(tb->row(step).M / kKNmPerInKip / ta->row(step).M, 1.0, 1e-5) << "step " << step;
  }
  EXPECT_NEAR(tb->M_n / kKNmPerInKip / ta->M_n, 1.0, 1e-5);
  expect_balanced(*b, *tb);
}

TEST(RectangleCurve, FirstStiffnessIsThatOfTheUncrackedTransformedSection) {
  const auto s = sliced(singly_reinforced());
  const auto t = curve(*s, 0.0);
  // Initial tangent of the concrete curve, and the bars transformed into it.
  const double E_c = 2.0 * kFc / s->concrete.eps0;
  const double n = kEs / E_c;
  const double area = kB * kH + (n - 1.0) * kAs;
  const double centroid = (kB * kH * kH / 2.0 + (n - 1.0) * kAs * kD) / area;  // from the top
  const double I = kB * kH * kH * kH / 12.0 + kB * kH * std::pow(kH / 2.0 - centroid, 2) +
                   (n - 1.0) * kAs * std::pow(kD - centroid, 2);
  EXPECT_NEAR(t->row(1).EI / (E_c * I), 1.0, 0.01);
  EXPECT_EQ(t->row(1).msg[0], ' ');
  // Cracked and yielded by the end; the moment never falls from one step to the next.
  EXPECT_EQ(t->row(t->n_s).msg[0], 'C');
  EXPECT_EQ(t->row(t->n_s).msg[1], 'Y');
  for (int step = 2; step <= t->n_s; ++step) {
    EXPECT_GE(t->row(step).M, t->row(step - 1).M) << "step " << step;
    EXPECT_DOUBLE_EQ(t->row(step).EI, t->row(step).M / t->row(step).phi);
  }
  expect_balanced(*s, *t);
}


// ---------------------------------------------------------------------------------------------
// Steps, stopping rules and warnings

TEST(CurvatureIncrement, FollowsTheDiameterRoundedToWholeMultiplesOf24Inches) {
  const struct {
    double D;
    double delta;
  } cases[] = {{48.0, 6.25e-7}, {30.0, 1.25e-6}, {12.0, 1.25e-6}, {0.0, 1.25e-6}, {72.0, 1.25e-6 / 3}};
  for (const auto& c : cases) {
    SectionValues v = drilled_shaft(c.D, 0, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(curvature_increment(v, 0.0), c.delta) << "D = " << c.D;
  }
  // SI runs count the same multiples in metres.
  SectionValues si = drilled_shaft(48 * 0.0254, 0, 0.0, 0.0);
  si.us = false;
  EXPECT_DOUBLE_EQ(curvature_increment(si, 0.0), 4.921259901994065e-5 / 2.0);
  // A steel pipe starts from its yield strain less the strain of the thrust.
  const SectionValues pipe = steel_pipe(kPipeD, kPipeT, kPipeFy, kPipeE);
  const double A = kPi / 4.0 * (kPipeD * kPipeD - 23.0 * 23.0);
  EXPECT_DOUBLE_EQ(curvature_increment(pipe, 100.0),
                   (1.7 * kPipeFy / kPipeE - 100.0 / (A * kPipeE)) / 12.0 / 80.0);
}

// A 48 in shaft of 40 bars pulled close to its tensile capacity never crushes its concrete.
class PulledShaft : public ::testing::Test {
 protected:
  PulledShaft() : s_(sliced(drilled_shaft(48.0, 40, 1.128, 1.0))) {}
  std::unique_ptr<SlicedSection> s_;
};

TEST_F(PulledShaft, Runs150StepsOfGrowingIncrementsAndWarns) {
  const auto t = curve(*s_, 0.9 * s_->capacities.P_t);
  ASSERT_EQ(t->n_s, kMaxSteps);
  const double d0 = 6.25e-7;
  EXPECT_NEAR(t->row(1).phi, d0, 1e-20);
  EXPECT_NEAR(t->row(39).phi, 39 * d0, 1e-18);
  EXPECT_NEAR(t->row(40).phi, 41 * d0, 1e-18);
  EXPECT_NEAR(t->row(80).phi - t->row(79).phi, 8 * d0, 1e-18);
  EXPECT_NEAR(t->row(120).phi - t->row(119).phi, 48 * d0, 1e-18);
  EXPECT_NEAR(t->row(150).phi - t->row(149).phi, 48 * d0, 1e-18);
  // All tension concrete cracked from the first step; the concrete strain stays small.
  EXPECT_EQ(t->row(1).msg[0], 'C');
  EXPECT_LT(t->row(150).eps_c, kCrushingStrain);
  EXPECT_TRUE(t->warning_305);
  EXPECT_FALSE(t->warning_355);
  expect_balanced(*s_, *t);

  auto engine = std::make_unique<Engine>();
  register_curve_warnings(*engine, *t);
  EXPECT_EQ(engine->warnings.WarningCount[305], 1);
  EXPECT_EQ(engine->warnings.WarningCount[355], 0);
}

TEST_F(PulledShaft, CracksAtOnceOnlyBeyondItsCrackingLoad) {
  const double P_cr = s_->capacities.P_cr;
  ASSERT_LT(P_cr, 0.0);
  const auto beyond = curve(*s_, 1.05 * P_cr);
  const auto within = curve(*s_, 0.5 * P_cr);
  EXPECT_EQ(beyond->row(1).msg[0], 'C');
  EXPECT_EQ(within->row(1).msg[0], ' ');
  // Without tensile strength the uncracked stiffness is lost from the first step.
  EXPECT_LT(beyond->row(1).EI, 0.8 * within->row(1).EI);
  expect_balanced(*s_, *beyond);
  expect_balanced(*s_, *within);
}

TEST_F(PulledShaft, CurvesDependOnlyOnTheirThrust) {
  const double P = 0.2 * s_->capacities.P_c;
  const auto first = curve(*s_, P);
  curve(*s_, 0.8 * s_->capacities.P_t);
  const auto again = curve(*s_, P);
  ASSERT_EQ(first->n_s, again->n_s);
  for (int step = 1; step <= first->n_s; ++step) {
    EXPECT_EQ(first->row(step).M, again->row(step).M);
    EXPECT_EQ(first->row(step).y_n, again->row(step).y_n);
  }
  EXPECT_EQ(first->M_n, again->M_n);
  expect_balanced(*s_, *first);
}

TEST(RectangleCurve, KeepsItsLargestMomentWhenCrackingLowersIt) {
  const auto s = sliced(singly_reinforced());
  const auto t = curve(*s, 0.0);
  int held = 0;
  for (int step = 2; step <= t->n_s; ++step) {
    if (t->row(step).M == t->row(step - 1).M) {
      ++held;
      EXPECT_LT(t->row(step).EI, t->row(step - 1).EI) << "step " << step;
    }
  }
  EXPECT_GT(held, 0);
  // The stiffness at a moment reached at the first step is the first one; beyond the curve,
  // the last one.
  EXPECT_EQ(EI_at_moment(*t, 0.5 * t->row(1).M), t->row(1).EI);
  EXPECT_EQ(EI_at_moment(*t, 2.0 * t->M_n), t->row(t->n_s).EI);
  const double m = 0.7 * t->M_n;
  int i = 1;
  while (t->row(i).M < m) ++i;
  const double EI = EI_at_moment(*t, m);
  EXPECT_LE(EI, t->row(i - 1).EI);
  EXPECT_GE(EI, t->row(i).EI);
}

TEST(RectangleCurve, BarsOnTheTensionFaceUnderCompressionStopAtTheFirstStep) {
  // Under a thrust the bars below mid-depth pull the resultant down: the first moment is
  // negative and the curve ends there, short of the crushing strain.
  SectionValues v = rectangle(12.0, 12.0);
  for (double x : {-4.0, 4.0}) add_bar(v, x, -4.0, 1.41, 1.56);
  const auto s = sliced(v);
  const auto t = curve(*s, 0.25 * s->capacities.P_c);
  ASSERT_EQ(t->n_s, 1);
  EXPECT_LE(t->row(1).M, 0.0);
  EXPECT_EQ(t->M_n, t->row(1).M);
  EXPECT_EQ(t->eps_cap, t->row(1).eps_c);
  EXPECT_TRUE(t->warning_355);
  auto engine = std::make_unique<Engine>();
  register_curve_warnings(*engine, *t);
  EXPECT_EQ(engine->warnings.WarningCount[355], 1);
  expect_balanced(*s, *t);
}

TEST(PrestressedCurve, StartsFromThePrecompressionAndBalancesEveryStep) {
  // A 14 in square pile with eight 0.5 in PCI 270 strands stressed to 200 kips.
  SectionValues v = square_prestressed_pile(14.0, 6.0, 200000.0, 0.2);
  const double a = 4.25;
  for (double x : {-a, 0.0, a}) add_bar(v, x, -a, 0.5, 0.153);
  for (double x : {-a, 0.0, a}) add_bar(v, x, a, 0.5, 0.153);
  add_bar(v, -a, 0.0, 0.5, 0.153);
  add_bar(v, a, 0.0, 0.5, 0.153);
  const auto s = sliced(v);
  const PrestressValues& p = s->prestress;
  EXPECT_NEAR(p.eps_ps0, -160000.0 / (1000.0 * 28000.0 * 8 * 0.153), 1e-12);
  const auto t = curve(*s, 0.0);
  // The concrete is compressed throughout before bending: the axis lies below the section.
  EXPECT_GT(t->row(1).y_n, 14.0);
  EXPECT_NEAR(t->row(1).eps_c, t->row(1).phi * t->row(1).y_n + p.eps_pc0, 1e-15);
  EXPECT_GT(t->M_n, 0.0);
  const StepRow& last = t->row(t->n_s);
  EXPECT_TRUE(last.msg[1] == 'Z' || last.eps_c >= kCrushingStrain || t->n_s == kMaxSteps);
  if (last.msg[1] == 'Z') {
    EXPECT_LT(last.y_n, 1.4);
  }
  expect_balanced(*s, *t);
}

TEST(PrestressedCurve, LightlyStrandedPileLosesItsCompressionZoneShortOfTheCapacityStrain) {
  // Two 0.085 sq. in. strands in a 14 in square pile: the axis rises to the compression face
  // long before the concrete reaches a strain of 0.003.
  SectionValues v = square_prestressed_pile(14.0, 6.0, 20000.0, 0.2);
  add_bar(v, 0.0, -5.5, 0.375, 0.085);
  add_bar(v, 0.0, 5.5, 0.375, 0.085);
  const auto s = sliced(v);
  for (double thrust : {0.0, 10.0}) {
    const auto t = curve(*s, thrust);
    const int n = t->n_s;
    ASSERT_LT(n, kMaxSteps);
    EXPECT_EQ(t->row(n).msg[1], 'Z');
    EXPECT_LT(t->row(n).y_n, 0.1 * 14.0);
    for (int step = 1; step < n; ++step) EXPECT_NE(t->row(step).msg[1], 'Z') << "step " << step;
    EXPECT_LT(t->row(n).eps_c, 0.003);
    EXPECT_EQ(t->M_n, t->row(n - 1).M);
    EXPECT_EQ(t->eps_cap, t->row(n - 1).eps_c);
    // Only a compressive thrust makes that a warning.
    EXPECT_EQ(t->warning_355, thrust > 0.0);
    expect_balanced(*s, *t);
  }
}

TEST(DrilledShaftCurve, MarksTheSteelStrainOfItsLowestBarOnceTheConcreteIsAtCapacity) {
  // Twelve bars: bar 10 lies at the bottom of the cage, R below the centre.
  const double D = 36.0, d = 1.128, R = (D - d) / 2.0 - 3.0;
  const auto s = sliced(drilled_shaft(D, 12, d, 1.0));
  const auto t = curve(*s, 0.0);
  bool marked = false;
  for (int step = 1; step <= t->n_s; ++step) {
    const StepRow& r = t->row(step);
    EXPECT_NEAR(r.eps_sT, (r.y_n - D / 2.0 - R) * r.phi, 1e-12) << "step " << step;
    EXPECT_EQ(r.msg[2] == 'T', r.eps_sT < -0.005 && r.eps_c >= 0.003) << "step " << step;
    marked = marked || r.msg[2] == 'T';
  }
  EXPECT_TRUE(marked);
  EXPECT_GE(t->row(t->n_s).eps_c, kCrushingStrain);
  EXPECT_LT(t->row(t->n_s - 1).eps_c, kCrushingStrain);
  expect_balanced(*s, *t);
}

// ---------------------------------------------------------------------------------------------
// Failures

TEST(RectangleCurve, AThrustBeyondItsCapacityHasNoNeutralAxis) {
  const auto s = sliced(singly_reinforced());
  StepTable table;
  const SectionFault fault = moment_curvature(*s, 1.5 * s->capacities.P_c, table);
  EXPECT_EQ(fault.kind, SectionFaultKind::kNeutralAxis);

  RunFolder folder;
  Engine& engine = folder.engine();
  engine.run.report.open(folder.file("report.txt").string());
  report_section_fault(engine, fault);
  engine.run.report.close();
  EXPECT_EQ(engine.run.ErrorNumber, 216);
  EXPECT_TRUE(contains_block(folder.report(),
                             {"**** Runtime Error No. 16 ****", "",
                              "Location of neutral axis was not found within 1,000 iterations.",
                              "", "",
                              "Torva ended prematurely due to runtime error number RUN00016"}));
}

}  // namespace
}  // namespace torva::testing
