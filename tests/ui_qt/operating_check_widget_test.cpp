#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <set>

#include "engine/check/operating_check.h"
#include "reports/check/check_figures.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/standard_forms.h"
#include "ui/qt/compare_cores/compare_cores_widgets.h"
#include "ui/qt/operating_check/operating_check_charts.h"
#include "ui/qt/operating_check/operating_check_widgets.h"
#include "ui/qt/toolkit/qt_toolkit.h"

namespace pfc::ui::testing {
namespace {

using namespace check_controls;

// The check of the published default design on the Qt toolkit with its charts.
class OperatingCheckWidgetTest : public ::testing::Test {
 protected:
  OperatingCheckWidgetTest() {
    services.runDesign = StandardServices().runDesign;
    services.readTempFolder = [] { return std::string("/tmp"); };
    RegisterStandardForms(registry, session, services);
    AddCompareCoresWidgets(kit, session);
    AddOperatingCheckWidgets(kit, session);
    kit.SetMessagePresenter([](const Message&) {});
    kit.Show(kInputForm);
    QTest::mouseClick(kit.Widget(kInputForm, "cmdProcess"), Qt::LeftButton);
    QTest::mouseClick(kit.Widget(kSummaryForm, kOpenOperatingCheckButton), Qt::LeftButton);
  }
  ~OperatingCheckWidgetTest() override {
    for (const char* form : {kOperatingCheckForm, kSummaryForm, kInputForm}) {
      kit.Unload(form);
    }
  }

  QChart* ChartOf(const char* control) {
    auto* view = qobject_cast<QChartView*>(kit.Widget(kOperatingCheckForm, control));
    return view == nullptr ? nullptr : view->chart();
  }

  template <class Series>
  Series* SeriesNamed(QChart* chart, const QString& name) {
    for (QAbstractSeries* series : chart->series()) {
      if (series->name() == name) {
        return qobject_cast<Series*>(series);
      }
    }
    ADD_FAILURE() << "no series " << name.toStdString();
    return nullptr;
  }

  static QValueAxis* Axis(QChart* chart, Qt::Orientation orientation) {
    const auto axes = chart->axes(orientation);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.front());
  }

  void ChooseGrade(int permeability) {
    auto* list = qobject_cast<QComboBox*>(kit.Widget(kOperatingCheckForm, kGrade));
    const int index = list->findText(QString::number(permeability));
    ASSERT_GE(index, 0);
    list->setCurrentIndex(index);
    emit list->activated(index);
  }

  DesktopSession session;
  DesktopServices services;
  FormRegistry registry;
  QtToolkit kit{registry, QString()};
};

TEST_F(OperatingCheckWidgetTest, TheInductanceChartRunsToPastThePeakWithTheTargetAndMarks) {
  QChart* chart = ChartOf(kInductanceChart);
  ASSERT_NE(chart, nullptr);
  for (const int grade : {60, 125}) {
    SCOPED_TRACE(grade);
    ChooseGrade(grade);
    const OperatingCheck& check = session.checked.Result();
    ASSERT_EQ(check.material.name, std::to_string(grade));
    const double end = 1.2 * std::max(*check.lowLine.ipk, *check.highLine.ipk);

    QValueAxis* x = Axis(chart, Qt::Horizontal);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->min(), 0);
    EXPECT_DOUBLE_EQ(x->max(), end);
    auto* curve = SeriesNamed<QLineSeries>(chart, InductanceChart::CurveSeriesName());
    ASSERT_NE(curve, nullptr);
    ASSERT_GT(curve->count(), 100);
    EXPECT_DOUBLE_EQ(curve->at(0).y(), *check.zeroBiasUh);
    EXPECT_DOUBLE_EQ(curve->at(curve->count() - 1).x(), end);
    for (int i = 1; i < curve->count(); ++i) {
      EXPECT_LT(curve->at(i).y(), curve->at(i - 1).y()) << "the permeability only falls";
    }
    auto* target = SeriesNamed<QLineSeries>(chart, InductanceChart::TargetSeriesName());
    ASSERT_NE(target, nullptr);
    for (const QPointF& p : target->points()) {
      EXPECT_DOUBLE_EQ(p.y(), 150);
    }
    for (const bool low : {true, false}) {
      const LineCheck& line = low ? check.lowLine : check.highLine;
      auto* linePeak = SeriesNamed<QScatterSeries>(chart, InductanceChart::LinePeakSeriesName(low));
      auto* peak = SeriesNamed<QScatterSeries>(chart, InductanceChart::PeakSeriesName(low));
      ASSERT_TRUE(linePeak != nullptr && peak != nullptr);
      ASSERT_EQ(linePeak->count(), 1);
      ASSERT_EQ(peak->count(), 1);
      EXPECT_DOUBLE_EQ(linePeak->at(0).x(), *line.ipkLine);
      EXPECT_NEAR(linePeak->at(0).y(), *line.atIpkLine.lUh, 1e-9);
      EXPECT_DOUBLE_EQ(peak->at(0).x(), *line.ipk);
      EXPECT_NEAR(peak->at(0).y(), *line.atIpk.lUh, 1e-9);
    }
    QValueAxis* y = Axis(chart, Qt::Vertical);
    ASSERT_NE(y, nullptr);
    EXPECT_LE(y->min(), 0);
    EXPECT_GE(y->max(), *check.zeroBiasUh);
  }
}

