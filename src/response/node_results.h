// The internal forces along the pile, derived from the deflections of the last solve: bending
// moment, shear, slope and total stress at a node, the soil reaction, and the number of points
// where the deflected shape crosses zero.
#pragma once

#include "model/engine.h"
#include "pile/pile_model.h"

namespace torva {

// Where the node results take the cross-section of the pile from.
class SectionPropertySource {
 public:
  virtual SectionProperties at(const Engine& engine, double x) const = 0;

 protected:
  ~SectionPropertySource() = default;
};

// The pile model's section properties (section_properties_at).
class PileModelSections final : public SectionPropertySource {
 public:
  SectionProperties at(const Engine& engine, double x) const override;
};

struct NodeResult {
  double M = 0.0;       // bending moment (in-lb, kN-m)
  double V = 0.0;       // shear force (lb, kN)
  double S = 0.0;       // slope (rad)
  double stress = 0.0;  // total stress |Q|/A + |M| (D/2)/I (psi, kPa); 0 without area or inertia
  SectionProperties section;  // the cross-section at the node
};

// Node results at node i (1..N) from the current deflections, bending stiffnesses, axial load
// and tip shear. Raises the running maximum of the total stress. Nodes 1 and 2 of a section
// that is not elastic are evaluated with EI(2) = EI(1), as the solve uses them; the head uses
// one-sided differences under pile-head condition 5 (y(-1) is then not part of the solution).
NodeResult node_results(Engine& engine, int i, const SectionPropertySource& sections);
NodeResult node_results(Engine& engine, int i);  // with the pile model's sections

// Soil reaction per unit length at node i: -Es (y - ysoil) under soil movement, else -Es y.
// A reaction that is not a number (an infinite modulus) at a node of zero deflection is 0.
double soil_reaction(const Engine& engine, int i);

// Sign changes between consecutive deflections y(1), ..., y(N), y(N+1); a zero deflection
// belongs to neither side.
int zero_deflection_points(const NodeTable& nodes);

}  // namespace torva
