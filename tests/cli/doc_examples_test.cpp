#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

// The README's and the man page's examples whose output they show, run by the built program
// in a folder of their own, in the order the text gives them: a shown output that the program
// no longer prints fails here, not in a reader's terminal.
namespace pfc {
namespace {

// One "$ command" of a text and the lines shown after it. "..." ends what is compared: the
// text shows only the start of a long output.
struct Example {
  std::string command;
  std::vector<std::string> shown;
  bool onlyTheStart = false;
  int line = 0;
};

// The roff escapes the man page's examples use, read as a terminal shows them.
std::string Unescaped(const std::string& roff) {
  std::string text;
  for (std::size_t i = 0; i < roff.size(); ++i) {
    if (roff[i] == '\\' && i + 1 < roff.size()) {
      const char next = roff[++i];
      if (next == 'e')
        text += '\\';
      else if (next != '&')
        text += next;  // \- and the like
      continue;
    }
    text += roff[i];
  }
  return text;
}

// The examples of the text's blocks between a line starting with `open` and one starting
// with `close`.
std::vector<Example> ExamplesOf(const std::string& path, const std::string& open,
                                const std::string& close, bool roff) {
  std::ifstream file(path);
  std::vector<Example> examples;
  bool inBlock = false;
  bool inExample = false;
  int number = 0;
  for (std::string line; std::getline(file, line);) {
    ++number;
    if (!inBlock) {
      inBlock = line.starts_with(open);
      continue;
    }
    if (line.starts_with(close)) {
      inBlock = inExample = false;
      continue;
    }
    if (roff)
      line = Unescaped(line);
    if (line.starts_with("$ ")) {
      examples.push_back(Example{line.substr(2), {}, false, number});
      inExample = true;
    } else if (inExample && line == "...") {
      examples.back().onlyTheStart = true;
    } else if (inExample && !examples.back().onlyTheStart) {
      examples.back().shown.push_back(line);
    }
  }
  return examples;
}

// Runs the command in the folder with pfc-core on the path; standard output and error as
// one text, as a terminal shows them.
std::string Run(const std::string& command, const std::filesystem::path& folder) {
  const std::string program = std::filesystem::path(PFC_CORE_PATH).parent_path().string();
  std::string shell = "cd '" + folder.string() + "' && PATH='" + program + "':\"$PATH\" && { ";
  for (std::string rest = command; !rest.empty();) {
    // The README runs the program from the build folder; here it is on the path.
    const std::string built = "./build/bin/pfc-core";
    const std::size_t at = rest.find(built);
    shell += rest.substr(0, at);
    if (at == std::string::npos)
      break;
    shell += "pfc-core";
    rest = rest.substr(at + built.size());
  }
  shell += "; } 2>&1";
  std::string output;
  FILE* pipe = popen(shell.c_str(), "r");
  std::array<char, 4096> buffer{};
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    output.append(buffer.data(), n);
  pclose(pipe);
  // The texts show the files of a user's home folder.
  for (std::size_t at; (at = output.find(folder.string())) != std::string::npos;)
    output.replace(at, folder.string().size(), "/home/me");
  return output;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\n";
  return text;
}

void RunExamples(const std::string& document, const std::vector<Example>& examples) {
  ASSERT_FALSE(examples.empty()) << document << " shows no example";
  test::ScratchFolder folder;
  for (const Example& example : examples) {
    SCOPED_TRACE(document + ":" + std::to_string(example.line) + ": $ " + example.command);
    // An input file the text shows with cat is written as shown.
    const std::string file = example.command.starts_with("cat ") ? example.command.substr(4) : "";
    if (!file.empty() && !std::filesystem::exists(folder.Path() / file)) {
      test::WriteFile(folder.File(file), Lines(example.shown));
      continue;
    }
    const std::string output = Run(example.command, folder.Path());
    const std::string shown = Lines(example.shown);
    if (shown.empty())
      continue;  // run for what it leaves behind (a file), its output not shown
    if (example.onlyTheStart)
      EXPECT_EQ(output.substr(0, shown.size()), shown);
    else
      EXPECT_EQ(output, shown);
  }
}

TEST(DocExamples, TheReadmeShowsWhatTheProgramPrints) {
  RunExamples("README.md",
              ExamplesOf(std::string(PFC_SOURCE_DIR) + "/README.md", "```", "```", false));
}

TEST(DocExamples, TheManPageShowsWhatTheProgramPrints) {
  RunExamples("pfc-core.1",
              ExamplesOf(std::string(PFC_SOURCE_DIR) + "/docs/man/pfc-core.1", ".EX", ".EE", true));
}

}  // namespace
}  // namespace pfc
