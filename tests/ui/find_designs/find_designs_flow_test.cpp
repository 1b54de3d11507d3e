#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "engine/catalogue/catalogue.h"
#include "engine/record/number_text.h"
#include "reports/files/catalogue_csv.h"
#include "reports/files/design_file.h"
#include "tests/support/file_bytes.h"
#include "tests/ui/compare_cores_fixture.h"
#include "ui/forms/design_files/catalogue_commands.h"
#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/forms/operating_check/operating_check_design.h"

namespace pfc::ui::testing {
namespace {

using namespace find_designs_controls;

// The window on the real engine, searching one grade and one stack count so that a search
// takes a moment.
class FindDesignsFlowTest : public CompareCoresFlowTest {
 protected:
  // Opens the window from the input form, narrows the search and runs it to the end.
  void SearchSmall(const char* grades = "60", const char* stacks = "2") {
    kit.UserClick(kInputForm, kCmdFindDesigns);
    ASSERT_TRUE(kit.IsVisible(kFindDesignsForm));
    kit.SetText(kFindDesignsForm, kTxtGrades, grades);
    kit.SetText(kFindDesignsForm, kTxtStacks, stacks);
    kit.UserClick(kFindDesignsForm, kCmdSearch);
    session.foundDesigns.Finish();
  }

  // A material of the user's own in a file of the scratch folder.
  std::string MaterialFile(const char* name) {
    const std::string path = (folder / (std::string(name) + ".json")).string();
    test::WriteFile(path, std::string(R"({"name": ")") + name +
                              R"(", "permeability": 75, "rolloff_b": 1.1e-9, "rolloff_c": 1.84})");
    return path;
  }

  const SearchCandidate& PickFirst() {
    session.foundDesigns.Pick(0);
    return session.foundDesigns.Candidates().front();
  }

