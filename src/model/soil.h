// The soil: layers with their p-y criteria, the property profile at the top and bottom of every
// layer, user-input p-y curves, group-action multipliers, lateral soil movements and the shear
// resistance at the pile tip.
//
// All tables count from 1 (OneBased). Lengths and depths are in the length unit of the run:
// as read until the input is converted (feet for US customary depths), inches or metres after.
#pragma once

#include "model/capacities.h"
#include "model/one_based.h"

namespace torva {

// p-y criterion codes of the soil layer records (short names in CriterionNameTable).
namespace criterion {
inline constexpr int kSoftClay = 1;
inline constexpr int kStiffClayWithWater = 2;      // "StfClyBW"
inline constexpr int kStiffClayWithoutWater = 3;   // "StfClyAW"
inline constexpr int kStiffClayWithoutWaterK = 4;  // "StfClyAK"
inline constexpr int kSand = 5;
inline constexpr int kApiSand = 6;
inline constexpr int kLiquefiedSand = 7;
inline constexpr int kWeakRock = 8;
inline constexpr int kVuggyLimestone = 9;
inline constexpr int kPiedmont = 10;
inline constexpr int kCementedSilt = 11;
inline constexpr int kLoess = 12;
inline constexpr int kElasticSubgrade = 13;
inline constexpr int kUserPY = 14;
inline constexpr int kSoftClayJ = 15;
inline constexpr int kMassiveRock = 16;
inline constexpr int kFrozenSoil = 17;
inline constexpr int kFirst = kSoftClay;
inline constexpr int kLast = kFrozenSoil;  // codes a soil layer may name
}  // namespace criterion

// Field tests of the Piedmont residual soil criterion.
namespace field_test {
inline constexpr int kSPT = 1;
inline constexpr int kCPT = 2;
inline constexpr int kDMT = 3;
inline constexpr int kPMT = 4;
}  // namespace field_test

inline constexpr int kMaxUserPYPoints = 100;    // points of one user-input p-y curve
inline constexpr int kMaxGroupFactorRows = 80;  // rows of the group-action multiplier table
inline constexpr int kMinSoilMovementPoints = 2;
inline constexpr int kMaxSoilMovementPoints = 100;
inline constexpr int kMaxTipShearPoints = 100;  // points of the tip shear curve

// The layer table: one entry per soil layer, from the ground surface down.
struct SoilLayers {
  int count = 0;    // number of layers in use, 0..40
  double XS = 0.0;  // depth of the ground surface below the pile head (length); XLayerTop(1)
  OneBased<int, kMaxLayers> i_SoilLayer_py_Type{};  // p-y criterion code, 1..17
  OneBased<double, kMaxLayers> XLayerTop{};         // depth of the layer top below the pile head
  OneBased<double, kMaxLayers> XLayerBottom{};      // depth of the layer bottom below the pile head
  // Subgrade modulus k (force/length^3) of the sand, API sand, stiff clay with free water,
  // stiff clay without free water using k and cemented silt layers; initial rock modulus E_ir
  // (stress) of weak rock. Given at the layer top and bottom.
  OneBased<double, kMaxLayers> k_top{};
  OneBased<double, kMaxLayers> k_bottom{};
  OneBased<int, kMaxLayers> first_node{};  // first pile node in the layer, 0 when none
  OneBased<int, kMaxLayers> last_node{};   // last pile node in the layer
};

// `SoilProfile`: soil properties at the top (row 2i-1) and bottom (row 2i) of layer i. A
// column a layer's criterion does not use is left as it was.
struct SoilProfile {
  int row_count = 0;                             // rows in use: twice the number of layers
  OneBased<double, kProfileRows> XProfile{};     // depth of the row below the pile head
  OneBased<double, kProfileRows> gamma_depth{};  // copy of XProfile, the depths of gamma
  OneBased<double, kProfileRows> gamma{};        // effective unit weight (force/length^3)
  // Undrained shear strength c (stress) of the clays and cemented silt; uniaxial compressive
  // strength q_u (stress) of weak rock and vuggy limestone.
  OneBased<double, kProfileRows> c{};
  OneBased<double, kProfileRows> eps50{};  // strain at half strength (clays, silt); k_rm (rock)
  OneBased<double, kProfileRows> J{};      // soft clay J factor (dimensionless)
  OneBased<double, kProfileRows> phi{};    // friction angle (degrees)
  OneBased<double, kProfileRows> RQD{};    // rock quality designation of weak rock (percent)
  OneBased<int, kProfileRows> field_test_type{};  // Piedmont field test: 1 SPT ... 4 PMT
  OneBased<double, kProfileRows> spt_n60{};       // SPT blow count N60 (blows per foot)
  OneBased<double, kProfileRows>
      cone_tip{};  // cone tip resistance q_c (stress), Piedmont and loess
  OneBased<double, kProfileRows> dilatometer_modulus{};    // E_dmt (stress)
  OneBased<double, kProfileRows> pressuremeter_modulus{};  // E_pmt (stress)
  OneBased<double, kProfileRows> elastic_subgrade{};  // elastic subgrade modulus (force/length^3)
  OneBased<double, kProfileRows> rock_qu{};  // massive rock uniaxial compressive strength (stress)
  OneBased<int, kProfileRows> rock_type{};   // massive rock type 1..71 (gives Hoek-Brown m_i)
  OneBased<double, kProfileRows> rock_extra1{};  // fourth and fifth values of a massive rock
  OneBased<double, kProfileRows> rock_extra2{};  // record: kept for the echo, not analysed
};

// One user-input p-y curve: deflection y (length) against soil resistance p (force/length),
// y ascending.
struct UserPYCurve {
  double depth = 0.0;  // depth of the curve below the pile head (the layer top or bottom)
  int count = 0;       // number of points
  OneBased<double, kMaxUserPYPoints> y{};
  OneBased<double, kMaxUserPYPoints> p{};
};

// User-input p-y curves: curve k belongs to profile row k (top and bottom of a "User p-y" layer).
struct UserPYCurves {
  OneBased<UserPYCurve, kProfileRows> curve{};
};

// `GroupFactorTable`: p-y modification factors for group action, by depth along the pile.
struct GroupFactorTable {
  int count = 0;       // rows in use
  bool given = false;  // a group effect section has been read (its count replaces the option's)
  OneBased<double, kMaxGroupFactorRows> depth{};         // distance from the pile head (length)
  OneBased<double, kMaxGroupFactorRows> p_multiplier{};  // multiplies p (dimensionless)
  OneBased<double, kMaxGroupFactorRows> y_multiplier{};  // multiplies y (dimensionless)
};

// Lateral soil movement against depth: depths in feet (US customary input, converted to
// inches) or metres; movements in inches or metres.
struct SoilMovement {
  int count = 0;                                        // points in use (0, or 2..100)
  OneBased<double, kMaxSoilMovementPoints> depth{};     // below the pile head (length)
  OneBased<double, kMaxSoilMovementPoints> movement{};  // lateral soil movement (length)
};

// Shear resistance at the pile tip against tip deflection.
struct TipShearCurve {
  int count = 0;                                      // points in use
  OneBased<double, kMaxTipShearPoints> deflection{};  // tip deflection (length)
  OneBased<double, kMaxTipShearPoints> shear{};       // tip shear force (force)
};

// Ground slope and pile batter (radians).
struct PileInclination {
  double ground_slope = 0.0;        // slope of the ground surface
  double batter = 0.0;              // batter of the pile axis from the vertical
  double slope_minus_batter = 0.0;  // ground slope minus pile batter
};

}  // namespace torva

namespace torva {

// The top of layer i once the layers are made contiguous: the ground surface for layer 1, the
// bottom of the layer above for the others.
double contiguous_layer_top(const SoilLayers& soil, int i);

// Makes the layers contiguous: every XLayerTop(i) becomes contiguous_layer_top(i).
void set_layer_tops(SoilLayers& soil);

// set_layer_tops, and the depth of each layer's top profile row (both depth columns) and of the
// top curve of a user-input p-y layer move with its top, so that the layer's properties start
// where the layer does.
void make_layers_contiguous(SoilLayers& soil, SoilProfile& profile, UserPYCurves& user_py);

}  // namespace torva
