#include "engine/search/combination_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/check/check_verdicts.h"
#include "engine/check/operating_check.h"
#include "engine/method/core_design.h"
#include "engine/method/method_constants.h"

namespace pfc {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();
// How far past its limit a candidate counts when the limit has no measure of distance.
constexpr double kWholeMiss = 1;
// The share by which an option's fill may seem to pass the room before it is wound and its
// fill judged by the method's own formula, which rounds otherwise.
constexpr double kFillSlack = 1e-9;

void Break(SearchCandidate& candidate, SearchLimit limit, double by) {
  candidate.broken |= static_cast<unsigned>(limit);
  candidate.shortfall = std::max(candidate.shortfall, std::isfinite(by) ? by : kWholeMiss);
}

// The winding the search tries, given to the method's own formulas as the check command
// gives it.
bool Wind(DesignRecord& r, const WireTable& wires, double turns, std::int16_t wire,
          double strands = 1) {
  return EvaluateCore(r, wires, GivenWinding{turns, wire, strands}) == Evaluation::Completed;
}

bool Fits(const DesignRecord& r) {
  return r.ActualFillFactor <= r.FillFactorLimit;
}

// The most turns of the wire that fit the window, 0 for none; the fill grows with N.
double MostTurnsThatFit(DesignRecord& r, const WireTable& wires, std::int16_t wire) {
  const auto fits = [&](double turns) {
    Wind(r, wires, turns, wire);
    return Fits(r);
  };
  if (!fits(1))
    return 0;
  // The first that does not fit, by bisection from the method's upper end.
  const std::optional<double> tooMany =
      FewestPassing(kMostTurns, [&](double n) { return !fits(n); });
  return tooMany ? *tooMany - 1 : kMostTurns;
}

// The low-line inductance at the peak current, % of the target; −∞ where it does not exist.
double InductanceShare(DesignRecord& r, const CombinationContext& context, const Material& material,
                       double turns) {
  if (!Wind(r, context.wires, turns, context.methodWire))
    return kMinusInfinity;
  const LineCheck low = CheckLine(r, material, LineVoltage::Low,
                                  WorstCaseAlFactor(context.limits.alTolerancePercent));
  return low.saturates ? kMinusInfinity : low.atIpk.lPercentOfTarget.value_or(kMinusInfinity);
}

double Value(const CheckedNumber& number) {
  return number.value_or(kNone);
}

double Worse(const CheckedNumber& a, const CheckedNumber& b) {
  if (!a || !b)
    return kNone;
  return std::max(*a, *b);
}

// Judges the wound record's check against the limits, into the candidate's broken limits:
// the check's own verdicts, so that a feasible row passes the check with the same limits.
void Judge(const DesignRecord& r, const OperatingCheck& check, const DesignLimits& limits,
           SearchCandidate& c) {
  const auto verdicts = JudgeCheck(check, limits);
  const auto misses = [&verdicts](CheckVerdict v) {
    return !verdicts[static_cast<std::size_t>(v)].Passes();
  };
  const double required = limits.inductancePercent;
  if (misses(CheckVerdict::InductanceAtPeak)) {
    const double least =
        std::min(Value(JudgedFigure(check, CheckVerdict::InductanceAtPeak, LineVoltage::Low)),
                 Value(JudgedFigure(check, CheckVerdict::InductanceAtPeak, LineVoltage::High)));
    Break(c, SearchLimit::Inductance, (required - least) / required);
  }
  // A temperature that does not exist is the steady verdict's miss, not this one's.
  const VerdictOutcome& temperature = verdicts[static_cast<std::size_t>(CheckVerdict::Temperature)];
  if (temperature.lowMisses || temperature.highMisses)
    Break(c, SearchLimit::Temperature,
          (c.windingTemperatureC - limits.temperatureC) / std::fabs(limits.temperatureC));
  if (misses(CheckVerdict::Steady))
    Break(c, SearchLimit::Steady, kNone);
  if (misses(CheckVerdict::Saturation))
    Break(c, SearchLimit::Saturation, kNone);
  if (!Fits(r))
    Break(c, SearchLimit::Fill, (r.ActualFillFactor - r.FillFactorLimit) / r.FillFactorLimit);
  if (misses(CheckVerdict::RippleAtCrest))
    Break(c, SearchLimit::Ripple,
          (c.rippleAtCrestPercent - *limits.ripplePercent) / *limits.ripplePercent);
}

}  // namespace

