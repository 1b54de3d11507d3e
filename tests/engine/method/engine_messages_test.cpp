#include "engine/method/engine_messages.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/method/contact_block.h"
#include "engine/record/design_record.h"

namespace pfc {
namespace {

const std::string kContact =
    "applications@toridyne.example or call:\r\n"
    "USA +1 (555) 555-0142, Europe +44 555 0143, Asia +65 555 0144";

TEST(ContactBlock, IsFictionalAndEndsTheMessagesAlike) {
  EXPECT_EQ(ContactBlock(), kContact);
  EXPECT_EQ(ContactBlock("<br>"),
            "applications@toridyne.example or call:<br>"
            "USA +1 (555) 555-0142, Europe +44 555 0143, Asia +65 555 0144");
  EXPECT_TRUE(kSupportEmail.ends_with(".example"));
  EXPECT_TRUE(kWebAddress.starts_with("https://") && kWebAddress.ends_with(".example/"));
}

struct MessageCase {
  const char* label;
  Message message;
  const char* title;
  MessageIcon icon;
  std::string text;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
  *os << c.label;
}

class EngineMessageTest : public testing::TestWithParam<MessageCase> {};

TEST_P(EngineMessageTest, HasItsExactTextTitleAndIcon) {
  EXPECT_EQ(GetParam().message.text, GetParam().text);
  EXPECT_EQ(GetParam().message.title, GetParam().title);
  EXPECT_EQ(GetParam().message.icon, GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, EngineMessageTest,
    testing::Values(
        MessageCase{"area product", AreaProductMessage(), "Caution", MessageIcon::Information,
                    "Calculated area product exceeds the maximum for available core sizes.  "
                    "Try\r\nstacking two or more cores if acceptable, otherwise, for customer "
                    "sizes, send\r\nan e-mail to " +
                        kContact},
        MessageCase{"vpeak", VpeakMessage(), "Caution", MessageIcon::Information,
                    "Vpeak exceeds Vout.  This calculator is not valid for Buck.  Modify "
                    "input values and retry or "},
        MessageCase{"temperature rise", TemperatureRiseMessage(), "PFC Core Designer",
                    MessageIcon::None,
                    "Calculated temperature rise exceeds suggested maximum operating "
                    "temperature.\r\nTry stacking two or more cores if acceptable, otherwise, "
                    "for custom sizes,  \r\ne-mail us at " +
                        kContact},
        MessageCase{"field strength, designer picks",
                    FieldStrengthMessage(DesignerPicks, 116.047708, '.'), "PFC Core Designer",
                    MessageIcon::None,
                    "Field at max current is too high, 116 is > 115 Oe.\r\nPlease select "
                    "either of the following:\r\n# Choose bigger core size, \r\n# Try "
                    "stacking two or more cores if acceptable, otherwise, for custom sizes, "
                    "e-mail us at " +
                        kContact},
        MessageCase{"field strength ties to even", FieldStrengthMessage(DesignerPicks, 116.5, '.'),
                    "PFC Core Designer", MessageIcon::None,
                    "Field at max current is too high, 116 is > 115 Oe.\r\nPlease select "
                    "either of the following:\r\n# Choose bigger core size, \r\n# Try "
                    "stacking two or more cores if acceptable, otherwise, for custom sizes, "
                    "e-mail us at " +
                        kContact},
        MessageCase{"field strength, calculator selects",
                    FieldStrengthMessage(CalcSelects, 154.72960412345678, '.'), "PFC Core Designer",
                    MessageIcon::None,
                    "Field at max current is too high, 154.729604123457 is > 115 Oe.# Try "
                    "stacking two or more cores if acceptable, otherwise, for custom sizes, "
                    "e-mail us at " +
                        kContact},
        MessageCase{"field strength in a comma locale",
                    FieldStrengthMessage(CalcSelects, 115.5, ','), "PFC Core Designer",
                    MessageIcon::None,
                    "Field at max current is too high, 115,5 is > 115 Oe.# Try stacking two "
                    "or more cores if acceptable, otherwise, for custom sizes, e-mail us at " +
                        kContact},
        MessageCase{"total temperature", TotalTemperatureMessage(), "Caution",
                    MessageIcon::Information,
                    "Total temperature for core size selected is > 155°C.\r\nPlease use "
                    "program choice 2 and select larger core sizes, stack\r\ntwo or more cores "
                    "or inquire about custom core sizes by e-mailing us\r\nat " +
                        kContact},
        MessageCase{"unknown core", UnknownCoreMessage("TD-99"), "Caution",
                    MessageIcon::Information,
                    "The core size \"TD-99\" is not in the Toridyne catalogue. Please select "
                    "Core size from list of values."},
        MessageCase{"no core picked", UnknownCoreMessage(""), "Caution", MessageIcon::Information,
                    "No core size has been picked. Please select Core size from list of "
                    "values."}));

}  // namespace
}  // namespace pfc
