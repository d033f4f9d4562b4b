#include "section/section_values.h"

#include "section/bar_placement.h"

namespace torva {

namespace {

OutlineFamily family_of(const PileSection& s) {
  switch (s.type) {
    case kDrilledShaft:
    case kCircularSolidPrestressed:
      return OutlineFamily::kCircle;
    case kCasedShaft:
      return OutlineFamily::kCasedCircle;
    case kCasedShaftWithCore:
      return OutlineFamily::kCasedCircleWithCore;
    case kSteelPipe:
      return OutlineFamily::kPipe;
    case kCircularHollowPrestressed:
      return OutlineFamily::kCircleWithVoid;
    case kSquareSolidPrestressed:
      return s.chamfer != 0.0 ? OutlineFamily::kPolygon : OutlineFamily::kRectangle;
    case kSquareHollowPrestressed:
      return s.chamfer != 0.0 ? OutlineFamily::kPolygonWithVoids
                              : OutlineFamily::kRectangleWithVoid;
    case kOctagonalSolidPrestressed:
      return OutlineFamily::kPolygon;
    case kOctagonalHollowPrestressed:
      return OutlineFamily::kPolygonWithVoids;
    default:
      return OutlineFamily::kRectangle;
  }
}

}  // namespace

SectionValues section_values(const PileSection& s, int units) {
  SectionValues v;
  v.type = s.type;
  v.family = family_of(s);
  v.us = units == kUnitsUS;
  // Stresses and moduli are input in psi in US customary runs; the analysis works in ksi.
  const double stress = v.us ? 1.0 / 1000.0 : 1.0;

  v.diameter = s.diameter;
  v.chamfer = s.chamfer;
  if (s.type == kRectangularConcrete) {
    v.width = s.width;
    v.depth = s.depth;
  } else if (s.type == kSquareSolidPrestressed || s.type == kSquareHollowPrestressed) {
    v.width = s.diameter;
    v.depth = s.diameter;
  }
  v.fc = s.fc * stress;

  if (s.type == kCasedShaft || s.type == kCasedShaftWithCore || s.type == kSteelPipe) {
    v.casing_thickness = s.casing_thickness;
    v.casing_yield = s.casing_yield * stress;
    v.casing_modulus = s.casing_modulus * stress;
  }
  if (s.type == kCasedShaftWithCore) {
    v.core = {true, s.core_diameter, s.core_thickness, s.core_yield * stress,
              s.core_modulus * stress, s.b_FillCoreWithConcrete};
  } else if (s.type == kCircularHollowPrestressed || s.type == kSquareHollowPrestressed ||
             s.type == kOctagonalHollowPrestressed) {
    v.core = {true, s.void_diameter, 0.0, 0.0, 0.0, false};
  }

  if (s.type == kSteelPipe) {
    v.reinforcement = kReinforcementNone;
  } else if (s.type <= kCasedShaftWithCore) {
    v.reinforcement = kReinforcementBars;
    v.bar_count = s.bar_count;
    v.fy = s.bar_yield * stress;
    v.Es = s.steel_modulus * stress;
  } else {
    v.reinforcement = kStrandPci250 + s.strand_type;
    v.bar_count = s.strand_count;
    // The catalogue gives strand moduli in ksi or kPa already.
    v.Es = s.steel_modulus;
    v.fpu = s.strand_fpu;
    v.prestress_force = s.prestress_force;
    v.prestress_loss = s.prestress_loss;
    // Manually positioned strands each carry their own size index; strand 1's decides.
    v.bar_size_index = s.strands_automatic ? s.strand_size : s.bars[0].index;
  }
  const int bars = v.bar_count < 0 ? 0 : (v.bar_count > kMaxBars ? kMaxBars : v.bar_count);
  for (int i = 0; i < bars; ++i) v.bars[i] = s.bars[i];
  return v;
}

bool place_section_cage(Engine& engine, const PileSection& s, SectionValues& v) {
  if (s.type > kCasedShaftWithCore || !s.bars_computed || s.bar_count <= 0) return true;
  // The reader placed the bars on the outer diameter; a cased shaft holds its cage inside
  // the casing.
  const bool cased = s.type == kCasedShaft || s.type == kCasedShaftWithCore;
  const double diameter = cased ? s.diameter - 2.0 * s.casing_thickness : s.diameter;
  double bar_diameter = s.bar_diameter;
  const int per_bundle = s.bars_per_bundle < 1 ? 1 : s.bars_per_bundle;
  BarPositions positions;
  if (!Compute_Rebar_Circle(engine, positions, diameter, s.cover, bar_diameter,
                            s.bar_count / per_bundle, s.bars_per_bundle)) {
    return false;
  }
  for (int i = 0; i < v.bar_count; ++i) {
    v.bars[i].diameter = bar_diameter;
    v.bars[i].x = positions.x[i];
    v.bars[i].y = positions.y[i] + s.cage_offset;
  }
  return true;
}

}  // namespace torva
