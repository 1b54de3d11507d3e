#include "ui/qt/viewer/html_report_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <algorithm>
#include <array>

#include "reports/files/atomic_file.h"
#include "reports/summary/temp_folder.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/viewer/report_viewer_controls.h"
#include "ui/forms/viewer/save_report_copy.h"
#include "ui/forms/viewer/viewer_flows.h"
#include "ui/qt/common/window_placement.h"
#include "ui/qt/viewer/html_file_loading.h"
#include "ui/toolkit/twips.h"

namespace pfc {

using namespace ui::report_viewer_controls;

namespace {

using ui::Pixels;

constexpr int kClientWidth = 11445;
constexpr int kClientHeight = 7995;
constexpr int kViewWidth = 11460;
constexpr int kViewHeight = 7455;
constexpr int kButtonTop = 7560;
constexpr int kButtonHeight = 375;

// Clicks the report's own print hook, a hidden input named "print" whose click handler
// asks the page to print itself. False when the document has no such element.
const QString kClickPrintElement = QStringLiteral(
    "(function () {"
    "  var found = document.getElementsByName('print');"
    "  if (found.length === 0) { return false; }"
    "  found[0].click();"
    "  return true;"
    "})()");

const QString kCaption = QStringLiteral("PFC Core Design  Report");

const char* const kPrintFailure =
    "UNABLE TO PRINT THE FILE AS IT IS NOT SAVED OR GENERATED FROM CORE DESIGN";

std::string ToStd(const QString& text) {
  return text.toStdString();
}

}  // namespace

frmHtmlReport::frmHtmlReport(ui::Toolkit& toolkit, const std::string& tempFolder,
                             std::unique_ptr<ViewerDialogs> dialogs)
    : toolkit_(toolkit),
      tempFolder_(tempFolder),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<DesktopViewerDialogs>(this)) {
  setObjectName(QString::fromLatin1(ui::kReportViewerForm));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(kCaption);
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(8.25);
  setFont(font);

  wb_ = new QWebEngineView(this);
  wb_->setObjectName(QString::fromLatin1(kWb));
  // Only a file too large to be handed over as content reaches the browser's own guessing;
  // the reports are Windows-1252, so that is the better guess too.
  wb_->settings()->setDefaultTextEncoding(QStringLiteral("windows-1252"));
  connect(wb_, &QWebEngineView::printRequested, this, &frmHtmlReport::wb_PrintRequested);
  connect(wb_, &QWebEngineView::printFinished, this, &frmHtmlReport::wb_PrintFinished);

  cmdSave_ = AddButton(kCmdSave, QStringLiteral("&Save as HTML  File"), 1560, 2055,
                       QStringLiteral("Save the Report in html format. "));
  cmdOpen_ = AddButton(kCmdOpen, QStringLiteral("&Open"), 3960, 1215,
                       QStringLiteral("Click here if you want to open already saved design."));
  cmdPrint_ = AddButton(kCmdPrint, QStringLiteral("&Print"), 5520, 1215,
                        QStringLiteral("Print the report"));
  cmdExit_ = AddButton(kCmdExit, QStringLiteral("&Reset Design"), 7080, 1575,
                       QStringLiteral("Choose the next design"));
  cmdBack_ = AddButton(kCmdBack, QStringLiteral("&Back"), 8880, 1095,
                       QStringLiteral("Choose the next design"));
  // Right of the five, where the row has room: a PDF of whatever the view shows.
  cmdPdf_ = AddButton(kCmdPdf, QStringLiteral("Save as P&DF"), 10140, 1215,
                      QStringLiteral("Save the report shown as a PDF file."));

  connect(cmdSave_, &QPushButton::clicked, this, &frmHtmlReport::cmdSave_Click);
  connect(cmdOpen_, &QPushButton::clicked, this, &frmHtmlReport::cmdOpen_Click);
  connect(cmdPrint_, &QPushButton::clicked, this, &frmHtmlReport::cmdPrint_Click);
  connect(cmdExit_, &QPushButton::clicked, this, &frmHtmlReport::cmdExit_Click);
  connect(cmdBack_, &QPushButton::clicked, this, &frmHtmlReport::cmdBack_Click);
  connect(cmdPdf_, &QPushButton::clicked, this, &frmHtmlReport::cmdPdf_Click);
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &frmHtmlReport::helpChosen);

  ApplyTabOrder();
  // The view takes the focus through a widget it creates once a page is on the way; the
  // tab order is set again when that widget arrives.
  wb_->installEventFilter(this);

  resize(Pixels(kClientWidth), Pixels(kClientHeight));
  LayOut(size());
}

