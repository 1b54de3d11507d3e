#include "ui/qt/compare_cores/compare_cores_sort_filter.h"

#include "ui/qt/compare_cores/compare_cores_table_model.h"

namespace pfc::ui {

CompareCoresSortFilter::CompareCoresSortFilter(QObject* parent) : QSortFilterProxyModel(parent) {
  setSortRole(CompareCoresTableModel::kSortRole);
}

void CompareCoresSortFilter::SetPassingOnly(bool passingOnly) {
  if (passingOnly == passingOnly_) {
    return;
  }
  passingOnly_ = passingOnly;
  invalidateFilter();
}

bool CompareCoresSortFilter::filterAcceptsRow(int sourceRow,
                                              const QModelIndex& sourceParent) const {
  if (!passingOnly_) {
    return true;
  }
  const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
  return sourceModel()->data(index, CompareCoresTableModel::kPassesRole).toBool();
}

bool CompareCoresSortFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const QVariant a = sourceModel()->data(left, sortRole());
  const QVariant b = sourceModel()->data(right, sortRole());
  if (!a.isValid() || !b.isValid()) {
    return a.isValid() && !b.isValid();
  }
  return QVariant::compare(a, b) == QPartialOrdering::Less;
}

}  // namespace pfc::ui
