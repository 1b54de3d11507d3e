#pragma once

#include <QTableView>

#include "ui/forms/explored_designs.h"

namespace pfc::ui {

class DesignTableModel;
class DesignSortFilter;

// The table of explored designs: sortable by any column, filtered to the passing designs
// when the window asks, and reporting the row the user picks back to the designs.
class DesignTable final : public QTableView {
 public:
  DesignTable(ExploredDesigns& designs, char decimalSeparator, QWidget* parent);

  DesignTableModel& Model() const { return *model_; }
  DesignSortFilter& Proxy() const { return *proxy_; }

 private:
  void Changed(ExploredDesigns::Change change);
  void SelectionMoved();
  void ShowPick();
  void ScrollToCalculatorChoice();

  ExploredDesigns& designs_;
  DesignTableModel* model_;
  DesignSortFilter* proxy_;
  bool showingPick_ = false;
  ExploredDesigns::Subscription subscription_;
};

}  // namespace pfc::ui
