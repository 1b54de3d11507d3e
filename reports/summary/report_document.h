#pragma once

#include <string>
#include <string_view>

#include "engine/record/design_record.h"
#include "reports/summary/result_summary.h"

namespace pfc {

// The two image sources of the report, written unquoted after "img src=": each must be
// empty or free of blanks, quotes and '>'.
struct ReportImages {
  std::string logo;         // the maker's logo
  std::string coreDrawing;  // the drawing of the coated core
};

// Who answers design questions, named in the report's last disclaimer line.
struct ReportContact {
  std::string telephone;
  std::string email;
};

// The design report as one UTF-8 line of HTML: the summary's texts copied as they stand
// (no escaping: " > 155°C" goes in with its raw '>'), the catalogue data of the chosen core
// for one core and for the stack, the core drawing, the tolerances and the disclaimer. The
// template's irregular markup (three kinds of font opener, upper-case closing tags, rows
// left open) is kept byte for byte: saved reports must stay comparable.
std::string BuildReportDocument(const ResultSummary& summary, const DesignRecord& record,
                                const ReportImages& images, const ReportContact& contact);

}  // namespace pfc
