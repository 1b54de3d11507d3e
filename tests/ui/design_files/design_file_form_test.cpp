#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>

#include "engine/check/rolloff_grades.h"
#include "reports/files/design_file.h"
#include "tests/support/file_bytes.h"
#include "tests/ui/design_file_fixture.h"
#include "ui/forms/design_files/design_file_commands.h"
#include "ui/forms/design_files/recent_designs.h"
#include "ui/forms/input/input_design.h"
#include "ui/forms/input/input_form.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/standard_forms.h"
#include "ui/forms/viewer/viewer_flows.h"

namespace pfc::ui::testing {
namespace {

using pfc::test::ReadFile;
using pfc::test::WriteFile;

TEST_F(DesignFileTest, SavedAndOpenedAgainTheFormIsAsItWasAndNothingRuns) {
  StartAndAccept();
  ChangeEverything();
  const std::vector<std::string> before = FormState();
  SaveAs(folder.File("boost"));
  ASSERT_TRUE(kit.Messages().empty()) << kit.Messages().front().text;
  EXPECT_FALSE(std::filesystem::exists(folder.File("boost")));

  // A new session: the disclaimer again, the defaults, the default grade.
  kit.UserClick(kInputForm, "cmdExit");
  session.checked.SetGrade(kDefaultRolloffGrade);
  kit.UserClick(kEnterForm, "cmdProcess");
  EXPECT_NE(FormState(), before);

  Open(folder.File("boost.pfcdesign"));
  ASSERT_TRUE(kit.Messages().empty()) << kit.Messages().front().text;
  EXPECT_EQ(FormState(), before);
  EXPECT_TRUE(runs.empty());
  kit.UserClick(kInputForm, "cmdProcess");
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0][Entry::FillFactor], "0,35 ");
  EXPECT_EQ(runs[0][Entry::CoreSize].substr(0, 6), "TD-22 ");
}

TEST_F(DesignFileTest, TheSaveDialogSuggestsTheFileOfTheFormAndTheExtensionIsAppended) {
  StartAndAccept();
  SaveAs(folder.File("first.json"));
  SaveAs(folder.File("second.PFCDESIGN"));
  ASSERT_EQ(saveRequests.size(), 2u);
  EXPECT_EQ(saveRequests[0].extension, "pfcdesign");
  EXPECT_EQ(saveRequests[1].suggestedName, folder.File("first.json.pfcdesign"));
  EXPECT_TRUE(std::filesystem::exists(folder.File("first.json.pfcdesign")));
  EXPECT_TRUE(std::filesystem::exists(folder.File("second.PFCDESIGN")));
  answer.reset();  // cancelled: nothing is written, the title keeps the last file
  kit.UserClick(kInputForm, kSaveDesignButton);
  EXPECT_EQ(Caption(), "second.PFCDESIGN - " + plainCaption);
}

TEST_F(DesignFileTest, TheTitleNamesTheFileAndStarsAChangeUntilSavedOrOpened) {
  StartAndAccept();
  kit.UserType(kInputForm, "txtVout", "400");
  EXPECT_EQ(Caption(), plainCaption) << "no file, no name";
  EXPECT_TRUE(kit.CallsOf("SetCaption").empty());

  SaveAs(folder.File("pfc.pfcdesign"));
  EXPECT_EQ(Caption(), "pfc.pfcdesign - " + plainCaption);
  kit.UserType(kInputForm, "txtVout", "1");
  EXPECT_EQ(Caption(), "pfc.pfcdesign* - " + plainCaption);
  kit.UserType(kInputForm, "txtVout", "\b");
  EXPECT_EQ(Caption(), "pfc.pfcdesign - " + plainCaption) << "the entries are the file's again";
  kit.UserChoose(kInputForm, "cmboutputpower", 1);
  EXPECT_EQ(Caption(), "pfc.pfcdesign* - " + plainCaption);
  SaveAs(folder.File("pfc.pfcdesign"));
  EXPECT_EQ(Caption(), "pfc.pfcdesign - " + plainCaption);

  // The grade is chosen in another window: the star shows when the form is active again.
  kit.UserClick(kInputForm, "cmdHelp");
  session.checked.SetGrade(*FindRolloffGrade(14));
  EXPECT_EQ(Caption(), "pfc.pfcdesign - " + plainCaption);
  kit.UserActivate(kInputForm);
  EXPECT_EQ(Caption(), "pfc.pfcdesign* - " + plainCaption);
  kit.UserClick(kInputForm, "cmdQuit");
  kit.AnswerSaveChanges(SaveChangesAnswer::Discard);  // back to the file as saved
  Open(folder.File("pfc.pfcdesign"));
  EXPECT_EQ(Caption(), "pfc.pfcdesign - " + plainCaption);
  EXPECT_EQ(session.checked.ChosenGrade(), kDefaultRolloffGrade);

  // The entries and their file go with the form.
  kit.UserClick(kInputForm, "cmdExit");
  kit.UserClick(kEnterForm, "cmdProcess");
  EXPECT_EQ(Caption(), plainCaption);
  kit.UserType(kInputForm, "txtVout", "1");
  EXPECT_EQ(Caption(), plainCaption);
}

