// Soil properties as functions of depth, from the values stored at the top and bottom of every
// layer: interpolation inside layers, the rules at interfaces, averages from the ground
// surface, group-action multipliers and the layered-soil equivalent depth. Functions that can
// fail report a numbered error and end the run.
#pragma once

#include <array>

#include "model/engine.h"

namespace torva {

// Depths X are vertical depths below the pile head (length unit of the run); x of the group
// multipliers is the distance from the pile head along the pile.

// Undrained shear strength c (uniaxial compressive strength q_u of weak rock and vuggy
// limestone) at X. On a layer interface: the mean of two cohesive or rock layers, the cohesive
// or rock side against any other layer, otherwise the lower layer's value; at the pile tip the
// upper layer's bottom value. Input errors 5 (below the strength data) and 60.
double fn_c(Engine& engine, double X);
// The same for the massive rock uniaxial compressive strength.
double fn_HB_qu_at_DepthX(Engine& engine, double X);
// True when X lies within the interface tolerance (1e-6 length units) of an interface: the
// bottom of a layer and the top of the next. fn_c applies its interface rules there.
bool at_layer_interface(const Engine& engine, double X);

// Friction angle (degrees), eps50 (also k_rm of weak rock) and soft clay J: on an interface the
// mean of the two layers' values, or the one that is not zero; at the pile tip the upper
// layer's value. Below the profile fn_phi stops with input error 4, the others give 0.
double fn_phi(Engine& engine, double X);
double fn_eps50(const Engine& engine, double X);
double fn_J(const Engine& engine, double X);
// Weak rock k_rm: the lower layer's value on an interface (the upper one's at the tip).
double fn_krm(const Engine& engine, double X);
// RQD (percent), by the interface rule of fn_phi without the tip exception. Input errors 31
// (below the profile) and 49 (outside 0..100).
double fn_RQD(Engine& engine, double X);
// k top/bottom of the layer (subgrade modulus or initial rock modulus) at X. Runtime error 20
// for a layer of no thickness.
double fn_k_in_layer(Engine& engine, int layer, double X);
// A property column at X inside layer `layer`: linear between the layer's top (row 2i-1) and
// bottom (row 2i) profile rows, the top value for rows of no thickness between them.
double fn_value_in_layer(const Engine& engine, const OneBased<double, kProfileRows>& column,
                         int layer, double X);
// Averages from the ground surface down to X (force/length^3, stress). Input errors 15 and 3
// below the profile.
double fn_gamma_avg(Engine& engine, double X);
double fn_c_avg(Engine& engine, double X);
// Group-action multipliers (1.0 outside the table).
double fn_pmult(const Engine& engine, double x);
double fn_ymult(const Engine& engine, double x);

// Stiff clay with free water: empirical factors A (static, A_s) and A (cyclic, A_c) at z/b.
double A_s(double r);
double A_c(double r);
// Sand factor A at depth z for pile width b, static or cyclic.
double A_sand(double z, double b, bool cyclic);

// A sand factor tabulated against r = z/b at 0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0
// (entries 1..10, entry 0 unused): linear between entries, the last value beyond r = 6.
using SandFactorTable = std::array<double, 11>;
double sand_factor(const SandFactorTable& values, double r);

// Default initial modulus of subgrade reaction of the sand criteria (force/length^3) for a
// friction angle phi (degrees) and average effective unit weight gamma (force/length^3).
// General units have no default: runtime error 13.
double fn_sand_default_k(Engine& engine, double phi, double gamma);

// What a criterion has resolved at the first node of a layer, read by the equivalent depth.
struct NodeSoilParameters {
  double b = 0.0;      // pile width (length)
  double c = 0.0;      // undrained shear strength at the node (stress)
  double c_a = 0.0;    // average undrained shear strength above the node (stress)
  double gamma = 0.0;  // average effective unit weight above the node (force/length^3)
  double J = 0.0;      // soft clay J
  double phi = 0.0;    // friction angle (degrees)
  double alpha = 0.0;  // sand wedge angles and earth pressure coefficients (radians)
  double beta = 0.0;
  double K0 = 0.0;
  double Ka = 0.0;
  double Kp = 0.0;
  double z0 = 0.0;     // depth of the node below the ground surface (length)
};

// Stores EqDepth(layer) for the criterion of that layer (soft clays, stiff clays, sand, API
// sand, cemented silt; other criteria leave it): the depth at which the ultimate resistance of
// the layer's own soil, integrated from the ground surface, equals the resistance of the layers
// above (FLayer, FLayerAlt where FLayer is below 0.01). 0 when the soil's resistance does not
// grow with depth (zero strength, zero friction angle).
void compute_equivalent_depth(Engine& engine, int layer, const NodeSoilParameters& soil);

}  // namespace torva
