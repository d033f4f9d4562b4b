#include "model/soil.h"

namespace torva {

double contiguous_layer_top(const SoilLayers& soil, int i) {
  return i == 1 ? soil.XS : soil.XLayerBottom[i - 1];
}

void set_layer_tops(SoilLayers& soil) {
  for (int i = 1; i <= soil.count; ++i) soil.XLayerTop[i] = contiguous_layer_top(soil, i);
}

}  // namespace torva
