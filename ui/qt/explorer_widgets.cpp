#include "ui/qt/explorer_widgets.h"

#include <QApplication>
#include <QFileDialog>

#include "ui/forms/compare_cores_design.h"
#include "ui/qt/design_chart.h"
#include "ui/qt/design_table.h"

namespace pfc::ui {

void AddExplorerWidgets(QtToolkit& toolkit, DesignSession& session) {
  toolkit.AddWidgetFactory(
      kDesignTableKind, [&session](const ControlDescription&, QWidget* parent) {
        return new DesignTable(session.explored, session.decimalSeparator, parent);
      });
  toolkit.AddWidgetFactory(kTotalLossChartKind,
                           [&session](const ControlDescription&, QWidget* parent) {
                             return new DesignChart(DesignChart::Quantity::TotalLoss,
                                                    session.explored, session.catalogue, parent);
                           });
  toolkit.AddWidgetFactory(kTotalTempChartKind,
                           [&session](const ControlDescription&, QWidget* parent) {
                             return new DesignChart(DesignChart::Quantity::TotalTemp,
                                                    session.explored, session.catalogue, parent);
                           });
}

std::optional<std::string> ChooseSaveFileWithDialog(const SaveFileRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QString extension = QString::fromStdString(request.extension);
  dialog.setNameFilter(QString::fromStdString(request.fileTypeName) + QStringLiteral(" (*.") +
                       extension + QStringLiteral(")"));
  dialog.setDefaultSuffix(extension);
  dialog.selectFile(QString::fromStdString(request.suggestedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace pfc::ui
