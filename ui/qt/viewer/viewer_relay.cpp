#include "ui/qt/viewer/viewer_relay.h"

#include <QFile>
#include <QIODevice>
#include <QString>
#include <QtGlobal>

namespace pfc {

ViewerRelay::ViewerRelay(ui::Toolkit& toolkit, QIODevice& events,
                         std::unique_ptr<ViewerDialogs> dialogs)
    : events_(events), window_(new frmHtmlReport(toolkit, tempFolder_, std::move(dialogs))) {
  connect(window_, &frmHtmlReport::resetDesignChosen, this,
          [this] { Tell(ViewerEvent::ResetDesign); });
  connect(window_, &frmHtmlReport::backChosen, this, [this] { Tell(ViewerEvent::Back); });
  connect(window_, &frmHtmlReport::helpChosen, this, [this] { Tell(ViewerEvent::Help); });
}

// The window reads the folder, which goes with the relay.
ViewerRelay::~ViewerRelay() {
  delete window_.data();
}

void ViewerRelay::Receive(const QByteArray& bytes) {
  pending_ += bytes;
  qsizetype end = 0;
  while ((end = pending_.indexOf('\n')) >= 0) {
    const QByteArray line = pending_.left(end);
    pending_.remove(0, end + 1);
    Act(line);
  }
}

void ViewerRelay::InputEnded() {
  if (!window_.isNull()) {
    window_->close();
  }
}

void ViewerRelay::Act(const QByteArray& line) {
  const std::optional<ShowReportRequest> request =
      ParseRequestLine(std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
  if (!request) {
    qWarning("pfc-report-viewer: skipped a line that is not a request: %s", line.constData());
    return;
  }
  if (window_.isNull()) {
    return;  // closed already: the designer starts a new viewer for its next report
  }
  tempFolder_ = request->tempFolder;
  window_->ShowFile(QFile::decodeName(QByteArray::fromStdString(request->reportPath)),
                    QString::fromStdString(request->suggestedName));
  Tell(ViewerEvent::Shown);
}

void ViewerRelay::Tell(ViewerEvent event) {
  const std::string line = EventLine(event);
  events_.write(line.data(), static_cast<qint64>(line.size()));
}

}  // namespace pfc
