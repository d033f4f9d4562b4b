// Analysis options and the control data of the optional analyses.
#pragma once

#include <array>
#include <string>

#include "model/capacities.h"

namespace torva {

inline constexpr int kUnitsUS = 1;
inline constexpr int kUnitsSI = 2;
inline constexpr int kUnitsGeneral = 3;
inline constexpr int kBendingPropertiesOnly = 2;
inline constexpr int kFullAnalysis = 3;
inline constexpr int kMaxPushoverPoints = 100;  // user-defined pushover displacements
inline constexpr int kMaxStiffnessPoints = 50;  // K-matrix points: 2K auxiliary cases of 100
inline constexpr int kMaxBucklingLoads = 100;   // axial loads (trials) of the buckling analysis

struct Options {
  int IUNITS = 0;                 // 1 US customary, 2 SI, 3 general units
  int i_Analysis_Type = 0;        // 2 bending properties only, 3 full analysis
  bool UseLRFD = false;
  bool ComputeKmatrix = false;
  bool UseTipShear = false;
  bool UseSoilMovement = false;
  bool UsePYModifiers = false;
  bool CyclicLoading = false;
  double NumCycles = 0.0;          // number of cycles of loading
  int MaxIterations = 0;           // 30..1000
  double DeflectionLimit = 0.0;    // largest allowed pile-head deflection (input length unit)
  double ConvergenceTolerance = 0.0;
  int NumIncrements = 0;           // 40..500 pile increments
  bool PrintSummaryOnly = false;
  int PrintIncrement = 0;          // nodal spacing of the printed rows
  bool PrintPYCurves = false;
  int py_output_request = 0;       // 1 while p-y curves at output depths are to be printed
  bool ComputeInteraction = false;
  int InteractionCode = 0;         // 1 AASHTO, 2 ACI318, 3 Eurocode2
  bool ComputePushover = false;
  bool ComputePileBuckling = false;
};

struct OutputDepth {
  double depth = 0.0;                                       // below the pile head
  std::array<double, kMaxOutputDeflections> deflections{};  // optional y values of the curve
  int deflection_count = 0;
  int second_count = 0;
};

struct StiffnessControl {
  int method = 0;        // 0 loads of case 1, 1 its largest displacements, 2 user values
  int points = 0;        // number of K-matrix points
  int distribution = 0;  // 0 logarithmic, 1 arithmetic
  double max_displacement = 0.0;
  double max_rotation = 0.0;  // radians
};

struct PushoverControl {
  int fixity = 0;        // 0 free, 1 fixed, 2 free and fixed head
  int distribution = 0;  // 0 logarithmic, 1 arithmetic, 2 user values
  int points = 0;
  double max_deflection = 0.0;
  double min_deflection = 0.0;
  std::array<double, kMaxPushoverPoints> user_displacements{};
  double final_value = 0.0;
};

struct BucklingControl {
  int fixity = 0;  // 0 shear and moment, 1 shear and slope, 2 shear and rotational stiffness
  int axial_loads = 0;
  double shear = 0.0;
  double moment = 0.0;
  double slope = 0.0;
  double rotational_stiffness = 0.0;
  double max_compression = 0.0;
};

struct InputControl {
  std::array<std::string, kTitleLines> title;
  std::array<OutputDepth, kMaxOutputDepths> output_depths{};
  int output_depth_count = 0;
  StiffnessControl stiffness;
  PushoverControl pushover;
  BucklingControl buckling;
};

}  // namespace torva
