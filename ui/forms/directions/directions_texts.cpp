#include "ui/forms/directions/directions_texts.h"

#include <array>
#include <string_view>

#include "engine/method/contact_block.h"

namespace pfc::ui {

namespace {

constexpr std::array<std::string_view, 19> kHelpLines{
    "1. Enter your design inputs (all values are required).  Inductance is value at full load.",
    "   Leave 'Cores to Stack' at the default value of 1.",
    "",
    "2. Choose (1) Calculator Selects Core Size (default) and click on 'Show Results'.  The "
    "result",
    "    is the smallest single core possible for the given design.  If acceptable, click on "
    "'View Report' to",
    "    view and print the design summary and/or click on 'Calculations' to view the "
    "calculated parameters.",
    "",
    "3.  If outputs are not as desired, click on 'Reset Design Inputs.'  This will return you "
    "to the input menu.",
    "",
    "",
    "You now have two choices",
    "",
    "A.  You can stack up a number of smaller cores to achieve the desired PFC filter.  This "
    "results in a reduction",
    "    of the core OD.  You can do this by changing the value in 'Cores to Stack' and "
    "pressing the 'Show Results'",
    "    button.  The calculator will automatically calculate the optimum core size for the "
    "stacked design.",
    "",
    "B.  Under 'Choose Calculator Type,' select (2) Designer Chooses Core Size.  You may use "
    "this function to manually",
    "    select cores from the 'Core Size List' drop down menu or to stack multiple cores.  "
    "Click on 'Show Results'",
    "    at anytime to recalculate the design outputs.",
};

}  // namespace

std::string HelpText() {
  std::string text;
  for (const std::string_view line : kHelpLines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string ContactText() {
  return "To contact us send an e-mail to " + std::string(kSupportEmail) +
         " or call one of the following:\r\n" + "  USA  " + std::string(kPhoneUsa) +
         "       Europe " + std::string(kPhoneEurope) + "       Asia   " + std::string(kPhoneAsia);
}

}  // namespace pfc::ui
