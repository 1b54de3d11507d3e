#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <system_error>

namespace pfc::test {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pfc-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot create " << pattern;
    return;
  }
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) {
    return;
  }
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace pfc::test