struct BadFile {
  const char* what;
  std::string bytes;       // the file's contents
  bool exists = true;      // false: no file of that name
  const char* named = "";  // a field the message must name, for what only the form refuses
};

class BadDesignFileTest : public DesignFileTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadDesignFileTest, IsToldInACautionAndChangesNothing) {
  const BadFile& c = GetParam();
  StartAndAccept();
  SaveAs(folder.File("good.pfcdesign"));
  ChangeEverything();
  const std::string path = folder.File("bad.pfcdesign");
  if (c.exists) {
    WriteFile(path, c.bytes);
  }
  const std::vector<std::string> before = FormState();
  kit.ClearRecord();

  // Given up for the other file, the changes stay all the same when it cannot be opened.
  kit.AnswerSaveChanges(SaveChangesAnswer::Discard);
  Open(path);
  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_EQ(kit.Messages()[0].title, kCautionTitle);
  EXPECT_NE(kit.Messages()[0].text.find(path), std::string::npos) << kit.Messages()[0].text;
  EXPECT_NE(kit.Messages()[0].text.find(c.named), std::string::npos) << kit.Messages()[0].text;
  EXPECT_EQ(FormState(), before);
  for (const char* change : {"SetText", "Choose", "SetTicked", "ClearItems", "SetCaption"}) {
    EXPECT_TRUE(kit.CallsOf(change).empty()) << change;
  }
  EXPECT_TRUE(runs.empty());
  EXPECT_EQ(Caption(), "good.pfcdesign* - " + plainCaption);
}

std::string Binary() {
  std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  bytes.append(200, '\xff');
  return bytes;
}

std::string OverOneMebibyte() {
  std::string bytes = DesignWith(R"j("entries": {"vout": "300"})j");
  bytes.append(kDesignFileMaxBytes + 1 - bytes.size(), ' ');
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadDesignFileTest,
    ::testing::Values(
        BadFile{"missing", "", false}, BadFile{"empty", ""},
        BadFile{"not JSON", "frequency = 100000\nvout = 300\n"},
        BadFile{"cut short", DesignWith(R"j("entries": {"vout": "300"})j").substr(0, 50)},
        BadFile{"binary", Binary()}, BadFile{"over 1 MiB", OverOneMebibyte()},
        BadFile{"a field of the wrong type", DesignWith(R"j("entries": {"vout": 300})j")},
        BadFile{"another kind of JSON", R"j({"name": "boost", "vout": "300"})j"},
        BadFile{"a newer major version",
                R"j({"format": "pfc-design", "version": "2.0", "entries": {"vout": "300"}})j"},
        // What only the form refuses comes after the entries that it could take.
        BadFile{"a unit the form's list lacks",
                DesignWith(R"j("entries": {"vout": "300", "frequency-unit": "MHz"})j"), true,
                "entries.frequency-unit"},
        BadFile{"a core the list lacks",
                DesignWith(R"j("entries": {"vout": "300"}, "calculator": "picks",
                               "pick": "TD-99 (OD 99.00mm, ID 9.00mm, HT 9.00mm)")j"),
                true, "TD-99"}),
    [](const ::testing::TestParamInfo<BadFile>& info) {
      std::string name;
      for (const char c : std::string(info.param.what)) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      }
      return name;
    });

