#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"
#include "ui/qt/common/file_dialog_guard.h"
#include "ui/qt/viewer/viewer_dialogs.h"

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

  EXPECT_EQ(dialogs_.AskSaveName({}), Folder() + "/design1");
}

TEST_F(DesktopDialogs, CancelledDialogsAnswerNothing) {
  WhenDialogOpens([](QDialog& dialog) { dialog.reject(); });
  EXPECT_FALSE(dialogs_.AskSaveName({}).has_value());
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
  dialogs_.AskSaveName(QStringLiteral("TD-26_2026-12-07"));

  EXPECT_EQ(offered, Folder() + "/design1.html");
}

// The first save offers the design's name; the open dialog lists both HTML extensions.
TEST_F(DesktopDialogs, SaveOffersTheSuggestionAndOpenListsHtmFiles) {
  QString offered;
  WhenDialogOpens([&](QDialog& dialog) {
    offered = FileNameBox(dialog).text();
    dialog.reject();
  });
  dialogs_.AskSaveName(QStringLiteral("TD-26_2026-12-07"));
  EXPECT_EQ(offered, "TD-26_2026-12-07");

  QStringList filters;
  WhenDialogOpens([&](QDialog& dialog) {
    filters = static_cast<QFileDialog&>(dialog).nameFilters();
    dialog.reject();
  });
  dialogs_.AskOpenName();
  ASSERT_FALSE(filters.isEmpty());
  // "HTML files (*.html *.htm)": the patterns between the brackets.
  const QStringList patterns = filters.front().section('(', 1).chopped(1).split(' ');
  for (const char* file : {"design1.html", "design1.htm", "DESIGN1.HTM"}) {
    EXPECT_TRUE(QDir::match(patterns, file)) << file;
  }
  EXPECT_FALSE(QDir::match(patterns, "notes.txt"));
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

// Acts on the modal dialogs as they come up, one step each: a step for a message box waits
// for one, a step for a file dialog for a file dialog that is new or came back after another.
struct DialogStep {
  bool messageBox;
  std::function<void(QDialog&)> act;
};

void ForEachDialog(std::vector<DialogStep> steps) {
  struct State {
    std::size_t next = 0;
    QPointer<QDialog> last;
    bool otherSince = false;
  };
  auto* poll = new QTimer(qApp);
  auto state = std::make_shared<State>();
  QObject::connect(poll, &QTimer::timeout, poll, [poll, steps, state] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      return;
    }
    if (dialog != state->last) {
      state->otherSince = true;
    }
    const DialogStep& step = steps[state->next];
    const bool isBox = qobject_cast<QMessageBox*>(dialog) != nullptr;
    if (isBox != step.messageBox || (dialog == state->last && !state->otherSince)) {
      return;
    }
    state->last = dialog;
    state->otherSince = false;
    ++state->next;
    step.act(*dialog);
    if (state->next == steps.size()) {
      poll->stop();
      poll->deleteLater();
    }
  });
  poll->start(20);
}

// Typing a kernel folder, or a file in one, into a file dialog: the dialog stays where it
// was and says why; nothing is chosen. Qt's own dialog would read /proc/kmsg to tell its
// type, and the program would wait for it for good.
TEST_F(DesktopDialogs, KernelFoldersAreRefusedWithoutAWait) {
  const std::vector<std::pair<QString, QString>> cases{
      {"/proc", "/proc/kmsg"}, {"/sys", "/sys/kernel/notes"}, {"/dev", "/dev/zero"}};
  for (const auto& [folder, file] : cases) {
    QStringList refusals;
    QString stayedIn;
    const auto refusal = [&](QDialog& box) {
      refusals << static_cast<QMessageBox&>(box).text();
      box.accept();
    };
    ForEachDialog({
        {false,
         [&](QDialog& dialog) {
           static_cast<QFileDialog&>(dialog).setDirectory(Folder());
           TypeAndAccept(dialog, folder);
         }},
        {true, refusal},
        {false,
         [&](QDialog& dialog) {
           stayedIn = static_cast<QFileDialog&>(dialog).directory().absolutePath();
           TypeAndAccept(dialog, file);
         }},
        {true, refusal},
        {false, [](QDialog& dialog) { dialog.reject(); }},
    });

    EXPECT_FALSE(dialogs_.AskOpenName().has_value()) << folder.toStdString();

    EXPECT_EQ(stayedIn, Folder()) << folder.toStdString();
    ASSERT_EQ(refusals.size(), 2) << folder.toStdString();
    EXPECT_TRUE(refusals[0].startsWith(folder)) << refusals[0].toStdString();
    EXPECT_TRUE(refusals[1].startsWith(file)) << refusals[1].toStdString();
  }
}

struct PathCase {
  const char* path;
  bool system;
};

class SystemFolderTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(SystemFolderTest, TellsTheKernelsFoldersThroughLinksToo) {
  EXPECT_EQ(ui::IsInSystemFolder(QString::fromUtf8(GetParam().path)), GetParam().system);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SystemFolderTest,
    ::testing::Values(PathCase{"/proc", true}, PathCase{"/proc/kmsg", true},
                      PathCase{"/sys/kernel", true}, PathCase{"/dev/null", true},
                      PathCase{"/tmp/../dev/zero", true}, PathCase{"/dev/fd/0", true},
                      PathCase{"/proc/new-folder/report", true},
                      PathCase{"/etc/mtab", true},  // a link into /proc
                      PathCase{"/process", false}, PathCase{"/tmp/dev", false},
                      PathCase{"/tmp/no-such-folder/report", false}, PathCase{"", false}));

}  // namespace
}  // namespace pfc
