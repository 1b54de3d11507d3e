#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/record/design_record.h"
#include "ui/toolkit/toolkit.h"

// The report viewer runs as a program of its own, so that the embedded browser (and the
// OpenGL driver it needs) never enters the designer's process. The two talk in lines ending
// in LF: the designer writes requests to the viewer's standard input, the viewer writes what
// happened to its standard output. The designer closing the viewer's input ends the viewer.
namespace pfc {

// Designer to viewer: show this report file, whose generated original (the file "Save as
// HTML File" copies) lies in `tempFolder`, offering `suggestedName` to save it as. All are
// percent-encoded, so any byte of a path
// fits on the line.
struct ShowReportRequest {
  std::string reportPath;
  std::string tempFolder;
  // The name "Save as HTML File" first offers (its part number and date); none when empty.
  std::string suggestedName;

  friend bool operator==(const ShowReportRequest&, const ShowReportRequest&) = default;
};
std::string RequestLine(const ShowReportRequest& request);
// Nothing when the line (without its LF) is not a well-formed request.
std::optional<ShowReportRequest> ParseRequestLine(std::string_view line);

// Viewer to designer.
enum class ViewerEvent {
  Shown,        // the window is up with the report in it
  ResetDesign,  // "&Reset Design" was pressed; the viewer closes
  Back,         // "&Back" was pressed; the viewer closes
  Help,         // F1 was pressed: the designer shows its directions
};
std::string EventLine(ViewerEvent event);
std::optional<ViewerEvent> ParseEventLine(std::string_view line);

// What an event does to the designer's own windows.
void ActOnViewerEvent(ViewerEvent event, ui::Toolkit& toolkit, const DesignRecord& record);

// Told when the viewer program ended without being closed by the user or the designer;
// `reason` is what the system said.
Message ViewerStoppedMessage(const std::string& reason);

}  // namespace pfc
