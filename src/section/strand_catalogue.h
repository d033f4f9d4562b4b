// The catalogue of prestressing strand and high-strength bar types: per type its modulus and
// per size index the nominal diameter, the area and the ultimate strength f_pu.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace torva {

struct StrandSize {
  double diameter;  // nominal diameter (in)
  double area;      // area (sq. in.)
  double fpu;       // ultimate strength (psi)
};

struct StrandType {
  std::string_view name;
  double modulus_us;  // ksi
  double modulus_si;  // kPa
  std::span<const StrandSize> sizes;
};

// Indexed by the strand type index 0..5; each type's sizes by the size index from 0.
extern const std::array<StrandType, 6> StrandCatalogue;

// What a section takes from the catalogue for one strand.
struct StrandProperties {
  double diameter;  // in, or m in SI runs
  double area;      // sq. in., or m^2 in SI runs
  double fpu;       // psi in every unit system
  double modulus;   // ksi for US customary input, kPa otherwise
};

// The properties of a strand of the given type and size index in the run's unit system
// (IUNITS); nullopt when either index is outside the catalogue.
std::optional<StrandProperties> lookup_strand(int type, int size, int units);

}  // namespace torva
