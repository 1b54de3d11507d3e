// Runs a fuzz target once on each committed seed, without libFuzzer, so that every test
// build checks the target's properties on its corpus: <target>_replay <folder or file>...
// A broken property aborts, as under the fuzzer; the input's name is printed first so the
// failure names it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// The files named, folders expanded one level, each folder's files in name order so that a
// failure repeats in the same order. An empty string means all were listed.
std::string ListInputs(int argc, char** argv, std::vector<fs::path>& inputs) {
  for (int i = 1; i < argc; ++i) {
    const fs::path argument(argv[i]);
    std::error_code error;
    if (fs::is_regular_file(argument, error)) {
      inputs.push_back(argument);
      continue;
    }
    if (!fs::is_directory(argument, error))
      return "no such file or folder: " + argument.string();
    std::vector<fs::path> files;
    for (fs::directory_iterator it(argument, error), end; !error && it != end;
         it.increment(error)) {
      if (it->is_regular_file(error))
        files.push_back(it->path());
    }
    if (error)
      return "cannot list " + argument.string() + ": " + error.message();
    std::sort(files.begin(), files.end());
    inputs.insert(inputs.end(), files.begin(), files.end());
  }
  return {};
}

// A buffer of exactly the input's size, as libFuzzer passes it, so that reading past the
// end is a heap overflow the sanitizers see.
bool ReadInput(const fs::path& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file)
    return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <folder or file>...\n", argv[0]);
    return 2;
  }
  std::vector<fs::path> inputs;
  if (const std::string problem = ListInputs(argc, argv, inputs); !problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    return 1;
  }
  if (inputs.empty()) {
    std::fprintf(stderr, "no inputs to replay\n");
    return 1;
  }
  for (const fs::path& input : inputs) {
    std::vector<std::uint8_t> bytes;
    if (!ReadInput(input, bytes)) {
      std::fprintf(stderr, "cannot read %s\n", input.c_str());
      return 1;
    }
    std::fprintf(stderr, "replaying %s\n", input.c_str());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return 0;
}
