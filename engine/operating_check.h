#pragma once

#include <array>
#include <optional>

#include "engine/design_record.h"
#include "engine/rolloff_grades.h"

// The operating check: what a published design's winding does over the line cycle once the
// powder core's permeability falls with the current, at both line voltages. The method sizes
// the winding on 70 % of the inductance factor at full current and a ripple of 10 % of the
// line peak; the check works both out instead, and the losses and temperature that follow.
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
  // A positive line voltage with finite currents; false: nothing past vrms and vpeak exists.
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
  CheckedNumber rippleAtCrestPp;   // A, at 90°
  CheckedNumber dcmBelowAngleDeg;  // largest angle in DCM, 0 for none
  CheckedNumber fluxSwingMaxMt;    // mT, peak to peak
  CheckedNumber bAtIpkT;           // T, λ(Ipk) over turns and section
  CheckedNumber coreLossW;         // line-averaged
  CheckedNumber copperDcLossW;     // at the winding temperature
  CheckedNumber copperAcLossW;
  CheckedNumber totalLossW;
  CheckedNumber temperatureRiseC;
  CheckedNumber windingTemperatureC;
  int thermalSteps = 0;
  std::array<CheckedAngle, kCheckedAngles> angles;
};

struct OperatingCheck {
  RolloffGrade grade;
  CheckedNumber zeroBiasUh;
  LineCheck lowLine;   // at VinMin
  LineCheck highLine;  // at VinMax
};

enum class LineVoltage { Low, High };

// The check of a design record that EvaluateCore completed (a published design, or a Compare
// Cores candidate) with one roll-off grade. The record is read only.
OperatingCheck CheckOperation(const DesignRecord& record, const RolloffGrade& grade);
LineCheck CheckLine(const DesignRecord& record, const RolloffGrade& grade, LineVoltage line);

// The line-cycle mean of 91 values at 0°…90° by the trapezoid rule (ends weighted ½).
double LineCycleMean(const std::array<double, kCheckedAngles>& values);

}  // namespace pfc
