#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "ui/toolkit/form_description.h"
#include "ui/toolkit/twips.h"

namespace pfc::ui {

// How a form description's measures, texts, fonts and colours become a widget's.

QString ToQt(std::string_view text);
std::string FromQt(const QString& text);
QColor ToQColor(Rgb colour);
// Multi-line boxes hold CR LF line ends; the widgets work with LF.
QString WithLineFeeds(std::string_view text);
Qt::Alignment AlignmentOf(TextAlignment alignment);
QFont FontOf(const FontDescription& description);
// The colour of the widget's text, kept where ForeColor reads it back.
void PaintText(QWidget* widget, Rgb colour);
void PaintBackground(QWidget* widget, Rgb colour);
// Labels marked to shrink keep their designed size when the caption fits, and otherwise
// take the largest size in quarter points at which it does.
void FitCaption(QLabel* label);

}  // namespace pfc::ui
