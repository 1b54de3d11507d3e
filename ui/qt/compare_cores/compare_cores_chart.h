#pragma once

#include <QChartView>

#include "engine/catalogue/catalogue.h"
#include "ui/forms/session/compare_cores_designs.h"

class QScatterSeries;

namespace pfc::ui {

// One quantity of the explored designs against the catalogued area product of their core:
// one line per stack count, the quantity's limit as a dashed line where it has one, and
// markers on the calculator's choice and on the picked design.
class CompareCoresChart final : public QChartView {
 public:
  enum class Quantity { TotalLoss, TotalTemp };

  // Series names, for the legend and for finding the series.
  static QString StackSeriesName(int coresToStack);
  static QString LimitSeriesName();
  static QString ChoiceSeriesName();
  static QString PickSeriesName();

  CompareCoresChart(Quantity quantity, const CompareCoresDesigns& designs,
                    const CoreCatalogue& catalogue, QWidget* parent);

 private:
  struct Extent;

  void Changed(CompareCoresDesigns::Change change);
  // Every series and axis anew from the designs.
  void Rebuild();
  // One line per stack count; returns the range their points span.
  Extent AddStackLines();
  void AddLimitLine(Extent& extent);
  void AddChoiceMarker();
  void AddAxes(const Extent& extent);
  void ShowPick();
  double ValueOf(const ExploredDesign& design) const;
  double AreaProductOf(const ExploredDesign& design) const;
  bool IsPlotted(const ExploredDesign& design) const;

  Quantity quantity_;
  const CompareCoresDesigns& designs_;
  const CoreCatalogue& catalogue_;
  QScatterSeries* pick_ = nullptr;
  CompareCoresDesigns::Subscription subscription_;
};

}  // namespace pfc::ui
