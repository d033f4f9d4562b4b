// Run-wide control state: the run's files, the failure record and the fixed name tables.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "input/list_reader.h"
#include "model/capacities.h"
#include "report/text_file.h"

namespace torva {

struct UnitLabels {
  std::string depth;             // width 2: "ft", "m", "L"
  std::string length;            // width 3: deflections and lengths
  std::string force;             // width 3
  std::string stress;            // width 4
  std::string soil_stress;       // width 4
  std::string force_per_length;  // width 5
  std::string unit_weight;       // width 5
  std::string subgrade_modulus;  // width 5
  std::string moment;            // width 8
  // Fragments for compound labels.
  std::string slash = "/", dash = "-", two = "2", three = "3", four = "4", power = "**";
};

struct RunControl {
  int ErrorNumber = 0;        // 0 no error, 100+N input error N, 200+N runtime error N, 999
  int current_load_case = 0;  // load case being solved (1-based)

  std::string InputFileName;    // the four names of NAMES.DAT, trailing blanks removed
  std::string ReportFileName;
  std::string PlotFileName;
  std::string MessageFileName;
  std::vector<std::string> SectionReportNames;  // moment-curvature file names, in order
  std::string FileMarker;                       // first token of the input data file

  std::optional<ListReader> input;  // channel 5, the input data file
  TextFile report{Channel::kReport};
  TextFile plot{Channel::kPlot};
  TextFile message{Channel::kMessage};

  UnitLabels labels;
  bool input_converted = false;  // internal units reached (US customary input converted)
};

// Ten-character short names of the p-y criteria, indexed by criterion code 1..20.
inline constexpr std::array<const char*, kCriterionCodes + 1> CriterionNameTable = {
    "",         "SoftClay", "StfClyBW", "StfClyAW", "StfClyAK", "Sand",      "API Sand",
    "Liq Sand", "WeakRock", "Vuggy LS", "Piedmont", "Cem Silt", "KS Loess",  "Elast SG",
    "User p-y", "SoftClyJ", "MassRock", "Frz Soil", "Undefined", "Undefined", "Undefined"};

}  // namespace torva
