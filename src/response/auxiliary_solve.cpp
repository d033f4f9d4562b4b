#include "response/auxiliary_solve.h"

#include <cmath>

#include "pile/pile_model.h"
#include "pile/pile_views.h"
#include "soil/py_framework.h"

namespace torva {

IterationEnd solve_auxiliary_case(Engine& engine, const HeadCondition& head,
                                  const PerNode<double>* node_loads) {
  rebuild_pile_nodes(engine);
  NodeTable& nodes = engine.nodes;
  if (node_loads != nullptr) {
    for (int i = 1; i <= nodes.N; ++i) nodes.W[i] = (*node_loads)[i];
  }
  nodes.clear_deflections();
  set_starting_soil_moduli(engine);
  engine.solver.head = head;
  engine.solver.V_tip = 0.0;

  const EngineSections sections(engine);
  const SolverContext context{sections, tip_shear_view(engine)};
  PYCurveUpdate soil(PYDispatch::kLayersOnly);
  MomentCurvatureStiffness stiffness(sections);
  return iterate_solution(engine, context, soil, stiffness, false);
}

double logarithmic_point(double low, double high, int j, int count) {
  if (count <= 1 || j <= 1) return low;
  return low + (high - low) * std::log(static_cast<double>(j)) /
                   std::log(static_cast<double>(count));
}

}  // namespace torva
