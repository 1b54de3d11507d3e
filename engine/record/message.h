#pragma once

#include <string>

namespace pfc {

// The title of plain message boxes, which show the application's own title.
inline constexpr const char* kApplicationTitle = "PFC Core Designer";
inline constexpr const char* kCautionTitle = "Caution";

enum class MessageIcon { Information, None };

// A message box as data: what the method says, which a window shows and the command line
// writes.
struct Message {
  std::string title;  // kCautionTitle or kApplicationTitle
  MessageIcon icon = MessageIcon::Information;
  std::string text;  // lines separated by CR LF
};

}  // namespace pfc
