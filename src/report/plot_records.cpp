#include "report/plot_records.h"

#include <string>

namespace torva {

namespace {

constexpr int kDescriptionColumn = 105;
constexpr int kMEIDescriptionColumn = 81;

void put_e(Line& line, std::initializer_list<double> values) {
  for (double v : values) line.e(v, 15, 7);
}

void finish(TextFile& plot, Line& line, std::string_view description,
            int column = kDescriptionColumn) {
  line.tab(column).a(description);
  plot.put(line);
}

}  // namespace

void PlotLine1(TextFile& plot, int analysis_type, int units, bool stiffness_matrix) {
  Line line;
  line.i(analysis_type, 5).i(units, 5).i(0, 5).i(stiffness_matrix ? 1 : 0, 5);
  finish(plot, line, "Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F");
}

void PlotLine2(TextFile& plot, int sections) {
  Line line;
  line.i(sections, 5);
  finish(plot, line, "Line 2 : Total number of sections");
}

void PlotLine3(TextFile& plot, int thrusts, SectionKind kind, ThrustSource source) {
  Line line;
  line.i(thrusts, 5);
  switch (kind) {
    case SectionKind::kNonlinear:
      if (source == ThrustSource::kEIOnly) {
        finish(plot, line, "Line 3 : Total number of axial thrusts for EI-only computations");
      } else if (source == ThrustSource::kLRFD) {
        finish(plot, line, "Line 3 : Total number of axial thrusts for LRFD");
      } else {
        line.x(75).a("Line 3 : Total number of axial thrusts");
        plot.put(line);
      }
      return;
    case SectionKind::kInputMEI:
      line.x(75).a("Line 3 : Total number of axial thrusts for input M-EI section");
      plot.put(line);
      return;
    case SectionKind::kElasticPlastic:
      finish(plot, line, "Line 3a : Total number of axial thrusts for elastic-plastic section");
      return;
    case SectionKind::kElastic:
      finish(plot, line, "Line 3d : Total number of axial thrusts for elastic section");
      return;
  }
}

void PlotLine4(TextFile& plot, SectionKind kind, bool si, int points, double thrust,
               double moment_capacity, int section) {
  Line line;
  line.i(points, 5).x(10);
  put_e(line, {thrust, moment_capacity});
  switch (kind) {
    case SectionKind::kNonlinear:
      line.tab(kDescriptionColumn)
          .a(si ? "Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. "
                  "(kN-m), Section "
                : "Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                  "(in-kips), Section ")
          .i0(section);
      break;
    case SectionKind::kInputMEI:
      line.tab(kMEIDescriptionColumn)
          .a(si ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. "
                  "(kN-m) for input M-EI pile, Section "
                : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                  "(in-kips) for input M-EI pile, Section ")
          .i0(section);
      break;
    case SectionKind::kElasticPlastic:
      line.tab(kDescriptionColumn)
          .a(si ? "Line 4a : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. "
                  "(kN-m) for elastic-plastic EI at top of section"
                : "Line 4a : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
                  "(in-kip) for elastic-plastic EI at top of section");
      break;
    case SectionKind::kElastic:
      line.tab(kDescriptionColumn)
          .a(si ? "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment "
                  "Cap. (kN-m) for linear EI pile at top of section"
                : "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment "
                  "Cap. (in-kips) for linear EI pile at top of section");
      break;
  }
  plot.put(line);
}

void PlotLine5(TextFile& plot, SectionKind kind, bool si, double moment, double ei,
               double curvature, int section, int thrust, int point) {
  Line line;
  put_e(line, {moment, ei, curvature});
  const char* text = "";
  int column = kDescriptionColumn;
  switch (kind) {
    case SectionKind::kNonlinear:
      text = si ? "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="
                : "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=";
      break;
    case SectionKind::kInputMEI:
      text = "Line 5 : Moment, EI, Curvature for Sect#=";
      column = kMEIDescriptionColumn;
      break;
    case SectionKind::kElasticPlastic:
      text = si ? "Line 5a : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="
                : "Line 5a : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for "
                  "Sect#=";
      break;
    case SectionKind::kElastic:
      text = si ? "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="
                : "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for "
                  "Sect#=";
      break;
  }
  line.tab(column).a(text).i0(section).a(", AxLd#=").i0(thrust).a(", CurvPnt#=").i0(point);
  plot.put(line);
}

void PlotLine6(TextFile& plot, int curves) {
  plot.put(Line().i(curves, 5).x(75).a("Line 6 : number of output p-y curves"));
}

void PlotLine6None(TextFile& plot) {
  plot.put(Line().a("    0").tab(kDescriptionColumn).a("Line 6 : number of output p-y curves"));
}

void PlotLine7(TextFile& plot, double depth, int points, std::string_view words, int curve,
               std::string_view tail) {
  Line line;
  line.e(depth, 15, 7).i(points, 5).tab(kDescriptionColumn);
  line.a("Line 7:  p-y curve depth in ").a(words).a(tail).i0(curve);
  plot.put(line);
}

void PlotLine7AboveGround(TextFile& plot, double depth) {
  Line line;
  line.e(depth, 15, 7).i(0, 5);
  finish(plot, line, "Line 7:  p-y curve depth, no. p-y points");
}

void PlotLine8(TextFile& plot, double y, double p, int point, std::string_view words,
               int k_width) {
  Line line;
  put_e(line, {y, p});
  line.tab(kDescriptionColumn).a("Line 8(");
  if (k_width > 0) {
    line.i(point, k_width);
  } else {
    line.i0(point);
  }
  line.a("): y, p, for ").a(words);
  plot.put(line);
}

void PlotLine9(TextFile& plot, int load_cases, int nodes, int units) {
  Line line;
  line.i(load_cases, 5).i(nodes, 5).i(units, 5);
  finish(plot, line, "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI");
}

void PlotLine10(TextFile& plot, bool si, int node, double x, double y, double m, double v,
                double p, double ei) {
  Line line;
  put_e(line, {x, y, m, v, p, ei});
  line.tab(kDescriptionColumn).a("Line 10(").i(node, 3);
  line.a(si ? ") : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)"
            : ") : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)");
  plot.put(line);
}

void PlotLine11(TextFile& plot, SweepKind kind, int points, int load_case) {
  Line line;
  if (kind == SweepKind::kLength) {
    line.i(points, 5);
  } else {
    line.a("    0");
  }
  line.tab(kDescriptionColumn);
  switch (kind) {
    case SweepKind::kLength:
      line.a("Line 11: Num. points on Ytop vs. pile length curve for load case ");
      break;
    case SweepKind::kNone:
      line.a("Line 11: Num. points on Ytop vs. Length curve for load case ");
      break;
    case SweepKind::kLRFD:
      line.a("Line 11: Num. points on Ytop vs. Length curve for LRFD load case ");
      break;
  }
  line.i0(load_case);
  plot.put(line);
}

void PlotLine12(TextFile& plot, bool si, double length, double ytop, double mmax, double vmax) {
  Line line;
  put_e(line, {length, ytop, mmax, vmax});
  finish(plot, line,
         si ? "Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)"
            : "Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)");
}

void PlotLine13(TextFile& plot, bool si, double vtop, double ytop, double mmax, double vmax,
                double rotation) {
  Line line;
  put_e(line, {vtop, ytop, mmax, vmax, rotation});
  finish(plot, line,
         si ? "Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)"
            : "Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)");
}

void PlotLine14(TextFile& plot, int points) {
  Line line;
  line.i(points, 5);
  finish(plot, line, "Line 14: Number of stiffness matrix K-values computed");
}

void PlotLine15(TextFile& plot, const double (&values)[8]) {
  Line line;
  for (double v : values) line.e(v, 15, 7);
  line.a("  Line 15: V, M, K22, K23, K32, K33, ytop, theta");
  plot.put(line);
}

void PlotLine16(TextFile& plot, int free_steps, int fixed_steps, int fixity) {
  Line line;
  line.i(free_steps, 5).i(fixed_steps, 5).i(fixity, 5);
  finish(plot, line,
         "Line 16: # free-head pushover steps computed, # fixed-head pushover steps computed, "
         "pushover BC type");
}

void PlotLine16None(TextFile& plot) {
  Line line;
  line.i(0, 5).i(0, 5).i(0, 5);
  finish(plot, line, "Line 16: Number pushover steps computed, pushover BC type");
}

void PlotLine17Pushover(TextFile& plot, int step, int condition, double ytop, double mtop,
                        double mmax, double vmax, double x_mmax, double x_vmax) {
  Line line;
  line.i(step, 5).i(condition, 5);
  put_e(line, {ytop, mtop, mmax, vmax, x_mmax, x_vmax});
  finish(plot, line, "Line 17: point#, BC#, Top Y, Top M, Mmax, Vmax, X Mmax, X Vmax");
}

void PlotLine17Buckling(TextFile& plot, bool si, int points, double capacity, double a,
                        double b) {
  Line line;
  line.i(points, 5);
  put_e(line, {capacity, a, b});
  finish(plot, line,
         si ? "Line 17: Num. Buckling points, Buckling capacity (kN), a slope, b intercept"
            : "Line 17: Num. Buckling points, Buckling capacity (lbs), a slope, b intercept");
}

void PlotLine18(TextFile& plot, bool si, double thrust, double ytop, double mmax, double vmax) {
  Line line;
  put_e(line, {thrust, ytop, mmax, vmax});
  finish(plot, line,
         si ? "Line 18: axial thrust (kN), Ytop (m), Max Moment(kN-m), Max Shear(kN)"
            : "Line 18: axial thrust (lbs), Ytop (in), Max Moment(in-lb), Max Shear(lbs)");
}

void PlotLine18None(TextFile& plot) {
  Line line;
  line.i(0, 5);
  put_e(line, {0.0, 0.0});
  finish(plot, line, "Line 18: Number of buckling points computed, Vtop, Mtop");
}

void PlotBucklingNone(TextFile& plot) {
  Line line;
  line.a("    0").tab(kDescriptionColumn);
  line.a("Line 11: Num. points on Ytop vs. pile length curve for load case ").i0(0);
  plot.put(line);
}

}  // namespace torva
