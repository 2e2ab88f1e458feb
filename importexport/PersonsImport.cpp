#include "importexport/PersonsImport.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "importexport/CsvReader.h"
#include "importexport/ImportFile.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"
#include "platform/Text.h"
#include "platform/TextEncoding.h"

#include <unistd.h>

#include <array>
#include <cstdio>

namespace kx::importexport {

namespace {

constexpr Text kTableNotOpen =
    KX_TEXT("PersonsImport", "Error while adding the alarms !\nThe database could not be opened.");
constexpr Text kNotWritable = KX_TEXT("PersonsImport", "The persons table %1 cannot be written: %2");
constexpr Text kReadOnly = KX_TEXT("PersonsImport", "it is read-only.");
constexpr Text kIndexBeside = KX_TEXT("PersonsImport", "the index %1 beside it would not be kept up to date.");
constexpr Text kLacksField = KX_TEXT("PersonsImport", "it has no field %1.");
constexpr Text kTooManyValues =
    KX_TEXT("PersonsImport", "the line has a value in column %1; a person has four columns at most "
                             "(Name;Telnumber;Type;Department).");
constexpr Text kSkipped = KX_TEXT("PersonsImport", "the line has no name, telephone number or type and was skipped.");
constexpr Text kCut = KX_TEXT("PersonsImport", "the value '%1' is longer than the field %2 and was cut.");
constexpr Text kNotWritten = KX_TEXT("PersonsImport", "the person could not be written into record %1: %2");
constexpr Text kStoppedAfter = KX_TEXT("PersonsImport", "The import stopped here; %1 persons were written before.");

// The fields of a person, in the columns of the file.
constexpr std::array<const char*, 4> kFields = {"NAME", "TT1", "TY1", "DEPARTMENT"};
constexpr const char* kNumberField = "IDXP";
// Index files the table engine would not keep up to date.
constexpr std::array<const char*, 4> kIndexExtensions = {".mdx", ".ndx", ".cdx", ".ntx"};

struct Person {
    long line = 0;
    std::array<std::string, 4> values;  // an empty department is not written
};

class PersonsImport {
public:
    PersonsImport(const std::string& path, std::string_view separators, const OperationControl& control)
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

    bool check()
    {
        std::string text;
        std::string error = SeparatorProblem(m_separators);
        if (!ReadImportFile(m_path, text, error) || !error.empty())
            return refuse(error);
        std::vector<CsvRecord> records;
        CsvError csvError;
        if (!ParseCsv(text, m_separators, records, csvError))
            return refuse(csvError.message());
        if (!openTable())
            return false;
        const long lines = static_cast<long>(records.size());
        ProgressSteps progress(m_control, Phase::Check, lines);
        for (long i = 0; i < lines; ++i) {
            if (m_control.cancelled()) {
                m_result.outcome = Outcome::Cancelled;
                return false;
            }
            if (!checkLine(records[static_cast<std::size_t>(i)]))
                return false;
            progress.at(i + 1);
        }
        progress.finish();
        return true;
    }

    // Opens the persons table and makes sure that it can be written as a
    // whole: writable, with every field, and no index that would go stale.
    bool openTable()
    {
        const std::string name = ProfileString(config::kPersonsFile, "DBInfo", "Pers", {}, config::kPathBufferSize);
        const std::string path = "\\db1\\" + name;
        if (name.empty() || !m_table.Open(path.c_str()))
            return refuse(Tr(kTableNotOpen));
        const std::string shown = Cp1252ToUtf8(path);
        const std::string native = SitePaths::translate(path);
        if (::access(native.c_str(), W_OK) != 0)
            return refuse(Tr(kNotWritable, shown, Tr(kReadOnly)));
        const std::size_t slash = native.rfind('/');
        const std::string directory = native.substr(0, slash);
        std::string stem = native.substr(slash + 1);
        stem = stem.substr(0, stem.rfind('.'));
        for (const char* extension : kIndexExtensions) {
            const std::string index = FindEntryNoCase(directory, stem + extension);
            if (!index.empty())
                return refuse(Tr(kNotWritable, shown, Tr(kIndexBeside, index)));
        }
        for (const char* field : {kFields[0], kFields[1], kFields[2], kFields[3], kNumberField})
            if (!m_table.IsField(field))
                return refuse(Tr(kNotWritable, shown, Tr(kLacksField, field)));
        return true;
    }

