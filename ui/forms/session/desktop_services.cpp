#include "ui/forms/session/desktop_services.h"

#include <cstdlib>

#include "reports/summary/report_writer.h"

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
  services.writeReport = [](const ResultSummary& summary, const DesignRecord& record,
                            std::string& tempFolder) {
    return WriteReport(summary, record, tempFolder);
  };
  return services;
}

}  // namespace pfc::ui
