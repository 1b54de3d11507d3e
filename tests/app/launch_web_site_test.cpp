#include "app/launch_web_site.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>
#include <system_error>

#include "engine/method/contact_block.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc::ui {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

// Answers with set numbers and notes what it was asked and what it saw on disk.
class ScriptedPlatform final : public BrowserPlatform {
 public:
  int lookupResult = kLookupFound;
  int openResult = kOpenStarted;
  std::function<void(const std::string& folder)> duringLookup;

  int lookups = 0;
  std::string lookedUpName;
  std::string lookedUpFolder;
  bool scratchExistedDuringLookup = false;
  std::uintmax_t scratchSizeDuringLookup = 0;
  std::vector<std::string> openedUrls;

  int FindHtmlHandler(const std::string& fileName, const std::string& folder) override {
    ++lookups;
    lookedUpName = fileName;
    lookedUpFolder = folder;
    const fs::path scratch = fs::path(folder) / fileName;
    scratchExistedDuringLookup = fs::is_regular_file(scratch);
    if (scratchExistedDuringLookup) {
      scratchSizeDuringLookup = fs::file_size(scratch);
    }
    if (duringLookup) {
      duringLookup(folder);
    }
    return lookupResult;
  }

  int OpenUrl(const std::string& url) override {
    openedUrls.push_back(url);
    return openResult;
  }
};

struct LookupCase {
  int lookup;
  int open;
  const char* expectedText;  // nullptr: no message, the browser was started
  bool expectsLaunch;
};

void PrintTo(const LookupCase& c, std::ostream* out) {
  *out << "look-up " << c.lookup << ", open " << c.open;
}

class LaunchOutcome : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LaunchOutcome, MessageAndLaunchFollowTheResultCodes) {
  const LookupCase& c = GetParam();
  ScratchFolder folder;
  ScriptedPlatform platform;
  platform.lookupResult = c.lookup;
  platform.openResult = c.open;

  const std::optional<Message> message = LaunchWebSite(folder.Path().string(), platform);

  EXPECT_EQ(platform.lookups, 1);
  EXPECT_EQ(platform.lookedUpName, "x27z42j.html");
  EXPECT_EQ(platform.lookedUpFolder, folder.Path().string());
  EXPECT_TRUE(platform.scratchExistedDuringLookup);
  EXPECT_EQ(platform.scratchSizeDuringLookup, 0u);
  EXPECT_FALSE(fs::exists(folder.Path() / "x27z42j.html"));
  if (c.expectsLaunch) {
    ASSERT_EQ(platform.openedUrls.size(), 1u);
    EXPECT_EQ(platform.openedUrls[0], std::string(kWebAddress));
  } else {
    EXPECT_TRUE(platform.openedUrls.empty());
  }
  if (c.expectedText == nullptr) {
    EXPECT_FALSE(message.has_value());
  } else {
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, c.expectedText);
    EXPECT_EQ(message->title, "PFC Core Designer");
    EXPECT_EQ(message->icon, MessageIcon::None);
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryResultCode, LaunchOutcome,
    ::testing::Values(
        LookupCase{0, 33, "Sorry out of memory, please close some programs and try again.", false},
        LookupCase{1, 33, "Error Number: 1", false}, LookupCase{2, 33, "Error Number: 2", false},
        LookupCase{11, 33, "Error Number: 11", false},
        LookupCase{30, 33, "Error Number: 30", false},
        LookupCase{31, 33, "Unable to find Web Browser.", false},
        LookupCase{32, 33, "Error Number: 32", false},
        LookupCase{-5, 33, "Error Number: -5", false}, LookupCase{33, 33, nullptr, true},
        LookupCase{42, 1000, nullptr, true},
        LookupCase{33, 32, "Unable to launch Web Browser.", true},
        LookupCase{42, 0, "Unable to launch Web Browser.", true},
        LookupCase{42, 5, "Unable to launch Web Browser.", true}));

TEST(LaunchWebSite, ExistingScratchFileKeepsItsBytesDuringTheLookupAndIsRemoved) {
  ScratchFolder folder;
  test::WriteFile(folder.File("x27z42j.html"), "left over");
  ScriptedPlatform platform;

  EXPECT_FALSE(LaunchWebSite(folder.Path().string(), platform).has_value());

  EXPECT_EQ(platform.scratchSizeDuringLookup, 9u);
  EXPECT_FALSE(fs::exists(folder.Path() / "x27z42j.html"));
}

