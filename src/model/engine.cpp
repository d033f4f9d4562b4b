#include "model/engine.h"

#include <algorithm>
#include <cstddef>
#include <memory>

namespace torva {

namespace {

// Puts a table back to its load-time state in place (the large ones are too big for a
// temporary).
template <typename T>
void rebuild(T& table) {
  std::destroy_at(&table);
  std::construct_at(&table);
}

template <typename... Tables>
void rebuild_each(Tables&... tables) {
  (rebuild(tables), ...);
}

// Every table of the model must be named in reset_engine: a table added to Engine, Sections or
// MomentCurvatureTables without being added there stops the build here.
static_assert(sizeof(Engine) ==
                  sizeof(RunControl) + sizeof(WarningRegistry) + sizeof(Options) +
                      sizeof(InputControl) + sizeof(Sections) + sizeof(SoilLayers) +
                      sizeof(SoilProfile) + sizeof(UserPYCurves) + sizeof(GroupFactorTable) +
                      sizeof(SoilMovement) + sizeof(TipShearCurve) + sizeof(PileInclination) +
                      sizeof(PileHeadLoading) + sizeof(LrfdInput) + sizeof(LrfdLoads) +
                      sizeof(ThrustList) + sizeof(PYState) + sizeof(NodeTable) +
                      sizeof(SolverState) + sizeof(LoadCaseResults) +
                      sizeof(MomentCurvatureTables),
              "reset_engine does not name every table of Engine");
static_assert(sizeof(Sections) == 2 * sizeof(int) + sizeof(double) + sizeof(Sections::table) +
                                      sizeof(Sections::points),
              "reset_engine does not name every member of Sections");
static_assert(sizeof(MomentCurvatureTables) == sizeof(MomentCurvatureTables::curves),
              "reset_engine does not name every member of MomentCurvatureTables");

}  // namespace

void reset_engine(Engine& engine) {
  // The pile sections and their moment-curvature tables are nearly all of the model's 15 MB.
  // A run writes the entries of the sections it reads and no others (the number of sections is
  // checked against the capacity before an entry is written), so only the entries of the
  // sections of the last run are put back; every other table is rebuilt whole.
  Sections& sections = engine.sections;
  MomentCurvatureTables& moment_curvature = engine.moment_curvature;
  const auto used = static_cast<std::size_t>(std::clamp(sections.count, 0, kMaxSections));
  for (std::size_t k = 0; k < used; ++k) {
    rebuild(sections.table[k]);
    rebuild(moment_curvature.curves[k]);
  }
  sections.count = 0;
  sections.point_count = 0;
  sections.pile_length = 0.0;
  rebuild(sections.points);
  rebuild_each(engine.run, engine.warnings, engine.options, engine.control, engine.soil,
               engine.profile, engine.user_py, engine.group_factors, engine.soil_movement,
               engine.tip_shear, engine.inclination, engine.loading, engine.lrfd,
               engine.lrfd_loads, engine.thrusts, engine.py, engine.nodes, engine.solver,
               engine.results);
}

}  // namespace torva
