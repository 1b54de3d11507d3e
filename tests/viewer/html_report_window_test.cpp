#include "ui/qt/viewer/html_report_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>
#include <deque>
#include <filesystem>
#include <set>

#include "tests/support/file_bytes.h"
#include "tests/support/recording_toolkit.h"
#include "tests/support/scratch_folder.h"
#include "tests/viewer/stand_in_forms.h"
#include "tests/viewer/viewer_test_support.h"

namespace pfc {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::ScratchFolder;
using test::ScriptedDialogs;
using test::WriteFile;

constexpr int kWaitMilliseconds = 20000;

const char* const kPrintFailure =
    "UNABLE TO PRINT THE FILE AS IT IS NOT SAVED OR GENERATED FROM CORE DESIGN";

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// The viewer over the summary, with the generated report in the temporary folder's temp.htm.
class ReportViewerWindow : public ::testing::Test {
 protected:
  ReportViewerWindow() : toolkit_(registry_) {
    pictureUrl_ = test::WritePicture(temp_.File("logo.png"));
    reportBytes_ = test::ReportLikeDocument(pictureUrl_, "150");
    WriteFile(ReportPath(), reportBytes_);
    toolkit_.Show("frmXls");
    toolkit_.Hide("frmXls");
    toolkit_.Show("frmResult");

    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs_ = dialogs.get();
    window_ = new frmHtmlReport(toolkit_, tempFolder_, std::move(dialogs));
  }
  ~ReportViewerWindow() override { delete window_.data(); }

  std::string ReportPath() const { return temp_.File("temp.htm"); }

  // Shows the file and waits until the browser has it on display.
  bool ShowAndWait(const std::string& path) {
    QSignalSpy loaded(&window_->wb(), &QWebEngineView::loadFinished);
    window_->ShowFile(Q(path));
    return loaded.wait(kWaitMilliseconds) && loaded.constFirst().constFirst().toBool();
  }

  bool OpenAndWait(const std::string& path) {
    dialogs_->openAnswers.push_back(Q(path));
    QSignalSpy loaded(&window_->wb(), &QWebEngineView::loadFinished);
    Button("cmdOpen")->click();
    return loaded.wait(kWaitMilliseconds) && loaded.constFirst().constFirst().toBool();
  }

  QPushButton* Button(const char* name) {
    return window_->findChild<QPushButton*>(QString::fromLatin1(name));
  }

  QString Text() { return test::PlainTextOf(window_->wb()); }

  bool WaitForMessages(std::size_t count) {
    return QTest::qWaitFor([&] { return toolkit_.Messages().size() >= count; }, kWaitMilliseconds);
  }

  ScratchFolder temp_;
  std::string tempFolder_ = temp_.Path().string();
  std::string pictureUrl_;
  std::string reportBytes_;
  ui::FormRegistry registry_ = test::StandInForms();
  ui::RecordingToolkit toolkit_;
  ScriptedDialogs* dialogs_ = nullptr;
  QPointer<frmHtmlReport> window_;
};

TEST_F(ReportViewerWindow, ShowsTheReportsDegreeAndMicroSignsAndItsPicture) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));

  const QString text = Text();
  EXPECT_TRUE(text.contains(QString::fromUtf8("50\t150\t> 155°C"))) << text.toStdString();
  EXPECT_EQ(text.count(QString::fromUtf8("°C")), 3) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("µH"))) << text.toStdString();
  EXPECT_EQ(test::EvaluateIn(window_->wb(), "document.images[0].naturalWidth").toInt(), 40);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_TRUE(toolkit_.Messages().empty());
}

// A page printed to a PDF file keeps its text: fonts, no picture of the whole sheet.
bool IsTextPdf(const std::string& pdf) {
  return pdf.substr(0, 5) == "%PDF-" && pdf.find("/FontFile") != std::string::npos &&
         pdf.size() < 1024 * 1024;
}

TEST_F(ReportViewerWindow, PrintToAPdfFileWritesTheTextAsSaveAsPdfDoes) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  const std::string pdf = temp_.File("printed.pdf");
  dialogs_->setUpPrinter = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Q(pdf));
    return true;
  };
  QSignalSpy finished(window_.data(), &frmHtmlReport::pdfExportFinished);

  Button("cmdPrint")->click();

  ASSERT_TRUE(finished.wait(kWaitMilliseconds));
  EXPECT_TRUE(finished.constFirst().constFirst().toBool());
  EXPECT_TRUE(IsTextPdf(ReadFile(pdf))) << ReadFile(pdf).size() << " bytes";
  EXPECT_TRUE(toolkit_.Messages().empty());
}

