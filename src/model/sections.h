// The pile sections: the section table read from the SECTIONS records, stacked from the pile
// head down, and the section point table of top and bottom properties per section.
//
// Units are those of the input until the unit conversion step: US customary runs hold section
// lengths and depths along the pile in feet and every other length in inches, areas in sq. in.,
// moments of inertia in in^4, stresses and moduli in psi; SI runs hold lengths in metres (the
// reader converts millimetre dimensions), areas in m^2, moments of inertia in m^4, stresses and
// moduli in kPa. Forces and moments are stored as read.
#pragma once

#include <array>

#include "model/capacities.h"

namespace torva {

inline constexpr int kMaxBars = 300;             // bars or strands of one section
inline constexpr int kMaxConcretePoints = 100;   // points of an input concrete curve
inline constexpr int kMaxMomentCurves = 100;     // moment-stiffness curves of one section
inline constexpr int kMaxCurvePoints = 150;      // points of one moment-stiffness curve
inline constexpr int kMaxSectionPoints = 2 * kMaxSections;

// Section type codes as stored (the input codes -3 and -13 are stored as 3 and 13).
inline constexpr int kRectangularConcrete = 0;
inline constexpr int kDrilledShaft = 1;
inline constexpr int kCasedShaft = 2;
inline constexpr int kCasedShaftWithCore = 3;
inline constexpr int kSteelPipe = 4;
inline constexpr int kCircularSolidPrestressed = 5;
inline constexpr int kCircularHollowPrestressed = 6;
inline constexpr int kSquareSolidPrestressed = 7;
inline constexpr int kSquareHollowPrestressed = 8;
inline constexpr int kOctagonalSolidPrestressed = 9;
inline constexpr int kOctagonalHollowPrestressed = 10;
inline constexpr int kElasticPile = 11;
inline constexpr int kElasticPlastic = 12;
inline constexpr int kUserDefinedEI = 13;
inline constexpr int kMicropile = 14;

// Cross-sectional shape codes of the elastic and elastic-plastic sections.
inline constexpr int kShapeRectangular = 1;
inline constexpr int kShapeCircular = 2;
inline constexpr int kShapeCircularPipe = 3;
inline constexpr int kShapeStrongHPile = 4;
inline constexpr int kShapeWeakHPile = 5;
inline constexpr int kShapeEmbeddedPole = 6;

// One reinforcing bar or prestressing strand, in the section's own X-Y plane (origin at the
// centre of the section).
struct Bar {
  double diameter = 0.0;  // nominal diameter (in or m)
  double area = 0.0;      // cross-sectional area (sq. in or m^2)
  double x = 0.0;         // position (in or m)
  double y = 0.0;
  int index = 0;          // bar index (bars) or strand size index (strands)
};

struct ConcretePoint {
  double strain = 0.0;
  double stress = 0.0;  // psi or kPa
};

// One input curve of bending moment against bending stiffness for one axial thrust.
struct MomentCurve {
  double thrust = 0.0;  // axial thrust (lbs or kN)
  int point_count = 0;
  std::array<double, kMaxCurvePoints> moment{};     // bending moment (in-lb or kN-m)
  std::array<double, kMaxCurvePoints> stiffness{};  // bending stiffness EI (lb-in^2 or kN-m^2)
  std::array<double, kMaxCurvePoints> curvature{};  // moment / stiffness (rad/in or rad/m)
};

// Properties of the elastic (type 11) and elastic-plastic (type 12) sections.
struct ElasticProperties {
  double modulus = 0.0;           // elastic modulus E
  double top_width = 0.0;         // width or outside diameter; flange width of an H-pile
  double bottom_width = 0.0;
  double top_depth = 0.0;         // section depth, wall thickness (pipe) or H-pile depth
  double bottom_depth = 0.0;
  double flange_thickness = 0.0;  // H-piles
  double web_thickness = 0.0;
  double top_area = 0.0;
  double bottom_area = 0.0;
  double top_inertia = 0.0;       // moment of inertia
  double bottom_inertia = 0.0;
  double top_plastic_moment = 0.0;  // plastic moment capacity (type 12)
  double bottom_plastic_moment = 0.0;
};

struct PileSection {
  int type = 0;           // section type code 0..14 (see above)
  int shape = 0;          // elastic shape code 1..6 (types 11, 12)
  double length = 0.0;    // section length along the pile (ft, m)
  double width = 0.0;     // width facing the soil (type 0)
  double depth = 0.0;     // depth in the direction of bending (type 0)
  // Outside diameter (1 to 6, 13; casing outside diameter for 2 and 3), pile width (7 to 10,
  // across the flats for 9 and 10), copy of the depth (0), drilled hole diameter (shape 6).
  double diameter = 0.0;
  double chamfer = 0.0;   // corner chamfer (7, 8)
  double top = 0.0;       // depth of the section's top below the pile head (ft, m)
  double bottom = 0.0;    // depth of its bottom

