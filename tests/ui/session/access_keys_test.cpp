#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/forms/material_fit/material_fit_design.h"
#include "ui/forms/operating_check/operating_check_design.h"

namespace pfc::ui::testing {
namespace {

// The letter after the caption's '&' ("&&" is an ampersand), lower case; none without one.
std::optional<char> AccessLetter(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&')
      continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
  }
  return std::nullopt;
}

// Every button and every entry or list the keyboard reaches has an access key (an entry's
// is its caption's), and no two in the window share one.
void ExpectAccessKeysForAll(const FormDescription& form) {
  std::map<char, std::string> taken;
  std::set<std::string> keyed;  // controls an access key reaches
  for (const ControlDescription& c : form.controls) {
    const bool button = c.kind == ControlKind::Button;
    if (!button && c.buddy.empty())
      continue;
    const std::optional<char> letter = AccessLetter(c.text);
    if (!letter) {
      ADD_FAILURE() << form.name << ": " << c.name << " \"" << c.text << "\" has no access key";
      continue;
    }
    const auto [other, fresh] = taken.emplace(*letter, c.name);
    EXPECT_TRUE(fresh) << form.name << ": " << c.name << " and " << other->second << " share '"
                       << *letter << "'";
    keyed.insert(button ? c.name : c.buddy);
  }
  for (const ControlDescription& c : form.controls) {
    const bool entry = c.kind == ControlKind::TextBox || c.kind == ControlKind::ListBox;
    if (entry && c.tabIndex >= 0) {
      EXPECT_EQ(keyed.count(c.name), 1u) << form.name << ": " << c.name << " has no access key";
    }
  }
}

TEST(AccessKeys, EveryEntryAndButtonOfTheCheckTheSearchAndTheFitHasOneOfItsOwn) {
  ExpectAccessKeysForAll(OperatingCheckFormDesign());
  ExpectAccessKeysForAll(FindDesignsFormDesign());
  ExpectAccessKeysForAll(MaterialFitFormDesign());
}

}  // namespace
}  // namespace pfc::ui::testing
