#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/catalogue/catalogue_file.h"
#include "reports/files/catalogue_csv.h"
#include "tests/support/file_bytes.h"
#include "tests/ui/compare_cores_fixture.h"
#include "tests/ui/design_file_fixture.h"
#include "ui/forms/design_files/catalogue_commands.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui::testing {
namespace {

using pfc::test::WriteFile;

std::string BuiltInCatalogueCsv() {
  CoreCatalogue builtIn;
  DesignRecord record;
  ArrayData_PFC_Load(builtIn, record);
  return CatalogueCsv(builtIn);
}

// The built-in catalogue with one core renamed, as a user's own file.
class CatalogueFormTest : public DesignFileTest {
 protected:
  CatalogueFormTest() {
    mine = BuiltInCatalogueCsv();
    mine.replace(mine.find("TD-05,"), 6, "MY-05,");
    WriteFile(folder.File("mine.csv"), mine);
  }

  void PickFromList(const char* partNo) {
    kit.UserClick(kInputForm, "chkPickCore");
    kit.UserChoose(kInputForm, "txtCoreSize", session.catalogue.FindPartNo(partNo));
  }
  void LoadCatalogue(const std::string& path) {
    answer = path;
    kit.UserClick(kInputForm, kCoreCatalogueButton);
  }
  // The part number of the core list's fifth core.
  std::string FifthCore() { return kit.ItemText(kInputForm, "txtCoreSize", 5).substr(0, 5); }
  std::string Chosen() {
    return kit.ItemText(kInputForm, "txtCoreSize", kit.ChosenPosition(kInputForm, "txtCoreSize"));
  }
  bool TitleNames(const std::string& name) { return Caption().find(name) != std::string::npos; }

