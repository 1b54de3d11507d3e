#include "ui/qt/toolkit/qt_toolkit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "tests/support/toolkit_conformance.h"
#include "tests/ui/probe_form.h"

namespace pfc::ui::testing {
namespace {

struct QtHarness {
  FormRegistry registry;
  ProbeLog log;
  std::vector<Message> messages;
  std::unique_ptr<QtToolkit> toolkit;

  QtHarness() {
    RegisterProbe(registry, "frmA", log);
    RegisterProbe(registry, "frmB", log);
    registry.AddProgramKey("F2", [this](Toolkit&) { log.events.push_back("program F2"); });
    toolkit = std::make_unique<QtToolkit>(registry, QString());
    toolkit->SetMessagePresenter([this](const Message& m) { messages.push_back(m); });
  }
  Toolkit& Kit() { return *toolkit; }
  bool Ended() const { return toolkit->Ended(); }
  // Acts on the question box once it is up, from its own event loop.
  static void WhenAsked(std::function<void(QMessageBox&)> act) {
    QTimer::singleShot(0, qApp, [act = std::move(act)] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        act(*box);
      }
    });
  }
  void CloseByUser(std::string_view form, SaveChangesAnswer answer) {
    WhenAsked([answer](QMessageBox& box) {
      box.button(answer == SaveChangesAnswer::Save      ? QMessageBox::Save
                 : answer == SaveChangesAnswer::Discard ? QMessageBox::Discard
                                                        : QMessageBox::Cancel)
          ->click();
    });
    toolkit->Window(form)->close();
    QCoreApplication::processEvents();  // the action, when nothing was asked
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, ToolkitConformance, QtHarness);

class QtToolkitTest : public ::testing::Test {
 protected:
  QtHarness h;
  QtToolkit& kit = *h.toolkit;

