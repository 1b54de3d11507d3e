#pragma once

#include <string>

#include "engine/design_record.h"
#include "ui/toolkit/toolkit.h"

namespace pfc {

// The report viewer as the rest of the program sees it. It lives in a module of its own,
// loaded when the first report is shown, so that the embedded browser costs nothing to a
// session that never opens a report.
class ReportViewer {
 public:
  virtual ~ReportViewer() = default;

  // Shows the viewer window (loading it when it is not loaded) with the file in it.
  virtual void ShowReport(const std::string& reportPath) = 0;
  virtual bool IsLoaded() const = 0;
  // Closes and destroys the window; nothing when it is not loaded.
  virtual void Unload() = 0;
};

}  // namespace pfc

// The module's one entry point: a viewer that reports through `toolkit` and reads TempFolder
// and CalcType from `record` when its buttons are pressed. Both must outlive it.
extern "C" pfc::ReportViewer* pfc_create_report_viewer(pfc::ui::Toolkit& toolkit,
                                                       const pfc::DesignRecord& record);

// The entry point's name and type, for the code that loads the module.
inline constexpr const char* kCreateReportViewerSymbol = "pfc_create_report_viewer";
using CreateReportViewerFunction = pfc::ReportViewer* (*)(pfc::ui::Toolkit&,
                                                          const pfc::DesignRecord&);