TEST_F(OperatingCheckWidgetTest, TheLineCurrentChartShowsTheHalfCycleOfBothLines) {
  QChart* chart = ChartOf(kLineCurrentChart);
  ASSERT_NE(chart, nullptr);
  QValueAxis* x = Axis(chart, Qt::Horizontal);
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(x->min(), 0);
  EXPECT_EQ(x->max(), 180);
  double highest = 0;  // of both lines
  for (const bool low : {true, false}) {
    SCOPED_TRACE(low ? "low line" : "high line");
    const LineCheck& line =
        low ? session.checked.Result().lowLine : session.checked.Result().highLine;
    using Trace = LineCurrentChart::Trace;
    auto* average =
        SeriesNamed<QLineSeries>(chart, LineCurrentChart::SeriesName(low, Trace::Average));
    auto* upper = SeriesNamed<QLineSeries>(chart, LineCurrentChart::SeriesName(low, Trace::Upper));
    auto* lower = SeriesNamed<QLineSeries>(chart, LineCurrentChart::SeriesName(low, Trace::Lower));
    ASSERT_TRUE(average != nullptr && upper != nullptr && lower != nullptr);
    ASSERT_EQ(average->count(), 181);
    ASSERT_EQ(upper->count(), 181);
    ASSERT_EQ(lower->count(), 181);
    EXPECT_DOUBLE_EQ(average->at(90).y(), *line.ipkLine);
    double lineHighest = 0;
    for (int deg = 0; deg <= 180; ++deg) {
      EXPECT_EQ(average->at(deg).x(), deg);
      // The second quarter mirrors the first.
      EXPECT_EQ(average->at(deg).y(), average->at(180 - deg).y()) << deg;
      EXPECT_EQ(upper->at(deg).y(), upper->at(180 - deg).y()) << deg;
      EXPECT_GE(upper->at(deg).y(), average->at(deg).y()) << deg;
      EXPECT_LE(lower->at(deg).y(), average->at(deg).y()) << deg;
      EXPECT_GE(lower->at(deg).y(), 0) << deg;
      lineHighest = std::max(lineHighest, upper->at(deg).y());
    }
    // The peak current is the top of the upper envelope.
    EXPECT_DOUBLE_EQ(lineHighest, *line.ipk);
    highest = std::max(highest, lineHighest);
  }
  QValueAxis* y = Axis(chart, Qt::Vertical);
  ASSERT_NE(y, nullptr);
  EXPECT_GE(y->max(), highest);
}

TEST_F(OperatingCheckWidgetTest, ThePdfHoldsTextAndNoPictures) {
  const std::optional<std::string> pdf = DrawFormAsPdf(kit, kOperatingCheckForm);
  ASSERT_TRUE(pdf.has_value());
  EXPECT_TRUE(pdf->starts_with("%PDF-"));
  EXPECT_NE(pdf->find("/Font"), std::string::npos);
  EXPECT_EQ(pdf->find("/Subtype /Image"), std::string::npos);
  EXPECT_FALSE(DrawFormAsPdf(kit, kCompareCoresForm).has_value()) << "not loaded";
}

// The widest figure a cell is given (the longest plain decimal, 15 digits with a sign, and its
// row's unit) is drawn within its column, never over the next one.
TEST_F(OperatingCheckWidgetTest, LongFiguresStayInsideTheirColumn) {
  const DesignRecord record;
  const OperatingCheck check;
  int row = 0;
  for (const CheckFigureRow& figure : CheckFigureRows(record, check)) {
    const std::string widest = FigureTextWithUnit(FigureCell{-999999999999999.0}, figure.unit, '.');
    for (const auto column : {FigureColumn::Method, FigureColumn::Low, FigureColumn::High}) {
      const std::string control = FigureControl(row, column);
      kit.SetText(kOperatingCheckForm, control, widest);
      auto* label = qobject_cast<QLabel*>(kit.Widget(kOperatingCheckForm, control));
      ASSERT_NE(label, nullptr) << control;
      EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
          << control << ": " << widest;
    }
    ++row;
  }
}

// A legend entry looks like what it names: circles and squares for the marks, solid, dashed
// and dotted lines for the curves, not a coloured box for everything.
TEST_F(OperatingCheckWidgetTest, LegendsDrawEachSeriesAsItIsDrawn) {
  for (const char* control : {kInductanceChart, kLineCurrentChart}) {
    QChart* chart = ChartOf(control);
    ASSERT_NE(chart, nullptr) << control;
    EXPECT_EQ(chart->legend()->markerShape(), QLegend::MarkerShapeFromSeries) << control;
    for (QAbstractSeries* series : chart->series()) {
      for (QLegendMarker* marker : chart->legend()->markers(series)) {
        EXPECT_EQ(marker->shape(), QLegend::MarkerShapeDefault)
            << control << ": " << series->name().toStdString() << " overrides the legend";
      }
    }
  }
}

// Without a mouse: the grade list's access letter reaches it from anywhere in the window, and
// Tab walks through every control that takes input, with the focus shown on each.
TEST_F(OperatingCheckWidgetTest, TheKeyboardReachesEveryControl) {
  QWidget* grade = kit.Widget(kOperatingCheckForm, kGrade);
  QWidget* window = grade->window();
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  kit.Widget(kOperatingCheckForm, kClose)->setFocus();

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), grade);

  std::set<std::string> reached;
  for (int press = 0; press < 16; ++press) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    reached.insert(focused->objectName().toStdString());
    EXPECT_TRUE(focused->focusPolicy() & Qt::TabFocus) << focused->objectName().toStdString();
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  for (const char* control :
       {kGrade, kExportCsv, kSavePdf, kExportModel, kTurns, kWire, kMaterial, kClose}) {
    EXPECT_EQ(reached.count(control), 1u) << control;
  }
}

}  // namespace
}  // namespace pfc::ui::testing