  // Casing (2, 3) or the wall of a steel pipe pile (4).
  double casing_thickness = 0.0;
  double casing_yield = 0.0;
  double casing_modulus = 0.0;
  // Core pipe (3).
  double core_diameter = 0.0;
  double core_thickness = 0.0;
  double core_yield = 0.0;
  double core_modulus = 0.0;
  double void_diameter = 0.0;  // (6, 8, 10)

  // Reinforcing bars (0 to 3); the strand catalogue sets the modulus for strands (5 to 10).
  double bar_yield = 0.0;
  double steel_modulus = 0.0;
  double bar_diameter = 0.0;  // uniform bar diameter of bars on a circle
  double bar_area = 0.0;      // uniform bar area of bars on a circle
  double cover = 0.0;         // clear cover over bars on a circle
  double cage_offset = 0.0;   // offset of the bar cage centre from the pile centre
  int bar_count = 0;
  int bars_per_bundle = 0;
  int bundle_count = 0;
  std::array<Bar, kMaxBars> bars{};  // bars (0 to 3) or strands (5 to 10)

  // Prestressing strands (5 to 10).
  double strand_fpu = 0.0;       // ultimate strength f_pu, always psi
  double strand_diameter = 0.0;  // strand 1's catalogue values (automatic positions)
  double strand_area = 0.0;
  double strand_cover = 0.0;     // cover over strands (automatic positions)
  double prestress_force = 0.0;  // initial prestressing force (lbs or kN)
  double prestress_loss = 0.0;   // fraction of loss of prestress
  int strand_count = 0;
  int strand_type = 0;           // strand catalogue type index 0..5
  int strand_size = 0;           // strand catalogue size index
  int strand_pattern = 0;        // 0 circle, 1 and 2 square perimeter

  // Concrete (0 to 3, 5 to 10).
  double fc = 0.0;                // compressive strength f'c
  double tensile_strength = 0.0;  // override value (stored only)
  double aggregate_size = 0.0;    // maximum coarse aggregate size
  int concrete_point_count = 0;
  std::array<ConcretePoint, kMaxConcretePoints> concrete_curve{};  // stored only

  ElasticProperties elastic;  // (11, 12)

  // Moment-stiffness curves (13).
  int curve_count = 0;
  std::array<MomentCurve, kMaxMomentCurves> curves{};

  bool b_FillCoreWithConcrete = false;    // (3) false for the input code -3 (void core)
  bool has_moment_curves = false;         // (13)
  bool points_moment_stiffness = false;   // input code 13
  bool points_moment_curvature = false;   // input code -13
  bool default_tensile_strength = false;
  bool concrete_curve_input = false;
  bool bars_same_as_above = false;        // stored only: every section's bars are read in full
  bool bars_computed = false;             // bars placed on a circle
  bool strands_automatic = false;
};

// Properties at the top (point 2k-1) or bottom (point 2k) of section k.
struct SectionPoint {
  double depth = 0.0;    // below the pile head (ft, m)
  double width = 0.0;    // width or diameter facing the soil
  double inertia = 0.0;  // moment of inertia I (types 4, 11, 12)
  double modulus = 0.0;  // elastic modulus E (types 4, 11, 12)
  double area = 0.0;     // cross-sectional area A (types 4, 11, 12)
  double pole_width = 0.0;  // width of an embedded pole beside its drilled hole (shape 6)
};

struct Sections {
  int count = 0;             // number of sections S as read
  int point_count = 0;       // 2S
  double pile_length = 0.0;  // sum of the stacked section lengths (ft, m)
  std::array<PileSection, kMaxSections> table{};        // table[k - 1] is section k
  std::array<SectionPoint, kMaxSectionPoints> points{};  // points[j - 1] is point j
};

}  // namespace torva
