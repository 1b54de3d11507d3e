#pragma once

#include <string>
#include <string_view>

#include "engine/check/operating_check.h"

// The small pieces of HTML the build sheet is made of: UTF-8 text made safe to stand between
// tags or in an attribute, and its numbers as people read them.
namespace pfc {

// The text with &, <, >, " and ' written as character references.
std::string HtmlEscaped(std::string_view text);

// A figure of the check as the check's table writes it: four significant digits, halves to
// even, "—" for one that does not exist.
std::string SheetFigure(const CheckedNumber& number);

// One table row: the caption, then each cell, every text escaped.
std::string SheetRow(std::string_view caption, std::initializer_list<std::string> cells);

}  // namespace pfc
