// The summary table of soil properties: fixed columns of layer, criterion, depth and unit
// weight, and one column for each property that at least one layer's criterion uses.
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string>

#include "report/echo_blocks.h"

namespace torva::echo {

namespace {

using namespace criterion;

constexpr int kColumnWidth = 13;
constexpr int kValueWidth = 10;
constexpr int kFirstColumn = 67;  // where the first optional column begins

// What a layer shows in one optional column at its top or bottom row.
enum class Cell { kNotUsed, kValue, kDefault, kText };
struct CellValue {
  Cell kind = Cell::kNotUsed;
  double value = 0.0;
  const char* text = "";  // kText: the whole 13-character column
};

struct Column {
  std::array<const char*, 3> heads;  // the third empty: the unit label stands there
  const char* us_unit;
  const char* si_unit;
  unsigned criteria;  // bit c set: criterion code c uses the column
  CellValue (*value)(const Engine& engine, int layer, int row, bool top);
};

CellValue value_of(double v) { return {Cell::kValue, v, ""}; }

CellValue cohesion(const Engine& e, int, int row, bool) { return value_of(e.profile.c[row]); }
CellValue friction(const Engine& e, int, int row, bool) { return value_of(e.profile.phi[row]); }
CellValue uniaxial(const Engine& e, int layer, int row, bool) {
  const bool massive = e.soil.i_SoilLayer_py_Type[layer] == kMassiveRock;
  return value_of(massive ? e.profile.rock_qu[row] : e.profile.c[row]);
}
// RQD of weak rock; the geological strength index (the first further value) of massive rock.
CellValue rqd_or_gsi(const Engine& e, int layer, int row, bool) {
  const bool massive = e.soil.i_SoilLayer_py_Type[layer] == kMassiveRock;
  return value_of(massive ? e.profile.rock_extra1[row] : e.profile.RQD[row]);
}
CellValue eps50(const Engine& e, int, int row, bool) {
  const double v = e.profile.eps50[row];
  if (v == 0.0) return {Cell::kDefault, 0.0, ""};
  return value_of(v);
}
CellValue j_factor(const Engine& e, int, int row, bool) { return value_of(e.profile.J[row]); }
CellValue subgrade_k(const Engine& e, int layer, int, bool top) {
  return value_of(top ? e.soil.k_top[layer] : e.soil.k_bottom[layer]);
}
CellValue rock_mass_modulus(const Engine& e, int layer, int, bool top) {
  return value_of(top ? e.soil.k_top[layer] : e.soil.k_bottom[layer]);
}
CellValue krm(const Engine& e, int, int row, bool) { return value_of(e.profile.eps50[row]); }
CellValue test_type(const Engine& e, int layer, int row, bool) {
  if (e.soil.i_SoilLayer_py_Type[layer] == kLoess) return {Cell::kText, 0.0, "    CPT      "};
  constexpr const char* kTests[] = {"    SPT      ", "    CPT      ", "    DMT      ",
                                    "    PMT      "};
  const int type = e.profile.field_test_type[row];
  if (type < field_test::kSPT || type > field_test::kPMT) return {};
  return {Cell::kText, 0.0, kTests[type - 1]};
}
CellValue test_property(const Engine& e, int layer, int row, bool) {
  const SoilProfile& p = e.profile;
  if (e.soil.i_SoilLayer_py_Type[layer] == kLoess) return value_of(p.cone_tip[row]);
  switch (p.field_test_type[row]) {
    case field_test::kSPT:
      return value_of(p.spt_n60[row]);
    case field_test::kCPT:
      return value_of(p.cone_tip[row]);
    case field_test::kDMT:
      return value_of(p.dilatometer_modulus[row]);
    case field_test::kPMT:
      return value_of(p.pressuremeter_modulus[row]);
    default:
      return {};
  }
}
CellValue elastic_subgrade(const Engine& e, int, int row, bool) {
  return value_of(e.profile.elastic_subgrade[row]);
}

constexpr unsigned codes(std::initializer_list<int> list) {
  unsigned bits = 0;
  for (const int code : list) bits |= 1u << code;
  return bits;
}

const Column kColumns[] = {
    {{" Undrained ", " Cohesion ", ""},
     "psf",
     "kPa",
     codes({kSoftClay, kStiffClayWithWater, kStiffClayWithoutWater, kStiffClayWithoutWaterK,
            kCementedSilt, kSoftClayJ}),
     cohesion},
    {{" Angle of ", " Friction ", ""},
     "deg.",
     "deg.",
     codes({kSand, kApiSand, kCementedSilt}),
     friction},
    {{"  Uniaxial ", "    qu ", ""},
     "psi",
     "kPa",
     codes({kVuggyLimestone, kWeakRock, kMassiveRock}),
     uniaxial},
    {{"   RQD % ", "     or ", "    GSI "}, "", "", codes({kWeakRock, kMassiveRock}), rqd_or_gsi},
    {{"  Strain ", "  Factor ", "Epsilon 50"},
     "",
     "",
     codes({kSoftClay, kStiffClayWithWater, kStiffClayWithoutWater, kStiffClayWithoutWaterK,
            kCementedSilt}),
     eps50},
    {{"     J ", "  Factor ", ""}, "", "", codes({kSoftClayJ}), j_factor},
    {{"   kpy ", "", ""},
     "pci",
     "kN/m3",
     codes({kSand, kApiSand, kStiffClayWithWater, kStiffClayWithoutWaterK, kCementedSilt}),
     subgrade_k},
    {{" Rock Mass ", "Rock Emass ", ""}, "psi", "kPa", codes({kWeakRock}), rock_mass_modulus},
    {{"   krm ", "", ""}, "", "", codes({kWeakRock}), krm},
    {{"  In-situ ", "   Test ", "   Type "}, "", "", codes({kPiedmont, kLoess}), test_type},
    {{"  In-situ ", "   Test ", " Property "}, "", "", codes({kPiedmont, kLoess}), test_property},
    {{"  Elastic ", " Subgrade ", " Mod. pci "},
     "",
     "",
     codes({kElasticSubgrade}),
     elastic_subgrade},
};

bool uses(const Column& column, int code) {
  return code >= 0 && code < 32 && (column.criteria >> code & 1u) != 0;
}

// A head cell: three blanks and the text, in the column's 13 characters.
void head_cell(Line& line, std::string_view text) {
  std::string cell = "   " + std::string(text);
  cell.resize(kColumnWidth, ' ');
  line.a(cell);
}

void value_cell(Line& line, const CellValue& cell) {
  switch (cell.kind) {
    case Cell::kNotUsed:
      line.x(3).a("    --    ");
      break;
    case Cell::kDefault:
      line.x(3).a("  default ");
      break;
    case Cell::kText:
      line.a(cell.text);
      break;
    case Cell::kValue:
      line.x(3);
      WriteNumberField(line, cell.value, kValueWidth);
      break;
  }
}

}  // namespace

void soil_summary(Engine& engine) {
  const int units = engine.options.IUNITS;
  if (units != kUnitsUS && units != kUnitsSI) return;  // general units have no unit words
  const bool us = units == kUnitsUS;
  const SoilLayers& soil = engine.soil;
  const int count = std::clamp(soil.count, 0, kMaxLayers);
  std::array<bool, std::size(kColumns)> present{};
  for (std::size_t c = 0; c < std::size(kColumns); ++c) {
    for (int i = 1; i <= count; ++i) {
      present[c] = present[c] || uses(kColumns[c], soil.i_SoilLayer_py_Type[i]);
    }
  }
  TextFile& report = engine.run.report;
  heading(report, "Summary of Soil Properties", 27, 2);
  std::array<Line, 4> heads;
  heads[0].a("Layer").tab(8).a("Soil Type").tab(47).a("Layer").tab(57).a("Effective");
  heads[1].a(" Num.").tab(8).a("Name").tab(47).a("Depth").tab(57).a("Unit Wt.");
  heads[2]
      .tab(8)
      .a("(p-y Curve Criteria)")
      .tab(47)
      .a(us ? "ft" : "m")
      .tab(57)
      .a(us ? "pcf" : "kN/m3");
  heads[3]
      .a("-----")
      .tab(8)
      .a(std::string(34, '-'))
      .tab(44)
      .a(std::string(10, '-'))
      .tab(56)
      .a(std::string(10, '-'));
  int shown = 0;
  for (std::size_t c = 0; c < std::size(kColumns); ++c) {
    if (!present[c]) continue;
    const Column& column = kColumns[c];
    const char* unit = us ? column.us_unit : column.si_unit;
    const char* third = column.heads[2];
    if (column.value == elastic_subgrade && !us) third = " Mod. kPa ";
    for (Line& head : heads) head.tab(kFirstColumn + kColumnWidth * shown);
    ++shown;
    head_cell(heads[0], column.heads[0]);
    head_cell(heads[1], column.heads[1]);
    head_cell(heads[2], *unit != '\0' ? unit : third);
    heads[3].x(3).a(std::string(10, '-'));
  }
  for (const Line& head : heads) report.put(head);
  for (int i = 1; i <= count; ++i) {
    const int code = soil.i_SoilLayer_py_Type[i];
    for (const bool top : {true, false}) {
      const int row = top ? 2 * i - 1 : 2 * i;
      Line line;
      if (top) {
        line.i(i, 4).tab(8);
        WriteCriterionLongName(line, code);
      }
      line.tab(42);
      WriteNumberField(line, top ? soil.XLayerTop[i] : soil.XLayerBottom[i], 12);
      line.tab(54);
      WriteNumberField(line, engine.profile.gamma[row], 12);
      int column_index = 0;
      for (std::size_t c = 0; c < std::size(kColumns); ++c) {
        if (!present[c]) continue;
        line.tab(kFirstColumn + kColumnWidth * column_index++);
        const Column& column = kColumns[c];
        value_cell(line, uses(column, code) ? column.value(engine, i, row, top) : CellValue{});
      }
      report.put(line);
    }
  }
}

}  // namespace torva::echo