    bool checkLine(const CsvRecord& record)
    {
        for (std::size_t j = kFields.size(); j < record.fields.size(); ++j)
            if (!IsNoValue(record.fields[j]))
                return refuse(CsvError{record.line, Tr(kTooManyValues, std::to_string(j + 1))}.message());
        Person person;
        person.line = record.line;
        for (std::size_t j = 0; j < kFields.size() && j < record.fields.size(); ++j)
            if (!IsNoValue(record.fields[j]))
                person.values[j] = record.fields[j];
        if (person.values[0].empty() || person.values[1].empty() || person.values[2].empty()) {
            m_result.remarks.push_back(CsvError{record.line, Tr(kSkipped)}.message());
            ++m_result.linesSkipped;
            return true;
        }
        for (std::size_t j = 0; j < kFields.size(); ++j) {
            const std::size_t width = m_table.FieldLength(kFields[j]);
            if (person.values[j].size() > width) {
                m_result.remarks.push_back(
                    CsvError{record.line, Tr(kCut, Cp1252ToUtf8(person.values[j]), std::string(kFields[j]))}.message());
                ++m_result.valuesCut;
                person.values[j].resize(width);
            }
        }
        m_persons.push_back(std::move(person));
        return true;
    }

    // Appends a blank record numbered as its record number; 0 on failure.
    unsigned long appendNumbered()
    {
        if (!m_table.Append())
            return 0;
        m_table.Bottom();
        const unsigned long record = static_cast<unsigned long>(m_table.RecNo());
        char number[16];
        std::snprintf(number, sizeof number, "%04lu", record);
        return m_table.Replace(kNumberField, number) == 1 ? record : 0;
    }

    // The next record after `passed` whose name is empty; a new one when
    // there is none. 0 when none could be appended.
    unsigned long freeRecord(unsigned long& passed)
    {
        const unsigned long count = m_table.RecCount();
        while (passed < count) {
            ++passed;
            m_table.Go(passed);
            std::string name;
            if (m_table.Read(kFields[0], name) == 1 && name.empty())
                return passed;
        }
        passed = appendNumbered();
        return passed;
    }

    bool writePerson(const Person& person, unsigned long& passed)
    {
        const unsigned long record = freeRecord(passed);
        if (record == 0)
            return false;
        m_table.Go(record);
        for (std::size_t j = 0; j < kFields.size(); ++j)
            if (!person.values[j].empty() && m_table.Replace(kFields[j], person.values[j].c_str()) != 1)
                return false;
        // The table always ends with a free, numbered record.
        return record != m_table.RecCount() || appendNumbered() != 0;
    }

    void write()
    {
        const long lines = static_cast<long>(m_persons.size());
        ProgressSteps progress(m_control, Phase::Write, lines);
        unsigned long passed = 0;
        for (long i = 0; i < lines; ++i) {
            const Person& person = m_persons[static_cast<std::size_t>(i)];
            if (!writePerson(person, passed)) {
                m_result.outcome = Outcome::Stopped;
                m_result.error =
                    CsvError{person.line, Tr(kNotWritten, std::to_string(passed), CDatabase::LastError())}.message() +
                    "\n" + Tr(kStoppedAfter, std::to_string(m_result.count));
                return;
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
    std::vector<Person> m_persons;
};

}  // namespace

OperationResult ImportPersons(const std::string& path, std::string_view separators, const OperationControl& control)
{
    return PersonsImport(path, separators, control).run();
}

}  // namespace kx::importexport
