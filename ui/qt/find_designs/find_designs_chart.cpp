#include "ui/qt/find_designs/find_designs_chart.h"

#include <QChart>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "ui/toolkit/nice_ticks.h"

namespace pfc::ui {

namespace {

constexpr qint64 kRedrawMs = 250;

// Hues spread round the wheel, so that neighbouring materials differ.
QColor MaterialColour(std::size_t index, std::size_t count) {
  const int hue = static_cast<int>(index * 300 / std::max<std::size_t>(count, 1));
  return QColor::fromHsv(hue, 210, 200);
}

// Whether two lists hold the same points in any order; NaNs alike where their bits are.
bool SamePoints(QList<QPointF> a, QList<QPointF> b) {
  if (a.size() != b.size())
    return false;
  const auto bits = [](const QPointF& p) {
    return std::pair{std::bit_cast<std::uint64_t>(p.x()), std::bit_cast<std::uint64_t>(p.y())};
  };
  const auto before = [&bits](const QPointF& p, const QPointF& q) { return bits(p) < bits(q); };
  std::sort(a.begin(), a.end(), before);
  std::sort(b.begin(), b.end(), before);
  return std::equal(a.begin(), a.end(), b.begin(),
                    [&bits](const QPointF& p, const QPointF& q) { return bits(p) == bits(q); });
}

QPointF PointOf(const SearchCandidate& c) {
  return {c.woundVolumeCm3, c.totalLossW};
}

// The Pareto front's designs from the least wound volume up.
QList<QPointF> FrontOf(const std::vector<SearchCandidate>& candidates) {
  QList<QPointF> front;
  for (const SearchCandidate& candidate : candidates) {
    if (candidate.pareto)
      front.append(PointOf(candidate));
  }
  std::sort(front.begin(), front.end(),
            [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
  return front;
}

}  // namespace

QString FindDesignsChart::FrontSeriesName() {
  return QStringLiteral("Pareto front");
}

QString FindDesignsChart::PickSeriesName() {
  return QStringLiteral("Picked");
}

FindDesignsChart::FindDesignsChart(FoundDesigns& designs, QWidget* parent)
    : QChartView(new QChart(), parent), designs_(designs) {
  setRenderHint(QPainter::Antialiasing);
  // Thousands of markers move at each redraw: an index of where they are costs more to keep
  // than it saves a chart drawn whole.
  scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
  QChart* c = chart();
  c->setTitle(QStringLiteral("Total loss at low line against wound volume"));
  // A column at the side: in one row under the plot, a dozen materials leave each name a
  // few letters, and "Pareto front" reads "Par…".
  c->legend()->setAlignment(Qt::AlignRight);
  c->setMargins(QMargins(4, 4, 4, 4));
  c->setBackgroundRoundness(0);
  subscription_ = designs_.Listen([this](FoundDesigns::Change change) { Changed(change); });
  Rebuild();
}

void FindDesignsChart::Changed(FoundDesigns::Change change) {
  switch (change) {
    case FoundDesigns::Change::Started:
      Rebuild();
      break;
    case FoundDesigns::Change::Finished:
      ShowEnded();
      break;
    case FoundDesigns::Change::Progress:
      // Redrawn a few times a second: each redraw places every point again, and the search
      // shares the machine with it. The ended search draws them all at once.
      if (!drawn_.isValid() || drawn_.elapsed() >= kRedrawMs) {
        AddNew();
        drawn_.start();
      }
      break;
    case FoundDesigns::Change::Pick:
      ShowPick();
      break;
  }
}

QScatterSeries* FindDesignsChart::SeriesOf(const SearchCandidate& candidate) {
  auto found = materials_.find(candidate.material);
  if (found != materials_.end())
    return found->second;
  auto* series = new QScatterSeries();
  series->setName(QString::fromStdString(candidate.materialName));
  series->setMarkerSize(6);
  series->setBorderColor(Qt::transparent);
  series->setColor(MaterialColour(candidate.material, designs_.Request().materials.size()));
  chart()->addSeries(series);
  series->attachAxis(volumeAxis_);
  series->attachAxis(lossAxis_);
  connect(series, &QScatterSeries::clicked, this, [this](const QPointF& p) { PickAt(p); });
  materials_.emplace(candidate.material, series);
  return series;
}

void FindDesignsChart::Rebuild() {
  QChart* c = chart();
  c->removeAllSeries();
  for (QAbstractAxis* axis : c->axes())
    c->removeAxis(axis);
  materials_.clear();
  shown_ = 0;
  auto* x = volumeAxis_ = new QValueAxis();
  x->setTitleText(QStringLiteral("Wound volume ODw² × HTw, cm³"));
  auto* y = lossAxis_ = new QValueAxis();
  y->setTitleText(QStringLiteral("Total loss, W"));
  c->addAxis(x, Qt::AlignBottom);
  c->addAxis(y, Qt::AlignLeft);

  front_ = new QLineSeries();
  front_->setName(FrontSeriesName());
  front_->setPen(QPen(Qt::black, 1.5));
  front_->replace(FrontOf(designs_.Candidates()));
  c->addSeries(front_);
  front_->attachAxis(x);
  front_->attachAxis(y);

  pick_ = new QScatterSeries();
  pick_->setName(PickSeriesName());
  pick_->setMarkerSize(14);
  pick_->setColor(Qt::transparent);
  pick_->setBorderColor(Qt::black);
  pick_->setPen(QPen(Qt::black, 2));
  c->addSeries(pick_);
  pick_->attachAxis(x);
  pick_->attachAxis(y);
  AddNew();
}

// The ranked designs are the ones drawn in another order, with those of the last steps: each
// series takes its whole list at once and keeps the markers it has, rather than the chart
// being built again.
void FindDesignsChart::ShowEnded() {
  std::map<const QScatterSeries*, QList<QPointF>> points;
  for (const SearchCandidate& candidate : designs_.Candidates())
    points[SeriesOf(candidate)].append(PointOf(candidate));
  // The ranked result holds the finds the series took while the search ran, in another
  // order: a series placed again whole costs the window more than all the search's redraws.
  for (const auto& [material, series] : materials_)
    if (!SamePoints(series->points(), points[series]))
      series->replace(points[series]);
  shown_ = designs_.Candidates().size();
  front_->replace(FrontOf(designs_.Candidates()));
  Fit();
  ShowPick();
}

void FindDesignsChart::AddNew() {
  // A series told of each point redraws all its points each time: over a search's thousands
  // of finds that cost the window more than the search. Each series takes its new points at
  // once instead, as one replacement.
  const std::vector<SearchCandidate>& candidates = designs_.Candidates();
  std::map<QScatterSeries*, QList<QPointF>> grown;
  for (; shown_ < candidates.size(); ++shown_) {
    QScatterSeries* series = SeriesOf(candidates[shown_]);
    auto [points, fresh] = grown.try_emplace(series);
    if (fresh)
      points->second = series->points();
    points->second.append(PointOf(candidates[shown_]));
  }
  for (const auto& [series, points] : grown)
    series->replace(points);
  Fit();
  ShowPick();
}

void FindDesignsChart::Fit() {
  double xMax = 0;
  double yMax = 0;
  for (const SearchCandidate& c : designs_.Candidates()) {
    if (std::isfinite(c.woundVolumeCm3))
      xMax = std::max(xMax, c.woundVolumeCm3);
    if (std::isfinite(c.totalLossW))
      yMax = std::max(yMax, c.totalLossW);
  }
  for (const auto& [axis, most] : {std::pair{volumeAxis_, xMax}, std::pair{lossAxis_, yMax}}) {
    const AxisTicks ticks = NiceTicks(0, most > 0 ? most * 1.05 : 1);
    axis->setRange(ticks.low, ticks.high);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(ticks.low);
    axis->setTickInterval(ticks.step);
    axis->setLabelFormat(QStringLiteral("%g"));
  }
}

void FindDesignsChart::ShowPick() {
  if (pick_ == nullptr)
    return;
  pick_->clear();
  if (const auto picked = designs_.Picked())
    pick_->append(PointOf(designs_.Candidates()[*picked]));
}

void FindDesignsChart::PickAt(const QPointF& point) {
  const std::vector<SearchCandidate>& candidates = designs_.Candidates();
  std::optional<std::size_t> nearest;
  double best = std::numeric_limits<double>::infinity();
  const QPointF here = chart()->mapToPosition(point);
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const QPointF there = chart()->mapToPosition(PointOf(candidates[i]));
    const double distance = QLineF(here, there).length();
    if (distance < best) {
      best = distance;
      nearest = i;
    }
  }
  designs_.Pick(nearest);
}

}  // namespace pfc::ui
