// How long "Compare Cores" takes from the click on the input form's button until the window
// is up with its 279 designs in the table and both charts drawn, on the offscreen platform.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <QTest>

#include "ui/forms/desktop_services.h"
#include "ui/forms/desktop_session.h"
#include "ui/forms/form_names.h"
#include "ui/forms/standard_forms.h"
#include "ui/qt/compare_cores_widgets.h"
#include "ui/qt/qt_toolkit.h"

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
    if (table == nullptr || table->model()->rowCount() != 279) {
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
