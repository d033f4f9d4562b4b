// Checks of a pile section record of types 0 to 10 before it is analysed: an outline or steel
// part that cannot be sliced (input error 33), or a concrete too weak for the concrete model
// (input error 26).
#pragma once

#include <optional>
#include <string>

#include "engine/errors.h"
#include "model/sections.h"

namespace torva {

struct SectionRecordFault {
  ErrorId error;      // input error 26 or 33
  std::string what;   // the value concerned, "the casing wall thickness"
  double value = 0.0;
  std::string limit;  // what is allowed, "greater than 0 and at most 12 (half the diameter)"
};

// The first fault of a section record as read (units of the input: psi or kPa, inches or
// metres), or nothing when the section can be sliced and its materials modelled.
std::optional<SectionRecordFault> find_section_record_fault(const PileSection& section,
                                                            int units);

}  // namespace torva
