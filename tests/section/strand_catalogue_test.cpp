#include "section/strand_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
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
