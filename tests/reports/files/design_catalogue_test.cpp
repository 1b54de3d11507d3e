#include "reports/files/design_catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

namespace fs = std::filesystem;

const std::string kSaved =
    "PartNo,OD (mm),ID (mm),HT (mm),Mass (g),Lm (cm),Ac (cm²),Al (nH/turn²),Wa (cm²),WaAc (cm⁴)\n"
    "MY-1,20,10,5,3,4,0.1,30,0.5,1\n";
// The same cores in other bytes: a catalogue edited and saved again is not the one the
// design was made on, even when its numbers read the same.
const std::string kResaved = kSaved + "\n";

// Where the files are when the design is opened again.
struct Layout {
  const char* what;
  const char* recorded;     // the catalogue's path as recorded, under the scratch folder
  const char* catalogueAt;  // where a catalogue file is now; empty for nowhere
  std::string bytes;        // what it holds
  const char* designAt;     // where the design file is
  const char* problem;      // the words of the refusal; empty when read
};

class DesignCatalogueTest : public ::testing::TestWithParam<Layout> {};

TEST_P(DesignCatalogueTest, IsReadOnlyWithTheBytesTheDesignWasSavedWith) {
  const Layout& c = GetParam();
  pfc::test::ScratchFolder folder;
  fs::create_directories(folder.Path() / "a");
  fs::create_directories(folder.Path() / "b");
  const std::string recorded =
      fs::path(c.recorded).is_absolute() ? c.recorded : folder.File(c.recorded);
  const CatalogueOrigin origin{c.recorded[0] == '.' ? c.recorded : recorded, Sha256Hex(kSaved)};
  if (*c.catalogueAt != '\0')
    pfc::test::WriteFile(folder.File(c.catalogueAt), c.bytes);
  const CatalogueRead read = ReadDesignCatalogue(origin, folder.File(c.designAt));
  if (*c.problem == '\0') {
    ASSERT_TRUE(read.read) << read.problem;
    EXPECT_EQ(read.catalogue.PartNo.back(), "MY-1");
    EXPECT_EQ(read.origin.file, folder.File(c.catalogueAt)) << "where it was found";
    EXPECT_EQ(read.origin.sha256, origin.sha256);
    return;
  }
  ASSERT_FALSE(read.read);
  EXPECT_NE(read.problem.find(origin.file), std::string::npos) << read.problem;
  EXPECT_NE(read.problem.find(c.problem), std::string::npos) << read.problem;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DesignCatalogueTest,
    ::testing::Values(Layout{"where it was", "a/cores.csv", "a/cores.csv", kSaved, "b/d.pfcdesign",
                             ""},
                      Layout{"moved beside the design", "a/cores.csv", "b/cores.csv", kSaved,
                             "b/d.pfcdesign", ""},
                      Layout{"recorded relative to the design", "./cores.csv", "b/cores.csv",
                             kSaved, "b/d.pfcdesign", ""},
                      Layout{"changed where it was", "a/cores.csv", "a/cores.csv", kResaved,
                             "b/d.pfcdesign", "changed"},
                      Layout{"changed beside the design", "a/cores.csv", "b/cores.csv", kResaved,
                             "b/d.pfcdesign", "missing"},
                      Layout{"edited into a file no longer read", "a/cores.csv", "a/cores.csv",
                             "PartNo\n", "b/d.pfcdesign", "changed"},
                      Layout{"gone", "a/cores.csv", "", "", "b/d.pfcdesign", "missing"},
                      Layout{"another name beside the design", "a/cores.csv", "b/other.csv", kSaved,
                             "b/d.pfcdesign", "missing"}),
    [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace pfc
