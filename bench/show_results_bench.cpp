// One press of "&Show Results" with the form's defaults, end to end through the Qt windows:
// from the click on the input form to the result summary painted on the screen (offscreen
// unless a platform is chosen). Each iteration then presses "R&eset Design Inputs", untimed,
// so that every run starts from the input form as a user's would.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>
#include <ctime>
#include <string>

#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/standard_forms.h"
#include "ui/qt/toolkit/qt_toolkit.h"

namespace pfc::ui {
namespace {

// Notes when a window of the given form has been painted.
class PaintWatcher : public QObject {
 public:
  explicit PaintWatcher(const char* form) : form_(form) {}
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->objectName() == form_)
      painted = true;
    return false;
  }

 private:
  QString form_;
};

// CPU time of this thread, which a loaded machine does not stretch as it does the wall clock.
double ThreadCpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

bool Click(QtToolkit& toolkit, const char* form, const char* button) {
  auto* widget = qobject_cast<QAbstractButton*>(toolkit.Widget(form, button));
  if (widget == nullptr)
    return false;
  widget->click();
  return true;
}

// Lets the event loop run until the form's window was painted (or a bounded number of rounds).
bool ProcessUntilPainted(PaintWatcher& watcher) {
  for (int round = 0; round < 1000 && !watcher.painted; ++round) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  return watcher.painted;
}

void BM_ShowResultsThroughTheWindows(benchmark::State& state) {
  DesktopSession session;
  DesktopServices services = StandardServices();
  FormRegistry registry;
  RegisterStandardForms(registry, session, services);
  QtToolkit toolkit(registry, QCoreApplication::applicationDirPath());
  int messages = 0;
  toolkit.SetMessagePresenter([&messages](const Message&) { ++messages; });
  PaintWatcher summaryPainted(kSummaryForm);
  qApp->installEventFilter(&summaryPainted);

  toolkit.Show(kEnterForm);
  Click(toolkit, kEnterForm, "cmdProcess");  // "I &Accept"
  QCoreApplication::processEvents();
  if (!toolkit.IsVisible(kInputForm)) {
    state.SkipWithError("the input form did not open");
    return;
  }

  QElapsedTimer timer;
  double clickNs = 0;
  double cpuMs = 0;
  for (auto _ : state) {
    summaryPainted.painted = false;
    const double cpuAtStart = ThreadCpuMilliseconds();
    timer.start();
    Click(toolkit, kInputForm, "cmdProcess");  // "&Show Results"
    clickNs += timer.nsecsElapsed();
    const bool painted = ProcessUntilPainted(summaryPainted);
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    cpuMs += ThreadCpuMilliseconds() - cpuAtStart;
    if (!painted || messages != 0 || !toolkit.IsVisible(kSummaryForm)) {
      state.SkipWithError("the defaults did not publish a design on the summary");
      break;
    }
    Click(toolkit, kSummaryForm, "cmdExit");  // "R&eset Design Inputs"
    QCoreApplication::processEvents();
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["click_ms"] = clickNs / 1e6 / runs;  // the handler, up to the shown summary
  state.counters["cpu_ms"] = cpuMs / runs;            // click to painted summary, CPU only
  qApp->removeEventFilter(&summaryPainted);
  for (const char* form : {kSummaryForm, kInputForm, kEnterForm})
    toolkit.Unload(form);
}
BENCHMARK(BM_ShowResultsThroughTheWindows)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pfc::ui

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
