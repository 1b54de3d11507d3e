#include "ui/forms/session/desktop_services.h"

#include <cstdlib>

#include "reports/report_writer.h"

namespace pfc::ui {

namespace {

std::string TempVariable() {
  const char* value = std::getenv("TEMP");
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

DesktopServices StandardServices() {
  DesktopServices services;
  services.runDesign = [](const EntryTexts& entries, DesignRecord& record,
                          const CoreCatalogue& catalogue, const WireTable& wires, char separator) {
    return RunDesign(entries, record, catalogue, wires, separator);
  };
  services.readTempFolder = TempVariable;
  services.writeReport = [](const ResultSummary& summary, DesignRecord& record) {
    return WriteReport(summary, record);
  };
  return services;
}

}  // namespace pfc::ui
