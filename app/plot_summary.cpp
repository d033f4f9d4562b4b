#include "plot_summary.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace torva::app {

namespace {

constexpr std::size_t kDescriptionColumn = 104;  // 0-based start of a record's description

struct CaseSummary {
  double head_deflection = 0.0;
  double head_rotation = 0.0;
  double max_moment = 0.0;
  double max_moment_depth = 0.0;
  double max_shear = 0.0;
  double max_shear_depth = 0.0;
};

std::vector<double> values_of(const std::string& record) {
  std::istringstream fields(record.substr(0, kDescriptionColumn));
  std::vector<double> values;
  for (double v; fields >> v;) values.push_back(v);
  return values;
}

bool is_record(const std::string& line, const char* name) {
  return line.size() > kDescriptionColumn && line.compare(kDescriptionColumn, std::string(name).size(), name) == 0;
}

}  // namespace

std::string summarize_load_cases(const std::filesystem::path& plot_file) {
  std::ifstream plot(plot_file);
  int units = 0;
  int nodes = 0;
  int node = 0;
  std::vector<CaseSummary> cases;
  for (std::string line; std::getline(plot, line);) {
    const std::vector<double> v = values_of(line);
    if (is_record(line, "Line 1 ") && v.size() >= 2) {
      units = static_cast<int>(v[1]);
    } else if (is_record(line, "Line 9:") && v.size() >= 2) {
      nodes = static_cast<int>(v[1]);
    } else if (is_record(line, "Line 10(") && v.size() >= 4 && nodes > 0) {
      if (node % nodes == 0) cases.emplace_back();
      ++node;
      CaseSummary& c = cases.back();
      if (node % nodes == 1) c.head_deflection = v[1];
      if (std::fabs(v[2]) > std::fabs(c.max_moment)) c.max_moment = v[2], c.max_moment_depth = v[0];
      if (std::fabs(v[3]) > std::fabs(c.max_shear)) c.max_shear = v[3], c.max_shear_depth = v[0];
    }
  }
  // Line 13 records follow the load cases in order and carry the pile-head rotation.
  plot.clear();
  plot.seekg(0);
  std::size_t k = 0;
  for (std::string line; std::getline(plot, line);) {
    const std::vector<double> v = values_of(line);
    if (is_record(line, "Line 13:") && v.size() >= 5 && k < cases.size()) cases[k++].head_rotation = v[4];
  }

  const bool si = units == 2;
  const char* length = si ? "m" : units == 1 ? "in" : "L";
  const char* moment = si ? "kN-m" : units == 1 ? "in-lb" : "F-L";
  const char* force = si ? "kN" : units == 1 ? "lb" : "F";
  std::string text;
  char row[256];
  for (std::size_t j = 0; j < cases.size(); ++j) {
    const CaseSummary& c = cases[j];
    std::snprintf(row, sizeof row,
                  "  load case %zu: head deflection %.4g %s, head rotation %.4g rad,\n"
                  "    largest moment %.4g %s at %.4g %s, largest shear %.4g %s at %.4g %s\n",
                  j + 1, c.head_deflection, length, c.head_rotation, c.max_moment, moment,
                  c.max_moment_depth, length, c.max_shear, force, c.max_shear_depth, length);
    text += row;
  }
  return text;
}

}  // namespace torva::app
