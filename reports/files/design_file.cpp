#include "reports/files/design_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <system_error>
#include <utility>

#include "engine/catalogue/bounded_file.h"
#include "engine/inputs/entries.h"
#include "engine/record/quoted_text.h"
#include "reports/check/material_file.h"

namespace pfc {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kFormatName = "pfc-design";
constexpr int kMajorVersion = 1;
// 1.1 added "ripple-limit", "cores" and "winding", 1.2 "min-inductance", "max-temperature",
// "al-tolerance" and "material"; earlier programs ignore the fields.
constexpr const char* kVersionWritten = "1.2";
constexpr const char* kMaterial = "material";
constexpr const char* kWinding = "winding";
constexpr const char* kTurns = "turns";
constexpr const char* kWire = "wire";
constexpr const char* kStrands = "strands";
constexpr const char* kCalculatorSelects = "selects";
constexpr const char* kCalculatorPicks = "picks";

DesignFileRead Refused(std::string reason) {
  DesignFileRead result;
  result.reason = std::move(reason);
  return result;
}

// JSON's type names in the words of the messages.
std::string KindOf(const Json& value) {
  if (value.is_string())
    return "a text";
  if (value.is_number())
    return "a number";
  if (value.is_boolean())
    return "true or false";
  if (value.is_null())
    return "null";
  if (value.is_array())
    return "a list";
  return "an object";
}

std::string WrongType(const std::string& field, const Json& value, const char* wanted) {
  return "\"" + field + "\" is " + KindOf(value) + " where " + wanted + " belongs";
}

// Where a parse error is, as the line and column an editor shows.
std::string PositionOf(std::string_view text, std::size_t byte) {
  const std::size_t end = std::min(byte, text.size());
  const std::string_view before = text.substr(0, end);
  const std::size_t line =
      1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
  const std::size_t lineStart = before.rfind('\n');
  const std::size_t column = lineStart == std::string_view::npos ? end + 1 : end - lineStart;
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// Parses only as deep as the format goes, so that a deeply nested document costs no more
// than a flat one; anything deeper arrives as an empty container and fails its type check.
std::optional<Json> ParseShallow(std::string_view text, std::string& reason) {
  const Json::parser_callback_t keepShallow = [](int depth, Json::parse_event_t, Json&) {
    return depth <= 2;
  };
  try {
    return Json::parse(text.begin(), text.end(), keepShallow);
  } catch (const Json::parse_error& error) {
    const std::size_t lastText = text.find_last_not_of(" \t\r\n");
    if (lastText == std::string_view::npos || error.byte > lastText + 1) {
      reason = "it ends before its JSON text is complete (is the file cut short?)";
    } else {
      reason = "it is not JSON text (error at " + PositionOf(text, error.byte - 1) + ")";
    }
  } catch (const Json::out_of_range&) {
    reason = "it holds a number too large to read";
  }
  return std::nullopt;
}

// "MAJOR.MINOR", both whole numbers; a major number too large to hold is newer than any.
bool ReadVersion(const std::string& version, unsigned long long& major, bool& tooLarge) {
  const std::size_t dot = version.find('.');
  if (dot == std::string::npos || dot == 0 || dot + 1 == version.size())
    return false;
  const auto digitsOnly = [](std::string_view part) {
    return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (!digitsOnly(std::string_view(version).substr(0, dot)) ||
      !digitsOnly(std::string_view(version).substr(dot + 1)))
    return false;
  const auto parsed = std::from_chars(version.data(), version.data() + dot, major);
  tooLarge = parsed.ec == std::errc::result_out_of_range;
  return true;
}

std::string CheckFormatAndVersion(const Json& document) {
  const auto format = document.find("format");
  if (format == document.end() || !format->is_string() || *format != kFormatName)
    return std::string("it is not a design file (it has no \"format\": \"") + kFormatName + "\")";
  const auto version = document.find("version");
  if (version == document.end())
    return "it has no \"version\"";
  if (!version->is_string())
    return WrongType("version", *version, "a text such as \"1.0\"");
  unsigned long long major = 0;
  bool tooLarge = false;
  const std::string text = version->get<std::string>();
  if (!ReadVersion(text, major, tooLarge))
    return "its version " + QuotedExcerpt(text) + " is not a version number such as \"1.0\"";
  if (tooLarge || major > kMajorVersion) {
    return "it is a design file of version " + QuotedExcerpt(text) +
           ", newer than this program reads (" + std::to_string(kMajorVersion) +
           ".x); open it with a newer PFC Core Designer";
  }
  if (major < kMajorVersion)
    return "its version " + QuotedExcerpt(text) + " is not a version of the design file";
  return {};
}

std::string ReadEntries(const Json& document, EntryTexts& entries) {
  const auto found = document.find("entries");
  if (found == document.end())
    return {};
  if (!found->is_object())
    return WrongType("entries", *found, "an object");
  for (const NamedEntryText& entry : NamedEntryTexts()) {
    const auto text = found->find(entry.name);
    if (text == found->end())
      continue;
    if (!text->is_string())
      return WrongType("entries." + entry.name, *text, "a text");
    entry.TextIn(entries) = text->get<std::string>();
  }
  return {};
}

std::string ReadCalculator(const Json& document, EntryTexts& entries) {
  const auto calculator = document.find("calculator");
  if (calculator != document.end()) {
    if (!calculator->is_string())
      return WrongType("calculator", *calculator, "a text");
    if (*calculator == kCalculatorPicks) {
      entries.pickCore = true;
    } else if (*calculator != kCalculatorSelects) {
      return "its \"calculator\" is " + QuotedExcerpt(calculator->get<std::string>()) + ", not \"" +
             kCalculatorSelects + "\" or \"" + kCalculatorPicks + "\"";
    }
  }
  const auto pick = document.find("pick");
  if (pick == document.end())
    return {};
  if (!pick->is_string())
    return WrongType("pick", *pick, "a text");
  entries[Entry::CoreSize] = pick->get<std::string>();
  return {};
}

std::string ReadRolloffGrade(const Json& document, int& grade) {
  const auto found = document.find("rolloff-grade");
  if (found == document.end())
    return {};
  if (!found->is_number())
    return WrongType("rolloff-grade", *found, "a whole number");
  // JSON does not tell 60 from 60.0; other programs may write either.
  const double number = found->get<double>();
  const bool whole = number >= 0 && number < 1000 && number == std::floor(number);
  const int value = whole ? static_cast<int>(number) : -1;
  if (!IsKnownRolloffGrade(value)) {
    return "its \"rolloff-grade\" " + found->dump() + " is not a roll-off grade (" +
           KnownRolloffGradesText() + ")";
  }
  grade = value;
  return {};
}

// Only the type is checked here: whether the turns, the wire and its strands fit the core is
// the check's to say, once there is a design to wind.
std::string ReadWinding(const Json& document, WindingRequest& winding) {
  const auto found = document.find(kWinding);
  if (found == document.end())
    return {};
  if (!found->is_object())
    return WrongType(kWinding, *found, "an object");
  for (const auto& [key, part] :
       {std::pair{kTurns, &WindingRequest::turns}, std::pair{kWire, &WindingRequest::gauge},
        std::pair{kStrands, &WindingRequest::strands}}) {
    const auto number = found->find(key);
    if (number == found->end())
      continue;
    if (!number->is_number())
      return WrongType(std::string(kWinding) + "." + key, *number, "a number");
    winding.*part = number->get<double>();
  }
  return {};
}

// A material of one's own, read by the rules of a material file; a refusal names the
// field as the design file holds it ("material.rolloff_c").
std::string ReadMaterial(const Json& document, PartMaterial& material) {
  const auto found = document.find(kMaterial);
  if (found == document.end())
    return {};
  if (!found->is_object())
    return WrongType(kMaterial, *found, "an object");
  MaterialFileRead read = MaterialFromText(found->dump());
  if (!read.read) {
    const std::string key = "\"" + read.key + "\"";
    std::string reason = "its \"material\" is refused: " + read.reason;
    const std::size_t at = read.key.empty() ? std::string::npos : reason.find(key);
    if (at != std::string::npos)
      reason.replace(at, key.size(), "\"" + std::string(kMaterial) + "." + read.key + "\"");
    return reason;
  }
  material.own = std::move(read.material);
  return {};
}

// A whole number is written whole ("36", not "36.0"), as people write turns and gauges.
Json NumberJson(double value) {
  if (value == std::floor(value) && std::fabs(value) < 1e15)
    return static_cast<long long>(value);
  return value;
}

// Each limit a top-level number under its public name; one left out is the default.
std::string ReadLimits(const Json& document, DesignLimits& limits) {
  const std::pair<const char*, double*> fields[] = {
      {kMinInductanceName, &limits.inductancePercent},
      {kMaxTemperatureName, &limits.temperatureC},
      {kAlToleranceName, &limits.alTolerancePercent},
  };
  double ripple = 0;
  const auto readOne = [&document](const char* name, double& value, bool& found) {
    const auto field = document.find(name);
    found = field != document.end();
    if (!found)
      return std::string();
    if (!field->is_number())
      return WrongType(name, *field, "a number");
    const std::string problem = LimitRangeProblem(name, field->get<double>());
    if (!problem.empty())
      return "its \"" + std::string(name) + "\" " + field->dump() + " " + problem;
    value = field->get<double>();
    return std::string();
  };
  bool found = false;
  for (const auto& [name, value] : fields) {
    std::string problem = readOne(name, *value, found);
    if (!problem.empty())
      return problem;
  }
  std::string problem = readOne(kRippleLimitName, ripple, found);
  if (problem.empty() && found)
    limits.ripplePercent = ripple;
  return problem;
}

// Only the limits that differ from the defaults, so a file leaves the rest to the program.
void WriteLimits(const DesignLimits& limits, Json& json) {
  const DesignLimits defaults;
  if (limits.inductancePercent != defaults.inductancePercent)
    json[kMinInductanceName] = limits.inductancePercent;
  if (limits.ripplePercent)
    json[kRippleLimitName] = *limits.ripplePercent;
  if (limits.temperatureC != defaults.temperatureC)
    json[kMaxTemperatureName] = limits.temperatureC;
  if (limits.alTolerancePercent != defaults.alTolerancePercent)
    json[kAlToleranceName] = limits.alTolerancePercent;
}

bool IsSha256Hex(const std::string& text) {
  return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

// Left out: the built-in catalogue, as every design before catalogues of one's own.
std::string ReadCores(const Json& document, CatalogueOrigin& cores) {
  const auto found = document.find("cores");
  if (found == document.end())
    return {};
  if (!found->is_object())
    return WrongType("cores", *found, "an object");
  const auto file = found->find("file");
  const auto sha256 = found->find("sha256");
  if (file == found->end() || sha256 == found->end())
    return "its \"cores\" needs both \"file\" and \"sha256\"";
  if (!file->is_string())
    return WrongType("cores.file", *file, "a text");
  if (!sha256->is_string())
    return WrongType("cores.sha256", *sha256, "a text");
  if (file->get<std::string>().empty())
    return "its \"cores.file\" is empty";
  if (!IsSha256Hex(sha256->get<std::string>())) {
    return "its \"cores.sha256\" " + QuotedExcerpt(sha256->get<std::string>()) +
           " is not 64 lowercase hexadecimal digits";
  }
  cores.file = file->get<std::string>();
  cores.sha256 = sha256->get<std::string>();
  return {};
}

}  // namespace

std::string DesignFileRead::Message() const {
  if (read)
    return {};
  return "Cannot open " + path + ": " + reason;
}

std::string DesignFileText(const DesignFile& design) {
  Json json;
  json["format"] = kFormatName;
  json["version"] = kVersionWritten;
  Json entries = Json::object();
  // The keys of "entries" are the entries' public names, in the form's order.
  for (const NamedEntryText& entry : NamedEntryTexts())
    entries[entry.name] = entry.TextIn(design.entries);
  json["entries"] = std::move(entries);
  json["calculator"] = design.entries.pickCore ? kCalculatorPicks : kCalculatorSelects;
  json["pick"] = design.entries[Entry::CoreSize];
  // No grade chosen is no key: the file then follows the grade that matches its core.
  const PartMaterial& material = design.part.material;
  if (material.grade != kDefaultRolloffGrade && !material.own)
    json["rolloff-grade"] = material.grade;
  WriteLimits(design.limits, json);
  if (!design.cores.BuiltIn())
    json["cores"] = {{"file", design.cores.file}, {"sha256", design.cores.sha256}};
  const WindingRequest& given = design.part.winding;
  if (given.Given()) {
    Json winding = Json::object();
    if (given.turns)
      winding[kTurns] = NumberJson(*given.turns);
    if (given.gauge)
      winding[kWire] = NumberJson(*given.gauge);
    // One strand is every winding's unless it says otherwise: older files, and readers that
    // know no strands, keep reading it alike.
    if (given.StrandCount() != 1)
      winding[kStrands] = NumberJson(given.StrandCount());
    json[kWinding] = std::move(winding);
  }
  if (material.own)
    json[kMaterial] = Json::parse(MaterialFileText(*material.own, true));
  // A text that is not UTF-8 cannot be typed into the form; from the command line its bad
  // bytes are replaced rather than refused, so the file still gets written.
  return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

DesignFileRead DesignFileFromText(std::string_view text) {
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
    return Refused("it is empty");
  if (text.find('\0') != std::string_view::npos)
    return Refused("it holds binary data, not the text of a design file");
  std::string reason;
  const std::optional<Json> document = ParseShallow(text, reason);
  if (!document)
    return Refused(std::move(reason));
  if (!document->is_object())
    return Refused("it is not a design file (its JSON text is not an object)");
  DesignFile design;
  std::string problem = CheckFormatAndVersion(*document);
  if (problem.empty())
    problem = ReadEntries(*document, design.entries);
  if (problem.empty())
    problem = ReadCalculator(*document, design.entries);
  if (problem.empty())
    problem = ReadRolloffGrade(*document, design.part.material.grade);
  if (problem.empty())
    problem = ReadLimits(*document, design.limits);
  if (problem.empty())
    problem = ReadCores(*document, design.cores);
  if (problem.empty())
    problem = ReadWinding(*document, design.part.winding);
  if (problem.empty())
    problem = ReadMaterial(*document, design.part.material);
  if (!problem.empty())
    return Refused(std::move(problem));
  DesignFileRead result;
  result.read = true;
  result.design = std::move(design);
  return result;
}

DesignFileRead ReadDesignFile(const std::string& path) {
  std::string bytes;
  std::string reason;
  DesignFileRead result = ReadBoundedFile(path, kDesignFileMaxBytes, "a design file", bytes, reason)
                              ? DesignFileFromText(bytes)
                              : Refused(std::move(reason));
  result.path = path;
  return result;
}

FileWriteResult WriteDesignFile(const std::string& path, const DesignFile& design) {
  return WriteFileAtomically(path, DesignFileText(design));
}

}  // namespace pfc
