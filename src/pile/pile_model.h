// The pile as the solver sees it: nodes at equal increments along the axis, each with its
// section, elastic bending stiffness, soil layer, share of the distributed load, soil movement
// and starting soil modulus.
#pragma once

#include "model/engine.h"

namespace torva {

// Properties of the pile cross-section at a distance x from the pile head.
struct SectionProperties {
  double D = 0.0;   // width or diameter facing the soil (length)
  double I = 0.0;   // moment of inertia (length^4)
  double A = 0.0;   // cross-sectional area (length^2)
  double EI = 0.0;  // elastic bending stiffness (force*length^2)
};
SectionProperties section_properties_at(const Engine& engine, double x);

// Node positions x and z, elastic EI and (unless LRFD combinations load the pile) the
// tributary distributed load W for the current number of increments (options.NumIncrements)
// and pile length (sections.pile_length); sets N and h. The last node lies at exactly the pile
// length, and its z, W and EI are those of that position.
void build_nodes(Engine& engine);

// Section number of every node: node 1 in section 1, every other node in the section whose
// range (top, bottom] holds it, so that a node on a boundary belongs to the upper section.
void assign_nodes_to_sections(Engine& engine);

// First and last node of every soil layer, from the vertical node depths z.
void Assign_Nodes_To_Layers(Engine& engine);

// The same for the m output depths that the p-y output pass has put into x(1..m).
void Assign_PY_Output_Depths_To_Layers(Engine& engine, int m);

// Lateral soil movement at every node (profiles of two or more points).
void soil_movement_at_nodes(Engine& engine);

// Average distributed lateral load over the tributary length of a node at x, from the load
// cases' distributed load profile.
double distributed_load_at(const Engine& engine, double x);

// The same for any profile, increment length h and pile length L: the integral of the profile
// over [max(0, x - h/2), min(L, x + h/2)], divided by h, or by h/2 at the head (x = 0) and at
// the tip (x = L). The profile is linear between its points (two points at one depth make a
// step) and zero outside them.
double tributary_load(const DistributedLoadProfile& profile, double x, double h, double L);

// The two parts of tributary_load: the integral of the profile over the node's interval, and
// the length it is divided by (h/2 at the head and at the tip, h elsewhere).
double tributary_integral(const DistributedLoadProfile& profile, double x, double h, double L);
double tributary_length(double x, double h, double L);

// The distributed lateral load on node i as it loads the pile now: the factored load of the
// combination being solved in LRFD runs, else the tributary load of the load cases' profile.
double node_distributed_load(const Engine& engine, int i);

// Vertical depth of the pile tip below the pile head: the pile length times the cosine of the
// batter, the depth build_nodes gives the last node.
double pile_tip_depth(const Engine& engine);

// The node data of a new solution: build_nodes, the nodes' sections and soil layers, and the
// soil movement at the nodes when a profile of two or more points is given.
void rebuild_pile_nodes(Engine& engine);

// Es = 0 above the ground surface, 50000 at and below it.
void set_starting_soil_moduli(Engine& engine);

}  // namespace torva
