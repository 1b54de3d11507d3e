#include "reports/check/part_texts.h"

#include "reports/check/check_figures.h"

namespace pfc {

std::string GivenPartText(const BuiltPart& part, char decimalSeparator) {
  std::string text = WindingRequestText(part.winding, decimalSeparator);
  const PartMaterial& material = part.material;
  if (material.Given()) {
    text += text.empty() ? "" : ", ";
    text += material.own ? material.own->name : "grade " + std::to_string(material.grade);
  }
  return text;
}

std::string MethodDesignNote(const BuiltPart& part, std::string_view checkedBy,
                             char decimalSeparator) {
  return "the report and summary are the method's design; the part as built (" +
         GivenPartText(part, decimalSeparator) + ") is checked by " + std::string(checkedBy);
}

}  // namespace pfc