TEST_F(ReportViewerWindow, PrintOnAForeignPageFailsWithTheMessage) {
  const std::string foreign = temp_.File("foreign.html");
  WriteFile(foreign, test::ReportLikeDocument(pictureUrl_, "foreign", false));
  ASSERT_TRUE(OpenAndWait(foreign));

  Button("cmdPrint")->click();

  ASSERT_TRUE(WaitForMessages(1));
  const Message& message = toolkit_.Messages().front();
  EXPECT_EQ(message.text, kPrintFailure);
  EXPECT_EQ(message.title, "Caution");
  EXPECT_EQ(message.icon, MessageIcon::Information);
  EXPECT_EQ(dialogs_->printerQuestions, 0);
}

TEST_F(ReportViewerWindow, PrintWithNoDocumentFailsWithTheMessage) {
  window_->show();

  Button("cmdPrint")->click();

  ASSERT_TRUE(WaitForMessages(1));
  EXPECT_EQ(toolkit_.Messages().front().text, kPrintFailure);
  EXPECT_EQ(dialogs_->printerQuestions, 0);
}

TEST_F(ReportViewerWindow, CancelledSaveWritesNothing) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  dialogs_->saveAnswers.push_back(std::nullopt);

  Button("cmdSave")->click();

  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(temp_.Path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 2u);  // temp.htm and the picture
  EXPECT_FALSE(fs::exists(temp_.Path() / ".html"));
  EXPECT_TRUE(toolkit_.Messages().empty());
}

TEST_F(ReportViewerWindow, SaveToAnUnwritablePlaceSaysWhereAndWhyAndStaysOpen) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  WriteFile(temp_.File("plain"), "a regular file");
  dialogs_->saveAnswers.push_back(Q(temp_.File("plain/design1")));

  Button("cmdSave")->click();

  ASSERT_EQ(toolkit_.Messages().size(), 1u);
  const Message& message = toolkit_.Messages().front();
  EXPECT_EQ(message.text, "The report could not be saved.\r\n\r\nCannot write " +
                              temp_.File("plain/design1.html") + ": Not a directory");
  EXPECT_EQ(message.title, "Caution");
  EXPECT_EQ(message.icon, MessageIcon::Information);
  EXPECT_TRUE(window_->isVisible());
}

// Saving over a file asks first, about the file that is written (the name as typed with
// ".html"); declining asks for another name, and a file of the typed name is never asked
// about.
struct ReplaceCase {
  const char* name;
  std::deque<bool> answers;
  bool replaced;
};

void PrintTo(const ReplaceCase& c, std::ostream* out) {
  *out << c.name;
}

class SavingOverAFile : public ReportViewerWindow,
                        public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(SavingOverAFile, AsksAboutTheFileWritten) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  WriteFile(temp_.File("design2.html.html"), "older copy");
  WriteFile(temp_.File("design2.html"), "not the file written");
  dialogs_->saveAnswers = {Q(temp_.File("design2.html")), std::nullopt};
  dialogs_->replaceAnswers = GetParam().answers;

  Button("cmdSave")->click();

  ASSERT_EQ(dialogs_->replaceQuestions.size(), 1u);
  EXPECT_EQ(dialogs_->replaceQuestions[0], Q(temp_.File("design2.html.html")));
  EXPECT_EQ(ReadFile(temp_.File("design2.html.html")),
            GetParam().replaced ? reportBytes_ : "older copy");
  EXPECT_EQ(ReadFile(temp_.File("design2.html")), "not the file written");
  EXPECT_EQ(dialogs_->saveAnswers.size(), GetParam().replaced ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Answers, SavingOverAFile,
                         ::testing::Values(ReplaceCase{"Replace", {true}, true},
                                           ReplaceCase{"Decline", {false}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportViewerWindow, SavingUnderANewNameAsksNothing) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  dialogs_->saveAnswers.push_back(Q(temp_.File("design3")));

  Button("cmdSave")->click();

  EXPECT_TRUE(dialogs_->replaceQuestions.empty());
  EXPECT_EQ(ReadFile(temp_.File("design3.html")), reportBytes_);
}

TEST_F(ReportViewerWindow, SaveAfterOpenStillCopiesTheGeneratedReport) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  const std::string older = test::ReportLikeDocument(pictureUrl_, "99");
  WriteFile(temp_.File("older.html"), older);
  ASSERT_TRUE(OpenAndWait(temp_.File("older.html")));
  ASSERT_TRUE(Text().contains(QStringLiteral("\t99\t")));
  dialogs_->saveAnswers.push_back(Q(temp_.File("latest")));

  Button("cmdSave")->click();

  EXPECT_EQ(ReadFile(temp_.File("latest.html")), reportBytes_);
  EXPECT_TRUE(Text().contains(QStringLiteral("\t99\t")));  // the view is left as it was
}

