#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <functional>

#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"
#include "ui/qt/viewer_dialogs.h"

namespace pfc {
namespace {

// Acts on the next modal dialog as soon as it is up, as a user would.
void WhenDialogOpens(std::function<void(QDialog&)> act) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      act(*dialog);
    }
  });
  poll->start(20);
}

QLineEdit& FileNameBox(QDialog& dialog) {
  return *dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

void TypeAndAccept(QDialog& dialog, const QString& text) {
  FileNameBox(dialog).setText(text);
  QMetaObject::invokeMethod(&dialog, "accept", Qt::QueuedConnection);
}

class DesktopDialogs : public ::testing::Test {
 protected:
  QString Folder() const { return QString::fromStdString(folder_.Path().string()); }

  test::ScratchFolder folder_;
  QWidget parent_;
  DesktopViewerDialogs dialogs_{&parent_};
};

TEST_F(DesktopDialogs, SaveReturnsTheNameAsTypedWithoutAnExtension) {
  test::WriteFile(folder_.File("design1"), "a file of that name is not asked about");
  WhenDialogOpens([&](QDialog& dialog) {
    EXPECT_EQ(static_cast<QFileDialog&>(dialog).nameFilters(), QStringList{"*.html"});
    TypeAndAccept(dialog, Folder() + "/design1");
  });

  EXPECT_EQ(dialogs_.AskSaveName(), Folder() + "/design1");
}

TEST_F(DesktopDialogs, CancelledDialogsAnswerNothing) {
  WhenDialogOpens([](QDialog& dialog) { dialog.reject(); });
  EXPECT_FALSE(dialogs_.AskSaveName().has_value());
  WhenDialogOpens([](QDialog& dialog) { dialog.reject(); });
  EXPECT_FALSE(dialogs_.AskOpenName().has_value());
  WhenDialogOpens([](QDialog& dialog) { dialog.reject(); });
  QPrinter printer;
  EXPECT_FALSE(dialogs_.SetUpPrinter(printer));
}

TEST_F(DesktopDialogs, NextDialogStartsAtTheLastChosenFile) {
  test::WriteFile(folder_.File("design1.html"), "saved");
  WhenDialogOpens([&](QDialog& dialog) { TypeAndAccept(dialog, Folder() + "/design1.html"); });
  ASSERT_EQ(dialogs_.AskOpenName(), Folder() + "/design1.html");

  QString offered;
  WhenDialogOpens([&](QDialog& dialog) {
    offered = static_cast<QFileDialog&>(dialog).directory().absolutePath() + "/" +
              FileNameBox(dialog).text();
    dialog.reject();
  });
  dialogs_.AskSaveName();

  EXPECT_EQ(offered, Folder() + "/design1.html");
}

TEST_F(DesktopDialogs, PdfNameGetsItsExtension) {
  WhenDialogOpens([&](QDialog& dialog) { TypeAndAccept(dialog, Folder() + "/report"); });

  EXPECT_EQ(dialogs_.AskPdfName(), Folder() + "/report.pdf");
}

TEST_F(DesktopDialogs, PrinterChoiceOffersAPdfFile) {
  QPrinter printer;
  QStringList printers;
  WhenDialogOpens([&](QDialog& dialog) {
    if (const auto* list = dialog.findChild<QComboBox*>(QStringLiteral("printers"))) {
      for (int i = 0; i < list->count(); ++i) {
        printers << list->itemText(i);
      }
    }
    dialog.reject();
  });

  dialogs_.SetUpPrinter(printer);

  EXPECT_TRUE(printers.join('|').contains(QStringLiteral("PDF")))
      << printers.join('|').toStdString();
}

}  // namespace
}  // namespace pfc
