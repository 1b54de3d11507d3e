#include "app/launch_web_site.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <string_view>
#include <system_error>

#include "engine/method/contact_block.h"

namespace pfc::ui {
namespace {

// A failure of the operating system on the way, with its own number and wording.
struct SystemFailure {
  int number = 0;
  std::string description;
};

SystemFailure FailureFromErrno(int number) {
  return {number, std::strerror(number)};
}

Message PlainMessage(std::string text) {
  return Message{kApplicationTitle, MessageIcon::None, std::move(text)};
}

// Creates the file if it is missing; an existing file keeps its bytes.
std::optional<SystemFailure> TouchScratchFile(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (descriptor < 0) {
    return FailureFromErrno(errno);
  }
  if (::close(descriptor) != 0) {
    return FailureFromErrno(errno);
  }
  return std::nullopt;
}

std::optional<SystemFailure> RemoveScratchFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0) {
    return FailureFromErrno(errno);
  }
  return std::nullopt;
}

// Removes whatever file the launcher may have left; a folder of that name is not touched.
void RemoveLeftoverScratchFile(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode)) {
    ::unlink(path.c_str());
  }
}

Message ErrorPathMessage(const SystemFailure& failure) {
  return PlainMessage(
      "An error has occured, please report this to you lowly programmer\r\n"
      "Error Number: " +
      std::to_string(failure.number) + "\r\nError description: " + failure.description);
}

// What the look-up's number means for the user; launches the browser when one was found.
std::optional<Message> DecideOnLookup(int lookup, BrowserPlatform& platform) {
  if (lookup == kLookupOutOfMemory) {
    return PlainMessage("Sorry out of memory, please close some programs and try again.");
  }
  if (lookup == kLookupNoAssociation) {
    return PlainMessage("Unable to find Web Browser.");
  }
  if (lookup <= 32) {
    // 32 is a failure the shell never names among the look-up's errors: it is reported
    // with its number like the others.
    return PlainMessage("Error Number: " + std::to_string(lookup));
  }
  if (platform.OpenUrl(std::string(kWebAddress)) <= 32) {
    return PlainMessage("Unable to launch Web Browser.");
  }
  return std::nullopt;
}

}  // namespace

std::string ScratchFilePath(const std::string& tempFolder) {
  std::string path = tempFolder;
  if (path.empty() || path.back() != '/') {
    path += '/';
  }
  return path + kScratchFileName;
}

std::optional<Message> LaunchWebSite(const std::string& tempFolder, BrowserPlatform& platform) {
  const std::string scratchPath = ScratchFilePath(tempFolder);
  std::optional<SystemFailure> failure;
  int lookup = kLookupOutOfMemory;
  try {
    failure = TouchScratchFile(scratchPath);
    if (!failure) {
      lookup = platform.FindHtmlHandler(kScratchFileName, tempFolder);
      failure = RemoveScratchFile(scratchPath);
    }
    if (!failure) {
      return DecideOnLookup(lookup, platform);
    }
  } catch (const std::system_error& error) {
    failure = SystemFailure{error.code().value(), error.what()};
  } catch (const std::bad_alloc&) {
    failure = FailureFromErrno(ENOMEM);
  } catch (const std::exception& error) {
    failure = SystemFailure{0, error.what()};
  }
  RemoveLeftoverScratchFile(scratchPath);
  return ErrorPathMessage(*failure);
}

}  // namespace pfc::ui