// A document the program handed over other than the report (the build sheet) is the one saved:
// with no report made yet there is none in the temporary folder to copy.
TEST_F(ReportViewerWindow, SaveCopiesTheDocumentTheProgramShowedLast) {
  const std::string sheet = test::ReportLikeDocument(pictureUrl_, "77");
  WriteFile(temp_.File("build-sheet.htm"), sheet);
  std::filesystem::remove(ReportPath());
  ASSERT_TRUE(ShowAndWait(temp_.File("build-sheet.htm")));
  dialogs_->saveAnswers.push_back(Q(temp_.File("sheet")));

  Button("cmdSave")->click();

  EXPECT_EQ(ReadFile(temp_.File("sheet.html")), sheet);
  EXPECT_TRUE(toolkit_.Messages().empty());
}

// The title names the file shown, the opened one too; a file that cannot be shown leaves
// it. Saving offers the name the designer suggested.
TEST_F(ReportViewerWindow, TheTitleNamesTheShownFileAndSaveOffersTheSuggestion) {
  QSignalSpy loaded(&window_->wb(), &QWebEngineView::loadFinished);
  window_->ShowFile(Q(ReportPath()), QStringLiteral("TD-26_2026-12-07"));
  ASSERT_TRUE(loaded.wait(kWaitMilliseconds));
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("PFC Core Design  Report - temp.htm"));

  WriteFile(temp_.File("older report.htm"), reportBytes_);
  ASSERT_TRUE(OpenAndWait(temp_.File("older report.htm")));
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("PFC Core Design  Report - older report.htm"));
  dialogs_->openAnswers.push_back(Q(temp_.File("missing.html")));
  Button("cmdOpen")->click();
  ASSERT_TRUE(WaitForMessages(1));
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("PFC Core Design  Report - older report.htm"));

  dialogs_->saveAnswers.push_back(std::nullopt);
  Button("cmdSave")->click();
  ASSERT_EQ(dialogs_->saveSuggestions.size(), 1u);
  EXPECT_EQ(dialogs_->saveSuggestions[0], "TD-26_2026-12-07");
}

TEST_F(ReportViewerWindow, CancelledOpenLeavesTheViewAsItWas) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  const QString before = Text();
  QSignalSpy started(&window_->wb(), &QWebEngineView::loadStarted);
  dialogs_->openAnswers.push_back(std::nullopt);

  Button("cmdOpen")->click();

  QTest::qWait(300);
  EXPECT_EQ(started.count(), 0);
  EXPECT_EQ(Text(), before);
  EXPECT_TRUE(toolkit_.Messages().empty());
}

TEST_F(ReportViewerWindow, OpenOfAnUnreadableFileApologisesAndKeepsTheView) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  const QString before = Text();
  dialogs_->openAnswers.push_back(Q(temp_.File("missing.html")));

  Button("cmdOpen")->click();

  ASSERT_EQ(toolkit_.Messages().size(), 1u);
  const Message& message = toolkit_.Messages().front();
  EXPECT_EQ(message.text, "Sorry for the inconvenience\r\n\r\nNo such file or directory");
  EXPECT_EQ(message.title, "Caution");
  EXPECT_EQ(message.icon, MessageIcon::Information);
  EXPECT_EQ(Text(), before);
  EXPECT_TRUE(window_->isVisible());
}

