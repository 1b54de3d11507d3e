// The yardstick for the designer's start-up: the plainest Qt Widgets window, one label, that
// prints when it was first painted and the memory in use then, in the designer's start-up
// report's words, and quits.
#include <QApplication>
#include <QLabel>
#include <chrono>
#include <cstdio>

#include "app/startup_report.h"

namespace {

class ReportingLabel final : public QLabel {
 public:
  ReportingLabel(const QString& text, std::chrono::steady_clock::time_point enteredMain)
      : QLabel(text), enteredMain_(enteredMain) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (reported_) {
      return;
    }
    reported_ = true;
    const auto inMain = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - enteredMain_);
    std::printf("window shown: %ld ms after process start (%lld ms after main), VmRSS %s\n",
                pfc::app::MillisecondsSinceProcessStart(), static_cast<long long>(inMain.count()),
                pfc::app::ResidentMemory().c_str());
    std::fflush(stdout);
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
  }

 private:
  std::chrono::steady_clock::time_point enteredMain_;
  bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  const auto enteredMain = std::chrono::steady_clock::now();
  QApplication application(argc, argv);
  ReportingLabel label(QStringLiteral("PFC Core Designer"), enteredMain);
  label.show();
  return QApplication::exec();
}
