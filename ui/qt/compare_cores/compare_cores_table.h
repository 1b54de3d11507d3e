#pragma once

#include <QTableView>

#include "ui/forms/session/compare_cores_designs.h"
#include "ui/forms/session/session_limits.h"

namespace pfc::ui {

class CompareCoresTableModel;
class CompareCoresSortFilter;

// The table of explored designs: sortable by any column, filtered to the passing designs
// when the window asks, and reporting the row the user picks back to the designs.
class CompareCoresTable final : public QTableView {
 public:
  CompareCoresTable(CompareCoresDesigns& designs, char decimalSeparator, QWidget* parent);

  CompareCoresTableModel& Model() const { return *model_; }
  CompareCoresSortFilter& Proxy() const { return *proxy_; }
  // Judges the check columns by the session's limits as they change.
  void FollowLimits(const SessionLimits& limits);

 private:
  void Changed(CompareCoresDesigns::Change change);
  void SelectionMoved();
  void ShowPick();
  void ScrollToCalculatorChoice();

  CompareCoresDesigns& designs_;
  CompareCoresTableModel* model_;
  CompareCoresSortFilter* proxy_;
  bool showingPick_ = false;
  CompareCoresDesigns::Subscription subscription_;
  SessionLimits::Subscription limitsSubscription_;
};

}  // namespace pfc::ui