// Files that are no page: the browser would show their bytes as text, or read a huge file
// whole. Each is refused, named in the apology, and the report stays on display.
TEST_F(ReportViewerWindow, OpenOfAFileThatIsNoPageIsRefusedAndKeepsTheView) {
  const std::string pdf = temp_.File("report.pdf");
  WriteFile(pdf, "%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\n");
  const std::string picture = temp_.File("core.png");
  WriteFile(picture, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  const std::string huge = temp_.File("huge.html");
  WriteFile(huge, "<html>");
  fs::resize_file(huge, 17 * 1024 * 1024);
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  const QString before = Text();

  for (const std::string& path : {pdf, picture, huge}) {
    toolkit_.ClearRecord();
    dialogs_->openAnswers.push_back(Q(path));
    Button("cmdOpen")->click();
    ASSERT_EQ(toolkit_.Messages().size(), 1u) << path;
    EXPECT_NE(toolkit_.Messages().front().text.find(path), std::string::npos) << path;
    EXPECT_EQ(Text(), before) << path;
  }

  // A UTF-16 page has zero bytes too, and is still a page.
  const std::string wide = temp_.File("wide.html");
  WriteFile(wide, std::string("\xFF\xFE<\0p\0>\0O\0K\0", 12));
  EXPECT_TRUE(OpenAndWait(wide));
  EXPECT_EQ(Text(), "OK");
}

TEST_F(ReportViewerWindow, PageThatNamesItsCharacterSetKeepsIt) {
  const std::string page = temp_.File("utf8.html");
  WriteFile(page,
            "<html><head><meta charset=\"utf-8\"></head><body>caf\xC3\xA9 50\xC2\xB0"
            "C</body></html>");

  ASSERT_TRUE(OpenAndWait(page));

  EXPECT_EQ(Text().trimmed(), QString::fromUtf8("café 50°C"));
}

TEST_F(ReportViewerWindow, PageTooLargeToHandOverAsContentIsStillShown) {
  // Over 2 MiB: the browser refuses such content, so the file is navigated to instead.
  std::string page = "<p>start</p>" + std::string(3 * 1024 * 1024, 'x') + "<p>the end</p>";
  WriteFile(temp_.File("large.html"), page);

  ASSERT_TRUE(OpenAndWait(temp_.File("large.html")));

  EXPECT_TRUE(Text().endsWith(QStringLiteral("the end")));
}

TEST_F(ReportViewerWindow, SavesTheShownPageAsPdf) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  dialogs_->pdfAnswers.push_back(Q(temp_.File("report.pdf")));
  QSignalSpy finished(window_.data(), &frmHtmlReport::pdfExportFinished);

  Button("cmdPdf")->click();

  ASSERT_TRUE(finished.wait(kWaitMilliseconds));
  EXPECT_TRUE(finished.constFirst().constFirst().toBool());
  EXPECT_TRUE(IsTextPdf(ReadFile(temp_.File("report.pdf"))));
  EXPECT_TRUE(toolkit_.Messages().empty());
}

TEST_F(ReportViewerWindow, PdfToAnUnwritablePlaceIsReported) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  WriteFile(temp_.File("plain"), "a regular file");
  dialogs_->pdfAnswers.push_back(Q(temp_.File("plain/report.pdf")));
  QSignalSpy finished(window_.data(), &frmHtmlReport::pdfExportFinished);

  Button("cmdPdf")->click();

  ASSERT_TRUE(finished.wait(kWaitMilliseconds));
  EXPECT_FALSE(finished.constFirst().constFirst().toBool());
  ASSERT_EQ(toolkit_.Messages().size(), 1u);
  EXPECT_EQ(toolkit_.Messages().front().text, "The PDF could not be saved.\r\n\r\nCannot write " +
                                                  temp_.File("plain/report.pdf") +
                                                  ": Not a directory");
}

struct ExitCase {
  const char* button;
  bool reset;  // "Reset Design" rather than "Back"
};

void PrintTo(const ExitCase& c, std::ostream* out) {
  *out << c.button;
}

class LeavingTheViewer : public ReportViewerWindow,
                         public ::testing::WithParamInterface<ExitCase> {};

// The designer's windows are the designer's (it hears the signal through the viewer
// program's protocol); the window only asks and closes.
TEST_P(LeavingTheViewer, AsksTheDesignerAndUnloadsTheViewer) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  QSignalSpy reset(window_.data(), &frmHtmlReport::resetDesignChosen);
  QSignalSpy back(window_.data(), &frmHtmlReport::backChosen);
  toolkit_.ClearRecord();

  Button(GetParam().button)->click();

  EXPECT_TRUE(QTest::qWaitFor([&] { return window_.isNull(); }, kWaitMilliseconds));
  EXPECT_EQ(reset.count(), GetParam().reset ? 1 : 0);
  EXPECT_EQ(back.count(), GetParam().reset ? 0 : 1);
  EXPECT_TRUE(toolkit_.Calls().empty());
}

