#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "ui/forms/directions/directions_texts.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/run_playback.h"
#include "ui/forms/shell/standard_forms.h"
#include "ui/qt/toolkit/qt_toolkit.h"

namespace pfc::ui::testing {
namespace {

class QtWindowsTest : public ::testing::Test {
 protected:
  QtWindowsTest() {
    services.readTempFolder = [] { return std::string("/tmp"); };
    RegisterStandardForms(registry, session, services);
    kit.SetMessagePresenter([this](const Message& m) { messages.push_back(m); });
  }
  ~QtWindowsTest() override {
    for (const char* form :
         {kCompareCoresForm, kDirectionsForm, kListingForm, kSummaryForm, kInputForm, kEnterForm}) {
      kit.Unload(form);
    }
  }

  QWidget* ShowActive(const char* form) {
    kit.Show(form);
    QWidget* window = kit.Window(form);
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    return window;
  }
  template <class W>
  W* Widget(const char* form, const char* control) {
    return qobject_cast<W*>(kit.Widget(form, control));
  }

  DesktopSession session;
  DesktopServices services;
  FormRegistry registry;
  QtToolkit kit{registry, QString()};
  std::vector<Message> messages;
};

// The numeric boxes keep only digits and full stops, typed or pasted; the editing keys
// every box knows work in them as in any other.
TEST_F(QtWindowsTest, NumericBoxesFilterTypingAndPastingAlike) {
  ShowActive(kInputForm);
  QClipboard& clipboard = *QApplication::clipboard();
  auto* frequency = Widget<QLineEdit>(kInputForm, "txtFrequency");
  kit.SetFocus(kInputForm, "txtFrequency");
  QTest::keyClicks(frequency, "1e3,- ");
  EXPECT_EQ(frequency->text(), "13");

  clipboard.setText("7 e-7\n");
  QTest::keyClick(frequency, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(frequency->text(), "1377");
  QTest::keyClick(frequency, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(frequency->selectedText(), "1377");
  QTest::keyClick(frequency, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard.text(), "1377");
  QTest::keyClick(frequency, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(frequency->text(), "");
  QTest::keyClick(frequency, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(frequency->text(), "1377");
  frequency->clear();
  QTest::keyClicks(frequency, ".5.");
  EXPECT_EQ(frequency->text(), ".5.");

  // The context menu's Paste goes through the same filter.
  clipboard.setText("x2,0");
  frequency->setCursorPosition(0);
  QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(4, 4),
                              frequency->mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(frequency, &menuEvent);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QAction* paste = nullptr;
  for (QAction* action : menu->actions()) {
    if (action->text().startsWith(QStringLiteral("&Paste"))) {
      paste = action;
    }
  }
  ASSERT_NE(paste, nullptr);
  paste->trigger();
  menu->close();
  EXPECT_EQ(frequency->text(), "20.5.");

  auto* fill = Widget<QLineEdit>(kInputForm, "txtFill_Factor");
  kit.SetFocus(kInputForm, "txtFill_Factor");
  EXPECT_EQ(fill->selectedText(), "");
  fill->setCursorPosition(2);
  clipboard.setText("77");
  QTest::keyClick(fill, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClicks(fill, "x");
  EXPECT_EQ(fill->text(), ".477x");
}

// Enter in an entry, a list or a check box runs "Show Results"; a focused button takes it
// itself.
TEST_F(QtWindowsTest, EnterRunsShowResultsUnlessAButtonHasTheFocus) {
  int runs = 0;
  services.runDesign = [&runs](const EntryTexts&, DesignRecord&, const CoreCatalogue&,
                               const WireTable&, char) {
    ++runs;
    return RunOutcome{};
  };
  ShowActive(kInputForm);
  for (const char* control : {"txtFrequency", "txtFill_Factor", "cmbinductance", "chkCalcCore"}) {
    kit.SetFocus(kInputForm, control);
    const int before = runs;
    QTest::keyClick(kit.Widget(kInputForm, control), Qt::Key_Return);
    EXPECT_EQ(runs, before + 1) << control;
    kit.Show(kInputForm);  // a run that publishes nothing leaves the summary loaded, hidden
  }
  kit.SetFocus(kInputForm, "cmdHelp");
  const int before = runs;
  QTest::keyClick(kit.Widget(kInputForm, "cmdHelp"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(runs, before);
  EXPECT_TRUE(kit.IsVisible(kDirectionsForm));
}

TEST_F(QtWindowsTest, ClickingIntoANumericBoxSelectsItAll) {
  ShowActive(kInputForm);
  kit.SetFocus(kInputForm, "txtFill_Factor");
  auto* vout = Widget<QLineEdit>(kInputForm, "txtVout");
  QTest::mouseClick(vout, Qt::LeftButton, {}, QPoint(vout->width() - 8, vout->height() / 2));
  ASSERT_TRUE(vout->hasFocus());
  EXPECT_EQ(vout->selectedText(), "380");
  QTest::keyClicks(vout, "4");
  EXPECT_EQ(vout->text(), "4");
  QTest::keyClick(vout, Qt::Key_Tab);  // to the stack count, beside Vout
  auto* stack = Widget<QLineEdit>(kInputForm, "txtStack");
  EXPECT_TRUE(stack->hasFocus());
  EXPECT_EQ(stack->selectedText(), "1");
}

// Alt+S runs the design with the focus left in the box being typed in; the box the run
// refuses is selected again, so that typing replaces the refused value.
TEST_F(QtWindowsTest, BoxRefusedByAKeyboardRunIsSelectedAgain) {
  services.runDesign = StandardServices().runDesign;
  QWidget* window = ShowActive(kInputForm);
  auto* efficiency = Widget<QLineEdit>(kInputForm, "txtEfficiency");
  kit.SetFocus(kInputForm, "txtEfficiency");
  QTest::keyClicks(efficiency, "80");
  ASSERT_EQ(efficiency->text(), "80");

  QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, 2000));

  ASSERT_TRUE(efficiency->hasFocus());
  EXPECT_EQ(efficiency->selectedText(), "80");
  QTest::keyClicks(efficiency, "95");
  EXPECT_EQ(efficiency->text(), "95");
}

TEST_F(QtWindowsTest, PickFromListOffersTheBlankEntryAndEveryCore) {
  ShowActive(kInputForm);
  auto* pick = Widget<QAbstractButton>(kInputForm, "chkPickCore");
  QTest::mouseClick(pick, Qt::LeftButton, {}, QPoint(8, pick->height() / 2));
  auto* list = Widget<QComboBox>(kInputForm, "txtCoreSize");
  ASSERT_EQ(list->count(), 32);
  EXPECT_EQ(list->itemText(0), "");
  EXPECT_EQ(list->itemText(3), "TD-03 (OD 17.03mm, ID 8.99mm, HT 4.70mm)");
  EXPECT_EQ(list->currentIndex(), -1);
  EXPECT_TRUE(list->isEnabled());
  EXPECT_FALSE(Widget<QAbstractButton>(kInputForm, "chkCalcCore")->isChecked());
  EXPECT_EQ(session.record.CalcType, DesignerPicks);
  // The longest entry is readable in full.
  int widest = 0;
  for (int i = 0; i < list->count(); ++i) {
    widest = std::max(widest, QFontMetrics(list->font()).horizontalAdvance(list->itemText(i)));
  }
  EXPECT_LT(widest + 30, list->width());
}

TEST_F(QtWindowsTest, HotTotalTemperatureIsBoldRedWithoutItsUnit) {
  kit.Show(kInputForm);
  RunOutcome outcome;
  outcome.ending = RunEnding::Published;
  session.record.AmbientTemp = 50;
  session.record.TempRise = 200;
  PlayRunOutcome(kit, session, outcome);
  auto* total = Widget<QLineEdit>(kSummaryForm, "txtTotalTemp");
  EXPECT_EQ(total->text(), " > 155°C");
  EXPECT_TRUE(total->font().bold());
  EXPECT_EQ(total->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
  EXPECT_EQ(Widget<QLabel>(kSummaryForm, "totaltemp")->text(), "");
  EXPECT_TRUE(kit.IsVisible(kSummaryForm));
  EXPECT_FALSE(kit.IsVisible(kInputForm));

  session.record.TempRise = 70;
  PlayRunOutcome(kit, session, outcome);
  EXPECT_FALSE(total->font().bold());
  EXPECT_EQ(total->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 0));
}

TEST_F(QtWindowsTest, ComingBackFromAnotherProgramWindowEchoesTheInputsAgain) {
  kit.Show(kInputForm);
  RunOutcome published;
  published.ending = RunEnding::Published;
  PlayRunOutcome(kit, session, published);
  QWidget* summary = ShowActive(kSummaryForm);
  auto* vinMin = Widget<QLineEdit>(kSummaryForm, "txtVinMin");

  session.record.VinMin = 91;
  QDialog dialog(summary);  // a message box or file dialog is no switch of windows
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  dialog.hide();
  QApplication::setActiveWindow(summary);
  ASSERT_TRUE(QTest::qWaitForWindowActive(summary));
  EXPECT_EQ(vinMin->text(), "0");

  QWidget viewer;  // a window of the program that is no form, as the report viewer
  viewer.show();
  QApplication::setActiveWindow(&viewer);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
  QApplication::setActiveWindow(summary);
  ASSERT_TRUE(QTest::qWaitForWindowActive(summary));
  EXPECT_EQ(vinMin->text(), "91");
}

TEST_F(QtWindowsTest, WebLinkSitsWhereDesignedInBoldUnderlinedBlue) {
  kit.Load(kSummaryForm);
  auto* link = Widget<QLineEdit>(kSummaryForm, "cmdWebLink");
  EXPECT_EQ(link->geometry(), QRect(536, 408, 145, 19));
  EXPECT_TRUE(link->font().bold());
  EXPECT_TRUE(link->font().underline());
  EXPECT_DOUBLE_EQ(link->font().pointSizeF(), 8.25);
  EXPECT_EQ(link->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 255));
}

// Every caption of the listing is drawn at the size of the values beside it, on their
// baseline, and whole: none shrinks to fit its column.
TEST_F(QtWindowsTest, ListingCaptionsKeepTheValuesSizeAndBaseline) {
  kit.Load(kListingForm);
  constexpr int kClearance = 3;  // pixels between a text and a line
  std::vector<const QWidget*> borders;
  for (const char* line : {"linBoxLeft", "linDividerAB", "linDividerBC", "linBoxRight"}) {
    borders.push_back(kit.Widget(kListingForm, line));
    ASSERT_NE(borders.back(), nullptr) << line;
  }
  int captions = 0;
  for (const QLabel* caption : kit.Window(kListingForm)->findChildren<QLabel*>()) {
    const QString name = caption->objectName();
    if (!name.startsWith("lblCaption")) {
      continue;
    }
    ++captions;
    const QString line = name.mid(QStringLiteral("lblCaption").size());
    const auto* value = Widget<QLabel>(kListingForm, ("lblValue" + line).toUtf8().constData());
    ASSERT_NE(value, nullptr) << line.toStdString();
    EXPECT_DOUBLE_EQ(caption->font().pointSizeF(), value->font().pointSizeF())
        << line.toStdString();
    EXPECT_EQ(caption->y(), value->y()) << line.toStdString();
    EXPECT_EQ(caption->height(), value->height()) << line.toStdString();
    EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(caption->text()), caption->width())
        << line.toStdString();
    EXPECT_LT(caption->geometry().right(), value->x()) << line.toStdString();
    // Clear of the box's border and the dividers on either side, text and value alike.
    for (const QWidget* border : borders) {
      const int x = border->x();
      for (const QLabel* text : {caption, value}) {
        EXPECT_TRUE(text->geometry().right() + kClearance <= x ||
                    text->x() >= x + border->width() + kClearance)
            << text->objectName().toStdString() << " at " << border->objectName().toStdString();
      }
    }
  }
  EXPECT_EQ(captions, 38);
}

// Each window is centred on the screen, wholly on it in each direction it fits, and from its
// top left corner in a direction it does not.
class WindowPlacementTest : public QtWindowsTest,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(WindowPlacementTest, CentredWhollyOnTheScreen) {
  kit.Show(GetParam());
  const QWidget* window = kit.Window(GetParam());
  const QRect area = window->screen()->availableGeometry();
  const QRect frame = window->frameGeometry();
  const auto check = [](int areaStart, int areaLength, int start, int length) {
    if (length > areaLength) {
      EXPECT_EQ(start, areaStart);
      return;
    }
    EXPECT_GE(start, areaStart);
    EXPECT_LE(start + length, areaStart + areaLength);
    EXPECT_LE(std::abs(2 * (start - areaStart) + length - areaLength), 1);
  };
  check(area.left(), area.width(), frame.left(), frame.width());
  check(area.top(), area.height(), frame.top(), frame.height());
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowPlacementTest,
                         ::testing::Values(kEnterForm, kInputForm, kSummaryForm, kListingForm,
                                           kDirectionsForm, kCompareCoresForm));

// Every caption is readable in full inside its own box, and no two boxes that show text
// overlap: the layout problems a screenshot would show.
class WindowLayoutTest : public QtWindowsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(WindowLayoutTest, NothingIsClippedOrOverlapping) {
  const char* form = GetParam();
  kit.Load(form);
  if (std::string(form) == kDirectionsForm) {
    kit.SetText(form, "txtHelp", HelpText());
    kit.SetText(form, "TxtHelp2", ContactText());
  }
  QWidget* window = kit.Window(form);
  std::vector<QWidget*> texts;
  for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    EXPECT_TRUE(window->rect().contains(child->geometry()) || child->objectName() == "imgSideStrip")
        << child->objectName().toStdString();
    const QFontMetrics metrics(child->font());
    if (auto* label = qobject_cast<QLabel*>(child); label != nullptr && !label->text().isEmpty()) {
      const QRect needed =
          metrics.boundingRect(QRect(0, 0, label->width(), 10000),
                               label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
      EXPECT_LE(needed.width(), label->width()) << label->objectName().toStdString();
      EXPECT_LE(needed.height(), label->height()) << label->objectName().toStdString();
      texts.push_back(child);
    } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
      const int textWidth = metrics.horizontalAdvance(QString(button->text()).remove('&'));
      EXPECT_LE(textWidth + (qobject_cast<QPushButton*>(button) ? 12 : 24), button->width())
          << button->objectName().toStdString();
      texts.push_back(child);
    } else if (auto* box = qobject_cast<QLineEdit*>(child)) {
      EXPECT_LE(metrics.horizontalAdvance(box->text()) + 6, box->width())
          << box->objectName().toStdString();
      EXPECT_LE(metrics.height(), box->height()) << box->objectName().toStdString();
      texts.push_back(child);
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(child)) {
      const QStringList lines = area->toPlainText().split('\n');
      for (const QString& line : lines) {
        if (area->objectName() == "txtHelp") {
          EXPECT_LE(metrics.horizontalAdvance(line) + 12, area->width()) << line.toStdString();
        }
      }
      if (area->objectName() == "txtHelp") {
        EXPECT_LE(metrics.lineSpacing() * lines.size() + 8, area->height());
      }
      texts.push_back(child);
    } else if (qobject_cast<QComboBox*>(child) != nullptr) {
      texts.push_back(child);
    }
  }
  for (std::size_t i = 0; i < texts.size(); ++i) {
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      EXPECT_FALSE(texts[i]->geometry().intersects(texts[j]->geometry()))
          << texts[i]->objectName().toStdString() << " overlaps "
          << texts[j]->objectName().toStdString();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowLayoutTest,
                         ::testing::Values(kEnterForm, kInputForm, kSummaryForm, kListingForm,
                                           kDirectionsForm));

}  // namespace
}  // namespace pfc::ui::testing
