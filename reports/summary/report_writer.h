#pragma once

#include <filesystem>
#include <string>

#include "engine/record/design_record.h"
#include "reports/files/atomic_file.h"
#include "reports/summary/image_sources.h"
#include "reports/summary/report_document.h"
#include "reports/summary/result_summary.h"
#include "reports/summary/temp_folder.h"

namespace pfc {

// Where the writer looks for its surroundings; tests replace both.
struct ReportSurroundings {
  EnvironmentLookup environment = SystemEnvironment;
  std::filesystem::path programFolder = ExecutableFolder();
};

// The maker's support telephone number and e-mail address, as the disclaimer names them.
ReportContact SupportContact();

// The report file's bytes: the document in Windows-1252, one line, no line end.
std::string ReportBytes(const ResultSummary& summary, const DesignRecord& record,
                        const ReportImages& images);

// "&View Report": refreshes tempFolder from the environment, then replaces
// ReportFilePath(tempFolder) with the report (images resolved beside the program). On
// failure the old report is left whole and the result names the path and the reason.
FileWriteResult WriteReport(const ResultSummary& summary, const DesignRecord& record,
                            std::string& tempFolder, const ReportSurroundings& surroundings = {});

}  // namespace pfc
