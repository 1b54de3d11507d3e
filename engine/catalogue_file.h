#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue.h"

// A core catalogue of the user's own, as a CSV file in the form `pfc-core cores --csv`
// writes the built-in one: a header naming the catalogue's columns with their units, then
// one core per row, in catalogue order.
namespace pfc {

// Larger files are refused unread; a thousand rows take some 70 kB.
inline constexpr std::size_t kCatalogueFileMaxBytes = std::size_t{1024} * 1024;
inline constexpr int kCatalogueMaxRows = 1000;
// Every number of a core lies in this range, whatever its unit: a micrometre to a kilometre,
// a microgram to a tonne. Beyond it the method's products and quotients leave the doubles
// (a section of 1e-300 cm² times the turns is zero, and the flux swing divides by it).
inline constexpr double kCatalogueSmallestNumber = 1e-6;
inline constexpr double kCatalogueLargestNumber = 1e6;

// One column of the file: the header's text and where its values go; the part number has no
// numbers.
struct CatalogueColumn {
  std::string_view header;
  std::vector<double> CoreCatalogue::*numbers;
};

// The columns in file order: part number, OD, ID, HT, mass, path length, area, AL, window
// area, area product.
std::span<const CatalogueColumn> CatalogueColumns();

// Where the catalogue of a session came from. The built-in catalogue has no file.
struct CatalogueOrigin {
  std::string file;    // absolute path as it was loaded; empty for the built-in catalogue
  std::string sha256;  // of the file's bytes, 64 lowercase hexadecimal digits

  bool BuiltIn() const { return file.empty(); }
  bool operator==(const CatalogueOrigin&) const = default;
};

// How reading a catalogue ended. A refusal names the file, and the line and column where
// they apply, and says what is wrong; its catalogue is empty.
struct CatalogueRead {
  bool read = false;
  CoreCatalogue catalogue;
  CatalogueOrigin origin;
  std::string problem;  // empty when read
};

// Checks the bytes row by row; fileName is only for the messages and the origin (whose hash
// the caller fills in).
CatalogueRead CatalogueFromText(std::string_view bytes, const std::string& fileName);

// Reads the file, refusing anything that is not a regular file of at most
// kCatalogueFileMaxBytes before reading it; the origin holds the absolute path and the
// SHA-256 of the bytes read.
CatalogueRead ReadCatalogueFile(const std::string& path);

// SHA-256 of the bytes as 64 lowercase hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

}  // namespace pfc
