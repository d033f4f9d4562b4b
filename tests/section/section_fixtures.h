// Sections built directly as working values (US customary: inches, ksi, kips) for the tests of
// the slices, materials and moment-curvature analysis.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "section/moment_curvature.h"

namespace torva::testing {

inline constexpr double kPi = std::numbers::pi;

inline void add_bar(SectionValues& v, double x, double y, double diameter, double area) {
  Bar& bar = v.bars[v.bar_count++];
  bar = Bar{diameter, area, x, y, 0};
}

// Type 0: b x h of f'c, bars of yield fy and modulus Es added by the test.
inline SectionValues rectangle(double b, double h, double fc = 4.0, double fy = 60.0,
                               double Es = 29000.0) {
  SectionValues v;
  v.type = kRectangularConcrete;
  v.family = OutlineFamily::kRectangle;
  v.reinforcement = kReinforcementBars;
  v.width = b;
  v.depth = h;
  v.diameter = h;
  v.fc = fc;
  v.fy = fy;
  v.Es = Es;
  return v;
}

// n bars on a circle of radius r about the centre, bar 1 on +X.
inline void add_bar_circle(SectionValues& v, int n, double r, double diameter, double area) {
  for (int j = 0; j < n; ++j) {
    const double angle = 2.0 * kPi * j / n;
    add_bar(v, r * std::cos(angle), r * std::sin(angle), diameter, area);
  }
}

// Type 1: a drilled shaft of diameter D with n bars inside a clear cover.
inline SectionValues drilled_shaft(double D, int n, double bar_diameter, double bar_area,
                                   double cover = 3.0, double fc = 4.0, double fy = 60.0) {
  SectionValues v = rectangle(0.0, 0.0, fc, fy);
  v.type = kDrilledShaft;
  v.family = OutlineFamily::kCircle;
  v.diameter = D;
  v.width = v.depth = 0.0;
  add_bar_circle(v, n, (D - bar_diameter) / 2.0 - cover, bar_diameter, bar_area);
  return v;
}

// Type 4: a steel pipe of diameter D and wall t.
inline SectionValues steel_pipe(double D, double t, double fy = 36.0, double E = 29000.0) {
  SectionValues v;
  v.type = kSteelPipe;
  v.family = OutlineFamily::kPipe;
  v.reinforcement = kReinforcementNone;
  v.diameter = D;
  v.casing_thickness = t;
  v.casing_yield = fy;
  v.casing_modulus = E;
  return v;
}

// Type 7: a w x w square prestressed pile of PCI 270 strands (added by the test), prestressed
// by `force` (lbs) less a fraction `loss`.
inline SectionValues square_prestressed_pile(double w, double fc, double force, double loss) {
  SectionValues v = rectangle(w, w, fc);
  v.type = kSquareSolidPrestressed;
  v.reinforcement = kStrandPci250 + 1;
  v.diameter = w;
  v.Es = 28000.0;
  v.fpu = 270000.0;
  v.prestress_force = force;
  v.prestress_loss = loss;
  return v;
}

// Builds the sliced section, expecting no fault.
inline std::unique_ptr<SlicedSection> sliced(const SectionValues& v) {
  auto s = std::make_unique<SlicedSection>();
  const SectionFault fault = Initialize_EI_Vars(v, *s);
  EXPECT_FALSE(fault) << "fault " << static_cast<int>(fault.kind);
  return s;
}

// The curve under `thrust`, expecting no fault.
inline std::unique_ptr<StepTable> curve(const SlicedSection& s, double thrust) {
  auto t = std::make_unique<StepTable>();
  const SectionFault fault = moment_curvature(s, thrust, *t);
  EXPECT_FALSE(fault) << "fault " << static_cast<int>(fault.kind);
  return t;
}

}  // namespace torva::testing
