#include "ui/qt/operating_check/operating_check_charts.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <vector>

#include "reports/check/check_figures.h"
#include "ui/forms/operating_check/operating_check_curves.h"
#include "ui/toolkit/nice_ticks.h"

namespace pfc::ui {

namespace {

const QColor kLowLineColour(30, 90, 200);
const QColor kHighLineColour(230, 120, 0);
const QColor kTargetColour(220, 0, 0);

QColor LineColour(bool lowLine) {
  return lowLine ? kLowLineColour : kHighLineColour;
}

QString GradeText(const CheckedDesign& design) {
  return QString::fromStdString(MaterialName(design.Result().material));
}

void Prepare(QChart* chart) {
  chart->legend()->setAlignment(Qt::AlignRight);
  // Each entry drawn as its series is: the marks' shapes, the lines' styles.
  chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  QFont legendFont = chart->legend()->font();
  legendFont.setPointSizeF(7.5);
  chart->legend()->setFont(legendFont);
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);
}

void Clear(QChart* chart) {
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
}

QLineSeries* Line(const QString& name, const std::vector<CurvePoint>& points, const QPen& pen) {
  auto* series = new QLineSeries();
  series->setName(name);
  series->setPen(pen);
  for (const CurvePoint& p : points) {
    series->append(p.x, p.y);
  }
  return series;
}

QScatterSeries* Markers(const QString& name, QScatterSeries::MarkerShape shape,
                        const QColor& colour) {
  auto* series = new QScatterSeries();
  series->setName(name);
  series->setMarkerShape(shape);
  series->setMarkerSize(10);
  series->setColor(colour);
  series->setBorderColor(Qt::black);
  return series;
}

// Ticks at round numbers from the axis' low end.
void TickAt(QValueAxis* axis, double low, double step) {
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(low);
  axis->setTickInterval(step);
  axis->setLabelFormat(QStringLiteral("%g"));
}

// The horizontal axis over exactly [0, xEnd] with round ticks from zero, the vertical from
// zero to a little above the largest value; 1 where nothing is drawn.
void AddAxes(QChart* chart, double xEnd, double yHighest, const QString& xTitle,
             const QString& yTitle, double xTick = 0) {
  auto* x = new QValueAxis();
  x->setTitleText(xTitle);
  const double end = xEnd > 0 ? xEnd : 1;
  x->setRange(0, end);
  TickAt(x, 0, xTick > 0 ? xTick : NiceTicks(0, end).step);
  auto* y = new QValueAxis();
  y->setTitleText(yTitle);
  const AxisTicks yTicks = NiceTicks(0, yHighest > 0 ? yHighest * 1.05 : 1);
  y->setRange(yTicks.low, yTicks.high);
  TickAt(y, yTicks.low, yTicks.step);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(x);
    series->attachAxis(y);
  }
}

double Highest(const std::vector<CurvePoint>& points, double start) {
  for (const CurvePoint& p : points) {
    start = std::max(start, p.y);
  }
  return start;
}

}  // namespace

QString InductanceChart::CurveSeriesName() {
  return QStringLiteral("Inductance");
}

QString InductanceChart::TargetSeriesName() {
  return QStringLiteral("Target");
}

QString InductanceChart::LinePeakSeriesName(bool lowLine) {
  return lowLine ? QStringLiteral("Line peak, low line") : QStringLiteral("Line peak, high line");
}

QString InductanceChart::PeakSeriesName(bool lowLine) {
  return lowLine ? QStringLiteral("Peak, low line") : QStringLiteral("Peak, high line");
}

InductanceChart::InductanceChart(const CheckedDesign& design, QWidget* parent)
    : QChartView(new QChart(), parent), design_(design) {
  setRenderHint(QPainter::Antialiasing);
  Prepare(chart());
  subscription_ = design_.Listen([this] { Rebuild(); });
  Rebuild();
}

void InductanceChart::Rebuild() {
  QChart* c = chart();
  Clear(c);
  c->setTitle(QStringLiteral("Inductance against current, ") + GradeText(design_));
  InductanceCurves curves;
  if (design_.HasDesign()) {
    curves = InductanceAgainstCurrent(design_.Record(), design_.Result());
  }
  c->addSeries(Line(CurveSeriesName(), curves.inductance, QPen(kLowLineColour.darker(130), 2)));
  c->addSeries(Line(TargetSeriesName(),
                    {{0, curves.targetUh}, {curves.currentEnd, curves.targetUh}},
                    QPen(kTargetColour, 1.5, Qt::DashLine)));
  for (const bool lowLine : {true, false}) {
    const CurrentMarks& marks = lowLine ? curves.lowLine : curves.highLine;
    auto* linePeak = Markers(LinePeakSeriesName(lowLine), QScatterSeries::MarkerShapeCircle,
                             LineColour(lowLine));
    if (marks.linePeak) {
      linePeak->append(marks.linePeak->x, marks.linePeak->y);
    }
    auto* peak =
        Markers(PeakSeriesName(lowLine), QScatterSeries::MarkerShapeRectangle, LineColour(lowLine));
    if (marks.peak) {
      peak->append(marks.peak->x, marks.peak->y);
    }
    c->addSeries(linePeak);
    c->addSeries(peak);
  }
  const double highest = std::max(Highest(curves.inductance, 0), curves.targetUh);
  AddAxes(c, curves.currentEnd, highest, QStringLiteral("Current (A)"),
          QStringLiteral("Inductance (µH)"));
}

QString LineCurrentChart::SeriesName(bool lowLine, Trace trace) {
  const QString line = lowLine ? QStringLiteral("Low line") : QStringLiteral("High line");
  switch (trace) {
    case Trace::Average:
      return line + QStringLiteral(" average");
    case Trace::Upper:
      return line + QStringLiteral(" upper");
    case Trace::Lower:
      break;
  }
  return line + QStringLiteral(" lower");
}

LineCurrentChart::LineCurrentChart(const CheckedDesign& design, QWidget* parent)
    : QChartView(new QChart(), parent), design_(design) {
  setRenderHint(QPainter::Antialiasing);
  Prepare(chart());
  subscription_ = design_.Listen([this] { Rebuild(); });
  Rebuild();
}

void LineCurrentChart::Rebuild() {
  QChart* c = chart();
  Clear(c);
  c->setTitle(QStringLiteral("Line current over a half cycle, ") + GradeText(design_));
  double highest = 0;
  for (const bool lowLine : {true, false}) {
    LineCurrentCurves curves;
    if (design_.HasDesign()) {
      curves = CurrentOverHalfCycle(lowLine ? design_.Result().lowLine : design_.Result().highLine);
    }
    const QColor colour = LineColour(lowLine);
    c->addSeries(Line(SeriesName(lowLine, Trace::Average), curves.average, QPen(colour, 2)));
    c->addSeries(
        Line(SeriesName(lowLine, Trace::Upper), curves.upper, QPen(colour, 1, Qt::DashLine)));
    c->addSeries(
        Line(SeriesName(lowLine, Trace::Lower), curves.lower, QPen(colour, 1, Qt::DotLine)));
    highest = std::max({highest, Highest(curves.average, 0), Highest(curves.upper, 0)});
  }
  AddAxes(c, 180, highest, QStringLiteral("Line angle (°)"), QStringLiteral("Current (A)"), 30);
}

}  // namespace pfc::ui
