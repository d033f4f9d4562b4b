#include "response/bending_stiffness.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/errors.h"
#include "report/line.h"
#include "section/stored_curves.h"

namespace torva {

namespace {

// Table moments and stiffnesses are in kip units in US customary runs.
double table_factor(const Engine& engine) {
  return engine.options.IUNITS == kUnitsUS ? 1000.0 : 1.0;
}

double in_table_units(const Engine& engine, double value) {
  return engine.options.IUNITS == kUnitsUS ? value / 1000.0 : value;
}

// The first section whose bottom is at or below x; the last section for a depth below them all.
int section_at(const PileSectionView& sections, int count, double x) {
  for (int s = 1; s <= count; ++s) {
    if (sections.section_bottom(s) >= x) return s;
  }
  return count;
}

// Bending moment at node i from the current deflections (in-lb, kN-m). Nodes 1 and 2 of a
// nonlinear section are evaluated with EI(2) = EI(1), as the solve uses them.
double node_moment(Engine& engine, const PileSectionView& sections, int i) {
  NodeTable& nodes = engine.nodes;
  const int N = nodes.N;
  if (i <= 2 && !is_elastic_section_type(sections.section_type(nodes.section[i]))) {
    nodes.EI[2] = nodes.EI[1];
  }
  if (i == N) return 0.0;
  const double h2 = nodes.h * nodes.h;
  const NodeDeflections& y = nodes.y;
  if (i == 1) return nodes.EI[1] * (y[0] - 2.0 * y[1] + y[2]) / h2;
  return nodes.EI[i] * (y[i - 1] - 2.0 * y[i] + y[i + 1]) / h2;
}

// Secant stiffness of one curve at moment M and curvature phi (table units).
double curve_secant(const MomentCurvatureCurve& curve, double M, double phi) {
  const int n = curve.n_p;
  if (std::fabs(M) <= curve.M(1)) return curve.EI(1);
  if (phi <= curve.phi(1)) return curve.EI(1);
  if (phi >= curve.phi(n)) return curve.M(n) / phi;
  int k = 1;
  while (k < n - 1 && !(curve.phi(k) < phi && phi <= curve.phi(k + 1))) ++k;
  const double M_phi = curve.M(k) + (curve.M(k + 1) - curve.M(k)) * (phi - curve.phi(k)) /
                                        (curve.phi(k + 1) - curve.phi(k));
  return M_phi / phi;
}

[[noreturn]] void report_missing_curve(Engine& engine, int section, int j, double Q) {
  const std::string load = engine.run.current_load_case > 0
                               ? " of load case " + std::to_string(engine.run.current_load_case)
                               : "";
  std::string problem;
  if (j < 1) {
    problem = "The section analysis computed no moment-curvature curve for the axial thrust" +
              load + " (" + Line().e(Q, 12, 4).str() + " " + engine.run.labels.force +
              "): the list of axial thrust values is empty.";
  } else {
    problem = "Pile section " + std::to_string(section) +
              " has no moment-curvature curve for axial thrust value no. " + std::to_string(j) +
              " (" + Line().e(engine.thrusts.T[j], 12, 4).str() +
              "), needed for the axial thrust" + load + ".";
  }
  raise_error(engine, errors::kRunNoMomentCurvature, problem,
              "Check the axial thrust values of the load cases and the data of the pile sections: "
              "every section that is not an elastic pile needs a curve for every thrust value.");
}

const MomentCurvatureCurve& curve_for(Engine& engine, int section, int j, double Q) {
  if (j < 1) report_missing_curve(engine, section, j, Q);
  const MomentCurvatureCurve& curve = engine.moment_curvature.curve(section, j);
  if (curve.n_p < 1) report_missing_curve(engine, section, j, Q);
  return curve;
}

}  // namespace

int axial_thrust_index(const Engine& engine, double Q) {
  const ThrustList& thrusts = engine.thrusts;
  const int n = thrusts.count;
  if (n < 1) return 0;
  const double q = in_table_units(engine, Q);
  if (q <= thrusts.T[1]) return 1;
  if (q >= thrusts.T[n]) return n;
  for (int j = 1; j < n; ++j) {
    if (thrusts.T[j] <= q && q < thrusts.T[j + 1]) return j;
  }
  return n;
}

void MomentCurvatureStiffness::update_bending_stiffness(Engine& engine, int j, double Q) {
  NodeTable& nodes = engine.nodes;
  const int count = sections_.section_count();
  const int N = nodes.N;
  const double h2 = nodes.h * nodes.h;
  const double factor = table_factor(engine);
  const double q = in_table_units(engine, Q);
  const NodeDeflections& y = nodes.y;

  for (int i = 1; i <= N && count > 0; ++i) {
    const int s = section_at(sections_, count, nodes.x[i]);
    const int type = sections_.section_type(s);
    if (type == kElasticPile) continue;

    const double M = in_table_units(engine, node_moment(engine, sections_, i));
    const double elastic_EI = sections_.elastic_EI(nodes.x[i]);
    const double phi = i == N ? 0.0 : std::fabs(y[i + 1] - 2.0 * y[i] + y[i - 1]) / h2;
    const MomentCurvatureCurve& curve = curve_for(engine, s, j, Q);

    if (type == kElasticPlastic) {
      const double M_c =
          in_table_units(engine, plastic_moment_at(engine.sections.table[s - 1], nodes.x[i]));
      if (M_c > std::max(std::fabs(M), curve.M(1)) || phi == 0.0) {
        nodes.EI[i] = elastic_EI;
      } else {
        nodes.EI[i] = std::fabs(M_c / phi) * factor;
      }
      continue;
    }

    double EI = curve_secant(curve, M, phi);
    const auto& T = engine.thrusts.T;
    if (j < engine.thrusts.count && q > T[1]) {
      const double EI_next = curve_secant(curve_for(engine, s, j + 1, Q), M, phi);
      EI = EI_next - (EI_next - EI) * (T[j + 1] - q) / (T[j + 1] - T[j]);
    }
    nodes.EI[i] = EI * factor;
  }
}

}  // namespace torva
