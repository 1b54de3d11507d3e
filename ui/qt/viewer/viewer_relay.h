#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <memory>
#include <string>

#include "ui/forms/viewer/viewer_protocol.h"
#include "ui/qt/viewer/html_report_window.h"
#include "ui/toolkit/toolkit.h"

class QIODevice;

namespace pfc {

// The report viewer program's end of the line protocol with the designer: each request
// shows a report in the window, and the window's "Reset Design" and "Back" go back to the
// designer as events on `events`. The window shows its own messages through `toolkit`.
class ViewerRelay final : public QObject {
 public:
  // Without `dialogs` the window asks through the desktop's dialogs.
  ViewerRelay(ui::Toolkit& toolkit, QIODevice& events,
              std::unique_ptr<ViewerDialogs> dialogs = nullptr);
  ~ViewerRelay() override;

  // Bytes from the designer; each whole line is acted on, a line that is not a request is
  // skipped with a warning.
  void Receive(const QByteArray& bytes);
  // The designer closed its end (it ended, or closed the viewer): the window closes.
  void InputEnded();

  // The window while it is open; nullptr once closed.
  frmHtmlReport* Window() const { return window_.data(); }

 private:
  void Act(const QByteArray& line);
  void Tell(ViewerEvent event);

  QIODevice& events_;
  std::string tempFolder_;  // the window reads it: where the shown report lies
  QPointer<frmHtmlReport> window_;
  QByteArray pending_;  // the start of a line not yet complete
};

}  // namespace pfc
