// pfc-report-viewer: the designer's report viewer window, in a process of its own so that
// the embedded browser and the OpenGL driver it needs stay out of the designer. The designer
// starts it and speaks to it through its standard input and output
// (ui/forms/viewer/viewer_protocol.h); it ends when its window closes or its input ends.
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QSocketNotifier>
#include <QStyleFactory>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/browser_log.h"
#include "app/information_options.h"
#include "engine/method/design_run.h"
#include "ui/qt/toolkit/qt_toolkit.h"
#include "ui/qt/viewer/viewer_relay.h"
#include "ui/toolkit/form_registry.h"

namespace {

constexpr const char* kIconOption = "--window-icon";

// "--window-icon <file>": the designer's window icon, so the viewer looks like one of its
// windows. (Qt takes "-icon" for itself on X11.)
QString IconArgument(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], kIconOption) == 0) {
      return QString::fromLocal8Bit(argv[i + 1]);
    }
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (const std::optional<int> status = pfc::app::AnswerInformationOptions(
          argc, argv, pfc::app::kReportViewerInformation, std::cout))
    return *status;
  pfc::app::QuietBrowserLog();
  // The embedded browser refuses to start as root with its sandbox on, which would leave a
  // root session without reports; an explicit setting of the variable is left alone.
  if (geteuid() == 0)
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
  // The browser shares OpenGL contexts with the windows; Qt needs to know before the
  // application object exists.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  const QString icon = IconArgument(argc, argv);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(pfc::kApplicationTitle));
  // No display name: the platform would append it to the window's title, which is the
  // window's own caption, as in the designer.
  // One of the designer's windows to the desktop: the same menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("pfc-core-designer"));
  if (!icon.isEmpty()) {
    QApplication::setWindowIcon(QIcon(icon));
  }
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(style);
  }

  // No forms of its own: the toolkit only shows the window's messages.
  const pfc::ui::FormRegistry noForms;
  pfc::ui::QtToolkit toolkit(noForms, QString());
  QFile events;
  if (!events.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return EXIT_FAILURE;
  }
  pfc::ViewerRelay relay(toolkit, events);

  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &relay, [&relay, &input] {
    char buffer[4096];
    const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
    if (count > 0) {
      relay.Receive(QByteArray(buffer, count));
    } else if (count == 0 || (errno != EINTR && errno != EAGAIN)) {
      input.setEnabled(false);
      relay.InputEnded();
      QCoreApplication::quit();
    }
  });
  return QApplication::exec();
}
