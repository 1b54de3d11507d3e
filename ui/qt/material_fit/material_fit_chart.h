#pragma once

#include <QChartView>

#include "ui/forms/session/material_fitting.h"
#include "ui/qt/toolkit/qt_toolkit.h"

namespace pfc::ui {

// The points the material was fitted to as marks, and the fitted roll-off as a line, in %
// of the initial permeability against the field in the unit the points were given in.
class MaterialFitChart final : public QChartView {
 public:
  static QString PointsSeriesName();
  static QString FitSeriesName();

  MaterialFitChart(const MaterialFitting& fitting, QWidget* parent);

 private:
  void Rebuild();

  const MaterialFitting& fitting_;
  MaterialFitting::Subscription subscription_;
};

// Teaches the toolkit to build the "Fit Material" window's chart on the fitting, which must
// outlive the toolkit.
void AddMaterialFitWidgets(QtToolkit& toolkit, const MaterialFitting& fitting);

}  // namespace pfc::ui
