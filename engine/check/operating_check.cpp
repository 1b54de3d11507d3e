#include "engine/check/operating_check.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "engine/check/dowell.h"
#include "engine/check/rolloff_grades.h"
#include "engine/check/rolloff_inductor.h"
#include "engine/method/method_constants.h"

namespace pfc {
namespace {

using std::numbers::pi;
constexpr double kSqrt2 = std::numbers::sqrt2;
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

CheckedNumber Known(double value) {
  return std::isfinite(value) ? CheckedNumber(value) : std::nullopt;
}

InductanceAtCurrent InductanceAt(const RolloffInductor& inductor, double current, double target) {
  const double inductance = inductor.Inductance(current);
  return {Known(OerstedFromAmperesPerMetre(inductor.FieldStrength(current))),
          Known(inductor.PermeabilityFraction(current) * 100), Known(inductance * 1e6),
          Known(inductance / target * 100)};
}

// What the line cycle gives each angle; ripple NaN where the core cannot carry the on-time.
struct Angles {
  std::array<double, kCheckedAngles> current{};
  std::array<double, kCheckedAngles> duty{};
  std::array<double, kCheckedAngles> ripple{};
};

// The mean over the line of In²/2 for each harmonic n of the triangular ripple, of amplitude
// In = Δ·|sin(nπD)| / (π²·n²·D·(1 − D)). sin(nπD) is carried from the smaller of πD and
// π(1 − D) by rotation, which keeps it accurate relative to its size where D nears 0 or 1.
// The angles are the inner loop, padded to an even count, so that their rotations run two
// at a time.
std::array<double, kCheckedHarmonics> HarmonicPowers(const Angles& angles) {
  constexpr std::size_t kLanes = kCheckedAngles + 1;
  std::array<double, kLanes> weight{};  // trapezoid weight · (Δ / (π²·D·(1 − D)))²
  std::array<double, kLanes> stepSin{};
  std::array<double, kLanes> stepCos{};
  std::array<double, kLanes> sine{};
  std::array<double, kLanes> cosine{};
  for (std::size_t k = 0; k < kCheckedAngles; ++k) {
    const double d = angles.duty[k];
    if (d <= 0 || d >= 1)
      continue;  // no switching: no ripple harmonics
    const double base = angles.ripple[k] / (pi * pi * d * (1 - d));
    const double ends = (k == 0 || k == kCheckedAngles - 1) ? 0.5 : 1.0;
    weight[k] = ends * base * base;
    const double y = pi * std::min(d, 1 - d);
    stepSin[k] = sine[k] = std::sin(y);
    stepCos[k] = cosine[k] = std::cos(y);
  }
  std::array<double, kCheckedHarmonics> powers{};
  for (std::size_t n = 0; n < kCheckedHarmonics; ++n) {
    double even = 0;
    double odd = 0;
    for (std::size_t k = 0; k < kLanes; k += 2) {
      even += weight[k] * sine[k] * sine[k];
      odd += weight[k + 1] * sine[k + 1] * sine[k + 1];
    }
    for (std::size_t k = 0; k < kLanes; ++k) {
      const double nextSine = sine[k] * stepCos[k] + cosine[k] * stepSin[k];
      cosine[k] = cosine[k] * stepCos[k] - sine[k] * stepSin[k];
      sine[k] = nextSine;
    }
    const double order = static_cast<double>(n + 1);
    powers[n] = (even + odd) / (order * order * order * order) / (kCheckedAngles - 1) / 2;
  }
  return powers;
}

// The winding's copper: the DC resistance and Dowell's factor per harmonic at a temperature.
class Winding {
 public:
  explicit Winding(const DesignRecord& r)
      : r20_(r.WindingResistance), frequency_(r.Frequency), layers_(LayersOf(r)) {
    const double bare = ConductorDiameter(r);  // m
    const double pitch = r.WireDia / 100;      // m
    shape_ = std::pow(pi / 4, 0.75) * bare * std::sqrt(bare / pitch);
    for (int n = 1; n <= kCheckedHarmonics; ++n)
      rootOf_[static_cast<std::size_t>(n - 1)] = std::sqrt(static_cast<double>(n));
  }

  static double ResistanceFactor(double temperature) { return CopperResistanceFactor(temperature); }

  double Resistance(double factor) const { return r20_ * factor; }

  // Σ Fr(n)·R(T)·powerₙ.
  double AcLoss(double factor, const std::array<double, kCheckedHarmonics>& powers) const {
    const double resistivity = kCopperResistivity20C * factor;
    const double skinDepth = std::sqrt(resistivity / (pi * frequency_ * kVacuumPermeability));
    const double a1 = shape_ / skinDepth;  // δn = δ1/√n
    double sum = 0;
    for (std::size_t n = 0; n < powers.size(); ++n) {
      if (powers[n] > 0)
        sum += DowellFactor(a1 * rootOf_[n], layers_) * powers[n];
    }
    return Resistance(factor) * sum;
  }

