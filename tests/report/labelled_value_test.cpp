// The labelled value line of the reports: the label, "= " at column 56, the number field of 12,
// one blank and the unit in its plain, area, squared or fourth-power form.
#include <gtest/gtest.h>

#include <string>

#include "report/fields.h"

namespace torva {
namespace {

std::string at56(std::string label, const std::string& rest) {
  label.resize(55, ' ');
  return label + "= " + rest;
}

TEST(LabelledValue, PutsTheValueAtColumn56WithItsUnitForm) {
  EXPECT_EQ(LabelledValue("   Section Length  ", 30.0, "ft").str(),
            at56("   Section Length  ", "    30.00000 ft"));
  EXPECT_EQ(LabelledValue("   Top Area", 0.28274, "m", UnitForm::kArea).str(),
            at56("   Top Area", "     0.28274 Sq. m"));
  EXPECT_EQ(LabelledValue("   Moment of Inertia", 1500.0, "in", UnitForm::kFourth).str(),
            at56("   Moment of Inertia", "  1500.00000 in^4"));
  EXPECT_EQ(LabelledValue("   Elastic Modulus", 29.0e6, "lbs/in", UnitForm::kSquared).str(),
            at56("   Elastic Modulus", "   29000000. lbs/in^2"));
  // No unit: the line ends with the number field.
  EXPECT_EQ(LabelledValue("   Epsilon-50 at top of layer", 0.0, {}).str(),
            at56("   Epsilon-50 at top of layer", "      0.0000"));
  // A label that reaches column 56 is overwritten from there, as Tn does.
  const std::string long_label(60, 'x');
  EXPECT_EQ(LabelledValue(long_label, 1.0, "in").str().substr(55, 2), "= ");
}

TEST(LabelledValue, IntegerAndCallerFormsFollowTheSameEquals) {
  EXPECT_EQ(LabelledInteger("- Number of pile increments", 100).str(),
            at56("- Number of pile increments", "         100"));
  EXPECT_EQ(LabelledInteger("   Number of Axial Thrusts", 3, 15).str(),
            at56("   Number of Axial Thrusts", "              3"));
  EXPECT_EQ(LabelledLine("- Deflection tolerance for convergence").e(1e-5, 12, 4).str(),
            at56("- Deflection tolerance for convergence", "  0.1000E-04"));
}

}  // namespace
}  // namespace torva
