// The p-y criteria behind one interface, and the one table that sends a soil layer to its
// criterion by the layer's eight-character short name.
//
// A criterion family lives in its own source file and gives two entry points: in normal mode it
// sets the secant modulus Es (and, under soil movement, the soil force W) at every node of a
// layer; in output mode it reports and plots the p-y curve at every output depth of a layer.
// Inside, a criterion turns a station (a node or an output depth, resolved by the framework in
// py_framework.h) into a small value holding everything its curve needs at that depth, and
// evaluates p(y) from that value alone. The printed curve itself (plot Lines 7 and 8, report
// rows) is written by the framework; a criterion writes only its own labelled block.
//
// Frozen soil alone has no printed curve (a curve of no points is recorded for it), and its
// moduli routine ends the run when a layer of it holds pile nodes.
#pragma once

#include <array>
#include <string_view>

#include "engine/errors.h"
#include "model/engine.h"

namespace torva {

struct CriterionEntry;

// One call of a criterion over the stations of one layer.
struct LayerCall {
  int layer = 0;  // soil layer i
  int first = 0;  // first node (normal mode) or output record (output mode) of the layer
  int last = 0;   // last one; an empty range (last < first) does nothing
  const CriterionEntry* entry = nullptr;  // the criterion's row of kCriteria
};

using LayerRoutine = void (*)(Engine& engine, const LayerCall& call);

// A criterion's part in the layered-soil correction of the layers below it (the bookkeeping
// after each layer of a pass).
enum class Layering {
  kCorrected,       // uses the equivalent depth: marks itself when below a layer that ends it
  kWeakRock,        // counts itself first, so it is always marked
  kEndsCorrection,  // marks itself when below such a layer, then counts itself
  kNeutral,         // neither marks nor counts (user-input curves, frozen soil)
};

// The words of the plot records of a printed curve:
//   "Line 7:  p-y curve depth in " line7 line7_tail curve-number
//   "Line 8(" k "): y, p, for " line8
struct PlotWords {
  std::string_view line7{};
  std::string_view line7_si{};  // runs not in US customary units, where the words name the
                                // unit; empty: line7
  std::string_view line7_tail = ", no. p-y points on curve no. ";
  std::string_view line8{};
  std::string_view line8_cyclic{};  // cyclic loading, where the words differ; empty: line8
  int line8_k_width = 0;          // 0: the point number as I0, else in this many columns
};

// Numbered errors of a criterion's own checks (number 0: the criterion has no such check).
struct CriterionErrors {
  ErrorId zero_strength{0, ""};         // strength of zero or less below the first station
  ErrorId limit_not_a_number{0, ""};    // the small-deflection (limiting) modulus
  ErrorId modulus_not_a_number{0, ""};  // the secant modulus
  ErrorId default_eps50{0, ""};         // default eps50 needed in general units
  ErrorId steep_slope{0, ""};           // ground slope steeper than the friction angle
};

struct CriterionEntry {
  std::string_view key{};  // short name of CriterionNameTable, trailing blanks ignored
  int code = 0;          // criterion code of the soil layer records
  Layering layering = Layering::kNeutral;
  LayerRoutine moduli = nullptr;  // normal mode; null: the nodes keep the modulus they have
  LayerRoutine curves = nullptr;  // output mode; null: a curve of no points is recorded
  PlotWords words{};
  CriterionErrors errors{};
  // Under soil movement the spring acts on the deflection relative to the soil; false: on the
  // pile's own deflection (the criterion ignores the movement and writes no soil force).
  bool spring_on_soil_movement = true;
};

// Entry points of the criterion families, one source file each.
void soft_clay_moduli(Engine& engine, const LayerCall& call);         // soft_clay.cpp
void soft_clay_curves(Engine& engine, const LayerCall& call);
void stiff_clay_moduli(Engine& engine, const LayerCall& call);        // stiff_clay.cpp
void stiff_clay_curves(Engine& engine, const LayerCall& call);
void cemented_silt_moduli(Engine& engine, const LayerCall& call);     // cemented_silt.cpp
void cemented_silt_curves(Engine& engine, const LayerCall& call);
void elastic_subgrade_moduli(Engine& engine, const LayerCall& call);  // elastic_subgrade.cpp
void elastic_subgrade_curves(Engine& engine, const LayerCall& call);
void reese_sand_moduli(Engine& engine, const LayerCall& call);        // sand.cpp
void reese_sand_curves(Engine& engine, const LayerCall& call);
void api_sand_moduli(Engine& engine, const LayerCall& call);          // api_sand.cpp
void api_sand_curves(Engine& engine, const LayerCall& call);
void liquefied_sand_moduli(Engine& engine, const LayerCall& call);    // liquefied_sand.cpp
void liquefied_sand_curves(Engine& engine, const LayerCall& call);
void piedmont_moduli(Engine& engine, const LayerCall& call);          // piedmont.cpp
void piedmont_curves(Engine& engine, const LayerCall& call);
void loess_moduli(Engine& engine, const LayerCall& call);             // loess.cpp
void loess_curves(Engine& engine, const LayerCall& call);
void user_py_moduli(Engine& engine, const LayerCall& call);           // user_py.cpp
void user_py_curves(Engine& engine, const LayerCall& call);
void weak_rock_moduli(Engine& engine, const LayerCall& call);         // rock.cpp
void weak_rock_curves(Engine& engine, const LayerCall& call);
void vuggy_limestone_moduli(Engine& engine, const LayerCall& call);
void vuggy_limestone_curves(Engine& engine, const LayerCall& call);
void massive_rock_moduli(Engine& engine, const LayerCall& call);
void massive_rock_curves(Engine& engine, const LayerCall& call);
void frozen_soil_moduli(Engine& engine, const LayerCall& call);       // criteria.cpp

// Every criterion, in the order layers are matched against them. Frozen soil has no p-y
// criterion: a layer of it that holds a pile node ends the run.
inline constexpr std::array<CriterionEntry, 17> kCriteria = {{
    {"SoftClay", criterion::kSoftClay, Layering::kCorrected, soft_clay_moduli, soft_clay_curves,
     {.line7 = "soft clay", .line8 = "soft clay"},
     {.zero_strength = {112, "INP00012"},
      .limit_not_a_number = {233, "RUN00033"},
      .modulus_not_a_number = {234, "RUN00034"},
      .default_eps50 = errors::kRunSoftClayEps50}},
    {"SoftClyJ", criterion::kSoftClayJ, Layering::kCorrected, soft_clay_moduli, soft_clay_curves,
     {.line7 = "API soft clay with J",
      .line7_tail = ", no. points on p-y curve no. ",
      .line8 = "API soft clay"},
     {.zero_strength = {171, "INP00071"},
      .limit_not_a_number = {235, "RUN00035"},
      .modulus_not_a_number = {236, "RUN00036"},
      .default_eps50 = errors::kRunSoftClayJEps50}},
    {"StfClyBW", criterion::kStiffClayWithWater, Layering::kCorrected, stiff_clay_moduli,
     stiff_clay_curves,
     {.line7 = "stiff clay with free water",
      .line8 = "static stiff clay with free water",
      .line8_cyclic = "cyclic stiff clay with free water"},
     {.zero_strength = {114, "INP00014"},
      .modulus_not_a_number = errors::kRunModulusNotANumber,
      .default_eps50 = errors::kRunStiffClayEps50}},
    {"StfClyAW", criterion::kStiffClayWithoutWater, Layering::kCorrected, stiff_clay_moduli,
     stiff_clay_curves,
     {.line7 = "stiff clay w/o free water", .line8 = "stiff clay w/o water"},
     {.zero_strength = {113, "INP00013"},
      .modulus_not_a_number = errors::kRunModulusNotANumber,
      .default_eps50 = errors::kRunStiffClayEps50}},
    {"StfClyAK", criterion::kStiffClayWithoutWaterK, Layering::kCorrected, stiff_clay_moduli,
     stiff_clay_curves,
     {.line7 = "stiff clay w/o free water with k", .line8 = "stiff clay with k"},
     {.zero_strength = {113, "INP00013"},
      .modulus_not_a_number = errors::kRunModulusNotANumber,
      .default_eps50 = errors::kRunStiffClayEps50}},
    {"Sand", criterion::kSand, Layering::kCorrected, reese_sand_moduli, reese_sand_curves,
     {.line7 = "sand", .line8 = "sand"},
     {.zero_strength = {108, "INP00008"},
      .limit_not_a_number = {232, "RUN00032"},
      .modulus_not_a_number = {231, "RUN00031"},
      .steep_slope = {109, "INP00009"}}},
    {"API Sand", criterion::kApiSand, Layering::kCorrected, api_sand_moduli, api_sand_curves,
     {.line7 = "API sand", .line8 = "API sand"},
     {.zero_strength = {101, "INP00001"},
      .modulus_not_a_number = errors::kRunModulusNotANumber,
      .steep_slope = {102, "INP00002"}}},
    {"Liq Sand", criterion::kLiquefiedSand, Layering::kCorrected, liquefied_sand_moduli,
     liquefied_sand_curves,
     {.line7 = "liquefied sand", .line8 = "liquefied sand", .line8_k_width = 2},
     {.modulus_not_a_number = errors::kRunModulusNotANumber}},
    {"Cem Silt", criterion::kCementedSilt, Layering::kCorrected, cemented_silt_moduli,
     cemented_silt_curves,
     {.line7 = "cemented silt (in)", .line7_si = "cemented silt (m)", .line8 = "cemented c-phi"},
     {.zero_strength = {148, "INP00048"},
      .modulus_not_a_number = errors::kRunModulusNotANumber,
      .steep_slope = {223, "RUN00023"}}},
    {"User p-y", criterion::kUserPY, Layering::kNeutral, user_py_moduli, user_py_curves,
     {.line7 = "user-input p-y curve", .line8 = "user-input p-y curve", .line8_k_width = 2},
     {.modulus_not_a_number = errors::kRunModulusNotANumber}},
    {"WeakRock", criterion::kWeakRock, Layering::kWeakRock, weak_rock_moduli, weak_rock_curves,
     {.line7 = "weak rock", .line8 = "weak rock"},
     {.zero_strength = {116, "INP00016"},
      .modulus_not_a_number = errors::kRunModulusNotANumber}},
    {"Vuggy LS", criterion::kVuggyLimestone, Layering::kEndsCorrection, vuggy_limestone_moduli,
     vuggy_limestone_curves,
     {.line7 = "vuggy limestone", .line8 = "vuggy limestone rock"},
     {.zero_strength = {162, "INP00062"},
      .modulus_not_a_number = errors::kRunModulusNotANumber},
     false},
    {"MassRock", criterion::kMassiveRock, Layering::kEndsCorrection, massive_rock_moduli,
     massive_rock_curves,
     {.line7 = "massive rock", .line8 = "massive rock"},
     {}},
    {"KS Loess", criterion::kLoess, Layering::kCorrected, loess_moduli, loess_curves,
     {.line7 = "Loess", .line8 = "Loess"},
     {.modulus_not_a_number = errors::kRunModulusNotANumber}},
    {"Piedmont", criterion::kPiedmont, Layering::kEndsCorrection, piedmont_moduli,
     piedmont_curves,
     {.line7 = "Piedmont residual soil", .line8 = "Piedmont residual soil"},
     {.modulus_not_a_number = errors::kRunModulusNotANumber}},
    {"Elast SG", criterion::kElasticSubgrade, Layering::kEndsCorrection, elastic_subgrade_moduli,
     elastic_subgrade_curves,
     {.line7 = "elastic subgrade soil", .line8 = "elastic subgrade"},
     {.modulus_not_a_number = errors::kRunModulusNotANumber}},
    {"Frz Soil", criterion::kFrozenSoil, Layering::kNeutral, frozen_soil_moduli, nullptr,
     {.line7 = "frozen soil", .line8 = "frozen soil"},
     {}},
}};

// The row whose key equals `short_name` (trailing blanks ignored on both sides); null when none.
const CriterionEntry* find_criterion(std::string_view short_name);

// The row of the criterion that soil layer `layer` names; null for a code outside the table.
const CriterionEntry* criterion_of_layer(const Engine& engine, int layer);

// Whether the spring of pile node `node` acts on the node's deflection relative to the soil
// movement (true unless the criterion of the node's layer ignores the movement).
bool spring_on_soil_movement(const Engine& engine, int node);

}  // namespace torva
