#include "ui/qt/find_designs/find_designs_table.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSortFilterProxyModel>
#include <cmath>
#include <limits>

#include "reports/files/search_texts.h"

namespace pfc::ui {

namespace {

// What a column sorts by: its number, or its text where it holds one.
QVariant SortKey(const SearchCandidate& c, int column) {
  const double numbers[] = {0,
                            static_cast<double>(c.stack),
                            0,
                            c.turns,
                            c.gauge,
                            c.lAtIpkPercent,
                            c.rippleAtCrestPercent,
                            c.coreLossW,
                            c.copperLossW,
                            c.totalLossW,
                            c.windingTemperatureC,
                            c.woundVolumeCm3,
                            c.fill,
                            c.pareto ? 0.0 : 1.0};
  if (column == 0)
    return QString::fromStdString(c.part);
  if (column == 2)
    return QString::fromStdString(c.materialName);
  const double value = numbers[column];
  return std::isfinite(value) ? value : std::numeric_limits<double>::max();
}

}  // namespace

FoundDesignsModel::FoundDesignsModel(const FoundDesigns& designs, QObject* parent)
    : QAbstractTableModel(parent), designs_(designs) {
  rows_ = static_cast<int>(designs_.Candidates().size());
}

int FoundDesignsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int FoundDesignsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kSearchTableColumns);
}

QVariant FoundDesignsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_)
    return {};
  const SearchCandidate& c = designs_.Candidates()[static_cast<std::size_t>(index.row())];
  const auto column = static_cast<std::size_t>(index.column());
  if (role == Qt::DisplayRole)
    return QString::fromStdString(SearchCellText(c, column));
  if (role == Qt::UserRole)
    return SortKey(c, index.column());
  if (role == Qt::TextAlignmentRole)
    return SearchTableColumns()[column].left ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                             : int(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant FoundDesignsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= static_cast<int>(kSearchTableColumns))
    return {};
  return QString::fromUtf8(SearchTableColumns()[static_cast<std::size_t>(section)].caption);
}

void FoundDesignsModel::Reload() {
  beginResetModel();
  rows_ = static_cast<int>(designs_.Candidates().size());
  endResetModel();
}

void FoundDesignsModel::AddNew() {
  const int now = static_cast<int>(designs_.Candidates().size());
  if (now <= rows_)
    return;
  beginInsertRows(QModelIndex(), rows_, now - 1);
  rows_ = now;
  endInsertRows();
}

FindDesignsTable::FindDesignsTable(FoundDesigns& designs, QWidget* parent)
    : QTableView(parent),
      designs_(designs),
      model_(new FoundDesignsModel(designs, this)),
      proxy_(new QSortFilterProxyModel(this)) {
  proxy_->setSourceModel(model_);
  proxy_->setSortRole(Qt::UserRole);
  setModel(proxy_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);  // Tab leaves for the buttons; the arrows move in the table
  setWordWrap(false);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setHighlightSections(false);
  // The search's own ranking until the user sorts.
  setSortingEnabled(true);
  horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  resizeColumnsToContents();
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { SelectionMoved(); });
  subscription_ = designs_.Listen([this](FoundDesigns::Change c) { Changed(c); });
}

void FindDesignsTable::Changed(FoundDesigns::Change change) {
  showingPick_ = true;
  if (change == FoundDesigns::Change::Progress) {
    const bool first = model_->rowCount() == 0;
    model_->AddNew();
    if (first)
      resizeColumnsToContents();
  } else if (change != FoundDesigns::Change::Pick) {
    // Sized to the first finds already: measuring a thousand rows again costs the window
    // more than the ranking it shows.
    const bool sized = model_->rowCount() > 0;
    model_->Reload();
    if (!sized)
      resizeColumnsToContents();
  }
  showingPick_ = false;
  ShowPick();
}

void FindDesignsTable::SelectionMoved() {
  if (showingPick_)
    return;
  const QModelIndexList rows = selectionModel()->selectedRows();
  if (rows.isEmpty()) {
    designs_.Pick(std::nullopt);
    return;
  }
  designs_.Pick(static_cast<std::size_t>(proxy_->mapToSource(rows.front()).row()));
}

void FindDesignsTable::ShowPick() {
  showingPick_ = true;
  const auto picked = designs_.Picked();
  if (!picked) {
    clearSelection();
  } else {
    const QModelIndex row = proxy_->mapFromSource(model_->index(static_cast<int>(*picked), 0));
    selectionModel()->select(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(row);
  }
  showingPick_ = false;
}

}  // namespace pfc::ui
