#include "reports/summary/temp_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace pfc {
namespace {

EnvironmentLookup Environment(std::map<std::string, std::string> variables) {
  return [variables](const std::string& name) -> std::optional<std::string> {
    const auto found = variables.find(name);
    if (found == variables.end())
      return std::nullopt;
    return found->second;
  };
}

struct FolderCase {
  const char* name;
  std::map<std::string, std::string> environment;
  const char* folder;
};

void PrintTo(const FolderCase& c, std::ostream* out) {
  *out << c.name;
}

class TempFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(TempFolder, FollowsTempThenTmpdirThenTheSystemFolder) {
  EXPECT_EQ(TempFolderFromEnvironment(Environment(GetParam().environment)), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, TempFolder,
    ::testing::Values(
        FolderCase{"TempAsItStands", {{"TEMP", "/home/u/tmp/"}, {"TMPDIR", "/x"}}, "/home/u/tmp/"},
        FolderCase{"TempWithBlanks", {{"TEMP", "/home/u/my temp"}}, "/home/u/my temp"},
        FolderCase{"EmptyTempFallsToTmpdir", {{"TEMP", ""}, {"TMPDIR", "/var/tmp"}}, "/var/tmp"},
        FolderCase{"UnsetTempFallsToTmpdir", {{"TMPDIR", "/var/tmp"}}, "/var/tmp"},
        FolderCase{"NothingSetGivesTmp", {}, "/tmp"},
        FolderCase{"BothEmptyGiveTmp", {{"TEMP", ""}, {"TMPDIR", ""}}, "/tmp"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportFilePath, JoinsWithOneSlash) {
  EXPECT_EQ(ReportFilePath("/tmp"), "/tmp/temp.htm");
  EXPECT_EQ(ReportFilePath("/tmp/"), "/tmp/temp.htm");
  EXPECT_EQ(ReportFilePath("/home/u/my temp"), "/home/u/my temp/temp.htm");
}

TEST(SystemEnvironment, TellsUnsetFromEmpty) {
  EXPECT_FALSE(SystemEnvironment("PFC_SURELY_NOT_SET_7f3a").has_value());
  const std::optional<std::string> path = SystemEnvironment("PATH");
  ASSERT_TRUE(path.has_value());
  EXPECT_FALSE(path->empty());
}

}  // namespace
}  // namespace pfc
