#pragma once

#include <istream>
#include <ostream>

namespace pfc {

// The whole of pfc-core: parses the command line, runs the command, writes its output and
// returns the exit status (0 published, 1 rejected or stopped, 2 usage error). "-" as a file
// name reads `in` or writes `out`.
int RunPfcCore(int argc, const char* const* argv, std::istream& in, std::ostream& out,
               std::ostream& err);

}  // namespace pfc
