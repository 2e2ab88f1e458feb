#include "importexport/AlarmImport.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "importexport/AlarmExport.h"
#include "importexport/CsvReader.h"
#include "importexport/ImportFile.h"
#include "importexport/ImportSchema.h"
#include "platform/Profile.h"
#include "platform/ProfileText.h"
#include "platform/Text.h"
#include "platform/TextEncoding.h"

#include <charconv>
#include <map>
#include <unordered_map>

namespace kx::importexport {

namespace {

constexpr Text kTableNotOpen =
    KX_TEXT("AlarmImport", "Error while adding the alarms !\nThe database could not be opened.");
constexpr Text kTooLong = KX_TEXT("AlarmImport", "Maximum string length exceeded in field '%1' for alarmkey %2!");
constexpr Text kNotValid = KX_TEXT("AlarmImport", "The value is not valid in the field '%1' for alarmkey %2!\nThe "
                                                  "value is not written to the database.");
constexpr Text kValueBeyondHeader =
    KX_TEXT("AlarmImport", "the line has a value in column %1, but the header has only %2 columns.");
constexpr Text kKeyNotNumber = KX_TEXT("AlarmImport", "the alarm key '%1' is no whole decimal number.");
constexpr Text kKeyOutside = KX_TEXT("AlarmImport", "the alarm key %1 lies outside the alarm keys %2.");
constexpr Text kNoRecord = KX_TEXT("AlarmImport", "the alarm key %1 has no record in the alarm database.");
constexpr Text kAlarmIn = KX_TEXT("AlarmImport", "the key %1 is an alarm-in.");
constexpr Text kNotWhole = KX_TEXT("AlarmImport", "the value '%1' in the field '%2' is no whole number.");
constexpr Text kLineBreak = KX_TEXT("AlarmImport", "the value in the field '%1' holds a line break.");
constexpr Text kIniNotWritten =
    KX_TEXT("AlarmImport", "The values of %1 could not be written: %2\nNo alarm record was written.");
constexpr Text kRecordNotWritten = KX_TEXT("AlarmImport", "the record of alarm key %1 could not be written: %2");
constexpr Text kBecameAlarmIn = KX_TEXT("AlarmImport", "the key has become an alarm-in meanwhile.");
constexpr Text kStoppedAfter = KX_TEXT("AlarmImport", "The import stopped here; %1 lines were written before.");

constexpr long kLowestAlarmKey = 10;
constexpr const char* kMessagesSection = "Messages";

// One data line's writes into the record of its key.
struct PlannedLine {
    long line = 0;
    long key = 0;
    bool newAlarm = false;  // the key's first line, and the key is no alarm yet
    std::vector<mailbox::FieldWrite> writes;
};

// The INI values of one file, in the order of the lines.
struct PlannedIniFile {
    std::string file;
    std::vector<ProfileEdit> edits;
};

std::string_view trimmed(std::string_view s)
{
    const std::size_t begin = s.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return {};
    return s.substr(begin, s.find_last_not_of(" \t") - begin + 1);
}

// A whole decimal number, with an optional sign when `signAllowed`. Too
// large a number is one all the same: `outOfRange` says so.
bool parseWhole(std::string_view s, bool signAllowed, long& value, bool& outOfRange)
{
    outOfRange = false;
    if (signAllowed && !s.empty() && s.front() == '+')
        s.remove_prefix(1);
    const std::string_view digits = signAllowed && !s.empty() && s.front() == '-' ? s.substr(1) : s;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    outOfRange = error == std::errc::result_out_of_range;
    return end == s.data() + s.size() || outOfRange;
}

// An INI value that the profile call would not read back as written (outer
// blanks it strips, an outer quote pair it removes) goes inside one pair of
// quotes, which the call removes again.
std::string iniValue(const std::string& value)
{
    namespace pt = profile_text;
    if (value.empty())
        return value;
    const bool blankAtEnd =
        pt::IsBlank(static_cast<unsigned char>(value.front())) || pt::IsBlank(static_cast<unsigned char>(value.back()));
    if (!blankAtEnd && pt::Unquote(value).size() == value.size())
        return value;
    return '"' + value + '"';
}

class AlarmImport {
public:
    AlarmImport(const std::string& path, std::string_view separators, const OperationControl& control)
        : m_path(path),
          m_separators(separators),
          m_control(control)
    {}

    OperationResult run()
    {
        m_table.SetQuiet(true);
        ScopedClose closer(m_table);
        if (check())
            write();
        return m_result;
    }

private:
    bool refuse(std::string message)
    {
        m_result.outcome = Outcome::Refused;
        m_result.error = std::move(message);
        return false;
    }
    bool refuseLine(long line, std::string reason) { return refuse(CsvError{line, std::move(reason)}.message()); }
    void remark(long line, const Text& text, const ImportColumn& column, long key)
    {
        m_result.remarks.push_back(CsvError{line, Tr(text, Cp1252ToUtf8(column.name), std::to_string(key))}.message());
    }

