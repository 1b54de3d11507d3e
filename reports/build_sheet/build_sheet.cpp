#include "reports/build_sheet/build_sheet.h"

#include <cmath>

#include "engine/method/version.h"
#include "engine/record/number_text.h"
#include "reports/build_sheet/html_text.h"
#include "reports/build_sheet/inductance_chart.h"
#include "reports/check/check_figures.h"
#include "reports/check/check_verdict_texts.h"

namespace pfc {
namespace {

// Fits the printable width of A4 (210 mm) and Letter (216 mm) with their usual margins.
constexpr const char* kStyle =
    "@page{margin:15mm}"
    "body{font-family:sans-serif;font-size:10pt;color:#000;max-width:180mm;margin:0 auto}"
    "h1{font-size:16pt;margin:0 0 2mm}h2{font-size:12pt;margin:5mm 0 2mm}"
    "table{border-collapse:collapse;width:100%}"
    "th,td{border-bottom:1px solid #bbb;padding:1mm 2mm;text-align:left}"
    "td{text-align:right;font-variant-numeric:tabular-nums}"
    "thead th{text-align:right}thead th:first-child{text-align:left}"
    ".miss{color:#b00000;font-weight:bold}.pass{color:#006000}.unjudged{color:#606060}"
    "section{break-inside:avoid}"
    "svg{width:100%;height:auto;font-size:11px}"
    ".axis{fill:none;stroke:#000}.curve{fill:none;stroke:#004c99;stroke-width:2}"
    ".target{fill:none;stroke:#b00000;stroke-dasharray:6 4}"
    ".low{fill:#004c99}.high{fill:#e07000}"
    "circle[class~=line-peak]{fill-opacity:0.45}";

std::string Figure(double value) {
  return SheetFigure(CheckedNumber(value));
}

std::string Whole(double value) {
  return FormatGeneral(value);
}

std::string Head(const std::string& caption, std::initializer_list<const char*> columns) {
  std::string head = "<table><thead><tr><th>" + HtmlEscaped(caption) + "</th>";
  for (const char* column : columns)
    head += std::string("<th>") + column + "</th>";
  return head + "</tr></thead><tbody>\n";
}

constexpr const char* kTableEnd = "</tbody></table>\n";

std::string Header(const BuildSheetSource& s) {
  const DesignRecord& r = s.built;
  const std::string frequency =
      r.Frequency >= 1000 ? Whole(r.Frequency / 1000) + " kHz" : Whole(r.Frequency) + " Hz";
  std::string html =
      "<h1>Build sheet: " + HtmlEscaped(CheckedCoreName(r.SelectedCoreSize, r.CoresToStack)) +
      ", " + Whole(r.Turns) + " turns of " + WireText(r.Strands, r.WireGauge) + "</h1>\n<p>";
  html += "Operating point: " + Whole(r.OutputPower) + " W out, " + Whole(r.VinMin) + " to " +
          Whole(r.VinMax) + " V RMS in, " + Whole(r.Vout) + " V DC out, " + frequency + ", " +
          Whole(r.Inductance * 1e6) + " µH at full load, efficiency " + Whole(r.Efficiency * 100) +
          " %, ambient " + Whole(r.AmbientTemp) + " °C.<br>\n";
  html += "PFC Core Designer " + HtmlEscaped(std::string(kVersion));
  if (!s.designFile.empty())
    html += "; design file " + HtmlEscaped(s.designFile);
  if (!s.date.empty())
    html += "; " + HtmlEscaped(s.date);
  return html + ".</p>\n";
}

std::string CoreTable(const BuildSheetSource& s) {
  const DesignRecord& r = s.built;
  const double stack = r.CoresToStack;
  std::string html = "<section><h2>Core</h2>\n";
  html += Head(CheckedCoreName(r.SelectedCoreSize, r.CoresToStack),
               {"One core, as catalogued", "The stack, in its material"});
  html += SheetRow("OD, mm", {Figure(r.CoreOD * 10), Figure(r.CoreOD * 10)});
  html += SheetRow("ID, mm", {Figure(r.CoreID * 10), Figure(r.CoreID * 10)});
  html += SheetRow("HT, mm", {Figure(r.CoreHT * 10 / stack), Figure(r.CoreHT * 10)});
  html += SheetRow("le, cm", {Figure(r.PathLength), Figure(r.PathLength)});
  html += SheetRow("Ae, cm²", {Figure(r.CoreArea / stack), Figure(r.CoreArea)});
  html += SheetRow("AL, nH/turn²", {Figure(r.AlValue / stack), SheetFigure(s.check.alNh)});
  return html + kTableEnd + "</section>\n";
}

std::string MaterialTable(const BuildSheetSource& s) {
  const Material& m = s.check.material;
  const bool own = s.part.material.own.has_value();
  std::string html = "<section><h2>Material</h2>\n";
  html += Head(own ? m.name : "grade " + m.name + " powder", {"Value"});
  html += SheetRow("Initial permeability", {Whole(m.permeability)});
  html += SheetRow("Roll-off b", {Whole(m.b)});
  html += SheetRow("Roll-off c", {Whole(m.c)});
  html += SheetRow("Loss fit k, W/kg", {Whole(m.loss.k)});
  html += SheetRow("Loss fit α (f in kHz)", {Whole(m.loss.alpha)});
  html += SheetRow("Loss fit β (B in T)", {Whole(m.loss.beta)});
  html += SheetRow("Catalogue's AL implies µ", {SheetFigure(s.check.cataloguePermeability)});
  return html + kTableEnd + "</section>\n";
}

std::string WindingTable(const BuildSheetSource& s) {
  const DesignRecord& r = s.built;
  const WindingInstructions w = InstructionsFor(r, s.leadLengthMm / 10);
  const WoundDimensions wound = WindingOn(r);
  std::string html = "<section><h2>Winding</h2>\n";
  html += Head("Wire and turns", {"Value"});
  html += SheetRow("Wire, AWG", {Whole(r.WireGauge)});
  html += SheetRow("Diameter over the insulation, mm", {Figure(r.WireDia * 10)});
  html += SheetRow("Copper diameter, mm", {Figure(w.copperDiameter * 10)});
  html += SheetRow("Strands", {Whole(w.strands)});
  html += SheetRow("Turns", {Whole(r.Turns)});
  html += SheetRow("Turns per layer inside the hole", {Whole(w.turnsPerLayer)});
  html += SheetRow("Layers inside the hole", {Whole(w.layers)});
  // Strands in parallel are cut alike, each as long as one wire would be.
  const std::string each = w.strands == 1 ? "" : ", each strand";
  html += SheetRow("Wire in the winding" + each + ", m", {Figure(w.windingLength / 100)});
  html += SheetRow("Leads, mm", {"2 × " + Whole(s.leadLengthMm)});
  html += SheetRow("Wire to cut" + each + ", m", {Figure(w.wireLength / 100)});
  if (w.strands != 1)
    html += SheetRow("Wire to cut, " + Whole(w.strands) + " strands, m",
                     {Figure(w.totalWireLength / 100)});
  html += SheetRow("Copper mass, g", {Figure(w.copperMassG)});
  html += SheetRow("Wound OD, mm", {Figure(wound.od * 10)});
  html += SheetRow("Wound ID, mm", {Figure(wound.id * 10)});
  html += SheetRow("Wound height, mm", {Figure(wound.ht * 10)});
  html += SheetRow("Fill factor, % of the window", {Figure(r.ActualFillFactor * 100)});
  return html + kTableEnd + "</section>\n";
}

// The DC resistance at a line's winding temperature; empty where it has none.
CheckedNumber HotResistance(const DesignRecord& r, const LineCheck& line) {
  if (!line.windingTemperatureC)
    return std::nullopt;
  return WindingResistanceAt(r, *line.windingTemperatureC) * 1e3;
}

std::string ElectricalTable(const BuildSheetSource& s) {
  const DesignRecord& r = s.built;
  const LineCheck& lo = s.check.lowLine;
  const LineCheck& hi = s.check.highLine;
  const auto row = [](const char* caption, const CheckedNumber& low, const CheckedNumber& high) {
    return SheetRow(caption, {SheetFigure(low), SheetFigure(high)});
  };
  std::string html = "<section><h2>Electrical</h2>\n";
  html += Head("Figure", {"Low line", "High line"});
  html += row("Line voltage, V RMS", lo.vrms, hi.vrms);
  html += row("Zero-bias inductance, µH", s.check.zeroBiasUh, s.check.zeroBiasUh);
  html += row("Line-peak current, A", lo.ipkLine, hi.ipkLine);
  html += row("Inductance at the line-peak current, µH", lo.atIpkLine.lUh, hi.atIpkLine.lUh);
  html += row("Peak current, A", lo.ipk, hi.ipk);
  html += row("Inductance at the peak current, µH", lo.atIpk.lUh, hi.atIpk.lUh);
  html += row("DCR at 20 °C, mΩ", r.WindingResistance * 1e3, r.WindingResistance * 1e3);
  html += row("DCR at the winding temperature, mΩ", HotResistance(r, lo), HotResistance(r, hi));
  html += row("Core loss, W", lo.coreLossW, hi.coreLossW);
  html += row("Copper loss, DC, W", lo.copperDcLossW, hi.copperDcLossW);
  html += row("Copper loss, AC, W", lo.copperAcLossW, hi.copperAcLossW);
  html += row("Total loss, W", lo.totalLossW, hi.totalLossW);
  html += row("Winding temperature, °C", lo.windingTemperatureC, hi.windingTemperatureC);
  html += kTableEnd;
  html += "<ul>\n";
  for (const CheckVerdictText& verdict : CheckVerdictTexts(r, s.check, s.limits, '.')) {
    // A verdict without a limit to judge by neither passes nor misses.
    const char* mark = !verdict.judged  ? "unjudged\">—"
                       : verdict.passes ? "pass\">pass"
                                        : "miss\">MISS";
    html += std::string("<li><span class=\"") + mark + "</span> " + HtmlEscaped(verdict.text) +
            "</li>\n";
  }
  return html + "</ul>\n</section>\n";
}

std::string MethodTable(const BuildSheetSource& s) {
  const DesignRecord& m = s.method;
  const DesignRecord& b = s.built;
  const LineCheck& lo = s.check.lowLine;
  std::string html = "<section><h2>The method's design beside the part</h2>\n";
  html += Head("At the low line", {"Method", "As built"});
  html += SheetRow("Turns", {Whole(m.Turns), Whole(b.Turns)});
  html += SheetRow("Wire, AWG", {Whole(m.WireGauge), Whole(b.WireGauge)});
  html +=
      SheetRow("Zero-bias inductance, µH", {Figure(m.ZeroBiasL), SheetFigure(s.check.zeroBiasUh)});
  html += SheetRow("Inductance at the peak current, µH",
                   {Figure(m.Inductance * 1e6), SheetFigure(lo.atIpk.lUh)});
  html += SheetRow("Winding temperature, °C",
                   {Figure(m.AmbientTemp + m.TempRise), SheetFigure(lo.windingTemperatureC)});
  return html + kTableEnd + "</section>\n";
}

}  // namespace

std::string BuildSheetHtml(const BuildSheetSource& s) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Build "
      "sheet: " +
      HtmlEscaped(CheckedCoreName(s.built.SelectedCoreSize, s.built.CoresToStack)) +
      "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
  html += Header(s);
  html += CoreTable(s);
  html += MaterialTable(s);
  html += WindingTable(s);
  html += ElectricalTable(s);
  html += "<section><h2>Inductance against current</h2>\n";
  html +=
      "<p>The curve is the winding's incremental inductance; the dashed line the target; "
      "the points each line's line-peak current (pale) and peak current (low line blue, "
      "high line orange).</p>\n";
  html += InductanceChartSvg(s.built, s.check) + "</section>\n";
  html += MethodTable(s);
  return html + "</body>\n</html>\n";
}

}  // namespace pfc
