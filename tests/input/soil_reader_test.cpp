// The SOIL LAYERS section read through whole runs.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "input/input_fixtures.h"
#include "support/test_support.h"

namespace torva::testing {
namespace {

// The real-valued places a property record can fill; kInteger marks an integer item (a test
// type or rock type), checked on its own.
enum class Field {
  kInteger,
  kGamma,
  kC,
  kEps50,
  kJ,
  kPhi,
  kRQD,
  kK,
  kSpt,
  kCone,
  kDmt,
  kPmt,
  kElastic,
  kRockQu,
  kRockExtra1,
  kRockExtra2
};

const std::vector<Field> kAllFields = {
    Field::kGamma, Field::kC,       Field::kEps50,  Field::kJ,          Field::kPhi,
    Field::kRQD,   Field::kK,       Field::kSpt,    Field::kCone,       Field::kDmt,
    Field::kPmt,   Field::kElastic, Field::kRockQu, Field::kRockExtra1, Field::kRockExtra2};

double stored(const Engine& e, Field field, int layer, bool top) {
  const int row = top ? 2 * layer - 1 : 2 * layer;
  const SoilProfile& p = e.profile;
  switch (field) {
    case Field::kInteger:
      break;
    case Field::kGamma:
      return p.gamma[row];
    case Field::kC:
      return p.c[row];
    case Field::kEps50:
      return p.eps50[row];
    case Field::kJ:
      return p.J[row];
    case Field::kPhi:
      return p.phi[row];
    case Field::kRQD:
      return p.RQD[row];
    case Field::kK:
      return top ? e.soil.k_top[layer] : e.soil.k_bottom[layer];
    case Field::kSpt:
      return p.spt_n60[row];
    case Field::kCone:
      return p.cone_tip[row];
    case Field::kDmt:
      return p.dilatometer_modulus[row];
    case Field::kPmt:
      return p.pressuremeter_modulus[row];
    case Field::kElastic:
      return p.elastic_subgrade[row];
    case Field::kRockQu:
      return p.rock_qu[row];
    case Field::kRockExtra1:
      return p.rock_extra1[row];
    case Field::kRockExtra2:
      return p.rock_extra2[row];
  }
  return -1.0;
}

// One item of a property record: a real into a field, or an integer written as given.
struct Item {
  Field field;
  int integer = 0;  // the value of a kInteger item
};

// The property records of every criterion, in the order of their values.
const std::map<int, std::vector<Item>> kRecords = {
    {1, {{Field::kGamma}, {Field::kC}, {Field::kEps50}}},
    {2, {{Field::kGamma}, {Field::kC}, {Field::kEps50}, {Field::kK}}},
    {3, {{Field::kGamma}, {Field::kC}, {Field::kEps50}}},
    {4, {{Field::kGamma}, {Field::kC}, {Field::kEps50}, {Field::kK}}},
    {5, {{Field::kGamma}, {Field::kPhi}, {Field::kK}}},
    {6, {{Field::kGamma}, {Field::kPhi}, {Field::kK}}},
    {7, {{Field::kGamma}}},
    {8, {{Field::kGamma}, {Field::kC}, {Field::kK}, {Field::kRQD}, {Field::kEps50}}},
    {9, {{Field::kGamma}, {Field::kC}}},
    {10,
     {{Field::kGamma},
      {Field::kInteger, 2},
      {Field::kSpt},
      {Field::kCone},
      {Field::kDmt},
      {Field::kPmt}}},
    {11, {{Field::kGamma}, {Field::kC}, {Field::kPhi}, {Field::kEps50}, {Field::kK}}},
    {12, {{Field::kGamma}, {Field::kCone}}},
    {13, {{Field::kGamma}, {Field::kElastic}}},
    {14, {{Field::kGamma}}},  // followed by the point count and the points
    {15, {{Field::kGamma}, {Field::kC}, {Field::kEps50}, {Field::kJ}}},
    {16,
     {{Field::kGamma},
      {Field::kRockQu},
      {Field::kInteger, 35},
      {Field::kRockExtra1},
      {Field::kRockExtra2}}},
    {17, {}},
};

// Real item j of layer i: 100 i + j at the top, 100 i + 50 + j at the bottom; a friction angle
// a twentieth of that, below 90 degrees.
double value_of(int layer, int item, bool top, Field field) {
  const double value = 100.0 * layer + (top ? 0 : 50) + item;
  return field == Field::kPhi ? value / 20.0 : value;
}

std::string record(int layer, bool top) {
  std::string line;
  const std::vector<Item>& items = kRecords.at(layer);
  for (std::size_t j = 0; j < items.size(); ++j) {
    line += items[j].field == Field::kInteger
                ? std::to_string(items[j].integer)
                : std::to_string(value_of(layer, static_cast<int>(j), top, items[j].field));
    line += " ";
  }
  return line + "\n";
}

// Layer i uses criterion i, from 1 + i to 2 + i below the pile head (ground at 2).
std::string every_criterion() {
  std::string text = "SOIL LAYERS\n17\n";
  for (int i = 1; i <= 17; ++i) {
    text += std::to_string(i) + " " + std::to_string(1 + i) + " " + std::to_string(2 + i) + "\n";
    if (i == 17) break;  // frozen soil: no property records
    text += record(i, true);
    if (i == 14) text += "3\n0 0\n0.01 5\n0.05 12\n";
    text += record(i, false);
    if (i == 14) text += "2\n0 0\n0.02 30\n";
  }
  return text;
}

TEST(SoilLayers, EveryCriterionFillsItsOwnColumns) {
  RunFolder folder;
  // The liquefied sand layer reaches 7 m below the ground surface: warning 354 of the input
  // echo, which no load case clears here.
  ASSERT_EQ(folder.run(input_file({.units = "Units SI"}, every_criterion())), -354);
  const Engine& e = folder.engine();
  EXPECT_EQ(e.soil.count, 17);
  EXPECT_EQ(e.profile.row_count, 34);
  EXPECT_EQ(e.soil.XS, 2.0);
  for (int i = 1; i <= 17; ++i) {
    SCOPED_TRACE("layer " + std::to_string(i));
    EXPECT_EQ(e.soil.i_SoilLayer_py_Type[i], i);
    EXPECT_EQ(e.soil.XLayerTop[i], 1.0 + i);
    EXPECT_EQ(e.soil.XLayerBottom[i], 2.0 + i);
    for (bool top : {true, false}) {
      const int row = top ? 2 * i - 1 : 2 * i;
      EXPECT_EQ(e.profile.XProfile[row], top ? 1.0 + i : 2.0 + i);
      EXPECT_EQ(e.profile.gamma_depth[row], e.profile.XProfile[row]);
      std::map<Field, double> expected;
      const std::vector<Item>& items = kRecords.at(i);
      for (std::size_t j = 0; j < items.size(); ++j) {
        if (items[j].field != Field::kInteger)
          expected[items[j].field] = value_of(i, static_cast<int>(j), top, items[j].field);
      }
      // Columns the criterion does not use are left alone (zero in a fresh model).
      for (Field field : kAllFields) {
        const double want = expected.count(field) ? expected[field] : 0.0;
        EXPECT_EQ(stored(e, field, i, top), want)
            << "field " << static_cast<int>(field) << (top ? " top" : " bottom");
      }
    }
  }
  EXPECT_EQ(e.profile.field_test_type[19], 2);
  EXPECT_EQ(e.profile.field_test_type[20], 2);
  EXPECT_EQ(e.profile.rock_type[31], 35);
  EXPECT_EQ(e.profile.rock_type[32], 35);

  const UserPYCurve& top = e.user_py.curve[27];
  const UserPYCurve& bottom = e.user_py.curve[28];
  EXPECT_EQ(top.depth, 15.0);
  EXPECT_EQ(bottom.depth, 16.0);
  ASSERT_EQ(top.count, 3);
  ASSERT_EQ(bottom.count, 2);
  EXPECT_EQ(top.y[3], 0.05);
  EXPECT_EQ(top.p[3], 12.0);
  EXPECT_EQ(bottom.y[2], 0.02);
  EXPECT_EQ(bottom.p[2], 30.0);
  EXPECT_TRUE(contains_line(folder.messages(), "Reading soil layering data"));
}

struct Rejected {
  const char* name;
  Switches switches;
  std::string soil;
  int code;
  const char* problem;
};

class SoilLayerErrors : public ::testing::TestWithParam<Rejected> {};

TEST_P(SoilLayerErrors, EndTheRunWithTheirNumber) {
  const Rejected& c = GetParam();
  RunFolder folder;
  EXPECT_EQ(folder.run(input_file(c.switches, c.soil)), c.code);
  EXPECT_TRUE(contains_line(folder.messages(), std::string("Problem: ") + c.problem))
      << c.problem << "\n"
      << read_text(folder.file("messages.txt"));
}

std::string many_layers(int count) {
  std::string text = "SOIL LAYERS\n" + std::to_string(count) + "\n";
  for (int i = 1; i <= count; ++i) {
    text += "7 " + std::to_string(i - 1) + " " + std::to_string(i) + "\n110\n110\n";
  }
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Sections, SoilLayerErrors,
    ::testing::Values(
        Rejected{"criterion_18",
                 {},
                 "SOIL LAYERS\n2\n1 0 10\n100 1000 0\n100 1000 0\n18 10 20\n",
                 179,
                 "Soil layer 2 names the p-y criterion code 18 (line 26)."},
        Rejected{"criterion_0",
                 {},
                 "SOIL LAYERS\n1\n0 0 10\n",
                 179,
                 "Soil layer 1 names the p-y criterion code 0 (line 23)."},
        Rejected{"41_layers",
                 {},
                 many_layers(41),
                 177,
                 "The SOIL LAYERS section gives 41 soil layers (line 22)."},
        Rejected{"no_layers_in_full_analysis",
                 {},
                 "SOIL LAYERS\n0\n",
                 177,
                 "The SOIL LAYERS section gives 0 soil layers (line 22)."},
        Rejected{"layer_above_the_one_over_it",
                 {},
                 "SOIL LAYERS\n2\n7 0 10\n110\n110\n7 12 8\n110\n110\n",
                 180,
                 "Soil layer 2 has no thickness: its bottom depth 8 is not below its top depth "
                 "10 (the bottom of the layer above)."},
        Rejected{"zero_thickness_first_layer",
                 {},
                 "SOIL LAYERS\n1\n7 5 5\n110\n110\n",
                 180,
                 "Soil layer 1 has no thickness: its bottom depth 5 is not below its top depth "
                 "5."},
        Rejected{"one_point_curve",
                 {},
                 "SOIL LAYERS\n1\n14 0 10\n110 1\n0 0\n",
                 188,
                 "The user-input p-y curve at the top of soil layer 1 has a point count of 1 (line "
                 "24)."},
        Rejected{"101_point_curve",
                 {},
                 "SOIL LAYERS\n1\n14 0 10\n110 101\n",
                 188,
                 "The user-input p-y curve at the top of soil layer 1 has a point count of 101 "
                 "(line 24)."},
        Rejected{"deflections_not_ascending",
                 {},
                 "SOIL LAYERS\n1\n14 0 10\n110 2\n0 0\n0.5 10\n110 3\n0 0\n0.5 10\n0.5 12\n",
                 188,
                 "The deflections of the bottom p-y curve of soil layer 1 do not ascend: point 3 "
                 "(line 30) is not beyond point 2."},
        Rejected{"piedmont_test_5",
                 {},
                 "SOIL LAYERS\n1\n10 0 10\n110 1 10 0 0 0\n110 5 10 0 0 0\n",
                 190,
                 "Soil layer 1 (Piedmont residual soil) names the field test type 5 (line 25)."},
        Rejected{"first_deflection_below_0",
                 {},
                 "SOIL LAYERS\n1\n14 0 10\n110 2\n-0.1 0\n0.5 10\n",
                 188,
                 "The first deflection of the top p-y curve of soil layer 1 is -0.1 (line 25), "
                 "below 0."},
        // The column of the layer's test, by the type of its top record; the others may hold
        // anything, and zero is a value.
        Rejected{"negative_piedmont_test_value",
                 {},
                 "SOIL LAYERS\n1\n10 0 10\n110 2 -3 0 -1 -1\n110 2 -3 -40 -1 -1\n",
                 132,
                 "The bottom property record of soil layer 1 gives the cone tip resistance q_c = "
                 "-40 (line 25)."},
        Rejected{"negative_loess_cone_resistance",
                 {},
                 "SOIL LAYERS\n1\n12 0 10\n110 -2\n110 200\n",
                 132,
                 "The top property record of soil layer 1 gives the cone tip resistance q_c = -2 "
                 "(line 24)."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoilLayers, BendingPropertyRunsMayGiveNoLayers) {
  RunFolder folder;
  EXPECT_EQ(folder.run(input_file({.ei_only = true}, "SOIL LAYERS\n0\n")), 0);
  EXPECT_EQ(folder.engine().soil.count, 0);
}

}  // namespace
}  // namespace torva::testing
