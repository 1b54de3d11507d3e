#pragma once

#include <array>
#include <optional>

#include "engine/check/material.h"
#include "engine/check/rolloff_inductor.h"
#include "engine/record/design_record.h"

// The operating check: what a published design's winding does over the line cycle once the
// powder core's permeability falls with the current, at both line voltages. The method sizes
// the winding on 70 % of the inductance factor at full current and a ripple of 10 % of the
// line peak; the check works both out instead, and the losses and temperature that follow:
// the core in a chosen material, its loss by the improved generalised Steinmetz equation,
// Dowell's AC resistance and the wound part's own surface. docs/operating-check.md gives
// every formula and its source.
namespace pfc {

inline constexpr int kCheckedAngles = 91;            // 0° to 90° of the line, one-degree steps
inline constexpr int kCheckedHarmonics = 39;         // of the ripple, for the winding's AC loss
inline constexpr int kMostThermalSteps = 200;        // of the temperature iteration
inline constexpr double kSteadyMove = 1e-9;          // °C: a step that moves less is steady
inline constexpr double kRunawayTemperature = 2000;  // °C: above it there is no steady state

// A number of the check. Empty where it does not exist: ripple figures where the core cannot
// carry the on-time, temperatures where the copper law ends, everything past the line voltage
// where that is not positive. Never holds a value that is not finite.
using CheckedNumber = std::optional<double>;

struct CheckedAngle {
  int deg = 0;
  CheckedNumber vin;         // V
  CheckedNumber iAvg;        // A, the line current at this angle
  CheckedNumber duty;        // on-time fraction
  CheckedNumber ripplePp;    // A; empty where the core saturates
  CheckedNumber iMax;        // A, iAvg + ripple/2
  CheckedNumber fluxSwingT;  // T, peak to peak
};

struct InductanceAtCurrent {
  CheckedNumber hOe;                  // field strength
  CheckedNumber permeabilityPercent;  // of the initial permeability
  CheckedNumber lUh;                  // incremental inductance
  CheckedNumber lPercentOfTarget;     // of the entered inductance
};

enum class ThermalEnding {
  NotComputed,     // the line saturates or has no usable voltage: no copper loss exists
  Steady,          // the temperature moved less than kSteadyMove
  Unsettled,       // still moving after kMostThermalSteps steps
  Runaway,         // above kRunawayTemperature
  BelowCopperLaw,  // the linear copper law gives no positive resistance at the temperature
};

struct LineCheck {
  // A positive line voltage with finite currents and field; false: nothing past vrms and
  // vpeak exists.
  bool usable = false;
  bool peakAboveVout = false;  // Vpk ≥ Vout: the stage cannot boost at the crest
  bool saturates = false;      // some angle's on-time needs more than 2·λ(∞)
  ThermalEnding thermal = ThermalEnding::NotComputed;
  bool Steady() const { return thermal == ThermalEnding::Steady; }

