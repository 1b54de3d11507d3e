// The "Find Designs" window's search, from the click on its button until the window shows the
// ranked result, beside the engine's SearchDesigns on the same operating point, the same
// materials and the same threads. The window must not cost the search more than half again.
// On the offscreen platform.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <thread>

#include "bench/bench_tables.h"
#include "engine/check/rolloff_grades.h"
#include "engine/search/design_search.h"
#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/found_designs.h"
#include "ui/forms/shell/standard_forms.h"
#include "ui/qt/find_designs/find_designs_widgets.h"
#include "ui/qt/toolkit/qt_toolkit.h"

namespace {

int Threads() {
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// The engine alone, as `pfc-core optimize` runs it: every grade, stacks 1 to 9.
void BM_EngineSearch(benchmark::State& state) {
  const pfc::bench::LoadedForm form;
  pfc::SearchRequest request;
  for (const pfc::RolloffGrade& grade : pfc::RolloffGrades())
    request.materials.emplace_back(grade);
  request.threads = Threads();
  std::size_t feasible = 0;
  for (auto _ : state) {
    const pfc::DesignSearch search =
        pfc::SearchDesigns(pfc::EntryTexts{}, form.record, form.catalogue, form.wires, request);
    feasible = search.feasible.size();
  }
  state.counters["feasible"] = static_cast<double>(feasible);
}
BENCHMARK(BM_EngineSearch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The window's search model alone, its thread and hand-over without the widgets.
void BM_FoundDesignsAlone(benchmark::State& state) {
  const pfc::bench::LoadedForm form;
  pfc::SearchRequest request;
  for (const pfc::RolloffGrade& grade : pfc::RolloffGrades())
    request.materials.emplace_back(grade);
  request.threads = Threads();
  pfc::ui::FoundDesigns found;
  for (auto _ : state) {
    found.Start(pfc::EntryTexts{}, form.record, form.catalogue, form.wires, request);
    found.Finish();
  }
  state.counters["feasible"] = static_cast<double>(found.Candidates().size());
}
BENCHMARK(BM_FoundDesignsAlone)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The window: its progress bar's timer takes the finds, its table and chart draw them.
void BM_WindowSearch(benchmark::State& state) {
  pfc::ui::DesktopSession session;
  pfc::ui::DesktopServices services = pfc::ui::StandardServices();
  pfc::ui::FormRegistry registry;
  pfc::ui::RegisterStandardForms(registry, session, services);
  pfc::ui::QtToolkit kit(registry, QString());
  pfc::ui::AddFindDesignsWidgets(kit, session);
  kit.Show(pfc::ui::kInputForm);
  QTest::mouseClick(kit.Widget(pfc::ui::kInputForm, pfc::ui::kCmdFindDesigns), Qt::LeftButton);
  session.foundDesigns.Finish();  // the search the window starts on opening
  QWidget* window = kit.Window(pfc::ui::kFindDesignsForm);
  QWidget* search =
      kit.Widget(pfc::ui::kFindDesignsForm, pfc::ui::find_designs_controls::kCmdSearch);
  std::size_t found = 0;
  for (auto _ : state) {
    QTest::mouseClick(search, Qt::LeftButton);
    while (session.foundDesigns.Running())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    benchmark::DoNotOptimize(window->grab());
    found = session.foundDesigns.Candidates().size();
  }
  state.counters["feasible"] = static_cast<double>(found);
}
BENCHMARK(BM_WindowSearch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

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
