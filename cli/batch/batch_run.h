#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "cli/batch/batch_rows.h"
#include "engine/catalogue/csv_reader.h"

namespace pfc {

struct BatchTotals {
  std::uint64_t rows = 0;       // rows written
  std::uint64_t published = 0;  // of them, designs published
  std::uint64_t bytesRead = 0;  // input consumed by the rows written
  bool stopped = false;         // the sink refused more output
};

// Takes the output in input order, a block of whole lines at a time; false stops the batch.
using BatchSink = std::function<bool(std::string_view lines)>;
// Told the totals after each block written.
using BatchProgress = std::function<void(const BatchTotals&)>;

// Designs every record the reader has left and hands the lines to the sink in input order.
// Rows go in blocks to the workers, the calling thread one of them (one worker: no other
// thread); a few blocks are in flight at a time, so memory stays the same whatever the
// input's length.
BatchTotals RunBatchRows(CsvReader& reader, const BatchLayout& layout, const DesignTables& tables,
                         const BatchSink& sink, const BatchProgress& progress, int workers = 2);

}  // namespace pfc
