#pragma once

#include <QSortFilterProxyModel>

namespace pfc::ui {

// Sorts the design table by its unrounded numbers and, when asked, lists only the designs
// that meet every limit. A design without a value in the sorted column comes after every
// design with one when sorting upwards.
class CompareCoresSortFilter final : public QSortFilterProxyModel {
 public:
  explicit CompareCoresSortFilter(QObject* parent);

  void SetPassingOnly(bool passingOnly);
  bool PassingOnly() const { return passingOnly_; }

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  bool passingOnly_ = false;
};

}  // namespace pfc::ui
