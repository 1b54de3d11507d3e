#include <gtest/gtest.h>

#include <QChart>
#include <QComboBox>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "engine/operating_check.h"
#include "ui/forms/desktop_services.h"
#include "ui/forms/desktop_session.h"
#include "ui/forms/form_names.h"
#include "ui/forms/operating_check_design.h"
#include "ui/forms/standard_forms.h"
#include "ui/qt/compare_cores_widgets.h"
#include "ui/qt/operating_check_charts.h"
#include "ui/qt/operating_check_widgets.h"
#include "ui/qt/qt_toolkit.h"

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

}  // namespace
}  // namespace pfc::ui::testing
