#include "ui/qt/compare_cores_chart.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/method/core_selection.h"
#include "ui/qt/compare_cores_table_model.h"

namespace pfc::ui {

namespace {

// From blue for one core to red for the most, so that the order of the lines reads at once.
QColor StackColour(int coresToStack) {
  const int hue = 240 - (coresToStack - 1) * 240 / (kMostCoresToStack - 1);
  return QColor::fromHsv(hue, 220, 200);
}

}  // namespace

QString CompareCoresChart::StackSeriesName(int coresToStack) {
  return coresToStack == 1 ? QStringLiteral("1 core")
                           : QStringLiteral("%1 cores").arg(coresToStack);
}

QString CompareCoresChart::LimitSeriesName() {
  return QStringLiteral("155 °C limit");
}

QString CompareCoresChart::ChoiceSeriesName() {
  return QStringLiteral("Calculator's choice");
}

QString CompareCoresChart::PickSeriesName() {
  return QStringLiteral("Picked");
}

CompareCoresChart::CompareCoresChart(Quantity quantity, const CompareCoresDesigns& designs,
                                     const CoreCatalogue& catalogue, QWidget* parent)
    : QChartView(new QChart(), parent),
      quantity_(quantity),
      designs_(designs),
      catalogue_(catalogue) {
  setRenderHint(QPainter::Antialiasing);
  QChart* c = chart();
  c->setTitle(quantity_ == Quantity::TotalLoss ? QStringLiteral("Total loss")
                                               : QStringLiteral("Total temperature"));
  c->legend()->setAlignment(Qt::AlignRight);
  QFont legendFont = c->legend()->font();
  legendFont.setPointSizeF(7.5);  // twelve entries beside a chart of half the window's width
  c->legend()->setFont(legendFont);
  c->setMargins(QMargins(4, 4, 4, 4));
  c->setBackgroundRoundness(0);
  subscription_ = designs_.Listen([this](CompareCoresDesigns::Change change) { Changed(change); });
  Rebuild();
}

double CompareCoresChart::ValueOf(const ExploredDesign& design) const {
  return quantity_ == Quantity::TotalLoss ? design.TotalLoss : design.TotalTemp;
}

double CompareCoresChart::AreaProductOf(const ExploredDesign& design) const {
  const auto row = static_cast<std::size_t>(design.CoreIndex);
  return row < catalogue_.WaAc.size() ? catalogue_.WaAc[row]
                                      : std::numeric_limits<double>::quiet_NaN();
}

void CompareCoresChart::Changed(CompareCoresDesigns::Change change) {
  if (change == CompareCoresDesigns::Change::Designs) {
    Rebuild();
  } else if (change == CompareCoresDesigns::Change::Pick) {
    ShowPick();
  }
}

void CompareCoresChart::Rebuild() {
  QChart* c = chart();
  c->removeAllSeries();
  pick_ = nullptr;
  for (QAbstractAxis* axis : c->axes()) {
    c->removeAxis(axis);
    delete axis;
  }

  // Points on a log scale need a positive area product; a value needs to exist.
  const auto plotted = [this](const ExploredDesign& d) {
    return std::isfinite(ValueOf(d)) && AreaProductOf(d) > 0;
  };
  double xLow = std::numeric_limits<double>::infinity();
  double xHigh = 0;
  double yLow = std::numeric_limits<double>::infinity();
  double yHigh = -std::numeric_limits<double>::infinity();

  std::vector<QLineSeries*> stacks;
  for (int stack = 1; stack <= kMostCoresToStack; ++stack) {
    auto* series = new QLineSeries();
    series->setName(StackSeriesName(stack));
    series->setPen(QPen(StackColour(stack), 1.6));
    stacks.push_back(series);
  }
  for (const ExploredDesign& d : designs_.Designs()) {
    if (!plotted(d) || d.CoresToStack < 1 || d.CoresToStack > kMostCoresToStack) {
      continue;
    }
    const double x = AreaProductOf(d);
    const double y = ValueOf(d);
    stacks[static_cast<std::size_t>(d.CoresToStack - 1)]->append(x, y);
    xLow = std::min(xLow, x);
    xHigh = std::max(xHigh, x);
    yLow = std::min(yLow, y);
    yHigh = std::max(yHigh, y);
  }
  for (QLineSeries* series : stacks) {
    c->addSeries(series);
  }
  const bool anyPoint = xHigh > 0;
  if (!anyPoint) {
    xLow = 0.01;
    xHigh = 10;
    yLow = 0;
    yHigh = 1;
  }

  if (quantity_ == Quantity::TotalTemp) {
    auto* limit = new QLineSeries();
    limit->setName(LimitSeriesName());
    QPen pen(QColor(255, 0, 0), 1.5, Qt::DashLine);
    limit->setPen(pen);
    limit->append(xLow, kTemperatureCeiling);
    limit->append(xHigh, kTemperatureCeiling);
    c->addSeries(limit);
    yLow = std::min(yLow, kTemperatureCeiling);
    yHigh = std::max(yHigh, kTemperatureCeiling);
  }

  auto* choice = new QScatterSeries();
  choice->setName(ChoiceSeriesName());
  choice->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
  choice->setMarkerSize(11);
  choice->setColor(CompareCoresTableModel::HighlightColour());
  choice->setBorderColor(Qt::black);
  if (const auto chosen = designs_.CalculatorChoice()) {
    const ExploredDesign& d = designs_.Designs()[*chosen];
    if (plotted(d)) {
      choice->append(AreaProductOf(d), ValueOf(d));
    }
  }
  c->addSeries(choice);

  pick_ = new QScatterSeries();
  pick_->setName(PickSeriesName());
  pick_->setMarkerSize(9);
  pick_->setColor(Qt::black);
  pick_->setBorderColor(Qt::white);
  c->addSeries(pick_);

  auto* xAxis = new QLogValueAxis();
  xAxis->setBase(10);
  xAxis->setLabelFormat(QStringLiteral("%g"));
  xAxis->setTitleText(QStringLiteral("Area product of one core (cm⁴)"));
  xAxis->setRange(xLow / 1.25, xHigh * 1.25);
  xAxis->setMinorTickCount(8);
  auto* yAxis = new QValueAxis();
  yAxis->setTitleText(quantity_ == Quantity::TotalLoss ? QStringLiteral("W")
                                                       : QStringLiteral("°C"));
  const double pad = (yHigh - yLow) * 0.05 + 1e-9;
  yAxis->setRange(yLow - pad, yHigh + pad);
  yAxis->applyNiceNumbers();
  yAxis->setLabelFormat(QStringLiteral("%g"));
  c->addAxis(xAxis, Qt::AlignBottom);
  c->addAxis(yAxis, Qt::AlignLeft);
  for (QAbstractSeries* series : c->series()) {
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
  }
  ShowPick();
}

void CompareCoresChart::ShowPick() {
  if (pick_ == nullptr) {
    return;
  }
  pick_->clear();
  if (const auto picked = designs_.Picked()) {
    const ExploredDesign& d = designs_.Designs()[*picked];
    if (std::isfinite(ValueOf(d)) && AreaProductOf(d) > 0) {
      pick_->append(AreaProductOf(d), ValueOf(d));
    }
  }
}

}  // namespace pfc::ui
