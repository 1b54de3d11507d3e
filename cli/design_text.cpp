#include "cli/design_text.h"

#include <string_view>

namespace pfc {
namespace {

constexpr std::size_t kCaptionWidth = 23;

// The message with CR LF turned into indented terminal lines.
void AppendMessage(std::string& out, const Message& message) {
  out.append(message.title).append(":\n  ");
  std::string_view text = message.text;
  for (std::size_t lineEnd; (lineEnd = text.find("\r\n")) != std::string_view::npos;) {
    out.append(text.substr(0, lineEnd)).append("\n  ");
    text.remove_prefix(lineEnd + 2);
  }
  out.append(text).append("\n\n");
}

void AppendRow(std::string& out, std::string_view caption, std::string_view text,
               std::string_view unit) {
  out.append("  ").append(caption);
  out.append(kCaptionWidth > caption.size() ? kCaptionWidth - caption.size() : 1, ' ');
  out.append(text);
  if (!unit.empty())
    out.append(" ").append(unit);
  out.append("\n");
}

void AppendSummary(std::string& out, const ResultSummary& s) {
  out.append("PFC Summary Core Design\n\nInput Values\n");
  AppendRow(out, "Frequency", s.txtFrequency, "Hz");
  AppendRow(out, "Inductance", s.txtInductance, "Henries");
  AppendRow(out, "Output Power", s.txtOutputPower, "Watts");
  AppendRow(out, "Efficiency", s.txtEfficiency, "%");
  AppendRow(out, "Vin Min", s.txtVinMin, "Volts");
  AppendRow(out, "Vin Max", s.txtVinMax, "Volts");
  AppendRow(out, "Vout", s.txtVout, "Volts");
  AppendRow(out, "Ambient Temperature", s.txtAmbientTemp, "°C");
  AppendRow(out, "Fill Factor", s.txtFillFactor, "");
  out.append("\nSummary Output\n");
  std::string core = s.txtOutCoreSize;
  if (!s.txtStackout.empty())
    core.append(" ").append(s.txtStackout);
  AppendRow(out, "Core Size", core, "");
  AppendRow(out, "No. of Turns", s.txtNoOfTurns, "");
  AppendRow(out, "Wire Gauge", s.txtWireGuage, "AWG");
  AppendRow(out, "Zero Bias Inductance", s.txtZeroInductance, "µH");
  AppendRow(out, "Full Bias Inductance", s.txtFullInductance, "µH");
  AppendRow(out, "Core Loss", s.txtCoreLoss, "Watts");
  AppendRow(out, "Copper Loss", s.txtCopperLoss, "Watts");
  AppendRow(out, "Total Losses", s.txtTotalLosses, "Watts");
  AppendRow(out, "Total Temperature", s.txtTotalTemp, s.totaltemp);
}

}  // namespace

std::string DesignText(const RunOutcome& outcome) {
  std::string out;
  for (const Message& message : outcome.messages)
    AppendMessage(out, message);
  if (outcome.focus)
    out.append("Focus: ").append(DescriptionOf(*outcome.focus).caption).append("\n");
  if (outcome.ending == RunEnding::Published)
    AppendSummary(out, outcome.summary);
  return out;
}

}  // namespace pfc
