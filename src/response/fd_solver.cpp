#include "response/fd_solver.h"

#include <cmath>
#include <cstddef>
#include <string>

#include "engine/errors.h"
#include "report/line.h"

namespace torva {

namespace {

constexpr double kSmallestPivot = 1e-50;

// Index 1..n of a curve span.
double at(std::span<const double> values, int k) { return values[static_cast<std::size_t>(k - 1)]; }

// Runtime Error No. 11: the texts, the dumps of the head system as it stands, and the end of the
// run.
[[noreturn]] void report_small_pivot(Engine& engine, int pivot_row) {
  const HeadSystem& system = engine.solver.head_system;
  const std::string node_line = Line().a("          Node number = ").i0(pivot_row).str();
  const std::string pivot_line =
      Line().a("          Pivot value = ").e(system.A[pivot_row][pivot_row], 12, 5).str();
  write_report_then_message(
      engine,
      {"", "", "**** Runtime Error No. 11 ****", "",
       "Problem:  Solution failed due to small pivot value.", node_line, pivot_line, "",
       "Solution: This error usually occurs when a lateral bearing capacity failure occurs.  ",
       "          Reduce the load on the pile and repeat the analysis.",
       "          You may also consider increasing pile diameter or pile length."});
  TextFile& report = engine.run.report;
  const auto dump_title = [&report](const char* title) {
    report.blank(2);
    report.put(title);
    report.blank();
  };
  dump_title("A matrix ");
  for (int r = 1; r <= 5; ++r) {
    Line row;
    for (int c = 1; c <= 5; ++c) row.e(system.A[r][c], 12, 4);
    report.put(row);
  }
  report.blank();
  dump_title("b vector ");
  for (int r = 1; r <= 5; ++r) report.put(Line().e(system.b[r], 12, 4));
  report.blank();
  dump_title("x vector ");
  for (int r = 1; r <= 5; ++r) report.put(Line().e(system.x[r], 12, 4));
  report.blank();
  stop_run(engine, "RUN00011", 211);
}

// The tip node, the node above it and every node up to the head, with R_0 = R_1.
void eliminate_from_tip(NodeTable& nodes, double V_tip, double h3, double h4, double Qh) {
  const int N = nodes.N;
  const PerNode<double>& R = nodes.EI;
  const PerNode<double>& Es = nodes.Es;
  const PerNode<double>& W = nodes.W;
  PerNode<double>& alpha = nodes.alpha;
  PerNode<double>& beta = nodes.beta;
  PerNode<double>& gamma = nodes.gamma;

  // Tip: zero moment and shear V_tip.
  double D = Es[N] * h4 + R[N - 1] + R[N] - 2.0 * Qh;
  beta[N] = 2.0 * (R[N] + R[N - 1] - Qh) / D;
  gamma[N] = (R[N] + R[N - 1]) / D;
  alpha[N] = (W[N] * h4 - 2.0 * V_tip * h3) / D;

  const int n1 = N - 1;
  const double G = 2.0 * R[n1] - Qh;
  D = 4.0 * R[n1] + R[n1 - 1] + Es[n1] * h4 - 2.0 * Qh - beta[N] * G;
  beta[n1] = (2.0 * (R[n1] * (1.0 - gamma[N]) + R[n1 - 1]) - (1.0 - gamma[N]) * Qh) / D;
  gamma[n1] = R[n1 - 1] / D;
  alpha[n1] = (W[n1] * h4 + alpha[N] * G) / D;

  for (int m = N - 2; m >= 1; --m) {
    const double R_above = m == 1 ? R[1] : R[m - 1];
    const double F = 2.0 * R[m] + (2.0 - beta[m + 2]) * R[m + 1] - Qh;
    D = (2.0 * R[m] - Qh) * (2.0 - beta[m + 1]) + Es[m] * h4 + R_above +
        ((1.0 - gamma[m + 2]) - beta[m + 1] * (2.0 - beta[m + 2])) * R[m + 1];
    beta[m] = (2.0 * (R[m] + R_above) - (1.0 - gamma[m + 1]) * Qh -
               (2.0 * R[m] + (2.0 - beta[m + 2]) * R[m + 1]) * gamma[m + 1]) /
              D;
    gamma[m] = R_above / D;
    alpha[m] = (W[m] * h4 + alpha[m + 1] * F - alpha[m + 2] * R[m + 1]) / D;
  }
}

// Conditions 1 to 4 through the dense head system; condition 5 in closed form. Sets y[2], y[1],
// y[0] and y[-1] (y[3] of the system is recomputed by the substitution down the pile).
void solve_head(Engine& engine, double h, double h2, double h3, double Qh, double head[4]) {
  const NodeTable& nodes = engine.nodes;
  const HeadCondition& load = engine.solver.head;
  const PerNode<double>& alpha = nodes.alpha;
  const PerNode<double>& beta = nodes.beta;
  const PerNode<double>& gamma = nodes.gamma;
  const double R1 = nodes.EI[1];

  if (load.condition == load_type::kDeflectionSlope) {
    const double S_t = load.second;
    const double y1 = load.first + nodes.ysoil[1];
    const double y2 = (alpha[2] + beta[2] * y1 + 2.0 * h * S_t * gamma[2]) / (1.0 + gamma[2]);
    const double y0 = y2 - 2.0 * h * S_t;
    head[0] = y2;
    head[1] = y1;
    head[2] = y0;
    head[3] = (alpha[1] + beta[1] * y0 - y1) / gamma[1];
    return;
  }

  // The matrix and right-hand side are built afresh; x keeps the last solution, which the
  // small-pivot report shows as it stands.
  HeadSystem& system = engine.solver.head_system;
  system.A = {};
  system.b = {};
  auto& A = system.A;
  auto& b = system.b;
  int n = 5;
  if (load.condition == load_type::kDeflectionMoment) {
    // Unknowns y2, y1, y0, y-1.
    n = 4;
    A[1][1] = 1.0, A[1][2] = -2.0, A[1][3] = 1.0;
    b[1] = load.second * h2 / R1;
    A[2][2] = 1.0;
    b[2] = load.first;
    A[3][1] = 1.0, A[3][2] = -beta[2], A[3][3] = gamma[2];
    b[3] = alpha[2];
    A[4][2] = 1.0, A[4][3] = -beta[1], A[4][4] = gamma[1];
    b[4] = alpha[1];
  } else {
    // Unknowns y3, y2, y1, y0, y-1.
    const double s = 2.0 - Qh / R1;
    A[1][1] = 1.0, A[1][2] = -s, A[1][4] = s, A[1][5] = -1.0;
    b[1] = 2.0 * load.first * h3 / R1;
    A[2][1] = 1.0, A[2][2] = -beta[3], A[2][3] = gamma[3];
    b[2] = alpha[3];
    A[3][2] = 1.0, A[3][3] = -beta[2], A[3][4] = gamma[2];
    b[3] = alpha[2];
    switch (load.condition) {
      case load_type::kShearMoment:
        A[4][2] = 1.0, A[4][3] = -2.0, A[4][4] = 1.0;
        b[4] = load.second * h2 / R1;
        break;
      case load_type::kShearSlope:
        A[4][2] = 1.0, A[4][4] = -1.0;
        b[4] = 2.0 * h * load.second;
        break;
      default: {  // rotational stiffness
        const double r = h * load.second / (2.0 * R1);
        A[4][2] = 1.0 - r, A[4][3] = -2.0, A[4][4] = 1.0 + r;
        b[4] = 0.0;
        break;
      }
    }
    A[5][3] = 1.0, A[5][4] = -beta[1], A[5][5] = gamma[1];
    b[5] = alpha[1];
  }

  const int failed_row = solve_head_system(system, n);
  if (failed_row != 0) report_small_pivot(engine, failed_row);
  const int first = n == 5 ? 2 : 1;  // position of y2 among the unknowns
  for (int k = 0; k < 4; ++k) head[k] = system.x[first + k];
}

// The larger change, a change that is not a number included.
bool larger_change(double change, double largest) { return change > largest || std::isnan(change); }

}  // namespace

double tip_shear(const TipShearView& curve, double y_tip) {
  const int n = static_cast<int>(curve.deflection.size());
  if (n == 0) return 0.0;
  const double u = std::fabs(y_tip);
  double V = at(curve.shear, n);  // beyond the last point, and the whole of a one-point curve
  for (int j = 2; j <= n; ++j) {
    if (at(curve.deflection, j) >= u) {
      const double d0 = at(curve.deflection, j - 1);
      const double d1 = at(curve.deflection, j);
      const double v0 = at(curve.shear, j - 1);
      const double v1 = at(curve.shear, j);
      // Two points at one deflection (only possible at the start of the curve): a step.
      V = d1 == d0 ? v0 : v0 + (v1 - v0) * (u - d0) / (d1 - d0);
      break;
    }
  }
  return y_tip < 0.0 ? -std::fabs(V) : std::fabs(V);
}

int solve_head_system(HeadSystem& system, int n) {
  auto& A = system.A;
  auto& b = system.b;
  auto& x = system.x;
  for (int p = 1; p <= n - 1; ++p) {
    if (std::fabs(A[p][p]) < kSmallestPivot) return p;
    for (int r = p + 1; r <= n; ++r) {
      if (A[r][p] == 0.0) continue;
      const double factor = A[r][p] / A[p][p];
      for (int c = 1; c <= n; ++c) A[r][c] -= factor * A[p][c];
      b[r] -= factor * b[p];
    }
  }
  x[n] = b[n] / A[n][n];
  for (int r = n - 1; r >= 1; --r) {
    double sum = b[r];
    for (int c = r + 1; c <= n; ++c) sum -= A[r][c] * x[c];
    x[r] = sum / A[r][r];
  }
  return 0;
}

void solve_once(Engine& engine, const SolverContext& context, int k) {
  NodeTable& nodes = engine.nodes;
  SolverState& state = engine.solver;
  const int N = nodes.N;
  NodeDeflections& y = nodes.y;

  // Preparation.
  if (!is_elastic_section_type(context.sections.section_type(nodes.section[2]))) {
    nodes.EI[2] = nodes.EI[1];
  }
  if (k == 1) state.previous_dYmax = 0.0;
  state.V_tip = tip_shear(context.tip_shear, y[N]);
  const double h = nodes.h;
  const double h2 = h * h;
  const double h3 = h2 * h;
  const double h4 = h2 * h2;
  const double Qh = state.head.Q * h2;

  eliminate_from_tip(nodes, state.V_tip, h3, h4, Qh);

  double head[4];  // y2, y1, y0, y-1
  solve_head(engine, h, h2, h3, Qh, head);

  // Substitution down the pile, with the changes from the last solve.
  double dYmax = std::fabs(y[1] - head[1]);
  const double change2 = std::fabs(y[2] - head[0]);
  if (larger_change(change2, dYmax)) dYmax = change2;
  int dYmax_node = 2;
  y[2] = head[0];
  y[1] = head[1];
  y[0] = head[2];
  y[-1] = head[3];
  for (int m = 3; m <= N; ++m) {
    const double new_y = nodes.alpha[m] + nodes.beta[m] * y[m - 1] - nodes.gamma[m] * y[m - 2];
    const double change = std::fabs(y[m] - new_y);
    if (larger_change(change, dYmax)) {
      dYmax = change;
      dYmax_node = m;
    }
    y[m] = new_y;
  }
  state.dYmax = dYmax;
  state.dYmax_node = dYmax_node;
  state.delta_dYmax = std::fabs(dYmax - state.previous_dYmax);
  state.previous_dYmax = dYmax;
  y[N + 1] = 2.0 * y[N] - y[N - 1];
}

}  // namespace torva
