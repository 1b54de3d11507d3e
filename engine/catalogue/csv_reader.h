#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace pfc {

// One record of a CSV file. A record with broken quoting still has its fields, read as
// leniently as the text allows, and says what is wrong.
struct CsvRecord {
  std::vector<std::string> fields;
  std::uint64_t line = 0;  // the line it starts on, counting from 1
  std::string problem;     // empty when the record is well formed
};

// Reads RFC 4180 records one at a time from a stream, holding one buffer and one record
// whatever the input's length: fields separated by commas, records by CR LF or LF, a field
// in double quotes may hold commas, line breaks and doubled quotes. Empty lines are no
// records; a UTF-8 byte-order mark before the first record is skipped. A record longer than
// maxRecordBytes is cut there and reported at once; reading resumes at the next line.
// A field of a file in a message: in double quotes, a CR, LF or tab written as \r, \n or \t
// (a bare CR would send the terminal's cursor back over the message, a blank hide it), and
// cut after 40 bytes with "…", since a field may be any length.
std::string QuotedField(std::string_view field);

class CsvReader {
 public:
  static constexpr std::size_t kDefaultMaxRecordBytes = std::size_t{1024} * 1024;

  explicit CsvReader(std::istream& in, std::size_t maxRecordBytes = kDefaultMaxRecordBytes);

  // Reads the next record, reusing the record's storage; false at the end of the input.
  bool Next(CsvRecord& record);

  // The bytes consumed so far, for progress.
  std::uint64_t bytesRead() const { return consumed_; }

  // True when the stream failed other than by ending: what was read before stands.
  bool failed() const { return in_.bad(); }

 private:
  bool Fill();
  int Peek();  // the next byte, or -1 at the end
  void SkipByteOrderMark();
  void SkipRestOfCutLine();
  void SkipEmptyLines();  // counting them
  // Reads the fields of the record that starts at the next byte, up to its line end.
  void ReadRecord(CsvRecord& record);
  void Skip() {
    ++position_;
    ++consumed_;
  }

  std::istream& in_;
  std::size_t maxRecordBytes_;
  std::vector<char> buffer_;
  std::size_t position_ = 0;
  std::size_t size_ = 0;
  std::uint64_t consumed_ = 0;
  std::uint64_t line_ = 1;
  bool started_ = false;
  bool restOfLineToSkip_ = false;  // after a record cut at the length limit
};

}  // namespace pfc
