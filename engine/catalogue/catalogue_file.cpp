#include "engine/catalogue/catalogue_file.h"

#include <nettle/sha2.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <istream>
#include <optional>
#include <streambuf>
#include <system_error>
#include <unordered_map>

#include "engine/catalogue/bounded_file.h"
#include "engine/catalogue/csv_reader.h"
#include "engine/record/number_text.h"

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

// The bytes as a stream for the CSV reader, without a copy.
class ViewBuffer : public std::streambuf {
 public:
  explicit ViewBuffer(std::string_view bytes) {
    char* begin = const_cast<char*>(bytes.data());  // only ever read
    setg(begin, begin, begin + bytes.size());
  }
};

// "cores.csv, line 4, column 3 (ID (mm))": where a message is about.
std::string Where(const std::string& file, std::uint64_t line, std::size_t column = 0) {
  std::string where = file + ", line " + std::to_string(line);
  if (column > 0)
    where += ", column " + std::to_string(column);
  if (column > 0 && column <= kColumns.size())
    where += " (" + std::string(kColumns[column - 1].header) + ")";
  return where + ": ";
}

std::string Quoted(std::string_view text) {
  return QuotedField(text);
}

// The length of the UTF-8 character starting at text[at], 0 when none starts there.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead < 0x80)
    return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
    high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
    return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
      return 0;
  }
  return length;
}

// A catalogue is UTF-8 text: a control character other than a tab or a line end, or bytes
// that are no UTF-8, mean it is some other kind of file.
std::optional<std::string> CheckText(std::string_view bytes, const std::string& file) {
  std::uint64_t line = 1;
  std::size_t lineStart = 0;
  const auto where = [&](std::size_t at) {
    return Where(file, line) + "byte " + std::to_string(at - lineStart + 1) + " of the line ";
  };
  for (std::size_t at = 0; at < bytes.size();) {
    const auto c = static_cast<unsigned char>(bytes[at]);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
      return where(at) + "is a control character (" + std::to_string(c) +
             "): this is a binary file, not a CSV catalogue";
    }
    const std::size_t length = Utf8Length(bytes, at);
    if (length == 0)
      return where(at) + "is not UTF-8 text: save the catalogue as UTF-8 CSV";
    if (c == '\n') {
      ++line;
      lineStart = at + 1;
    }
    at += length;
  }
  return std::nullopt;
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
  return Where(file, record.line, kColumns.size() + 1) + Quoted(record.fields[kColumns.size()]) +
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
             Quoted(record.fields[column]) + " where \"" + std::string(kColumns[column].header) +
             "\" belongs";
    }
  }
  return std::nullopt;
}

std::optional<std::string> CheckPartNo(std::string_view partNo) {
  if (partNo.empty())
    return "the part number is empty";
  if (partNo.find_first_of(" \t") != std::string_view::npos) {
    return "the part number " + Quoted(partNo) +
           " holds a blank, which the core list would take for its end";
  }
  if (std::any_of(partNo.begin(), partNo.end(), [](char c) { return c == '\r' || c == '\n'; }))
    return "the part number " + Quoted(partNo) + " holds a line break";
  return std::nullopt;
}

// The number of a field: finite, above zero and in range, in plain or exponent form.
std::optional<std::string> ReadNumber(std::string_view field, double& value) {
  const std::string_view text = TrimBlanks(field);
  if (text.empty())
    return "the field is empty where a number belongs";
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end != text.data() + text.size() ||
      (error != std::errc() && error != std::errc::result_out_of_range))
    return Quoted(field) + " is not a number";
  if (error == std::errc::result_out_of_range)
    return Quoted(field) + " is too large or too small a number to hold";
  if (!std::isfinite(value))
    return Quoted(field) + " is not a finite number";
  if (!(value > 0))
    return Quoted(field) + " is not above zero";
  if (value < kCatalogueSmallestNumber || value > kCatalogueLargestNumber) {
    return Quoted(field) + " is outside the range of a core's numbers (" +
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
             Quoted(catalogue.PartNo.back()) + " is on line " + std::to_string(first->second) +
             " already";
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
  if (std::optional<std::string> problem = CheckText(bytes, fileName))
    return Refused(std::move(*problem));
  ViewBuffer buffer(bytes);
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
