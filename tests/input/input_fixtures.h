// Whole input data files for the reader tests: the options of a run with the switches a test
// needs, and the file around the sections under test.
#pragma once

#include <string>

namespace torva::testing {

struct Switches {
  std::string units = "Units USCS";
  bool lrfd = false;
  bool tip_shear = false;
  bool soil_movement = false;
  bool py_modifiers = false;
  bool ei_only = false;
  bool print_py_curves = false;
  bool interaction = false;
  bool pile = true;  // end the file with one_pipe_section()
};

inline std::string yes_no(bool on) { return on ? " YES\n" : " NO\n"; }

inline std::string options_for(const Switches& s) {
  return "OPTIONS\n" + s.units + "\n" + "UseLRFD" + yes_no(s.lrfd) +
         "ComputeKmatrix NO\n"
         "UseTipShear" +
         yes_no(s.tip_shear) + "UseSoilMovement" + yes_no(s.soil_movement) + "UsePYModifiers" +
         yes_no(s.py_modifiers) + "ComputeEIOnly" + yes_no(s.ei_only) +
         "Loading STATIC     0\n"
         "MaxIterations 100\n"
         "DeflectionLimit 10.0\n"
         "Tolerance 1.0E-5\n"
         "Increments 100\n"
         "PrintSummaryOnly NO\n"
         "PrintIncrement 1\n"
         "PrintPYCurves" +
         yes_no(s.print_py_curves) +
         (s.interaction ? "ComputeInteraction YES\nInteractionCode AASHTO\n"
                        : "ComputeInteraction NO\n") +
         "ComputePushover NO\n"
         "ComputePileBuckling NO\n";
}

// One steel pipe section, 24 in (610 mm) by 0.5 in (12.7 mm), 50 ft (15 m) long.
inline std::string one_pipe_section(const std::string& units = "Units USCS") {
  if (units == "Units SI") return "SECTIONS\n1\n1\n4\n15\n610\n12.7\n248000\n200000000\n";
  return "SECTIONS\n1\n1\n4\n50\n24\n0.5\n36000\n29000000\n";
}

// A complete input file: the options, then `sections` (keyword lines and their data), the pile
// (unless switched off) and END.
inline std::string input_file(const Switches& s, const std::string& sections) {
  return "TORVAP7\n" + options_for(s) + sections + (s.pile ? one_pipe_section(s.units) : "") +
         "END\n";
}

// Soft clay from the ground surface (at the pile head) down to `bottom` (input depth unit),
// below the tip of one_pipe_section(): the smallest soil a full analysis needs.
inline std::string one_soft_clay_layer(const std::string& bottom = "60") {
  return "SOIL LAYERS\n1\n1 0 " + bottom + "\n100 1000 0.01\n100 1000 0.01\n";
}

}  // namespace torva::testing
