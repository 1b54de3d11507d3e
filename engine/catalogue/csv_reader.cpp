#include "engine/catalogue/csv_reader.h"

#include <charconv>
#include <cmath>

#include "engine/record/number_text.h"
#include "engine/record/quoted_text.h"

namespace pfc {

namespace {

constexpr std::size_t kBufferBytes = std::size_t{64} * 1024;

enum class State { FieldStart, Unquoted, Quoted, AfterQuote };

std::string& AddField(CsvRecord& record) {
  return record.fields.emplace_back();
}

// The first problem of a record is the one reported: later ones often follow from it.
void Problem(CsvRecord& record, const char* text) {
  if (record.problem.empty())
    record.problem = text;
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

}  // namespace

std::optional<std::string> CsvTextProblem(std::string_view bytes, const std::string& file,
                                          std::string_view kind) {
  std::uint64_t line = 1;
  std::size_t lineStart = 0;
  const auto where = [&](std::size_t at) {
    return file + ", line " + std::to_string(line) + ": byte " +
           std::to_string(at - lineStart + 1) + " of the line ";
  };
  for (std::size_t at = 0; at < bytes.size();) {
    const auto c = static_cast<unsigned char>(bytes[at]);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
      return where(at) + "is a control character (" + std::to_string(c) +
             "): this is a binary file, not a CSV " + std::string(kind);
    }
    const std::size_t length = Utf8Length(bytes, at);
    if (length == 0)
      return where(at) + "is not UTF-8 text: save the " + std::string(kind) + " as UTF-8 CSV";
    if (c == '\n') {
      ++line;
      lineStart = at + 1;
    }
    at += length;
  }
  return std::nullopt;
}

std::optional<std::string> CsvNumberProblem(std::string_view field, double& value) {
  const std::string_view text = TrimBlanks(field);
  if (text.empty())
    return "the field is empty where a number belongs";
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end != text.data() + text.size() ||
      (error != std::errc() && error != std::errc::result_out_of_range))
    return QuotedExcerpt(field) + " is not a number";
  if (error == std::errc::result_out_of_range)
    return QuotedExcerpt(field) + " is too large or too small a number to hold";
  if (!std::isfinite(value))
    return QuotedExcerpt(field) + " is not a finite number";
  return std::nullopt;
}

CsvReader::CsvReader(std::istream& in, std::size_t maxRecordBytes)
    : in_(in), maxRecordBytes_(maxRecordBytes), buffer_(kBufferBytes) {}

bool CsvReader::Fill() {
  if (position_ < size_)
    return true;
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  size_ = static_cast<std::size_t>(in_.gcount());
  position_ = 0;
  return size_ > 0;
}

int CsvReader::Peek() {
  if (position_ == size_ && !Fill())
    return -1;
  return static_cast<unsigned char>(buffer_[position_]);
}

void CsvReader::SkipByteOrderMark() {
  if (Fill() && size_ >= 3 && buffer_[0] == '\xEF' && buffer_[1] == '\xBB' &&
      buffer_[2] == '\xBF') {
    Skip();
    Skip();
    Skip();
  }
}

void CsvReader::SkipRestOfCutLine() {
  while (Peek() >= 0 && Peek() != '\n')
    Skip();
  if (Peek() == '\n')
    Skip();
}

void CsvReader::SkipEmptyLines() {
  for (int c = Peek(); c == '\n' || c == '\r'; c = Peek()) {
    Skip();
    if (c == '\n')
      ++line_;
    else if (Peek() != '\n')
      break;  // a lone CR is text, the start of the record; it was taken as a line end here
  }
}

bool CsvReader::Next(CsvRecord& record) {
  record.fields.clear();
  record.problem.clear();
  if (!started_) {
    started_ = true;
    SkipByteOrderMark();
  }
  if (restOfLineToSkip_) {
    restOfLineToSkip_ = false;
    SkipRestOfCutLine();
  }
  SkipEmptyLines();
  if (Peek() < 0)
    return false;
  record.line = line_;
  ReadRecord(record);
  return true;
}

void CsvReader::ReadRecord(CsvRecord& record) {
  std::string* field = &AddField(record);
  State state = State::FieldStart;
  std::size_t length = 0;
  for (;;) {
    const int next = Peek();
    if (next < 0) {
      if (state == State::Quoted)
        Problem(record, "a quoted field is not closed before the end of the input");
      return;
    }
    Skip();
    const char c = static_cast<char>(next);
    if (++length > maxRecordBytes_) {
      if (record.problem.empty()) {
        record.problem = "the record is longer than " + std::to_string(maxRecordBytes_) +
                         " bytes (a quoted field not closed?)";
      }
      // The rest of the line is skipped by the next call, not now: an input with no line end
      // at all (a device such as /dev/zero) would otherwise be read for ever before the
      // caller hears of the problem.
      restOfLineToSkip_ = c != '\n';
      ++line_;
      return;
    }
    const bool lineEnd = c == '\n' || (c == '\r' && Peek() == '\n');
    switch (state) {
      case State::Quoted:
        if (c == '"') {
          state = State::AfterQuote;
        } else {
          line_ += c == '\n';
          field->push_back(c);
        }
        break;
      case State::AfterQuote:
        if (c == '"') {
          field->push_back('"');
          state = State::Quoted;
          break;
        }
        if (c != ',' && !lineEnd) {
          Problem(record, "text after the closing double quote of a field");
          field->push_back(c);
          state = State::Unquoted;
          break;
        }
        [[fallthrough]];
      case State::FieldStart:
      case State::Unquoted:
        if (c == ',') {
          field = &AddField(record);
          state = State::FieldStart;
        } else if (lineEnd) {
          if (c == '\r')
            Skip();
          ++line_;
          return;
        } else if (c == '"' && state == State::FieldStart) {
          state = State::Quoted;
        } else {
          if (c == '"')
            Problem(record, "a double quote inside a field that does not start with one");
          field->push_back(c);
          state = State::Unquoted;
        }
        break;
    }
  }
}

}  // namespace pfc
