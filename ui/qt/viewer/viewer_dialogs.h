#pragma once

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace pfc {

// The questions the report viewer asks the user through the desktop's dialogs. A test
// answers them itself, so that saving, opening, cancelling and printing run without a
// dialog on screen.
class ViewerDialogs {
 public:
  virtual ~ViewerDialogs() = default;

  // The file name typed or chosen in the save dialog (pattern "*.html"), as it stands;
  // nothing when the dialog was cancelled. The dialog offers `suggestedName` (without a
  // folder or extension) until a name has been chosen in it.
  virtual std::optional<QString> AskSaveName(const QString& suggestedName) = 0;
  // Whether the existing file of that path may be replaced: the usual question, about the
  // file that would be written rather than the name typed.
  virtual bool ConfirmReplace(const QString& path) = 0;
  // The file chosen in the open dialog (patterns "*.html" and "*.htm"); nothing when
  // cancelled.
  virtual std::optional<QString> AskOpenName() = 0;
  // The file name for a PDF copy of the shown page; nothing when cancelled.
  virtual std::optional<QString> AskPdfName() = 0;
  // Lets the user choose and set up a printer (a PDF file among them); false when cancelled.
  virtual bool SetUpPrinter(QPrinter& printer) = 0;
};

// The desktop's own file and print dialogs, modal over `parent`. The file dialogs start at
// the last file chosen in them, for as long as this object lives, and refuse the kernel's
// folders.
class DesktopViewerDialogs final : public ViewerDialogs {
 public:
  explicit DesktopViewerDialogs(QWidget* parent);

  std::optional<QString> AskSaveName(const QString& suggestedName) override;
  bool ConfirmReplace(const QString& path) override;
  std::optional<QString> AskOpenName() override;
  std::optional<QString> AskPdfName() override;
  bool SetUpPrinter(QPrinter& printer) override;

 private:
  QWidget* parent_;
  QString lastHtmlName_;
  QString lastPdfName_;
};

}  // namespace pfc
