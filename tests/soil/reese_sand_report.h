// The printed Reese sand curve of a whole run against the curve worked out in sand_formulas.h:
// its report block line by line, its rows, their marks and the notes after them.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "soil/sand_formulas.h"
#include "support/report_lines.h"

namespace torva::testing {

// The report lines of the Reese sand block of layer `layer` at `depth_ft` below the pile head,
// from its title to the "y, p" heading.
inline std::vector<Expected> reese_block(const sand::ReeseSand& s, const std::string& title,
                                         int layer, double depth_ft) {
  const double p_s = s.p_s();
  const double p_m = s.B() * p_s;
  const double p_u = s.A() * p_s;
  const double m = (p_u - p_m) / (s.y_u() - s.y_m());
  const double y_k = s.y_k();
  const double C = p_m / std::pow(s.y_m(), 1.0 / s.n());
  const char* shape =
      y_k < s.y_m() ? "This curve has the normal shape for a Reese sand p-y curve where Yk < "
                      "Ym < Yu."
      : y_k < s.y_u()
          ? "This curve has a tri-linear shape for a Reese sand p-y curve because Ym < Yk < Yu."
          : "This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk.";
  const char* loading = s.cyclic ? "cyclic" : "static";
  std::vector<Expected> block = {
      literal(title),
      literal(""),
      literal("Soil Layer Number                                      =            " +
              std::to_string(layer)),
      value("Depth below pile head", depth_ft, "ft"),
      value("Depth below ground surface", s.z / 12.0, "ft"),
      value("Equivalent Depth (see note)", s.z_e / 12.0, "ft")};
  append(block, slope_lines(s.slope));
  append(block,
         {value("Pile Diameter, b", s.b, "in"),
          value("Angle of Friction", s.phi, "degrees"),
          value("Avg. Eff. Unit Weight", s.gamma, "pci"),
          value("Avg. Eff. Unit Weight", s.gamma * 1728.0, "pcf"),
          value("kpy", s.k, "pci"),
          value("K active", std::pow(std::tan((45.0 - s.phi / 2.0) * sand::kRadians), 2)),
          value("K passive", std::pow(std::tan((45.0 + s.phi / 2.0) * sand::kRadians), 2)),
          value("K0", 0.4),
          value("Pst", s.p_st(), "lb/in"),
          value("Psd", s.p_sd(), "lb/in"),
          value(s.p_st() <= s.p_sd() ? "Ps = Pst (shallow controls)" : "Ps = Psd (deep controls)",
                p_s, "lb/in"),
          value(std::string("A (") + loading + ")", s.A()),
          value(std::string("B (") + loading + ")", s.B()),
          value("C = Pm/(Ym^(1/n))", C),
          value("n = Pm/(m Ym)", s.n()),
          value("m = (Pu-Pm)/(Yu-Ym)", m, "psi"),
          value("Yk = [c/(kx)]^(n/(n-1))", y_k, "in"),
          value("Pk", C * std::pow(y_k, 1.0 / s.n()), "lb/in"),
          value("Ym = b/60", s.y_m(), "in"),
          value("Pm = B ps", p_m, "lb/in"),
          value("Yu = 3b/80", s.y_u(), "in"),
          value("Pu = A Ps", p_u, "lb/in"),
          value("Es,lim", s.E0(), "psi"),
          value("p-multiplier", 1.0),
          value("y-multiplier", 1.0),
          literal(""),
          literal("This p-y curve is computed using the equivalent depth."),
          literal(""),
          literal(shape),
          literal(""),
          literal("     y, in             p, lb/in"),
          literal(kDashes)});
  return block;
}

// The 17 rows of a Reese curve and the notes after them: the mark of each point the initial
// line cuts, the note that explains the marks, and the note of a default k; nothing else.
// Returns whether the initial line cuts any point.
inline bool expect_reese_rows(const std::vector<std::string>& report, std::size_t first,
                              const sand::ReeseSand& s, bool default_k) {
  const std::array<double, 17> ys = s.printed_deflections();
  const std::vector<Row> rows = rows_at(report, first, 17);
  EXPECT_EQ(rows.size(), 17u);
  if (rows.size() != 17u) return false;
  bool any_cut = false;
  for (std::size_t k = 0; k < 17; ++k) {
    const double y = ys[k];
    expect_row(rows[k], y, s.p(y), "row " + std::to_string(k + 1));
    const bool cut = s.cut_by_initial_line(y);
    any_cut = any_cut || cut;
    // A point where the initial line meets the curve may fall either way.
    if (cut || s.E0() * y > s.segments(y) * (1.0 + 1e-6) || y == 0.0) {
      EXPECT_EQ(rows[k].mark, cut ? "   *" : "") << "row " << k + 1;
    }
  }
  std::vector<Expected> notes;
  if (any_cut) {
    append(notes, {literal(""), literal("* p value(s) computed using p = k * Eff x * y ")});
  }
  if (default_k) {
    append(notes, {literal(""), literal("The above p-y curve was computed using internal default "
                                        "values of k.")});
  }
  expect_lines(report, first + 17, notes);
  // Then the rule after the layer's last curve, or a blank line and the next curve.
  const std::size_t next = first + 17 + notes.size();
  EXPECT_LT(next + 1, report.size());
  if (next + 1 < report.size() && report[next] != std::string(80, '-')) {
    EXPECT_EQ(report[next], "");
    EXPECT_EQ(report[next + 1].rfind("p-y Curve in Sand", 0), 0u) << report[next + 1];
  }
  return any_cut;
}

}  // namespace torva::testing
