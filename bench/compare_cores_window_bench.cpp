// How long "Compare Cores" takes from the click on the input form's button until the window
// is up with its 279 designs in the table, their three operating-check columns among them, and
// both charts drawn; and how long the "Operating Check" window takes from the summary's button
// until it is drawn with its figures and charts. On the offscreen platform.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <QTest>

#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/standard_forms.h"
#include "ui/qt/compare_cores/compare_cores_table_model.h"
#include "ui/qt/compare_cores/compare_cores_widgets.h"
#include "ui/qt/operating_check/operating_check_widgets.h"
#include "ui/qt/toolkit/qt_toolkit.h"

namespace {

void BM_CompareCoresOpensAndFills(benchmark::State& state) {
  pfc::ui::DesktopSession session;
  pfc::ui::DesktopServices services = pfc::ui::StandardServices();
  pfc::ui::FormRegistry registry;
  pfc::ui::RegisterStandardForms(registry, session, services);
  pfc::ui::QtToolkit kit(registry, QString());
  pfc::ui::AddCompareCoresWidgets(kit, session);
  kit.Show(pfc::ui::kInputForm);
  QWidget* button = kit.Widget(pfc::ui::kInputForm, "cmdCompareCores");

  for (auto _ : state) {
    QTest::mouseClick(button, Qt::LeftButton);
    QWidget* window = kit.Window(pfc::ui::kCompareCoresForm);
    // Drawn once whole, table and charts, as the screen would show it.
    benchmark::DoNotOptimize(window->grab());
    auto* table = qobject_cast<QTableView*>(kit.Widget(pfc::ui::kCompareCoresForm, "grdDesigns"));
    if (table == nullptr || table->model()->rowCount() != 279 ||
        !table->model()
             ->index(0, pfc::ui::CompareCoresTableModel::kCheckRipple)
             .data(pfc::ui::CompareCoresTableModel::kSortRole)
             .isValid()) {
      state.SkipWithError("the window did not fill in");
      break;
    }

    state.PauseTiming();
    kit.Unload(pfc::ui::kCompareCoresForm);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CompareCoresOpensAndFills)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_OperatingCheckOpensFromTheSummary(benchmark::State& state) {
  pfc::ui::DesktopSession session;
  pfc::ui::DesktopServices services = pfc::ui::StandardServices();
  pfc::ui::FormRegistry registry;
  pfc::ui::RegisterStandardForms(registry, session, services);
  pfc::ui::QtToolkit kit(registry, QString());
  pfc::ui::AddOperatingCheckWidgets(kit, session);
  kit.Show(pfc::ui::kInputForm);
  QTest::mouseClick(kit.Widget(pfc::ui::kInputForm, "cmdProcess"), Qt::LeftButton);
  if (!kit.IsVisible(pfc::ui::kSummaryForm)) {
    state.SkipWithError("the default design was not published");
    return;
  }
  QWidget* button = kit.Widget(pfc::ui::kSummaryForm, pfc::ui::kOpenOperatingCheckButton);

  for (auto _ : state) {
    QTest::mouseClick(button, Qt::LeftButton);
    QWidget* window = kit.Window(pfc::ui::kOperatingCheckForm);
    if (window == nullptr) {
      state.SkipWithError("the window did not open");
      break;
    }
    benchmark::DoNotOptimize(window->grab());

    state.PauseTiming();
    kit.Unload(pfc::ui::kOperatingCheckForm);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OperatingCheckOpensFromTheSummary)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
