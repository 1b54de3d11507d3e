#include "cli/check/given_winding_text.h"

#include "engine/check/check_verdicts.h"
#include "reports/check/method_limit_texts.h"

namespace pfc {

std::string GivenWindingText(const DesignRecord& record) {
  std::string out = "\nThe method's limits, for the given winding\n";
  for (const MethodLimitOutcome& limit : JudgeMethodLimits(record)) {
    out.append("  ").append(limit.misses ? "misses: " : "meets:  ");
    out.append(MethodLimitText(limit.code, record, '.')).append(".\n");
  }
  return out;
}

}  // namespace pfc
