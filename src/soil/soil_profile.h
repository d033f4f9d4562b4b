// Soil properties as functions of depth, from the values stored at the top and bottom of every
// layer: interpolation inside layers, the rules at interfaces, averages from the ground
// surface, group-action multipliers and the layered-soil equivalent depth. Functions that can
// fail report a numbered error and end the run.
#pragma once

#include "model/engine.h"

namespace torva {

double fn_c(Engine& engine, double X);
double fn_HB_qu_at_DepthX(Engine& engine, double X);
double fn_phi(Engine& engine, double X);
double fn_eps50(const Engine& engine, double X);
double fn_J(const Engine& engine, double X);
double fn_krm(const Engine& engine, double X);
double fn_RQD(Engine& engine, double X);
double fn_k_in_layer(Engine& engine, int layer, double X);
double fn_gamma_avg(Engine& engine, double X);
double fn_c_avg(Engine& engine, double X);
double fn_pmult(const Engine& engine, double x);
double fn_ymult(const Engine& engine, double x);

double A_s(double r);
double A_c(double r);
double A_sand(double z, double b, bool cyclic);

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

// Stores EqDepth(layer) for the criterion of that layer.
void compute_equivalent_depth(Engine& engine, int layer, const NodeSoilParameters& soil);

}  // namespace torva
