#include "section/moment_curvature.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/errors.h"

namespace torva {

namespace {

constexpr double kQuarterPi = 0.7853981633974483;
constexpr int kMaxIterations = 999;
constexpr double kStallStep = 1e-8;    // Newton step where the force does not change with depth
constexpr double kCapacityStrain = 0.003;

double nearest_integer(double x) {
  const double clamped = std::clamp(x, -1e9, 1e9);
  return static_cast<double>(std::lround(clamped));
}

// Collects the slices of a column that hold a part.
int slices_holding(const SliceColumn& column, std::array<int, kSlices>& list) {
  int n = 0;
  for (int k = 1; k <= kSlices; ++k) {
    if (column[k] != 0.0) list[n++] = k;
  }
  return n;
}

// Concrete in tension: the tension branch until a slice passes the modulus of rupture (or the
// concrete may take no tension at all); from then on this slice and the ones below carry
// nothing.
double tension_until_cracked(const ConcreteConstants& c, double eps, bool no_tension,
                             bool& cracked) {
  if (cracked) return 0.0;
  const double sigma = concrete_tension_stress(c, eps);
  if (sigma < c.fr || no_tension) {
    cracked = true;
    return 0.0;
  }
  return sigma;
}

double largest_magnitude(const SliceColumn& stress, const std::array<int, kSlices>& list, int n) {
  double largest = 0.0;
  for (int i = 0; i < n; ++i) {
    const double s = stress[list[i]];
    if (std::fabs(s) > std::fabs(largest)) largest = s;
  }
  return largest;
}

}  // namespace

SectionFault Initialize_EI_Vars(const SectionValues& v, SlicedSection& sliced) {
  sliced.values = v;
  SliceTable& s = sliced.slices;
  if (SectionFault fault = Calculate_Concrete_Slice_Areas(v, s)) return fault;
  sliced.concrete = concrete_constants(v.fc, v.prestressed(), v.us);
  sliced.prestress = PrestressValues{};
  sliced.capacities = axial_capacities(v);
  if (v.prestressed()) {
    if (SectionFault fault =
            Calculate_Strains_Due_To_Prestressing(v, s, sliced.concrete, sliced.prestress)) {
      return fault;
    }
    sliced.capacities.P_c = sliced.prestress.P_n;
    sliced.capacities.P_t = sliced.prestress.P_t;
  }
  for (int k = 1; k <= kSlices; ++k) sliced.lever[k] = s.h / 2.0 - s.y[k];
  sliced.bar_slice_count = v.pipe() ? 0 : slices_holding(s.bars, sliced.bar_slices);
  sliced.casing_slice_count = slices_holding(s.casing, sliced.casing_slices);
  // A void has no wall: no stress is ever taken for it.
  sliced.core_slice_count =
      v.core.thickness > 0.0 ? slices_holding(s.core, sliced.core_slices) : 0;
  sliced.core_concrete_slice_count =
      v.core.filled ? slices_holding(s.core_concrete, sliced.core_concrete_slices) : 0;
  const double inside = v.diameter - 2.0 * v.casing_thickness;
  sliced.pipe_area = kQuarterPi * (v.diameter * v.diameter - inside * inside);
  return {};
}

double Compute_Axial_Thrust_Force(const SlicedSection& section, ForceState& st, double y_n) {
  const SectionValues& v = section.values;
  const SliceTable& s = section.slices;
  const ConcreteConstants& c = section.concrete;
  const double phi = st.phi;
  double force = 0.0;
  st.limited = false;

  if (!v.pipe()) {
    // Concrete, from the compression face down: once a slice has cracked, so have the ones
    // below it.
    st.eps_t = (y_n - s.h) * phi + section.prestress.eps_pc0;
    bool cracked = st.eps_t < c.eps_cr;
    for (int k = 1; k <= kSlices; ++k) {
      const double eps = (y_n - s.y[k]) * phi;
      const double sigma = eps <= 0.0 ? tension_until_cracked(c, eps, st.no_tension, cracked)
                                      : concrete_compression_stress(c, eps);
      st.concrete[k] = sigma;
      force += sigma * s.concrete[k];
    }
    st.cracked = cracked;

    // Bars or strands, at the strain of their slice (strands with their initial strain).
    const int code = v.reinforcement;
    const double initial = v.prestressed() ? section.prestress.eps_ps0 : 0.0;
    const double ksi = v.us ? 1.0 : kKPaPerKsi;
    bool limited = false;
    for (int i = 0; i < section.bar_slice_count; ++i) {
      const int k = section.bar_slices[i];
      const double eps = (y_n - s.y[k]) * phi + initial;
      const double sigma = code == kReinforcementBars
                               ? elastic_plastic_stress(v.Es, v.fy, eps, limited)
                               : strand_stress_ksi(code, eps, v.bar_size_index) * ksi;
      st.bars[k] = sigma;
      force += sigma * s.bars[k];
    }
    st.limited = limited && v.bar_count > 0;
  }

  // Casing or pipe wall.
  for (int i = 0; i < section.casing_slice_count; ++i) {
    const int k = section.casing_slices[i];
    const double sigma = elastic_plastic_stress(v.casing_modulus, v.casing_yield,
                                                (y_n - s.y[k]) * phi, st.limited);
    st.casing[k] = sigma;
    force += sigma * s.casing[k];
  }
  // Core pipe wall.
  for (int i = 0; i < section.core_slice_count; ++i) {
    const int k = section.core_slices[i];
    const double sigma =
        elastic_plastic_stress(v.core.modulus, v.core.yield, (y_n - s.y[k]) * phi, st.limited);
    st.core[k] = sigma;
    force += sigma * s.core[k];
  }
  // Concrete filling the core: the same tension branch, a parabola throughout in compression.
  if (section.core_concrete_slice_count > 0) {
    bool cracked = st.cracked || st.eps_t < c.eps_cr;
    for (int i = 0; i < section.core_concrete_slice_count; ++i) {
      const int k = section.core_concrete_slices[i];
      const double eps = (y_n - s.y[k]) * phi;
      const double sigma = eps <= 0.0 ? tension_until_cracked(c, eps, false, cracked)
                                      : core_concrete_compression_stress(c, eps);
      st.core_concrete[k] = sigma;
      force += sigma * s.core_concrete[k];
    }
    st.cracked = cracked;
  }
  return force;
}

double section_moment(const SlicedSection& section, const ForceState& st) {
  const SliceTable& s = section.slices;
  double moment = 0.0;
  if (!section.values.pipe()) {
    for (int k = 1; k <= kSlices; ++k) moment += st.concrete[k] * s.concrete[k] * section.lever[k];
  }
  const auto add = [&](const SliceColumn& stress, const SliceColumn& area,
                       const std::array<int, kSlices>& list, int n) {
    for (int i = 0; i < n; ++i) {
      const int k = list[i];
      moment += stress[k] * area[k] * section.lever[k];
    }
  };
  add(st.bars, s.bars, section.bar_slices, section.bar_slice_count);
  add(st.casing, s.casing, section.casing_slices, section.casing_slice_count);
  add(st.core, s.core, section.core_slices, section.core_slice_count);
  add(st.core_concrete, s.core_concrete, section.core_concrete_slices,
      section.core_concrete_slice_count);
  return moment;
}

double Find_Neutral_Axis(const SlicedSection& section, ForceState& st, double thrust,
                         double start, SectionFault& fault) {
  const bool us = section.values.us;
  const double delta = us ? 1e-7 : 2.54e-9;
  const double tolerance = us ? 1e-6 : 2.54e-8;
  const double h = section.slices.h;

  double best_y = h / 2.0;
  double best_f = std::fabs(Compute_Axial_Thrust_Force(section, st, h / 2.0) - thrust);
  double y = std::fabs(start) > h ? h / 2.0 : start;
  for (int i = 0;; ++i) {
    if (i >= kMaxIterations) {
      fault = {SectionFaultKind::kNeutralAxis, y};
      return y;
    }
    const double f = Compute_Axial_Thrust_Force(section, st, y) - thrust;
    const double slope = (Compute_Axial_Thrust_Force(section, st, y + delta) -
                          Compute_Axial_Thrust_Force(section, st, y - delta)) /
                         (2.0 * delta);
    if (i == 0 || std::fabs(f) < best_f) {
      best_f = std::fabs(f);
      best_y = y;
    }
    const double step = slope == 0.0 ? kStallStep : -f / slope;
    y += step;
    if (std::fabs(step) <= tolerance) {
      if (std::fabs(f) > best_f) {
        y = best_y;
        continue;
      }
      return y;
    }
  }
}

double curvature_increment(const SectionValues& v, double thrust) {
  if (v.pipe()) {
    const double inside = v.diameter - 2.0 * v.casing_thickness;
    const double A = kQuarterPi * (v.diameter * v.diameter - inside * inside);
    const double E = v.casing_modulus;
    return (1.7 * v.casing_yield / E - thrust / (A * E)) / (v.diameter / 2.0) / 80.0;
  }
  if (v.us) return 1.25e-6 / std::max(1.0, nearest_integer(v.diameter / 24.0));
  return 4.921259901994065e-5 / std::max(1.0, nearest_integer(v.diameter / 0.0254 / 24.0));
}

SectionFault moment_curvature(const SlicedSection& section, double thrust, StepTable& table) {
  const SectionValues& v = section.values;
  const SliceTable& s = section.slices;
  const bool pipe = v.pipe();
  const double h = s.h;
  table = StepTable{};
  table.thrust = thrust;

  ForceState st;
  // A tension beyond the cracking load leaves the concrete no tensile strength from the start.
  if (section.capacities.has_cracking_load && thrust < 0.0 && thrust < section.capacities.P_cr) {
    st.no_tension = true;
    st.cracked = true;
  }
  bool yielded = false;
  const double delta_phi0 = curvature_increment(v, thrust);
  double delta_phi = delta_phi0;
  double phi = 0.0;
  double y = h / 2.0;
  // The pipe stops at a strain of five times its yield strain, less the thrust's strain.
  const double pipe_strain_limit =
      pipe ? 5.0 * v.casing_yield / v.casing_modulus -
                 thrust / (section.pipe_area * v.casing_modulus)
           : 0.0;

  int n = 0;
  for (int step = 1; step <= kMaxSteps; ++step) {
    if (step == 40) delta_phi *= 2.0;
    if (step == 80) delta_phi *= 4.0;
    if (step == 120) delta_phi *= 6.0;
    phi = step == 1 ? delta_phi : phi + delta_phi;
    st.phi = phi;
    SectionFault fault;
    y = Find_Neutral_Axis(section, st, thrust, y, fault);
    if (fault) return fault;
    yielded = yielded || st.limited;

    StepRow& row = table.row(step);
    row.phi = phi;
    row.y_n = y;
    if (!pipe) {
      row.sigma_c = -HUGE_VAL;
      for (int k = 1; k <= kSlices; ++k) row.sigma_c = std::max(row.sigma_c, st.concrete[k]);
    }
    row.sigma_s = largest_magnitude(st.bars, section.bar_slices, section.bar_slice_count);
    row.sigma_cs = largest_magnitude(st.casing, section.casing_slices, section.casing_slice_count);
    row.sigma_k = largest_magnitude(st.core, section.core_slices, section.core_slice_count);
    if (v.type == kDrilledShaft && v.bar_count > 0) {
      row.eps_sT = HUGE_VAL;
      for (int i = 0; i < v.bar_count; ++i) {
        const double depth = h / 2.0 - v.bars[i].y;
        row.eps_sT = std::min(row.eps_sT, (y - depth) * phi);
      }
    }

    double moment = section_moment(section, st);
    if (!pipe && step > 1) moment = std::max(table.row(step - 1).M, moment);
    row.M = moment;
    row.EI = moment / phi;
    row.eps_c = phi * y + (pipe ? 0.0 : section.prestress.eps_pc0);
    row.eps_t = phi * (y - h);

    bool compression_zone_lost = false;
    row.msg[0] = !pipe && st.cracked ? 'C' : ' ';
    if (pipe) {
      row.msg[1] = yielded ? 'Y' : ' ';
    } else if (v.prestressed() && y < 0.1 * h) {
      row.msg[1] = 'Z';
      compression_zone_lost = true;
    } else {
      row.msg[1] = yielded ? 'Y' : ' ';
    }
    row.msg[2] = !pipe && row.eps_sT < -0.005 && row.eps_c >= kCapacityStrain ? 'T' : ' ';

    n = step;
    bool stop = compression_zone_lost || moment <= 0.0;
    if (pipe) {
      stop = stop || pipe_strain_limit <= std::max(std::fabs(row.eps_c), std::fabs(row.eps_t));
    } else if (!compression_zone_lost) {
      stop = stop || row.eps_c >= kCrushingStrain;
    }
    if (stop) break;
  }
  table.n_s = n;
  table.warning_305 = !pipe && n == kMaxSteps;

  // Nominal moment capacity: at a compression strain of 0.003, else the largest moment.
  const auto& r = table.rows;
  if (pipe) {
    table.M_n = r[n].M;
    table.eps_cap = r[n].eps_c;
    return {};
  }
  int k = 1;
  while (k + 1 < n && r[k + 1].eps_c < kCapacityStrain) ++k;
  k = std::min(k, kMaxSteps - 1);
  if (n > 1 && r[k + 1].eps_c > kCapacityStrain && r[k + 1].M > 0.0) {
    table.M_n = r[k].M + (r[k + 1].M - r[k].M) * (kCapacityStrain - r[k].eps_c) /
                             (r[k + 1].eps_c - r[k].eps_c);
    table.eps_cap = kCapacityStrain;
  } else {
    table.M_n = r[k].M;
    table.eps_cap = r[k].eps_c;
    // A one-step curve is short of the strain only when its single row is.
    table.warning_355 = thrust > 0.0 && (n > 1 || r[1].eps_c < kCapacityStrain);
  }
  return {};
}

double EI_at_moment(const StepTable& table, double m) {
  const auto& r = table.rows;
  for (int i = 1; i <= table.n_s; ++i) {
    if (r[i].M >= m) {
      if (i == 1) return r[1].EI;
      return r[i - 1].EI + (m - r[i - 1].M) * (r[i].EI - r[i - 1].EI) / (r[i].M - r[i - 1].M);
    }
  }
  return table.n_s > 0 ? r[table.n_s].EI : 0.0;
}

void register_curve_warnings(Engine& engine, const StepTable& table) {
  if (table.warning_305) WarningRegister(engine, -305);
  if (table.warning_355) WarningRegister(engine, -355);
}

}  // namespace torva