  std::string mine;
};

TEST_F(CatalogueFormTest, ALoadedCatalogueFillsTheCoreListAndTheTitleUntilTheBuiltInOneIsBack) {
  StartAndAccept();
  PickFromList("TD-26");
  LoadCatalogue(folder.File("mine.csv"));
  ASSERT_TRUE(kit.Messages().empty()) << kit.Messages().front().text;
  EXPECT_EQ(FifthCore(), "MY-05");
  EXPECT_EQ(Chosen().substr(0, 6), "TD-26 ") << "the chosen core is in both";
  EXPECT_TRUE(TitleNames("mine.csv")) << Caption();
  EXPECT_EQ(Caption().rfind(plainCaption, 0), 0u) << Caption();
  EXPECT_TRUE(runs.empty()) << "nothing runs";

  // The session keeps it while the form goes and comes back.
  kit.UserClick(kInputForm, "cmdExit");
  kit.UserClick(kEnterForm, "cmdProcess");
  EXPECT_TRUE(TitleNames("mine.csv")) << Caption();
  PickFromList("MY-05");
  EXPECT_EQ(FifthCore(), "MY-05");

  kit.UserClick(kInputForm, kBuiltInCatalogueButton);
  EXPECT_EQ(Caption(), plainCaption);
  EXPECT_EQ(FifthCore(), "TD-05");
  EXPECT_EQ(kit.ChosenPosition(kInputForm, "txtCoreSize"), -1) << "MY-05 is gone";
  kit.UserClick(kInputForm, "cmdProcess");
  ASSERT_EQ(runs.size(), 1u);
}

TEST_F(CatalogueFormTest, ARefusedFileIsToldAndChangesNothing) {
  StartAndAccept();
  LoadCatalogue(folder.File("mine.csv"));
  PickFromList("MY-05");
  const std::string title = Caption();
  std::string bad = mine;
  bad.replace(bad.find("MY-05,"), 6, "TD-04,");
  WriteFile(folder.File("bad.csv"), bad);
  for (const std::string& path : {folder.File("bad.csv"), folder.File("none.csv")}) {
    kit.ClearRecord();
    LoadCatalogue(path);
    ASSERT_EQ(kit.Messages().size(), 1u) << path;
    EXPECT_NE(kit.Messages()[0].text.find(path), std::string::npos) << kit.Messages()[0].text;
    EXPECT_EQ(Caption(), title);
    EXPECT_EQ(FifthCore(), "MY-05");
    EXPECT_EQ(Chosen().substr(0, 6), "MY-05 ");
    if (path == folder.File("bad.csv")) {
      EXPECT_NE(kit.Messages()[0].text.find("line 6,"), std::string::npos)
          << kit.Messages()[0].text;
    }
  }
}

// With the real engine, which the comparison needs.
class CatalogueCompareCoresTest : public CompareCoresFlowTest {};

TEST_F(CatalogueCompareCoresTest, CompareCoresShowsTheDesignsOfTheCatalogueInUse) {
  std::string mine = BuiltInCatalogueCsv();
  mine.replace(mine.find("TD-05,"), 6, "MY-05,");
  WriteFile(scratch.File("mine.csv"), mine);
  kit.UserClick(kInputForm, "cmdCompareCores");
  ASSERT_TRUE(kit.IsLoaded(kCompareCoresForm));
  const auto coreOfRow5 = [this] {
    for (const ExploredDesign& design : session.compareCores.Designs()) {
      if (design.CoreIndex == 5) {
        return design.SelectedCoreSize;
      }
    }
    return std::string();
  };
  EXPECT_EQ(coreOfRow5(), "TD-05");
  ASSERT_TRUE(LoadCatalogueFile(kit, session, scratch.File("mine.csv")));
  EXPECT_EQ(coreOfRow5(), "MY-05");
  UseBuiltInCatalogueOnForm(kit, session);
  EXPECT_EQ(coreOfRow5(), "TD-05");
}

TEST_F(CatalogueFormTest, ADesignOpensOnItsOwnCatalogueAndNotOnAMissingOrChangedOne) {
  StartAndAccept();
  LoadCatalogue(folder.File("mine.csv"));
  PickFromList("MY-05");
  SaveAs(folder.File("d.pfcdesign"));
  kit.UserClick(kInputForm, kBuiltInCatalogueButton);
  EXPECT_EQ(Caption(), "d.pfcdesign* - " + plainCaption) << "the design's catalogue is gone";

  kit.AnswerSaveChanges(SaveChangesAnswer::Discard);
  Open(folder.File("d.pfcdesign"));
  ASSERT_TRUE(kit.Messages().empty()) << kit.Messages().front().text;
  EXPECT_TRUE(TitleNames("mine.csv")) << Caption();
  EXPECT_EQ(Chosen().substr(0, 6), "MY-05 ");

  for (const bool removed : {false, true}) {
    kit.UserClick(kInputForm, kBuiltInCatalogueButton);
    const std::vector<std::string> before = FormState();
    const std::string title = Caption();
    if (removed) {
      std::filesystem::remove(folder.File("mine.csv"));
    } else {
      WriteFile(folder.File("mine.csv"), mine + "\n");
    }
    kit.ClearRecord();
    Open(folder.File("d.pfcdesign"));
    ASSERT_EQ(kit.Messages().size(), 1u);
    EXPECT_NE(kit.Messages()[0].text.find(removed ? "missing" : "changed"), std::string::npos)
        << kit.Messages()[0].text;
    EXPECT_EQ(FormState(), before);
    EXPECT_EQ(Caption(), title);
    EXPECT_EQ(FifthCore(), "TD-05");
  }
}

// A design whose catalogue file was edited opens on the edited file once Core Catalogue… has
// loaded it, or on another file chosen then; the question comes before anything changes.
TEST_F(CatalogueFormTest, ADesignWhoseCatalogueChangedOpensOnTheOneTheUserChooses) {
  StartAndAccept();
  LoadCatalogue(folder.File("mine.csv"));
  PickFromList("MY-05");
  SaveAs(folder.File("d.pfcdesign"));
  const std::string edited = mine + "\n";
  WriteFile(folder.File("mine.csv"), edited);
  WriteFile(folder.File("copy.csv"), edited);
  LoadCatalogue(folder.File("mine.csv"));
  kit.UserClick(kInputForm, kBuiltInCatalogueButton);

  // Cancelled: as it was.
  kit.AnswerSaveChanges(SaveChangesAnswer::Discard);
  kit.ClearRecord();
  Open(folder.File("d.pfcdesign"));
  ASSERT_EQ(kit.Menus().size(), 1u);
  EXPECT_EQ(FifthCore(), "TD-05");

  // Another file, chosen in a second dialog.
  std::string catalogue = folder.File("copy.csv");
  services.chooseOpenFile = [&](const OpenFileRequest& request) -> std::optional<std::string> {
    return request.extension == "csv" ? catalogue : folder.File("d.pfcdesign");
  };
  kit.AnswerMenus(1);
  Open(folder.File("d.pfcdesign"));
  EXPECT_EQ(Chosen().substr(0, 6), "MY-05 ");
  EXPECT_TRUE(TitleNames("copy.csv")) << Caption();

  // The catalogue loaded now.
  kit.UserClick(kInputForm, kBuiltInCatalogueButton);
  catalogue = folder.File("mine.csv");
  kit.UserClick(kInputForm, kCoreCatalogueButton);
  kit.AnswerMenus(0);
  Open(folder.File("d.pfcdesign"));
  EXPECT_EQ(Chosen().substr(0, 6), "MY-05 ");
  EXPECT_TRUE(TitleNames("mine.csv")) << Caption();
  EXPECT_EQ(session.designFile.path, folder.File("d.pfcdesign"));
}

}  // namespace
}  // namespace pfc::ui::testing
