#include "ui/forms/summary_window.h"

#include <array>
#include <utility>

#include "ui/forms/form_names.h"

namespace pfc::ui {

namespace {

using Field = std::pair<const char*, std::string ResultSummary::*>;

constexpr std::array<Field, 8> kEchoFields{{
    {"txtFrequency", &ResultSummary::txtFrequency},
    {"txtInductance", &ResultSummary::txtInductance},
    {"txtOutputPower", &ResultSummary::txtOutputPower},
    {"txtEfficiency", &ResultSummary::txtEfficiency},
    {"txtVinMin", &ResultSummary::txtVinMin},
    {"txtVinMax", &ResultSummary::txtVinMax},
    {"txtVout", &ResultSummary::txtVout},
    {"txtAmbientTemp", &ResultSummary::txtAmbientTemp},
}};

// In the order publication writes them; the total temperature follows separately.
constexpr std::array<Field, 9> kPublishedFields{{
    {"txtOutCoreSize", &ResultSummary::txtOutCoreSize},
    {"txtStackout", &ResultSummary::txtStackout},
    {"txtNoOfTurns", &ResultSummary::txtNoOfTurns},
    {"txtWireGuage", &ResultSummary::txtWireGuage},
    {"txtFillFactor", &ResultSummary::txtFillFactor},
    {"txtZeroInductance", &ResultSummary::txtZeroInductance},
    {"txtFullInductance", &ResultSummary::txtFullInductance},
    {"txtCoreLoss", &ResultSummary::txtCoreLoss},
    {"txtCopperLoss", &ResultSummary::txtCopperLoss},
}};

constexpr Field kTotalLosses{"txtTotalLosses", &ResultSummary::txtTotalLosses};

}  // namespace

void ShowInputEcho(Toolkit& toolkit, const ResultSummary& summary) {
  for (const auto& [control, member] : kEchoFields) {
    toolkit.SetText(kSummaryForm, control, summary.*member);
  }
}

void ShowPublishedSummary(Toolkit& toolkit, const ResultSummary& summary) {
  for (const auto& [control, member] : kPublishedFields) {
    toolkit.SetText(kSummaryForm, control, summary.*member);
  }
  toolkit.SetText(kSummaryForm, kTotalLosses.first, summary.*kTotalLosses.second);
  const bool warn = summary.txtTotalTempStyle == TotalTempStyle::BoldRed;
  toolkit.SetText(kSummaryForm, "txtTotalTemp", summary.txtTotalTemp);
  toolkit.SetBold(kSummaryForm, "txtTotalTemp", warn);
  toolkit.SetForeColor(kSummaryForm, "txtTotalTemp", warn ? kRed : kBlack);
  toolkit.SetText(kSummaryForm, "totaltemp", summary.totaltemp);
}

void ResetTotalTempEmphasis(Toolkit& toolkit) {
  toolkit.SetBold(kSummaryForm, "txtTotalTemp", false);
  toolkit.SetForeColor(kSummaryForm, "txtTotalTemp", kBlack);
}

ResultSummary ReadSummaryWindow(Toolkit& toolkit) {
  ResultSummary summary;
  for (const auto& [control, member] : kEchoFields) {
    summary.*member = toolkit.Text(kSummaryForm, control);
  }
  for (const auto& [control, member] : kPublishedFields) {
    summary.*member = toolkit.Text(kSummaryForm, control);
  }
  summary.*kTotalLosses.second = toolkit.Text(kSummaryForm, kTotalLosses.first);
  summary.txtcore = toolkit.Text(kSummaryForm, "txtcore");
  summary.txtTotalTemp = toolkit.Text(kSummaryForm, "txtTotalTemp");
  summary.totaltemp = toolkit.Text(kSummaryForm, "totaltemp");
  summary.txtTotalTempStyle = toolkit.IsBold(kSummaryForm, "txtTotalTemp")
                                  ? TotalTempStyle::BoldRed
                                  : TotalTempStyle::NormalBlack;
  return summary;
}

}  // namespace pfc::ui