INSTANTIATE_TEST_SUITE_P(Buttons, LeavingTheViewer,
                         ::testing::Values(ExitCase{"cmdExit", true}, ExitCase{"cmdBack", false}),
                         [](const auto& info) { return std::string(info.param.button); });

struct ButtonCase {
  const char* name;
  const char* caption;
  int x;  // pixels at 96 dpi
  int width;
  const char* toolTip;
};

void PrintTo(const ButtonCase& c, std::ostream* out) {
  *out << c.name;
}

class ButtonRow : public ReportViewerWindow, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(ButtonRow, HasItsCaptionPlaceAndToolTip) {
  const QPushButton* button = Button(GetParam().name);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QString::fromUtf8(GetParam().caption));
  EXPECT_EQ(button->geometry(), QRect(GetParam().x, 504, GetParam().width, 25));
  EXPECT_EQ(button->toolTip(), QString::fromUtf8(GetParam().toolTip));
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ButtonRow,
    ::testing::Values(ButtonCase{"cmdSave", "&Save as HTML  File", 104, 137,
                                 "Save the Report in html format. "},
                      ButtonCase{"cmdOpen", "&Open", 264, 81,
                                 "Click here if you want to open already saved design."},
                      ButtonCase{"cmdPrint", "&Print", 368, 81, "Print the report"},
                      ButtonCase{"cmdExit", "&Reset Design", 472, 105, "Choose the next design"},
                      ButtonCase{"cmdBack", "&Back", 592, 73, "Choose the next design"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportViewerWindow, WindowLayout) {
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("PFC Core Design  Report"));
  EXPECT_EQ(window_->size(), QSize(763, 533));
  EXPECT_EQ(window_->wb().geometry(), QRect(0, 0, 764, 497));
}

// The stop that has the keyboard: "wb" for anything inside the view.
QString FocusStop(frmHtmlReport& window) {
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr || !window.isAncestorOf(focused)) {
    return QStringLiteral("outside");
  }
  const bool inView = &window.wb() == focused || window.wb().isAncestorOf(focused);
  return inView ? QStringLiteral("wb") : focused->objectName();
}

// The stops Tab (with the modifiers) reaches from where the focus is, over `count` changes
// of stop.
std::vector<QString> WalkWithTab(frmHtmlReport& window, Qt::KeyboardModifiers modifiers,
                                 std::size_t count) {
  std::vector<QString> visited{FocusStop(window)};
  for (int press = 0; press < 4 * static_cast<int>(count) && visited.size() <= count; ++press) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    // The page answers a key inside the view a while later.
    if (QTest::qWaitFor([&] { return FocusStop(window) != visited.back(); }, 1000)) {
      visited.push_back(FocusStop(window));
    }
  }
  return visited;
}

// Needs the keyboard focus (see tests/viewer/CMakeLists.txt).
TEST_F(ReportViewerWindow, KeyboardFocusTabCyclesOnceThroughEveryButtonAndTheView) {
  ASSERT_TRUE(ShowAndWait(ReportPath()));
  // Asked again once the window is on screen: with no window manager, nothing else gives it
  // the keyboard.
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
  std::set<QString> stops{QStringLiteral("wb")};
  for (const QPushButton* button : window_->findChildren<QPushButton*>()) {
    stops.insert(button->objectName());
  }

  for (const bool shift : {false, true}) {
    const char* key = shift ? "Shift+Tab" : "Tab";
    Button("cmdSave")->setFocus(Qt::OtherFocusReason);
    const std::vector<QString> visited =
        WalkWithTab(*window_, shift ? Qt::ShiftModifier : Qt::NoModifier, 2 * stops.size());
    ASSERT_EQ(visited.size(), 2 * stops.size() + 1) << key;
    // One round reaches every stop once, and the next round repeats it.
    EXPECT_EQ(std::set<QString>(visited.begin(), visited.begin() + stops.size()), stops) << key;
    for (std::size_t i = stops.size(); i < visited.size(); ++i) {
      EXPECT_EQ(visited[i], visited[i - stops.size()]) << key << " step " << i;
    }
  }
}

}  // namespace
}  // namespace pfc
