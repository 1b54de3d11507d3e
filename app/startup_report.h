#pragma once

#include <string>

namespace pfc::app {

// Milliseconds since the kernel started this process, from /proc; -1 when unknown.
long MillisecondsSinceProcessStart();
// The resident set size from /proc/self/status ("VmRSS: 61234 kB"); empty when unknown.
std::string ResidentMemory();

}  // namespace pfc::app
