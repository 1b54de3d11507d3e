#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>

#include "engine/check/inductor_model.h"
#include "reports/check/inductor_model_text.h"
#include "tests/simulator/simulated_model.h"
#include "tests/support/scratch_folder.h"

namespace pfc::test {
namespace {

// The netlist with each "{key}" replaced by its text; numbers exact to the last digit.
std::string Netlist(std::string text, const std::map<std::string, std::string>& texts,
                    const std::map<std::string, double>& numbers) {
  const auto put = [&text](const std::string& key, const std::string& value) {
    const std::string placeholder = "{" + key + "}";
    for (std::size_t at; (at = text.find(placeholder)) != std::string::npos;)
      text.replace(at, placeholder.size(), value);
  };
  for (const auto& [key, value] : texts)
    put(key, value);
  for (const auto& [key, value] : numbers) {
    std::ostringstream number;
    number << std::setprecision(17) << value;
    put(key, number.str());
  }
  EXPECT_EQ(text.find('{'), std::string::npos) << text;
  return text;
}

// The subcircuit's name in `pfc-core model`'s ngspice file.
std::string SubcircuitName(const std::string& model) {
  const std::size_t at = model.find(".subckt ");
  return model.substr(at + 8, model.find(' ', at + 8) - at - 8);
}

constexpr double kDriveTime = 100e-9;  // s: short, so the winding resistance's drop stays small
constexpr double kDriveRamp = 1e-9;    // s: the drive's rise
constexpr double kBiasSettled = 3e-6;  // s: the bias current is reached at 1 µs

// A current source biases the model at i0; a switch then hands the node to a voltage source
// that rises to v and holds it. The current step between the start of the rise and
// kDriveTime after its end is the winding's answer to v·(kDriveTime + kDriveRamp/2).
constexpr const char* kVoltSeconds = R"(* volt-seconds at a bias
.include model.cir
Ibias 0 a PWL(0 0 1u {bias})
Vsense a b 0
X1 b 0 {name}
Sdrive a drive ctl 0 ideal
Vctl ctl 0 PWL(0 0 {handover} 0 {closed} 1)
Vdrive drive 0 PWL(0 0 {start} 0 {risen} {volts})
.model ideal sw vt=0.5 ron=1e-6 roff=1e12
.tran 1n {end} 0 1n
.meas tran before find i(vsense) at={start}
.meas tran after find i(vsense) at={end}
.end
)";

TEST(NgspiceModel, AVoltagePulseMovesTheCurrentAsTheExactFluxLinkageDoes) {
  const DefaultDesign design;
  const RolloffInductor winding = design.Winding();
  const std::string model = DefaultDesign::Model("ngspice");
  const double peak = *design.check.lowLine.ipk;
  struct Case {
    double biasShare;  // of the peak current
    double riseShare;  // the current step the pulse is sized for
  };
  for (const Case& c : {Case{0, 0.4}, Case{0.5, 0.4}, Case{1, 0.4}, Case{1, 0.1}}) {
    SCOPED_TRACE(c.biasShare);
    const double bias = c.biasShare * peak;
    const double voltSeconds = winding.FluxLinkageBetween(bias, bias + c.riseShare * peak);
    const double volts = voltSeconds / (kDriveTime + kDriveRamp / 2);
    ScratchFolder folder;
    const std::string netlist = Netlist(kVoltSeconds, {{"name", SubcircuitName(model)}},
                                        {{"bias", bias},
                                         {"handover", kBiasSettled - 20e-9},
                                         {"closed", kBiasSettled - 19e-9},
                                         {"start", kBiasSettled},
                                         {"risen", kBiasSettled + kDriveRamp},
                                         {"volts", volts},
                                         {"end", kBiasSettled + kDriveRamp + kDriveTime}});
    const Simulation run =
        RunNgspice(folder.Path(), {{"drive.cir", netlist}, {"model.cir", model}});
    ASSERT_TRUE(run.ran && run.measures.count("before") && run.measures.count("after")) << run.log;
    // The switch hands the node over 20 ns early, at 0 V: the winding resistance's drop
    // unwinds a little of the bias then.
    const double before = run.measures.at("before");
    EXPECT_NEAR(before, bias, 1e-4 * peak);
    const double expected = CurrentRise(winding, before, voltSeconds);
    EXPECT_NEAR(run.measures.at("after") - run.measures.at("before"), expected, 0.005 * expected);
  }
}

// A boost stage at the low line's crest: DC input at the crest voltage, output held at Vout,
// ideal switches (the diode one that closes on its own forward voltage). A current source
// first brings the winding to the valley the check predicts, then the input takes over and
// switching starts. The duty balances the volt-seconds with the winding resistance's drop at
// the line-peak current, so the current stays centred there.
constexpr const char* kBoost = R"(* boost stage at the crest
.include model.cir
Iprime 0 in PWL(0 0 1u {valley})
Sinput in supply inctl 0 ideal
Vsupply supply 0 {vin}
Vinctl inctl 0 PWL(0 0 {before} 0 {after} 1)
Vsense in l 0
X1 l sw {name}
Sprime sw 0 primectl 0 ideal
Vprimectl primectl 0 PWL(0 1 {start} 1 {primed} 0)
Smain sw 0 gate 0 ideal
Vgate gate 0 PULSE(0 1 {before} 1n 1n {on} {period})
Sdiode sw out sw out diode
Vout out 0 {vout}
.model ideal sw vt=0.5 ron=1e-6 roff=1e12
.model diode sw vt=0 ron=1e-6 roff=1e12
.tran 10n {stop} 0 10n
.meas tran top max i(vsense) from={measured} to={stop}
.meas tran valley min i(vsense) from={measured} to={stop}
.end
)";

std::string BoostNetlist(const std::string& name, const DesignRecord& r, const LineCheck& low,
                         double resistance) {
  const double period = 1 / r.Frequency;
  const double current = *low.ipkLine;
  const double duty = 1 - (*low.vpeak - current * resistance) / r.Vout;
  const double start = 5e-6;
  const double stop = start + 20 * period;
  return Netlist(kBoost, {{"name", name}},
                 {{"valley", current - *low.rippleAtCrestPp / 2},
                  {"vin", *low.vpeak},
                  {"before", start - 0.5e-9},
                  {"after", start + 0.5e-9},
                  {"start", start},
                  {"primed", start + 1e-9},
                  {"on", duty * period - 1e-9},
                  {"period", period},
                  {"vout", r.Vout},
                  {"stop", stop},
                  {"measured", stop - 3 * period}});
}

TEST(NgspiceModel, ABoostStageAtTheCrestRipplesAsTheCheckSays) {
  const DefaultDesign design;
  const LineCheck& low = design.check.lowLine;
  const InductorModel inductor = ModelCheckedWinding(design.record, design.check);
  const std::string model = DefaultDesign::Model("ngspice");
  ScratchFolder folder;
  const Simulation run = RunNgspice(
      folder.Path(),
      {{"boost.cir", BoostNetlist(SubcircuitName(model), design.record, low, inductor.resistance)},
       {"model.cir", model}});
  ASSERT_TRUE(run.ran && run.measures.count("top") && run.measures.count("valley")) << run.log;
  const double top = run.measures.at("top");
  const double valley = run.measures.at("valley");
  // The check's current is the middle of the ripple, not its time average.
  EXPECT_NEAR((top + valley) / 2, *low.ipkLine, 0.01 * *low.ipkLine);
  EXPECT_NEAR(top - valley, *low.rippleAtCrestPp, 0.01 * *low.rippleAtCrestPp);
}

}  // namespace
}  // namespace pfc::test
