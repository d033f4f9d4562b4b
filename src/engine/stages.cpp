#include "engine/stages.h"

#include "engine/errors.h"
#include "report/plot_records.h"

namespace torva {

namespace {

int section_count(const Engine& engine) { return engine.sections.count; }

void bending_properties_only(Engine& engine) {
  PlotLine2(engine.run.plot, section_count(engine));
}

void full_analysis(Engine& engine) {
  RunControl& run = engine.run;
  PlotLine2(run.plot, section_count(engine));

  // Load cases are solved with the p-y routines in their normal mode; the request for curves
  // at output depths is used again after load case 1.
  const int py_request = engine.options.py_output_request;
  engine.options.py_output_request = 0;
  (void)py_request;

  run.message.put("Completed Analysis of All Pile Loading Cases");
  run.message.blank();
  PlotLine16None(run.plot);
  PlotLine18None(run.plot);
}

}  // namespace

void run_analysis_stages(Engine& engine) {
  if (engine.options.i_Analysis_Type == kBendingPropertiesOnly) {
    bending_properties_only(engine);
  } else {
    full_analysis(engine);
  }
}

}  // namespace torva
