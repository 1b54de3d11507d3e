#pragma once

#include <QProgressBar>

#include "ui/forms/session/found_designs.h"

class QTimer;

namespace pfc::ui {

// The search's progress, and the window thread's end of the search: while it runs, a timer
// takes its finds over a few times a second, which tells the window and its views.
class FindDesignsProgress final : public QProgressBar {
 public:
  FindDesignsProgress(FoundDesigns& designs, QWidget* parent);

 private:
  void Changed(FoundDesigns::Change change);
  void Show();

  FoundDesigns& designs_;
  QTimer* timer_;
  FoundDesigns::Subscription subscription_;
};

}  // namespace pfc::ui
