// Every window on a laptop's screen: 1366×768 with a 40-pixel panel, the screen this binary's
// offscreen platform is given (laptop_screen.json holds the 728 pixels the panel leaves).
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/check/rolloff_grades.h"
#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/forms/material_fit/material_fit_design.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/standard_forms.h"
#include "ui/qt/compare_cores/compare_cores_widgets.h"
#include "ui/qt/find_designs/find_designs_widgets.h"
#include "ui/qt/material_fit/material_fit_chart.h"
#include "ui/qt/operating_check/operating_check_widgets.h"
#include "ui/qt/toolkit/form_window.h"
#include "ui/qt/toolkit/qt_toolkit.h"

namespace pfc::ui::testing {
namespace {

// What a window manager's title bar takes above a window.
constexpr int kTitleBar = 32;
// Controls whose tops lie closer than this stand in one row.
constexpr int kSameRow = 12;

class LaptopScreenTest : public ::testing::Test {
 protected:
  LaptopScreenTest() {
    services.readTempFolder = [] { return std::string("/tmp"); };
    RegisterStandardForms(registry, session, services);
    kit.SetMessagePresenter([](const Message&) {});
    AddCompareCoresWidgets(kit, session);
    AddFindDesignsWidgets(kit, session);
    AddOperatingCheckWidgets(kit, session);
    AddMaterialFitWidgets(kit, session.materialFit);
  }
  ~LaptopScreenTest() override {
    session.foundDesigns.Cancel();
    session.foundDesigns.Finish();
  }

  FormWindow* ShowActive(const char* form) {
    kit.Show(form);
    auto* window = static_cast<FormWindow*>(kit.Window(form));
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << form;
    return window;
  }

  // The window with its title bar fits the screen; each control that takes the focus is in
  // sight once it has it, and every other one is on the window's content, which scrolls.
  void ExpectEveryControlReachable(const char* form) {
    FormWindow* window = ShowActive(form);
    const QRect screen = window->screen()->availableGeometry();
    ASSERT_EQ(screen.size(), QSize(1366, 728));
    EXPECT_LE(window->width(), screen.width()) << form;
    EXPECT_LE(window->height() + kTitleBar, screen.height()) << form;
    for (const auto& [name, control] : window->controls) {
      if (!control->isVisibleTo(window))
        continue;
      if (control->isEnabled() && (control->focusPolicy() & Qt::TabFocus) != 0) {
        control->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        const QRect shown(control->mapTo(window, QPoint(0, 0)), control->size());
        EXPECT_TRUE(window->rect().contains(shown)) << form << " " << name;
      } else {
        EXPECT_TRUE(window->Canvas()->rect().contains(control->geometry())) << form << " " << name;
      }
    }
  }

