// Liquefied sand ("Liq Sand"): the curve of Rollins et al. (2005) from full-scale tests in
// liquefied sand, p = P_d A (B y)^C (kN/m, y in mm) up to an upper limit, concave upwards: the
// sand stiffens as the pile pushes it. A, B and C follow a normalised depth, P_d the pile
// diameter. The relation is written in kN, m and mm; US customary runs convert on the way in
// and out.
#pragma once

#include <array>

#include "soil/py_framework.h"

namespace torva {

// A liquefied sand curve at one depth.
struct LiquefiedSandCurve {
  double P_d = 0.0;  // diameter factor
  double A = 0.0;    // factors of the normalised depth
  double B = 0.0;
  double C = 0.0;
  double P_u_kN = 0.0;            // upper limit P_d min(15, p_150) (kN/m)
  double mm_per_length = 1000.0;  // millimetres per length unit of the run
  double force_factor = 1.0;      // force/length of the run per kN/m
};

// Soil resistance p (force/length of the run) at deflection y >= 0 (length of the run).
double liquefied_sand_p(const LiquefiedSandCurve& curve, double y);

struct LiquefiedSandInputs {
  double b = 0.0;           // pile width (length)
  double z = 0.0;           // depth below the ground surface (length)
  double gamma = 0.0;       // average effective unit weight above the depth (force/length^3)
  bool first_layer = true;  // layer 1: the depth itself; deeper layers: vertical stress / 10 kN/m3
  bool us_units = false;    // US customary: inches and pounds, else metres and kN
};

// Everything resolved at one depth: the curve and what its report block shows.
struct LiquefiedSandAtDepth {
  LiquefiedSandInputs in;
  double b_m = 0.0;      // pile width (m)
  double z_n = 0.0;      // normalised depth (m)
  double p_150 = 0.0;    // p at 150 mm without the limit (kN/m)
  bool limited = false;  // p_150 >= 15 kN/m: the curve reaches its limit before 150 mm
  double P_u = 0.0;      // upper limit (force/length of the run)
  double y_u = 0.0;      // deflection at the upper limit, 150 mm when not limited (length)
  LiquefiedSandCurve curve;
};

LiquefiedSandAtDepth liquefied_sand_at_depth(const LiquefiedSandInputs& in);

// The 17 deflections of the printed curve (length of the run).
std::array<double, 17> liquefied_sand_points(const LiquefiedSandAtDepth& d);

}  // namespace torva
