#include "ui/qt/design_sort_filter.h"

#include "ui/qt/design_table_model.h"

namespace pfc::ui {

DesignSortFilter::DesignSortFilter(QObject* parent) : QSortFilterProxyModel(parent) {
  setSortRole(DesignTableModel::kSortRole);
}

void DesignSortFilter::SetPassingOnly(bool passingOnly) {
  if (passingOnly == passingOnly_) {
    return;
  }
  passingOnly_ = passingOnly;
  invalidateFilter();
}

bool DesignSortFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  if (!passingOnly_) {
    return true;
  }
  const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
  return sourceModel()->data(index, DesignTableModel::kPassesRole).toBool();
}

bool DesignSortFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const QVariant a = sourceModel()->data(left, sortRole());
  const QVariant b = sourceModel()->data(right, sortRole());
  if (!a.isValid() || !b.isValid()) {
    return a.isValid() && !b.isValid();
  }
  return QVariant::compare(a, b) == QPartialOrdering::Less;
}

}  // namespace pfc::ui
