#include "reports/summary/report_writer.h"

#include "engine/method/contact_block.h"
#include "reports/summary/windows1252.h"

namespace pfc {

// The disclaimer names one number: the applications group's own, in the USA.
ReportContact SupportContact() {
  return ReportContact{std::string(kPhoneUsa), std::string(kSupportEmail)};
}

std::string ReportBytes(const ResultSummary& summary, const DesignRecord& record,
                        const ReportImages& images) {
  return EncodeWindows1252(BuildReportDocument(summary, record, images, SupportContact()));
}

FileWriteResult WriteReport(const ResultSummary& summary, const DesignRecord& record,
                            std::string& tempFolder, const ReportSurroundings& surroundings) {
  const std::string bytes =
      ReportBytes(summary, record, FindReportImages(surroundings.programFolder));
  tempFolder = TempFolderFromEnvironment(surroundings.environment);
  return WriteFileAtomically(ReportFilePath(tempFolder), bytes);
}

}  // namespace pfc
