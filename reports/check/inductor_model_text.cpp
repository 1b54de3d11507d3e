#include "reports/check/inductor_model_text.h"

#include <cmath>

#include "engine/method/version.h"
#include "engine/record/number_text.h"
#include "reports/check/check_figures.h"
#include "reports/check/inductor_model_formats.h"

namespace pfc {
namespace {

using namespace model_files;

constexpr std::array<ModelFormatInfo, 4> kFormats = {{
    {ModelFormat::Ngspice, "ngspice", "ngspice subcircuits", "cir"},
    {ModelFormat::Ltspice, "ltspice", "LTspice subcircuits", "lib"},
    {ModelFormat::Plecs, "plecs", "PLECS scripts", "m"},
    {ModelFormat::Csv, "csv", "CSV files", "csv"},
}};

const char* CommentLead(ModelFormat format) {
  switch (format) {
    case ModelFormat::Plecs:
      return "% ";
    case ModelFormat::Csv:
      return "# ";
    default:
      return "* ";
  }
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// What a SPICE name may hold in both simulators.
bool IsNameCharacter(char c) {
  return IsLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

// Four significant figures, halves to even, for the comment lines people read.
std::string Figure(double value) {
  if (value == 0 || !std::isfinite(value))
    return FormatGeneral(value);
  const int places = 3 - static_cast<int>(std::floor(std::log10(std::fabs(value))));
  return FormatGeneral(RoundHalfEven(value, places));
}

std::string DesignLine(const DesignRecord& r) {
  const std::string stack =
      r.CoresToStack == 1 ? std::string() : " x " + std::to_string(r.CoresToStack) + " stacked";
  return r.SelectedCoreSize + stack + ", " + FormatGeneral(r.Inductance * 1e6) + " uH at " +
         FormatGeneral(r.Frequency / 1000) + " kHz, " + FormatGeneral(r.OutputPower) + " W, " +
         FormatGeneral(r.VinMin) + " to " + FormatGeneral(r.VinMax) + " V in, " +
         FormatGeneral(r.Vout) + " V out";
}

// A built-in grade is named by its permeability; any other material by its own name.
std::string MaterialLine(const InductorModel& m) {
  const Material& material = m.material;
  const std::string name = MaterialName(material);
  return (name == material.name ? "material " + name : name) + ", initial permeability " +
         Figure(material.permeability) + ", F = 1/(1 + 100*b*H^c) with b = " + Figure(material.b) +
         ", c = " + Figure(material.c) + " (H in A/m); AL " + Figure(m.alNh) + " nH/turn^2";
}

std::string TemperatureLine(const InductorModel& m) {
  const std::string source = m.checkedTemperature
                                 ? "the checked low-line winding temperature"
                                 : "the method's temperature: the low line has no steady check";
  return Figure(m.temperatureC) + " degC (" + source + "); series resistance " +
         Figure(m.resistance) + " ohm";
}

std::string RangeLines(const FluxLinkageTable& t, const std::string& lead) {
  std::string text = lead + "range: " + Figure(-t.currentLimit) + " A to " +
                     Figure(t.currentLimit) + " A, " + std::to_string(t.points.size()) +
                     " points, odd in the current; peak current " + Figure(t.peakCurrent) +
                     " A; flux linkage at infinite current " +
                     (std::isfinite(t.fluxLinkageLimit) ? Figure(t.fluxLinkageLimit) + " V*s"
                                                        : std::string("unbounded")) +
                     "\n";
  if (t.endsAtSaturation) {
    text += lead + "saturation: the winding saturates below " + FormatGeneral(kModelSpanOfPeak) +
            " x the peak current; the table ends where the flux linkage reaches " +
            FormatGeneral(kModelShareOfLimit * 100) + " % of its limit, before it\n";
  }
  text += lead + "accuracy: linear interpolation between the points stays within " +
          FormatGeneral(kModelAccuracy * 100) + " % of the exact flux linkage (proven bound " +
          Figure(t.errorBound * 100) + " %); beyond the ends the outer segments' inductance, " +
          Figure(OuterSegmentInductance(t) * 1e6) + " uH, carries on\n";
  return text;
}

std::string Header(const DesignRecord& r, const InductorModel& m, ModelFormat format,
                   std::string_view name) {
  const std::string lead = CommentLead(format);
  std::string text = lead + "Model " + std::string(name) +
                     " of the wound PFC inductor, flux linkage against current, by " +
                     VersionLine("pfc-core") + "\n";
  text += lead + "design: " + DesignLine(r) + "\n";
  text += lead + "roll-off: " + MaterialLine(m) + "\n";
  text += lead + "turns: " + FormatGeneral(r.Turns) + "\n";
  text += lead + "wire: " + WireText(r.Strands, r.WireGauge) + ", " + Figure(r.WindingResistance) +
          " ohm at 20 degC\n";
  text += lead + "temperature: " + TemperatureLine(m) + "\n";
  return text + RangeLines(m.table, lead);
}

}  // namespace

const std::array<ModelFormatInfo, 4>& ModelFormats() {
  return kFormats;
}

const ModelFormatInfo& ModelFormatOf(ModelFormat format) {
  return kFormats[static_cast<std::size_t>(format)];
}

std::optional<ModelFormat> ModelFormatNamed(std::string_view name) {
  for (const ModelFormatInfo& info : kFormats) {
    if (name == info.name)
      return info.format;
  }
  return std::nullopt;
}

std::string DefaultModelName(const DesignRecord& r) {
  return r.SelectedCoreSize + "x" + std::to_string(r.CoresToStack) + "_" + FormatGeneral(r.Turns) +
         "T";
}

std::string SafeModelName(std::string_view name, ModelFormat format) {
  std::string safe;
  const bool spice = format == ModelFormat::Ngspice || format == ModelFormat::Ltspice;
  for (const char c : name) {
    const bool printable = c >= ' ' && c <= '~';
    safe += (spice ? IsNameCharacter(c) : printable) ? c : '_';
  }
  if (spice && !(!safe.empty() && IsLetter(safe[0])))
    safe = "L_" + safe;
  return safe.empty() ? "inductor" : safe;
}

std::string ModelFileText(const DesignRecord& record, const InductorModel& model,
                          ModelFormat format, std::string_view name) {
  const std::string safe = SafeModelName(name, format);
  std::string text = Header(record, model, format, safe);
  switch (format) {
    case ModelFormat::Ngspice:
      return text + NgspiceBody(model, safe);
    case ModelFormat::Ltspice:
      return text + LtspiceBody(model, safe);
    case ModelFormat::Plecs:
      return text + PlecsBody(model, safe);
    case ModelFormat::Csv:
      return text + CsvBody(model);
  }
  return text;
}

}  // namespace pfc