    // The separators of this file: the export's own header, or a header
    // that begins with the key column and ";" but does not split into a key
    // column at the configured separators, is read with ";" alone.
    bool chooseSeparators(std::string_view text, std::string& separators, std::size_t& maxFields)
    {
        const std::string_view first = FirstCsvLine(text);
        maxFields = 0;
        separators = m_separators;
        if (first == kExportHeader) {
            separators = ";";
            maxFields = kExportColumns;
            return true;
        }
        const std::string problem = SeparatorProblem(m_separators);
        bool keyColumn = false;
        if (problem.empty()) {
            std::vector<CsvRecord> header;
            CsvError ignored;
            if (ParseCsv(first, m_separators, header, ignored) && !header.empty()) {
                const std::string_view name = trimmed(header[0].fields[0]);
                keyColumn = name == "alarmkey" || name == "Alarmnr.";
            }
        }
        if (!keyColumn && (first.starts_with("alarmkey;") || first.starts_with("Alarmnr.;"))) {
            separators = ";";
            return true;
        }
        return problem.empty() || refuse(problem);
    }

    bool check()
    {
        std::string text;
        std::string error;
        if (!ReadImportFile(m_path, text, error) || !ImportSchema::valid(error))
            return refuse(error);
        std::string separators;
        std::size_t maxFields = 0;
        if (!chooseSeparators(text, separators, maxFields))
            return false;
        std::vector<CsvRecord> records;
        CsvError csvError;
        std::vector<std::string> names;
        if (!ParseCsv(text, separators, records, csvError, maxFields) ||
            (!records.empty() && !CsvHeaderNames(records.front(), names, csvError)))
            return refuse(csvError.message());
        text.clear();
        text.shrink_to_fit();
        if (!names.empty() && (names[0] == "alarmkey" || names[0] == "Alarmnr.") &&
            !m_table.Open(config::MailboxTablePath().c_str()))
            return refuse(Tr(kTableNotOpen));
        ImportSchema schema;
        if (!schema.read(names, m_table, error))
            return refuse(error);

        const config::KeyRanges ranges = config::ReadKeyRanges();
        m_recordCount = m_table.RecCount();
        const long lines = static_cast<long>(records.size()) - 1;
        ProgressSteps progress(m_control, Phase::Check, lines);
        for (long i = 0; i < lines; ++i) {
            if (m_control.cancelled()) {
                m_result.outcome = Outcome::Cancelled;
                return false;
            }
            if (!checkLine(records[static_cast<std::size_t>(i) + 1], schema.columns(), ranges))
                return false;
            progress.at(i + 1);
        }
        progress.finish();
        return true;
    }

    bool checkKey(const CsvRecord& record, const config::KeyRanges& ranges, long& key)
    {
        const std::string_view text = trimmed(record.fields[0]);
        bool outOfRange = false;
        if (!parseWhole(text, false, key, outOfRange))
            return refuseLine(record.line, Tr(kKeyNotNumber, Cp1252ToUtf8(record.fields[0])));
        const long first = std::max<long>(kLowestAlarmKey, ranges.firstAlarmKey);
        if (outOfRange || key < first || key > ranges.lastAlarmKey)
            return refuseLine(record.line, Tr(kKeyOutside, std::string(text),
                                              std::to_string(first) + "-" + std::to_string(ranges.lastAlarmKey)));
        if (mailbox::RecordOfKey(key) > m_recordCount)
            return refuseLine(record.line, Tr(kNoRecord, std::to_string(key)));
        return true;
    }

    bool checkLine(const CsvRecord& record, const std::vector<ImportColumn>& columns, const config::KeyRanges& ranges)
    {
        for (std::size_t j = columns.size(); j < record.fields.size(); ++j)
            if (!IsNoValue(record.fields[j]))
                return refuseLine(record.line,
                                  Tr(kValueBeyondHeader, std::to_string(j + 1), std::to_string(columns.size())));
        PlannedLine line;
        line.line = record.line;
        if (!checkKey(record, ranges, line.key))
            return false;
        const auto [known, first] = m_alarmKeys.try_emplace(line.key, true);
        if (first) {
            m_table.Go(mailbox::RecordOfKey(line.key));
            std::string status;
            m_table.Read(mailbox::field::Status, status);
            const mailbox::KeyKind kind = mailbox::KindOfStatus(status);
            if (kind == mailbox::KeyKind::AlarmIn)
                return refuseLine(record.line, Tr(kAlarmIn, std::to_string(line.key)));
            line.newAlarm = kind != mailbox::KeyKind::Alarm;
        }
        for (std::size_t j = 1; j < record.fields.size() && j < columns.size(); ++j)
            if (!checkValue(record.fields[j], columns[j], line))
                return false;
        m_lines.push_back(std::move(line));
        return true;
    }

