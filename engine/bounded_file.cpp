#include "engine/bounded_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <system_error>

namespace pfc {
namespace {

constexpr std::size_t kMiB = std::size_t{1024} * 1024;

std::string MiBText(std::size_t bytes) {
  return bytes % kMiB == 0 ? std::to_string(bytes / kMiB) + " MiB"
                           : std::to_string(bytes) + " bytes";
}

}  // namespace

std::string SystemReason(int error) {
  return std::generic_category().message(error);
}

bool ReadBoundedFile(const std::string& path, std::size_t maxBytes, std::string_view kind,
                     std::string& bytes, std::string& reason) {
  // Non-blocking, so that naming a pipe with no writer does not hang the program.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (descriptor < 0) {
    reason = SystemReason(errno);
    return false;
  }
  struct stat status {};
  bool ok = true;
  if (::fstat(descriptor, &status) != 0) {
    reason = SystemReason(errno);
    ok = false;
  } else if (S_ISDIR(status.st_mode)) {
    reason = "it is a folder, not " + std::string(kind);
    ok = false;
  } else if (!S_ISREG(status.st_mode)) {
    reason = "it is not a regular file";
    ok = false;
  }
  const std::string tooLarge =
      "it is larger than " + std::string(kind) + " can be (" + MiBText(maxBytes) + ")";
  if (ok && static_cast<std::uint64_t>(status.st_size) > maxBytes) {
    reason = tooLarge;
    ok = false;
  }
  // One byte more than allowed tells a file that grew since fstat.
  bytes.resize(ok ? maxBytes + 1 : 0);
  std::size_t total = 0;
  while (ok && total < bytes.size()) {
    const ssize_t count = ::read(descriptor, bytes.data() + total, bytes.size() - total);
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0) {
      reason = SystemReason(errno);
      ok = false;
    } else if (count == 0) {
      break;
    } else {
      total += static_cast<std::size_t>(count);
    }
  }
  ::close(descriptor);
  if (ok && total > maxBytes) {
    reason = tooLarge;
    ok = false;
  }
  bytes.resize(ok ? total : 0);
  return ok;
}

}  // namespace pfc
