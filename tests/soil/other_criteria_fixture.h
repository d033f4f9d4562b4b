// A pile in Piedmont residual soil, loess or user-input p-y curves: the p-y fixture with the
// field-test columns and user curves these criteria read, and the report lines their printed
// curves are checked against.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "model/single_precision.h"
#include "report/fields.h"
#include "report/line.h"
#include "soil/py_fixture.h"

namespace torva::testing {

// The (y, p) points of a user-input curve.
using Points = std::vector<std::pair<double, double>>;

inline void set_curve(UserPYCurve& curve, double depth, const Points& points) {
  curve.depth = depth;
  curve.count = static_cast<int>(points.size());
  for (int k = 1; k <= curve.count; ++k) {
    curve.y[k] = points[static_cast<std::size_t>(k - 1)].first;
    curve.p[k] = points[static_cast<std::size_t>(k - 1)].second;
  }
}

class OtherCriteria : public PYFixture {
 protected:
  // A fresh pile and no soil, in the given units.
  void start(int units, int increments, double length, double width) {
    use_units(units);
    engine().soil.count = 0;
    engine().profile = SoilProfile{};
    make_pile(increments, length, width);
  }

  // A Piedmont layer of test `type`, the test value v_top at its top and v_bottom at its bottom.
  void add_piedmont(double top, double bottom, int type, double v_top, double v_bottom) {
    add_layer(criterion::kPiedmont, top, bottom, {0.02});
    const int i = engine().soil.count;
    SoilProfile& p = engine().profile;
    p.field_test_type[2 * i - 1] = p.field_test_type[2 * i] = type;
    auto& column = type == field_test::kSPT   ? p.spt_n60
                   : type == field_test::kCPT ? p.cone_tip
                   : type == field_test::kDMT ? p.dilatometer_modulus
                                              : p.pressuremeter_modulus;
    column[2 * i - 1] = v_top;
    column[2 * i] = v_bottom;
  }

  void add_loess(double top, double bottom, double qc_top, double qc_bottom) {
    add_layer(criterion::kLoess, top, bottom, {0.02});
    const int i = engine().soil.count;
    engine().profile.cone_tip[2 * i - 1] = qc_top;
    engine().profile.cone_tip[2 * i] = qc_bottom;
  }

  void add_user_curves(double top, double bottom, const Points& at_top, const Points& at_bottom,
                       double gamma = 0.02) {
    add_layer(criterion::kUserPY, top, bottom, {gamma});
    const int i = engine().soil.count;
    set_curve(engine().user_py.curve[2 * i - 1], top, at_top);
    set_curve(engine().user_py.curve[2 * i], bottom, at_bottom);
  }
};

// A label line of a printed curve's block: "=" at column 56 and the value in its number field.
inline std::string label_line(const std::string& label, double value, const std::string& unit) {
  Line line;
  line.a(label).tab(56).a("= ");
  WriteNumberField(line, value, 12);
  if (!unit.empty()) line.a(" ").a(unit);
  return line.str();
}

// A report row of a printed curve: y and p in E15.7, `gap` blanks apart.
inline std::string curve_row(double y, double p, int gap = 3) {
  return Line().e(y, 15, 7).x(gap).e(p, 15, 7).str();
}

}  // namespace torva::testing
