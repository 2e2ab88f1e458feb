#pragma once
// Reading the CSV files that spreadsheets and older exports write.
//
// Bytes are Windows-1252; a file that starts with the UTF-8 byte-order mark
// is converted from UTF-8. Every character of the separator set separates
// fields. A record ends at LF (a CR right before it is dropped); a field
// whose first byte is '"' is quoted: "" inside is one quote, separators and
// line breaks inside are data, and when the closing quote is followed by
// anything but a separator or the record's end, the field is read unquoted
// up to the next separator instead (older exports wrote `"B" wing`). Fields
// keep their positions and their blanks; records whose fields are all empty
// are left out.
//
// Whatever cannot be read so refuses the whole file, naming the line: a NUL
// byte, a UTF-16 file, invalid UTF-8 or a character Windows-1252 cannot hold
// (in a file with the mark), a CR that ends no line outside quotes, a quote
// left open (the line where its field began), a record longer than
// kMaxCsvRecordBytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kx::importexport {

// The longest record, quoted line breaks included, without its line end.
constexpr std::size_t kMaxCsvRecordBytes = 2047;
// Larger files are refused before they are read.
constexpr std::size_t kMaxCsvFileBytes = 32u << 20;
// A header holds at most this many columns, each name at most kMaxColumnName bytes.
constexpr std::size_t kMaxCsvColumns = 100;
constexpr std::size_t kMaxColumnName = 79;

// Why a file was refused: the line (1 is the first; 0 for the file as a
// whole) and the reason, in the operator's language (UTF-8).
struct CsvError {
    long line = 0;
    std::string reason;
    // "Line <n>: <reason>", or the reason alone.
    std::string message() const;
};

struct CsvRecord {
    long line = 0;                    // the file line where the record begins
    std::vector<std::string> fields;  // Windows-1252, untrimmed
};

// Empty when `separators` can separate fields; otherwise why not (UTF-8):
// it is empty or holds a blank, a digit, a letter, '"', a NUL or a line break.
std::string SeparatorProblem(std::string_view separators);

// Reads a whole file (at most kMaxCsvFileBytes). False with the reason.
bool ReadCsvFile(const std::string& path, std::string& bytes, CsvError& error);

// A file's bytes as Windows-1252 (see above). False with the line at fault.
bool DecodeCsvBytes(std::string_view bytes, std::string& cp1252, CsvError& error);

// The first line of decoded bytes, without its line end.
std::string_view FirstCsvLine(std::string_view cp1252);

// Splits decoded bytes into records; `maxFields` > 0 refuses a record with
// more fields. False with the line at fault.
bool ParseCsv(std::string_view cp1252, std::string_view separators, std::vector<CsvRecord>& records, CsvError& error,
              std::size_t maxFields = 0);

// The column names of a header record: trimmed of blanks and tabs; empty
// names at its end are dropped, an empty name before a named one refuses
// it, and so do more than kMaxCsvColumns columns and names longer than
// kMaxColumnName.
bool CsvHeaderNames(const CsvRecord& header, std::vector<std::string>& names, CsvError& error);

// A field without a value: empty, or the one blank older exports wrote for
// an empty field.
inline bool IsNoValue(std::string_view field)
{
    return field.empty() || field == " ";
}

}  // namespace kx::importexport
