// Nonlinear soils for the iteration tests: the secant modulus of simple p-y curves.
#pragma once

#include <cmath>

#include "response/load_case_iteration.h"

namespace torva::testing {

// p = Es0 y up to the ultimate resistance p_u, then p = p_u.
class PlasticSoil final : public SoilModulusUpdate {
 public:
  PlasticSoil(double Es0, double p_u) : Es0_(Es0), p_u_(p_u) {}
  void update_soil_moduli(Engine& engine, int) override {
    NodeTable& nodes = engine.nodes;
    for (int i = 1; i <= nodes.N; ++i) {
      const double u = std::fabs(nodes.y[i]);
      nodes.Es[i] = Es0_ * u <= p_u_ ? Es0_ : p_u_ / u;
    }
  }

 private:
  double Es0_, p_u_;
};

// Hyperbolic curve p = Es0 y / (1 + |y| / y_r).
class HyperbolicSoil final : public SoilModulusUpdate {
 public:
  HyperbolicSoil(double Es0, double y_r) : Es0_(Es0), y_r_(y_r) {}
  void update_soil_moduli(Engine& engine, int) override {
    NodeTable& nodes = engine.nodes;
    for (int i = 1; i <= nodes.N; ++i) nodes.Es[i] = Es0_ / (1.0 + std::fabs(nodes.y[i]) / y_r_);
  }

 private:
  double Es0_, y_r_;
};

}  // namespace torva::testing
