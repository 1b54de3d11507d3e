#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/catalogue/catalogue_file.h"
#include "engine/check/built_part.h"
#include "engine/check/design_limits.h"
#include "engine/method/design_run.h"
#include "reports/check/known_rolloff_grades.h"
#include "reports/files/atomic_file.h"

// A design kept as a file: the input form as the user left it, so that opening it and
// pressing "Show Results" repeats the run bit for bit. Results are not kept; they are
// recomputed. The format is described in docs/design-file-format.md.
namespace pfc {

inline constexpr const char* kDesignFileExtension = ".pfcdesign";
inline constexpr const char* kDesignFileMediaType = "application/x-pfc-design";
// Larger files are refused before they are read: a design is a few hundred bytes.
inline constexpr std::size_t kDesignFileMaxBytes = std::size_t{1024} * 1024;

struct DesignFile {
  // Every text as typed. chkPickCore is the calculator type ("Pick From List" ticked) and
  // txtCoreSize the chosen pick-list entry.
  EntryTexts entries;
  // The limits the design is judged by; a file holds only those that differ from the
  // defaults, and a limit it does not hold is the default (no ripple limit).
  DesignLimits limits;
  CatalogueOrigin cores{};  // the catalogue the design is made on
  // The part as built: its material (a grade, or a material of one's own by value) and
  // its given winding. Its core and stack are the entries'; they are not kept twice.
  BuiltPart part = {};
};

// How opening a design file ended. A failure carries the path and why, and the form's
// defaults as the design, so the caller can show the message and change nothing.
struct DesignFileRead {
  bool read = false;
  DesignFile design;
  std::string path;
  std::string reason;  // empty when read

  // "Cannot open <path>: <reason>", for message boxes and stderr.
  std::string Message() const;
};

// The file's bytes: indented JSON, UTF-8, ending in a line break.
std::string DesignFileText(const DesignFile& design);

// Reads the bytes of a design file; the path of the result is empty. Every field's type is
// checked and unknown fields are ignored; a field left out keeps the form's default.
DesignFileRead DesignFileFromText(std::string_view text);

// Reads the file at path, refusing anything that is not a regular file of at most
// kDesignFileMaxBytes before reading it.
DesignFileRead ReadDesignFile(const std::string& path);

// Replaces the file at path atomically (see WriteFileAtomically): the old file stays
// whole when the new one cannot be written.
FileWriteResult WriteDesignFile(const std::string& path, const DesignFile& design);

}  // namespace pfc
