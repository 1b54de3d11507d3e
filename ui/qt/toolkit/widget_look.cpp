#include "ui/qt/toolkit/widget_look.h"

#include <QFontMetrics>
#include <QPalette>
#include <QVariant>
#include <cmath>

namespace pfc::ui {

QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text) {
  return text.toStdString();
}

QColor ToQColor(Rgb colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

QString WithLineFeeds(std::string_view text) {
  QString converted = ToQt(text);
  converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return converted;
}

Qt::Alignment AlignmentOf(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::Centre:
      return Qt::AlignHCenter;
    case TextAlignment::Right:
      return Qt::AlignRight;
    case TextAlignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

QFont FontOf(const FontDescription& description) {
  QFont font(ToQt(description.family));
  font.setPointSizeF(description.points);
  font.setBold(description.bold);
  font.setUnderline(description.underline);
  return font;
}

void PaintText(QWidget* widget, Rgb colour) {
  QPalette palette = widget->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::WindowText, ToQColor(colour));
    palette.setColor(group, QPalette::Text, ToQColor(colour));
    palette.setColor(group, QPalette::ButtonText, ToQColor(colour));
  }
  widget->setPalette(palette);
  widget->setProperty("pfcForeColour", ToQColor(colour));
}

void PaintBackground(QWidget* widget, Rgb colour) {
  QPalette palette = widget->palette();
  for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
    palette.setColor(role, ToQColor(colour));
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void FitCaption(QLabel* label) {
  const QVariant designed = label->property("pfcDesignPoints");
  if (!designed.isValid()) {
    return;
  }
  QFont font = label->font();
  for (double points = designed.toDouble(); points > 4; points -= 0.25) {
    font.setPointSizeF(points);
    if (QFontMetrics(font).horizontalAdvance(label->text()) <= label->width()) {
      break;
    }
  }
  label->setFont(font);
}

}  // namespace pfc::ui
