#include "ui/qt/material_fit/material_fit_chart.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

#include "ui/forms/material_fit/material_fit_design.h"
#include "ui/toolkit/nice_ticks.h"

namespace pfc::ui {

namespace {

const QColor kPointsColour(230, 120, 0);
const QColor kFitColour(30, 90, 200);

QValueAxis* Axis(const QString& title, double low, double high) {
  auto* axis = new QValueAxis();
  axis->setTitleText(title);
  const AxisTicks ticks = NiceTicks(low, high);
  axis->setRange(ticks.low, ticks.high);
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(ticks.low);
  axis->setTickInterval(ticks.step);
  axis->setLabelFormat(QStringLiteral("%g"));
  return axis;
}

}  // namespace

QString MaterialFitChart::PointsSeriesName() {
  return QStringLiteral("Points");
}

QString MaterialFitChart::FitSeriesName() {
  return QStringLiteral("Fit");
}

MaterialFitChart::MaterialFitChart(const MaterialFitting& fitting, QWidget* parent)
    : QChartView(new QChart(), parent), fitting_(fitting) {
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->setAlignment(Qt::AlignRight);
  chart()->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  chart()->setMargins(QMargins(4, 4, 4, 4));
  chart()->setBackgroundRoundness(0);
  subscription_ = fitting_.Listen([this] { Rebuild(); });
  Rebuild();
}

void MaterialFitChart::Rebuild() {
  QChart* c = chart();
  c->removeAllSeries();
  for (QAbstractAxis* axis : c->axes()) {
    c->removeAxis(axis);
    delete axis;
  }
  const bool fitted = fitting_.HasFit();
  c->setTitle(fitted ? QStringLiteral("Roll-off of ") +
                           QString::fromStdString(fitting_.Fit().material.name)
                     : QStringLiteral("Roll-off: fit the points to see it"));
  auto* fit = new QLineSeries();
  fit->setName(FitSeriesName());
  fit->setPen(QPen(kFitColour, 2));
  double strongest = 0;
  for (const FitChartPoint& p : fitting_.FittedCurve()) {
    fit->append(p.field, p.percent);
    strongest = std::max(strongest, p.field);
  }
  auto* points = new QScatterSeries();
  points->setName(PointsSeriesName());
  points->setMarkerShape(QScatterSeries::MarkerShapeCircle);
  points->setMarkerSize(9);
  points->setColor(kPointsColour);
  points->setBorderColor(Qt::black);
  for (const FitChartPoint& p : fitting_.GivenPoints())
    points->append(p.field, p.percent);
  c->addSeries(fit);
  c->addSeries(points);
  const bool oersted = !fitted || fitting_.Fit().unit == FieldUnit::Oersted;
  auto* x = Axis(oersted ? QStringLiteral("Field (Oe)") : QStringLiteral("Field (A/m)"), 0,
                 strongest > 0 ? strongest : 1);
  auto* y = Axis(QStringLiteral("% of initial permeability"), 0, 100);
  c->addAxis(x, Qt::AlignBottom);
  c->addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* series : c->series()) {
    series->attachAxis(x);
    series->attachAxis(y);
  }
}

void AddMaterialFitWidgets(QtToolkit& toolkit, const MaterialFitting& fitting) {
  toolkit.AddWidgetFactory(material_fit_controls::kChartKind,
                           [&fitting](const ControlDescription&, QWidget* parent) {
                             return new MaterialFitChart(fitting, parent);
                           });
}

}  // namespace pfc::ui
