#include "engine/check/material_points.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <istream>
#include <span>
#include <utility>

#include "engine/catalogue/bounded_file.h"
#include "engine/catalogue/csv_reader.h"
#include "engine/check/rolloff_grades.h"
#include "engine/record/number_text.h"
#include "engine/record/quoted_text.h"

namespace pfc {
namespace {

constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

constexpr std::string_view kField = "h";
constexpr std::string_view kPercent = "percent";
constexpr std::array<std::string_view, 2> kRolloffColumns = {kField, kPercent};

constexpr std::string_view kFrequency = "f_khz";
constexpr std::string_view kFlux = "b_mt";
constexpr std::string_view kLossPerMass = "w_per_kg";
constexpr std::string_view kLossPerVolume = "mw_per_cm3";
constexpr std::array<std::string_view, 4> kLossColumns = {kFrequency, kFlux, kLossPerMass,
                                                          kLossPerVolume};
constexpr double kMillitesla = 1e-3;  // T

// The numbers of a file of named columns, each row's in the file's column order.
struct NumberRows {
  std::vector<std::string> header;  // trimmed, in lower case
  std::vector<std::vector<double>> rows;
  std::vector<std::uint64_t> lines;
  std::vector<std::vector<std::string>> texts;  // the fields as written, for the messages
  std::string problem;

  std::size_t Column(std::string_view name) const {
    const auto found = std::find(header.begin(), header.end(), name);
    return found == header.end() ? kAbsent : static_cast<std::size_t>(found - header.begin());
  }
};

// "points.csv, line 4, column 2 (percent): ", without the line where a whole column is meant.
std::string Where(const std::string& file, std::uint64_t line, std::size_t column,
                  const std::vector<std::string>& header) {
  std::string where = file;
  if (line > 0)
    where += ", line " + std::to_string(line);
  if (column != kAbsent) {
    where += ", column " + std::to_string(column + 1);
    if (column < header.size())
      where += " (" + header[column] + ")";
  }
  return where + ": ";
}

std::string ColumnList(std::span<const std::string_view> known) {
  std::string list;
  for (const std::string_view name : known)
    list += (list.empty() ? "" : ", ") + std::string(name);
  return list;
}

std::string LowerCase(std::string_view text) {
  std::string lower(TrimBlanks(text));
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  });
  return lower;
}

std::string ReadHeader(const CsvRecord& record, const std::string& file,
                       std::span<const std::string_view> known, NumberRows& rows) {
  if (!record.problem.empty())
    return Where(file, record.line, kAbsent, rows.header) + record.problem;
  for (std::size_t column = 0; column < record.fields.size(); ++column) {
    const std::string name = LowerCase(record.fields[column]);
    if (std::find(known.begin(), known.end(), name) == known.end()) {
      return Where(file, record.line, column, rows.header) + "the header says " +
             QuotedExcerpt(record.fields[column]) + ", which is none of the columns " +
             ColumnList(known);
    }
    if (rows.Column(name) != kAbsent) {
      return Where(file, record.line, column, rows.header) + "the column " + name +
             " is named twice";
    }
    rows.header.push_back(name);
  }
  return {};
}

std::string ReadRow(const CsvRecord& record, const std::string& file, NumberRows& rows) {
  if (!record.problem.empty())
    return Where(file, record.line, kAbsent, rows.header) + record.problem;
  const std::size_t count = record.fields.size();
  if (count != rows.header.size()) {
    const std::size_t at = std::min(count, rows.header.size());
    return Where(file, record.line, at, rows.header) + "the line has " + std::to_string(count) +
           " columns where the header names " + std::to_string(rows.header.size());
  }
  std::vector<double> numbers(count);
  for (std::size_t column = 0; column < count; ++column) {
    if (std::optional<std::string> problem =
            CsvNumberProblem(record.fields[column], numbers[column]))
      return Where(file, record.line, column, rows.header) + *problem;
  }
  rows.rows.push_back(std::move(numbers));
  rows.lines.push_back(record.line);
  rows.texts.push_back(record.fields);
  return {};
}

// A record of which some field is no number: a table's headings.
bool HoldsWords(const CsvRecord& record) {
  double value = 0;
  return std::any_of(record.fields.begin(), record.fields.end(), [&value](const std::string& f) {
    return CsvNumberProblem(f, value).has_value();
  });
}

