// The report texts of LRFD runs: the block of the input echo, the distributed loads by load
// type of every combination, and the table of LRFD performance after the summary.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "engine/errors.h"
#include "report/fields.h"
#include "report/line.h"
#include "response/lrfd.h"
#include "response/results_report.h"

namespace torva {

namespace {

constexpr double kDegreesPerRadian = 180.0 / 3.141592653589793;

std::string dashes(std::size_t count) { return std::string(count, '-'); }

bool is_us(const Engine& engine) { return engine.options.IUNITS == kUnitsUS; }
bool is_si(const Engine& engine) { return engine.options.IUNITS == kUnitsSI; }

// The US customary or SI form of a line of unit words; general units take the SI form with the
// run's labels for the SI words of `general`, in order.
std::string units_line(const Engine& engine, std::string_view us, std::string_view si,
                       std::initializer_list<std::pair<std::string_view, std::string>> general) {
  if (is_us(engine)) return std::string(us);
  if (is_si(engine)) return std::string(si);
  return relabel(std::string(si), general);
}

// " lbs", " kN", ... after a labelled value.
std::string force_word(const Engine& engine) {
  return is_us(engine) ? " lbs" : is_si(engine) ? " kN" : " " + engine.run.labels.force;
}
std::string moment_word(const Engine& engine) {
  return is_us(engine) ? " in-lbs" : is_si(engine) ? " kN-m" : " " + engine.run.labels.moment;
}

// `word` centred over the columns first..last (1-based) of `line`.
Line& centred(Line& line, std::string_view word, int first, int last) {
  const int width = last - first + 1;
  const int lead = (width - static_cast<int>(word.size())) / 2;
  return line.tab(first + (lead > 0 ? lead : 0)).a(word);
}

// The unit words under the three force, moment and force columns of the tables of factored
// loads by combination.
std::string combination_units(const Engine& engine) {
  const UnitLabels& l = engine.run.labels;
  const std::string force = is_us(engine) ? "lbs" : is_si(engine) ? "kN" : l.force;
  const std::string moment = is_us(engine) ? "inch-lbs" : is_si(engine) ? "kN-m" : l.moment;
  Line line;
  centred(line, force, 22, 33);
  centred(line, moment, 44, 49);
  centred(line, force, 61, 71);
  return line.str();
}

void combination_row(TextFile& report, int j, double a, double b, double c,
                     const std::string& name) {
  report.put(Line().i(j, 9).x(7).f(a, 19, 2).f(b, 19, 2).f(c, 19, 2).x(3).a(name));
}

const std::string& combination_name(const Engine& engine, int j) {
  return engine.lrfd.combinations[j].name;
}

void write_groups(Engine& engine) {
  TextFile& report = engine.run.report;
  const LrfdInput& input = engine.lrfd;
  const UnitLabels& l = engine.run.labels;
  report.blank(3);
  report.put(dashes(79));
  report.put("                  Unfactored Loading Groups for LRFD Analysis");
  report.put(dashes(79));
  report.blank();
  report.put(Line().a("Number of Loading Groups = ").i0(input.group_count));
  report.put(
      "Load          Load           Horiz. Force          Moment           Axial Force       "
      "Number of ");
  report.put(units_line(
      engine,
      "Group         Type                lbs             inch-lbs              lbs         "
      "Distrib. Lds. ",
      "Group         Type                kN                kN-m                kN          "
      "Distrib. Lds. ",
      {{"kN", l.force}, {"kN-m", l.moment}, {"kN", l.force}}));
  report.put(
      "-----   ----------------   ----------------   ----------------   ----------------   "
      "-------------");
  for (int g = 1; g <= input.group_count; ++g) {
    const LrfdGroup& group = input.groups[g];
    report.put(Line()
                   .i(g, 4)
                   .x(4)
                   .a(lrfd_load_type(group.load_type).group)
                   .f(group.horizontal_force, 19, 2)
                   .f(group.moment, 19, 2)
                   .f(group.axial_force, 19, 2)
                   .i(group.distributed.count, 11));
  }

  for (int g = 1; g <= input.group_count; ++g) {
    const DistributedLoadProfile& profile = input.groups[g].distributed;
    if (profile.count < 1) continue;
    report.blank(2);
    report.put(Line()
                   .a("Number of Distributed Loading Points Input for Load Group ")
                   .i0(g)
                   .a(" = ")
                   .i0(profile.count));
    report.blank();
    report.put("Point           Depth          Distributed Load");
    report.put(units_line(engine, "                  ft               lb/inch   ",
                          "                  m                kN/m      ",
                          {{"m", l.depth}, {"kN/m", l.force_per_length}}));
    report.put("-----     ----------------     ----------------");
    for (int k = 1; k <= profile.count; ++k) {
      report.put(Line().i(k, 4).f(profile.depth[k], 21, 2).f(profile.load[k], 21, 2));
    }
  }
}

void write_totals_by_type(Engine& engine) {
  TextFile& report = engine.run.report;
  const LrfdLoads& loads = engine.lrfd_loads;
  const UnitLabels& l = engine.run.labels;
  const std::string rule = dashes(101);  // as wide as a row
  report.blank(2);
  report.put("Totals of Unfactored Loads by Load Type for LRFD Analyses:");
  report.put(dashes(58));
  report.put(Line().a("Number of Defined Unfactored Load Cases = ").i0(engine.lrfd.group_count));
  report.put(
      "The following table presents the sum of unfactored pile-head loads for each load type.");
  report.put(
      "      Load                Horiz. Force               Moment                Axial Force    "
      "       Number of ");
  report.put(units_line(
      engine,
      "      Type                     lbs                  inch-lbs                   lbs        "
      "         Loads   ",
      "      Type                     Kn                     Kn-M                     kN         "
      "         Loads   ",
      {{"Kn", l.force}, {"Kn-M", l.moment}, {"kN", l.force}}));
  report.put(rule);
  for (int k = 1; k <= kLrfdLoadTypes; ++k) {
    const LrfdTypeTotals& totals = loads.totals[k];
    report.put(Line()
                   .a(lrfd_load_type(k).totals)
                   .f(totals.H, 24, 2)
                   .f(totals.M, 24, 2)
                   .f(totals.P, 24, 2)
                   .i(totals.groups, 12));
  }
  report.put(rule);
}

void write_factor_table(Engine& engine) {
  TextFile& report = engine.run.report;
  const LrfdInput& input = engine.lrfd;
  const std::string head =
      " No.    DL     LL     EQ     IM    Wind   Watr    Ice   Soil   Roof   Rain   Snow   Temp   "
      "Spec   M RF   V RF   Name";
  report.put(Line().a("Number of Factored Load Combinations = ").i0(input.combination_count));
  report.put("Summary of Load and Resistance Factors:");
  report.put(dashes(39));
  report.put(head);
  report.put(dashes(head.size()));
  for (int j = 1; j <= input.combination_count; ++j) {
    const LrfdCombination& combination = input.combinations[j];
    Line line;
    line.i(j, 3).x(1);
    for (int k = 1; k <= kLrfdLoadTypes; ++k) {
      const double factor = combination.factors[k];
      if (factor <= 0.0) {
        line.a("    -- ");
      } else {
        line.f(factor, 7, 2);
      }
    }
    line.f(combination.phi_flexure, 7, 2).f(combination.phi_shear, 7, 2).x(3).a(combination.name);
    report.put(line);
  }
}

// A resistance factor as the report shows it: one of 0 or less stands for the default.
double shown_factor(double factor) { return factor <= 0.0 ? kDefaultResistanceFactor : factor; }

void write_factored_loads(Engine& engine) {
  TextFile& report = engine.run.report;
  const LrfdInput& input = engine.lrfd;
  const LrfdLoads& loads = engine.lrfd_loads;
  const std::string force = force_word(engine);
  const std::string moment = moment_word(engine);
  report.blank(3);
  report.put(dashes(78));
  report.put(Line().x(18).a("Computed Factored Loads for LRFD Analyses"));
  report.put(dashes(78));
  for (int j = 1; j <= input.combination_count; ++j) {
    const LrfdCombination& combination = input.combinations[j];
    const LrfdFactoredLoad& load = loads.factored[j];
    report.put(Line().a("Factored Load Combination No. ").i0(j));
    report.put(dashes(33));
    report.put("Load Combination Name = " + combination.name);
    report.put(Line()
                   .a("Structural Resistance Factor for Flexure =")
                   .f(shown_factor(combination.phi_flexure), 6, 3));
    report.put(Line()
                   .a("Structural Resistance Factor for Shear   =")
                   .f(shown_factor(combination.phi_shear), 6, 3));
    // A factor of 0 or less has no term (it still enters the sums as given).
    Line terms;
    terms.a("Factored Load = ");
    bool first = true;
    for (int k = 1; k <= kLrfdLoadTypes; ++k) {
      const double factor = combination.factors[k];
      if (factor <= 0.0) continue;
      if (!first) terms.a(" +");
      terms.f(factor, 5, 2).a(lrfd_load_type(k).term);
      first = false;
    }
    report.put(terms);
    report.put(Line().a("Factored Horizontal Force = ").f(load.H, 24, 2).a(force));
    report.put(Line().a("Factored Vertical Force   = ").f(load.P, 24, 2).a(force));
    report.put(Line().a("Factored Moment           = ").f(load.M, 24, 2).a(moment));
  }

  report.put("Totals of Factored Loads by Load Combination:");
  report.put(
      "   Combination       Horiz. Force          Moment           Vert. Force     Load "
      "Combination Name  ");
  report.put(combination_units(engine));
  for (int j = 1; j <= input.combination_count; ++j) {
    const LrfdFactoredLoad& load = loads.factored[j];
    combination_row(report, j, load.H, load.M, load.P, combination_name(engine, j));
  }
}

void write_batter_transformation(Engine& engine) {
  const double batter = engine.inclination.batter;
  if (!(std::fabs(batter) > kLrfdBatterLimit)) return;
  TextFile& report = engine.run.report;
  const double c = std::cos(batter);
  const double s = std::sin(batter);
  report.put("Factored Loads Transformed for Pile Batter by Load Combination:");
  report.put("using the following:");
  report.put(Line().a("Pile PileBatter = ").f(batter * kDegreesPerRadian, 7, 3).a(" degrees"));
  report.put("Transformation Matrix and Equations:");
  report.put(Line()
                 .a("   T(1,1) =  Cos(PileBatter) = ")
                 .f(c, 8, 4)
                 .a("   T(1,2) = Sin(PileBatter) = ")
                 .f(s, 8, 4));
  report.put(Line()
                 .a("   T(2,1) = -Sin(PileBatter) = ")
                 .f(-s, 8, 4)
                 .a("   T(2,2) = Cos(PileBatter) = ")
                 .f(c, 8, 4));
  report.put("   Shear Force = T(1,1) * Horiz. Force + T(1,2) * Vertical Force");
  report.put("   Axial Force = T(2,1) * Horiz. Force + T(2,2) * Vertical Force");
  report.put(Line()
                 .a("   Combination")
                 .tab(22)
                 .a("Shear Force")
                 .tab(44)
                 .a("Moment")
                 .tab(60)
                 .a("Axial Thrust")
                 .tab(77)
                 .a("Load Combination Name  "));
  report.put(combination_units(engine));
  for (int j = 1; j <= engine.lrfd.combination_count; ++j) {
    const LrfdFactoredLoad& load = engine.lrfd_loads.factored[j];
    combination_row(report, j, load.V, load.M, load.Q, combination_name(engine, j));
  }
}

void write_sorted_thrusts(Engine& engine) {
  TextFile& report = engine.run.report;
  const ThrustList& thrusts = engine.lrfd_loads.thrusts;
  const std::string title = "Sorted Values of Axial Thrust Forces Sorted for LRFD Computations:";
  report.put(title);
  report.put(dashes(title.size()));
  report.put(Line().a("Number of Unique Axial Thrust Values = ").i0(thrusts.count));
  report.put("Number   Factored Axial Thrust");
  report.put("------   ---------------------");
  for (int n = 1; n <= thrusts.count; ++n) report.put(Line().i(n, 4).f(thrusts.T[n], 16, 3));
}

}  // namespace

void write_lrfd_echo(Engine& engine) {
  prepare_factored_loads(engine);
  write_groups(engine);
  write_totals_by_type(engine);
  write_factor_table(engine);
  write_factored_loads(engine);
  write_batter_transformation(engine);
  write_sorted_thrusts(engine);
}

void write_loads_by_type(Engine& engine) {
  TextFile& report = engine.run.report;
  const NodeTable& nodes = engine.nodes;
  const LrfdLoads& loads = engine.lrfd_loads;
  const UnitLabels& l = engine.run.labels;
  const std::string title = "Distributed Lateral Loads for LRFD:";
  for (int k = 1; k <= kLrfdLoadTypes; ++k) {
    const PerNode<double>& q = loads.by_type[k];
    bool loaded = false;
    for (int i = 1; i <= nodes.N && !loaded; ++i) loaded = q[i] != 0.0;
    if (!loaded) continue;
    report.put(title);
    report.put(dashes(title.size()));
    report.put("Sums of Distributed Lateral Load Per Unit Length due to " +
               std::string(lrfd_load_type(k).distributed));
    report.put("   Depth     Distributed Load");
    report.put(Line().tab(5).a(l.length).tab(19).a(l.force_per_length));
    report.put("----------   ----------------");
    for (int i = 1; i <= nodes.N; ++i) {
      if (q[i] != 0.0) report.put(Line().f(nodes.x[i], 10, 2).x(3).f(q[i], 10, 2));
    }
    report.blank();
  }
}

void write_lrfd_performance_table(Engine& engine) {
  TextFile& report = engine.run.report;
  const UnitLabels& l = engine.run.labels;
  report.blank(2);
  report.put(dashes(80));
  report.put(Line().x(19).a("LRFD Performance by Load Case Combination"));
  report.put(dashes(80));
  report.blank();
  report.put(
      "                               Factored     Maximum     Fact. Mom.    Pass/Fail     "
      "Maximum                           ");
  report.put(
      "Load             Resistance     Moment      Moment       Fraction     for LRFD    Shear "
      "For.    Pile-Top     Pile-Top ");
  report.put(
      "Case   Section     Factor      Capacity     Developed    Mobilized     Moment      "
      "Developed   Deflection    Rotation ");
  report.put(
      " No.     No.     for Moment   of Section   in Section   in Section   of Section   in "
      "Section    Developed    Developed   Name of Load Case Combination");
  report.put(units_line(
      engine,
      "                                in-lbs       in-lbs                                   lbs "
      "       inches       radians ",
      "                                 kN-m         kN-m                                    kN  "
      "       meters       radians ",
      {{"kN-m", l.moment}, {"kN-m", l.moment}, {"kN", l.force}, {"meters", l.length}}));
  report.put(
      "----   -------   ----------   ----------   ----------   ----------   ----------   "
      "----------   ----------   ----------   -----------------------------------------");

  const int combinations = std::min(engine.lrfd.combination_count, kMaxLoadCases);
  const int sections = std::min(engine.sections.count, kMaxSections);
  // With an "Elastic Pile" as section 1 the search starts from a remaining fraction of 0 and
  // no pair, so that only a section at or beyond its capacity is named.
  const bool first_elastic =
      sections >= 1 && engine.sections.table[0].type == kElasticPile;
  bool have_pair = first_elastic;
  double least_remaining = 0.0;
  int tracked_case = 0;
  int tracked_section = 0;
  int failures = 0;

  for (int j = 1; j <= combinations; ++j) {
    const LoadCaseResult& result = engine.results.cases[j];
    const double phi = engine.lrfd.combinations[j].phi_flexure;
    for (int s = 1; s <= sections; ++s) {
      const LrfdSectionCheck check = check_lrfd_section(engine, j, s);
      Line line;
      line.i(j, 3).x(1).i(s, 7).x(3);
      WriteNumberField(line, phi, 10);
      line.x(6);
      if (check.elastic) {
        line.a(" Infinite ");
      } else if (!check.has_capacity) {
        line.a("    N/A   ");
      } else {
        WriteNumberField(line, check.capacity, 10);
      }
      line.x(3);
      WriteNumberField(line, check.moment, 10);
      line.x(3);
      if (check.has_fraction) {
        line.f(check.fraction, 10, 4);
      } else {
        line.a("    N/A   ");
      }
      line.x(3);
      switch (check.verdict) {
        case LrfdVerdict::kPass:
          line.a("   Pass      ");
          break;
        case LrfdVerdict::kFail:
          line.a(" > FAIL <    ");
          WarningRegister(engine, -400);
          ++failures;
          break;
        case LrfdVerdict::kNotApplicable:
          line.a("    N/A      ");
          break;
      }
      WriteNumberField(line, check.shear, 10);
      line.x(3);
      WriteNumberField(line, result.head_deflection, 10);
      line.x(3);
      WriteNumberField(line, result.head_slope, 10);
      line.x(3).a(combination_name(engine, j));
      report.put(line);

      if (check.tracked && (!have_pair || check.remaining <= least_remaining)) {
        have_pair = true;
        least_remaining = check.remaining;
        tracked_case = j;
        tracked_section = s;
      }
    }
  }
  engine.lrfd_loads.failures = failures;

  report.blank();
  if (failures > 0) {
    report.put(Line().i0(failures).a(" LRFD load combinations have failed."));
  } else {
    report.put("All LRFD load combinations have passed for all pile sections.");
  }
  report.blank(2);
  report.put("The load case and pile section with the greatest level of developed moment capacity is:");
  report.put(Line().a("LRFD Load Case No. ").i0(tracked_case));
  report.put(Line().a("Pile Section No.   ").i0(tracked_section));
  report.blank();
}

}  // namespace torva
