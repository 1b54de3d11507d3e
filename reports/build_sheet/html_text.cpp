#include "reports/build_sheet/html_text.h"

#include "reports/check/check_figures.h"

namespace pfc {

std::string HtmlEscaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string SheetFigure(const CheckedNumber& number) {
  return FigureText(FigureCell{number}, '.');
}

std::string SheetRow(std::string_view caption, std::initializer_list<std::string> cells) {
  std::string row = "<tr><th>" + HtmlEscaped(caption) + "</th>";
  for (const std::string& cell : cells)
    row += "<td>" + HtmlEscaped(cell) + "</td>";
  return row + "</tr>\n";
}

}  // namespace pfc
