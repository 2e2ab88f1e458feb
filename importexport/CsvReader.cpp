#include "importexport/CsvReader.h"

#include "platform/Text.h"
#include "platform/TextEncoding.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kx::importexport {

namespace {

constexpr Text kLine = KX_TEXT("CsvReader", "Line %1: %2");
constexpr Text kNul = KX_TEXT("CsvReader", "the file holds a NUL byte.");
constexpr Text kUtf16 = KX_TEXT("CsvReader", "the file is UTF-16 text; please save it as UTF-8 or Windows-1252.");
constexpr Text kNotCp1252 = KX_TEXT("CsvReader", "the text is no valid UTF-8 or holds a character that "
                                                 "Windows-1252 cannot hold.");
constexpr Text kLoneCr = KX_TEXT("CsvReader", "a carriage return that ends no line.");
constexpr Text kOpenQuote = KX_TEXT("CsvReader", "a quoted field begins here and is never closed.");
constexpr Text kTooLong = KX_TEXT("CsvReader", "the line is longer than 2047 bytes.");
constexpr Text kTooManyFields = KX_TEXT("CsvReader", "the line has more than %1 fields.");
constexpr Text kEmptyName = KX_TEXT("CsvReader", "column %1 of the header has no name.");
constexpr Text kTooManyColumns = KX_TEXT("CsvReader", "the header has more than 100 columns.");
constexpr Text kNameTooLong = KX_TEXT("CsvReader", "the column name '%1' is longer than 79 characters.");
constexpr Text kFileTooLarge = KX_TEXT("CsvReader", "The CSV file '%1' is larger than 32 MiB and is not read.");
constexpr Text kNotReadable = KX_TEXT("CsvReader", "The CSV file '%1' can not be read !\n%2");
constexpr Text kNotAFile = KX_TEXT("CsvReader", "It is no regular file.");
constexpr Text kBadSeparators =
    KX_TEXT("CsvReader", "The separator characters '%1' (CSVSeparationChar) cannot be used: they must not be "
                         "empty or hold a blank, a digit, a letter, a quote or a line break.");

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

CsvError errorAt(long line, const Text& reason, std::string_view arg = {})
{
    return {line, arg.empty() ? Tr(reason) : Tr(reason, arg)};
}

long lineOf(std::string_view bytes, std::size_t position)
{
    return 1 +
           static_cast<long>(std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
}

bool isAsciiLetterOrDigit(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Reads records one at a time from decoded bytes.
class Parser {
public:
    Parser(std::string_view bytes, std::string_view separators, std::size_t maxFields)
        : m_bytes(bytes),
          m_separators(separators),
          m_maxFields(maxFields)
    {}

    bool run(std::vector<CsvRecord>& records, CsvError& error)
    {
        while (m_pos < m_bytes.size()) {
            CsvRecord record;
            record.line = m_line;
            const std::size_t start = m_pos;
            if (!readRecord(record, error))
                return false;
            if (recordLength(start) > kMaxCsvRecordBytes) {
                error = errorAt(record.line, kTooLong);
                return false;
            }
            if (m_maxFields > 0 && record.fields.size() > m_maxFields) {
                error = errorAt(record.line, kTooManyFields, std::to_string(m_maxFields));
                return false;
            }
            const bool allEmpty =
                std::all_of(record.fields.begin(), record.fields.end(), [](const std::string& f) { return f.empty(); });
            if (!allEmpty)
                records.push_back(std::move(record));
        }
        return true;
    }

private:
    bool isSeparator(char c) const { return m_separators.find(c) != std::string_view::npos; }

    // The record's bytes from `start` up to where it ended, without its line end.
    std::size_t recordLength(std::size_t start) const { return m_recordEnd - start; }

    // One record; m_pos stands behind its line end afterwards.
    bool readRecord(CsvRecord& record, CsvError& error)
    {
        for (;;) {
            std::string field;
            bool recordEnds = false;
            if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
                const std::size_t fieldStart = m_pos;
                const long fieldLine = m_line;
                const int quoted = readQuoted(field, recordEnds);
                if (quoted < 0) {
                    error = errorAt(fieldLine, kOpenQuote);
                    return false;
                }
                if (quoted == 0) {  // not a quoted field after all: read it as it stands
                    m_pos = fieldStart;
                    m_line = fieldLine;
                    field.clear();
                    if (!readUnquoted(field, recordEnds, error))
                        return false;
                }
            } else if (!readUnquoted(field, recordEnds, error)) {
                return false;
            }
            record.fields.push_back(std::move(field));
            if (recordEnds)
                return true;
        }
    }

    // Ends the record at a line end at m_pos (LF or CR LF) or the end of
    // the bytes; false when m_pos holds something else.
    bool endOfRecordHere(bool& lone)
    {
        lone = false;
        if (m_pos >= m_bytes.size()) {
            m_recordEnd = m_pos;
            return true;
        }
        if (m_bytes[m_pos] == '\n') {
            m_recordEnd = m_pos;
            ++m_pos;
            ++m_line;
            return true;
        }
        if (m_bytes[m_pos] == '\r') {
            if (m_pos + 1 < m_bytes.size() && m_bytes[m_pos + 1] == '\n') {
                m_recordEnd = m_pos;
                m_pos += 2;
                ++m_line;
                return true;
            }
            lone = true;
        }
        return false;
    }

    bool readUnquoted(std::string& field, bool& recordEnds, CsvError& error)
    {
        const std::size_t start = m_pos;
        for (;;) {
            bool lone = false;
            if (endOfRecordHere(lone)) {
                field.assign(m_bytes.substr(start, m_recordEnd - start));
                recordEnds = true;
                return true;
            }
            if (lone) {
                error = errorAt(m_line, kLoneCr);
                return false;
            }
            if (isSeparator(m_bytes[m_pos])) {
                field.assign(m_bytes.substr(start, m_pos - start));
                ++m_pos;
                recordEnds = false;
                return true;
            }
            ++m_pos;
        }
    }

    // 1: a quoted field, read; 0: the closing quote is followed by
    // something else; -1: the quote is never closed.
    int readQuoted(std::string& field, bool& recordEnds)
    {
        ++m_pos;  // the opening quote
        while (m_pos < m_bytes.size()) {
            const char c = m_bytes[m_pos];
            if (c == '"') {
                if (m_pos + 1 < m_bytes.size() && m_bytes[m_pos + 1] == '"') {
                    field += '"';
                    m_pos += 2;
                    continue;
                }
                ++m_pos;  // the closing quote
                bool lone = false;
                if (endOfRecordHere(lone)) {
                    recordEnds = true;
                    return 1;
                }
                if (!lone && isSeparator(m_bytes[m_pos])) {
                    ++m_pos;
                    recordEnds = false;
                    return 1;
                }
                return 0;
            }
            if (c == '\n')
                ++m_line;
            if (c == '\r' && m_pos + 1 < m_bytes.size() && m_bytes[m_pos + 1] == '\n') {
                ++m_pos;  // a quoted line break keeps no CR either
                continue;
            }
            field += c;
            ++m_pos;
        }
        return -1;
    }

    std::string_view m_bytes;
    std::string_view m_separators;
    std::size_t m_maxFields;
    std::size_t m_pos = 0;
    std::size_t m_recordEnd = 0;
    long m_line = 1;
};

}  // namespace

std::string CsvError::message() const
{
    return line > 0 ? Tr(kLine, std::to_string(line), reason) : reason;
}

std::string SeparatorProblem(std::string_view separators)
{
    bool usable = !separators.empty();
    for (unsigned char c : separators)
        if (c == ' ' || c == '"' || c == '\r' || c == '\n' || c == '\0' || isAsciiLetterOrDigit(c))
            usable = false;
    return usable ? std::string() : Tr(kBadSeparators, Cp1252ToUtf8(separators));
}

bool ReadCsvFile(const std::string& path, std::string& bytes, CsvError& error)
{
    bytes.clear();
    // Looked at before it is opened: opening a FIFO would wait for a writer.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error = {0, Tr(kNotReadable, path, std::strerror(errno))};
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = {0, Tr(kNotReadable, path, S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : Tr(kNotAFile))};
        return false;
    }
    if (static_cast<unsigned long long>(st.st_size) > kMaxCsvFileBytes) {
        error = {0, Tr(kFileTooLarge, path)};
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = {0, Tr(kNotReadable, path, std::strerror(errno))};
        return false;
    }
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (bytes.size() + n > kMaxCsvFileBytes) {  // grew while being read
            std::fclose(file);
            error = {0, Tr(kFileTooLarge, path)};
            return false;
        }
        bytes.append(buffer, n);
    }
    const bool failed = std::ferror(file);
    const int why = errno;
    std::fclose(file);
    if (failed) {
        error = {0, Tr(kNotReadable, path, std::strerror(why))};
        return false;
    }
    return true;
}

