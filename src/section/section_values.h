// The working values of one pile section for the section analysis: its outline family, its
// material codes and its dimensions and strengths in the units the analysis computes in (ksi,
// inches and kips in US customary runs; kPa, metres and kN otherwise).
#pragma once

#include <array>

#include "model/engine.h"
#include "model/sections.h"

namespace torva {

inline constexpr int kSlices = 100;          // slices of a section
inline constexpr double kSlicesReal = 100.0;
inline constexpr int kMaxSteps = 150;        // curvature steps of one moment-curvature curve

// kPa per ksi.
inline constexpr double kKPaPerKsi = 6894.75732421875;
// kPa per psi: the strand strengths are held in psi.
inline constexpr double kKPaPerPsi = 6.89475732421875;

// How a section is cut into slices and which components it has.
enum class OutlineFamily {
  kRectangle,             // 0, and 7 without chamfer
  kRectangleWithVoid,     // 8 without chamfer
  kCircle,                // 1, 5
  kCircleWithVoid,        // 6
  kCasedCircle,           // 2
  kCasedCircleWithCore,   // 3
  kPipe,                  // 4
  kPolygon,               // 7 with chamfer, 9
  kPolygonWithVoids,      // 8 with chamfer, 10
};

// Reinforcement model codes.
inline constexpr int kReinforcementNone = 1;   // steel pipe: no bars
inline constexpr int kReinforcementBars = 2;   // elastic-perfectly plastic bars
inline constexpr int kStrandPci250 = 4;        // strand type index 0 ..
inline constexpr int kDeformedHighStrengthBar = 9;  // .. strand type index 5

// A core pipe (type 3) or the void of a hollow pile (types 6, 8, 10: no wall, no fill), a
// circle at the centre of the section.
struct CoreValues {
  bool present = false;
  double diameter = 0.0;   // outside diameter
  double thickness = 0.0;  // wall thickness (0 for a void)
  double yield = 0.0;      // wall yield stress
  double modulus = 0.0;    // wall modulus
  bool filled = false;     // filled with concrete (type 3 only)
};

struct SectionValues {
  int type = 0;  // section type code 0..10
  OutlineFamily family = OutlineFamily::kRectangle;
  int reinforcement = kReinforcementBars;  // 1, 2, or 4..9 for the strand types
  bool us = true;  // US customary: lengths in, stresses ksi, forces kips; else the SI form

  double width = 0.0;     // rectangle width b (types 0, 7, 8)
  double depth = 0.0;     // rectangle depth h (types 0, 7, 8)
  double diameter = 0.0;  // outside diameter, pile width; the depth of a rectangle (type 0)
  double chamfer = 0.0;   // corner chamfer (7, 8)

  // Casing (2, 3) or the wall of a steel pipe (4).
  double casing_thickness = 0.0;
  double casing_yield = 0.0;
  double casing_modulus = 0.0;
  CoreValues core;

  double fc = 0.0;  // concrete compressive strength f'c
  double fy = 0.0;  // bar yield stress (code 2)
  double Es = 0.0;  // bar or strand modulus
  int bar_count = 0;
  std::array<Bar, kMaxBars> bars{};  // bars or strands, positions in the section's X-Y plane

  // Prestressed sections (5 to 10).
  double prestress_force = 0.0;  // initial prestressing force P_i (lbs or kN)
  double prestress_loss = 0.0;   // fraction of loss of prestress
  double fpu = 0.0;              // strand ultimate strength (psi)
  int bar_size_index = 0;        // size index giving the yield of deformed bars (code 9)

  bool prestressed() const { return reinforcement >= 3; }
  bool pipe() const { return family == OutlineFamily::kPipe; }
};

// The working values of a section of type 0 to 10 for a run in the unit system `units`
// (IUNITS). Bars keep the positions the reader gave them; place_section_cage re-places a
// computed cage.
SectionValues section_values(const PileSection& section, int units);

// A reinforced section (types 0 to 3) whose bars are computed on a circle gets them placed
// again: inside the casing (diameter D - 2 t_c) for the cased shafts, and shifted by the cage
// offset. Returns false when the placement failed; its runtime error (39 to 44) has then been
// written to the report and recorded, and the run ends.
bool place_section_cage(Engine& engine, const PileSection& section, SectionValues& values);

}  // namespace torva
