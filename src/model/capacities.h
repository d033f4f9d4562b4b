// Fixed capacities of the model tables. Every reader checks a count against these before it
// writes into a table.
#pragma once

namespace torva {

inline constexpr int kInterfaceVersion = 7001;
inline constexpr char kEngineVersion[] = "2013-07.001";

inline constexpr int kNameLength = 256;        // file names and text lines of the input
inline constexpr int kTitleLines = 5;
inline constexpr int kMaxWarnings = 4000;      // warning numbers 1..4000
inline constexpr int kMaxLoadCases = 100;      // pile-head load cases and LRFD combinations
inline constexpr int kResultRecordSize = 20;   // numbers kept per load case
inline constexpr int kMaxSections = 20;
inline constexpr int kMaxLayers = 40;
inline constexpr int kProfileRows = 2 * kMaxLayers;
inline constexpr int kMaxThrusts = 100;        // axial thrust values of the section analysis
inline constexpr int kMaxOutputDepths = 100;   // depths of printed p-y curves
inline constexpr int kMaxOutputDeflections = 30;
inline constexpr int kNodePlaces = 508;        // node table places (at most 501 nodes)
inline constexpr int kClearedNodePlaces = 505; // deflections cleared at every run and load case
inline constexpr int kMinIncrements = 40;
inline constexpr int kMaxIncrements = 500;
inline constexpr int kCriterionCodes = 20;

}  // namespace torva
