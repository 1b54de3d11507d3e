#include "ui/qt/viewer/viewer_relay.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include "tests/support/file_bytes.h"
#include "tests/support/recording_toolkit.h"
#include "tests/support/scratch_folder.h"
#include "tests/viewer/stand_in_forms.h"
#include "tests/viewer/viewer_test_support.h"

namespace pfc {
namespace {

constexpr int kWaitMilliseconds = 20000;

QByteArray Bytes(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// The viewer program's side, with its standard output in a buffer and the generated report
// in a temporary folder of its own.
class ViewerRelayWindow : public ::testing::Test {
 protected:
  ViewerRelayWindow() : toolkit_(registry_) {
    events_.open(QIODevice::WriteOnly);
    auto dialogs = std::make_unique<test::ScriptedDialogs>();
    dialogs_ = dialogs.get();
    relay_ = std::make_unique<ViewerRelay>(toolkit_, events_, std::move(dialogs));
    reportBytes_ = test::ReportLikeDocument("", "150");
    test::WriteFile(temp_.File("temp.htm"), reportBytes_);
  }

  // Sends the request in two pieces, as a pipe may deliver it, and waits for the page.
  bool RequestAndWait(const ShowReportRequest& request) {
    const QByteArray line = Bytes(RequestLine(request));
    QSignalSpy loaded(&relay_->Window()->wb(), &QWebEngineView::loadFinished);
    relay_->Receive(line.left(7));
    relay_->Receive(line.mid(7));
    return loaded.wait(kWaitMilliseconds) && loaded.constFirst().constFirst().toBool();
  }

  ShowReportRequest GeneratedReport() const {
    return {temp_.File("temp.htm"), temp_.Path().string(), ""};
  }

  QPushButton* Button(const char* name) {
    return relay_->Window()->findChild<QPushButton*>(QString::fromLatin1(name));
  }

  test::ScratchFolder temp_;
  std::string reportBytes_;
  ui::FormRegistry registry_ = test::StandInForms();
  ui::RecordingToolkit toolkit_;
  QBuffer events_;
  test::ScriptedDialogs* dialogs_ = nullptr;
  std::unique_ptr<ViewerRelay> relay_;
};

TEST_F(ViewerRelayWindow, ShowsTheRequestedReportAndSaysSo) {
  ASSERT_TRUE(RequestAndWait(GeneratedReport()));

  EXPECT_TRUE(relay_->Window()->isVisible());
  EXPECT_TRUE(test::PlainTextOf(relay_->Window()->wb()).contains(QString::fromUtf8("µH")));
  EXPECT_EQ(events_.data(), Bytes(EventLine(ViewerEvent::Shown)));
}

TEST_F(ViewerRelayWindow, SaveCopiesTheReportOfTheRequestsTemporaryFolder) {
  ASSERT_TRUE(RequestAndWait(GeneratedReport()));
  dialogs_->saveAnswers.push_back(QString::fromStdString(temp_.File("kept")));

  Button("cmdSave")->click();

  EXPECT_EQ(test::ReadFile(temp_.File("kept.html")), reportBytes_);
  EXPECT_TRUE(toolkit_.Messages().empty());
}

struct ExitCase {
  const char* button;
  ViewerEvent event;
};

void PrintTo(const ExitCase& c, std::ostream* out) {
  *out << c.button;
}

class ButtonsThatLeave : public ViewerRelayWindow,
                         public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ButtonsThatLeave, TellsTheDesignerAndCloses) {
  ASSERT_TRUE(RequestAndWait(GeneratedReport()));

  Button(GetParam().button)->click();

  EXPECT_TRUE(QTest::qWaitFor([&] { return relay_->Window() == nullptr; }, kWaitMilliseconds));
  EXPECT_EQ(events_.data(), Bytes(EventLine(ViewerEvent::Shown) + EventLine(GetParam().event)));
  EXPECT_TRUE(toolkit_.Calls().empty());
}

INSTANTIATE_TEST_SUITE_P(Buttons, ButtonsThatLeave,
                         ::testing::Values(ExitCase{"cmdExit", ViewerEvent::ResetDesign},
                                           ExitCase{"cmdBack", ViewerEvent::Back}),
                         [](const auto& info) { return std::string(info.param.button); });

TEST_F(ViewerRelayWindow, EndOfTheDesignersInputClosesTheWindow) {
  ASSERT_TRUE(RequestAndWait(GeneratedReport()));

  relay_->InputEnded();

  EXPECT_TRUE(QTest::qWaitFor([&] { return relay_->Window() == nullptr; }, kWaitMilliseconds));
  EXPECT_EQ(events_.data(), Bytes(EventLine(ViewerEvent::Shown)));
}

TEST_F(ViewerRelayWindow, LineThatIsNoRequestIsSkipped) {
  relay_->Receive("open everything\n");
  relay_->Receive("show %zz /tmp\n");

  EXPECT_FALSE(relay_->Window()->isVisible());
  EXPECT_TRUE(events_.data().isEmpty());
  ASSERT_TRUE(RequestAndWait(GeneratedReport()));
}

}  // namespace
}  // namespace pfc
