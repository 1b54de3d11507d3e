#pragma once

#include <string>

#include "engine/check/built_part.h"
#include "engine/check/check_verdicts.h"
#include "engine/check/design_limits.h"
#include "engine/check/operating_check.h"
#include "engine/record/design_record.h"

// The build sheet: the part as it will be built, for the bench and the winder, as one HTML
// document in UTF-8 that needs no other file (styles inline, the chart as SVG) and prints on
// A4 and Letter alike. It carries no clock time of its own, so the same part gives the same
// bytes.
namespace pfc {

inline constexpr double kDefaultLeadLengthMm = 50;  // each of the winding's two leads
inline constexpr double kMostLeadLengthMm = 1000;

struct BuildSheetSource {
  const DesignRecord& built;   // wound as built: the record the check ran on
  const DesignRecord& method;  // the method's published design, for reference
  const OperatingCheck& check;
  const BuiltPart& part;
  const DesignLimits& limits;
  double leadLengthMm = kDefaultLeadLengthMm;
  std::string designFile;  // the design file's name, empty for none
  std::string date;        // printed as given; empty for none
};

std::string BuildSheetHtml(const BuildSheetSource& source);

}  // namespace pfc
