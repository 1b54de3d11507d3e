#include "ui/qt/viewer_host/report_viewer_host.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <utility>

#include "ui/forms/viewer/save_report_copy.h"
#include "ui/forms/viewer/viewer_protocol.h"

namespace pfc {
namespace {

const QString kProgramName = QStringLiteral("pfc-report-viewer");
// Long enough for a browser to shut down; a viewer that takes longer is ended by force.
constexpr int kCloseMilliseconds = 5000;
constexpr int kStartMilliseconds = 10000;

}  // namespace

QString DefaultReportViewerProgramPath() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QString besideProgram = programFolder + QLatin1Char('/') + kProgramName;
  if (QFileInfo::exists(besideProgram))
    return besideProgram;  // a build tree
  return QDir::cleanPath(programFolder + QStringLiteral("/" PFC_INSTALLED_HELPER_FOLDER "/") +
                         kProgramName);
}

ReportViewerHost::ReportViewerHost(ui::Toolkit& toolkit, const DesignRecord& record,
                                   const std::string& tempFolder, QString programPath,
                                   QStringList arguments)
    : toolkit_(toolkit),
      record_(record),
      tempFolder_(tempFolder),
      programPath_(std::move(programPath)),
      arguments_(std::move(arguments)) {}

// The user closing the designer closes the viewer with it.
ReportViewerHost::~ReportViewerHost() {
  EndViewer();
}

void ReportViewerHost::EndViewer() {
  if (process_ == nullptr) {
    return;
  }
  // Its input ends, and it quits; one that does not is ended by force.
  process_->disconnect(this);
  process_->closeWriteChannel();
  if (!process_->waitForFinished(kCloseMilliseconds)) {
    process_->kill();
    process_->waitForFinished(kCloseMilliseconds);
  }
  delete process_;
  process_ = nullptr;
}

std::optional<std::string> ReportViewerHost::ShowReport(const std::string& reportPath) {
  if (closing_ || !IsViewerLoaded()) {
    EndViewer();  // a viewer asked to close no longer reads requests
    process_ = new QProcess(this);
    // The browser's diagnostics go where the designer's go.
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(process_, &QProcess::readyReadStandardOutput, this, &ReportViewerHost::ReadEvents);
    connect(process_, &QProcess::finished, this, &ReportViewerHost::ViewerEnded);
    closing_ = false;
    process_->start(programPath_, arguments_, QIODevice::ReadWrite);
    if (!process_->waitForStarted(kStartMilliseconds)) {
      const std::string reason =
          "The report viewer could not be started: " + programPath_.toStdString() + ": " +
          process_->errorString().toStdString();
      EndViewer();
      return reason;
    }
  }
  const QDate today = QDate::currentDate();
  const std::string line =
      RequestLine({reportPath, tempFolder_,
                   SuggestedReportName(record_.SelectedCoreSize, record_.CoresToStack, today.year(),
                                       today.month(), today.day())});
  process_->write(line.data(), static_cast<qint64>(line.size()));
  return std::nullopt;
}

bool ReportViewerHost::IsViewerLoaded() const {
  return process_ != nullptr && process_->state() != QProcess::NotRunning;
}

void ReportViewerHost::UnloadViewer() {
  if (IsViewerLoaded()) {
    closing_ = true;
    process_->closeWriteChannel();
  }
}

qint64 ReportViewerHost::ViewerProcessId() const {
  return IsViewerLoaded() ? process_->processId() : 0;
}

void ReportViewerHost::ReadEvents() {
  // Only whole lines: the rest waits for the next read.
  while (process_ != nullptr && process_->canReadLine()) {
    QByteArray line = process_->readLine();
    line.chop(1);
    if (const std::optional<ViewerEvent> event =
            ParseEventLine(std::string_view(line.constData(), line.size()))) {
      ActOnViewerEvent(*event, toolkit_, record_);
    }
  }
}

void ReportViewerHost::ViewerEnded(int exitCode, QProcess::ExitStatus status) {
  // What the viewer said just before it ended still counts ("Back" closes it at once).
  ReadEvents();
  // Let go of the process before any message: while the message is up, "View Report" may
  // start the next viewer.
  QProcess* ended = std::exchange(process_, nullptr);
  ended->disconnect(this);
  ended->deleteLater();
  const bool expected = closing_ || (status == QProcess::NormalExit && exitCode == 0);
  closing_ = false;
  if (!expected) {
    const std::string reason = status == QProcess::CrashExit
                                   ? ended->errorString().toStdString()
                                   : "exit status " + std::to_string(exitCode);
    toolkit_.ShowMessage(ViewerStoppedMessage(reason));
  }
}

}  // namespace pfc
