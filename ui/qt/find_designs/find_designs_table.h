#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include "ui/forms/session/found_designs.h"

class QSortFilterProxyModel;

namespace pfc::ui {

// The designs found, one row each in the order found (ranked once the search ends), their
// cells as the command line's table writes them; sorting by a column sorts by its number.
class FoundDesignsModel final : public QAbstractTableModel {
 public:
  FoundDesignsModel(const FoundDesigns& designs, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  void Reload();
  void AddNew();  // rows found since the last call

 private:
  const FoundDesigns& designs_;
  int rows_ = 0;
};

// The table: sortable, and the row the user selects is the design picked.
class FindDesignsTable final : public QTableView {
 public:
  FindDesignsTable(FoundDesigns& designs, QWidget* parent);

 private:
  void Changed(FoundDesigns::Change change);
  void SelectionMoved();
  void ShowPick();

  FoundDesigns& designs_;
  FoundDesignsModel* model_;
  QSortFilterProxyModel* proxy_;
  bool showingPick_ = false;
  FoundDesigns::Subscription subscription_;
};

}  // namespace pfc::ui
