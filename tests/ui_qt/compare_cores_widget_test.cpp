#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QChart>
#include <QHeaderView>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "engine/method/core_selection.h"
#include "engine/record/number_text.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/standard_forms.h"
#include "ui/qt/compare_cores/compare_cores_chart.h"
#include "ui/qt/compare_cores/compare_cores_sort_filter.h"
#include "ui/qt/compare_cores/compare_cores_table.h"
#include "ui/qt/compare_cores/compare_cores_table_model.h"
#include "ui/qt/compare_cores/compare_cores_widgets.h"
#include "ui/qt/toolkit/form_window.h"
#include "ui/qt/toolkit/qt_toolkit.h"

namespace pfc::ui::testing {
namespace {

constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

// "Compare Cores" on the Qt toolkit with its table and charts, on the real engine's
// exploration of the default operating point.
class CompareCoresWidgetTest : public ::testing::Test {
 protected:
  CompareCoresWidgetTest() {
    services.runDesign = StandardServices().runDesign;
    services.readTempFolder = [] { return std::string("/tmp"); };
    RegisterStandardForms(registry, session, services);
    AddCompareCoresWidgets(kit, session);
    kit.SetMessagePresenter([this](const Message& m) { messages.push_back(m); });
    kit.Show(kInputForm);
  }
  ~CompareCoresWidgetTest() override {
    for (const char* form : {kCompareCoresForm, kListingForm, kSummaryForm, kInputForm}) {
      kit.Unload(form);
    }
  }

  void OpenFromInputForm() {
    QTest::mouseClick(kit.Widget(kInputForm, "cmdCompareCores"), Qt::LeftButton);
    ASSERT_TRUE(kit.IsVisible(kCompareCoresForm));
  }

  // Opens the window on the default exploration with some designs made to miss their
  // values, as designs stopped by the line peak do.
  void OpenWithMissingValues() {
    OpenFromInputForm();
    Exploration exploration = session.compareCores.Current();
    for (std::size_t i = 0; i < exploration.designs.size(); i += 7) {
      ExploredDesign& d = exploration.designs[i];
      d.CoreLoss = d.TotalLoss = d.TempRise = d.TotalTemp = kMissing;
      d.PassesTemperature = d.PassesVpeak = false;
    }
    session.compareCores.Replace(exploration);
  }

