#pragma once
// Writing CSV lines the reader (and spreadsheets) read back unchanged: ";"
// after each value but the last, CRLF after each line, no byte-order mark.
// A text is quoted exactly when it holds ';', a character of the separator
// set the reader will use, '"', CR or LF; a quote inside is doubled.
// Numbers are never quoted.

#include <string>
#include <string_view>

namespace kx::importexport {

class CsvWriter {
public:
    // `separators`: the set a reader of this file may split at, besides ';'.
    explicit CsvWriter(std::string_view separators = {});

    CsvWriter& text(std::string_view value);  // Windows-1252
    CsvWriter& number(long value);
    // Ends the line: CRLF.
    CsvWriter& endLine();

    const std::string& bytes() const { return m_bytes; }
    std::string& bytes() { return m_bytes; }

private:
    void separate();

    std::string m_quoteWhen;
    std::string m_bytes;
    bool m_lineStarted = false;
};

}  // namespace kx::importexport
