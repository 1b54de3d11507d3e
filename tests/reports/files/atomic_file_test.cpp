#include "reports/files/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

using test::FolderEntries;
using test::ReadFile;
using test::ScratchFolder;
using test::WriteFile;

TEST(WriteFileAtomically, CreatesThenReplacesWithoutLeavingScratchFiles) {
  ScratchFolder folder;
  const std::string path = (folder.Path() / "temp.htm").string();
  const std::string first(70000, 'a');
  const std::string second = "short";

  FileWriteResult result = WriteFileAtomically(path, first);
  EXPECT_TRUE(result.written) << result.Message();
  EXPECT_EQ(result.path, path);
  EXPECT_EQ(ReadFile(path), first);

  result = WriteFileAtomically(path, second);
  EXPECT_TRUE(result.written) << result.Message();
  EXPECT_EQ(ReadFile(path), second) << "a shorter report leaves no tail of the longer one";
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"temp.htm"});
}

// Every name in the folder and below, with its kind and a regular file's bytes: what a
// refused write must leave as it found it.
std::vector<std::string> Snapshot(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::filesystem::file_status status = entry.symlink_status();
    std::string name = entry.path().lexically_relative(folder).string() + " " +
                       std::to_string(static_cast<int>(status.type()));
    if (status.type() == std::filesystem::file_type::regular)
      name += " " + ReadFile(entry.path());
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct RefusedCase {
  const char* name;
  std::function<void(const std::filesystem::path& folder)> make;  // what is in the way
  const char* written;                                            // the path the caller writes
  std::string reason;
};

class RefusedWrite : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedWrite, NamesThePathAndReasonAndLeavesTheFolderAsItWas) {
  ScratchFolder folder;
  GetParam().make(folder.Path());
  const std::vector<std::string> before = Snapshot(folder.Path());
  const std::string path = (folder.Path() / GetParam().written).string();
  const FileWriteResult result = WriteFileAtomically(path, "report");
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.path, path);
  EXPECT_EQ(result.reason, GetParam().reason);
  EXPECT_EQ(result.Message(), "Cannot write " + path + ": " + GetParam().reason);
  EXPECT_EQ(Snapshot(folder.Path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    InTheWay, RefusedWrite,
    ::testing::Values(RefusedCase{"AFileForAFolder",
                                  [](const auto& f) { WriteFile(f / "plain", "not a folder"); },
                                  "plain/temp.htm", "Not a directory"},
                      RefusedCase{"AMissingFolder", [](const auto&) {}, "missing/temp.htm",
                                  "No such file or directory"},
                      RefusedCase{"AFolderInThePlaceOfTheFile",
                                  [](const auto& f) {
                                    std::filesystem::create_directory(f / "temp.htm");
                                    WriteFile(f / "temp.htm" / "inside", "kept");
                                  },
                                  "temp.htm", std::generic_category().message(EISDIR)},
                      RefusedCase{
                          "APipe",
                          [](const auto& f) { ASSERT_EQ(::mkfifo((f / "pipe").c_str(), 0600), 0); },
                          "pipe", kNotARegularFile},
                      RefusedCase{"LinksInALoop",
                                  [](const auto& f) {
                                    std::filesystem::create_symlink("b", f / "a");
                                    std::filesystem::create_symlink("a", f / "b");
                                  },
                                  "a", std::generic_category().message(ELOOP)}),
    [](const auto& info) { return std::string(info.param.name); });

// A link is written through: the link stays, and the file it ends at gets the bytes, even
// through a chain, a relative target, or a target not yet there.
struct LinkCase {
  const char* name;
  std::vector<std::pair<const char*, const char*>> links;  // link name, what it points to
  const char* written;                                     // the path the caller writes
  const char* endsAt;                                      // the file that gets the bytes
};

class ThroughLinks : public ::testing::TestWithParam<LinkCase> {};

TEST_P(ThroughLinks, TheLinkStaysAndItsFileGetsTheBytes) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder.Path() / "designs");
  WriteFile(folder.Path() / "designs" / "boost.pfcdesign", "old");
  for (const auto& [link, target] : GetParam().links)
    std::filesystem::create_symlink(target, folder.Path() / link);
  const std::string path = (folder.Path() / GetParam().written).string();

  const FileWriteResult result = WriteFileAtomically(path, "new");
  EXPECT_TRUE(result.written) << result.Message();
  EXPECT_EQ(result.path, path) << "messages name the path the user gave";
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_EQ(ReadFile(folder.Path() / GetParam().endsAt), "new");
  EXPECT_EQ(FolderEntries(folder.Path() / "designs").size(),
            std::filesystem::exists(folder.Path() / "designs" / "fresh.pfcdesign") ? 2u : 1u)
      << "no scratch file left beside the target";
}

