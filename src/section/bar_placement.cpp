#include "section/bar_placement.h"

#include <cmath>
#include <numbers>
#include <string>

#include "engine/errors.h"

namespace torva {

namespace {

constexpr double kLargestBarDiameter = 100.0;

// The second problem line of the input errors 39 to 43.
const char* input_problem(int message) {
  switch (message) {
    case 39:
      return "          Rebar diameter is greater than pile diameter.";
    case 40:
      return "          Pile diameter is less than zero.";
    case 41:
      return "          Clear cover over rebar is less than zero.";
    case 42:
      return "          Number of bar bundles is less than zero or greater than 300.";
    default:
      return "          Number of bars per bundle is less than zero or greater than 3.";
  }
}

void write_circle_error(Engine& engine, int message) {
  TextFile& report = engine.run.report;
  report.put("**** RUNTIME ERROR NO. " + std::to_string(message) + " ****");
  report.blank();
  if (message == 44) {
    report.put("PROBLEM:  Calculation error for rebar positions.");
    report.put("          Computed diameter of rebar circle is less than or equal to zero.");
  } else {
    report.put("PROBLEM:  Input error for calculation of rebar positions.");
    report.put(input_problem(message));
  }
  report.put("SOLUTION: Correct pile geometry data.");
}

}  // namespace

bool Compute_Rebar_Circle(Engine& engine, BarPositions& positions, double diameter, double cover,
                          double& bar_diameter, int bundles, int bars_per_bundle) {
  positions.x.fill(0.0);
  positions.y.fill(0.0);
  int error = 0;  // message number of the last error found
  const auto fail = [&](int message) {
    write_circle_error(engine, message);
    error = message;
  };
  const auto finish = [&]() {
    if (error == 0) return true;
    const std::string code = "RUN000" + std::to_string(error);
    ErrorStop(engine, code, 200 + error);
    return false;
  };

  if (diameter < bar_diameter) {
    fail(39);
    return finish();
  }
  if (diameter <= 0.0) {
    fail(40);
    return finish();
  }
  if (cover <= 0.0) fail(41);
  if (bundles < 1 || bundles > kMaxBars) {
    fail(42);
    return finish();
  }
  if (bars_per_bundle < 1 || bars_per_bundle > 3) {
    fail(43);
    return finish();
  }
  // 300 bundles of three bars would not fit the bar table.
  if (bundles * bars_per_bundle > kMaxBars) {
    fail(42);
    return finish();
  }
  if (std::fabs(bar_diameter) > kLargestBarDiameter) bar_diameter = 0.0;
  const double d_b = bar_diameter;

  const double radius = (diameter - d_b) / 2.0 - cover;
  double rho = 0.0;  // angle between the centres of two touching bars of a bundle
  if (radius <= 0.0) {
    fail(44);
  } else {
    rho = d_b / radius;
  }

  const double step = 2.0 * std::numbers::pi / bundles;
  const auto put = [&](int bar, double r, double angle) {
    positions.x[bar] = r * std::cos(angle);
    positions.y[bar] = r * std::sin(angle);
  };
  for (int j = 0; j < bundles; ++j) {
    const double theta = j * step;
    switch (bars_per_bundle) {
      case 1:
        if (bundles > 1) put(j, radius, theta);  // a lone bar stays at the centre
        break;
      case 2:
        if (bundles == 1) {
          positions.x[0] = -d_b / 2.0;
          positions.x[1] = d_b / 2.0;
        } else {
          put(2 * j, radius, theta - rho / 2.0);
          put(2 * j + 1, radius, theta + rho / 2.0);
        }
        break;
      default:
        put(3 * j, radius, theta - rho / 2.0);
        put(3 * j + 1, radius, theta + rho / 2.0);
        put(3 * j + 2, radius - d_b * std::sqrt(3.0) / 2.0, theta);
        break;
    }
  }
  return finish();
}

bool place_square_strands(int pattern, int count, double half_width, BarPositions& positions) {
  if ((pattern != 1 && pattern != 2) || count < 4 || count > kMaxBars) return false;
  positions.x.fill(0.0);
  positions.y.fill(0.0);
  const double a = half_width;
  const int m = count % 2 == 0 ? count : count - 1;  // strands on the perimeter
  int k = 0;  // strands of the bottom and of the top row, corners included
  int s = 0;  // strands of each side between its corners
  if (m % 4 == 0) {
    k = m / 4 + 1;
    s = m / 4 - 1;
  } else if (pattern == 1) {
    k = (m - 2) / 4 + 2;
    s = (m - 2) / 4 - 1;
  } else {
    k = (m - 2) / 4 + 1;
    s = (m - 2) / 4;
  }
  const double row_step = 2.0 * a / (k - 1);
  const double side_step = 2.0 * a / (s + 1);
  // An odd number of side strands is centred on the side; an even number sits half a step
  // towards +Y on the right side and towards -Y on the left, keeping the pattern symmetric
  // about the centre.
  const int centre = (s - 1) / 2 + 1;
  int n = 0;
  const auto put = [&](double x, double y) {
    positions.x[n] = x;
    positions.y[n] = y;
    ++n;
  };
  for (int j = 0; j < k; ++j) put(-a + j * row_step, -a);
  for (int i = 1; i <= s; ++i) put(a, (i - centre) * side_step);
  for (int j = 0; j < k; ++j) put(a - j * row_step, a);
  for (int i = 1; i <= s; ++i) put(-a, (centre - i) * side_step);
  if (count % 2 != 0) put(0.0, 0.0);
  return true;
}

}  // namespace torva
