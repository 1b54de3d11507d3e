#include "reports/files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
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

// The file a path ends at: a symbolic link is followed, as writing through it would, so that
// the link stays and the file it names gets the bytes. A link to a file not yet there names
// that file. Returns false with errno set when the links loop or cannot be read.
bool FollowLinks(std::string& path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode))
      return true;
    std::string target(static_cast<std::size_t>(entry.st_size) + 1, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0)
      return false;
    target.resize(static_cast<std::size_t>(length));
    if (target.empty() || target.front() != '/') {
      const std::size_t slash = path.rfind('/');
      target.insert(0, slash == std::string::npos ? "" : path.substr(0, slash + 1));
    }
    path = std::move(target);
  }
  errno = ELOOP;
  return false;
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

}  // namespace

std::string FileWriteResult::Message() const {
  if (written)
    return {};
  return "Cannot write " + path + ": " + reason;
}

FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  AtomicFileWriter file(path);
  file.Write(bytes);
  return file.Commit();
}

AtomicFileWriter::AtomicFileWriter(std::string path) {
  status_.path = std::move(path);
  if (status_.path.empty()) {
    Fail(ENOENT);
    return;
  }
  target_ = status_.path;
  if (!FollowLinks(target_)) {
    Fail(errno);
    return;
  }
  // Renaming over a device, pipe or socket would put a plain file in its place: as root,
  // "-o /dev/null" would end /dev/null for every program on the machine.
  struct stat existing {};
  const bool replacing = ::stat(target_.c_str(), &existing) == 0;
  if (replacing && !S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode)) {
    status_.reason = kNotARegularFile;
    return;
  }
  std::random_device seed;
  std::mt19937_64 random((static_cast<std::uint64_t>(seed()) << 32) ^ seed() ^
                         static_cast<std::uint64_t>(::getpid()));
  for (int attempt = 0; attempt < 16 && descriptor_ < 0; ++attempt) {
    scratch_ = ScratchPathFor(target_, random);
    // 0666 lets the user's umask decide, as for any file the user creates.
    descriptor_ = ::open(scratch_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor_ < 0 && errno != EEXIST) {
      scratch_.clear();
      Fail(errno);
      return;
    }
  }
  if (descriptor_ < 0) {
    scratch_.clear();
    Fail(EEXIST);
    return;
  }
  // The new file takes the old one's place with its permissions, so that a private file
  // stays private; and its owner, where the writer may give it (as root).
  if (replacing && S_ISREG(existing.st_mode)) {
    if (::fchmod(descriptor_, existing.st_mode & 07777) != 0)
      Fail(errno);
    if (::geteuid() == 0 && ::fchown(descriptor_, existing.st_uid, existing.st_gid) != 0)
      Fail(errno);
  }
}

AtomicFileWriter::~AtomicFileWriter() {
  if (descriptor_ >= 0)
    ::close(descriptor_);
  if (!scratch_.empty())
    ::unlink(scratch_.c_str());
}

void AtomicFileWriter::Fail(int error) {
  if (ok())
    status_.reason = SystemReason(error);
}

void AtomicFileWriter::Write(std::string_view bytes) {
  if (ok() && !WriteAll(descriptor_, bytes))
    Fail(errno);
}

FileWriteResult AtomicFileWriter::Commit() {
  if (descriptor_ < 0)  // never opened, or committed already
    return status_;
  if (ok() && ::fsync(descriptor_) != 0)
    Fail(errno);
  if (descriptor_ >= 0 && ::close(descriptor_) != 0)
    Fail(errno);
  descriptor_ = -1;
  if (ok() && std::rename(scratch_.c_str(), target_.c_str()) != 0)
    Fail(errno);
  if (ok())
    scratch_.clear();  // it is the file now
  else if (!scratch_.empty())
    ::unlink(scratch_.c_str());
  scratch_.clear();
  status_.written = ok();
  return status_;
}

}  // namespace pfc
