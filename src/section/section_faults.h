// The ways the analysis of a section can fail. The computations return a fault as a value;
// the driver hands it to report_section_fault, which writes its text and records the error.
#pragma once

#include "model/engine.h"

namespace torva {

enum class SectionFaultKind {
  kNone,
  kNoConcrete,   // runtime error 14: a prestressed section whose concrete area is 0 or less
  kNoStrands,    // runtime error 15: a prestressed section without strand area
  kNeutralAxis,  // runtime error 16: the neutral axis was not found in 1,000 iterations
  kTooManyBars,  // more bars than the bar table holds: the run stops (internal error)
};

struct SectionFault {
  SectionFaultKind kind = SectionFaultKind::kNone;
  double value = 0.0;  // the concrete or steel area (14, 15), the bar count (too many bars)

  explicit operator bool() const { return kind != SectionFaultKind::kNone; }
};

// Writes the fault's text to the report and records its error number with ErrorStop.
void report_section_fault(Engine& engine, const SectionFault& fault);

}  // namespace torva
