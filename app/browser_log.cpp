#include "app/browser_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdlib>

namespace pfc::app {
namespace {

// Standard error as the program found it; the browser's helpers do not inherit it.
int terminal = -1;

void KeepSeriousMessages(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
  if (type != QtCriticalMsg && type != QtFatalMsg)
    return;
  const QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit() + '\n';
  for (qsizetype written = 0; written < line.size();) {
    const ssize_t count = ::write(terminal, line.constData() + written,
                                  static_cast<std::size_t>(line.size() - written));
    if (count <= 0)
      return;
    written += count;
  }
}

}  // namespace

void QuietBrowserLog() {
  if (std::getenv(kDebugVariable) != nullptr)
    return;
  // Chromium writes its log to file descriptor 2 itself, in every process it starts, so only
  // pointing that descriptor elsewhere silences it.
  const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (nowhere < 0)
    return;
  terminal = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
  if (terminal >= 0 && ::dup2(nowhere, STDERR_FILENO) >= 0)
    qInstallMessageHandler(KeepSeriousMessages);
  ::close(nowhere);
}

}  // namespace pfc::app
