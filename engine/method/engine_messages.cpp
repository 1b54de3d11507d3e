#include "engine/method/engine_messages.h"

#include "engine/method/contact_block.h"
#include "engine/method/core_selection.h"
#include "engine/record/design_record.h"
#include "engine/record/number_text.h"

namespace pfc {
namespace {

Message Caution(std::string text) {
  return Message{kCautionTitle, MessageIcon::Information, std::move(text)};
}

Message Plain(std::string text) {
  return Message{kApplicationTitle, MessageIcon::None, std::move(text)};
}

// " is > 115 Oe.": the field strength a design stays within.
std::string AboveFieldLimit() {
  return " is > " + FormatGeneral(kFieldStrengthLimit) + " Oe.";
}

}  // namespace

Message AreaProductMessage() {
  std::string text = "Calculated area product exceeds the maximum for available core sizes.  Try";
  text.append(kLineBreak);
  text.append("stacking two or more cores if acceptable, otherwise, for customer sizes, send");
  text.append(kLineBreak);
  text.append("an e-mail to ").append(ContactBlock(kLineBreak));
  return Caution(std::move(text));
}

Message VpeakMessage() {
  return Caution(
      "Vpeak exceeds Vout.  This calculator is not valid for Buck.  Modify input values and "
      "retry or ");
}

Message TemperatureRiseMessage() {
  std::string text = "Calculated temperature rise exceeds suggested maximum operating temperature.";
  text.append(kLineBreak);
  text.append("Try stacking two or more cores if acceptable, otherwise, for custom sizes,  ");
  text.append(kLineBreak);
  text.append("e-mail us at ").append(ContactBlock(kLineBreak));
  return Plain(std::move(text));
}

Message FieldStrengthMessage(std::int16_t calcType, double hMax, char decimalSeparator) {
  std::string text = "Field at max current is too high, ";
  if (calcType == DesignerPicks) {
    text.append(FormatPlaces(hMax, 0, decimalSeparator)).append(AboveFieldLimit());
    text.append(kLineBreak).append("Please select either of the following:");
    text.append(kLineBreak).append("# Choose bigger core size, ");
    text.append(kLineBreak);
  } else {
    text.append(FormatGeneral(hMax, decimalSeparator)).append(AboveFieldLimit());
  }
  text.append("# Try stacking two or more cores if acceptable, otherwise, for custom sizes, ");
  text.append("e-mail us at ").append(ContactBlock(kLineBreak));
  return Plain(std::move(text));
}

Message TotalTemperatureMessage() {
  std::string text =
      "Total temperature for core size selected is > " + FormatGeneral(kTemperatureCeiling) + "°C.";
  text.append(kLineBreak);
  text.append("Please use program choice 2 and select larger core sizes, stack");
  text.append(kLineBreak);
  text.append("two or more cores or inquire about custom core sizes by e-mailing us");
  text.append(kLineBreak);
  text.append("at ").append(ContactBlock(kLineBreak));
  return Caution(std::move(text));
}

Message UnknownCoreMessage(std::string_view partNo) {
  if (partNo.empty()) {
    return Caution("No core size has been picked. Please select Core size from list of values.");
  }
  std::string text = "The core size \"";
  text.append(partNo).append(
      "\" is not in the Toridyne catalogue. Please select Core size from list of values.");
  return Caution(std::move(text));
}

}  // namespace pfc