frmHtmlReport::~frmHtmlReport() = default;

QPushButton* frmHtmlReport::AddButton(const char* name, const QString& caption, int xTwips,
                                      int widthTwips, const QString& toolTip) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(toolTip);
  button->setGeometry(Pixels(xTwips), Pixels(kButtonTop), Pixels(widthTwips),
                      Pixels(kButtonHeight));
  return button;
}

void frmHtmlReport::ApplyTabOrder() {
  // The view itself takes no focus, so the order goes through its focus widget, once it
  // has one.
  QWidget* view = wb_->focusProxy() != nullptr ? wb_->focusProxy() : wb_;
  setTabOrder(cmdSave_, cmdPrint_);
  setTabOrder(cmdPrint_, cmdExit_);
  setTabOrder(cmdExit_, cmdBack_);
  if (view->focusPolicy() != Qt::NoFocus) {
    setTabOrder(cmdBack_, view);
    setTabOrder(view, cmdOpen_);
  } else {
    setTabOrder(cmdBack_, cmdOpen_);
  }
  setTabOrder(cmdOpen_, cmdPdf_);
}

bool frmHtmlReport::focusNextPrevChild(bool next) {
  // One cycle through all of them, whatever order the browser's own widgets were created
  // in: Qt's focus chain would lead from the last button back into the view, never to the
  // first. Tab inside the page moves among the page's elements; the view hands the focus on
  // to here when it leaves the page.
  const std::array<QWidget*, 7> cycle{cmdSave_, cmdPrint_, cmdExit_, cmdBack_,
                                      wb_,      cmdOpen_,  cmdPdf_};
  QWidget* focused = focusWidget();
  const auto holds = [focused](QWidget* stop) {
    return focused != nullptr && (stop == focused || stop->isAncestorOf(focused));
  };
  const auto at = std::find_if(cycle.begin(), cycle.end(), holds);
  if (at == cycle.end()) {
    return QWidget::focusNextPrevChild(next);
  }
  const int count = static_cast<int>(cycle.size());
  const int from = static_cast<int>(at - cycle.begin());
  for (int step = 1; step < count; ++step) {
    QWidget* stop = cycle[(from + (next ? step : count - step)) % count];
    QWidget* target = stop->focusProxy() != nullptr ? stop->focusProxy() : stop;
    if (target->isEnabled() && target->isVisible() && target->focusPolicy() != Qt::NoFocus) {
      target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return true;
}

bool frmHtmlReport::eventFilter(QObject* watched, QEvent* event) {
  if (watched == wb_ && event->type() == QEvent::ChildAdded) {
    QTimer::singleShot(0, this, &frmHtmlReport::ApplyTabOrder);
  }
  return QWidget::eventFilter(watched, event);
}

void frmHtmlReport::LayOut(const QSize& client) {
  // The view takes whatever the window gains; the buttons keep their row at the bottom.
  const int viewHeight = client.height() - Pixels(kClientHeight - kViewHeight);
  const int viewWidth = client.width() + Pixels(kViewWidth - kClientWidth);
  wb_->setGeometry(0, 0, viewWidth, viewHeight);
  const int buttonTop = client.height() - Pixels(kClientHeight - kButtonTop);
  for (QPushButton* button : {cmdSave_, cmdOpen_, cmdPrint_, cmdExit_, cmdBack_, cmdPdf_}) {
    button->move(button->x(), buttonTop);
  }
}

void frmHtmlReport::resizeEvent(QResizeEvent* event) {
  LayOut(event->size());
  QWidget::resizeEvent(event);
}

void frmHtmlReport::Caution(const std::string& text) {
  toolkit_.ShowMessage(Message{kCautionTitle, MessageIcon::Information, text});
}

void frmHtmlReport::NameShownFile(const QString& path) {
  setWindowTitle(kCaption + QStringLiteral(" - ") + QFileInfo(path).fileName());
}

void frmHtmlReport::ShowFile(const QString& path, const QString& suggestedSaveName) {
  suggestedSaveName_ = suggestedSaveName;
  shownDocument_ = ToStd(path);
  if (!placed_) {
    // Like every window of the program, it places itself once, when it first appears.
    placed_ = true;
    ui::CentreOnParentScreen(*this, QApplication::activeWindow());
  }
  show();
  ui::SettleCentring(*this);
  raise();
  activateWindow();
  if (const auto reason = ShowHtmlFile(*wb_, path)) {
    Caution("Sorry for the inconvenience\r\n\r\n" + ToStd(*reason));
  } else {
    NameShownFile(path);
  }
}

void frmHtmlReport::cmdSave_Click() {
  std::optional<QString> name;
  for (;;) {
    name = dialogs_->AskSaveName(suggestedSaveName_);
    if (!name) {
      return;
    }
    // The question is about the file written, which the dialog cannot know: ".html" is
    // added to the name as typed. Declining it asks for another name.
    const QString target = QString::fromStdString(SavedCopyPath(ToStd(*name)));
    if (!QFileInfo::exists(target) || dialogs_->ConfirmReplace(target)) {
      break;
    }
  }
  // Always the document the program generated and showed last (the report, or the build
  // sheet), whatever the view shows after Open.
  const std::string generated =
      shownDocument_.empty() ? ReportFilePath(tempFolder_) : shownDocument_;
  if (auto message = SaveReportCopy(generated, ToStd(*name))) {
    toolkit_.ShowMessage(*message);
  }
}

void frmHtmlReport::cmdOpen_Click() {
  if (const std::optional<QString> name = dialogs_->AskOpenName()) {
    if (const auto reason = ShowHtmlFile(*wb_, *name)) {
      Caution("Sorry for the inconvenience\r\n\r\n" + ToStd(*reason));
    } else {
      NameShownFile(*name);
    }
  }
}

void frmHtmlReport::cmdPrint_Click() {
  QPointer<frmHtmlReport> self(this);
  wb_->page()->runJavaScript(kClickPrintElement, [self](const QVariant& clicked) {
    if (self && !clicked.toBool()) {
      self->Caution(kPrintFailure);
    }
  });
}

void frmHtmlReport::wb_PrintRequested() {
  if (printer_) {
    return;  // one job at a time; the printer must outlive the job
  }
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!dialogs_->SetUpPrinter(*printer_)) {
    printer_.reset();
    return;
  }
  if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty()) {
    // Printed to a file, the page would arrive as one picture per sheet; the browser's own
    // PDF keeps the text, as "Save as PDF" does.
    const std::string path = ToStd(printer_->outputFileName());
    const QPageLayout layout = printer_->pageLayout();
    printer_.reset();
    WritePdf(path, layout);
    return;
  }
  wb_->print(printer_.get());
}

