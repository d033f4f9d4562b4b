// Failure and warnings. A numbered error is recorded in ErrorNumber by ErrorStop; a routine
// that must end the run then throws RunStopped, which only the run sequence catches.
#pragma once

#include <initializer_list>
#include <string_view>

#include "model/engine.h"

namespace torva {

struct RunStopped {};

// One numbered error of the engine's own catalogue (the numbers the documented catalogue
// leaves open): its stored number and eight-character code.
struct ErrorId {
  int number;        // 100 + N for input error N, 200 + N for runtime error N
  const char* code;  // "INP000NN" / "RUN000NN"
};

namespace errors {
inline constexpr ErrorId kInputTooManySections{117, "INP00017"};
inline constexpr ErrorId kInputSoilAboveTip{118, "INP00018"};
inline constexpr ErrorId kInputProfileBelowGround{119, "INP00019"};
inline constexpr ErrorId kInputProfileNotAtGround{120, "INP00020"};
inline constexpr ErrorId kInputGroupFactorsAboveGround{121, "INP00021"};
inline constexpr ErrorId kInputConcreteStrength{126, "INP00026"};
inline constexpr ErrorId kInputFieldTestValue{132, "INP00032"};
inline constexpr ErrorId kInputPhysicalRange{134, "INP00034"};
inline constexpr ErrorId kInputDepthOrder{135, "INP00035"};
inline constexpr ErrorId kInputValueRange{136, "INP00036"};
// Documented with the code of its stored number.
inline constexpr ErrorId kInputLoessCycles{170, "INP00170"};
inline constexpr ErrorId kInputWeakRockModulus{164, "INP00064"};
inline constexpr ErrorId kInputZeroPileWidth{127, "INP00027"};
inline constexpr ErrorId kInputNumberOfCycles{128, "INP00028"};
inline constexpr ErrorId kInputOutputDepthAboveGround{129, "INP00029"};
inline constexpr ErrorId kInputOutputDepthBelowTip{130, "INP00030"};
inline constexpr ErrorId kInputTipShearCurve{150, "INP00050"};
inline constexpr ErrorId kInputSectionOutline{133, "INP00033"};
inline constexpr ErrorId kInputMarker{173, "INP00073"};
inline constexpr ErrorId kInputUnreadableValue{174, "INP00074"};
inline constexpr ErrorId kInputEarlyEnd{175, "INP00075"};
inline constexpr ErrorId kInputNoOptions{176, "INP00076"};
inline constexpr ErrorId kInputLayerCount{177, "INP00077"};
inline constexpr ErrorId kInputLoadCaseCount{178, "INP00078"};
inline constexpr ErrorId kInputCriterionCode{179, "INP00079"};
inline constexpr ErrorId kInputLayerThickness{180, "INP00080"};
inline constexpr ErrorId kInputSectionLength{181, "INP00081"};
inline constexpr ErrorId kInputLoadType{182, "INP00082"};
inline constexpr ErrorId kInputLrfdLoadType{183, "INP00083"};
inline constexpr ErrorId kInputStiffnessControl{184, "INP00084"};
inline constexpr ErrorId kInputPushoverControl{185, "INP00085"};
inline constexpr ErrorId kInputBucklingControl{186, "INP00086"};
inline constexpr ErrorId kInputGroupFactors{187, "INP00087"};
inline constexpr ErrorId kInputUserPYCurve{188, "INP00088"};
inline constexpr ErrorId kInputTableCapacity{189, "INP00089"};
inline constexpr ErrorId kInputPiedmontTest{190, "INP00090"};
inline constexpr ErrorId kInputElasticSection{191, "INP00091"};
inline constexpr ErrorId kInputMomentCurvature{192, "INP00092"};
inline constexpr ErrorId kInputSectionRecord{195, "INP00095"};
inline constexpr ErrorId kRunInputNotOpened{207, "RUN00007"};
inline constexpr ErrorId kRunOutputNotCreated{208, "RUN00008"};
inline constexpr ErrorId kRunSoftClayEps50{237, "RUN00037"};
inline constexpr ErrorId kRunSoftClayJEps50{238, "RUN00038"};
inline constexpr ErrorId kRunMcFileUnnamed{246, "RUN00046"};
inline constexpr ErrorId kRunMcFileNotCreated{247, "RUN00047"};
inline constexpr ErrorId kRunMassiveRock{248, "RUN00048"};
inline constexpr ErrorId kRunFrozenSoilNode{249, "RUN00049"};
inline constexpr ErrorId kRunModulusNotANumber{250, "RUN00050"};
inline constexpr ErrorId kRunStiffClayEps50{251, "RUN00051"};
inline constexpr ErrorId kRunDefaultKGeneralUnits{257, "RUN00057"};
inline constexpr ErrorId kRunPiedmontFactors{252, "RUN00052"};
inline constexpr ErrorId kRunWeakRockPower{253, "RUN00053"};
inline constexpr ErrorId kRunNoMomentCurvature{254, "RUN00054"};
inline constexpr ErrorId kRunStrandHalfWidth{255, "RUN00055"};
inline constexpr ErrorId kRunFirstMomentNotPositive{258, "RUN00058"};
inline constexpr ErrorId kRunResultNotFinite{260, "RUN00060"};
inline constexpr ErrorId kRunSameFile{261, "RUN00061"};
inline constexpr ErrorId kInternal{999, "RUN00999"};
}  // namespace errors

// Writes the termination line to the report and records the number.
void ErrorStop(Engine& engine, std::string_view code, int number);

// ErrorStop, then ends the run.
[[noreturn]] void stop_run(Engine& engine, std::string_view code, int number);
[[noreturn]] void stop_run(Engine& engine, const ErrorId& error);

// "**** Input Data Error No. N ****" or "**** Runtime Error No. N ****" for a number of 100+N
// or 200+N.
std::string error_banner(int number);

// An error of the engine's own catalogue: the banner, "Problem: " and "Solution: " to the
// run-message file and the report, then ErrorStop. raise_error also ends the run.
void report_error(Engine& engine, const ErrorId& error, std::string_view problem,
                  std::string_view solution);
[[noreturn]] void raise_error(Engine& engine, const ErrorId& error, std::string_view problem,
                              std::string_view solution);

// Input error 17: the number of section points (two per pile section) is outside 2 to 40.
[[noreturn]] void section_point_count_error(Engine& engine, long long points);

// Internal error 999 for a failure the engine did not foresee (the run is already ending).
void report_internal_error(Engine& engine, std::string_view what);

// Writes the same lines to the message file and then to the report.
void write_both(Engine& engine, std::initializer_list<std::string_view> lines);
// Writes the same lines to the report and then to the message file.
void write_report_then_message(Engine& engine, std::initializer_list<std::string_view> lines);

// Counts one occurrence of a warning (code is the negative warning number).
void WarningRegister(Engine& engine, int code);

// Clears the counters and text flags (start of a run and of every load case).
void clear_warning_counts(Engine& engine);

// Writes the end-of-run summary to the report; LastWarningCount becomes the number of
// distinct warnings summarised.
void WarningSummary(Engine& engine);

}  // namespace torva
