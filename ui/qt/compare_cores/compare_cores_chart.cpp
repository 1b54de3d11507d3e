#include "ui/qt/compare_cores/compare_cores_chart.h"

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
#include "ui/qt/compare_cores/compare_cores_table_model.h"
#include "ui/toolkit/nice_ticks.h"

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

// The range the plotted points span.
struct CompareCoresChart::Extent {
  double xLow = std::numeric_limits<double>::infinity();
  double xHigh = 0;
  double yLow = std::numeric_limits<double>::infinity();
  double yHigh = -std::numeric_limits<double>::infinity();

  void Include(double x, double y) {
    xLow = std::min(xLow, x);
    xHigh = std::max(xHigh, x);
    yLow = std::min(yLow, y);
    yHigh = std::max(yHigh, y);
  }
  bool Empty() const { return xHigh <= 0; }
};

bool CompareCoresChart::IsPlotted(const ExploredDesign& design) const {
  // Points on a log scale need a positive area product; a value needs to exist.
  return std::isfinite(ValueOf(design)) && AreaProductOf(design) > 0;
}

void CompareCoresChart::Rebuild() {
  QChart* c = chart();
  c->removeAllSeries();
  pick_ = nullptr;
  for (QAbstractAxis* axis : c->axes()) {
    c->removeAxis(axis);
    delete axis;
  }
  Extent extent = AddStackLines();
  if (extent.Empty()) {
    extent = Extent{0.01, 10, 0, 1};
  }
  if (quantity_ == Quantity::TotalTemp) {
    AddLimitLine(extent);
  }
  AddChoiceMarker();
  pick_ = new QScatterSeries();
  pick_->setName(PickSeriesName());
  pick_->setMarkerSize(9);
  pick_->setColor(Qt::black);
  pick_->setBorderColor(Qt::white);
  c->addSeries(pick_);
  AddAxes(extent);
  ShowPick();
}

CompareCoresChart::Extent CompareCoresChart::AddStackLines() {
  std::vector<QLineSeries*> stacks;
  for (int stack = 1; stack <= kMostCoresToStack; ++stack) {
    auto* series = new QLineSeries();
    series->setName(StackSeriesName(stack));
    series->setPen(QPen(StackColour(stack), 1.6));
    stacks.push_back(series);
  }
  Extent extent;
  for (const ExploredDesign& d : designs_.Designs()) {
    if (!IsPlotted(d) || d.CoresToStack < 1 || d.CoresToStack > kMostCoresToStack) {
      continue;
    }
    stacks[static_cast<std::size_t>(d.CoresToStack - 1)]->append(AreaProductOf(d), ValueOf(d));
    extent.Include(AreaProductOf(d), ValueOf(d));
  }
  for (QLineSeries* series : stacks) {
    chart()->addSeries(series);
  }
  return extent;
}

// Across the plotted area products; the value axis reaches the limit.
void CompareCoresChart::AddLimitLine(Extent& extent) {
  auto* limit = new QLineSeries();
  limit->setName(LimitSeriesName());
  limit->setPen(QPen(QColor(255, 0, 0), 1.5, Qt::DashLine));
  limit->append(extent.xLow, kTemperatureCeiling);
  limit->append(extent.xHigh, kTemperatureCeiling);
  chart()->addSeries(limit);
  extent.yLow = std::min(extent.yLow, kTemperatureCeiling);
  extent.yHigh = std::max(extent.yHigh, kTemperatureCeiling);
}

void CompareCoresChart::AddChoiceMarker() {
  auto* choice = new QScatterSeries();
  choice->setName(ChoiceSeriesName());
  choice->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
  choice->setMarkerSize(11);
  choice->setColor(CompareCoresTableModel::HighlightColour());
  choice->setBorderColor(Qt::black);
  if (const auto chosen = designs_.CalculatorChoice()) {
    const ExploredDesign& d = designs_.Designs()[*chosen];
    if (IsPlotted(d)) {
      choice->append(AreaProductOf(d), ValueOf(d));
    }
  }
  chart()->addSeries(choice);
}

// A log axis of area products and a value axis, each with some room around the points,
// under every series.
void CompareCoresChart::AddAxes(const Extent& extent) {
  auto* xAxis = new QLogValueAxis();
  xAxis->setBase(10);
  xAxis->setLabelFormat(QStringLiteral("%g"));
  xAxis->setTitleText(QStringLiteral("Area product of one core (cm⁴)"));
  xAxis->setRange(extent.xLow / 1.25, extent.xHigh * 1.25);
  xAxis->setMinorTickCount(8);
  auto* yAxis = new QValueAxis();
  yAxis->setTitleText(quantity_ == Quantity::TotalLoss ? QStringLiteral("W")
                                                       : QStringLiteral("°C"));
  const double pad = (extent.yHigh - extent.yLow) * 0.05 + 1e-9;
  const AxisTicks ticks = NiceTicks(extent.yLow - pad, extent.yHigh + pad);
  yAxis->setRange(ticks.low, ticks.high);
  yAxis->setTickType(QValueAxis::TicksDynamic);
  yAxis->setTickAnchor(ticks.low);
  yAxis->setTickInterval(ticks.step);
  yAxis->setLabelFormat(QStringLiteral("%g"));
  QChart* c = chart();
  c->addAxis(xAxis, Qt::AlignBottom);
  c->addAxis(yAxis, Qt::AlignLeft);
  for (QAbstractSeries* series : c->series()) {
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
  }
}

void CompareCoresChart::ShowPick() {
  if (pick_ == nullptr) {
    return;
  }
  pick_->clear();
  if (const auto picked = designs_.Picked()) {
    const ExploredDesign& d = designs_.Designs()[*picked];
    if (IsPlotted(d)) {
      pick_->append(AreaProductOf(d), ValueOf(d));
    }
  }
}

}  // namespace pfc::ui