std::string ErrorPathText(int number, const std::string& description) {
  return "An error has occured, please report this to you lowly programmer\r\nError Number: " +
         std::to_string(number) + "\r\nError description: " + description;
}

struct UnusableFolderCase {
  const char* name;
  std::function<std::string(const ScratchFolder&)> makeFolder;
  int number;
  const char* description;
};

void PrintTo(const UnusableFolderCase& c, std::ostream* out) {
  *out << c.name;
}

class UnusableTempFolder : public ::testing::TestWithParam<UnusableFolderCase> {};

TEST_P(UnusableTempFolder, TakesTheErrorPathWithoutLookingUp) {
  ScratchFolder base;
  const std::string tempFolder = GetParam().makeFolder(base);
  ScriptedPlatform platform;

  const std::optional<Message> message = LaunchWebSite(tempFolder, platform);

  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->text, ErrorPathText(GetParam().number, GetParam().description));
  EXPECT_EQ(message->title, "PFC Core Designer");
  EXPECT_EQ(message->icon, MessageIcon::None);
  EXPECT_EQ(platform.lookups, 0);
  EXPECT_TRUE(platform.openedUrls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UnusableTempFolder,
    ::testing::Values(
        // A path below a regular file stays unusable even for root.
        UnusableFolderCase{"UnderARegularFile",
                           [](const ScratchFolder& base) {
                             test::WriteFile(base.File("plain"), "x");
                             return base.File("plain") + "/temp";
                           },
                           20, "Not a directory"},
        UnusableFolderCase{"Missing",
                           [](const ScratchFolder& base) { return base.File("gone/away"); }, 2,
                           "No such file or directory"},
        UnusableFolderCase{"ScratchNameTakenByAFolder",
                           [](const ScratchFolder& base) {
                             fs::create_directory(base.Path() / "x27z42j.html");
                             return base.Path().string();
                           },
                           21, "Is a directory"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LaunchWebSite, FolderNamedLikeTheScratchFileIsLeftAlone) {
  ScratchFolder folder;
  fs::create_directory(folder.Path() / "x27z42j.html");
  ScriptedPlatform platform;

  LaunchWebSite(folder.Path().string(), platform);

  EXPECT_TRUE(fs::is_directory(folder.Path() / "x27z42j.html"));
}

TEST(LaunchWebSite, ScratchFileVanishingDuringTheLookupIsReported) {
  ScratchFolder folder;
  ScriptedPlatform platform;
  platform.duringLookup = [](const std::string& f) { fs::remove(fs::path(f) / "x27z42j.html"); };

  const std::optional<Message> message = LaunchWebSite(folder.Path().string(), platform);

  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->text, ErrorPathText(2, "No such file or directory"));
  EXPECT_TRUE(platform.openedUrls.empty());
}

struct ThrowingCase {
  const char* name;
  std::function<void()> failure;
  int number;
  const char* description;
};

void PrintTo(const ThrowingCase& c, std::ostream* out) {
  *out << c.name;
}

class FailingLookup : public ::testing::TestWithParam<ThrowingCase> {};

TEST_P(FailingLookup, IsReportedAndTheScratchFileRemoved) {
  ScratchFolder folder;
  ScriptedPlatform platform;
  platform.duringLookup = [&](const std::string&) { GetParam().failure(); };

  const std::optional<Message> message = LaunchWebSite(folder.Path().string(), platform);

  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->text, ErrorPathText(GetParam().number, GetParam().description));
  EXPECT_FALSE(fs::exists(folder.Path() / "x27z42j.html"));
  EXPECT_TRUE(platform.openedUrls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailingLookup,
    ::testing::Values(
        ThrowingCase{"SystemError",
                     [] { throw std::system_error(13, std::generic_category(), "lookup"); }, 13,
                     "lookup: Permission denied"},
        ThrowingCase{"OutOfMemory", [] { throw std::bad_alloc(); }, 12, "Cannot allocate memory"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScratchFilePath, JoinsTheFolderAndTheNameWithOneSlash) {
  EXPECT_EQ(ScratchFilePath("/tmp/user"), "/tmp/user/x27z42j.html");
  EXPECT_EQ(ScratchFilePath("/tmp/user/"), "/tmp/user/x27z42j.html");
  EXPECT_EQ(ScratchFilePath(""), "/x27z42j.html");
}

}  // namespace
}  // namespace pfc::ui
