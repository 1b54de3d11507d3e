#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "ui/qt/viewer/viewer_dialogs.h"
#include "ui/toolkit/toolkit.h"

class QPageLayout;
class QPrinter;
class QPushButton;
class QWebEngineView;

namespace pfc {

// frmHtmlReport: the HTML design report in an embedded browser above a row of buttons to
// save it under a name, open a saved copy, print, leave for the next design or go back to
// the summary. Deletes itself when closed (unloaded).
class frmHtmlReport final : public QWidget {
  Q_OBJECT

 public:
  // Reads tempFolder (where the generated report lies) when a button is pressed. Without
  // `dialogs` the desktop's dialogs are used.
  frmHtmlReport(ui::Toolkit& toolkit, const std::string& tempFolder,
                std::unique_ptr<ViewerDialogs> dialogs = nullptr);
  ~frmHtmlReport() override;

  // Shows the window (modeless, brought forward) and the file in it, named in the title. A
  // file that cannot be read is reported; the view keeps what it showed. "Save as HTML File"
  // offers `suggestedSaveName` until a name has been chosen.
  void ShowFile(const QString& path, const QString& suggestedSaveName = {});

  QWebEngineView& wb() { return *wb_; }

 signals:
  // A "Save as PDF", or a print to a PDF file, ended; `saved` tells whether the file was
  // written.
  void pdfExportFinished(bool saved);
  // "&Reset Design" and "&Back": the designer's windows are the designer's to change; the
  // window closes right after.
  void resetDesignChosen();
  void backChosen();
  // F1: the designer's directions, which are the designer's to show.
  void helpChosen();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void cmdSave_Click();
  void cmdOpen_Click();
  void cmdPrint_Click();
  void cmdExit_Click();
  void cmdBack_Click();
  void cmdPdf_Click();
  void wb_PrintRequested();
  void wb_PrintFinished(bool printed);
  // Writes the shown page as a text PDF; reports a failure and signals the end.
  void WritePdf(const std::string& path, const QPageLayout& layout);

  void ApplyTabOrder();
  void LayOut(const QSize& client);
  QPushButton* AddButton(const char* name, const QString& caption, int xTwips, int widthTwips,
                         const QString& toolTip);
  void Caution(const std::string& text);

  ui::Toolkit& toolkit_;
  const std::string& tempFolder_;
  std::string shownDocument_;  // the file ShowFile was last given: what Save copies
  std::unique_ptr<ViewerDialogs> dialogs_;
  QWebEngineView* wb_;
  QPushButton* cmdSave_;
  QPushButton* cmdOpen_;
  QPushButton* cmdPrint_;
  QPushButton* cmdExit_;
  QPushButton* cmdBack_;
  QPushButton* cmdPdf_;
  std::unique_ptr<QPrinter> printer_;  // alive while a print job runs
  bool placed_ = false;
  QString suggestedSaveName_;
  // The title names the file shown after the caption.
  void NameShownFile(const QString& path);
};

}  // namespace pfc
