#include "reports/summary/report_document.h"

#include <string>
#include <utility>

#include "engine/record/number_text.h"

namespace pfc {
namespace {

enum class Opener { OneBlank, TwoBlanks, DoubledWord };
enum class Style { Head, Body, White, Title, Big };

std::string_view OpenerText(Opener opener) {
  switch (opener) {
    case Opener::OneBlank:
      return "<font style='";
    case Opener::TwoBlanks:
      return "<font  style='";
    case Opener::DoubledWord:
      return "<font font style='";
  }
  return "";
}

std::string_view StyleText(Style style) {
  switch (style) {
    case Style::Head:
      return "font-family:Verdana,Arial,Helvetica,sans-serif;font-size:9px;color:midnightblue;"
             "font-weight:bold";
    case Style::Body:
      return "font-family:Verdana,Arial,Helvetica,sans-serif;font-size:9px;color:midnightblue;";
    case Style::White:
      return "font-family:Verdana,Arial,Helvetica,sans-serif;font-size:9px;color:#ffffff;";
    case Style::Title:
      return "font-family:Verdana,Arial,Helvetica,sans-serif;font-size:12px;color:maroon;"
             "font-weight:bold";
    case Style::Big:
      return "font-family:Verdana,Arial,Helvetica,sans-serif;font-size:16px;color:maroon;"
             "font-weight:bold";
  }
  return "";
}

// Markup that closes a cell and opens the next one in the same row.
constexpr std::string_view kNextCell = "</font></td><td align=center>";
// Markup that closes a row and opens the first cell of the next one.
constexpr std::string_view kNextRow = "</font></td></tr><tr align=center><td>";

class Document {
 public:
  void Markup(std::string_view markup) { text_ += markup; }

