#include "ui/forms/session/found_designs.h"

#include <utility>

namespace pfc::ui {

FoundDesigns::~FoundDesigns() {
  Stop();
}

void FoundDesigns::Stop() {
  if (cancel_)
    *cancel_ = true;
  if (search_.joinable())
    search_.join();
}

void FoundDesigns::Start(const EntryTexts& entries, const DesignRecord& record,
                         const CoreCatalogue& catalogue, const WireTable& wires,
                         SearchRequest request) {
  Stop();
  inbox_ = std::make_shared<Inbox>();
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  request_ = request;
  entries_ = entries;
  candidates_.clear();
  result_.reset();
  picked_.reset();
  done_ = 0;
  total_ = 0;
  running_ = true;
  // The thread owns copies of everything it reads, so the window may change the session.
  search_ = std::thread([inbox = inbox_, cancel = cancel_, entries, record, catalogue, wires,
                         request = std::move(request)] {
    const auto progress = [&inbox](const SearchProgress& p) {
      const std::lock_guard<std::mutex> hold(inbox->lock);
      inbox->found.insert(inbox->found.end(), p.found.begin(), p.found.end());
      inbox->done = p.done;
      inbox->total = p.total;
    };
    DesignSearch search =
        SearchDesigns(entries, record, catalogue, wires, request, progress, cancel.get());
    const std::lock_guard<std::mutex> hold(inbox->lock);
    inbox->ended = std::move(search);
  });
  listeners_.Notify(Change::Started);
}

void FoundDesigns::Cancel() {
  if (cancel_)
    *cancel_ = true;
}

bool FoundDesigns::Deliver() {
  if (!running_ || !inbox_)
    return false;
  std::vector<SearchCandidate> found;
  std::optional<DesignSearch> ended;
  {
    const std::lock_guard<std::mutex> hold(inbox_->lock);
    found.swap(inbox_->found);
    done_ = inbox_->done;
    total_ = inbox_->total;
    ended.swap(inbox_->ended);
  }
  if (!ended) {
    candidates_.insert(candidates_.end(), std::make_move_iterator(found.begin()),
                       std::make_move_iterator(found.end()));
    listeners_.Notify(Change::Progress);
    return true;
  }
  if (search_.joinable())
    search_.join();
  running_ = false;
  total_ = ended->total;  // also when it was cancelled before any combination ended
  candidates_ = std::move(ended->feasible);
  ended->feasible.clear();
  result_ = std::move(ended);
  picked_.reset();
  listeners_.Notify(Change::Finished);
  return false;
}

void FoundDesigns::Finish() {
  if (search_.joinable())
    search_.join();
  Deliver();
}

void FoundDesigns::Pick(std::optional<std::size_t> candidate) {
  if (candidate && *candidate >= candidates_.size())
    candidate.reset();
  if (candidate == picked_)
    return;
  picked_ = candidate;
  listeners_.Notify(Change::Pick);
}

}  // namespace pfc::ui
