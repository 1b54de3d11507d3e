#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "ui/qt/report_viewer.h"

namespace pfc {

// Where the application finds the viewer module: beside its executable in a build tree,
// in its private library folder once installed.
QString DefaultReportViewerModulePath();

// Loads the viewer module the first time a report is shown and keeps it for the rest of
// the process; until then the embedded browser is not in memory at all.
class ReportViewerHost {
 public:
  ReportViewerHost(ui::Toolkit& toolkit, const DesignRecord& record,
                   QString modulePath = DefaultReportViewerModulePath());
  ~ReportViewerHost();

  // Shows the report file in the viewer. Returns the reason when the module cannot be
  // loaded; nothing is shown then.
  std::optional<std::string> ShowReport(const std::string& reportPath);
  bool IsViewerLoaded() const;
  void UnloadViewer();

 private:
  ui::Toolkit& toolkit_;
  const DesignRecord& record_;
  QString modulePath_;
  std::unique_ptr<ReportViewer> viewer_;
};

}  // namespace pfc
