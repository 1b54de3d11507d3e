#include "ui/qt/find_designs/find_designs_progress.h"

#include <QTimer>

namespace pfc::ui {

namespace {

constexpr int kDeliveryMs = 50;  // fast enough to look live, slow enough to draw in between

}  // namespace

FindDesignsProgress::FindDesignsProgress(FoundDesigns& designs, QWidget* parent)
    : QProgressBar(parent), designs_(designs), timer_(new QTimer(this)) {
  setTextVisible(true);
  timer_->setInterval(kDeliveryMs);
  connect(timer_, &QTimer::timeout, this, [this] {
    if (!designs_.Deliver())
      timer_->stop();
  });
  subscription_ = designs_.Listen([this](FoundDesigns::Change c) { Changed(c); });
  Show();
  if (designs_.Running())
    timer_->start();
}

void FindDesignsProgress::Changed(FoundDesigns::Change change) {
  if (change == FoundDesigns::Change::Started)
    timer_->start();
  Show();
}

void FindDesignsProgress::Show() {
  setMaximum(static_cast<int>(std::max<std::size_t>(designs_.Total(), 1)));
  // Combinations done over all; a cancelled search stays where it stopped.
  setValue(static_cast<int>(designs_.Done()));
}

}  // namespace pfc::ui
