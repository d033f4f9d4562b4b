#include "section/strand_catalogue.h"

#include "model/options.h"

namespace torva {

namespace {

constexpr double kStrandModulusUS = 28000.0;
constexpr double kStrandModulusSI = 193053200.0;
constexpr double kBarModulusUS = 29000.0;
constexpr double kBarModulusSI = 199947760.0;

// SI sections are dimensioned in metres; the catalogue is kept in inches.
constexpr double kMetresPerInch = 0.0254;
constexpr double kSquareMetresPerSquareInch = 0.00064516;

constexpr StrandSize kPci250[] = {
    {0.34, 0.058, 250000.0},   {0.25, 0.036, 250000.0}, {0.3125, 0.058, 250000.0},
    {0.375, 0.080, 250000.0},  {0.4375, 0.108, 250000.0}, {0.5, 0.144, 250000.0},
    {0.6, 0.216, 250000.0}};
constexpr StrandSize kPci270[] = {
    {0.34, 0.058, 270000.0},   {0.375, 0.085, 270000.0}, {0.4375, 0.115, 270000.0},
    {0.5, 0.153, 270000.0},    {0.5, 0.167, 270000.0},   {0.5625, 0.192, 270000.0},
    {0.6, 0.217, 270000.0},    {0.7, 0.294, 270000.0}};
constexpr StrandSize kGrade300[] = {{0.375, 0.085, 300000.0},
                                    {0.438, 0.115, 300000.0},
                                    {0.5, 0.153, 300000.0},
                                    {0.5, 0.167, 300000.0},
                                    {0.6, 0.217, 300000.0}};
constexpr StrandSize kSmooth145[] = {{0.75, 0.442, 145000.0}, {0.875, 0.601, 145000.0},
                                     {1.0, 0.785, 145000.0},  {1.125, 0.994, 145000.0},
                                     {1.25, 1.227, 145000.0}, {1.375, 1.485, 145000.0}};
constexpr StrandSize kSmooth160[] = {{0.75, 0.442, 160000.0}, {0.875, 0.601, 160000.0},
                                     {1.0, 0.785, 160000.0},  {1.125, 0.994, 160000.0},
                                     {1.25, 1.227, 160000.0}, {1.375, 1.485, 160000.0}};
constexpr StrandSize kDeformed[] = {{0.625, 0.28, 157000.0}, {1.0, 0.85, 150000.0},
                                    {1.0, 0.85, 160000.0},   {1.25, 1.25, 150000.0},
                                    {1.25, 1.25, 160000.0},  {1.375, 1.58, 150000.0}};

}  // namespace

const std::array<StrandType, 6> StrandCatalogue = {{
    {"PCI 250 strand", kStrandModulusUS, kStrandModulusSI, kPci250},
    {"PCI 270 strand", kStrandModulusUS, kStrandModulusSI, kPci270},
    {"grade 300 strand", kStrandModulusUS, kStrandModulusSI, kGrade300},
    {"smooth 145 ksi bar", kBarModulusUS, kBarModulusSI, kSmooth145},
    {"smooth 160 ksi bar", kBarModulusUS, kBarModulusSI, kSmooth160},
    {"deformed bar (150-160 ksi)", kBarModulusUS, kBarModulusSI, kDeformed},
}};

std::optional<StrandProperties> lookup_strand(int type, int size, int units) {
  if (type < 0 || type >= static_cast<int>(StrandCatalogue.size())) return std::nullopt;
  const StrandType& entry = StrandCatalogue[type];
  if (size < 0 || size >= static_cast<int>(entry.sizes.size())) return std::nullopt;
  const StrandSize& sized = entry.sizes[size];
  StrandProperties properties{sized.diameter, sized.area, sized.fpu, entry.modulus_us};
  if (units != kUnitsUS) properties.modulus = entry.modulus_si;
  if (units == kUnitsSI) {
    properties.diameter *= kMetresPerInch;
    properties.area *= kSquareMetresPerSquareInch;
  }
  return properties;
}

}  // namespace torva
