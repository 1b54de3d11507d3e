#pragma once

#include <string>
#include <string_view>

// The maker's support contacts. Every message, report and window that tells the user whom to
// ask reads them from here, so they change in one place. The domain and the numbers are
// reserved for examples and reach nobody.
namespace pfc {

inline constexpr std::string_view kSupportEmail = "applications@toridyne.example";
inline constexpr std::string_view kWebAddress = "https://www.toridyne.example/";
inline constexpr std::string_view kPhoneUsa = "+1 (555) 555-0142";
inline constexpr std::string_view kPhoneEurope = "+44 555 0143";
inline constexpr std::string_view kPhoneAsia = "+65 555 0144";

// The telephone line: "USA ..., Europe ..., Asia ...".
std::string ContactPhoneLine();

// The tail of the messages that send the user to support: the e-mail address, " or call:",
// a line break, and the telephone line. The line break is CR LF unless given otherwise.
std::string ContactBlock(std::string_view lineBreak = "\r\n");

}  // namespace pfc
