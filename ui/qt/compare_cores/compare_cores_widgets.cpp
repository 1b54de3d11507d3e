#include "ui/qt/compare_cores/compare_cores_widgets.h"

#include "ui/forms/compare_cores/compare_cores_design.h"
#include "ui/qt/compare_cores/compare_cores_chart.h"
#include "ui/qt/compare_cores/compare_cores_table.h"

namespace pfc::ui {

void AddCompareCoresWidgets(QtToolkit& toolkit, DesktopSession& session) {
  toolkit.AddWidgetFactory(
      kDesignTableKind, [&session](const ControlDescription&, QWidget* parent) {
        auto* table = new CompareCoresTable(session.compareCores, session.decimalSeparator, parent);
        table->FollowLimits(session.limits);
        return table;
      });
  toolkit.AddWidgetFactory(
      kTotalLossChartKind, [&session](const ControlDescription&, QWidget* parent) {
        return new CompareCoresChart(CompareCoresChart::Quantity::TotalLoss, session.compareCores,
                                     session.catalogue, parent);
      });
  toolkit.AddWidgetFactory(
      kTotalTempChartKind, [&session](const ControlDescription&, QWidget* parent) {
        return new CompareCoresChart(CompareCoresChart::Quantity::TotalTemp, session.compareCores,
                                     session.catalogue, parent);
      });
}

}  // namespace pfc::ui
