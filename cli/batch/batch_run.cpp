#include "cli/batch/batch_run.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pfc {
namespace {

// A block is a few hundred microseconds of work: long enough that handing it over costs
// nothing by comparison, short enough that the output flows steadily.
constexpr std::size_t kRowsPerBlock = 512;
// Long rows end a block early, so that the blocks in flight hold a few MiB at most whatever
// the rows hold.
constexpr std::uint64_t kInputBytesPerBlock = std::uint64_t{256} * 1024;
constexpr std::size_t kBlocksPerWorker = 4;

// Each block on cache lines of its own: two workers filling neighbouring blocks do not
// contend for a line.
struct alignas(64) Block {
  std::vector<CsvRecord> records;
  std::size_t count = 0;  // records in use; the rest keep their storage for the next fill
  std::string output;
  std::uint64_t published = 0;
  std::uint64_t inputEnd = 0;  // input consumed up to the block's last row
  bool done = false;
};

class BlockQueue {
 public:
  void Submit(Block& block) {
    {
      std::lock_guard lock(mutex_);
      block.done = false;
      waiting_.push_back(&block);
    }
    workReady_.notify_one();
  }

  // A block waiting for work, or nullptr when none is: the writer's way to help rather than
  // wait.
  Block* TryTake() {
    std::lock_guard lock(mutex_);
    if (waiting_.empty())
      return nullptr;
    Block* block = waiting_.front();
    waiting_.pop_front();
    return block;
  }

  bool IsDone(const Block& block) {
    std::lock_guard lock(mutex_);
    return block.done;
  }

  // The next block to work on, or nullptr once closed and empty.
  Block* Take() {
    std::unique_lock lock(mutex_);
    workReady_.wait(lock, [this] { return closed_ || !waiting_.empty(); });
    if (waiting_.empty())
      return nullptr;
    Block* block = waiting_.front();
    waiting_.pop_front();
    return block;
  }

  void Finish(Block& block) {
    {
      std::lock_guard lock(mutex_);
      block.done = true;
    }
    blockDone_.notify_all();
  }

  void WaitUntilDone(const Block& block) {
    std::unique_lock lock(mutex_);
    blockDone_.wait(lock, [&block] { return block.done; });
  }

  void Close() {
    {
      std::lock_guard lock(mutex_);
      closed_ = true;
    }
    workReady_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable workReady_;
  std::condition_variable blockDone_;
  std::deque<Block*> waiting_;
  bool closed_ = false;
};

void DesignBlock(Block& block, const BatchLayout& layout, const DesignTables& tables,
                 NumberTextCache& numbers) {
  block.output.clear();
  std::uint64_t published = 0;
  for (std::size_t i = 0; i < block.count; ++i)
    published += layout.AppendRow(block.records[i], tables, numbers, block.output);
  block.published = published;
}

void Work(BlockQueue& queue, const BatchLayout& layout, const DesignTables& tables) {
  const auto numbers = std::make_unique<NumberTextCache>();
  while (Block* block = queue.Take()) {
    DesignBlock(*block, layout, tables, *numbers);
    queue.Finish(*block);
  }
}

std::size_t Fill(CsvReader& reader, Block& block) {
  if (block.records.size() < kRowsPerBlock)
    block.records.resize(kRowsPerBlock);
  block.count = 0;
  const std::uint64_t start = reader.bytesRead();
  while (block.count < kRowsPerBlock && reader.bytesRead() - start < kInputBytesPerBlock &&
         reader.Next(block.records[block.count]))
    ++block.count;
  block.inputEnd = reader.bytesRead();
  return block.count;
}

}  // namespace

BatchTotals RunBatchRows(CsvReader& reader, const BatchLayout& layout, const DesignTables& tables,
                         const BatchSink& sink, const BatchProgress& progress, int workers) {
  BlockQueue queue;
  std::vector<Block> blocks(kBlocksPerWorker * static_cast<std::size_t>(std::max(workers, 1)));
  // This thread is one of the workers: between reading and writing it designs blocks too, so
  // that as many threads compute as were asked for and none of them only waits.
  std::vector<std::thread> threads;
  for (int i = 1; i < workers; ++i)
    threads.emplace_back(Work, std::ref(queue), std::cref(layout), std::cref(tables));
  const auto numbers = std::make_unique<NumberTextCache>();

  BatchTotals totals;
  std::uint64_t submitted = 0;
  std::uint64_t written = 0;
  // The oldest block in flight, once done, goes to the sink; blocks are reused in turn.
  const auto writeOldest = [&] {
    Block& block = blocks[written % blocks.size()];
    while (!queue.IsDone(block)) {
      Block* waiting = queue.TryTake();
      if (!waiting) {
        queue.WaitUntilDone(block);
        break;
      }
      DesignBlock(*waiting, layout, tables, *numbers);
      queue.Finish(*waiting);
    }
    ++written;
    if (totals.stopped)
      return;
    totals.rows += block.count;
    totals.published += block.published;
    totals.bytesRead = block.inputEnd;
    totals.stopped = !sink(block.output);
    if (progress)
      progress(totals);
  };
  while (!totals.stopped) {
    if (submitted - written == blocks.size()) {
      writeOldest();
      continue;
    }
    Block& block = blocks[submitted % blocks.size()];
    if (Fill(reader, block) == 0)
      break;
    queue.Submit(block);
    ++submitted;
  }
  while (written < submitted)
    writeOldest();
  queue.Close();
  for (std::thread& thread : threads)
    thread.join();
  return totals;
}

}  // namespace pfc
