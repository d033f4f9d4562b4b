// Elastic subgrade ("Elast SG"): a linear soil whose reaction per unit deflection is the
// subgrade modulus E_k times the pile width, whatever the deflection.
#pragma once

#include "soil/py_framework.h"

namespace torva {

// An elastic subgrade at one depth.
struct ElasticSubgradeAtDepth {
  double E_k = 0.0;  // subgrade modulus (force/length^3)
  double b = 0.0;    // pile width (length)
};

inline double elastic_subgrade_p(const ElasticSubgradeAtDepth& soil, double y) {
  return soil.E_k * soil.b * y;
}

// E_k at depth X of layer `layer`, linear between the layer's top and bottom profile rows.
double subgrade_modulus_at(const Engine& engine, int layer, double X);

}  // namespace torva