TEST_F(DesignFileTest, AFolderDroppedOrTwoFilesAtOnceAreRefusedAndOneFileOpens) {
  StartAndAccept();
  const std::string good = folder.File("drop.pfcdesign");
  WriteFile(good, DesignWith(R"j("entries": {"vout": "300"}, "calculator": "picks",
                                  "pick": "TD-05 (OD 0,00mm)")j"));
  const std::vector<std::string> before = FormState();
  kit.UserDropFiles(kInputForm, {folder.Path().string()});
  kit.UserDropFiles(kInputForm, {good, good});
  EXPECT_EQ(kit.Messages().size(), 2u);
  EXPECT_EQ(FormState(), before);

  kit.UserDropFiles(kInputForm, {good});
  EXPECT_EQ(kit.Messages().size(), 2u);
  EXPECT_EQ(kit.Text(kInputForm, "txtVout"), "300");
  // Written where the decimal separator differs: the part number chooses the core.
  EXPECT_EQ(kit.ChosenPosition(kInputForm, "txtCoreSize"), session.catalogue.FindPartNo("TD-05"));
  EXPECT_EQ(Caption(), "drop.pfcdesign - " + plainCaption);
  EXPECT_TRUE(runs.empty());
}

TEST_F(DesignFileTest, AFileNamedAtStartOpensOnceTheDisclaimerIsAccepted) {
  const std::string good = folder.File("start.pfcdesign");
  WriteFile(good, DesignWith(R"j("entries": {"vout": "300"})j"));
  session.designFile.pending = good;
  kit.Show(kEnterForm);
  EXPECT_FALSE(kit.IsLoaded(kInputForm));
  kit.UserClick(kEnterForm, "cmdProcess");
  EXPECT_EQ(kit.Text(kInputForm, "txtVout"), "300");
  EXPECT_EQ(kit.Caption(kInputForm).substr(0, 16), "start.pfcdesign ");

  // Once: the form opened again starts from its defaults.
  kit.UserClick(kInputForm, "cmdExit");
  kit.UserClick(kEnterForm, "cmdProcess");
  EXPECT_NE(kit.Text(kInputForm, "txtVout"), "300");
}

TEST_F(DesignFileTest, ABadFileNamedAtStartIsToldAndTheFormKeepsItsDefaults) {
  session.designFile.pending = folder.File("nowhere.pfcdesign");
  kit.Show(kEnterForm);
  kit.UserClick(kEnterForm, "cmdProcess");
  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_EQ(kit.Messages()[0].title, kCautionTitle);
  EXPECT_TRUE(kit.IsVisible(kInputForm));
  EXPECT_EQ(ReadInputEntries(kit)[Entry::Vout], EntryTexts{}[Entry::Vout]);
}

// The old file stays whole, the form keeps naming it, and the change stays unsaved. The
// file-size limit belongs to the process, so the save runs in a child, which answers in its
// exit status.
TEST_F(DesignFileTest, ASaveThatFailsKeepsTheOldFileAndTheStar) {
  StartAndAccept();
  const std::string path = folder.File("kept.pfcdesign");
  SaveAs(path);
  const std::string old = ReadFile(path);
  ASSERT_FALSE(old.empty());
  kit.UserType(kInputForm, "txtFill_Factor", std::string(400, '5'));
  const std::string starred = Caption();

  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, 64};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    kit.ClearRecord();
    SaveAs(path);
    const bool told = kit.Messages().size() == 1 && kit.Messages()[0].title == kCautionTitle &&
                      kit.Messages()[0].text.find(path) != std::string::npos;
    ::_exit(!told ? 1 : Caption() != starred ? 2 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: not told with the path, 2: the title changed";
  EXPECT_EQ(ReadFile(path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

// Ctrl+S saves to the file the form names without asking; only a form without one asks
// where. "Save Design As…" (Ctrl+Shift+S) always asks.
TEST_F(DesignFileTest, CtrlSSavesToTheNamedFileAndAsksOnlyWithoutOne) {
  StartAndAccept();
  answer = folder.File("first");
  kit.UserShortcut(kInputForm, "Ctrl+S");
  ASSERT_EQ(saveRequests.size(), 1u) << "no file named yet: asks where";
  const std::string first = folder.File("first.pfcdesign");
  EXPECT_EQ(Caption(), "first.pfcdesign - " + plainCaption);

  kit.UserType(kInputForm, "txtVout", "400");
  answer = folder.File("never");
  kit.UserShortcut(kInputForm, "Ctrl+S");
  EXPECT_EQ(saveRequests.size(), 1u) << "a named file is saved without a dialog";
  EXPECT_NE(ReadFile(first).find("\"400\""), std::string::npos) << ReadFile(first);
  EXPECT_FALSE(std::filesystem::exists(folder.File("never.pfcdesign")));
  EXPECT_EQ(Caption(), "first.pfcdesign - " + plainCaption);

  SaveAs(folder.File("second"));
  EXPECT_EQ(saveRequests.size(), 2u);
  EXPECT_EQ(Caption(), "second.pfcdesign - " + plainCaption);
}

// Both ways back from the results choose the core list's blank entry: the form no longer
// holds its file's pick, which the title's star and the question before closing show.
struct ResetCase {
  const char* name;
  std::function<void(RecordingToolkit&, DesktopSession&)> reset;
  friend void PrintTo(const ResetCase& c, std::ostream* out) { *out << c.name; }
};

class ResetAndFileTest : public DesignFileTest, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(ResetAndFileTest, TheClearedPickStarsTheTitleAndClosingAsks) {
  StartAndAccept();
  kit.UserClick(kInputForm, "chkPickCore");
  kit.UserChoose(kInputForm, "txtCoreSize", session.catalogue.FindPartNo("TD-10"));
  SaveAs(folder.File("picked"));
  ASSERT_EQ(Caption(), "picked.pfcdesign - " + plainCaption);
  kit.Hide(kInputForm);
  kit.Show(kSummaryForm);
  // The title must be right before the form hears it is active again, which a window
  // system tells later.
  kit.ActivateOnlyWhenAsked();

  GetParam().reset(kit, session);

  ASSERT_TRUE(kit.IsVisible(kInputForm));
  EXPECT_EQ(kit.ChosenPosition(kInputForm, "txtCoreSize"), 0);
  EXPECT_EQ(Caption(), "picked.pfcdesign* - " + plainCaption);
  kit.UserClose(kInputForm);
  EXPECT_EQ(kit.Questions().size(), 1u);
  EXPECT_TRUE(kit.IsLoaded(kInputForm)) << "Cancel keeps the form";
}

INSTANTIATE_TEST_SUITE_P(BothWaysBack, ResetAndFileTest,
                         ::testing::Values(ResetCase{"summary's Reset Design Inputs",
                                                     [](RecordingToolkit& kit, DesktopSession&) {
                                                       kit.UserClick(kSummaryForm, "cmdExit");
                                                     }},
                                           ResetCase{
                                               "viewer's Reset Design",
                                               [](RecordingToolkit& kit, DesktopSession& session) {
                                                 ResetDesignFromViewer(kit, session.record);
                                               }}));

struct RecentCase {
  std::vector<std::string> kept;
  std::string added;
  std::vector<std::string> expected;
};

class WithRecentDesignTest : public ::testing::TestWithParam<RecentCase> {};

TEST_P(WithRecentDesignTest, PutsTheFileFirstOnceAndKeepsTheLatestEight) {
  EXPECT_EQ(WithRecentDesign(GetParam().kept, GetParam().added), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, WithRecentDesignTest,
    ::testing::Values(RecentCase{{}, "/a", {"/a"}},
                      RecentCase{{"/a", "/b", "/c"}, "/c", {"/c", "/a", "/b"}},
                      RecentCase{{"/a", "/b"}, "/a", {"/a", "/b"}},
                      RecentCase{{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"},
                                 "/9",
                                 {"/9", "/1", "/2", "/3", "/4", "/5", "/6", "/7"}},
                      RecentCase{{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"},
                                 "/5",
                                 {"/5", "/1", "/2", "/3", "/4", "/6", "/7", "/8"}}));

// The files opened and saved on the form come back in "Open Design…"'s menu, the latest
// first; a file deleted since is left out of the menu and of the list kept.
TEST_F(DesignFileTest, OpenDesignOffersTheRecentFilesThatStillExist) {
  std::vector<std::string> kept;
  services.loadRecentDesigns = [&kept] { return kept; };
  services.saveRecentDesigns = [&kept](const std::vector<std::string>& paths) { kept = paths; };
  StartAndAccept();
  kit.UserShortcut(kInputForm, "Ctrl+O");
  EXPECT_TRUE(kit.Menus().empty()) << "no recent file: the dialog at once";
  EXPECT_EQ(openRequests.size(), 1u);

  SaveAs(folder.File("gone"));
  SaveAs(folder.File("first"));
  kit.UserType(kInputForm, "txtVout", "390");
  SaveAs(folder.File("second"));
  std::filesystem::remove(folder.File("gone.pfcdesign"));
  kit.UserType(kInputForm, "txtVout", "400");
  SaveAs(folder.File("third"));
  ASSERT_EQ(kept, (std::vector<std::string>{folder.File("third.pfcdesign"),
                                            folder.File("second.pfcdesign"),
                                            folder.File("first.pfcdesign")}));

  kit.AnswerMenus(-1);
  kit.UserClick(kInputForm, kOpenDesignButton);
  ASSERT_EQ(kit.Menus().size(), 1u);
  EXPECT_EQ(kit.Menus()[0].size(), 4u) << "Browse and three files";
  EXPECT_EQ(openRequests.size(), 1u) << "dismissed: nothing asked";

  kit.AnswerMenus(2);  // the second file, saved with Vout 390
  kit.UserShortcut(kInputForm, "Ctrl+O");
  EXPECT_EQ(kit.Text(kInputForm, "txtVout"), "390");
  EXPECT_EQ(Caption(), "second.pfcdesign - " + plainCaption);
  EXPECT_EQ(kept.front(), folder.File("second.pfcdesign"));

  kit.AnswerMenus(0);  // Browse…
  answer.reset();
  kit.UserShortcut(kInputForm, "Ctrl+O");
  EXPECT_EQ(openRequests.size(), 2u);
}

TEST(InputFormDesign, EveryAccessLetterIsItsOwn) {
  std::set<char> letters;
  for (const ControlDescription& control : InputFormDesign().controls) {
    const std::size_t amp = control.text.find('&');
    if (amp == std::string::npos || amp + 1 >= control.text.size()) {
      continue;
    }
    const char letter = static_cast<char>(std::tolower(control.text[amp + 1]));
    EXPECT_TRUE(letters.insert(letter).second) << control.name << " repeats " << letter;
  }
}

// The material of one's own the Operating Check was set to is saved with the design, by
// value, and chosen again when the design is opened in a session that never loaded it.
TEST_F(DesignFileTest, AMaterialOfOnesOwnIsSavedAndChosenAgain) {
  StartAndAccept();
  Material own = *FindRolloffGrade(60);
  own.name = "Mix 60";
  own.b *= 2;
  session.checked.AddMaterial(own);
  SaveAs(folder.File("mix.pfcdesign"));
  ASSERT_TRUE(kit.Messages().empty()) << kit.Messages().front().text;

  kit.UserClick(kInputForm, "cmdExit");
  session.checked.SetGrade(kDefaultRolloffGrade);
  kit.UserClick(kEnterForm, "cmdProcess");
  Open(folder.File("mix.pfcdesign"));
  ASSERT_TRUE(kit.Messages().empty()) << kit.Messages().front().text;
  ASSERT_GE(session.checked.ChosenMaterial(), 0);
  EXPECT_EQ(
      session.checked.OwnMaterials()[static_cast<std::size_t>(session.checked.ChosenMaterial())],
      own);
}

}  // namespace
}  // namespace pfc::ui::testing
