#include "engine/catalogue/csv_reader.h"

#include <algorithm>

namespace pfc {

std::string QuotedField(std::string_view field) {
  constexpr std::size_t kShown = 40;
  std::size_t cut = std::min(field.size(), kShown);
  while (cut < field.size() && cut > 0 && (static_cast<unsigned char>(field[cut]) & 0xC0) == 0x80)
    --cut;  // not inside a UTF-8 character
  std::string quoted = "\"";
  for (const char c : field.substr(0, cut)) {
    switch (c) {
      case '\r':
        quoted += "\\r";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\t':
        quoted += "\\t";
        break;
      default:
        quoted += c;
    }
  }
  return quoted + (cut < field.size() ? "…\"" : "\"");
}
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

}  // namespace

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
