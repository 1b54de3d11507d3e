#pragma once

#include <QChartView>

#include "ui/forms/session/checked_design.h"

namespace pfc::ui {

// The incremental inductance of the checked design against its current, from zero to 1.2
// times the larger peak current of the two line voltages: the entered target as a dashed
// line, and markers at each line's line-peak and peak current.
class InductanceChart final : public QChartView {
 public:
  static QString CurveSeriesName();
  static QString TargetSeriesName();
  static QString LinePeakSeriesName(bool lowLine);
  static QString PeakSeriesName(bool lowLine);

  InductanceChart(const CheckedDesign& design, QWidget* parent);

 private:
  void Rebuild();

  const CheckedDesign& design_;
  CheckedDesign::Subscription subscription_;
};

// The line current of the checked design over the half line cycle at both line voltages:
// the average and the upper and lower envelope of the ripple.
class LineCurrentChart final : public QChartView {
 public:
  enum class Trace { Average, Upper, Lower };
  static QString SeriesName(bool lowLine, Trace trace);

  LineCurrentChart(const CheckedDesign& design, QWidget* parent);

 private:
  void Rebuild();

  const CheckedDesign& design_;
  CheckedDesign::Subscription subscription_;
};

}  // namespace pfc::ui
