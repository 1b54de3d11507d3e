#include "app/desktop_browser_platform.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QByteArray>
#include <QDeadlineTimer>
#include <QThread>
#include <filesystem>

#include "app/launch_web_site.h"
#include "engine/method/contact_block.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc::ui {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::ScratchFolder;
using test::WriteFile;

// Puts only the given folder on PATH for the life of the object, so that the desktop's
// tools found are the test's own scripts (or none at all).
class PathOverride {
 public:
  explicit PathOverride(const std::string& folder) : saved_(qgetenv("PATH")) {
    qputenv("PATH", QByteArray::fromStdString(folder));
  }
  ~PathOverride() { qputenv("PATH", saved_); }
  PathOverride(const PathOverride&) = delete;
  PathOverride& operator=(const PathOverride&) = delete;

 private:
  QByteArray saved_;
};

void WriteScript(const ScratchFolder& folder, const std::string& name, const std::string& body) {
  const std::string path = folder.File("bin/" + name);
  fs::create_directories(folder.Path() / "bin");
  WriteFile(path, "#!/bin/sh\n" + body + "\n");
  ::chmod(path.c_str(), 0755);
}

// A folder holding the scratch file, as the launcher leaves it during the look-up.
struct LookupSetting {
  ScratchFolder tools;
  ScratchFolder temp;
  LookupSetting() { WriteFile(temp.File(kScratchFileName), ""); }
  std::string Bin() const { return tools.File("bin"); }
};

struct XdgMimeCase {
  const char* name;
  const char* script;  // body of the stand-in xdg-mime; nullptr: none on PATH
  int expected;
};

void PrintTo(const XdgMimeCase& c, std::ostream* out) {
  *out << c.name;
}

class HandlerLookup : public ::testing::TestWithParam<XdgMimeCase> {};

TEST_P(HandlerLookup, MapsTheDesktopsAnswerToAResultCode) {
  LookupSetting setting;
  if (GetParam().script != nullptr) {
    WriteScript(setting.tools, "xdg-mime", GetParam().script);
  }
  fs::create_directories(setting.Bin());
  PathOverride path(setting.Bin());
  DesktopBrowserPlatform platform;

  EXPECT_EQ(platform.FindHtmlHandler(kScratchFileName, setting.temp.Path().string()),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HandlerLookup,
    ::testing::Values(XdgMimeCase{"HandlerRegistered",
                                  "[ \"$*\" = 'query default text/html' ] && echo browser.desktop",
                                  33},
                      XdgMimeCase{"NothingRegistered", "exit 0", 31},
                      XdgMimeCase{"OnlyBlanksPrinted", "echo '   '", 31},
                      XdgMimeCase{"QueryFails", "echo browser.desktop; exit 4", 31},
                      XdgMimeCase{"NoXdgMimeOnPath", nullptr, 31}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HandlerLookup, MissingFileAndMissingFolderAreTheirOwnFailures) {
  LookupSetting setting;
  WriteScript(setting.tools, "xdg-mime", "echo browser.desktop");
  PathOverride path(setting.Bin());
  DesktopBrowserPlatform platform;

  EXPECT_EQ(platform.FindHtmlHandler("absent.html", setting.temp.Path().string()), 2);
  EXPECT_EQ(platform.FindHtmlHandler(kScratchFileName, setting.temp.File("absent")), 3);
}

bool WaitForFile(const std::string& path) {
  const QDeadlineTimer deadline(20000);
  while (!deadline.hasExpired()) {
    if (!ReadFile(path).empty()) {
      return true;
    }
    QThread::msleep(20);
  }
  return false;
}

TEST(OpenUrl, HandsTheAddressToXdgOpen) {
  ScratchFolder tools;
  const std::string record = tools.File("opened");
  WriteScript(tools, "xdg-open",
              "printf '%s' \"$1\" > '" + record + ".part' && /bin/mv '" + record + ".part' '" +
                  record + "'");
  PathOverride path(tools.File("bin"));
  DesktopBrowserPlatform platform;

  EXPECT_GT(platform.OpenUrl("https://www.example.test/a b?c=d"), 32);
  ASSERT_TRUE(WaitForFile(record));
  EXPECT_EQ(ReadFile(record), "https://www.example.test/a b?c=d");
}

TEST(OpenUrl, WithoutXdgOpenFails) {
  ScratchFolder tools;
  fs::create_directories(tools.Path() / "bin");
  PathOverride path(tools.File("bin"));
  DesktopBrowserPlatform platform;

  EXPECT_LE(platform.OpenUrl("https://www.example.test/"), 32);
}

TEST(LaunchWebSiteOnTheDesktop, WithoutARegisteredBrowserSaysSoAndOpensNothing) {
  LookupSetting setting;
  const std::string record = setting.tools.File("opened");
  WriteScript(setting.tools, "xdg-mime", "exit 0");
  WriteScript(setting.tools, "xdg-open", "echo \"$1\" > '" + record + "'");
  PathOverride path(setting.Bin());
  DesktopBrowserPlatform platform;
  fs::remove(setting.temp.File(kScratchFileName));

  const std::optional<Message> message = LaunchWebSite(setting.temp.Path().string(), platform);

  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->text, "Unable to find Web Browser.");
  EXPECT_FALSE(fs::exists(record));
  EXPECT_FALSE(fs::exists(setting.temp.File(kScratchFileName)));
}

}  // namespace
}  // namespace pfc::ui
