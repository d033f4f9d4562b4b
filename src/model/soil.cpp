#include "model/soil.h"

namespace torva {

double contiguous_layer_top(const SoilLayers& soil, int i) {
  return i == 1 ? soil.XS : soil.XLayerBottom[i - 1];
}

void set_layer_tops(SoilLayers& soil) {
  for (int i = 1; i <= soil.count; ++i) soil.XLayerTop[i] = contiguous_layer_top(soil, i);
}

void make_layers_contiguous(SoilLayers& soil, SoilProfile& profile, UserPYCurves& user_py) {
  set_layer_tops(soil);
  for (int i = 1; i <= soil.count; ++i) {
    const int row = 2 * i - 1;
    profile.XProfile[row] = profile.gamma_depth[row] = soil.XLayerTop[i];
    if (soil.i_SoilLayer_py_Type[i] == criterion::kUserPY) {
      user_py.curve[row].depth = soil.XLayerTop[i];
    }
  }
}

}  // namespace torva
