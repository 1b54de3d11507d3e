#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "engine/search/design_search.h"
#include "ui/forms/session/listeners.h"

namespace pfc::ui {

// The designs the "Find Designs" window shows, and the search that finds them on a thread of
// its own. The search hands its finds over as it goes; the window's thread takes them with
// Deliver, which tells the listeners, so that the window's logic, its table and its chart
// only ever see the designs on their own thread. Owned by the application.
class FoundDesigns {
 public:
  enum class Change {
    Started,   // a new search began: no candidates yet, nothing picked
    Progress,  // more combinations searched, maybe more candidates
    Finished,  // the search ended (or was cancelled): candidates ranked, front marked
    Pick,      // another candidate (or none) is picked
  };
  using Listener = Listeners<Change>::Listener;
  using Subscription = Listeners<Change>::Subscription;

  FoundDesigns() = default;
  FoundDesigns(const FoundDesigns&) = delete;
  FoundDesigns& operator=(const FoundDesigns&) = delete;
  ~FoundDesigns();

  // Stops any search under way and starts one for the entries; the tables and the record
  // are copied. A search its input checks refuse ends at once: see Result().
  void Start(const EntryTexts& entries, const DesignRecord& record, const CoreCatalogue& catalogue,
             const WireTable& wires, SearchRequest request);
  // Asks the search to stop; it ends with what it found so far.
  void Cancel();
  // Takes what the search handed over since the last call and tells the listeners. Returns
  // whether the search is still running.
  bool Deliver();
  // Waits for the search to end, then delivers: for callers without an event loop.
  void Finish();

  bool Running() const { return running_; }
  std::size_t Done() const { return done_; }
  std::size_t Total() const { return total_; }
  // In the order found while the search runs; ranked, with the front marked, once it ended.
  const std::vector<SearchCandidate>& Candidates() const { return candidates_; }
  // The ended search without its candidates (those are in Candidates()); empty before.
  const std::optional<DesignSearch>& Result() const { return result_; }
  const SearchRequest& Request() const { return request_; }
  const EntryTexts& Entries() const { return entries_; }

  void Pick(std::optional<std::size_t> candidate);
  std::optional<std::size_t> Picked() const { return picked_; }

  [[nodiscard]] Subscription Listen(Listener listener) const {
    return listeners_.Add(std::move(listener));
  }

 private:
  // What the search thread hands over, under the lock.
  struct Inbox {
    std::mutex lock;
    std::vector<SearchCandidate> found;
    std::size_t done = 0;
    std::size_t total = 0;
    std::optional<DesignSearch> ended;
  };
  void Stop();

  std::shared_ptr<Inbox> inbox_;
  std::shared_ptr<std::atomic<bool>> cancel_;
  std::thread search_;
  bool running_ = false;
  std::size_t done_ = 0;
  std::size_t total_ = 0;
  std::vector<SearchCandidate> candidates_;
  std::optional<DesignSearch> result_;
  SearchRequest request_;
  EntryTexts entries_;
  std::optional<std::size_t> picked_;
  Listeners<Change> listeners_;
};

}  // namespace pfc::ui