INSTANTIATE_TEST_SUITE_P(Links, ThroughLinks,
                         ::testing::Values(LinkCase{"Relative",
                                                    {{"current", "designs/boost.pfcdesign"}},
                                                    "current",
                                                    "designs/boost.pfcdesign"},
                                           LinkCase{"Chain",
                                                    {{"current", "latest"},
                                                     {"latest", "designs/boost.pfcdesign"}},
                                                    "current",
                                                    "designs/boost.pfcdesign"},
                                           LinkCase{"ToAFileNotYetThere",
                                                    {{"current", "designs/fresh.pfcdesign"}},
                                                    "current",
                                                    "designs/fresh.pfcdesign"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteFileAtomically, AReplacedFileKeepsItsPermissions) {
  ScratchFolder folder;
  for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0755}}) {
    const std::string path = (folder.Path() / "kept").string();
    WriteFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "new").written);
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, mode);
  }
}

TEST(WriteFileAtomically, AVeryLongNameStillGetsAScratchFileBesideIt) {
  ScratchFolder folder;
  const std::string path = (folder.Path() / std::string(250, 'r')).string();
  const FileWriteResult result = WriteFileAtomically(path, "report");
  EXPECT_TRUE(result.written) << result.Message();
  EXPECT_EQ(ReadFile(path), "report");
}

// A write that fails half-way (here: the file-size limit is hit after 4 KiB) must leave the
// old report whole and no scratch file behind. Limits belong to the process, so the write
// runs in a child.
TEST(WriteFileAtomically, AWriteThatFailsHalfWayKeepsTheOldFile) {
  ScratchFolder folder;
  const std::string path = (folder.Path() / "temp.htm").string();
  const std::string old = "the previous report";
  WriteFile(path, old);

  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);  // get EFBIG from write instead of a signal
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const FileWriteResult result = WriteFileAtomically(path, std::string(100000, 'n'));
    ::_exit(result.written ? 1 : result.reason == "File too large" ? 0 : 2);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported success, 2: wrong reason";
  EXPECT_EQ(ReadFile(path), old);
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"temp.htm"});
}

TEST(AtomicFileWriter, ThePiecesReplaceTheFileOnlyAtCommit) {
  ScratchFolder folder;
  const std::string path = (folder.Path() / "rows.csv").string();
  WriteFile(path, "old rows");
  AtomicFileWriter file(path);
  ASSERT_TRUE(file.ok()) << file.status().Message();
  file.Write("a,b\r\n");
  file.Write(std::string(100000, 'x'));
  EXPECT_EQ(ReadFile(path), "old rows") << "nothing shows before the commit";
  const FileWriteResult result = file.Commit();
  EXPECT_TRUE(result.written) << result.Message();
  EXPECT_EQ(ReadFile(path), "a,b\r\n" + std::string(100000, 'x'));
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"rows.csv"});
}

TEST(AtomicFileWriter, AWriterLeftWithoutCommitKeepsTheOldFileAndNoScratch) {
  ScratchFolder folder;
  const std::string path = (folder.Path() / "rows.csv").string();
  WriteFile(path, "old rows");
  {
    AtomicFileWriter file(path);
    file.Write("half of the new rows");
  }
  EXPECT_EQ(ReadFile(path), "old rows");
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"rows.csv"});
}

TEST(AtomicFileWriter, AFolderThatCannotBeWrittenFailsAtOnceWithPathAndReason) {
  ScratchFolder folder;
  const std::string path = (folder.Path() / "missing" / "rows.csv").string();
  AtomicFileWriter file(path);
  EXPECT_FALSE(file.ok());
  file.Write("ignored");
  const FileWriteResult result = file.Commit();
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.path, path);
  EXPECT_EQ(result.reason, "No such file or directory");
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{});
}

}  // namespace
}  // namespace pfc