 private:
  double r20_;
  double frequency_;
  double shape_;   // (π/4)^(3/4)·d·√(d/p), m
  double layers_;  // m
  std::array<double, kCheckedHarmonics> rootOf_{};
};

void CheckTemperature(const DesignRecord& r, double iinRms, double coreLoss,
                      const std::array<double, kCheckedHarmonics>& powers, LineCheck& out) {
  const Winding winding(r);
  const double surface = WindingOn(r).SurfaceCm2();
  out.woundSurfaceCm2 = Known(surface);
  double temperature = r.AmbientTemp + r.TempRise;
  double dc = kNoValue;
  double ac = kNoValue;
  double total = kNoValue;
  out.thermal = ThermalEnding::Unsettled;
  for (out.thermalSteps = 0; out.thermalSteps < kMostThermalSteps;) {
    const double factor = Winding::ResistanceFactor(temperature);
    if (!(factor > 0)) {
      out.thermal = ThermalEnding::BelowCopperLaw;
      return;
    }
    dc = iinRms * iinRms * winding.Resistance(factor);
    ac = winding.AcLoss(factor, powers);
    total = coreLoss + dc + ac;
    const double next =
        r.AmbientTemp + std::pow(kMilliwattsPerWatt * total / surface, kWoundRiseExponent);
    const double moved = std::fabs(next - temperature);
    temperature = next;
    ++out.thermalSteps;
    if (!(temperature <= kRunawayTemperature)) {
      out.thermal = ThermalEnding::Runaway;
      break;
    }
    if (moved < kSteadyMove) {
      out.thermal = ThermalEnding::Steady;
      break;
    }
  }
  out.copperDcLossW = Known(dc);
  out.copperAcLossW = Known(ac);
  out.totalLossW = Known(total);
  out.temperatureRiseC = Known(temperature - r.AmbientTemp);
  out.windingTemperatureC = Known(temperature);
}

// Peak current, ripple figures, DCM angle and flux at the peak, for a line with a ripple at
// every angle.
void CheckPeaks(const RolloffInductor& inductor, const DesignRecord& r, double ipkLine,
                double turnsArea, const Angles& angles, LineCheck& out) {
  int peakAt = 0;
  int worstAt = 0;
  int dcmBelow = 0;
  double peak = -std::numeric_limits<double>::infinity();
  for (int k = 0; k < kCheckedAngles; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const double top = angles.current[i] + angles.ripple[i] / 2;
    if (top > peak) {
      peak = top;
      peakAt = k;
    }
    if (angles.ripple[i] > angles.ripple[static_cast<std::size_t>(worstAt)])
      worstAt = k;
    if (k >= 1 && angles.current[i] < angles.ripple[i] / 2)
      dcmBelow = k;
  }
  const double worst = angles.ripple[static_cast<std::size_t>(worstAt)];
  out.ipk = Known(peak);
  out.ipkAngleDeg = peakAt;
  out.rippleMaxPp = Known(worst);
  out.rippleMaxAngleDeg = worstAt;
  out.rippleMaxPercentOfIpkLine = ipkLine > 0 ? Known(worst / ipkLine * 100) : std::nullopt;
  out.rippleAtCrestPp = Known(angles.ripple[kCheckedAngles - 1]);
  out.rippleAtCrestPercentOfIpkLine =
      ipkLine > 0 ? Known(angles.ripple[kCheckedAngles - 1] / ipkLine * 100) : std::nullopt;
  out.dcmBelowAngleDeg = dcmBelow;
  out.atIpk = InductanceAt(inductor, peak, r.Inductance);
  out.bAtIpkT = Known(inductor.FluxLinkage(peak) / turnsArea);
}

// The ripple at angle k from the mean inductance VS/Δ of the angles before it, extrapolated
// (it varies smoothly along the line, also where the duty and with it Δ reach zero), as the
// root finder's starting point; 0 (none) where an earlier angle has no such mean.
double RippleEstimate(const std::array<double, kCheckedAngles>& meanInductance, int k,
                      double voltSeconds) {
  const auto at = [&meanInductance, k](int back) {
    return meanInductance[static_cast<std::size_t>(k - back)];
  };
  double mean = 0;
  if (k >= 5)
    mean = 4 * at(1) - 6 * at(2) + 4 * at(3) - at(4);
  else if (k >= 2)
    mean = at(1);
  return mean > 0 ? voltSeconds / mean : 0;  // NaN compares false
}

// sin θ at the checked angles, the same for every line of every design.
const std::array<double, kCheckedAngles>& AngleSines() {
  static const std::array<double, kCheckedAngles> sines = [] {
    std::array<double, kCheckedAngles> values{};
    for (int k = 0; k < kCheckedAngles; ++k)
      values[static_cast<std::size_t>(k)] = std::sin(k * (pi / 2) / (kCheckedAngles - 1));
    return values;
  }();
  return sines;
}

// The improved generalised Steinmetz equation for a triangular flux at one switching
// frequency: the loss of a swing ΔB at duty D is ki·ΔB^β·f^α·(D^(1−α) + (1−D)^(1−α)), with
// ki = k / ((2π)^(α−1)·2^(β−α)·∫₀^2π |cos θ|^α dθ) so that a sine of the same peak loses what
// the fit says.
class IgseFactor {
 public:
  IgseFactor(const CoreLossFit& fit, double frequency) : fit_(fit) {
    const double a = fit.alpha;
    const double cosinePowerIntegral =
        2 * std::sqrt(pi) * std::tgamma((a + 1) / 2) / std::tgamma(a / 2 + 1);
    const double ki =
        fit.k / (std::pow(2 * pi, a - 1) * std::pow(2, fit.beta - a) * cosinePowerIntegral);
    factor_ = ki * std::pow(frequency / 1000, a);
  }

