#include "cli/standard_streams.h"

namespace pfc {

bool ReadBoundedStream(std::istream& in, std::size_t limit, std::string& bytes) {
  // One byte more than allowed tells a stream that is too long.
  bytes.resize(limit + 1);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes.size() <= limit;
}

}  // namespace pfc