// The columns are `known` in their order when `headerless`, the first record then a row
// unless it holds words, which head the columns of a spreadsheet's copy.
NumberRows ReadNumberRows(std::string_view bytes, const std::string& file,
                          std::span<const std::string_view> known, bool headerless = false) {
  NumberRows rows;
  if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    rows.problem = file + ": it is empty";
    return rows;
  }
  if (std::optional<std::string> problem = CsvTextProblem(bytes, file, "table of points")) {
    rows.problem = std::move(*problem);
    return rows;
  }
  CsvViewBuffer buffer(bytes);
  std::istream in(&buffer);
  CsvReader reader(in);
  CsvRecord record;
  if (!reader.Next(record)) {
    rows.problem = file + ": it is empty";
    return rows;
  }
  if (!headerless) {
    rows.problem = ReadHeader(record, file, known, rows);
  } else {
    rows.header.assign(known.begin(), known.end());
    if (!HoldsWords(record))
      rows.problem = ReadRow(record, file, rows);
  }
  while (rows.problem.empty() && reader.Next(record))
    rows.problem = ReadRow(record, file, rows);
  return rows;
}

std::string NeedColumn(const NumberRows& rows, const std::string& file, std::string_view name) {
  if (rows.Column(name) != kAbsent)
    return {};
  return file + ", line 1: the header names no column " + std::string(name);
}

std::string TooFew(const std::string& file, std::size_t count, std::size_t fewest) {
  return file + ": it holds " + std::to_string(count) + (count == 1 ? " point" : " points") +
         "; a fit needs at least " + std::to_string(fewest);
}

template <typename Point>
PointsRead<Point> Refused(std::string&& problem) {
  PointsRead<Point> refused;
  refused.problem = std::move(problem);
  return refused;
}

// The value of the row's column must be above zero.
std::string NotAboveZero(const NumberRows& rows, const std::string& file, std::size_t row,
                         std::size_t column) {
  if (rows.rows[row][column] > 0)
    return {};
  return Where(file, rows.lines[row], column, rows.header) +
         QuotedExcerpt(rows.texts[row][column]) + " is not above zero";
}

std::string RolloffRow(const NumberRows& rows, const std::string& file, std::size_t row,
                       FieldUnit unit, RolloffPoint& point) {
  const std::size_t h = rows.Column(kField);
  const std::size_t percent = rows.Column(kPercent);
  std::string problem = NotAboveZero(rows, file, row, h);
  if (!problem.empty())
    return problem;
  point.field = rows.rows[row][h] * (unit == FieldUnit::Oersted ? kAmperesPerMetrePerOersted : 1);
  if (!std::isfinite(point.field)) {
    return Where(file, rows.lines[row], h, rows.header) + QuotedExcerpt(rows.texts[row][h]) +
           " Oe is too large a field to hold in A/m";
  }
  point.percent = rows.rows[row][percent];
  if (!(point.percent > 0 && point.percent <= 100)) {
    return Where(file, rows.lines[row], percent, rows.header) +
           QuotedExcerpt(rows.texts[row][percent]) +
           " is outside (0, 100]: a percent of the initial permeability is above 0 and at most "
           "100";
  }
  point.line = rows.lines[row];
  return {};
}

// Where the loss is and the factor that turns it into W/kg, or the problem.
std::string LossColumn(const NumberRows& rows, const std::string& file,
                       std::optional<double> density, std::size_t& column, double& toWattsPerKg) {
  const std::size_t mass = rows.Column(kLossPerMass);
  const std::size_t volume = rows.Column(kLossPerVolume);
  if (mass != kAbsent && volume != kAbsent) {
    return Where(file, 1, std::max(mass, volume), rows.header) +
           "the loss is given twice: give it per mass (w_per_kg) or per volume (mw_per_cm3)";
  }
  if (mass == kAbsent && volume == kAbsent)
    return file + ", line 1: the header names no loss column (w_per_kg or mw_per_cm3)";
  column = mass != kAbsent ? mass : volume;
  toWattsPerKg = 1;
  if (mass != kAbsent)
    return {};
  if (!density)
    return Where(file, 1, volume, rows.header) + "a loss per volume needs the material's density";
  if (!(*density > 0) || !std::isfinite(*density))
    return file + ": the density " + FormatShortest(*density) + " g/cm³ is not above zero";
  toWattsPerKg = 1 / *density;  // mW/cm³ over g/cm³ is mW/g, which is W/kg
  return {};
}

std::string LossRow(const NumberRows& rows, const std::string& file, std::size_t row,
                    std::size_t lossColumn, double toWattsPerKg, LossPoint& point) {
  const std::size_t f = rows.Column(kFrequency);
  const std::size_t b = rows.Column(kFlux);
  for (const std::size_t column : {f, b, lossColumn}) {
    std::string problem = NotAboveZero(rows, file, row, column);
    if (!problem.empty())
      return problem;
  }
  point.frequency = rows.rows[row][f];
  point.fluxDensity = rows.rows[row][b] * kMillitesla;
  point.loss = rows.rows[row][lossColumn] * toWattsPerKg;
  point.line = rows.lines[row];
  if (!(point.fluxDensity > 0) || !(point.loss > 0) || !std::isfinite(point.loss)) {
    const std::size_t column = point.fluxDensity > 0 ? lossColumn : b;
    return Where(file, point.line, column, rows.header) + QuotedExcerpt(rows.texts[row][column]) +
           " is beyond the numbers the fit can hold";
  }
  return {};
}