bool DecodeCsvBytes(std::string_view bytes, std::string& cp1252, CsvError& error)
{
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        error = errorAt(1, kUtf16);
        return false;
    }
    const bool utf8 = bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark;
    if (!utf8) {
        const std::size_t nul = bytes.find('\0');
        if (nul != std::string_view::npos) {
            error = errorAt(lineOf(bytes, nul), kNul);
            return false;
        }
        cp1252.assign(bytes);
        return true;
    }
    bytes.remove_prefix(kUtf8Mark.size());
    cp1252.clear();
    cp1252.reserve(bytes.size());
    long line = 1;
    // Line by line, so that a fault is named by its line; a LF never lies
    // inside a UTF-8 sequence.
    while (!bytes.empty()) {
        const std::size_t feed = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, feed == std::string_view::npos ? bytes.size() : feed + 1);
        const std::optional<std::string> converted = Utf8ToCp1252(piece);
        if (!converted) {
            error = errorAt(line, kNotCp1252);
            return false;
        }
        if (converted->find('\0') != std::string::npos) {
            error = errorAt(line, kNul);
            return false;
        }
        cp1252 += *converted;
        bytes.remove_prefix(piece.size());
        ++line;
    }
    return true;
}

std::string_view FirstCsvLine(std::string_view cp1252)
{
    std::string_view line = cp1252.substr(0, cp1252.find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

bool ParseCsv(std::string_view cp1252, std::string_view separators, std::vector<CsvRecord>& records, CsvError& error,
              std::size_t maxFields)
{
    records.clear();
    return Parser(cp1252, separators, maxFields).run(records, error);
}

bool CsvHeaderNames(const CsvRecord& header, std::vector<std::string>& names, CsvError& error)
{
    names.clear();
    for (const std::string& field : header.fields) {
        const std::size_t begin = field.find_first_not_of(" \t");
        names.push_back(begin == std::string::npos ? std::string()
                                                   : field.substr(begin, field.find_last_not_of(" \t") - begin + 1));
    }
    while (!names.empty() && names.back().empty())
        names.pop_back();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty()) {
            error = errorAt(header.line, kEmptyName, std::to_string(i + 1));
            return false;
        }
        if (names[i].size() > kMaxColumnName) {
            error = errorAt(header.line, kNameTooLong, Cp1252ToUtf8(names[i]));
            return false;
        }
    }
    if (names.size() > kMaxCsvColumns) {
        error = errorAt(header.line, kTooManyColumns);
        return false;
    }
    return true;
}

}  // namespace kx::importexport
