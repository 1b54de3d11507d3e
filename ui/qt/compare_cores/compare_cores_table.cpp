#include "ui/qt/compare_cores/compare_cores_table.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyledItemDelegate>

#include "ui/qt/compare_cores/compare_cores_sort_filter.h"
#include "ui/qt/compare_cores/compare_cores_table_model.h"

namespace pfc::ui {

namespace {

// A cell that the view's right edge cuts off is drawn shortened to the part in sight and
// ended by "…": a number cut at the edge would otherwise read as a shorter one.
class CutCellDelegate final : public QStyledItemDelegate {
 public:
  explicit CutCellDelegate(QAbstractItemView* view) : QStyledItemDelegate(view), view_(view) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const int lastVisible = view_->viewport()->width() - 1;
    if (option.rect.right() <= lastVisible || option.rect.left() > lastVisible) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    QStyleOptionViewItem inSight = option;
    inSight.rect.setRight(lastVisible);
    inSight.textElideMode = Qt::ElideRight;
    QStyledItemDelegate::paint(painter, inSight, index);
  }

 private:
  QAbstractItemView* view_;
};

}  // namespace

CompareCoresTable::CompareCoresTable(CompareCoresDesigns& designs, char decimalSeparator,
                                     QWidget* parent)
    : QTableView(parent),
      designs_(designs),
      model_(new CompareCoresTableModel(designs, decimalSeparator, this)),
      proxy_(new CompareCoresSortFilter(this)) {
  proxy_->setSourceModel(model_);
  proxy_->SetPassingOnly(designs_.PassingOnly());
  setModel(proxy_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setAlternatingRowColors(false);
  setWordWrap(false);
  setItemDelegate(new CutCellDelegate(this));
  setTextElideMode(Qt::ElideRight);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  // Catalogue order until the user sorts: the proxy keeps the source order while its sort
  // column is -1.
  setSortingEnabled(true);
  horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  resizeColumnsToContents();

  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { SelectionMoved(); });
  // A new order starts at its top, not wherever the old order's rows had been scrolled to.
  connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this] { scrollToTop(); });
  subscription_ = designs_.Listen([this](CompareCoresDesigns::Change c) { Changed(c); });
  ShowPick();
  ScrollToCalculatorChoice();
}

void CompareCoresTable::Changed(CompareCoresDesigns::Change change) {
  // Rows that vanish under the view move its selection; only the user picks a design.
  showingPick_ = true;
  switch (change) {
    case CompareCoresDesigns::Change::Designs:
      model_->Reload();
      resizeColumnsToContents();
      ScrollToCalculatorChoice();
      break;
    case CompareCoresDesigns::Change::Filter:
      proxy_->SetPassingOnly(designs_.PassingOnly());
      break;
    case CompareCoresDesigns::Change::Pick:
      break;
  }
  showingPick_ = false;
  ShowPick();
}

void CompareCoresTable::SelectionMoved() {
  if (showingPick_) {
    return;
  }
  const QModelIndexList rows = selectionModel()->selectedRows();
  if (rows.isEmpty()) {
    designs_.Pick(std::nullopt);
    return;
  }
  const QModelIndex source = proxy_->mapToSource(rows.front());
  designs_.Pick(source.isValid() ? std::optional<std::size_t>(source.row()) : std::nullopt);
}

// The selection follows the designs' pick, which changes under the table when a new
// exploration arrives or the filter hides the picked design.
void CompareCoresTable::ShowPick() {
  showingPick_ = true;
  const auto picked = designs_.Picked();
  const QModelIndex row =
      picked ? proxy_->mapFromSource(model_->index(static_cast<int>(*picked), 0)) : QModelIndex();
  if (!row.isValid()) {
    selectionModel()->clearSelection();
  } else if (!selectionModel()->isRowSelected(row.row(), {})) {
    selectionModel()->select(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  showingPick_ = false;
}

void CompareCoresTable::ScrollToCalculatorChoice() {
  if (const auto choice = designs_.CalculatorChoice()) {
    const QModelIndex row = proxy_->mapFromSource(model_->index(static_cast<int>(*choice), 0));
    if (row.isValid()) {
      scrollTo(row, QAbstractItemView::PositionAtCenter);
    }
  }
}

void CompareCoresTable::FollowLimits(const SessionLimits& limits) {
  model_->SetLimits(limits.Get());
  limitsSubscription_ = limits.Listen([this, &limits] { model_->SetLimits(limits.Get()); });
}

}  // namespace pfc::ui
