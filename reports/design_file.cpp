#include "reports/design_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <system_error>

#include "engine/entries.h"

namespace pfc {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kFormatName = "pfc-design";
constexpr int kMajorVersion = 1;
constexpr const char* kVersionWritten = "1.1";  // 1.1 added "ripple-limit"
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

// A text of the file in a message: in quotes, and cut short, since it may be any length.
std::string Quoted(const std::string& text) {
  constexpr std::size_t kShown = 40;
  if (text.size() <= kShown)
    return "\"" + text + "\"";
  std::size_t cut = kShown;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
    --cut;  // not inside a UTF-8 character
  return "\"" + text.substr(0, cut) + "…\"";
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
    return "its version " + Quoted(text) + " is not a version number such as \"1.0\"";
  if (tooLarge || major > kMajorVersion) {
    return "it is a design file of version " + Quoted(text) + ", newer than this program reads (" +
           std::to_string(kMajorVersion) + ".x); open it with a newer PFC Core Designer";
  }
  if (major < kMajorVersion)
    return "its version " + Quoted(text) + " is not a version of the design file";
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
    entries.*entry.text = text->get<std::string>();
  }
  return {};
}

std::string ReadCalculator(const Json& document, EntryTexts& entries) {
  const auto calculator = document.find("calculator");
  if (calculator != document.end()) {
    if (!calculator->is_string())
      return WrongType("calculator", *calculator, "a text");
    if (*calculator == kCalculatorPicks) {
      entries.chkPickCore = true;
    } else if (*calculator != kCalculatorSelects) {
      return "its \"calculator\" is " + Quoted(calculator->get<std::string>()) + ", not \"" +
             kCalculatorSelects + "\" or \"" + kCalculatorPicks + "\"";
    }
  }
  const auto pick = document.find("pick");
  if (pick == document.end())
    return {};
  if (!pick->is_string())
    return WrongType("pick", *pick, "a text");
  entries.txtCoreSize = pick->get<std::string>();
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

std::string ReadRippleLimit(const Json& document, double& percent) {
  const auto found = document.find("ripple-limit");
  if (found == document.end())
    return {};
  if (!found->is_number())
    return WrongType("ripple-limit", *found, "a number");
  const double value = found->get<double>();
  if (!(value > 0) || !std::isfinite(value))
    return "its \"ripple-limit\" " + found->dump() + " is not a positive percentage";
  percent = value;
  return {};
}

std::string SystemReason(int error) {
  return std::generic_category().message(error);
}

// The whole file, or why not: nothing beyond kDesignFileMaxBytes is ever read, and a file
// that is not a regular one (a folder, a pipe, a device) is not opened for reading at all.
bool ReadBoundedFile(const std::string& path, std::string& bytes, std::string& reason) {
  // Non-blocking, so that naming a pipe with no writer does not hang the program.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (descriptor < 0) {
    reason = SystemReason(errno);
    return false;
  }
  struct stat status {};
  bool ok = true;
  if (::fstat(descriptor, &status) != 0) {
    reason = SystemReason(errno);
    ok = false;
  } else if (S_ISDIR(status.st_mode)) {
    reason = "it is a folder, not a design file";
    ok = false;
  } else if (!S_ISREG(status.st_mode)) {
    reason = "it is not a regular file";
    ok = false;
  }
  const std::string tooLarge = "it is larger than a design file can be (1 MiB)";
  if (ok && static_cast<std::uint64_t>(status.st_size) > kDesignFileMaxBytes) {
    reason = tooLarge;
    ok = false;
  }
  // One byte more than allowed tells a file that grew since fstat.
  bytes.resize(ok ? kDesignFileMaxBytes + 1 : 0);
  std::size_t total = 0;
  while (ok && total < bytes.size()) {
    const ssize_t count = ::read(descriptor, bytes.data() + total, bytes.size() - total);
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0) {
      reason = SystemReason(errno);
      ok = false;
    } else if (count == 0) {
      break;
    } else {
      total += static_cast<std::size_t>(count);
    }
  }
  ::close(descriptor);
  if (ok && total > kDesignFileMaxBytes) {
    reason = tooLarge;
    ok = false;
  }
  bytes.resize(ok ? total : 0);
  return ok;
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
    entries[entry.name] = design.entries.*entry.text;
  json["entries"] = std::move(entries);
  json["calculator"] = design.entries.chkPickCore ? kCalculatorPicks : kCalculatorSelects;
  json["pick"] = design.entries.txtCoreSize;
  // No grade chosen is no key: the file then follows the grade that matches its core.
  if (design.rolloffGrade != kDefaultRolloffGrade)
    json["rolloff-grade"] = design.rolloffGrade;
  json["ripple-limit"] = design.rippleLimitPercent;
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
    problem = ReadRolloffGrade(*document, design.rolloffGrade);
  if (problem.empty())
    problem = ReadRippleLimit(*document, design.rippleLimitPercent);
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
  DesignFileRead result =
      ReadBoundedFile(path, bytes, reason) ? DesignFileFromText(bytes) : Refused(std::move(reason));
  result.path = path;
  return result;
}

FileWriteResult WriteDesignFile(const std::string& path, const DesignFile& design) {
  return WriteFileAtomically(path, DesignFileText(design));
}

}  // namespace pfc
