#include "engine/stages.h"

#include <string>

#include "engine/errors.h"
#include "input/unit_conversion.h"
#include "pile/pile_model.h"
#include "pile/pile_views.h"
#include "report/input_echo.h"
#include "report/plot_records.h"
#include "response/buckling.h"
#include "response/length_sweep.h"
#include "response/load_case_iteration.h"
#include "response/lrfd.h"
#include "response/pushover.h"
#include "response/result_checks.h"
#include "response/results.h"
#include "response/stiffness_matrix.h"
#include "section/section_driver.h"
#include "soil/py_framework.h"

namespace torva {

namespace {

const std::string kRule80(80, '-');

int section_count(const Engine& engine) { return engine.sections.count; }

// The report heading of the section analysis, written once before the first section.
void write_section_analysis_heading(Engine& engine) {
  TextFile& report = engine.run.report;
  const Options& options = engine.options;
  report.blank(2);
  report.put(kRule80);
  report.put("    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness");
  report.put(kRule80);
  report.blank();
  if (options.ComputeInteraction) {
    report.put("Axial thrust force values were determined from input values");
  } else if (options.UseLRFD) {
    report.put("Axial thrust force values were determined from LRFD load combinations");
  } else {
    report.put("Axial thrust force values were determined from pile-head loading conditions");
  }
  report.blank();
  report.put(Line().a("Number of Pile Sections Analyzed = ").i0(section_count(engine)));
}

void write_section_title(Engine& engine, int n) {
  engine.run.report.put(Line().a("Pile Section No. ").i0(n).a(":"));
  engine.run.report.put(std::string(19, '-'));
}

void bending_properties_only(Engine& engine) {
  RunControl& run = engine.run;
  PlotLine2(run.plot, section_count(engine));
  for (int n = 1; n <= section_count(engine); ++n) {
    run.message.put(Line().a("Start computing nonlinear bending stiffness of EI only section ").i0(n));
    if (n == 1) {
      write_section_analysis_heading(engine);
      run.report.blank();
    }
    write_section_title(engine, n);
    analyse_pile_section(engine, n);
    run.message.put(
        Line().a("Completed computing nonlinear bending stiffness of EI only section ").i0(n));
    run.message.blank();
  }
}

void analyse_sections(Engine& engine) {
  RunControl& run = engine.run;
  if (section_count(engine) < 1) return;
  run.message.put(Line().a("Start computing nonlinear bending stiffness of section ").i0(1));
  write_section_analysis_heading(engine);
  for (int n = 1; n <= section_count(engine); ++n) {
    write_section_title(engine, n);
    analyse_pile_section(engine, n);
    run.message.put(Line().a("Completed computing nonlinear bending stiffness of section ").i0(n));
    run.message.blank();
  }
}

// Pile-head conditions of load case j: the two values by load type and the axial thrust, or
// the factored shear, moment and thrust of LRFD combination j.
void set_head_conditions(Engine& engine, int j) {
  if (engine.options.UseLRFD) {
    engine.solver.head = combination_head_condition(engine, j);
  } else {
    const LoadCase& c = engine.loading.cases[j];
    engine.solver.head = HeadCondition{c.load_type, c.condition1, c.condition2, c.axial_thrust};
  }
  engine.solver.V_tip = 0.0;
}

void prepare_load_case_nodes(Engine& engine, int j) {
  build_nodes(engine);
  assign_nodes_to_sections(engine);
  Assign_Nodes_To_Layers(engine);
  if (engine.soil_movement.count > 1) soil_movement_at_nodes(engine);
  engine.run.message.put(Line().a("Computing lateral response of pile for load number ").i0(j));
  clear_warning_counts(engine);
  engine.nodes.clear_deflections();
  if (engine.options.UseLRFD) load_nodes_for_combination(engine, j, true);
  set_starting_soil_moduli(engine);
}

void solve_load_case(Engine& engine, int j, int py_request) {
  RunControl& run = engine.run;
  run.current_load_case = j;
  prepare_load_case_nodes(engine, j);
  // A case under deflection and moment that failed to converge ends the run here, at the
  // next case.
  if (run.ErrorNumber > 0) throw RunStopped{};
  PYCurveDriver(engine, 0);
  set_head_conditions(engine, j);

  const EngineSections sections(engine);
  const SolverContext context{sections, tip_shear_view(engine)};
  PYCurveUpdate soil(PYDispatch::kIteration, true);
  MomentCurvatureStiffness stiffness(sections);
  const Convergence convergence = iterate_load_case(engine, context, soil, stiffness);
  report_load_case_convergence(engine, j, convergence);
  check_load_case_results(engine);

  if (j == 1) {
    if (py_request > 0) {
      engine.options.py_output_request = py_request;
      PYOutputAtDepths(engine);
      engine.options.py_output_request = 0;
      if (run.ErrorNumber > 0) throw RunStopped{};
    } else {
      PlotLine6None(run.plot);
    }
  }
  report_load_case_results(engine);
  length_sweep_of_load_case(engine, j);
  run.message.put(Line().a("Completed Analysis for Load Case ").i0(j));
  run.message.blank();
}

// The optional analyses. An error of one of them ends the run at once; a load case under a
// deflection and moment that did not converge has left its error pending, and then none of
// them is made, but the records that say so are written before the run ends.
void analyses_after_load_cases(Engine& engine) {
  RunControl& run = engine.run;
  const Options& options = engine.options;
  const bool solved = run.ErrorNumber == 0;
  if (solved && options.ComputeKmatrix) {
    run.message.put("Computing pile-head stiffness matrix components.");
    run.message.blank();
    compute_pile_head_stiffness(engine, stiffness_reference_loading(engine));
  }
  if (solved && options.ComputePushover) {
    run_pushover_analysis(engine);
  } else {
    PlotLine16None(run.plot);
  }
  if (solved && options.ComputePileBuckling) {
    run_buckling_analysis(engine);
  } else {
    PlotLine18None(run.plot);
  }
}

void full_analysis(Engine& engine) {
  RunControl& run = engine.run;
  PlotLine2(run.plot, section_count(engine));
  analyse_sections(engine);

  // Load cases are solved with the p-y routines in their normal mode; the request for curves
  // at output depths is used again after load case 1.
  const int py_request = engine.options.py_output_request;
  engine.options.py_output_request = 0;

  // LRFD runs solve their combinations as the load cases.
  if (engine.options.UseLRFD) engine.loading.count = engine.lrfd.combination_count;
  for (int j = 1; j <= engine.loading.count; ++j) solve_load_case(engine, j, py_request);

  report_pile_response_summary(engine);
  run.message.put("Completed Analysis of All Pile Loading Cases");
  run.message.blank();
  analyses_after_load_cases(engine);
  if (engine.options.UseLRFD) keep_lrfd_failure_warning(engine);
}

}  // namespace

void run_analysis_stages(Engine& engine) {
  WriteInputEcho(engine);  // also makes the soil layers contiguous
  if (engine.options.IUNITS == kUnitsUS) {
    convert_input_units_us(engine);
  } else {
    convert_input_units_other(engine);
  }
  if (engine.options.i_Analysis_Type == kBendingPropertiesOnly) {
    bending_properties_only(engine);
  } else {
    full_analysis(engine);
  }
}

}  // namespace torva