  // W/kg; an angle without a swing, or without switching, loses nothing.
  double Density(double swing, double duty) const {
    if (!(swing > 0) || !(duty > 0 && duty < 1))
      return 0;
    const double shape = std::pow(duty, 1 - fit_.alpha) + std::pow(1 - duty, 1 - fit_.alpha);
    return factor_ * std::pow(swing, fit_.beta) * shape;
  }

 private:
  CoreLossFit fit_;
  double factor_ = 0;  // ki·(f/kHz)^α
};

}  // namespace

// Neumaier's compensated sum, so that the mean of a constant is that constant.
double LineCycleMean(const std::array<double, kCheckedAngles>& values) {
  double sum = 0;
  double lost = 0;  // the low-order parts the running sum could not hold
  for (std::size_t k = 0; k < values.size(); ++k) {
    const double value = (k == 0 || k + 1 == values.size()) ? values[k] / 2 : values[k];
    const double next = sum + value;
    lost += std::fabs(sum) >= std::fabs(value) ? (sum - next) + value : (value - next) + sum;
    sum = next;
  }
  return (sum + lost) / (kCheckedAngles - 1);
}

const RolloffGrade& DefaultGradeFor(const DesignRecord& record) {
  return NearestGrade(CataloguePermeability(record));
}

Material GradeMaterialFor(const DesignRecord& record, int grade) {
  const RolloffGrade* chosen = FindRolloffGrade(grade);
  return chosen != nullptr ? Material(*chosen) : Material(DefaultGradeFor(record));
}

RolloffInductor CheckedInductor(const DesignRecord& r, const Material& material, double alFactor) {
  return RolloffInductor(r.Turns, MaterialAlValue(r, material) * alFactor, r.PathLength, material.b,
                         material.c);
}

double TurnsPerHoleLayer(const DesignRecord& r) {
  return pi * (r.CoreID - r.WireDia) / r.WireDia;
}

double LayersOf(const DesignRecord& r) {
  // A layer is laid of strands: K strands of N turns are K·N conductors.
  const double conductors = r.Turns * r.Strands;
  const double perLayer = TurnsPerHoleLayer(r);
  return perLayer > 0 ? std::max(1.0, conductors / perLayer) : conductors;
}

double ConductorDiameter(const DesignRecord& r) {
  const double perMetre = r.WireResistance * 100;  // Ω/m
  return std::sqrt(4 * kCopperResistivity20C / (pi * perMetre));
}

double CopperResistanceFactor(double temperature) {
  return 1 + kCopperTemperatureCoefficient * (temperature - kCopperReferenceTemperature);
}

double WoundDimensions::SurfaceCm2() const {
  return pi * ht * (od + id) + (pi / 2) * (od * od - id * id);
}

WoundDimensions WindingOn(const DesignRecord& r) {
  const double wire = r.WireDia;            // cm
  const double inner = LayersOf(r) * wire;  // the build of the layers in the hole
  const double outerLayers = std::max(1.0, r.Turns * r.Strands * wire / (pi * (r.CoreOD + wire)));
  const double outer = outerLayers * wire;  // the turns spread over the outer rim
  const double faces = (inner + outer) / 2;
  return {r.CoreOD + 2 * outer, std::max(0.0, r.CoreID - 2 * inner), r.CoreHT + 2 * faces};
}

double TriangularLossDensity(const CoreLossFit& fit, double swing, double duty, double frequency) {
  return IgseFactor(fit, frequency).Density(swing, duty);
}

LineCheck CheckLine(const DesignRecord& r, const Material& material, LineVoltage line,
                    double alFactor) {
  LineCheck out;
  const double vrms = line == LineVoltage::Low ? r.VinMin : r.VinMax;
  const double vpeak = kSqrt2 * vrms;
  // Not divided by a line voltage that is not positive: such a line is not checked.
  const double iinRms = vrms > 0 ? r.InputPower / vrms : kNoValue;
  const double ipkLine = kSqrt2 * iinRms;
  out.vrms = Known(vrms);
  out.vpeak = Known(vpeak);
  out.peakAboveVout = vpeak >= r.Vout;
  for (int k = 0; k < kCheckedAngles; ++k)
    out.angles[static_cast<std::size_t>(k)].deg = k;
  const RolloffInductor inductor = CheckedInductor(r, material, alFactor);
  out.atIpkLine = InductanceAt(inductor, ipkLine, r.Inductance);
  out.usable = vrms > 0 && std::isfinite(vpeak) && std::isfinite(iinRms) &&
               std::isfinite(ipkLine) && out.atIpkLine.hOe.has_value();
  if (!out.usable) {
    out.atIpkLine = {};
    return out;
  }
  out.iinRms = iinRms;
  out.ipkLine = ipkLine;
  const double turnsArea = r.Turns * (r.CoreArea / 1e4);  // m²

  Angles angles;
  std::array<double, kCheckedAngles> lossDensity{};     // W/kg
  std::array<double, kCheckedAngles> meanInductance{};  // H, VS/Δ
  const IgseFactor coreLossLaw(material.loss, r.Frequency);
  double largestSwing = 0;
  const std::array<double, kCheckedAngles>& sines = AngleSines();
  for (int k = 0; k < kCheckedAngles; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const double sine = sines[i];
    const double v = vpeak * sine;
    const double current = ipkLine * sine;
    const double duty = std::max(0.0, 1 - v / r.Vout);
    const double voltSeconds = v * duty / r.Frequency;
    const double swing = voltSeconds / turnsArea;
    const std::optional<double> ripple =
        inductor.Ripple(current, voltSeconds, RippleEstimate(meanInductance, k, voltSeconds));
    meanInductance[i] = ripple && *ripple > 0 ? voltSeconds / *ripple : kNoValue;
    out.saturates = out.saturates || !ripple;
    angles.current[i] = current;
    angles.duty[i] = duty;
    angles.ripple[i] = ripple.value_or(kNoValue);
    lossDensity[i] = coreLossLaw.Density(swing, duty);
    largestSwing = std::max(largestSwing, swing);

    CheckedAngle& row = out.angles[i];
    row.vin = Known(v);
    row.iAvg = Known(current);
    row.duty = Known(duty);
    row.ripplePp = Known(angles.ripple[i]);
    row.iMax = Known(current + angles.ripple[i] / 2);
    row.fluxSwingT = Known(swing);
  }
  const double coreLoss = LineCycleMean(lossDensity) * r.CoreMass / 1000;
  out.coreLossW = Known(coreLoss);
  out.fluxSwingMaxMt = Known(largestSwing * 1000);
  if (out.saturates)
    return out;

  CheckPeaks(inductor, r, ipkLine, turnsArea, angles, out);
  CheckTemperature(r, iinRms, coreLoss, HarmonicPowers(angles), out);
  return out;
}

double WorstCaseAlFactor(double alTolerancePercent) {
  return 1 - alTolerancePercent / 100;
}

// Each line is made in its place: a LineCheck is kilobytes of angle rows, not worth a copy.
OperatingCheck CheckOperation(const DesignRecord& record, const Material& material,
                              double alTolerancePercent) {
  const double al = MaterialAlValue(record, material);
  OperatingCheck check{material,
                       Known(CataloguePermeability(record)),
                       Known(al),
                       Known(record.Turns * record.Turns * al * 1e-9 * 1e6),
                       CheckLine(record, material, LineVoltage::Low),
                       CheckLine(record, material, LineVoltage::High),
                       std::nullopt};
  if (alTolerancePercent > 0) {
    const double factor = WorstCaseAlFactor(alTolerancePercent);
    check.worstCase.emplace();
    check.worstCase->alTolerancePercent = alTolerancePercent;
    check.worstCase->lowLine = CheckLine(record, material, LineVoltage::Low, factor);
    check.worstCase->highLine = CheckLine(record, material, LineVoltage::High, factor);
  }
  return check;
}

}  // namespace pfc
