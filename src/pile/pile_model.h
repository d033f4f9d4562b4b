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
// tributary distributed load W for the current number of increments and pile length; the last
// node lies at exactly the pile length.
void build_nodes(Engine& engine);

void assign_nodes_to_sections(Engine& engine);

// First and last node of every soil layer, from the vertical node depths z.
void Assign_Nodes_To_Layers(Engine& engine);

// The same for the m output depths that the p-y output pass has put into x(1..m).
void Assign_PY_Output_Depths_To_Layers(Engine& engine, int m);

// Lateral soil movement at every node (profiles of two or more points).
void soil_movement_at_nodes(Engine& engine);

// Average distributed lateral load over the tributary length of a node at x.
double distributed_load_at(const Engine& engine, double x);

// Es = 0 above the ground surface, 50000 at and below it.
void set_starting_soil_moduli(Engine& engine);

}  // namespace torva
