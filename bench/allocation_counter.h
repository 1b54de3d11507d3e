#pragma once

#include <cstddef>

// Counts the heap allocations of this benchmark binary: its global operator new is replaced
// (allocation_counter.cpp), so a benchmark can report how many allocations one run makes.
namespace pfc::bench {

// Allocations made by the whole process so far.
std::size_t AllocationCount();

}  // namespace pfc::bench
