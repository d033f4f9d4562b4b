#include "section/strand_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <numbers>

#include "model/options.h"

namespace torva {
namespace {

TEST(StrandCatalogue, GivesTheStrandOfATypeAndSize) {
  const auto pci270 = lookup_strand(1, 3, kUnitsUS);
  ASSERT_TRUE(pci270);
  EXPECT_EQ(pci270->diameter, 0.5);
  EXPECT_EQ(pci270->area, 0.153);
  EXPECT_EQ(pci270->fpu, 270000.0);
  EXPECT_EQ(pci270->modulus, 28000.0);

  const auto grade300 = lookup_strand(2, 4, kUnitsUS);
  ASSERT_TRUE(grade300);
  EXPECT_EQ(grade300->diameter, 0.6);
  EXPECT_EQ(grade300->area, 0.217);
  EXPECT_EQ(grade300->fpu, 300000.0);

  // Deformed bars carry their strength by size.
  const double fpu[] = {157000.0, 150000.0, 160000.0, 150000.0, 160000.0, 150000.0};
  for (int size = 0; size < 6; ++size) {
    const auto bar = lookup_strand(5, size, kUnitsUS);
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->fpu, fpu[size]) << size;
    EXPECT_EQ(bar->modulus, 29000.0);
  }
}

// Every row of the catalogue against its documented values: type, size, diameter (in), area
// (sq. in.), f_pu (psi) and the US modulus (ksi).
TEST(StrandCatalogue, EveryRowHasItsDocumentedValues) {
  const struct {
    int type, size;
    double diameter, area, fpu, modulus;
  } rows[] = {
      {0, 0, 0.34, 0.058, 250000, 28000},   {0, 1, 0.25, 0.036, 250000, 28000},
      {0, 2, 0.3125, 0.058, 250000, 28000}, {0, 3, 0.375, 0.080, 250000, 28000},
      {0, 4, 0.4375, 0.108, 250000, 28000}, {0, 5, 0.5, 0.144, 250000, 28000},
      {0, 6, 0.6, 0.216, 250000, 28000},    {1, 0, 0.34, 0.058, 270000, 28000},
      {1, 1, 0.375, 0.085, 270000, 28000},  {1, 2, 0.4375, 0.115, 270000, 28000},
      {1, 3, 0.5, 0.153, 270000, 28000},    {1, 4, 0.5, 0.167, 270000, 28000},
      {1, 5, 0.5625, 0.192, 270000, 28000}, {1, 6, 0.6, 0.217, 270000, 28000},
      {1, 7, 0.7, 0.294, 270000, 28000},    {2, 0, 0.375, 0.085, 300000, 28000},
      {2, 1, 0.438, 0.115, 300000, 28000},  {2, 2, 0.5, 0.153, 300000, 28000},
      {2, 3, 0.5, 0.167, 300000, 28000},    {2, 4, 0.6, 0.217, 300000, 28000},
      {3, 0, 0.75, 0.442, 145000, 29000},   {3, 1, 0.875, 0.601, 145000, 29000},
      {3, 2, 1.0, 0.785, 145000, 29000},    {3, 3, 1.125, 0.994, 145000, 29000},
      {3, 4, 1.25, 1.227, 145000, 29000},   {3, 5, 1.375, 1.485, 145000, 29000},
      {4, 0, 0.75, 0.442, 160000, 29000},   {4, 1, 0.875, 0.601, 160000, 29000},
      {4, 2, 1.0, 0.785, 160000, 29000},    {4, 3, 1.125, 0.994, 160000, 29000},
      {4, 4, 1.25, 1.227, 160000, 29000},   {4, 5, 1.375, 1.485, 160000, 29000},
      {5, 0, 0.625, 0.28, 157000, 29000},   {5, 1, 1.0, 0.85, 150000, 29000},
      {5, 2, 1.0, 0.85, 160000, 29000},     {5, 3, 1.25, 1.25, 150000, 29000},
      {5, 4, 1.25, 1.25, 160000, 29000},    {5, 5, 1.375, 1.58, 150000, 29000},
  };
  std::size_t sizes = 0;
  for (const StrandType& type : StrandCatalogue) sizes += type.sizes.size();
  EXPECT_EQ(sizes, std::size(rows));
  for (const auto& r : rows) {
    const auto strand = lookup_strand(r.type, r.size, kUnitsUS);
    ASSERT_TRUE(strand) << r.type << " " << r.size;
    EXPECT_EQ(strand->diameter, r.diameter) << r.type << " " << r.size;
    EXPECT_EQ(strand->area, r.area) << r.type << " " << r.size;
    EXPECT_EQ(strand->fpu, r.fpu) << r.type << " " << r.size;
    EXPECT_EQ(strand->modulus, r.modulus) << r.type << " " << r.size;
    const auto si = lookup_strand(r.type, r.size, kUnitsSI);
    ASSERT_TRUE(si);
    EXPECT_EQ(si->modulus, r.type < 3 ? 193053200.0 : 199947760.0);
  }
}

// A smooth bar is a plain round: its area is that of its diameter to the three decimals given.
TEST(StrandCatalogue, SmoothBarAreasAreThoseOfTheirDiameters) {
  for (int type : {3, 4}) {
    for (int size = 0; size < 6; ++size) {
      const auto bar = lookup_strand(type, size, kUnitsUS);
      ASSERT_TRUE(bar);
      EXPECT_NEAR(bar->area, std::numbers::pi / 4.0 * bar->diameter * bar->diameter, 5e-4)
          << "type " << type << " size " << size;
    }
  }
}

TEST(StrandCatalogue, SIRunsGetMetresAndKilopascals) {
  const auto strand = lookup_strand(1, 6, kUnitsSI);  // 0.6 in PCI 270
  ASSERT_TRUE(strand);
  EXPECT_DOUBLE_EQ(strand->diameter, 0.01524);
  EXPECT_DOUBLE_EQ(strand->area, 0.217 * 0.00064516);
  EXPECT_EQ(strand->modulus, 193053200.0);
  EXPECT_EQ(strand->fpu, 270000.0);  // strengths stay in psi
  const auto bar = lookup_strand(3, 2, kUnitsSI);
  ASSERT_TRUE(bar);
  EXPECT_EQ(bar->modulus, 199947760.0);
  // General units take the catalogue as it is, with the kPa modulus.
  const auto general = lookup_strand(1, 6, kUnitsGeneral);
  ASSERT_TRUE(general);
  EXPECT_EQ(general->diameter, 0.6);
  EXPECT_EQ(general->modulus, 193053200.0);
}

TEST(StrandCatalogue, IndicesOutsideTheCatalogueFindNothing) {
  EXPECT_FALSE(lookup_strand(-1, 0, kUnitsUS));
  EXPECT_FALSE(lookup_strand(6, 0, kUnitsUS));
  EXPECT_TRUE(lookup_strand(0, 6, kUnitsUS));
  EXPECT_FALSE(lookup_strand(0, 7, kUnitsUS));
  EXPECT_TRUE(lookup_strand(1, 7, kUnitsUS));
  EXPECT_FALSE(lookup_strand(1, 8, kUnitsUS));
  EXPECT_FALSE(lookup_strand(2, 5, kUnitsUS));
  EXPECT_FALSE(lookup_strand(5, -1, kUnitsUS));
}

}  // namespace
}  // namespace torva
