// Echo of the soil: every layer with its criterion and properties, the check of the effective
// unit weights, the summary table of soil properties, the p-y modification factors for group
// action and the lateral soil movements.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "report/echo_blocks.h"
#include "report/input_echo.h"

namespace torva {

namespace {

struct RockType {
  const char* rock_class;
  const char* name;
  int mi;  // Hoek-Brown material constant
};

// Massive rock types 1..42 with their Hoek-Brown constants; 43..71 are user-defined m_i.
constexpr std::array<RockType, 42> kRockTypes = {{
    {"sedimentary", "anhydrite", 12},
    {"sedimentary", "breccias", 20},
    {"sedimentary", "chalk", 7},
    {"sedimentary", "claystones", 4},
    {"sedimentary", "conglomerates", 21},
    {"sedimentary", "dolomites", 9},
    {"sedimentary", "greywackes", 18},
    {"sedimentary", "gypsum", 10},
    {"sedimentary", "marls", 7},
    {"sedimentary", "sandstones", 17},
    {"sedimentary", "siltstones", 7},
    {"sedimentary", "shales", 6},
    {"sedimentary", "crystalline limestones", 12},
    {"sedimentary", "micritic limestones", 8},
    {"sedimentary", "sparitic limestones", 10},
    {"metamorphic", "amphibolites", 26},
    {"metamorphic", "gneiss", 28},
    {"metamorphic", "hornfels", 19},
    {"metamorphic", "marble", 9},
    {"metamorphic", "metasandstone", 19},
    {"metamorphic", "migmatite", 29},
    {"metamorphic", "phyllites", 7},
    {"metamorphic", "quartzites", 20},
    {"metamorphic", "schists", 10},
    {"metamorphic", "slates", 7},
    {"igneous", "agglomerate", 19},
    {"igneous", "andesite", 25},
    {"igneous", "basalt", 25},
    {"igneous", "breccia", 19},
    {"igneous", "dacite", 25},
    {"igneous", "diabase", 15},
    {"igneous", "diorite", 25},
    {"igneous", "dolerite", 16},
    {"igneous", "gabbro", 27},
    {"igneous", "granite", 32},
    {"igneous", "granodiorite", 29},
    {"igneous", "norite", 20},
    {"igneous", "obsidian", 19},
    {"igneous", "perioditite", 25},
    {"igneous", "porphyries", 20},
    {"igneous", "rhyolite", 25},
    {"igneous", "tuff", 13},
}};
constexpr int kLastRockType = 71;
constexpr int kUserRockOffset = 39;  // m_i of the user-defined types 43..71 is code - 39

}  // namespace

std::string rock_type_line(int code) {
  if (code < 1 || code > kLastRockType) return {};
  if (code > static_cast<int>(kRockTypes.size())) {
    return " The rock type is (unclassified) User-defined Hoek-Brown Material Constant mi = " +
           std::to_string(code - kUserRockOffset);
  }
  const RockType& rock = kRockTypes[static_cast<std::size_t>(code - 1)];
  return std::string(" The rock type is (") + rock.rock_class + ") " + rock.name +
         ", Hoek-Brown Material Constant mi = " + std::to_string(rock.mi);
}

namespace echo {

namespace {

// Liquefied sand below this depth under the ground surface is outside the criterion's range:
// 6 m, or its single-precision value in feet.
constexpr double kLiquefiedLimitSI = 6.0;
constexpr double kLiquefiedLimitUS = 19.685039520263672;
constexpr double kDefaultMarker = 1e-10;  // |eps50| or |k| at or below it asks for the default

bool is(int code, std::initializer_list<int> codes) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// The property lines of one value at the layer top and bottom.
void put_pair(TextFile& report, std::string_view label, double top, double bottom,
              std::string_view unit) {
  report.put(LabelledValue("   " + std::string(label) + " at top of layer", top, unit));
  report.put(LabelledValue("   " + std::string(label) + " at bottom of layer", bottom, unit));
}

const char* description(int code) {
  using namespace criterion;
  switch (code) {
    case kSoftClay:
      return " is soft clay, p-y criteria by Matlock, 1970";
    case kSoftClayJ:
      return " is soft clay with user-defined J, p-y criteria by Matlock, 1970";
    case kStiffClayWithWater:
      return " is stiff clay with water-induced erosion";
    case kStiffClayWithoutWater:
      return " is stiff clay without free water";
    case kStiffClayWithoutWaterK:
      return " is stiff clay with water-induced erosion";
    case kSand:
      return " is sand, p-y criteria by Reese et al., 1974";
    case kApiSand:
      return " is sand, p-y criteria by API RP-2A, 1987";
    case kLiquefiedSand:
      return " is liquefiable sand, by Rollins et al., 2004";
    case kWeakRock:
      return " is weak rock, p-y criteria by Reese, 1997";
    case kVuggyLimestone:
      return " is strong rock (vuggy limestone)";
    case kCementedSilt:
      return " is cemented silt with cohesion and friction";
    case kLoess:
      return " is loess silt";
    case kPiedmont:
      return " is Piedmont residual soil";
    case kElasticSubgrade:
      return " is modelled using an elastic subgrade modulus";
    case kUserPY:
      return " is modelled using user-specified p-y curves";
    case kMassiveRock:
      return " is massive rock, p-y criteria by Liang et al., 2009";
    default:
      return nullptr;
  }
}

void put_user_curve(Engine& engine, int layer, int row, bool top) {
  TextFile& report = engine.run.report;
  const UnitLabels& labels = engine.run.labels;
  const UserPYCurve& curve = engine.user_py.curve[row];
  report.blank();
  report.put(Line()
                 .a(top ? "User-input p-y curve at top of layer "
                        : "User-input p-y curve at bottom of layer ")
                 .i0(layer)
                 .a(top ? ",    Depth = " : ", Depth = ")
                 .f(curve.depth, 10, 3)
                 .a(" ")
                 .a(labels.depth));
  report.blank();
  report.put("Point                y                     p     ");
  report.put(Line().a(" No.").tab(22).a(labels.length).tab(42).a(labels.force_per_length));
  report.put("-----          ------------          ------------");
  const int points = std::clamp(curve.count, 0, kMaxUserPYPoints);
  for (int k = 1; k <= points; ++k) {
    Line row;
    row.i(k, 5).tab(15);
    WriteNumberField(row, curve.y[k], 13);
    row.tab(37);
    WriteNumberField(row, curve.p[k], 13);
    report.put(row);
  }
}

void put_piedmont(Engine& engine, int top, int bottom) {
  TextFile& report = engine.run.report;
  const SoilProfile& p = engine.profile;
  const std::string& stress = engine.run.labels.stress;
  switch (p.field_test_type[top]) {
    case field_test::kSPT:
      report.put("   The type of field test is the Standard Penetration Test (SPT)");
      put_pair(report, "SPT N60", p.spt_n60[top], p.spt_n60[bottom],
               engine.options.IUNITS == kUnitsSI ? "blows/0.3 m" : "blows/ft");
      break;
    case field_test::kCPT:
      report.put("   The type of field test is the Cone Penetration Test (CPT)");
      put_pair(report, "Cone tip resistance", p.cone_tip[top], p.cone_tip[bottom], stress);
      break;
    case field_test::kDMT:
      report.put("   The type of field test is the Dilatometer Test (DMT)");
      put_pair(report, "Dilatometer modulus", p.dilatometer_modulus[top],
               p.dilatometer_modulus[bottom], stress);
      break;
    case field_test::kPMT:
      report.put("   The type of field test is the Pressuremeter Test (DMT)");
      put_pair(report, "Pressuremeter modulus", p.pressuremeter_modulus[top],
               p.pressuremeter_modulus[bottom], stress);
      break;
    default:
      break;
  }
}

// The property lines of layer i by its criterion.
void put_properties(Engine& engine, int i) {
  TextFile& report = engine.run.report;
  const SoilLayers& soil = engine.soil;
  const SoilProfile& p = engine.profile;
  const UnitLabels& labels = engine.run.labels;
  const int code = soil.i_SoilLayer_py_Type[i];
  const int top = 2 * i - 1;
  const int bottom = 2 * i;
  using namespace criterion;
  auto cohesion = [&] {
    put_pair(report, "Undrained cohesion", p.c[top], p.c[bottom], labels.soil_stress);
  };
  auto eps50 = [&] { put_pair(report, "Epsilon-50", p.eps50[top], p.eps50[bottom], {}); };
  auto phi = [&] { put_pair(report, "Friction angle", p.phi[top], p.phi[bottom], "deg."); };
  auto subgrade_k = [&] {
    put_pair(report, "Subgrade k", soil.k_top[i], soil.k_bottom[i], labels.subgrade_modulus);
  };
  switch (code) {
    case kSoftClay:
    case kStiffClayWithoutWater:
      cohesion();
      eps50();
      break;
    case kSoftClayJ:
      cohesion();
      eps50();
      put_pair(report, "p-y J factor", p.J[top], p.J[bottom], {});
      break;
    case kStiffClayWithWater:
    case kStiffClayWithoutWaterK:
      cohesion();
      eps50();
      subgrade_k();
      break;
    case kSand:
    case kApiSand:
      phi();
      subgrade_k();
      break;
    case kWeakRock:
      put_pair(report, "Uniaxial compressive strength", p.c[top], p.c[bottom], labels.stress);
      put_pair(report, "Initial modulus of rock", soil.k_top[i], soil.k_bottom[i], labels.stress);
      put_pair(report, "RQD of rock", p.RQD[top], p.RQD[bottom], "%");
      put_pair(report, "k rm of rock", p.eps50[top], p.eps50[bottom], {});
      break;
    case kVuggyLimestone:
      put_pair(report, "Uniaxial compressive strength", p.c[top], p.c[bottom], labels.stress);
      break;
    case kCementedSilt:
      cohesion();
      phi();
      eps50();
      subgrade_k();
      break;
    case kLoess:
      put_pair(report, "Cone tip resistance", p.cone_tip[top], p.cone_tip[bottom], labels.stress);
      break;
    case kPiedmont:
      put_piedmont(engine, top, bottom);
      break;
    case kElasticSubgrade:
      put_pair(report, "Elastic subgrade", p.elastic_subgrade[top], p.elastic_subgrade[bottom],
               labels.subgrade_modulus);
      break;
    case kUserPY:
      put_user_curve(engine, i, top, true);
      put_user_curve(engine, i, bottom, false);
      break;
    case kMassiveRock: {
      const std::string line = rock_type_line(p.rock_type[top]);
      if (!line.empty()) report.put(line);
      break;
    }
    default:
      break;
  }
}

void put_default_notes(Engine& engine, int i) {
  TextFile& report = engine.run.report;
  const SoilLayers& soil = engine.soil;
  const int code = soil.i_SoilLayer_py_Type[i];
  using namespace criterion;
  if (is(code, {kSoftClay, kSoftClayJ, kStiffClayWithWater, kStiffClayWithoutWater,
                kStiffClayWithoutWaterK}) &&
      std::fabs(engine.profile.eps50[2 * i - 1]) <= kDefaultMarker) {
    report.put("   NOTE: Internal default values for Epsilon-50 will be computed for");
    report.put("         the above soil layer.");
    report.blank();
  }
  if (is(code, {kStiffClayWithWater, kStiffClayWithoutWaterK, kSand, kApiSand, kCementedSilt}) &&
      std::fabs(soil.k_top[i]) <= kDefaultMarker && std::fabs(soil.k_bottom[i]) <= kDefaultMarker) {
    report.put(code == kCementedSilt
                   ? "   NOTE:  Internal default values for subgrade k will be computed for"
                   : "   NOTE: Internal default values for subgrade k will be computed for");
    report.put("         the above soil layer.");
    report.blank();
  }
}

// Liquefied sand deeper than the criterion's range: a notice and warning 354. General units
// have no length unit to compare with.
void liquefied_sand_limit(Engine& engine, int i) {
  const int units = engine.options.IUNITS;
  if (units != kUnitsUS && units != kUnitsSI) return;
  const double limit = units == kUnitsUS ? kLiquefiedLimitUS : kLiquefiedLimitSI;
  if (!(engine.soil.XLayerBottom[i] - engine.soil.XS > limit)) return;
  TextFile& report = engine.run.report;
  if (units == kUnitsSI) {
    report.put("   Warning : The depth of this layer is deeper than the recommended depth ");
    report.put("             limit for using the p-y criteria for liquefied sand.");
    report.blank();
    report.put("   Please consult the Torva Technical Manual for additional background ");
    report.put("   information regarding limitations on the use of the liquefied sand ");
    report.put("   criteria.");
  } else {
    report.put("   Warning : The depth of this layer is deeper than the recommended depth limit ");
    report.put("             for using the p-y criteria for liquefied sand.");
    report.blank();
    report.put("   Please consult the Torva Technical Manual for additional background ");
    report.put("   information regarding limitations on the use of the liquefied sand criteria.");
  }
  report.blank();
  WarningRegister(engine, -354);
}

}  // namespace

void soil_layering(Engine& engine) {
  TextFile& report = engine.run.report;
  const SoilLayers& soil = engine.soil;
  const SoilProfile& p = engine.profile;
  const UnitLabels& labels = engine.run.labels;
  heading(report, "Soil and Rock Layering Information", 23, 2);
  report.put(Line().a("The soil profile is modelled using ").i0(soil.count).a(" layers"));
  report.blank();
  const int count = std::clamp(soil.count, 0, kMaxLayers);
  for (int i = 1; i <= count; ++i) {
    const char* text = description(soil.i_SoilLayer_py_Type[i]);
    if (text == nullptr) continue;  // frozen soil has no properties to show
    report.put(Line().a("Layer ").i0(i).a(text));
    report.blank();
    report.put(LabelledValue("   Distance from top of pile to top of layer", soil.XLayerTop[i],
                             labels.depth));
    report.put(LabelledValue("   Distance from top of pile to bottom of layer",
                             soil.XLayerBottom[i], labels.depth));
    report.put(LabelledValue("   Effective unit weight at top of layer", p.gamma[2 * i - 1],
                             labels.unit_weight));
    report.put(LabelledValue("   Effective unit weight at bottom of layer", p.gamma[2 * i],
                             labels.unit_weight));
    put_properties(engine, i);
    report.blank();
    put_default_notes(engine, i);
    if (soil.i_SoilLayer_py_Type[i] == criterion::kLiquefiedSand) liquefied_sand_limit(engine, i);
  }
  if (count < 1) return;
  const double below_tip =
      soil.XLayerBottom[count] - engine.sections.pile_length * std::cos(engine.inclination.batter);
  report.put(Line()
                 .a("   (Depth of lowest soil layer extends ")
                 .f(below_tip, 7, 2)
                 .a(" ")
                 .a(labels.depth)
                 .a(" below pile tip)"));
  report.blank();
}

void unit_weight_check(Engine& engine) {
  const int units = engine.options.IUNITS;
  if (units != kUnitsUS && units != kUnitsSI) {
    write_both(engine, {"", "**** Warning ****", "",
                        "Values of effective unit weight cannot be checked because ",
                        "general units have been selected.", ""});
    return;
  }
  // The rows in use of the layers that have a unit weight (frozen soil reads none).
  const SoilLayers& soil = engine.soil;
  double lowest = 0.0, highest = 0.0;
  bool any = false;
  for (int i = 1; i <= std::clamp(soil.count, 0, kMaxLayers); ++i) {
    if (soil.i_SoilLayer_py_Type[i] == criterion::kFrozenSoil) continue;
    for (const int row : {2 * i - 1, 2 * i}) {
      const double gamma = engine.profile.gamma[row];
      lowest = any ? std::min(lowest, gamma) : gamma;
      highest = any ? std::max(highest, gamma) : gamma;
      any = true;
    }
  }
  if (!any) return;
  if (units == kUnitsUS && (lowest <= 20.0 || highest >= 140.0)) {
    write_both(engine, {"", "**** Warning - Possible Input Data Error ****", "",
                        "Values entered for effective unit weights of soil were outside",
                        "the limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 pcf)",
                        "This data may be erroneous.  Please check your data.", ""});
  }
  if (units == kUnitsSI && (lowest <= 3.15 || highest >= 22.0)) {
    write_both(engine, {"", "**** Warning - Possible Input Data Error ****", "",
                        "Values entered for effective unit weights of soil were outside",
                        "the limits of 3.15 kN/m3 or 22 kN/m3.",
                        "The input data may be erroneous. Please check your data.", ""});
  }
}

void group_factors(Engine& engine) {
  const GroupFactorTable& table = engine.group_factors;
  if (table.count < 1) return;
  TextFile& report = engine.run.report;
  heading(report, "p-y Modification Factors for Group Action", 19, 3);
  report.put(Line()
                 .a("Distribution of p-y modifiers with depth defined using ")
                 .i0(table.count)
                 .a(" points"));
  report.blank();
  report.put("Point      Depth X         p-mult         y-mult");
  report.put(" No.          " + engine.run.labels.depth);
  report.put("-----     ----------     ----------     ----------");
  for (int k = 1; k <= std::min(table.count, kMaxGroupFactorRows); ++k) {
    report.put(Line()
                   .i(k, 3)
                   .f(table.depth[k], 17, 3)
                   .f(table.p_multiplier[k], 15, 4)
                   .f(table.y_multiplier[k], 15, 4));
  }
}

void soil_movements(Engine& engine) {
  const SoilMovement& movement = engine.soil_movement;
  if (movement.count <= 1) return;
  TextFile& report = engine.run.report;
  const UnitLabels& labels = engine.run.labels;
  heading(report, "Lateral Soil Movements", 29);
  report.put(Line()
                 .a("Profile of soil movement with depth defined using ")
                 .i0(movement.count)
                 .a(" points"));
  report.blank();
  report.put("Point       Depth X     Soil Movement");
  report.put(Line().a(" No.").tab(16).a(labels.depth).tab(31).a(labels.length));
  report.put("-----     ----------    -------------");
  for (int k = 1; k <= std::min(movement.count, kMaxSoilMovementPoints); ++k) {
    report.put(Line().i(k, 3).x(2).f(movement.depth[k], 15, 5).f(movement.movement[k], 15, 5));
  }
}

}  // namespace echo

}  // namespace torva