  CheckedNumber vrms;     // V
  CheckedNumber vpeak;    // V
  CheckedNumber iinRms;   // A
  CheckedNumber ipkLine;  // A, without ripple
  InductanceAtCurrent atIpkLine;
  InductanceAtCurrent atIpk;
  CheckedNumber ipk;  // A, the largest iAvg + ripple/2
  CheckedNumber ipkAngleDeg;
  CheckedNumber rippleMaxPp;  // A
  CheckedNumber rippleMaxAngleDeg;
  CheckedNumber rippleMaxPercentOfIpkLine;
  CheckedNumber rippleAtCrestPp;  // A, at 90°
  CheckedNumber rippleAtCrestPercentOfIpkLine;
  CheckedNumber dcmBelowAngleDeg;  // largest angle in DCM, 0 for none
  CheckedNumber fluxSwingMaxMt;    // mT, peak to peak
  CheckedNumber bAtIpkT;           // T, λ(Ipk) over turns and section
  CheckedNumber coreLossW;         // line-averaged
  CheckedNumber copperDcLossW;     // at the winding temperature
  CheckedNumber copperAcLossW;
  CheckedNumber totalLossW;
  CheckedNumber temperatureRiseC;
  CheckedNumber windingTemperatureC;
  CheckedNumber woundSurfaceCm2;  // what the loss leaves by, the winding included
  int thermalSteps = 0;
  std::array<CheckedAngle, kCheckedAngles> angles;
};

// The outer dimensions of the core with its winding on, cm: the build of the layers inside the
// hole, of the turns spread over the outer rim, and their mean over the faces.
struct WoundDimensions {
  double od = 0;
  double id = 0;  // 0 where the winding fills the hole
  double ht = 0;
  double SurfaceCm2() const;
};

// The same winding on a core at the low end of its AL tolerance: AL·(1 − tolerance), the rest
// of the core and the roll-off unchanged.
struct WorstCaseCheck {
  double alTolerancePercent = 0;
  LineCheck lowLine;
  LineCheck highLine;
};

struct OperatingCheck {
  Material material;
  CheckedNumber cataloguePermeability;  // what the catalogue's AL implies for the core
  CheckedNumber alNh;                   // the core's AL in the material, nH/turn²
  CheckedNumber zeroBiasUh;
  LineCheck lowLine;   // at VinMin
  LineCheck highLine;  // at VinMax
  // Checked where the AL tolerance is above 0; the inductance and ripple verdicts are judged
  // on the worse of it and the nominal core.
  std::optional<WorstCaseCheck> worstCase;
};

enum class LineVoltage { Low, High };

// The share of the nominal AL a core keeps at the low end of its tolerance, 1 − t/100.
double WorstCaseAlFactor(double alTolerancePercent);

// The check of a design record that EvaluateCore completed (a published design, or a Compare
// Cores candidate) with its core in one material, and with an AL tolerance above 0 its worst
// case as well. The record is read only.
OperatingCheck CheckOperation(const DesignRecord& record, const Material& material,
                              double alTolerancePercent = 0);
// One line of the check on a core whose AL is the material's times alFactor.
LineCheck CheckLine(const DesignRecord& record, const Material& material, LineVoltage line,
                    double alFactor = 1);

// The check's default material for a record: the grade that matches its catalogue core.
const RolloffGrade& DefaultGradeFor(const DesignRecord& record);
// The grade of that permeability, or for kDefaultRolloffGrade (or any that is not a grade)
// the record's default.
Material GradeMaterialFor(const DesignRecord& record, int grade);

// The winding the check puts on the core: the record's turns on its core in the material.
RolloffInductor CheckedInductor(const DesignRecord& record, const Material& material,
                                double alFactor = 1);

// The wound part's dimensions for the record's winding (its turns, strands and insulated wire).
WoundDimensions WindingOn(const DesignRecord& record);

// The conductors (turns of one strand) one layer inside the hole takes: the inner circumference
// the wire's pitch leaves, not rounded; 0 or less for a hole too small for one.
double TurnsPerHoleLayer(const DesignRecord& record);
// The layers the turns of every strand make inside the hole: at least one; a hole too small
// for one conductor stacks them all.
double LayersOf(const DesignRecord& record);
// The copper's own diameter, m, from the wire's tabulated resistance: what carries the current,
// whatever the insulation and the table's rounding of the area.
double ConductorDiameter(const DesignRecord& record);
// 1 + α·(T − 20 °C): copper's resistance and resistivity at T (°C) relative to 20 °C.
double CopperResistanceFactor(double temperature);

// The core loss density of a triangular flux of swing ΔB (T, peak to peak) at duty D and
// switching frequency f (Hz), by the improved generalised Steinmetz equation, W/kg; 0 for no
// swing.
double TriangularLossDensity(const CoreLossFit& fit, double swing, double duty, double frequency);

// Calls visit(name, figure) for the figures of a line in their export order, with their
// export names; the two InductanceAtCurrent groups are visited whole ("at_ipk_line",
// "at_ipk"), every other figure is a CheckedNumber. Works on a const or a mutable line.
template <typename Line, typename Visitor>
void VisitLineFigures(Line& l, Visitor&& visit) {
  visit("vrms", l.vrms);
  visit("vpeak", l.vpeak);
  visit("iin_rms", l.iinRms);
  visit("ipk_line", l.ipkLine);
  visit("at_ipk_line", l.atIpkLine);
  visit("at_ipk", l.atIpk);
  visit("ipk", l.ipk);
  visit("ipk_angle_deg", l.ipkAngleDeg);
  visit("ripple_max_pp", l.rippleMaxPp);
  visit("ripple_max_angle_deg", l.rippleMaxAngleDeg);
  visit("ripple_max_percent_of_ipk_line", l.rippleMaxPercentOfIpkLine);
  visit("ripple_at_crest_pp", l.rippleAtCrestPp);
  visit("ripple_at_crest_percent_of_ipk_line", l.rippleAtCrestPercentOfIpkLine);
  visit("dcm_below_angle_deg", l.dcmBelowAngleDeg);
  visit("flux_swing_max_mt", l.fluxSwingMaxMt);
  visit("b_at_ipk_t", l.bAtIpkT);
  visit("core_loss_w", l.coreLossW);
  visit("copper_dc_loss_w", l.copperDcLossW);
  visit("copper_ac_loss_w", l.copperAcLossW);
  visit("total_loss_w", l.totalLossW);
  visit("temperature_rise_c", l.temperatureRiseC);
  visit("winding_temperature_c", l.windingTemperatureC);
  visit("wound_surface_cm2", l.woundSurfaceCm2);
}

template <typename At, typename Visitor>
void VisitInductanceFigures(At& a, Visitor&& visit) {
  visit("h_oe", a.hOe);
  visit("permeability_percent", a.permeabilityPercent);
  visit("l_uh", a.lUh);
  visit("l_percent_of_target", a.lPercentOfTarget);
}

// The figures of an angle row after its "deg".
template <typename Angle, typename Visitor>
void VisitAngleFigures(Angle& a, Visitor&& visit) {
  visit("vin", a.vin);
  visit("i_avg", a.iAvg);
  visit("duty", a.duty);
  visit("ripple_pp", a.ripplePp);
  visit("i_max", a.iMax);
  visit("flux_swing_t", a.fluxSwingT);
}

// The line-cycle mean of 91 values at 0°…90° by the trapezoid rule (ends weighted ½).
double LineCycleMean(const std::array<double, kCheckedAngles>& values);

}  // namespace pfc
