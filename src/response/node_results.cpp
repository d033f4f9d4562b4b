#include "response/node_results.h"

#include <cmath>

#include "response/fd_solver.h"
#include "soil/criteria.h"

namespace torva {

namespace {

// The type code of the section that node i belongs to; -1 when the node has no section.
int node_section_type(const Engine& engine, int i) {
  const int s = engine.nodes.section[i];
  if (s < 1 || s > kMaxSections) return -1;
  return engine.sections.table[static_cast<std::size_t>(s - 1)].type;
}

// M(i) = EI(i) (y(i-1) - 2 y(i) + y(i+1)) / h^2; node 1 reaches up to y(0).
double moment_formula(const NodeTable& nodes, int i) {
  const NodeDeflections& y = nodes.y;
  return nodes.EI[i] * (y[i - 1] - 2.0 * y[i] + y[i + 1]) / (nodes.h * nodes.h);
}

double total_stress(double Q, double M, const SectionProperties& section) {
  if (section.I == 0.0 || section.A == 0.0) return 0.0;
  return std::fabs(Q) / section.A + std::fabs(M) * (section.D / 2.0) / section.I;
}

}  // namespace

NodeResult node_results(Engine& engine, int i, const SectionPropertySource& sections) {
  NodeTable& nodes = engine.nodes;
  const NodeDeflections& y = nodes.y;
  const int N = nodes.N;
  const double h = nodes.h;
  const double Q = engine.solver.head.Q;

  if (i <= 2) {
    const int type = node_section_type(engine, i);
    if (type >= 0 && !is_elastic_section_type(type)) nodes.EI[2] = nodes.EI[1];
  }

  NodeResult r;
  if (i == 1) {
    r.M = moment_formula(nodes, 1);
    if (engine.solver.head.condition == load_type::kDeflectionSlope) {
      const double M2 = moment_formula(nodes, 2);
      const double M3 = moment_formula(nodes, 3);
      r.S = (4.0 * y[2] - 3.0 * y[1] - y[3]) / (2.0 * h);
      r.V = (4.0 * M2 - 3.0 * r.M - M3) / (2.0 * h) + Q * r.S;
    } else {
      r.S = (y[2] - y[0]) / (2.0 * h);
      r.V = Q * r.S + nodes.EI[1] * (y[3] - 2.0 * y[2] + 2.0 * y[0] - y[-1]) / (2.0 * h * h * h);
    }
  } else if (i == N) {
    r.M = 0.0;
    r.V = engine.solver.V_tip;
    r.S = (y[N] - y[N - 1]) / h;
  } else {
    r.M = moment_formula(nodes, i);
    r.S = (y[i + 1] - y[i - 1]) / (2.0 * h);
    r.V = Q * r.S + (moment_formula(nodes, i + 1) - moment_formula(nodes, i - 1)) / (2.0 * h);
  }

  r.section = sections.at(engine, nodes.x[i]);
  r.stress = total_stress(Q, r.M, r.section);
  NodeResultMaxima& maxima = engine.solver.maxima;
  if (std::fabs(r.stress) > maxima.stress) maxima.stress = std::fabs(r.stress);
  return r;
}

double soil_reaction(const Engine& engine, int i) {
  const NodeTable& nodes = engine.nodes;
  // A spring that ignores the soil movement pushes on the pile's own deflection.
  const bool moves = engine.options.UseSoilMovement && spring_on_soil_movement(engine, i);
  const double movement = moves ? nodes.ysoil[i] : 0.0;
  const double relative = nodes.y[i] - movement;
  const double p = -nodes.Es[i] * relative;
  if (std::isnan(p) && (nodes.y[i] == 0.0 || relative == 0.0)) return 0.0;
  return p;
}

int zero_deflection_points(const NodeTable& nodes) {
  int count = 0;
  for (int i = 1; i <= nodes.N; ++i) {
    const double a = nodes.y[i];
    const double b = nodes.y[i + 1];
    if ((a > 0.0 && b < 0.0) || (a < 0.0 && b > 0.0)) ++count;
  }
  return count;
}

}  // namespace torva
