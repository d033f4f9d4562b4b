// The records of the plot-output file. Each record carries its numbers in fixed-width fields
// and, from a fixed column on, a description that begins with "Line" and the record's number.
#pragma once

#include <string_view>

#include "report/text_file.h"

namespace torva {

// How the section records (Lines 3 to 5) describe a section.
enum class SectionKind { kNonlinear, kInputMEI, kElasticPlastic, kElastic };
// What the thrust count of Line 3 is for.
enum class ThrustSource { kSection, kEIOnly, kLRFD };

void PlotLine1(TextFile& plot, int analysis_type, int units, bool stiffness_matrix);
void PlotLine2(TextFile& plot, int sections);
void PlotLine3(TextFile& plot, int thrusts, SectionKind kind, ThrustSource source);
void PlotLine4(TextFile& plot, SectionKind kind, bool si, int points, double thrust,
               double moment_capacity, int section);
void PlotLine5(TextFile& plot, SectionKind kind, bool si, double moment, double ei,
               double curvature, int section, int thrust, int point);
void PlotLine6(TextFile& plot, int curves);  // the count of requested depths, 0 included
void PlotLine6None(TextFile& plot);          // the record of a run that requested no curves
// words: the criterion words of the Line 7 text (e.g. "soft clay"); the text continues with
// tail (", no. p-y points on curve no. " unless the criterion says otherwise).
void PlotLine7(TextFile& plot, double depth, int points, std::string_view words, int curve,
               std::string_view tail = ", no. p-y points on curve no. ");
void PlotLine7AboveGround(TextFile& plot, double depth);
// k_width 0 writes the point number as I0, otherwise as Ik.
void PlotLine8(TextFile& plot, double y, double p, int point, std::string_view words,
               int k_width = 0);
void PlotLine9(TextFile& plot, int load_cases, int nodes, int units);
void PlotLine10(TextFile& plot, bool si, int node, double x, double y, double m, double v,
                double p, double ei);
enum class SweepKind { kLength, kNone, kLRFD };
void PlotLine11(TextFile& plot, SweepKind kind, int points, int load_case);
void PlotLine12(TextFile& plot, bool si, double length, double ytop, double mmax, double vmax);
void PlotLine13(TextFile& plot, bool si, double vtop, double ytop, double mmax, double vmax,
                double rotation);
void PlotLine14(TextFile& plot, int points);
void PlotLine15(TextFile& plot, const double (&values)[8]);
void PlotLine16(TextFile& plot, int free_steps, int fixed_steps, int fixity);
void PlotLine16None(TextFile& plot);
void PlotLine17Pushover(TextFile& plot, int step, int condition, double ytop, double mtop,
                        double mmax, double vmax, double x_mmax, double x_vmax);
void PlotLine17Buckling(TextFile& plot, bool si, int points, double capacity, double a,
                        double b);
void PlotLine18(TextFile& plot, bool si, double thrust, double ytop, double mmax, double vmax);
void PlotLine18None(TextFile& plot);
void PlotBucklingNone(TextFile& plot);  // no successful buckling trial

}  // namespace torva