  // One template row: a font element, the cell text and the markup that follows it.
  void Cell(Opener opener, Style style, std::string_view cellText, std::string_view after) {
    text_ += OpenerText(opener);
    text_ += StyleText(style);
    text_ += "'>";
    text_ += cellText;
    text_ += after;
  }

  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

// Numbers the report computes itself are always written with a full stop, whatever the
// screen's locale, so that a saved report reads the same everywhere.
std::string TwoPlaces(double value) {
  return FormatPlaces(value, 2, '.');
}

void AddLogo(Document& doc, const ReportImages& images) {
  doc.Markup("<table cellpadding=0 cellspacing=0 width=700 align=center border=0>");
  doc.Markup("<tr><td align=center><img src=");
  doc.Markup(images.logo);
  doc.Markup("></td></tr></table><br>");
}

void AddInputs(Document& doc, const ResultSummary& summary, const DesignRecord& record) {
  doc.Markup("<table cellpadding=0 cellspacing=0 width=700 align=center border=0>");
  doc.Markup("<tr><td colspan=9 align=center>");
  doc.Cell(Opener::TwoBlanks, Style::Title, "Inputs to PFC Core Design Tool",
           "</font><br><br></td></tr></table>"
           "<table cellpadding=0 cellspacing=0 width=650 align=center border=1>"
           "<tr><td align=center>");
  for (const char* heading : {"Frequency", "Inductance", "Output Power", "Efficiency", "VinMin",
                              "VinMax", "Vout", "Ambient Temp."}) {
    doc.Cell(Opener::TwoBlanks, Style::Head, heading, kNextCell);
  }
  doc.Cell(Opener::TwoBlanks, Style::Head, "Core Size", kNextRow);

  doc.Cell(Opener::TwoBlanks, Style::Body, "Hz", kNextCell);
  for (const char* unit : {"Henries", "Watts", "%", "Volts", "Volts", "Volts", "°C"}) {
    doc.Cell(Opener::OneBlank, Style::Body, unit, kNextCell);
  }
  // The core-size column has no unit; a white full stop keeps the cell from collapsing.
  doc.Cell(Opener::OneBlank, Style::White, ".", kNextRow);

  for (const std::string* value :
       {&summary.txtFrequency, &summary.txtInductance, &summary.txtOutputPower,
        &summary.txtEfficiency, &summary.txtVinMin, &summary.txtVinMax, &summary.txtVout,
        &summary.txtAmbientTemp}) {
    doc.Cell(Opener::TwoBlanks, Style::Body, *value, kNextCell);
  }
  const std::string_view coreSize =
      record.CalcType == CalcSelects ? std::string_view("Calculated") : summary.txtcore;
  doc.Cell(Opener::TwoBlanks, Style::Body, coreSize,
           "</font></td></tr></table><br><br><hr width=650><br>");
}

void AddSelectedCore(Document& doc, const ResultSummary& summary, const DesignRecord& record) {
  std::string heading = record.CalcType == CalcSelects ? "Core size selected by Program  "
                                                       : "Core size selected by Designer ";
  heading += summary.txtOutCoreSize;
  if (record.CoresToStack != 1) {
    heading += " - Stacked by " + std::to_string(record.CoresToStack) + " ";
  }
  doc.Markup("<table cellpadding=0 cellspacing=0 width=650 align=center border=0>");
  doc.Markup("<tr><td colspan=9 align=center>");
  doc.Cell(Opener::TwoBlanks, Style::Big, heading, "</font><br><br></td></tr></table><br>");
}

void AddSummary(Document& doc, const ResultSummary& summary) {
  doc.Markup("<table cellpadding=0 cellspacing=0 width=650 align=center border=0>");
  doc.Markup("<tr><td colspan=8 align=center>");
  doc.Cell(Opener::DoubledWord, Style::Title, "Summary of PFC Design ",
           "</font><br><br></td></tr></table>"
           "<table cellpadding=0 cellspacing=0 width=650 align=center border=1>"
           "<tr><td align=center>");
  for (const char* heading : {"No.of Turns", "Wire Gauge", "Zero Bias Ind", "Full Bias Ind",
                              "Core Loss", "Copper Loss", "Total Loss"}) {
    doc.Cell(Opener::TwoBlanks, Style::Head, heading, kNextCell);
  }
  doc.Cell(Opener::TwoBlanks, Style::Head, "Total Temp", kNextRow);

  doc.Cell(Opener::DoubledWord, Style::White, ".", kNextCell);
  for (const char* unit : {"AWG", "µH", "µH", "Watts", "Watts", "Watts"}) {
    doc.Cell(Opener::TwoBlanks, Style::Body, unit, kNextCell);
  }
  doc.Cell(Opener::TwoBlanks, Style::Body, "°C", kNextRow);

  for (const std::string* value :
       {&summary.txtNoOfTurns, &summary.txtWireGuage, &summary.txtZeroInductance,
        &summary.txtFullInductance, &summary.txtCoreLoss, &summary.txtCopperLoss,
        &summary.txtTotalLosses}) {
    doc.Cell(Opener::OneBlank, Style::Body, *value, kNextCell);
  }
  doc.Cell(Opener::OneBlank, Style::Body, summary.txtTotalTemp,
           "</font></td></tr></table><br><br><hr width=650><br><br>");
}

void AddCoreDetails(Document& doc, const ReportImages& images) {
  doc.Markup("<table cellpadding=0 cellspacing=0 width=650 align=center border=0>");
  doc.Markup("<tr><td colspan=8 align=center>");
  std::string after =
      "</font><br><br></td></tr></table>"
      "<table cellpadding=0 cellspacing=0 width=650 align=center border=0>"
      "<tr><td><img src=";
  after += images.coreDrawing;
  after += " width=300 height=175></td><td>";
  doc.Cell(Opener::OneBlank, Style::Title, "CORE DETAILS", after);
  doc.Cell(Opener::DoubledWord, Style::Head,
           "<u>NOTE:</u><br>CORE IS COATED USING BLACK COLOR EPOXY<BR>BASED DUPONT POWDER. "
           "HAVING INSULATION <BR>  SYSTEM CLASS B/ CLASS F HAVING UL FILE <BR>#E731905.",
           "</font></td></TR></table><br><hr width=700><br>");
}

// Catalogue data: one core in the first row, the whole stack in the second. The record holds
// stack values for height, area, mass, Al and area product, so the first row divides them
// back; diameters, window and path length are per core already.
void AddCatalogueData(Document& doc, const ResultSummary& summary, const DesignRecord& record) {
  const double cores = record.CoresToStack;
  doc.Markup("<table width=650 align=center border=0><tr><td>");
  doc.Markup("<table cellpadding=0 cellspacing=0 width=250 align=center border=0>");
  doc.Markup("<tr><td colspan=4 align=center>");
  doc.Cell(Opener::DoubledWord, Style::Title, "Coated core Specification",
           "</font></td></tr></table>"
           "<table cellspacing=0 cellpadding=0 width=250  border=1>"
           "<tr><td align=center>");
  doc.Cell(Opener::OneBlank, Style::Head, "Part No.", kNextCell);
  doc.Cell(Opener::OneBlank, Style::Head, "OD<br>mm", kNextCell);
  doc.Cell(Opener::OneBlank, Style::Head, "ID<br>mm", kNextCell);
  doc.Cell(Opener::OneBlank, Style::Head, "HT<br>mm", "</font></td><tr><tr align=center><td>");

  doc.Cell(Opener::OneBlank, Style::Body, summary.txtOutCoreSize, kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.CoreOD * 10), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.CoreID * 10), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.CoreHT / cores * 10), kNextRow);

