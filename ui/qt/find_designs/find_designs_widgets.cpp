#include "ui/qt/find_designs/find_designs_widgets.h"

#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/qt/find_designs/find_designs_chart.h"
#include "ui/qt/find_designs/find_designs_progress.h"
#include "ui/qt/find_designs/find_designs_table.h"

namespace pfc::ui {

void AddFindDesignsWidgets(QtToolkit& toolkit, DesktopSession& session) {
  toolkit.AddWidgetFactory(kSearchProgressKind,
                           [&session](const ControlDescription&, QWidget* parent) {
                             return new FindDesignsProgress(session.foundDesigns, parent);
                           });
  toolkit.AddWidgetFactory(kFoundDesignsChartKind,
                           [&session](const ControlDescription&, QWidget* parent) {
                             return new FindDesignsChart(session.foundDesigns, parent);
                           });
  toolkit.AddWidgetFactory(kFoundDesignsTableKind,
                           [&session](const ControlDescription&, QWidget* parent) {
                             return new FindDesignsTable(session.foundDesigns, parent);
                           });
}

}  // namespace pfc::ui
