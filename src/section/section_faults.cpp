#include "section/section_faults.h"

#include <string>

#include "engine/errors.h"
#include "report/line.h"

namespace torva {

namespace {

constexpr ErrorId kRunNoConcrete{214, "RUN00014"};
constexpr ErrorId kRunNoStrands{215, "RUN00015"};
constexpr ErrorId kRunNeutralAxis{216, "RUN00016"};

void prestress_error(Engine& engine, const ErrorId& error, const char* what, double area) {
  TextFile& report = engine.run.report;
  report.put(error_banner(error.number));
  report.blank();
  report.put("An error occurred in prestressing computations");
  report.put(Line()
                 .a("The computed area of ")
                 .a(what)
                 .a(" in the section is less than 0.0 = ")
                 .f(area, 15, 5));
  ErrorStop(engine, error.code, error.number);
}

}  // namespace

void report_section_fault(Engine& engine, const SectionFault& fault) {
  TextFile& report = engine.run.report;
  switch (fault.kind) {
    case SectionFaultKind::kNone:
      return;
    case SectionFaultKind::kNoConcrete:
      prestress_error(engine, kRunNoConcrete, "concrete", fault.value);
      return;
    case SectionFaultKind::kNoStrands:
      prestress_error(engine, kRunNoStrands, "steel", fault.value);
      return;
    case SectionFaultKind::kNeutralAxis:
      report.put(error_banner(kRunNeutralAxis.number));
      report.blank();
      report.put("Location of neutral axis was not found within 1,000 iterations.");
      ErrorStop(engine, kRunNeutralAxis.code, kRunNeutralAxis.number);
      return;
    case SectionFaultKind::kTooManyBars: {
      const long long count = static_cast<long long>(fault.value);
      report.put(Line()
                     .a("  Error in Calculate_Rebar_Slice_Areas - NumBars out of valid range = ")
                     .i0(count)
                     .a(" (more than ")
                     .i0(kMaxBars)
                     .a(" bars)"));
      report_internal_error(engine, "a section has " + std::to_string(count) +
                                        " bars, more than the bar table holds");
      return;
    }
  }
}

}  // namespace torva