  static std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(FindDesignsFlowTest, TheStatusCountsWhatTheSearchFoundAndThePickEnablesTheActions) {
  SearchSmall();
  const FoundDesigns& found = session.foundDesigns;
  ASSERT_FALSE(found.Running());
  ASSERT_FALSE(found.Candidates().empty());
  const std::string status = kit.Text(kFindDesignsForm, kLblStatus);
  EXPECT_EQ(status.rfind(std::to_string(found.Candidates().size()) + " designs meet", 0), 0u)
      << status;
  EXPECT_FALSE(kit.IsEnabled(kFindDesignsForm, kCmdCancel));
  EXPECT_FALSE(kit.IsEnabled(kFindDesignsForm, kCmdOperatingCheck));
  PickFirst();
  EXPECT_TRUE(kit.IsEnabled(kFindDesignsForm, kCmdOperatingCheck));
  EXPECT_TRUE(kit.IsEnabled(kFindDesignsForm, kCmdSaveDesign));
}

TEST_F(FindDesignsFlowTest, TheOperatingCheckShowsExactlyTheFoundWinding) {
  SearchSmall("40,125", "3");
  for (std::size_t i : {std::size_t{0}, session.foundDesigns.Candidates().size() - 1}) {
    session.foundDesigns.Pick(i);
    const SearchCandidate c = session.foundDesigns.Candidates()[i];
    kit.UserClick(kFindDesignsForm, kCmdOperatingCheck);
    ASSERT_TRUE(kit.IsVisible(kOperatingCheckForm)) << i;
    const CheckedDesign& checked = session.checked;
    EXPECT_EQ(checked.Record().Turns, c.turns);
    EXPECT_EQ(checked.Record().WireGauge, c.gauge);
    EXPECT_EQ(checked.Record().Strands, c.strands);
    EXPECT_EQ(checked.Record().CoresToStack, c.stack);
    EXPECT_EQ(checked.Result().material.permeability, c.permeability);
    EXPECT_EQ(checked.Result().lowLine.totalLossW, c.totalLossW);
  }
}

TEST_F(FindDesignsFlowTest, ASavedDesignOpensAsTheFoundCoreGradeAndWinding) {
  SearchSmall();
  const SearchCandidate c = PickFirst();
  savePath = (folder / "found.pfcdesign").string();
  std::vector<std::string> recent;
  services.loadRecentDesigns = [&recent] { return recent; };
  services.saveRecentDesigns = [&recent](const std::vector<std::string>& kept) { recent = kept; };
  kit.UserClick(kFindDesignsForm, kCmdSaveDesign);
  EXPECT_EQ(recent, std::vector<std::string>{*savePath}) << "it joins the recent designs";
  const DesignFileRead read = ReadDesignFile(*savePath);
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_TRUE(read.design.entries.pickCore);
  EXPECT_EQ(session.catalogue.FindPartNo(read.design.entries[Entry::CoreSize].substr(
                0, read.design.entries[Entry::CoreSize].find(' '))),
            c.row);
  EXPECT_EQ(read.design.entries[Entry::Stack], std::to_string(c.stack));
  EXPECT_EQ(read.design.part.material.grade, static_cast<int>(c.permeability));
  EXPECT_EQ(read.design.part.winding.turns, c.turns);
  EXPECT_EQ(read.design.part.winding.gauge, c.gauge);
  ASSERT_FALSE(saveRequests.empty());
  const std::string& proposed = saveRequests.back().suggestedName;
  const std::string gauge = std::to_string(static_cast<int>(c.gauge));
  for (const std::string& named : {c.part + "x" + std::to_string(c.stack),
                                   "-" + std::to_string(static_cast<int>(c.turns)) + "T",
                                   "-AWG" + gauge, std::string(".pfcdesign")})
    EXPECT_NE(proposed.find(named), std::string::npos) << proposed << " lacks " << named;
}

TEST_F(FindDesignsFlowTest, TheExportedModelIsTheOneTheOperatingCheckWouldExportOfThePick) {
  std::string modelPath;
  services.chooseTypedSaveFile = [&modelPath](const SaveTypedFileRequest&) {
    return std::optional<ChosenFile>(ChosenFile{modelPath, 0});
  };
  SearchSmall("40,125", "3");
  EXPECT_FALSE(kit.IsEnabled(kFindDesignsForm, kCmdExportModel));
  const std::size_t last = session.foundDesigns.Candidates().size() - 1;
  session.foundDesigns.Pick(last);
  ASSERT_TRUE(kit.IsEnabled(kFindDesignsForm, kCmdExportModel));
  modelPath = (folder / "found.cir").string();
  kit.UserClick(kFindDesignsForm, kCmdExportModel);
  EXPECT_FALSE(kit.IsVisible(kOperatingCheckForm));
  EXPECT_FALSE(session.checked.HasDesign());

  kit.UserClick(kFindDesignsForm, kCmdOperatingCheck);
  ASSERT_TRUE(kit.IsVisible(kOperatingCheckForm));
  modelPath = (folder / "checked.cir").string();
  kit.UserClick(kOperatingCheckForm, check_controls::kExportModel);
  const std::string found = FileText(folder / "found.cir");
  EXPECT_NE(found.find(FormatShortest(session.foundDesigns.Candidates()[last].turns)),
            std::string::npos);
  EXPECT_EQ(found, FileText(folder / "checked.cir"));
}

TEST_F(FindDesignsFlowTest, TheExportHoldsARowPerDesignFound) {
  SearchSmall();
  savePath = (folder / "found.csv").string();
  kit.UserClick(kFindDesignsForm, kCmdExportCsv);
  const std::string csv = FileText(*savePath);
  EXPECT_EQ(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')),
            session.foundDesigns.Candidates().size() + 1);
}

TEST_F(FindDesignsFlowTest, MaterialsOrStacksThatDoNotReadAreRefusedAtTheirBox) {
  kit.UserClick(kInputForm, kCmdFindDesigns);
  kit.UserClick(kFindDesignsForm, kCmdCancel);
  session.foundDesigns.Finish();
  for (const char* box : {kTxtGrades, kTxtStacks}) {
    const std::string before = kit.Text(kFindDesignsForm, box);
    kit.SetText(kFindDesignsForm, box, "x");
    const std::size_t messages = kit.Messages().size();
    kit.UserClick(kFindDesignsForm, kCmdSearch);
    EXPECT_EQ(kit.Messages().size(), messages + 1) << box;
    EXPECT_FALSE(session.foundDesigns.Running()) << box;
    EXPECT_EQ(kit.Focus(), (std::pair<std::string, std::string>{kFindDesignsForm, box}));
    kit.SetText(kFindDesignsForm, box, before);
  }
}

TEST_F(FindDesignsFlowTest, CancelAndClosingStopTheSearchWithWhatItFound) {
  kit.UserClick(kInputForm, kCmdFindDesigns);  // every grade and stack: a search of a while
  ASSERT_TRUE(session.foundDesigns.Running());
  kit.UserClick(kFindDesignsForm, kCmdCancel);
  session.foundDesigns.Finish();
  ASSERT_TRUE(session.foundDesigns.Result().has_value());
  EXPECT_TRUE(session.foundDesigns.Result()->cancelled);

  kit.UserClick(kFindDesignsForm, kCmdSearch);
  kit.UserClick(kFindDesignsForm, kCmdClose);
  session.foundDesigns.Finish();
  EXPECT_FALSE(kit.IsLoaded(kFindDesignsForm));
  EXPECT_TRUE(session.foundDesigns.Result()->cancelled);
}

TEST_F(FindDesignsFlowTest, TheStatusSaysWhereACancelledSearchStopped) {
  kit.UserClick(kInputForm, kCmdFindDesigns);  // every grade and stack: a search of a while
  kit.UserClick(kFindDesignsForm, kCmdCancel);
  session.foundDesigns.Finish();
  const FoundDesigns& found = session.foundDesigns;
  ASSERT_TRUE(found.Result().has_value() && found.Result()->cancelled);
  EXPECT_LT(found.Result()->combinations, found.Total());
  const std::string stopped = "Cancelled after " + std::to_string(found.Result()->combinations) +
                              " of " + std::to_string(found.Total()) + " ";
  EXPECT_EQ(kit.Text(kFindDesignsForm, kLblStatus).rfind(stopped, 0), 0u)
      << kit.Text(kFindDesignsForm, kLblStatus);
}

// Grades and files side by side in one entry, each searched in its own material.
TEST_F(FindDesignsFlowTest, MaterialFilesAreSearchedBesideTheGrades) {
  SearchSmall(("60, " + MaterialFile("Supplier 75") + " ,90").c_str(), "2");
  const FoundDesigns& found = session.foundDesigns;
  ASSERT_FALSE(found.Running());
  ASSERT_EQ(found.Request().materials.size(), 3u);
  EXPECT_EQ(found.Request().materials[1].name, "Supplier 75");
  EXPECT_EQ(found.Request().materials[1].permeability, 75);
  EXPECT_TRUE(
      std::any_of(found.Candidates().begin(), found.Candidates().end(),
                  [](const SearchCandidate& c) { return c.materialName == "Supplier 75"; }));

  // A file that is not there is refused at the entry with the reason.
  kit.SetText(kFindDesignsForm, kTxtGrades, "60, " + (folder / "none.json").string());
  const std::size_t messages = kit.Messages().size();
  kit.UserClick(kFindDesignsForm, kCmdSearch);
  ASSERT_EQ(kit.Messages().size(), messages + 1);
  EXPECT_NE(kit.Messages().back().text.find("none.json"), std::string::npos);
  EXPECT_EQ(kit.Focus(), (std::pair<std::string, std::string>{kFindDesignsForm, kTxtGrades}));
}

TEST_F(FindDesignsFlowTest, MaterialButtonListsTheChosenFileWithTheGrades) {
  kit.UserClick(kInputForm, kCmdFindDesigns);
  kit.UserClick(kFindDesignsForm, kCmdCancel);
  session.foundDesigns.Finish();
  std::optional<std::string> chosen = MaterialFile("Mine");
  services.chooseOpenFile = [&chosen](const OpenFileRequest&) { return chosen; };
  kit.SetText(kFindDesignsForm, kTxtGrades, "60,");
  kit.UserClick(kFindDesignsForm, kCmdMaterial);
  EXPECT_EQ(kit.Text(kFindDesignsForm, kTxtGrades), "60, " + *chosen);

  // A file that does not read, and one whose path the list cannot hold, stay out of it.
  const std::size_t messages = kit.Messages().size();
  chosen = (folder / "none.json").string();
  kit.UserClick(kFindDesignsForm, kCmdMaterial);
  std::filesystem::create_directory(folder / "a,b");
  chosen = (folder / "a,b" / "mine.json").string();
  std::filesystem::copy_file(folder / "Mine.json", *chosen);
  kit.UserClick(kFindDesignsForm, kCmdMaterial);
  EXPECT_EQ(kit.Text(kFindDesignsForm, kTxtGrades), "60, " + (folder / "Mine.json").string());
  EXPECT_EQ(kit.Messages().size(), messages + 2);
}

TEST_F(FindDesignsFlowTest, ASavedDesignIsNamedForItsPart) {
  SearchSmall();
  const SearchCandidate c = PickFirst();
  savePath = (folder / "found.pfcdesign").string();
  kit.UserClick(kFindDesignsForm, kCmdSaveDesign);
  ASSERT_FALSE(saveRequests.empty());
  const std::string& name = saveRequests.back().suggestedName;
  EXPECT_EQ(name.rfind(c.part + "x" + std::to_string(c.stack) + "-g60-", 0), 0u) << name;
}

// A design found in a material of the user's own carries that material: by value in its
// file, and into the Operating Check, whose build sheet is then of that part.
TEST_F(FindDesignsFlowTest, AFoundDesignInAMaterialFileKeepsTheMaterial) {
  SearchSmall(MaterialFile("Supplier 75").c_str(), "2");
  const SearchCandidate c = PickFirst();
  const Material& searched = session.foundDesigns.Request().materials.at(c.material);
  savePath = (folder / "own.pfcdesign").string();
  kit.UserClick(kFindDesignsForm, kCmdSaveDesign);
  const DesignFileRead read = ReadDesignFile(*savePath);
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_EQ(read.design.part.material.own, searched);

  kit.UserClick(kFindDesignsForm, kCmdOperatingCheck);
  ASSERT_TRUE(kit.IsVisible(kOperatingCheckForm));
  EXPECT_EQ(session.checked.Result().material, searched);
  EXPECT_EQ(session.checked.Result().lowLine.totalLossW, c.totalLossW);
  services.readTempFolder = [this] { return folder.string(); };
  std::vector<std::string> shown;
  services.showReport = [&shown](const std::string& path) -> std::optional<std::string> {
    shown.push_back(path);
    return std::nullopt;
  };
  kit.UserClick(kOperatingCheckForm, check_controls::kBuildSheet);
  ASSERT_EQ(shown.size(), 1u) << (kit.Messages().empty() ? "" : kit.Messages().back().text);
  EXPECT_NE(test::ReadFile(shown[0]).find(searched.name), std::string::npos);
}

// A design found on a catalogue file of the user's own records that catalogue, so that it
// opens on the cores it was found on.
TEST_F(FindDesignsFlowTest, ASavedDesignRecordsTheCatalogueItWasFoundOn) {
  CoreCatalogue builtIn;
  DesignRecord record;
  ArrayData_PFC_Load(builtIn, record);
  const std::string cores = (folder / "cores.csv").string();
  test::WriteFile(cores, CatalogueCsv(builtIn));
  ASSERT_TRUE(LoadCatalogueFile(kit, session, cores));
  SearchSmall();
  PickFirst();
  savePath = (folder / "found.pfcdesign").string();
  kit.UserClick(kFindDesignsForm, kCmdSaveDesign);
  const DesignFileRead read = ReadDesignFile(*savePath);
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_FALSE(read.design.cores.BuiltIn());
  EXPECT_EQ(read.design.cores.sha256, session.catalogueOrigin.sha256);
}

}  // namespace
}  // namespace pfc::ui::testing
