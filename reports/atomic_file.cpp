#include "reports/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <random>
#include <system_error>

namespace pfc {
namespace {

std::string SystemReason(int error) {
  return std::generic_category().message(error);
}

// A scratch name beside the target: hidden, marked as partial, with enough randomness that
// two writers never pick the same one. The target's name is shortened so that the scratch
// name stays within the file system's limit of 255 bytes per name.
std::string ScratchPathFor(const std::string& path, std::mt19937_64& random) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.size() > 200)
    name.resize(200);
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, ".%016llx.part", static_cast<unsigned long long>(random()));
  return folder + "." + name + suffix;
}

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(descriptor, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

FileWriteResult Failed(const std::string& path, int error) {
  return FileWriteResult{false, path, SystemReason(error)};
}

}  // namespace

std::string FileWriteResult::Message() const {
  if (written)
    return {};
  return "Cannot write " + path + ": " + reason;
}

FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty())
    return Failed(path, ENOENT);
  std::random_device seed;
  std::mt19937_64 random((static_cast<std::uint64_t>(seed()) << 32) ^ seed() ^
                         static_cast<std::uint64_t>(::getpid()));
  std::string scratch;
  int descriptor = -1;
  for (int attempt = 0; attempt < 16 && descriptor < 0; ++attempt) {
    scratch = ScratchPathFor(path, random);
    // 0666 lets the user's umask decide, as for any file the user creates.
    descriptor = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0 && errno != EEXIST)
      return Failed(path, errno);
  }
  if (descriptor < 0)
    return Failed(path, EEXIST);

  int error = 0;
  if (!WriteAll(descriptor, bytes) || ::fsync(descriptor) != 0)
    error = errno;
  if (::close(descriptor) != 0 && error == 0)
    error = errno;
  if (error == 0 && std::rename(scratch.c_str(), path.c_str()) != 0)
    error = errno;
  if (error != 0) {
    ::unlink(scratch.c_str());
    return Failed(path, error);
  }
  return FileWriteResult{true, path, {}};
}

}  // namespace pfc
