// The engine the component benchmarks start from: run files in a temporary folder and the
// iteration options of a US customary run.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "model/engine.h"

namespace torva::bench {

// A temporary folder of this process: benchmarks run at the same time on one machine must not
// write each other's run files.
inline std::filesystem::path bench_folder(const char* name) {
  namespace fs = std::filesystem;
  std::string own_name = name;
  own_name += '-';
  own_name += std::to_string(getpid());
  const fs::path folder = fs::temp_directory_path() / own_name;
  fs::create_directories(folder);
  return folder;
}

inline std::unique_ptr<Engine> make_bench_engine(const char* folder_name) {
  auto engine = std::make_unique<Engine>();
  const std::filesystem::path folder = bench_folder(folder_name);
  engine->run.report.open((folder / "report.txt").string());
  engine->run.message.open((folder / "messages.txt").string());
  engine->run.labels.length = "in";
  engine->run.current_load_case = 1;
  Options& options = engine->options;
  options.IUNITS = kUnitsUS;
  options.MaxIterations = 100;
  options.ConvergenceTolerance = 1e-5;
  options.DeflectionLimit = 100.0;
  return engine;
}

// A vertical pile of one section of constant width on `increments` equal increments.
inline void make_bench_pile(Engine& engine, double length, double width, int increments = 500) {
  engine.options.NumIncrements = increments;
  Sections& sections = engine.sections;
  sections.count = 1;
  sections.point_count = 2;
  sections.pile_length = length;
  sections.table[0].type = kDrilledShaft;
  sections.table[0].bottom = length;
  sections.points[0] = SectionPoint{0.0, width, 1.0, 1.0, 1.0, 0.0};
  sections.points[1] = SectionPoint{length, width, 1.0, 1.0, 1.0, 0.0};
  NodeTable& nodes = engine.nodes;
  nodes.N = increments + 1;
  nodes.h = length / increments;
  for (int i = 1; i <= nodes.N; ++i) {
    nodes.x[i] = (i - 1) * nodes.h;
    nodes.z[i] = nodes.x[i];
    nodes.section[i] = 1;
  }
}

// One soil layer of criterion `code` from the ground surface at the pile head down to
// `bottom`, with a profile of two rows (its top and bottom) whose values the caller sets.
inline void make_one_layer(Engine& engine, int code, double bottom) {
  SoilLayers& soil = engine.soil;
  SoilProfile& profile = engine.profile;
  soil.count = 1;
  soil.i_SoilLayer_py_Type[1] = code;
  soil.XLayerTop[1] = 0.0;
  soil.XLayerBottom[1] = bottom;
  profile.row_count = 2;
  profile.XProfile[1] = profile.gamma_depth[1] = 0.0;
  profile.XProfile[2] = profile.gamma_depth[2] = bottom;
}

}  // namespace torva::bench
