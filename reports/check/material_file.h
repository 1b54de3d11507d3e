#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/check/material.h"

// A powder of the engineer's own, kept as a small JSON document: its name, its initial
// permeability, its roll-off fit and, if the supplier gives one, its loss fit. The check
// uses it exactly as a built-in grade. docs/operating-check.md describes the file.
namespace pfc {

// Larger files are refused before they are read: a material is a few lines.
inline constexpr std::size_t kMaterialFileMaxBytes = std::size_t{64} * 1024;

// The longest name a material may have: it heads the check's columns and names its files.
inline constexpr std::size_t kMaterialNameMaxBytes = 60;

// How reading a material ended. A failure carries the path and why.
struct MaterialFileRead {
  bool read = false;
  Material material;
  std::string path;
  std::string reason;  // empty when read
  std::string key;     // the key refused; empty when the document is refused as a whole

  // "Cannot use the material file <path>: <reason>", for message boxes and stderr.
  std::string Message() const;
};

// Reads the bytes of a material file; the path of the result is empty. Refused: text that is
// not a JSON object, an unknown key, a missing key, a value of the wrong type, a number that
// is not finite and positive, rolloff_c of 1 or less, part of the loss fit without the rest,
// and a name that is empty, too long, holds a control character or a slash, or is the name
// of a built-in grade.
MaterialFileRead MaterialFromText(std::string_view text);

// The text of a material file that MaterialFromText reads back as this material, its numbers
// in their shortest exact form; with the loss fit only when withLoss (else the method's
// applies). A name that is not UTF-8 has its bad bytes replaced, and so reads back otherwise.
std::string MaterialFileText(const Material& material, bool withLoss);

// The file of a material just made (fitted to a supplier's points), checked by reading it
// back as a material file is read. Written only when it reads back as the material; else
// the problem says why not.
struct NewMaterialFile {
  bool written = false;
  std::string text;
  std::string problem;  // empty when written
  std::string key;      // the key of the material file refused; empty when written
};
NewMaterialFile NewMaterialFileText(const Material& material, bool withLoss);

// Reads the file at path, refusing anything that is not a regular file of at most
// kMaterialFileMaxBytes before reading it.
MaterialFileRead ReadMaterialFile(const std::string& path);

}  // namespace pfc
