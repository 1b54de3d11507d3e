#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace pfc {

// "-" in place of a file name: standard input where a file is read, standard output where
// one is written, as in most command-line tools.
inline constexpr std::string_view kStandardStreamName = "-";

inline bool NamesStandardStream(std::string_view path) {
  return path == kStandardStreamName;
}

// The program's own standard input and output, which "-" stands for; the tests give string
// streams.
struct StandardStreams {
  std::istream& in;
  std::ostream& out;
};

// Reads the rest of `in`, but no more than `limit` bytes; false when it holds more.
bool ReadBoundedStream(std::istream& in, std::size_t limit, std::string& bytes);

}  // namespace pfc
