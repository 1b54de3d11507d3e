#pragma once

#include <string>
#include <string_view>

namespace pfc {

// How a file write ended. A failure carries the path and the system's reason, so that the
// caller can tell the user and carry on; nothing here ends the program.
struct FileWriteResult {
  bool written = false;
  std::string path;
  std::string reason;  // the system's error text; empty when written

  // "Cannot write <path>: <reason>", for message boxes and stderr.
  std::string Message() const;
};

// Replaces the file at path with exactly these bytes, or leaves it as it was. The bytes go
// to a new file of a unique name in the same folder, which is flushed to disk and then
// renamed over the old one, so a reader sees the whole old file or the whole new one and a
// failed write leaves neither a half-written file nor the scratch file behind.
FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace pfc