  CompareCoresTable& Table() {
    return *dynamic_cast<CompareCoresTable*>(kit.Widget(kCompareCoresForm, "grdDesigns"));
  }
  CompareCoresChart& Chart(const char* control) {
    return *dynamic_cast<CompareCoresChart*>(kit.Widget(kCompareCoresForm, control));
  }
  const ExploredDesign& DesignAtRow(int row) {
    const QModelIndex source = Table().Proxy().mapToSource(Table().Proxy().index(row, 0));
    return session.compareCores.Designs()[static_cast<std::size_t>(source.row())];
  }
  void ClickHeader(int column) {
    QHeaderView* header = Table().horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
  }
  void ClickRow(int row) {
    Table().scrollTo(Table().Proxy().index(row, 0));
    const QRect cell = Table().visualRect(Table().Proxy().index(row, 1));
    QTest::mouseClick(Table().viewport(), Qt::LeftButton, {}, cell.center());
  }
  void ClickPassingOnly() {
    auto* box = qobject_cast<QAbstractButton*>(kit.Widget(kCompareCoresForm, "chkPassingOnly"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  }

  template <class Series>
  static Series* SeriesNamed(CompareCoresChart& chart, const QString& name) {
    for (QAbstractSeries* series : chart.chart()->series()) {
      if (series->name() == name) {
        return qobject_cast<Series*>(series);
      }
    }
    return nullptr;
  }

  DesktopSession session;
  DesktopServices services;
  FormRegistry registry;
  QtToolkit kit{registry, QString()};
  std::vector<Message> messages;
};

struct SortCase {
  const char* name;
  int column;
  std::function<double(const ExploredDesign&)> value;
  friend void PrintTo(const SortCase& c, std::ostream* out) { *out << c.name; }
};

class SortingTest : public CompareCoresWidgetTest,
                    public ::testing::WithParamInterface<SortCase> {};

TEST_P(SortingTest, FollowsTheUnroundedValuesWithMissingOnesAfterwards) {
  OpenWithMissingValues();
  const SortCase& c = GetParam();
  const int rows = Table().Proxy().rowCount();
  ASSERT_EQ(rows, static_cast<int>(session.compareCores.Designs().size()));
  for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
    // The first click sorts upwards, the second downwards.
    ClickHeader(c.column);
    ASSERT_EQ(Table().horizontalHeader()->sortIndicatorSection(), c.column);
    ASSERT_EQ(Table().horizontalHeader()->sortIndicatorOrder(), order);
    for (int row = 1; row < rows; ++row) {
      const double before = c.value(DesignAtRow(row - 1));
      const double here = c.value(DesignAtRow(row));
      if (std::isnan(before) || std::isnan(here)) {
        // Upwards the missing values trail; downwards they lead.
        const bool wrongSide = order == Qt::AscendingOrder
                                   ? std::isnan(before) && !std::isnan(here)
                                   : !std::isnan(before) && std::isnan(here);
        EXPECT_FALSE(wrongSide) << "row " << row;
        continue;
      }
      if (order == Qt::AscendingOrder) {
        EXPECT_LE(before, here) << "row " << row;
      } else {
        EXPECT_GE(before, here) << "row " << row;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Columns, SortingTest,
    ::testing::Values(SortCase{"TotalLoss", CompareCoresTableModel::kTotalLoss,
                               [](const ExploredDesign& d) { return d.TotalLoss; }},
                      SortCase{"TotalTemp", CompareCoresTableModel::kTotalTemp,
                               [](const ExploredDesign& d) { return d.TotalTemp; }},
                      SortCase{"HMax", CompareCoresTableModel::kHMax,
                               [](const ExploredDesign& d) { return d.HMax; }},
                      SortCase{"BoxedVolume", CompareCoresTableModel::kBoxedVolume,
                               [](const ExploredDesign& d) { return d.BoxedVolume; }},
                      SortCase{"CheckLAtIpk", CompareCoresTableModel::kCheckLAtIpk,
                               [](const ExploredDesign& d) { return d.CheckLAtIpkPercent; }},
                      SortCase{"CheckRipple", CompareCoresTableModel::kCheckRipple,
                               [](const ExploredDesign& d) { return d.CheckRipplePercent; }},
                      SortCase{"CheckTemperature", CompareCoresTableModel::kCheckTemperature,
                               [](const ExploredDesign& d) { return d.CheckWindingTemperature; }},
                      SortCase{"Core", CompareCoresTableModel::kCore,
                               [](const ExploredDesign& d) { return double(d.CoreIndex); }},
                      SortCase{"Limits", CompareCoresTableModel::kLimits,
                               [](const ExploredDesign& d) {
                                 return double(!d.PassesFieldStrength + !d.PassesTemperature +
                                               !d.PassesFillFactor + !d.PassesVpeak);
                               }}),
    [](const ::testing::TestParamInfo<SortCase>& info) { return std::string(info.param.name); });

TEST_F(CompareCoresWidgetTest, PassingOnlyListsTheDesignsThatMeetEveryLimit) {
  OpenFromInputForm();
  const auto& designs = session.compareCores.Designs();
  const auto passing = std::count_if(designs.begin(), designs.end(),
                                     [](const ExploredDesign& d) { return d.PassesAll(); });
  ASSERT_GT(passing, 0);
  ASSERT_LT(passing, static_cast<long>(designs.size()));

  ClickPassingOnly();
  ASSERT_EQ(Table().Proxy().rowCount(), passing);
  for (int row = 0; row < Table().Proxy().rowCount(); ++row) {
    EXPECT_TRUE(DesignAtRow(row).PassesAll()) << row;
    EXPECT_EQ(Table().Proxy().index(row, CompareCoresTableModel::kLimits).data().toString(),
              "pass");
  }
  ClickPassingOnly();
  EXPECT_EQ(Table().Proxy().rowCount(), static_cast<int>(designs.size()));
}

TEST_F(CompareCoresWidgetTest, TheCalculatorsChoiceIsHighlightedWhereverItSorts) {
  OpenFromInputForm();
  for (const int column :
       {-1, int(CompareCoresTableModel::kTotalLoss), int(CompareCoresTableModel::kMass)}) {
    if (column >= 0) {
      ClickHeader(column);
    }
    int highlighted = 0;
    for (int row = 0; row < Table().Proxy().rowCount(); ++row) {
      const QModelIndex index = Table().Proxy().index(row, CompareCoresTableModel::kTurns);
      const QVariant background = index.data(Qt::BackgroundRole);
      if (!DesignAtRow(row).CalculatorChoice) {
        EXPECT_FALSE(background.isValid()) << row;
        continue;
      }
      ++highlighted;
      EXPECT_EQ(background.value<QBrush>().color(), CompareCoresTableModel::HighlightColour());
      EXPECT_TRUE(index.data(Qt::FontRole).value<QFont>().bold());
      EXPECT_EQ(DesignAtRow(row).CoresToStack, 1);  // the entered stack count
    }
    EXPECT_EQ(highlighted, 1) << "column " << column;
  }
}

TEST_F(CompareCoresWidgetTest, ChartsDrawOneLinePerStackCountAndTheTemperatureLimit) {
  OpenWithMissingValues();
  const CoreCatalogue& catalogue = session.catalogue;
  for (const char* control : {"chtTotalLoss", "chtTotalTemp"}) {
    const bool temperature = std::string(control) == "chtTotalTemp";
    CompareCoresChart& chart = Chart(control);
    double xLow = INFINITY;
    double xHigh = 0;
    int stackSeries = 0;
    for (int stack = 1; stack <= 12; ++stack) {
      auto* line = SeriesNamed<QLineSeries>(chart, CompareCoresChart::StackSeriesName(stack));
      if (line == nullptr) {
        continue;
      }
      ++stackSeries;
      // Every design of this stack whose value exists, at its core's area product.
      std::vector<QPointF> expected;
      for (const ExploredDesign& d : session.compareCores.Designs()) {
        const double value = temperature ? d.TotalTemp : d.TotalLoss;
        if (d.CoresToStack == stack && !std::isnan(value)) {
          expected.emplace_back(catalogue.WaAc[static_cast<std::size_t>(d.CoreIndex)], value);
        }
      }
      EXPECT_EQ(line->points(), QList<QPointF>(expected.begin(), expected.end())) << stack;
      for (const QPointF& p : line->points()) {
        xLow = std::min(xLow, p.x());
        xHigh = std::max(xHigh, p.x());
      }
    }
    EXPECT_EQ(stackSeries, kMostCoresToStack) << control;

    auto* limit = SeriesNamed<QLineSeries>(chart, CompareCoresChart::LimitSeriesName());
    if (!temperature) {
      EXPECT_EQ(limit, nullptr);
      continue;
    }
    ASSERT_NE(limit, nullptr);
    ASSERT_EQ(limit->count(), 2);
    EXPECT_EQ(limit->at(0), QPointF(xLow, kTemperatureCeiling));
    EXPECT_EQ(limit->at(1), QPointF(xHigh, kTemperatureCeiling));
    EXPECT_EQ(limit->pen().style(), Qt::DashLine);
  }
}

TEST_F(CompareCoresWidgetTest, ChartsMarkTheCalculatorsChoiceAndThePickedRow) {
  OpenFromInputForm();
  const ExploredDesign& choice =
      session.compareCores.Designs()[*session.compareCores.CalculatorChoice()];
  auto* marker =
      SeriesNamed<QScatterSeries>(Chart("chtTotalLoss"), CompareCoresChart::ChoiceSeriesName());
  ASSERT_NE(marker, nullptr);
  ASSERT_EQ(marker->count(), 1);
  EXPECT_EQ(marker->at(0).y(), choice.TotalLoss);

  auto* use = qobject_cast<QPushButton*>(kit.Widget(kCompareCoresForm, "cmdUseDesign"));
  EXPECT_FALSE(use->isEnabled());
  ClickHeader(CompareCoresTableModel::kTotalTemp);
  ClickRow(5);
  const ExploredDesign& picked = DesignAtRow(5);
  ASSERT_TRUE(session.compareCores.Picked().has_value());
  EXPECT_EQ(&session.compareCores.Designs()[*session.compareCores.Picked()], &picked);
  EXPECT_TRUE(use->isEnabled());
  auto* pick =
      SeriesNamed<QScatterSeries>(Chart("chtTotalTemp"), CompareCoresChart::PickSeriesName());
  ASSERT_NE(pick, nullptr);
  ASSERT_EQ(pick->count(), 1);
  EXPECT_EQ(pick->at(0), QPointF(session.catalogue.WaAc[static_cast<std::size_t>(picked.CoreIndex)],
                                 picked.TotalTemp));

  // Hiding the picked design drops the pick everywhere.
  ClickHeader(CompareCoresTableModel::kLimits);
  ClickHeader(CompareCoresTableModel::kLimits);  // failing designs first
  ClickRow(0);
  ASSERT_FALSE(DesignAtRow(0).PassesAll());
  ClickPassingOnly();
  EXPECT_FALSE(session.compareCores.Picked().has_value());
  EXPECT_TRUE(Table().selectionModel()->selectedRows().isEmpty());
  EXPECT_FALSE(use->isEnabled());
  EXPECT_EQ(pick->count(), 0);
}

TEST_F(CompareCoresWidgetTest, ExploringAgainRefreshesTheOpenWindow) {
  OpenFromInputForm();
  const QString before =
      Table().Model().index(0, CompareCoresTableModel::kTotalLoss).data().toString();
  ClickRow(3);
  ASSERT_TRUE(session.compareCores.Picked().has_value());
  kit.SetText(kInputForm, "txtOutputPower", "1000");
  OpenFromInputForm();
  const QString after =
      Table().Model().index(0, CompareCoresTableModel::kTotalLoss).data().toString();
  EXPECT_NE(before, after);
  EXPECT_EQ(after.toStdString(),
            FormatPlaces(session.compareCores.Designs()[0].TotalLoss, 2, session.decimalSeparator));
  EXPECT_TRUE(Table().selectionModel()->selectedRows().isEmpty());
}

// A click on a row picks the design that row shows, in whatever order and under whatever
// filter the table lists them. The row is read as the user reads it: its core and stack.
struct RowCase {
  const char* name;
  int sortColumn;  // -1: catalogue order
  int headerClicks;
  bool passingOnly;
  int row;
  friend void PrintTo(const RowCase& c, std::ostream* out) { *out << c.name; }
};

class RowMappingTest : public CompareCoresWidgetTest,
                       public ::testing::WithParamInterface<RowCase> {};

TEST_P(RowMappingTest, AClickedRowPicksTheDesignItShows) {
  const RowCase& c = GetParam();
  OpenFromInputForm();
  if (c.passingOnly) {
    ClickPassingOnly();
  }
  for (int click = 0; click < c.headerClicks; ++click) {
    ClickHeader(c.sortColumn);
  }
  ASSERT_LT(c.row, Table().model()->rowCount());

  ClickRow(c.row);

  const auto picked = session.compareCores.Picked();
  ASSERT_TRUE(picked.has_value());
  const ExploredDesign& design = session.compareCores.Designs()[*picked];
  const QAbstractItemModel& shown = *Table().model();
  EXPECT_EQ(shown.index(c.row, CompareCoresTableModel::kCore).data().toString().toStdString(),
            design.SelectedCoreSize);
  EXPECT_EQ(shown.index(c.row, CompareCoresTableModel::kStack).data().toString().toStdString(),
            std::to_string(design.CoresToStack));
  EXPECT_EQ(c.passingOnly, c.passingOnly && design.PassesAll());
}

INSTANTIATE_TEST_SUITE_P(
    SortedAndFiltered, RowMappingTest,
    ::testing::Values(
        RowCase{"catalogue order", -1, 0, false, 5},
        RowCase{"catalogue order passing only", -1, 0, true, 5},
        RowCase{"total loss upwards", CompareCoresTableModel::kTotalLoss, 1, false, 2},
        RowCase{"total loss upwards passing only", CompareCoresTableModel::kTotalLoss, 1, true, 3},
        RowCase{"mass downwards passing only", CompareCoresTableModel::kMass, 2, true, 7},
        RowCase{"turns upwards far down", CompareCoresTableModel::kTurns, 1, false, 200}),
    [](const ::testing::TestParamInfo<RowCase>& info) {
      std::string name = info.param.name;
      std::replace(name.begin(), name.end(), ' ', '_');
      return name;
    });

// A new order is shown from its top, wherever the old one had been scrolled to.
TEST_F(CompareCoresWidgetTest, SortingScrollsToTheTop) {
  OpenFromInputForm();
  Table().scrollToBottom();
  ASSERT_GT(Table().verticalScrollBar()->value(), 0);
  for (const int clicks : {1, 2}) {
    Table().scrollToBottom();
    ClickHeader(CompareCoresTableModel::kTotalLoss);
    EXPECT_EQ(Table().verticalScrollBar()->value(), 0) << clicks;
  }
}

// A number the view's right edge cuts through would read as a shorter number: the cell is
// drawn only up to the edge, shortened there.
TEST_F(CompareCoresWidgetTest, ACellCutByTheRightEdgeDrawsNothingPastIt) {
  OpenFromInputForm();
  Table().clearSelection();
  Table().scrollToTop();
  const QModelIndex index = Table().Proxy().index(1, CompareCoresTableModel::kTotalLoss);
  const QRect cell = Table().visualRect(index);
  const int textWidth = Table().fontMetrics().horizontalAdvance(index.data().toString());
  ASSERT_GT(textWidth, 8);
  // Through the middle of the right-aligned number.
  const int lastVisible = cell.right() - 4 - textWidth / 2;
  Table().resize(Table().width() - (Table().viewport()->width() - 1 - lastVisible),
                 Table().height());
  QCoreApplication::processEvents();
  ASSERT_EQ(Table().viewport()->width() - 1, lastVisible);
  ASSERT_EQ(Table().visualRect(index), cell);

  QImage drawn(cell.right() + 1, cell.bottom() + 1, QImage::Format_RGB32);
  drawn.fill(Qt::white);
  {
    QPainter painter(&drawn);
    QStyleOptionViewItem option;
    option.initFrom(Table().viewport());
    option.rect = cell;
    option.font = Table().font();
    Table().itemDelegate()->paint(&painter, option, index);
  }
  int inkInSight = 0;
  for (int y = cell.top(); y <= cell.bottom(); ++y) {
    for (int x = cell.left(); x <= cell.right(); ++x) {
      const bool ink = drawn.pixel(x, y) != QColor(Qt::white).rgb();
      if (x > lastVisible) {
        ASSERT_FALSE(ink) << "drawn past the edge at " << x << "," << y;
      } else if (ink) {
        ++inkInSight;
      }
    }
  }
  EXPECT_GT(inkInSight, 0) << "the part in sight shows something";
}

// The window may be enlarged; the table takes the room, the buttons stay at the bottom edge.
TEST_F(CompareCoresWidgetTest, AnEnlargedWindowGivesTheTableTheRoom) {
  OpenFromInputForm();
  QWidget* window = kit.Window(kCompareCoresForm);
  // Smaller than designed it scrolls (a laptop's screen); larger, the controls follow.
  const QSize designed = static_cast<FormWindow*>(window)->Canvas()->minimumSize();
  EXPECT_LT(window->minimumHeight(), designed.height());
  EXPECT_GT(window->maximumWidth(), designed.width());
  const QRect table = Table().geometry();
  QWidget* close = kit.Widget(kCompareCoresForm, "cmdClose");
  const QRect closeBefore = close->geometry();

  window->resize(designed + QSize(300, 200));
  QCoreApplication::processEvents();

  EXPECT_EQ(Table().geometry(), table.adjusted(0, 0, 300, 200));
  EXPECT_EQ(close->geometry(), closeBefore.translated(300, 200));
  for (const char* chart : {"chtTotalLoss", "chtTotalTemp"}) {
    QWidget* drawn = kit.Widget(kCompareCoresForm, chart);
    EXPECT_GE(drawn->y(), Table().geometry().bottom()) << chart;
    EXPECT_LE(drawn->geometry().bottom(), close->y()) << chart;
  }
}

// Each number column shows a quantity of its own: with every quantity of a design different,
// the columns hold as many different numbers as there are columns, none missing.
TEST(CompareCoresTableModelTest, EveryNumberColumnShowsAQuantityOfItsOwn) {
  ExploredDesign design;
  double next = 1;
  design.CoresToStack = 2;
  design.CoreIndex = 3;
  for (double* value :
       {&design.Turns, &design.WireGauge, &design.HMax, &design.ActualFillFactor, &design.CoreLoss,
        &design.CopperLoss, &design.TotalLoss, &design.TempRise, &design.TotalTemp, &design.CoreOD,
        &design.CoreHT, &design.BoxedVolume, &design.CoreMass, &design.CheckLAtIpkPercent,
        &design.CheckRipplePercent, &design.CheckWindingTemperature}) {
    *value = next += 1.5;
  }
  Exploration exploration;
  exploration.designs = {design};
  CompareCoresDesigns designs;
  designs.Replace(exploration);
  CompareCoresTableModel model(designs, '.', nullptr);
  std::vector<double> shown;
  for (int column = CompareCoresTableModel::kStack;
       column <= CompareCoresTableModel::kCheckTemperature; ++column) {
    const QVariant value = model.index(0, column).data(CompareCoresTableModel::kSortRole);
    ASSERT_TRUE(value.isValid()) << "column " << column;
    shown.push_back(value.toDouble());
  }
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(std::adjacent_find(shown.begin(), shown.end()), shown.end());
}

}  // namespace
}  // namespace pfc::ui::testing
