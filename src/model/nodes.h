// The node table of the pile: per-node arrays numbered as the finite-difference scheme numbers
// them, node 1 at the pile head and node N at the tip.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

#include "model/capacities.h"

namespace torva {

// A fixed-capacity array indexed kFirst .. kFirst + kPlaces - 1, so that the code reads with the
// node numbers of the equations (y[-1], y[0] above the head, y[N + 1] below the tip).
template <typename T, int kFirst, int kPlaces>
struct NodeArray {
  static constexpr int kFirstIndex = kFirst;
  static constexpr int kLastIndex = kFirst + kPlaces - 1;

  std::array<T, kPlaces> place{};

  T& operator[](int i) {
    assert(i >= kFirstIndex && i <= kLastIndex);
    return place[static_cast<std::size_t>(i - kFirst)];
  }
  const T& operator[](int i) const {
    assert(i >= kFirstIndex && i <= kLastIndex);
    return place[static_cast<std::size_t>(i - kFirst)];
  }
  void fill(const T& value) { place.fill(value); }
};

// Nodes 1..508.
template <typename T>
using PerNode = NodeArray<T, 1, kNodePlaces>;

// Deflections -1..506: two imaginary nodes above the head, then the node places.
using NodeDeflections = NodeArray<double, -1, kNodePlaces>;

// Units are those of the run's internal system: pounds and inches in US customary runs, kN and
// metres in SI runs.
struct NodeTable {
  int N = 0;       // number of nodes: pile increments + 1 (41..501)
  double h = 0.0;  // increment length (in, m)

  PerNode<double> x;      // distance from the pile head along the pile axis (in, m)
  PerNode<double> z;      // vertical depth below the pile head (in, m)
  NodeDeflections y;      // lateral deflection (in, m); y[0], y[-1] above the head, y[N+1] below
  PerNode<double> EI;     // bending stiffness (lb-in^2, kN-m^2)
  PerNode<double> Es;     // secant soil modulus: reaction per length per deflection (psi, kPa)
  PerNode<double> W;      // distributed lateral load (lb/in, kN/m), + Es * ysoil under movement
  PerNode<double> ysoil;  // lateral soil movement (in, m)
  PerNode<int> section;   // pile section number of the node, 1..number of sections

  // Recursion coefficients of the last solve, from the tip upward:
  // y[m] = alpha[m] + beta[m] * y[m - 1] - gamma[m] * y[m - 2].
  PerNode<double> alpha;  // constant term, load part plus tip-shear part (in, m)
  PerNode<double> beta;   // coefficient of y[m - 1]
  PerNode<double> gamma;  // coefficient of y[m - 2]

  void clear_deflections() { y.fill(0.0); }
};

}  // namespace torva
