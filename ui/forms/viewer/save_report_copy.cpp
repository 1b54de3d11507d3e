#include "ui/forms/viewer/save_report_copy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>
#include <variant>

#include "reports/atomic_file.h"

namespace pfc {
namespace {

Message CautionAboutSave(const std::string& detail) {
  return Message{kCautionTitle, MessageIcon::Information,
                 "The report could not be saved.\r\n\r\n" + detail};
}

// The whole file, or the system's error number.
std::variant<std::string, int> ReadWholeFile(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    return errno;
  }
  std::string bytes;
  char buffer[65536];
  int error = 0;
  for (;;) {
    const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) {
      continue;
    }
    if (count < 0) {
      error = errno;
    }
    if (count <= 0) {
      break;
    }
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(descriptor);
  if (error != 0) {
    return error;
  }
  return bytes;
}

}  // namespace

std::string SavedCopyPath(const std::string& chosenName) {
  return chosenName + ".html";
}

std::optional<Message> SaveReportCopy(const std::string& reportPath,
                                      const std::string& chosenName) {
  const auto source = ReadWholeFile(reportPath);
  if (const int* error = std::get_if<int>(&source)) {
    return CautionAboutSave("Cannot read " + reportPath + ": " +
                            std::generic_category().message(*error));
  }
  const FileWriteResult written =
      WriteFileAtomically(SavedCopyPath(chosenName), std::get<std::string>(source));
  if (!written.written) {
    return CautionAboutSave(written.Message());
  }
  return std::nullopt;
}

}  // namespace pfc

namespace pfc {

std::string SuggestedReportName(const std::string& partNumber, int coresToStack, int year,
                                int month, int day) {
  std::string name = partNumber.empty() ? std::string("report") : partNumber;
  if (!partNumber.empty() && coresToStack > 1) {
    name += "x" + std::to_string(coresToStack);
  }
  char date[16];
  std::snprintf(date, sizeof date, "_%04d-%02d-%02d", year, month, day);
  return name + date;
}

}  // namespace pfc
