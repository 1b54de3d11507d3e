#include "engine/catalogue/catalogue_file.h"

#include <nettle/sha2.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <istream>
#include <optional>
#include <system_error>
#include <unordered_map>

#include "engine/catalogue/bounded_file.h"
#include "engine/catalogue/csv_reader.h"
#include "engine/record/number_text.h"
#include "engine/record/quoted_text.h"

namespace pfc {
namespace {

constexpr std::array<CatalogueColumn, 10> kColumns{{
    {"PartNo", nullptr},
    {"OD (mm)", &CoreCatalogue::OD},
    {"ID (mm)", &CoreCatalogue::ID},
    {"HT (mm)", &CoreCatalogue::HT},
    {"Mass (g)", &CoreCatalogue::Mass},
    {"Lm (cm)", &CoreCatalogue::Lm},
    {"Ac (cm²)", &CoreCatalogue::Ac},
    {"Al (nH/turn²)", &CoreCatalogue::Al},
    {"Wa (cm²)", &CoreCatalogue::Wa},
    {"WaAc (cm⁴)", &CoreCatalogue::WaAc},
}};
constexpr std::size_t kPartNo = 0;
constexpr std::size_t kOD = 1;
constexpr std::size_t kID = 2;
constexpr std::size_t kWaAc = 9;

// "cores.csv, line 4, column 3 (ID (mm))": where a message is about.
std::string Where(const std::string& file, std::uint64_t line, std::size_t column = 0) {
  std::string where = file + ", line " + std::to_string(line);
  if (column > 0)
    where += ", column " + std::to_string(column);
  if (column > 0 && column <= kColumns.size())
    where += " (" + std::string(kColumns[column - 1].header) + ")";
  return where + ": ";
}

bool SameHeader(std::string_view given, std::string_view wanted) {
  given = TrimBlanks(given);
  return std::equal(given.begin(), given.end(), wanted.begin(), wanted.end(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

std::string ColumnList() {
  std::string list;
  for (const CatalogueColumn& column : kColumns)
    list += (list.empty() ? "" : ", ") + std::string(column.header);
  return list;
}

// A missing or extra column of a record with the wrong number of fields.
std::string CountProblem(const CsvRecord& record, const std::string& file) {
  const std::size_t count = record.fields.size();
  if (count < kColumns.size()) {
    return Where(file, record.line, count + 1) + "missing: the line has " + std::to_string(count) +
           " columns where the catalogue has " + std::to_string(kColumns.size()) + " (" +
           ColumnList() + ")";
  }
  return Where(file, record.line, kColumns.size() + 1) +
         QuotedExcerpt(record.fields[kColumns.size()]) +
         " is a column too many: the catalogue has " + std::to_string(kColumns.size()) +
         " columns (" + ColumnList() + ")";
}

std::optional<std::string> CheckHeader(const CsvRecord& record, const std::string& file) {
  if (!record.problem.empty())
    return Where(file, record.line) + record.problem;
  if (record.fields.size() != kColumns.size())
    return CountProblem(record, file);
  for (std::size_t column = 0; column < kColumns.size(); ++column) {
    if (!SameHeader(record.fields[column], kColumns[column].header)) {
      return Where(file, record.line, column + 1) + "the header says " +
             QuotedExcerpt(record.fields[column]) + " where \"" +
             std::string(kColumns[column].header) + "\" belongs";
    }
  }
  return std::nullopt;
}

std::optional<std::string> CheckPartNo(std::string_view partNo) {
  if (partNo.empty())
    return "the part number is empty";
  if (partNo.find_first_of(" \t") != std::string_view::npos) {
    return "the part number " + QuotedExcerpt(partNo) +
           " holds a blank, which the core list would take for its end";
  }
  if (std::any_of(partNo.begin(), partNo.end(), [](char c) { return c == '\r' || c == '\n'; }))
    return "the part number " + QuotedExcerpt(partNo) + " holds a line break";
  return std::nullopt;
}

// The number of a field: finite, above zero and in range.
std::optional<std::string> ReadNumber(std::string_view field, double& value) {
  if (std::optional<std::string> problem = CsvNumberProblem(field, value))
    return problem;
  if (!(value > 0))
    return QuotedExcerpt(field) + " is not above zero";
  if (value < kCatalogueSmallestNumber || value > kCatalogueLargestNumber) {
    return QuotedExcerpt(field) + " is outside the range of a core's numbers (" +
           FormatShortest(kCatalogueSmallestNumber) + " to " +
           FormatShortest(kCatalogueLargestNumber) + ")";
  }
  return std::nullopt;
}

// One row into the catalogue's next index, or the problem with it.
std::optional<std::string> ReadRow(const CsvRecord& record, const std::string& file,
                                   CoreCatalogue& catalogue) {
  if (!record.problem.empty())
    return Where(file, record.line) + record.problem;
  if (record.fields.size() != kColumns.size())
    return CountProblem(record, file);
  if (std::optional<std::string> problem = CheckPartNo(record.fields[kPartNo]))
    return Where(file, record.line, kPartNo + 1) + *problem;
  std::array<double, kColumns.size()> values{};
  for (std::size_t column = kPartNo + 1; column < kColumns.size(); ++column) {
    if (std::optional<std::string> problem = ReadNumber(record.fields[column], values[column]))
      return Where(file, record.line, column + 1) + *problem;
  }
  if (!(values[kID] < values[kOD])) {
    return Where(file, record.line, kID + 1) + "the inner diameter " + FormatShortest(values[kID]) +
           " mm is not below the outer diameter " + FormatShortest(values[kOD]) + " mm";
  }
  if (catalogue.RowCount() > 0 && values[kWaAc] < catalogue.WaAc.back()) {
    return Where(file, record.line, kWaAc + 1) + "the area product " +
           FormatShortest(values[kWaAc]) + " cm⁴ is below the row before's " +
           FormatShortest(catalogue.WaAc.back()) +
           " cm⁴: the core selection takes the rows in ascending area product";
  }
  catalogue.PartNo.push_back(record.fields[kPartNo]);
  for (std::size_t column = kPartNo + 1; column < kColumns.size(); ++column)
    (catalogue.*kColumns[column].numbers).push_back(values[column]);
  return std::nullopt;
}

CatalogueRead Refused(std::string problem) {
  CatalogueRead refused;
  refused.problem = std::move(problem);
  return refused;
}

void StartEmpty(CoreCatalogue& catalogue) {
  catalogue.PartNo.assign(1, std::string());
  for (const CatalogueColumn& column : kColumns) {
    if (column.numbers != nullptr)
      (catalogue.*column.numbers).assign(1, 0.0);
  }
}

std::optional<std::string> ReadRows(CsvReader& reader, const std::string& file,
                                    CoreCatalogue& catalogue) {
  std::unordered_map<std::string, std::uint64_t> lineOfPartNo;
  CsvRecord record;
  while (reader.Next(record)) {
    if (catalogue.RowCount() == kCatalogueMaxRows) {
      return Where(file, record.line) + "more than " + std::to_string(kCatalogueMaxRows) +
             " cores; a catalogue holds at most " + std::to_string(kCatalogueMaxRows);
    }
    if (std::optional<std::string> problem = ReadRow(record, file, catalogue))
      return problem;
    const auto [first, added] = lineOfPartNo.emplace(catalogue.PartNo.back(), record.line);
    if (!added) {
      return Where(file, record.line, kPartNo + 1) + "the part number " +
             QuotedExcerpt(catalogue.PartNo.back()) + " is on line " +
             std::to_string(first->second) + " already";
    }
  }
  if (catalogue.RowCount() == 0)
    return file + ": it holds no cores, only its header";
  return std::nullopt;
}

}  // namespace

std::span<const CatalogueColumn> CatalogueColumns() {
  return kColumns;
}

CatalogueRead CatalogueFromText(std::string_view bytes, const std::string& fileName) {
  if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos)
    return Refused(fileName + ": it is empty");
  if (std::optional<std::string> problem = CsvTextProblem(bytes, fileName, "catalogue"))
    return Refused(std::move(*problem));
  CsvViewBuffer buffer(bytes);
  std::istream in(&buffer);
  CsvReader reader(in);
  CsvRecord header;
  if (!reader.Next(header))
    return Refused(fileName + ": it is empty");
  if (std::optional<std::string> problem = CheckHeader(header, fileName))
    return Refused(std::move(*problem));
  CatalogueRead result;
  StartEmpty(result.catalogue);
  if (std::optional<std::string> problem = ReadRows(reader, fileName, result.catalogue))
    return Refused(std::move(*problem));
  result.read = true;
  result.origin.file = fileName;
  return result;
}

CatalogueRead ReadCatalogueFile(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  const std::string file = error ? path : absolute.lexically_normal().string();
  std::string bytes;
  std::string reason;
  if (!ReadBoundedFile(file, kCatalogueFileMaxBytes, "a core catalogue", bytes, reason))
    return Refused(file + ": " + reason);
  CatalogueRead result = CatalogueFromText(bytes, file);
  if (result.read)
    result.origin.sha256 = Sha256Hex(bytes);
  return result;
}

std::string Sha256Hex(std::string_view bytes) {
  sha256_ctx context;
  sha256_init(&context);
  sha256_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
  std::array<std::uint8_t, SHA256_DIGEST_SIZE> digest{};
  sha256_digest(&context, digest.size(), digest.data());
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string hex;
  for (const std::uint8_t byte : digest) {
    hex.push_back(kHex[byte >> 4]);
    hex.push_back(kHex[byte & 0x0F]);
  }
  return hex;
}

}  // namespace pfc
