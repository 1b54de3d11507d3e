#include "reports/summary/image_sources.h"

#include <gtest/gtest.h>

#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

using test::ScratchFolder;
using test::WriteFile;

TEST(FileUrl, EscapesEverythingThatCouldEndAnUnquotedAttribute) {
  struct Case {
    const char* path;
    const char* url;
  };
  const Case cases[] = {
      {"/opt/pfc/bin/gapcore.gif", "file:///opt/pfc/bin/gapcore.gif"},
      {"/Users/Ann Lee/PFC Tools/Logo.GIF", "file:///Users/Ann%20Lee/PFC%20Tools/Logo.GIF"},
      {"/a>b/'q'/\"d\"/x=y", "file:///a%3Eb/%27q%27/%22d%22/x%3Dy"},
      {"/100%/#1?/tab\there", "file:///100%25/%231%3F/tab%09here"},
      {"/tmp/µ-Ω/~_-.", "file:///tmp/%C2%B5-%CE%A9/~_-."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileUrl(c.path), c.url);
  }
}

class ImageLookup : public ::testing::Test {
 protected:
  ImageLookup() {
    std::filesystem::create_directories(bin());
    std::filesystem::create_directories(share());
  }
  std::filesystem::path bin() const { return root.Path() / "my app" / "bin"; }
  std::filesystem::path share() const {
    return root.Path() / "my app" / "share" / "pfc-core-designer";
  }
  std::string Url(const std::filesystem::path& path) const {
    std::string text = "file://";
    for (const char c : path.string())
      text += c == ' ' ? std::string("%20") : std::string(1, c);
    return text;
  }
  ScratchFolder root;
};

TEST_F(ImageLookup, PrefersTheProgramsFolderThenTheDataFolderElseNothing) {
  EXPECT_EQ(ImageSource(bin(), "gapcore.gif"), "") << "a missing image gives the empty source";

  WriteFile(share() / "gapcore.gif", "GIF89a");
  EXPECT_EQ(ImageSource(bin(), "gapcore.gif"), Url(share() / "gapcore.gif"));

  WriteFile(bin() / "gapcore.gif", "GIF89a");
  EXPECT_EQ(ImageSource(bin(), "gapcore.gif"), Url(bin() / "gapcore.gif"));
}

TEST_F(ImageLookup, FindsBothReportImagesIndependently) {
  WriteFile(bin() / "toridyne_logo.gif", "GIF89a");
  const ReportImages images = FindReportImages(bin());
  EXPECT_EQ(images.logo, Url(bin() / "toridyne_logo.gif"));
  EXPECT_EQ(images.coreDrawing, "");
  EXPECT_EQ(images.logo.find_first_of(" '\">"), std::string::npos);
}

TEST(ImageSource, UnknownProgramFolderGivesEmptySources) {
  const ReportImages images = FindReportImages({});
  EXPECT_EQ(images.logo, "");
  EXPECT_EQ(images.coreDrawing, "");
}

TEST(ExecutableFolder, IsTheFolderOfThisTestProgram) {
  const std::filesystem::path folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(folder.is_absolute());
  EXPECT_TRUE(std::filesystem::exists(folder / "reports_tests"));
}

}  // namespace
}  // namespace pfc
