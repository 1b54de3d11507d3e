#include "reports/report_writer.h"

#include "reports/windows1252.h"

namespace pfc {
namespace {

// Stand-ins until the engine's shared contact data are on main.
constexpr const char* kPendingSupportTelephone = "+1 (555) 555-0142";
constexpr const char* kPendingSupportEmail = "applications@toridyne.example";

}  // namespace

ReportContact SupportContact() {
  return ReportContact{kPendingSupportTelephone, kPendingSupportEmail};
}

std::string ReportBytes(const ResultSummary& summary, const DesignRecord& record,
                        const ReportImages& images) {
  return EncodeWindows1252(BuildReportDocument(summary, record, images, SupportContact()));
}

FileWriteResult WriteReport(const ResultSummary& summary, DesignRecord& record,
                            const ReportSurroundings& surroundings) {
  const std::string bytes =
      ReportBytes(summary, record, FindReportImages(surroundings.programFolder));
  record.TempFolder = TempFolderFromEnvironment(surroundings.environment);
  return WriteFileAtomically(ReportFilePath(record.TempFolder), bytes);
}

}  // namespace pfc
