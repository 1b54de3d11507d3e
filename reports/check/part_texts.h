#pragma once

#include <string>
#include <string_view>

#include "engine/check/built_part.h"

// What a part of the user's own is called where the method's own design is shown too: the
// command line's word beside the report, the input form's line and the summary's.
namespace pfc {

// The material and winding the part gives, as people name them: "22 turns of AWG 8, grade
// 125", "Mix 60"; empty when the part is the method's.
std::string GivenPartText(const BuiltPart& part, char decimalSeparator = '.');

// Why the report shows another part than the one to be built: "the report and summary are
// the method's design; the part as built (22 turns of AWG 8, grade 125) is checked by
// <checkedBy>". Only for a part that Given() says differs from the method's.
std::string MethodDesignNote(const BuiltPart& part, std::string_view checkedBy,
                             char decimalSeparator = '.');

}  // namespace pfc