// A column whose points all share one value leaves its exponent undetermined.
std::string Varies(const NumberRows& rows, const std::string& file, std::string_view name) {
  const std::size_t column = rows.Column(name);
  const double first = rows.rows.front()[column];
  if (std::any_of(rows.rows.begin(), rows.rows.end(),
                  [&](const std::vector<double>& row) { return row[column] != first; }))
    return {};
  return Where(file, 0, column, rows.header) + "every point is at " + FormatShortest(first) +
         ": the fit needs points at several frequencies and several flux densities";
}

PointsRead<RolloffPoint> RolloffPointsFromRows(const NumberRows& rows, const std::string& fileName,
                                               FieldUnit unit) {
  std::string problem = rows.problem;
  for (const std::string_view column : kRolloffColumns) {
    if (problem.empty())
      problem = NeedColumn(rows, fileName, column);
  }
  PointsRead<RolloffPoint> result;
  for (std::size_t row = 0; problem.empty() && row < rows.rows.size(); ++row)
    problem = RolloffRow(rows, fileName, row, unit, result.points.emplace_back());
  if (problem.empty() && rows.rows.size() < kFewestRolloffPoints)
    problem = TooFew(fileName, rows.rows.size(), kFewestRolloffPoints);
  if (!problem.empty())
    return Refused<RolloffPoint>(std::move(problem));
  result.read = true;
  return result;
}

}  // namespace

PointsRead<RolloffPoint> RolloffPointsFromText(std::string_view bytes, const std::string& fileName,
                                               FieldUnit unit) {
  return RolloffPointsFromRows(ReadNumberRows(bytes, fileName, kRolloffColumns), fileName, unit);
}

PointsRead<RolloffPoint> RolloffPointsFromTable(std::string_view text, const std::string& name,
                                                FieldUnit unit) {
  // A spreadsheet's copy parts its cells with tabs; a tab holds no place in a number.
  std::string csv(text);
  std::replace(csv.begin(), csv.end(), '\t', ',');
  return RolloffPointsFromRows(ReadNumberRows(csv, name, kRolloffColumns, true), name, unit);
}

PointsRead<RolloffPoint> ReadRolloffPointsFile(const std::string& path, FieldUnit unit) {
  std::string bytes;
  std::string reason;
  if (!ReadBoundedFile(path, kPointsFileMaxBytes, "a table of points", bytes, reason))
    return Refused<RolloffPoint>(path + ": " + reason);
  return RolloffPointsFromText(bytes, path, unit);
}

PointsRead<LossPoint> LossPointsFromText(std::string_view bytes, const std::string& fileName,
                                         std::optional<double> density) {
  const NumberRows rows = ReadNumberRows(bytes, fileName, kLossColumns);
  std::string problem = rows.problem;
  for (const std::string_view column : {kFrequency, kFlux}) {
    if (problem.empty())
      problem = NeedColumn(rows, fileName, column);
  }
  std::size_t lossColumn = kAbsent;
  double toWattsPerKg = 1;
  if (problem.empty())
    problem = LossColumn(rows, fileName, density, lossColumn, toWattsPerKg);
  PointsRead<LossPoint> result;
  for (std::size_t row = 0; problem.empty() && row < rows.rows.size(); ++row) {
    problem = LossRow(rows, fileName, row, lossColumn, toWattsPerKg, result.points.emplace_back());
  }
  if (problem.empty() && rows.rows.size() < kFewestLossPoints)
    problem = TooFew(fileName, rows.rows.size(), kFewestLossPoints);
  for (const std::string_view column : {kFrequency, kFlux}) {
    if (problem.empty())
      problem = Varies(rows, fileName, column);
  }
  if (!problem.empty())
    return Refused<LossPoint>(std::move(problem));
  result.read = true;
  return result;
}

PointsRead<LossPoint> ReadLossPointsFile(const std::string& path, std::optional<double> density) {
  std::string bytes;
  std::string reason;
  if (!ReadBoundedFile(path, kPointsFileMaxBytes, "a table of points", bytes, reason))
    return Refused<LossPoint>(path + ": " + reason);
  return LossPointsFromText(bytes, path, density);
}

}  // namespace pfc
