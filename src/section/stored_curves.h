// The moment-curvature tables the pile solver reads, for the sections that have no slices: the
// elastic pile, the elastic section with a specified moment capacity, and the curves of
// moment against bending stiffness given in the input.
#pragma once

#include "model/moment_curvature.h"
#include "model/sections.h"

namespace torva {

// An elastic pile of stiffness EI (table units): 150 points of curvature 10 p and moment
// EI times curvature; no moment capacity.
void elastic_curve(double EI, MomentCurvatureCurve& curve);

// An elastic-plastic section of stiffness EI and plastic moment M_p (table units): 100 points
// up to the yield curvature M_p/EI, then 50 points along a plateau rising by 2e-8 M_p a step.
void elastic_plastic_curve(double EI, double M_p, MomentCurvatureCurve& curve);

// An input curve of moment against stiffness, refined to up to 150 points by inserting the same
// number of points in every interval (a point of zero moment put first when the curve does not
// start there). Moments and stiffnesses are divided by `divisor` (1000 in US runs: in-lb to
// in-kips); M_n is the largest moment before that division. False, leaving the curve empty,
// when the curve has no interval, more points than a table holds, or curvatures that decrease.
bool refined_input_curve(const MomentCurve& input, double divisor, MomentCurvatureCurve& curve);

// Plastic moment capacity of an elastic-plastic section at depth x below the pile head, linear
// between its top and bottom values (in-lb or kN-m).
double plastic_moment_at(const PileSection& section, double x);

}  // namespace torva
