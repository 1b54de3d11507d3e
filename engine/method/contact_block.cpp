#include "engine/method/contact_block.h"

namespace pfc {

std::string ContactPhoneLine() {
  std::string line;
  line.append("USA ").append(kPhoneUsa);
  line.append(", Europe ").append(kPhoneEurope);
  line.append(", Asia ").append(kPhoneAsia);
  return line;
}

std::string ContactBlock(std::string_view lineBreak) {
  std::string block(kSupportEmail);
  block.append(" or call:").append(lineBreak).append(ContactPhoneLine());
  return block;
}

}  // namespace pfc
