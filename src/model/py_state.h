// State of the p-y framework that lives across its passes over the layers: the layered-soil
// correction of every layer and the mode the criteria work in.
#pragma once

#include <array>

#include "model/capacities.h"
#include "model/one_based.h"

namespace torva {

inline constexpr double kEqDepthNotComputed = -10000.0;

// What a pile node's curve needs that depends only on its depth, its soil and the load case:
// worked out at the first pass of a solution and read back by the passes after it, which only
// evaluate the curve at the new deflection. `X` and `x` are the node's place when the entry was
// made; an entry whose place no longer matches is worked out again.
struct NodeDepthPart {
  bool valid = false;       // the place, width and multipliers are worked out
  bool soil_valid = false;  // `soil` and `warning` are too
  int layer = 0;
  double X = 0.0, x = 0.0;  // vertical depth and distance along the pile (length)
  double b = 0.0, p_mult = 1.0, y_mult = 1.0;  // pile width, group multipliers
  std::array<double, 16> soil{};  // the criterion's own values: depth-only ones, and the
                                  // curve it last built with the pass-dependent ones they key
  int warning = 0;               // a warning the criterion registers at the node every pass
  int second_warning = 0;        // another one, registered after it
};

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
  // Depth-only parts of the node curves of the current solution; cleared at its first pass.
  OneBased<NodeDepthPart, kNodePlaces> depth_parts{};
  bool depth_parts_filled = false;  // some entry of depth_parts may be valid
};

}  // namespace torva
