#include "tests/viewer/report_like_document.h"

#include <QImage>
#include <QString>
#include <QUrl>

namespace pfc::test {
namespace {

const std::string kBodyFont =
    "<font  style='font-family:Verdana,Arial,Helvetica,sans-serif;font-size:9px;"
    "color:midnightblue;'>";
const std::string kHeadFont =
    "<font  style='font-family:Verdana,Arial,Helvetica,sans-serif;font-size:9px;"
    "color:midnightblue;font-weight:bold'>";

std::string Cell(const std::string& font, const std::string& text) {
  return "<td align=center>" + font + text + "</font></td>";
}

}  // namespace

std::string ReportLikeDocument(const std::string& imageUrl, const std::string& marker,
                               bool withPrintHook) {
  std::string document =
      "<table cellpadding=0 cellspacing=0 width=700 align=center border=0>"
      "<tr><td align=center><img src=" +
      imageUrl + "></td></tr></table><br>";
  document += "<table cellpadding=0 cellspacing=0 width=650 align=center border=1><tr>" +
              Cell(kHeadFont, "Ambient Temp.") + Cell(kHeadFont, "Zero Bias Ind") +
              Cell(kHeadFont, "Total Temp") + "</tr><tr align=center>" +
              Cell(kBodyFont,
                   "\xB0"
                   "C") +
              Cell(kBodyFont, "\xB5H") +
              Cell(kBodyFont,
                   "\xB0"
                   "C") +
              "</tr><tr align=center>" + Cell(kBodyFont, "50") + Cell(kBodyFont, marker) +
              Cell(kBodyFont,
                   " > 155\xB0"
                   "C") +
              "</tr></table><br>";
  if (withPrintHook) {
    document +=
        "<table><tr><td align=center><input type=hidden name=print value=prt "
        "onclick='window.print()'></td></tr></table>";
  }
  return document;
}

std::string WritePicture(const std::string& path) {
  QImage picture(40, 20, QImage::Format_RGB32);
  picture.fill(Qt::darkBlue);
  picture.save(QString::fromStdString(path), "PNG");
  return QUrl::fromLocalFile(QString::fromStdString(path)).toString().toStdString();
}

}  // namespace pfc::test
