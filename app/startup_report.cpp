#include "app/startup_report.h"

#include <time.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace pfc::app {

long MillisecondsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // The command name may hold blanks; the fields after it are counted from its closing ')'.
  const auto close = content.rfind(')');
  if (close == std::string::npos) {
    return -1;
  }
  std::istringstream fields(content.substr(close + 2));
  std::string field;
  unsigned long long startTicks = 0;
  for (int number = 3; fields >> field; ++number) {
    if (number == 22) {
      startTicks = std::stoull(field);
      break;
    }
  }
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
  const double started = static_cast<double>(startTicks) / ticksPerSecond;
  const double elapsed = static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9 - started;
  return static_cast<long>(elapsed * 1000.0);
}

std::string ResidentMemory() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) {
      std::istringstream fields(line.substr(6));
      std::string amount;
      std::string unit;
      fields >> amount >> unit;
      return amount + " " + unit;
    }
  }
  return {};
}

}  // namespace pfc::app