namespace {

// The candidate of the record as wound: its check, figures and broken limits.
SearchCandidate CheckCandidate(const DesignRecord& r, const CombinationContext& context,
                               const Material& material, std::size_t materialIndex,
                               std::int16_t wire, bool completed) {
  SearchCandidate c;
  c.wireRow = wire;
  c.part = context.catalogue.PartNo[static_cast<std::size_t>(r.CoreIndex)];
  c.row = r.CoreIndex;
  c.stack = r.CoresToStack;
  c.material = materialIndex;
  c.materialName = material.name;
  c.permeability = material.permeability;
  c.turns = r.Turns;
  c.gauge = r.WireGauge;
  c.strands = r.Strands;
  c.fill = r.ActualFillFactor;
  const WoundDimensions wound = WindingOn(r);
  c.woundVolumeCm3 = wound.od * wound.od * wound.ht;
  if (!completed) {
    c.lAtIpkPercent = c.rippleAtCrestPercent = c.coreLossW = c.copperLossW = kNone;
    c.totalLossW = c.windingTemperatureC = kNone;
    Break(c, SearchLimit::Headroom, kNone);
    return c;
  }
  const OperatingCheck check = CheckOperation(r, material, context.limits.alTolerancePercent);
  const LineCheck& low = check.lowLine;
  // With a worst-case core, the figures the limits are judged by: its where they are worse.
  c.lAtIpkPercent = Value(JudgedFigure(check, CheckVerdict::InductanceAtPeak, LineVoltage::Low));
  c.rippleAtCrestPercent =
      Value(JudgedFigure(check, CheckVerdict::RippleAtCrest, LineVoltage::Low));
  c.coreLossW = Value(low.coreLossW);
  c.copperLossW =
      low.copperDcLossW && low.copperAcLossW ? *low.copperDcLossW + *low.copperAcLossW : kNone;
  c.totalLossW = Value(low.totalLossW);
  c.windingTemperatureC = Worse(low.windingTemperatureC, check.highLine.windingTemperatureC);
  Judge(r, check, context.limits, c);
  return c;
}

void Keep(CombinationOutcome& outcome, SearchCandidate&& candidate) {
  ++outcome.checked;
  if (candidate.broken == 0) {
    outcome.feasible.push_back(std::move(candidate));
    return;
  }
  if (!outcome.nearestMiss || NearerMiss(candidate, *outcome.nearestMiss))
    outcome.nearestMiss = std::move(candidate);
}

// Checks the turn count with the thickest wires that fit; the lowest total loss among them,
// +∞ for none.
double CheckTurns(DesignRecord& r, const CombinationContext& context, const Material& material,
                  std::size_t materialIndex, double turns, CombinationOutcome& outcome) {
  double lowest = std::numeric_limits<double>::infinity();
  // The fill is N·strands·π·d²/(4·Wa): the options that plainly overfill are passed over
  // unwound, and the method's own formula judges the rest.
  const double room = r.FillFactorLimit * 4 * r.WindowArea / (kMethodPi * turns);  // cm²
  int checked = 0;
  for (const WireOption& option : context.wireOptions) {
    if (checked == kWiresPerTurnCount)
      break;
    if (option.fillArea > room * (1 + kFillSlack))
      continue;
    const bool completed = Wind(r, context.wires, turns, option.wireRow, option.strands);
    if (!Fits(r))
      continue;
    ++checked;
    SearchCandidate candidate =
        CheckCandidate(r, context, material, materialIndex, option.wireRow, completed);
    if (candidate.totalLossW < lowest)
      lowest = candidate.totalLossW;
    Keep(outcome, std::move(candidate));
  }
  return lowest;
}

// The one candidate that shows why a combination has none: checked at `turns` with the
// method's wire.
void KeepMissAt(DesignRecord& r, const CombinationContext& context, const Material& material,
                std::size_t materialIndex, double turns, CombinationOutcome& outcome) {
  const bool completed = Wind(r, context.wires, turns, context.methodWire);
  Keep(outcome, CheckCandidate(r, context, material, materialIndex, context.methodWire, completed));
}

}  // namespace

std::vector<WireOption> SearchedWires(const WireTable& wires, std::int16_t methodWire) {
  const double least = wires.Area[static_cast<std::size_t>(methodWire)];
  std::vector<WireOption> options;
  for (std::int16_t row = 1; row <= wires.RowCount(); ++row) {
    const auto k = static_cast<std::size_t>(row);
    for (int strands = 1; strands <= kSearchedStrands; ++strands) {
      const double copper = strands * wires.Area[k];
      if (copper >= least)
        options.push_back({row, static_cast<double>(strands), copper,
                           strands * wires.Diameter[k] * wires.Diameter[k]});
    }
  }
  std::stable_sort(options.begin(), options.end(), [](const WireOption& a, const WireOption& b) {
    return a.copperArea != b.copperArea ? a.copperArea > b.copperArea : a.strands < b.strands;
  });
  return options;
}

CombinationOutcome SearchCombination(DesignRecord& r, const CombinationContext& context,
                                     std::int16_t row, std::int16_t stack, const Material& material,
                                     std::size_t materialIndex) {
  CombinationOutcome outcome;
  r.CoresToStack = stack;
  r.CoreIndex = row;
  LoadCore(r, context.catalogue, row);
  const double mostTurns = MostTurnsThatFit(r, context.wires, context.methodWire);
  outcome.mostTurns = mostTurns;
  if (mostTurns < 1) {
    KeepMissAt(r, context, material, materialIndex, 1, outcome);
    return outcome;
  }
  const auto share = [&](double turns) { return InductanceShare(r, context, material, turns); };
  // Deep in roll-off with c ≥ 2 the inductance at a given current peaks in N: past the peak
  // more turns only lose inductance.
  const double upper = material.c >= 2 ? PeakOf(mostTurns, share) : mostTurns;
  const double required = context.limits.inductancePercent;
  const std::optional<double> fewest =
      FewestPassing(upper, [&](double turns) { return share(turns) >= required; });
  outcome.fewestTurns = fewest;
  if (!fewest) {
    KeepMissAt(r, context, material, materialIndex, upper, outcome);
    return outcome;
  }
  double previous = std::numeric_limits<double>::infinity();
  int rises = 0;
  for (double turns = *fewest; turns <= mostTurns && rises < kRisesBeforeStop; ++turns) {
    const double loss = CheckTurns(r, context, material, materialIndex, turns, outcome);
    rises = loss < previous ? 0 : rises + 1;
    previous = loss;
  }
  return outcome;
}

}  // namespace pfc