void frmHtmlReport::wb_PrintFinished(bool printed) {
  printer_.reset();
  if (!printed) {
    Caution("The report could not be printed.");
  }
}

void frmHtmlReport::cmdPdf_Click() {
  const std::optional<QString> name = dialogs_->AskPdfName();
  if (!name) {
    return;
  }
  const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                           QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  WritePdf(ToStd(*name), layout);
}

void frmHtmlReport::WritePdf(const std::string& path, const QPageLayout& layout) {
  QPointer<frmHtmlReport> self(this);
  wb_->page()->printToPdf(
      [self, path](const QByteArray& pdf) {
        if (!self) {
          return;
        }
        std::string failure;
        if (pdf.isEmpty()) {
          failure = "The page could not be turned into a PDF.";
        } else if (const FileWriteResult written =
                       WriteFileAtomically(path, std::string_view(pdf.constData(), pdf.size()));
                   !written.written) {
          failure = written.Message();
        }
        if (!failure.empty()) {
          self->Caution("The PDF could not be saved.\r\n\r\n" + failure);
        }
        emit self->pdfExportFinished(failure.empty());
      },
      layout);
}

void frmHtmlReport::cmdExit_Click() {
  emit resetDesignChosen();
  close();
}

void frmHtmlReport::cmdBack_Click() {
  emit backChosen();
  close();
}

}  // namespace pfc