  doc.Cell(Opener::OneBlank, Style::Body,
           summary.txtOutCoreSize + " * " + std::to_string(record.CoresToStack), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.CoreOD * 10), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.CoreID * 10), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.CoreHT * 10),
           "</font></td></tr><tr><td align=center>");

  doc.Cell(Opener::OneBlank, Style::Head, "Tolerance", kNextCell);
  doc.Cell(Opener::OneBlank, Style::Head, "Max", kNextCell);
  doc.Cell(Opener::OneBlank, Style::Head, "Min", kNextCell);
  doc.Cell(Opener::OneBlank, Style::Head, "Max",
           "</font></td><tr></table></td><td valign=top>"
           "<table  cellpadding=0 cellspacing=0 width=350 align=center border=0>"
           "<tr><td colspan=6 align=center>");

  doc.Cell(Opener::OneBlank, Style::Title, "Performance Specifications",
           "</font></td></tr></table>"
           "<table cellspacing=0 cellpadding=0  width=350 align=center border=1>"
           "<tr><td align=center>");
  doc.Cell(Opener::OneBlank, Style::Head, "Lm<br>cm", kNextCell);
  doc.Cell(Opener::OneBlank, Style::Head, "Ac<br>sq.cm", kNextCell);
  doc.Cell(Opener::OneBlank, Style::Head, "Mass<br>g", kNextCell);
  doc.Cell(Opener::OneBlank, Style::Head, "Al<br>nH", kNextCell);
  doc.Cell(Opener::OneBlank, Style::Head, "Wa<br>sq.cm", kNextCell);
  doc.Cell(Opener::OneBlank, Style::Head, "WaAc<br>cm4", "</font></td><tr><tr align=center><td>");

  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.PathLength), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.CoreArea / cores), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.CoreMass / cores), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.AlValue / cores), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.WindowArea), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.AreaProduct / cores), kNextRow);

  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.PathLength), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.CoreArea), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.CoreMass), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.AlValue), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.WindowArea), kNextCell);
  doc.Cell(Opener::OneBlank, Style::Body, TwoPlaces(record.AreaProduct),
           "</font></td></tr></table></td></tR></TABLE>");
}

void AddDisclaimer(Document& doc, const ReportContact& contact) {
  doc.Markup("<br><table cellpadding=0 cellspacing=0 width=650 align=center border=0>");
  doc.Markup("<tr><td width=250>");
  doc.Cell(Opener::DoubledWord, Style::Head, "  TORIDYNE ALLOY7412KB3",
           "</font></TD><td align=center>");
  doc.Cell(Opener::DoubledWord, Style::Head, " ", "</font></TD><TD align=center>");
  doc.Cell(Opener::DoubledWord, Style::Head, "AL +(-) 15%", "</font></TD><TD align=center>");
  doc.Cell(Opener::DoubledWord, Style::Head, "MASS +(-) 3%",
           "</font></TD></TR></TABLE><br><hr width=700><br>"
           "<br><table cellpadding=0 cellspacing=0 width=650 align=center border=0><tr><td>");
  doc.Cell(Opener::DoubledWord, Style::Head,
           "Designs generated by this software are believed to be accurate and reliable , but "
           "are presented without guarantee or warranty,",
           "</font></TD></tr><tr><td>");
  doc.Cell(Opener::DoubledWord, Style::Head,
           "expressed or implied. Designer needs to verify all the information provided in this "
           "software using it in actual circuitry. ",
           "</font></TD></tr><tr><td>");
  const std::string questions =
      "Any additional design questions should be directed to:  Toridyne, Inc. Applications "
      "Development Group at " +
      contact.telephone + " OR e-mail questions to " + contact.email + ".";
  // The viewer's Print command clicks the hidden "print" input, which prints the page.
  doc.Cell(Opener::DoubledWord, Style::Head, questions,
           "</font></TD></tr></TABLE>"
           "<table><tr><td align=center><input type=hidden name=print value=prt "
           "onclick='window.print()'></td></tr></table>");
}

}  // namespace

std::string BuildReportDocument(const ResultSummary& summary, const DesignRecord& record,
                                const ReportImages& images, const ReportContact& contact) {
  Document doc;
  AddLogo(doc, images);
  AddInputs(doc, summary, record);
  AddSelectedCore(doc, summary, record);
  AddSummary(doc, summary);
  AddCoreDetails(doc, images);
  AddCatalogueData(doc, summary, record);
  AddDisclaimer(doc, contact);
  return doc.Take();
}

}  // namespace pfc
