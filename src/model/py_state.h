// State of the p-y framework that lives across its passes over the layers: the layered-soil
// correction of every layer and the mode the criteria work in.
#pragma once

#include "model/capacities.h"
#include "model/one_based.h"

namespace torva {

inline constexpr double kEqDepthNotComputed = -10000.0;

struct PYState {
  // Equivalent depth of the top of layer i (length); kEqDepthNotComputed until computed.
  OneBased<double, kMaxLayers> EqDepth = [] {
    OneBased<double, kMaxLayers> depths{};
    depths.fill(kEqDepthNotComputed);
    return depths;
  }();
  OneBased<double, kMaxLayers> FLayer{};     // ultimate resistance integrated over layer i (force)
  OneBased<double, kMaxLayers> FLayerAlt{};  // the same, as the liquefied sand criterion sums it
  int NoLayeringCount = 0;  // layers of this pass whose criteria end the layered-soil correction
  OneBased<bool, kMaxLayers> bBelowNoLayering{};  // layer i was processed below such a layer
  double soft_clay_J = 0.5;  // J of the "SoftClay" criterion (dimensionless)
  bool output_mode = false;  // criteria print curves at the output depths instead of moduli
};

}  // namespace torva
