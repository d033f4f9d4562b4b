#include "response/auxiliary_solve.h"

#include <cmath>
#include <string>

#include "pile/pile_model.h"
#include "report/line.h"
#include "pile/pile_views.h"
#include "response/node_results.h"
#include "soil/py_framework.h"

namespace torva {

IterationEnd solve_auxiliary_case(Engine& engine, const HeadCondition& head, AuxiliaryKind kind,
                                  NodeLoading load_nodes) {
  const bool trial = kind == AuxiliaryKind::kTrial;
  NodeTable& nodes = engine.nodes;
  rebuild_pile_nodes(engine);
  // The trials of an LRFD run carry no distributed load; the rebuild gives the others theirs.
  if (trial && engine.options.UseLRFD) nodes.W.fill(0.0);
  if (load_nodes != nullptr) load_nodes(engine);
  nodes.clear_deflections();
  set_starting_soil_moduli(engine);
  if (trial) PYCurveDriver(engine, 1, PYDispatch::kFull);
  engine.solver.head = head;
  engine.solver.V_tip = 0.0;

  const EngineSections sections(engine);
  const SolverContext context{sections, tip_shear_view(engine)};
  PYCurveUpdate soil(PYDispatch::kLayersOnly, trial);
  MomentCurvatureStiffness stiffness(sections);
  return iterate_solution(engine, context, soil, stiffness, {.not_a_number_test = !trial});
}

PileResponse pile_response(Engine& engine) {
  const PileModelSections sections;
  const NodeTable& nodes = engine.nodes;
  PileResponse p;
  for (int i = 1; i <= nodes.N; ++i) {
    const NodeResult r = node_results(engine, i, sections);
    if (i == 1) {
      p.deflection = nodes.y[1];
      p.slope = r.S;
      p.shear = r.V;
      p.moment = r.M;
    }
    if (i == 1 || std::fabs(r.M) >= p.max_moment) {
      p.max_moment = std::fabs(r.M);
      p.max_moment_x = nodes.x[i];
    }
    if (i == 1 || std::fabs(r.V) >= p.max_shear) {
      p.max_shear = std::fabs(r.V);
      p.max_shear_x = nodes.x[i];
    }
  }
  return p;
}

bool trial_succeeded(const Engine& engine) {
  const Options& options = engine.options;
  return std::fabs(engine.nodes.y[1]) <= options.DeflectionLimit &&
         engine.solver.dYmax < options.ConvergenceTolerance;
}

void write_section_heading(Engine& engine, std::initializer_list<std::string_view> titles) {
  TextFile& report = engine.run.report;
  const std::string rule(80, '-');
  report.blank(2);
  report.put(rule);
  for (std::string_view title : titles) report.put(title);
  report.put(rule);
  report.blank();
}

void write_condition_value(Engine& engine, std::string_view label, double value,
                           ConditionValueForm form, std::string_view unit) {
  Line line;
  line.a(label);
  switch (form) {
    case ConditionValueForm::kF0:
      line.f(value, 15, 0);
      break;
    case ConditionValueForm::kF5:
      line.f(value, 15, 5);
      break;
    case ConditionValueForm::kE7:
      line.e(value, 15, 7);
      break;
  }
  if (!unit.empty()) line.a(" ").a(unit);
  engine.run.report.put(line);
}

double logarithmic_point(double low, double high, int j, int count) {
  if (count <= 1 || j <= 1) return low;
  return low + (high - low) * std::log(static_cast<double>(j)) /
                   std::log(static_cast<double>(count));
}

}  // namespace torva
