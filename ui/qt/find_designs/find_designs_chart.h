#pragma once

#include <QChartView>
#include <QElapsedTimer>
#include <cstddef>
#include <map>
#include <string>

#include "ui/forms/session/found_designs.h"

class QScatterSeries;
class QLineSeries;
class QValueAxis;

namespace pfc::ui {

// Total loss against wound volume of every design found: one colour per material, the
// Pareto front as a line once the search has ended, and a marker on the picked design.
// Clicking a point picks its design.
class FindDesignsChart final : public QChartView {
 public:
  static QString FrontSeriesName();
  static QString PickSeriesName();

  FindDesignsChart(FoundDesigns& designs, QWidget* parent);

 private:
  void Changed(FoundDesigns::Change change);
  void Rebuild();
  void AddNew();
  void ShowEnded();
  void ShowPick();
  void Fit();
  QScatterSeries* SeriesOf(const SearchCandidate& candidate);
  void PickAt(const QPointF& point);

  FoundDesigns& designs_;
  std::map<std::size_t, QScatterSeries*> materials_;  // by the request's material index
  QValueAxis* volumeAxis_ = nullptr;
  QValueAxis* lossAxis_ = nullptr;
  QLineSeries* front_ = nullptr;
  QScatterSeries* pick_ = nullptr;
  std::size_t shown_ = 0;  // candidates drawn so far
  QElapsedTimer drawn_;    // since the search's points were last drawn
  FoundDesigns::Subscription subscription_;
};

}  // namespace pfc::ui
