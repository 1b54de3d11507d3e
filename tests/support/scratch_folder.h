#pragma once

#include <filesystem>
#include <string>

namespace pfc::test {

// A fresh empty folder under the system's temporary folder, removed with everything in it
// when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The path of a name in the folder, as a string for the code that takes one.
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace pfc::test
