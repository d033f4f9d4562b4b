#include "section/section_checks.h"

#include <cstdio>

#include "model/options.h"
#include "section/materials.h"

namespace torva {

namespace {

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

struct Checker {
  std::optional<SectionRecordFault> fault;

  void fail(const ErrorId& error, const char* what, double value, std::string limit) {
    if (!fault) fault = SectionRecordFault{error, what, value, std::move(limit)};
  }
  void positive(const char* what, double value) {
    if (!(value > 0.0)) fail(errors::kInputSectionOutline, what, value, "greater than 0");
  }
  void not_negative(const char* what, double value) {
    if (!(value >= 0.0)) fail(errors::kInputSectionOutline, what, value, "0 or more");
  }
  // A wall of a circle of diameter d: above 0 (or 0 itself when `may_be_zero`), at most d/2.
  void wall(const char* what, double value, double d, const char* circle, bool may_be_zero) {
    const bool low = may_be_zero ? !(value >= 0.0) : !(value > 0.0);
    if (low || value > d / 2.0) {
      fail(errors::kInputSectionOutline, what, value,
           std::string(may_be_zero ? "0 or more" : "greater than 0") + " and at most " +
               number(d / 2.0) + " (half the " + circle + ")");
    }
  }
  void steel(const char* yield_what, double yield, const char* modulus_what, double modulus) {
    positive(yield_what, yield);
    positive(modulus_what, modulus);
  }
};

}  // namespace

std::optional<SectionRecordFault> find_section_record_fault(const PileSection& s, int units) {
  Checker check;
  const int type = s.type;
  if (type < kRectangularConcrete || type > kOctagonalHollowPrestressed) return std::nullopt;
  const bool prestressed = type >= kCircularSolidPrestressed;

  if (type != kSteelPipe) {
    const bool us = units == kUnitsUS;
    const double fc = us ? s.fc / 1000.0 : s.fc;
    if (s.fc > 0.0 && rupture_margin(fc, prestressed, us) < 0.0) {
      const double smallest = prestressed ? 0.016 : 0.05625;  // ksi
      const double limit = us ? smallest * 1000.0 : smallest * kKPaPerKsi;
      check.fail(errors::kInputConcreteStrength, "the concrete compressive strength", s.fc,
                 "at least " + number(limit) + (prestressed ? " for a prestressed section"
                                                            : " for a reinforced section"));
    }
  }

  const double D = s.diameter;
  if (type == kRectangularConcrete) {
    check.positive("the section width", s.width);
    check.positive("the section depth", s.depth);
  } else if (type >= kSquareSolidPrestressed) {
    check.positive("the pile width", D);
  } else {
    check.positive("the diameter", D);
  }

  switch (type) {
    case kCasedShaft:
    case kCasedShaftWithCore:
      check.wall("the casing wall thickness", s.casing_thickness, D, "diameter", true);
      if (s.casing_thickness > 0.0) {
        check.steel("the casing yield stress", s.casing_yield, "the casing elastic modulus",
                    s.casing_modulus);
      }
      if (type == kCasedShaftWithCore) {
        check.not_negative("the core diameter", s.core_diameter);
        check.wall("the core wall thickness", s.core_thickness, s.core_diameter,
                   "core diameter", true);
        const double inside = D - 2.0 * s.casing_thickness;
        if (s.core_diameter > inside) {
          check.fail(errors::kInputSectionOutline, "the core diameter", s.core_diameter,
                     "at most " + number(inside) + " (inside the casing)");
        }
        if (s.core_thickness > 0.0) {
          check.steel("the core yield stress", s.core_yield, "the core elastic modulus",
                      s.core_modulus);
        }
      }
      break;
    case kSteelPipe:
      check.wall("the pipe wall thickness", s.casing_thickness, D, "diameter", false);
      check.steel("the pipe yield stress", s.casing_yield, "the pipe elastic modulus",
                  s.casing_modulus);
      break;
    case kCircularHollowPrestressed:
      check.not_negative("the void diameter", s.void_diameter);
      break;
    case kSquareHollowPrestressed:
    case kOctagonalHollowPrestressed:
      check.not_negative("the void diameter", s.void_diameter);
      if (s.void_diameter >= D) {
        check.fail(errors::kInputSectionOutline, "the void diameter", s.void_diameter,
                   "less than the pile width " + number(D));
      }
      break;
    default:
      break;
  }
  if (type == kSquareSolidPrestressed || type == kSquareHollowPrestressed) {
    if (!(s.chamfer >= 0.0) || s.chamfer >= D / 2.0) {
      check.fail(errors::kInputSectionOutline, "the corner chamfer", s.chamfer,
                 "0 or more and less than " + number(D / 2.0) + " (half the pile width)");
    }
  }

  if (type <= kCasedShaftWithCore && s.bar_count > 0) {
    check.steel("the bar yield stress", s.bar_yield, "the steel modulus", s.steel_modulus);
  }
  if (prestressed) {
    check.positive("the strand modulus", s.steel_modulus);
    if (!(s.prestress_loss >= 0.0 && s.prestress_loss <= 1.0)) {
      check.fail(errors::kInputSectionOutline, "the fraction of loss of prestress",
                 s.prestress_loss, "0 to 1");
    }
  }
  return check.fault;
}

}  // namespace torva
