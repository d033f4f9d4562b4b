#include "response/results.h"

#include <cmath>

#include "report/plot_records.h"
#include "response/results_report.h"

namespace torva {

namespace {

// Deflections, moments, shears and soil reactions below this magnitude are reported as zero.
constexpr double kReportedZero = 1e-20;

double reported(double value) { return std::fabs(value) < kReportedZero ? 0.0 : value; }

// The pile-head boundary values of the case: the applied shear and moment where the load type
// gives them, the computed ones where it does not.
void keep_head_values(LoadCaseResult& record, const HeadCondition& head, const NodeTable& nodes,
                      const NodeResult& r) {
  const int type = head.condition;
  const bool shear_given = type == load_type::kShearMoment || type == load_type::kShearSlope ||
                           type == load_type::kShearRotationalStiffness;
  const bool moment_given =
      type == load_type::kShearMoment || type == load_type::kDeflectionMoment;
  record.head_shear = shear_given ? head.first : r.V;
  record.head_moment = moment_given ? head.second : r.M;
  record.head_deflection = nodes.y[1];
  record.head_slope = r.S;
}

void raise_section_maximum(SectionMaximum& m, int node, const NodeResult& r) {
  if (m.moment_node == 0 || std::fabs(r.M) > std::fabs(m.moment)) {
    m.moment = r.M;
    m.moment_node = node;
  }
  if (m.shear_node == 0 || std::fabs(r.V) > std::fabs(m.shear)) {
    m.shear = r.V;
    m.shear_node = node;
  }
}

}  // namespace

int load_case_count(const Engine& engine) {
  return engine.options.UseLRFD ? engine.lrfd.combination_count : engine.loading.count;
}

void plot_no_length_sweep(Engine& engine, int j) {
  PlotLine11(engine.run.plot, engine.options.UseLRFD ? SweepKind::kLRFD : SweepKind::kNone, 0, j);
}

void report_load_case_results(Engine& engine, const SectionPropertySource& sections,
                              ResultsMode mode) {
  const int j = engine.run.current_load_case;
  const bool load_case = mode == ResultsMode::kLoadCase;
  const bool kept = j >= 1 && j <= kMaxLoadCases;
  LoadCaseResult scratch;
  LoadCaseResult& record =
      !kept ? scratch : load_case ? engine.results.cases[j] : engine.results.auxiliary[j];
  record = LoadCaseResult{};
  if (load_case && kept) engine.results.section_maxima[j].fill(SectionMaximum{});

  NodeTable& nodes = engine.nodes;
  SolverState& solver = engine.solver;
  const HeadCondition head = solver.head;
  const Options& options = engine.options;
  const int N = nodes.N;
  const bool print = load_case && !options.PrintSummaryOnly;
  const bool si_plot = !us_customary(engine);
  const int every = options.PrintIncrement > 0 ? options.PrintIncrement : 1;
  TextFile& plot = engine.run.plot;

  solver.maxima = NodeResultMaxima{};
  if (print) write_load_case_heading(engine, j);
  if (load_case) write_head_conditions(engine, head);
  if (print) write_results_table_head(engine);
  if (load_case && j == 1) PlotLine9(plot, load_case_count(engine), N, options.IUNITS);

  NodeResultMaxima& maxima = solver.maxima;
  for (int i = 1; i <= N; ++i) {
    const NodeResult r = node_results(engine, i, sections);
    if (std::fabs(r.M) > std::fabs(maxima.moment)) {
      maxima.moment = r.M;
      maxima.moment_x = nodes.x[i];
    }
    if (std::fabs(r.V) > std::fabs(maxima.shear)) {
      maxima.shear = r.V;
      maxima.shear_x = nodes.x[i];
    }
    const int s = nodes.section[i];
    if (load_case && kept && s >= 1 && s <= kMaxSections) {
      raise_section_maximum(engine.results.section_maxima[j][s], i, r);
    }
    if (i == 1) keep_head_values(record, head, nodes, r);
    if (!load_case) continue;

    const double y = reported(nodes.y[i]);
    const double M = reported(r.M);
    const double V = reported(r.V);
    const double p = reported(soil_reaction(engine, i));
    PlotLine10(plot, si_plot, i, nodes.x[i], y, M, V, p, nodes.EI[i]);
    if (print && (i - 1) % every == 0) {
      ResultsRow row;
      row.x = nodes.x[i];
      row.y = y;
      row.M = M;
      row.V = V;
      // Under a specified head slope the table shows the slope as given.
      row.S = i == 1 && head.condition == load_type::kDeflectionSlope ? head.second : r.S;
      row.stress = r.stress;
      row.EI = nodes.EI[i];
      row.p = p;
      row.spring = nodes.Es[i] * nodes.h * (i == 1 || i == N ? 0.5 : 1.0);
      row.W = nodes.W[i];
      write_results_row(engine, row);
    }
  }

  record.computed = true;
  record.load_type = head.condition;
  record.condition1 = head.first;
  record.condition2 = head.second;
  record.axial = head.Q;
  record.max_moment = maxima.moment;
  record.max_moment_x = maxima.moment_x;
  record.max_shear = maxima.shear;
  record.max_shear_x = maxima.shear_x;
  record.max_stress = maxima.stress;
  record.iterations = solver.iterations;
  record.zero_deflection_points = zero_deflection_points(nodes);

  if (print) {
    write_results_footnote(engine);
    write_output_summary(engine, j, record);
  }
}

}  // namespace torva
