#include "cli/check/check_text.h"

#include <string_view>

#include "engine/check/given_winding.h"
#include "engine/record/number_text.h"
#include "reports/check/check_figures.h"
#include "reports/check/check_verdict_texts.h"

namespace pfc {
namespace {

constexpr std::size_t kCaptionWidth = 36;
constexpr std::size_t kColumnWidth = 12;

// Characters on the terminal: UTF-8 continuation bytes take no column.
std::size_t Columns(std::string_view text) {
  std::size_t columns = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
      ++columns;
  }
  return columns;
}

void Pad(std::string& out, std::string_view text, std::size_t width, bool right) {
  const std::size_t columns = Columns(text);
  const std::size_t padding = width > columns ? width - columns : 1;
  if (right)
    out.append(padding, ' ');
  out.append(text);
  if (!right)
    out.append(padding, ' ');
}

void AppendRow(std::string& out, const CheckFigureRow& row) {
  Pad(out, row.caption, kCaptionWidth, false);
  for (const FigureCell* cell : {&row.method, &row.low, &row.high})
    Pad(out, FigureText(*cell, '.'), kColumnWidth, true);
  if (*row.unit != '\0')
    out.append("  ").append(row.unit);
  out.append("\n");
}

}  // namespace

std::string CheckText(const OperatingCheck& check, const DesignRecord& r,
                      const DesignLimits& limits, const std::string& windingOrigin) {
  std::string out = "Operating Check\n\n";
  out.append("  Design       ").append(CheckedCoreName(r.SelectedCoreSize, r.CoresToStack));
  out.append(", ").append(FormatGeneral(r.Turns)).append(" turns, ");
  out.append(WireText(r.Strands, r.WireGauge));
  if (!windingOrigin.empty())
    out.append(" (").append(windingOrigin).append(")");
  out.append("\n");
  // A grade is one of the supplier's powders; a material of the user's own goes by its name.
  const std::string material = MaterialName(check.material);
  out.append("  Material     ").append(material);
  out.append(material == check.material.name ? "; " : " powder; ");
  out.append(CheckedMaterialText(check, '.')).append("\n\n");
  Pad(out, "", kCaptionWidth, false);
  Pad(out, "Method", kColumnWidth, true);
  Pad(out, "Low line", kColumnWidth, true);
  Pad(out, "High line", kColumnWidth, true);
  out.append("\n");
  for (const CheckFigureRow& row : CheckFigureRows(r, check))
    AppendRow(out, row);
  for (const CheckFigureRow& row : WorstCaseFigureRows(r, check))
    AppendRow(out, row);
  out.append("\nVerdicts\n");
  for (const CheckVerdictText& verdict : CheckVerdictTexts(r, check, limits, '.'))
    out.append(!verdict.judged  ? "  —     "
               : verdict.passes ? "  pass  "
                                : "  MISS  ")
        .append(verdict.text)
        .append("\n");
  return out;
}

}  // namespace pfc
