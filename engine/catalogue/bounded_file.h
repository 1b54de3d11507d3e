#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pfc {

// Reads the whole file at path into bytes, or says why not in reason: nothing beyond
// maxBytes is ever read, and a file that is not a regular one (a folder, a pipe, a device) is
// not read at all. kind names what the file should be in the reasons ("a design file").
bool ReadBoundedFile(const std::string& path, std::size_t maxBytes, std::string_view kind,
                     std::string& bytes, std::string& reason);

// The system's words for an errno value.
std::string SystemReason(int error);

}  // namespace pfc