  // Shows frmA as the active window, as the user would see it.
  QWidget* ShowActive() {
    kit.Show("frmA");
    QWidget* window = kit.Window("frmA");
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    return window;
  }
  QLineEdit* Box(const char* name) { return qobject_cast<QLineEdit*>(kit.Widget("frmA", name)); }
  long Count(const std::string& event) const {
    return std::count(h.log.events.begin(), h.log.events.end(), event);
  }
};

TEST_F(QtToolkitTest, BuildsWidgetsFromTheDescriptionInPixels) {
  kit.Load("frmA");
  QWidget* window = kit.Window("frmA");
  EXPECT_EQ(window->windowTitle(), "Probe frmA");
  EXPECT_EQ(window->size(), QSize(400, 200));  // 6000 x 3000 twips
  QWidget* digits = window->findChild<QWidget*>("txtDigits");
  ASSERT_NE(digits, nullptr);
  EXPECT_EQ(digits->geometry(), QRect(10, 10, 100, 20));
  auto* go = window->findChild<QPushButton*>("cmdGo");
  ASSERT_NE(go, nullptr);
  EXPECT_EQ(go->shortcut(), QKeySequence::mnemonic("&Go"));
  EXPECT_EQ(window->findChild<QWidget*>("lblNote")->toolTip(), "A note");
}

TEST_F(QtToolkitTest, KeyHandlerSeesTypedAndControlCharacters) {
  ShowActive();
  QLineEdit* digits = Box("txtDigits");
  kit.SetFocus("frmA", "txtDigits");
  digits->setCursorPosition(3);
  QTest::keyClicks(digits, "1x2");
  EXPECT_EQ(digits->text(), "38012");
  digits->selectAll();
  QTest::keyClick(digits, Qt::Key_X, Qt::ControlModifier);  // cut, past the handler
  EXPECT_EQ(digits->text(), "");
  QTest::keyClick(digits, Qt::Key_Backspace);
  EXPECT_EQ(digits->text(), "");
  // Alt with a letter the form has no access key for types nothing; AltGr's characters go
  // through the handler like any other typed character.
  QTest::keyClick(digits, Qt::Key_Q, Qt::AltModifier);
  QTest::keyClick(digits, Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(digits->text(), "");
}

TEST_F(QtToolkitTest, MouseFocusKeepsTheWholeTextSelected) {
  ShowActive();
  kit.SetFocus("frmA", "txtFree");
  QLineEdit* digits = Box("txtDigits");
  QTest::mouseClick(digits, Qt::LeftButton, {}, QPoint(5, 10));
  EXPECT_TRUE(digits->hasFocus());
  EXPECT_EQ(digits->selectedText(), "380");
  QTest::keyClicks(digits, "4");
  EXPECT_EQ(digits->text(), "4");
}

TEST_F(QtToolkitTest, ALostFocusHandlerMayRedirectTheTabKey) {
  ShowActive();
  kit.SetFocus("frmA", "cmdBounce");
  QTest::keyClick(kit.Widget("frmA", "cmdBounce"), Qt::Key_Tab);
  EXPECT_TRUE(kit.Widget("frmA", "txtDigits")->hasFocus());
  EXPECT_EQ(Count("frmA: GotFocus cmdClose"), 0);
}

TEST_F(QtToolkitTest, TitleBarCloseUnloadsAndButtonsClick) {
  QWidget* window = ShowActive();
  QTest::mouseClick(kit.Widget("frmA", "cmdGo"), Qt::LeftButton);
  EXPECT_EQ(Count("frmA: Click cmdGo"), 1);
  window->close();
  EXPECT_FALSE(kit.IsLoaded("frmA"));
  EXPECT_EQ(Count("frmA: Unload"), 1);
}

TEST_F(QtToolkitTest, TheShortcutClicksOnlyAnEnabledButtonFromAnywhereInTheForm) {
  ShowActive();
  kit.SetFocus("frmA", "txtDigits");
  QTest::keyClick(Box("txtDigits"), Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(Count("frmA: Click cmdGo"), 1);
  EXPECT_EQ(Box("txtDigits")->text(), "380");
  kit.SetEnabled("frmA", "cmdGo", false);
  QTest::keyClick(Box("txtDigits"), Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(Count("frmA: Click cmdGo"), 1);
}

// A form's key command reaches its logic as a click of the command; the program's keys work
// in every form; Enter clicks the form's default button unless a button has the focus.
TEST_F(QtToolkitTest, KeyCommandsProgramKeysAndEnterReachTheLogic) {
  ShowActive();
  kit.SetFocus("frmA", "txtFree");
  QTest::keyClick(Box("txtFree"), Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(Count("frmA: Click keyProbe"), 1);
  QTest::keyClick(Box("txtFree"), Qt::Key_F2);
  EXPECT_EQ(Count("program F2"), 1);

  QTest::keyClick(Box("txtDigits"), Qt::Key_Return);
  QTest::keyClick(kit.Widget("frmA", "cmbUnit"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Count("frmA: Click cmdGo"), 2);
  kit.SetFocus("frmA", "cmdBounce");
  QTest::keyClick(kit.Widget("frmA", "cmdBounce"), Qt::Key_Return);
  EXPECT_EQ(Count("frmA: Click cmdBounce"), 1);
  EXPECT_EQ(Count("frmA: Click cmdGo"), 2);
  kit.SetEnabled("frmA", "cmdGo", false);
  QTest::keyClick(Box("txtFree"), Qt::Key_Return);
  EXPECT_EQ(Count("frmA: Click cmdGo"), 2);
}

// A resizable form grows from its designed size, never below it, its controls following
// their shares of the room.
TEST_F(QtToolkitTest, AResizableFormsControlsFollowTheirStretch) {
  kit.Show("frmB");
  QWidget* window = kit.Window("frmB");
  EXPECT_EQ(window->minimumSize(), QSize(400, 200));
  QWidget* free = kit.Widget("frmB", "txtFree");
  QWidget* close = kit.Widget("frmB", "cmdClose");
  const QRect freeBefore = free->geometry();
  const QRect closeBefore = close->geometry();
  window->resize(500, 260);
  QCoreApplication::processEvents();
  EXPECT_EQ(free->geometry(), freeBefore.adjusted(0, 0, 100, 60));
  EXPECT_EQ(close->geometry(), closeBefore.translated(50, 60));
  window->resize(300, 100);  // below the designed size: held there
  QCoreApplication::processEvents();
  EXPECT_EQ(window->size(), QSize(400, 200));
  EXPECT_EQ(free->geometry(), freeBefore);
}

TEST_F(QtToolkitTest, ChangeFollowsTheUsersEditsNotTheProgramsText) {
  ShowActive();
  QLineEdit* digits = Box("txtDigits");
  kit.SetFocus("frmA", "txtDigits");
  digits->setCursorPosition(3);
  QTest::keyClicks(digits, "5x");  // "x" is discarded by the key handler: no change
  QTest::keyClick(digits, Qt::Key_Delete);
  kit.SetText("frmA", "txtDigits", "12");
  EXPECT_EQ(Count("frmA: Change txtDigits"), 1);
  digits->setCursorPosition(0);
  QTest::keyClick(digits, Qt::Key_Delete);
  EXPECT_EQ(Count("frmA: Change txtDigits"), 2);
}

// Drags as a file manager sends them, on the window itself and on an entry box of it.
struct DragCase {
  const char* target;  // "" for the window
  std::vector<QUrl> urls;
  const char* text;
  bool taken;
};

class QtFileDropTest : public QtToolkitTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(QtFileDropTest, OnlyLocalFilesAreTakenAndReachTheLogicAfterTheDrop) {
  const DragCase& c = GetParam();
  QWidget* window = ShowActive();
  QWidget* target = *c.target == '\0' ? window : kit.Widget("frmA", c.target);
  QMimeData data;
  data.setUrls(QList<QUrl>(c.urls.begin(), c.urls.end()));
  if (*c.text != '\0') {
    data.setText(QString::fromUtf8(c.text));
  }
  const QPoint centre = target->rect().center();
  QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  EXPECT_EQ(enter.isAccepted(), c.taken);
  if (!enter.isAccepted()) {
    return;
  }
  QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  EXPECT_EQ(Count("frmA: Drop /tmp/a b.pfcdesign"), 0) << "only once the drop has ended";
  QCoreApplication::processEvents();
  EXPECT_EQ(Count("frmA: Drop /tmp/a b.pfcdesign"), 1);
  EXPECT_EQ(Box("txtDigits")->text(), "380");
}

INSTANTIATE_TEST_SUITE_P(
    Drags, QtFileDropTest,
    ::testing::Values(DragCase{"", {QUrl::fromLocalFile("/tmp/a b.pfcdesign")}, "", true},
                      DragCase{"txtDigits",
                               {QUrl::fromLocalFile("/tmp/a b.pfcdesign")},
                               "file:///tmp/a%20b.pfcdesign",
                               true},
                      DragCase{"", {QUrl("https://www.toridyne.example/a.pfcdesign")}, "", false},
                      DragCase{"",
                               {QUrl::fromLocalFile("/tmp/a b.pfcdesign"),
                                QUrl("https://www.toridyne.example/b.pfcdesign")},
                               "",
                               false},
                      DragCase{"", {}, "/tmp/a b.pfcdesign", false}));

TEST_F(QtToolkitTest, AFormThatTakesNoFilesRefusesTheirDrag) {
  kit.Show("frmB");
  QWidget* window = kit.Window("frmB");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile("/tmp/a.pfcdesign")});
  QDragEnterEvent enter(window->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
  QApplication::sendEvent(window, &enter);
  EXPECT_FALSE(enter.isAccepted());
}

TEST_F(QtToolkitTest, EscapeAnswersTheQuestionOverTheFormWithCancel) {
  QWidget* window = ShowActive();
  kit.SetText("frmA", "txtDigits", "ask");
  QWidget* parent = nullptr;
  QtHarness::WhenAsked([&parent](QMessageBox& box) {
    parent = box.parentWidget();
    QTest::keyClick(&box, Qt::Key_Escape);
  });
  window->close();
  EXPECT_EQ(parent, window);
  EXPECT_EQ(Count("frmA: Answer Cancel"), 1);
  EXPECT_TRUE(kit.IsVisible("frmA"));
}

TEST_F(QtToolkitTest, MessagesGoToThePresenter) {
  kit.ShowMessage(Message{"Caution", MessageIcon::Information, "a\r\nb"});
  ASSERT_EQ(h.messages.size(), 1u);
  EXPECT_EQ(h.messages[0].title, "Caution");
}

}  // namespace
}  // namespace pfc::ui::testing
