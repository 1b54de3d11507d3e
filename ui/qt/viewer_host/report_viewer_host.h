#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "engine/record/design_record.h"
#include "ui/toolkit/toolkit.h"

namespace pfc {

// Where the designer finds the report viewer program: beside its own executable in a build
// tree, in its private program folder once installed.
QString DefaultReportViewerProgramPath();

// The report viewer as the designer sees it: a program of its own, started by the first
// report and asked to show each later one, so the embedded browser never enters this
// process. Its "Reset Design" and "Back" act on the designer's windows through the toolkit;
// if it stops unexpectedly the user is told and the designer carries on. Destroying the host
// closes the viewer.
class ReportViewerHost final : public QObject {
 public:
  // The program is started with `arguments`. The viewer is told the temporary folder the
  // report lies in as it stands at each report.
  ReportViewerHost(ui::Toolkit& toolkit, const DesignRecord& record, const std::string& tempFolder,
                   QString programPath = DefaultReportViewerProgramPath(),
                   QStringList arguments = {});
  ~ReportViewerHost() override;

  // Shows the report file in the viewer, starting the program when it is not running.
  // Returns the reason when the program cannot be started; nothing is shown then.
  std::optional<std::string> ShowReport(const std::string& reportPath);
  bool IsViewerLoaded() const;
  // Asks the viewer to close; it ends on its own.
  void UnloadViewer();
  // The running viewer's process id; 0 when none runs.
  qint64 ViewerProcessId() const;

 private:
  void EndViewer();
  void ReadEvents();
  void ViewerEnded(int exitCode, QProcess::ExitStatus status);

  ui::Toolkit& toolkit_;
  const DesignRecord& record_;
  const std::string& tempFolder_;
  QString programPath_;
  QStringList arguments_;
  QProcess* process_ = nullptr;
  bool closing_ = false;  // the designer asked the viewer to end
};

}  // namespace pfc
