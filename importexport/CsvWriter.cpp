#include "importexport/CsvWriter.h"

namespace kx::importexport {

CsvWriter::CsvWriter(std::string_view separators) : m_quoteWhen(";\"\r\n")
{
    m_quoteWhen.append(separators);
}

void CsvWriter::separate()
{
    if (m_lineStarted)
        m_bytes += ';';
    m_lineStarted = true;
}

CsvWriter& CsvWriter::text(std::string_view value)
{
    separate();
    if (value.find_first_of(m_quoteWhen) == std::string_view::npos) {
        m_bytes.append(value);
        return *this;
    }
    m_bytes += '"';
    for (char c : value) {
        if (c == '"')
            m_bytes += '"';
        m_bytes += c;
    }
    m_bytes += '"';
    return *this;
}

CsvWriter& CsvWriter::number(long value)
{
    separate();
    m_bytes += std::to_string(value);
    return *this;
}

CsvWriter& CsvWriter::endLine()
{
    m_bytes += "\r\n";
    m_lineStarted = false;
    return *this;
}

}  // namespace kx::importexport