    bool checkValue(const std::string& value, const ImportColumn& column, PlannedLine& line)
    {
        using Kind = ImportColumn::Kind;
        if (column.kind == Kind::NotUsed || column.kind == Kind::Key || IsNoValue(value))
            return true;
        if (column.kind == Kind::Number) {
            long number = 0;
            bool outOfRange = false;
            if (!parseWhole(trimmed(value), true, number, outOfRange))
                return refuseLine(line.line, Tr(kNotWhole, Cp1252ToUtf8(value), Cp1252ToUtf8(column.name)));
            std::string stored = std::to_string(number);
            if (outOfRange || number < column.minValue || number > column.maxValue ||
                mailbox::CheckFieldValue(m_table, column.position, stored, false).problem !=
                    mailbox::ValueProblem::None) {
                remark(line.line, kNotValid, column, line.key);
                ++m_result.valuesNotWritten;
                return true;
            }
            line.writes.push_back({mailbox::LogicalName(column.position), std::move(stored)});
            return true;
        }
        if (value.find_first_of("\r\n") != std::string::npos)
            return refuseLine(line.line, Tr(kLineBreak, Cp1252ToUtf8(column.name)));
        std::size_t limit = column.maxLength < 0 ? 0 : static_cast<std::size_t>(column.maxLength);
        if (column.kind == Kind::Text)
            limit = std::min<std::size_t>(limit, m_table.FieldLength(mailbox::PhysicalName(column.position).c_str()));
        std::string text = value;
        if (text.size() > limit) {
            remark(line.line, kTooLong, column, line.key);
            ++m_result.valuesCut;
            text.resize(limit);
        }
        if (column.kind == Kind::Ini) {
            planIni(column.iniFile, line.key, iniValue(text));
        } else if (!text.empty()) {
            line.writes.push_back({mailbox::LogicalName(column.position), std::move(text)});
        }
        return true;
    }

    void planIni(const std::string& file, long key, std::string value)
    {
        const auto [it, added] = m_iniIndex.try_emplace(file, m_iniFiles.size());
        if (added)
            m_iniFiles.push_back({file, {}});
        m_iniFiles[it->second].edits.push_back({kMessagesSection, std::to_string(key), std::move(value), false});
    }

    void stop(std::string message)
    {
        m_result.outcome = Outcome::Stopped;
        m_result.error = std::move(message);
    }

    void write()
    {
        const long lines = static_cast<long>(m_lines.size());
        ProgressSteps progress(m_control, Phase::Write, lines);
        for (const PlannedIniFile& ini : m_iniFiles) {
            if (!WritePrivateProfileEdits(ini.edits, ini.file.c_str())) {
                stop(Tr(kIniNotWritten, ini.file, ProfileLastError()));
                return;
            }
        }
        mailbox::UnitWriter writer(m_table);
        const auto notAlarmIn = [](std::string_view status) {
            return mailbox::KindOfStatus(status) != mailbox::KeyKind::AlarmIn;
        };
        for (long i = 0; i < lines; ++i) {
            PlannedLine& line = m_lines[static_cast<std::size_t>(i)];
            if (line.newAlarm) {
                std::vector<mailbox::FieldWrite> writes = mailbox::NewRecordWrites(line.key, true);
                writes.insert(writes.end(), line.writes.begin(), line.writes.end());
                line.writes.swap(writes);
            }
            if (!line.writes.empty()) {
                const mailbox::UnitResult written = writer.write(line.key, notAlarmIn, line.writes);
                if (written.outcome != mailbox::UnitResult::Outcome::Written) {
                    const std::string reason = written.outcome == mailbox::UnitResult::Outcome::StatusChanged
                                                   ? Tr(kBecameAlarmIn)
                                                   : written.reason;
                    stop(CsvError{line.line, Tr(kRecordNotWritten, std::to_string(line.key), reason)}.message() + "\n" +
                         Tr(kStoppedAfter, std::to_string(m_result.count)));
                    return;
                }
            }
            ++m_result.count;
            progress.at(i + 1);
        }
        progress.finish();
        if (!m_result.remarks.empty())
            m_result.outcome = Outcome::DoneWithRemarks;
    }

    const std::string& m_path;
    std::string m_separators;
    const OperationControl& m_control;
    OperationResult m_result;
    CDatabase m_table;
    unsigned long m_recordCount = 0;
    std::unordered_map<long, bool> m_alarmKeys;  // keys seen so far
    std::vector<PlannedLine> m_lines;
    std::vector<PlannedIniFile> m_iniFiles;
    std::map<std::string, std::size_t> m_iniIndex;
};

}  // namespace

OperationResult ImportAlarms(const std::string& path, std::string_view separators, const OperationControl& control)
{
    return AlarmImport(path, separators, control).run();
}

}  // namespace kx::importexport
