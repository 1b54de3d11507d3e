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

// The reason given when the path names a device, a pipe or a socket, which is never replaced.
inline constexpr const char* kNotARegularFile = "not a regular file (a device, pipe or socket)";

// Replaces the file at path with exactly these bytes, or leaves it as it was. The bytes go
// to a new file of a unique name in the same folder, which is flushed to disk and then
// renamed over the old one, so a reader sees the whole old file or the whole new one and a
// failed write leaves neither a half-written file nor the scratch file behind. A symbolic
// link is written through (the link stays), and a replaced file keeps its permissions.
FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// The same contract for a file written piece by piece, when the bytes are too many to hold:
// the pieces go to the scratch file, and only Commit puts it under its name. A writer that
// goes without Commit, or fails, removes its scratch file and leaves the old file as it was.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::string path);  // creates the scratch file
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False once creating or writing the scratch file failed; status() tells why.
  bool ok() const { return status_.reason.empty(); }
  const FileWriteResult& status() const { return status_; }

  // Appends to the scratch file; does nothing once a write failed.
  void Write(std::string_view bytes);

  // Flushes the scratch file to disk and renames it over the file at the path.
  FileWriteResult Commit();

 private:
  void Fail(int error);

  FileWriteResult status_;
  std::string target_;  // the path with its symbolic links followed
  std::string scratch_;
  int descriptor_ = -1;
};

}  // namespace pfc
