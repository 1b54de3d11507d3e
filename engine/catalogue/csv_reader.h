#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <streambuf>
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

// Bytes already read, as a stream for the reader, without a copy.
class CsvViewBuffer : public std::streambuf {
 public:
  explicit CsvViewBuffer(std::string_view bytes) {
    char* begin = const_cast<char*>(bytes.data());  // only ever read
    setg(begin, begin, begin + bytes.size());
  }
};

// Why the bytes are no CSV text, or nothing when they are: a CSV file is UTF-8 text, so a
// control character other than a tab or a line end, or bytes that are no UTF-8, mean it is
// some other kind of file. The reason names the file, the line and the byte of the line;
// `kind` is what the file should hold ("catalogue").
std::optional<std::string> CsvTextProblem(std::string_view bytes, const std::string& file,
                                          std::string_view kind);

// Reads a field, blanks around it ignored, as a finite number in plain or exponent form; or
// says why it is none, quoting the field.
std::optional<std::string> CsvNumberProblem(std::string_view field, double& value);

}  // namespace pfc