  DesktopSession session;
  DesktopServices services = StandardServices();
  FormRegistry registry;
  QtToolkit kit{registry, QString()};
};

TEST_F(LaptopScreenTest, EveryWindowFitsOrScrollsItsControlsIntoSight) {
  ExpectEveryControlReachable(kEnterForm);
  kit.Unload(kEnterForm);
  ExpectEveryControlReachable(kInputForm);
  ExpectEveryControlReachable(kDirectionsForm);
  kit.Unload(kDirectionsForm);
  QTest::mouseClick(kit.Widget(kInputForm, "cmdProcess"), Qt::LeftButton);
  ASSERT_TRUE(kit.IsVisible(kSummaryForm));
  ExpectEveryControlReachable(kSummaryForm);
  ExpectEveryControlReachable(kListingForm);
  kit.Unload(kListingForm);
  QTest::mouseClick(kit.Widget(kSummaryForm, kOpenOperatingCheckButton), Qt::LeftButton);
  ExpectEveryControlReachable(kOperatingCheckForm);
  QTest::mouseClick(kit.Widget(kOperatingCheckForm, check_controls::kFitMaterial), Qt::LeftButton);
  ExpectEveryControlReachable(kMaterialFitForm);
  kit.Unload(kMaterialFitForm);
  kit.Unload(kOperatingCheckForm);
  ExpectEveryControlReachable(kCompareCoresForm);
  kit.Unload(kCompareCoresForm);
  kit.Show(kFindDesignsForm);
  session.foundDesigns.Cancel();
  session.foundDesigns.Finish();
  ExpectEveryControlReachable(kFindDesignsForm);
}

// Tab from the first control visits every one that takes the focus, by rows from the top and
// left to right in a row, and comes back to the first.
void ExpectTabInReadingOrder(FormWindow* window) {
  std::map<const QWidget*, std::string> names;
  std::set<std::string> reachable;
  for (const auto& [name, control] : window->controls) {
    names[control] = name;
    if (control->isVisibleTo(window) && control->isEnabled() &&
        (control->focusPolicy() & Qt::TabFocus) != 0)
      reachable.insert(name);
  }
  const auto control = [&names](QWidget* focused) {
    for (QWidget* w = focused; w != nullptr; w = w->parentWidget()) {
      if (const auto found = names.find(w); found != names.end())
        return found->second;
    }
    return std::string();
  };
  const auto designed = [window](const std::string& name) {
    const QWidget* w = window->controls.at(name);
    return w->geometry();
  };
  ASSERT_FALSE(reachable.empty());
  window->controls.at(*reachable.begin())->setFocus(Qt::TabFocusReason);
  std::vector<std::string> visited;
  for (std::size_t step = 0; step <= reachable.size(); ++step) {
    const std::string now = control(QApplication::focusWidget());
    if (!visited.empty() && now == visited.front())
      break;
    visited.push_back(now);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(std::set<std::string>(visited.begin(), visited.end()), reachable);
  // The walk starts anywhere in the ring: from its first control in reading order on.
  const auto readsBefore = [&designed](const std::string& a, const std::string& b) {
    const QRect ra = designed(a);
    const QRect rb = designed(b);
    return std::abs(ra.y() - rb.y()) < kSameRow ? ra.x() < rb.x() : ra.y() < rb.y();
  };
  const auto first = std::min_element(visited.begin(), visited.end(), readsBefore);
  std::rotate(visited.begin(), first, visited.end());
  for (std::size_t i = 1; i < visited.size(); ++i) {
    EXPECT_TRUE(readsBefore(visited[i - 1], visited[i]))
        << visited[i - 1] << " then " << visited[i];
  }
}

TEST_F(LaptopScreenTest, TabWalksTheOperatingCheckFindDesignsAndFitMaterialInReadingOrder) {
  ShowActive(kInputForm);
  QTest::mouseClick(kit.Widget(kInputForm, "cmdProcess"), Qt::LeftButton);
  QTest::mouseClick(kit.Widget(kSummaryForm, kOpenOperatingCheckButton), Qt::LeftButton);
  ExpectTabInReadingOrder(ShowActive(kOperatingCheckForm));
  QTest::mouseClick(kit.Widget(kOperatingCheckForm, check_controls::kFitMaterial), Qt::LeftButton);
  ExpectTabInReadingOrder(ShowActive(kMaterialFitForm));
  kit.Unload(kMaterialFitForm);
  kit.Unload(kOperatingCheckForm);
  kit.Show(kFindDesignsForm);
  session.foundDesigns.Finish();
  session.foundDesigns.Pick(0);
  ExpectTabInReadingOrder(ShowActive(kFindDesignsForm));
}

// Enlarged, the window gives its charts the room; the buttons stay under them.
TEST_F(LaptopScreenTest, AnEnlargedOperatingCheckGrowsItsCharts) {
  ShowActive(kInputForm);
  QTest::mouseClick(kit.Widget(kInputForm, "cmdProcess"), Qt::LeftButton);
  QTest::mouseClick(kit.Widget(kSummaryForm, kOpenOperatingCheckButton), Qt::LeftButton);
  FormWindow* window = ShowActive(kOperatingCheckForm);
  QWidget* chart = kit.Widget(kOperatingCheckForm, check_controls::kLineCurrentChart);
  QWidget* close = kit.Widget(kOperatingCheckForm, check_controls::kClose);
  const QSize designed = window->Canvas()->minimumSize();
  const int chartHeight = chart->height();
  window->resize(designed + QSize(300, 200));
  QApplication::processEvents();
  EXPECT_GT(chart->height(), chartHeight);
  EXPECT_GT(chart->width(), 536);
  EXPECT_GE(close->y(), chart->geometry().bottom());
}

// A material named at the longest a file allows heads the columns cut short, whole in the
// tip, and reads back whole.
TEST_F(LaptopScreenTest, ALongMaterialNameIsCutShortInTheHeadsAndWholeInTheirTips) {
  ShowActive(kInputForm);
  QTest::mouseClick(kit.Widget(kInputForm, "cmdProcess"), Qt::LeftButton);
  Material mine(RolloffGrades().front());
  mine.name = std::string(48, 'M') + " Supplier 60";
  session.checked.AddMaterial(mine);
  QTest::mouseClick(kit.Widget(kSummaryForm, kOpenOperatingCheckButton), Qt::LeftButton);
  ShowActive(kOperatingCheckForm);
  auto* heading =
      qobject_cast<QLabel*>(kit.Widget(kOperatingCheckForm, check_controls::kLowHeading));
  ASSERT_NE(heading, nullptr);
  const std::string whole = kit.Text(kOperatingCheckForm, check_controls::kLowHeading);
  ASSERT_NE(whole.find(mine.name), std::string::npos) << whole;
  EXPECT_EQ(whole.find("grade"), std::string::npos) << whole;
  EXPECT_TRUE(heading->text().endsWith(QStringLiteral("…"))) << heading->text().toStdString();
  EXPECT_LE(heading->fontMetrics().horizontalAdvance(heading->text()), heading->width());
  EXPECT_EQ(heading->toolTip().toStdString(), whole);
}

// The grade list's own Escape closes its list, not the window; the next one closes the
// window.
TEST_F(LaptopScreenTest, EscapeInAnOpenDropDownClosesOnlyTheDropDown) {
  ShowActive(kInputForm);
  QTest::mouseClick(kit.Widget(kInputForm, "cmdProcess"), Qt::LeftButton);
  QTest::mouseClick(kit.Widget(kSummaryForm, kOpenOperatingCheckButton), Qt::LeftButton);
  FormWindow* window = ShowActive(kOperatingCheckForm);
  auto* grade = qobject_cast<QComboBox*>(kit.Widget(kOperatingCheckForm, check_controls::kGrade));
  ASSERT_NE(grade, nullptr);
  grade->setFocus(Qt::ShortcutFocusReason);
  QTest::keyClick(grade, Qt::Key_Down, Qt::AltModifier);
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  QTest::keyClick(popup, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_TRUE(kit.IsVisible(kOperatingCheckForm));
  QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_FALSE(kit.IsLoaded(kOperatingCheckForm));
}

}  // namespace
}  // namespace pfc::ui::testing
