#pragma once
// The columns of an alarm import as the schema kxaimport.ini describes them:
// one section per column name with Field, Type, MinValue, MaxValue and
// MaxLen. A name that occurs again in the header (the export writes
// "check_status" twice) takes the section "name#n" for its n-th occurrence.
//
// Every column is checked before anything is written: its section must name
// a field (a mailbox field other than the key and status for "int" and
// "str", a character field for "str", a bare file name for "ini").

#include "core/CDatabase.h"

#include <string>
#include <vector>

namespace kx::importexport {

struct ImportColumn {
    enum class Kind {
        Key,      // the first column: the alarm key
        Number,   // "int", and any unknown type (whose only valid value is 0)
        Text,     // "str": a character field of the mailbox table
        Ini,      // "ini": section "Messages" of an INI file, key = the alarm key
        NotUsed,  // "notused": ignored
    };
    std::string name;     // as in the header (Windows-1252)
    std::string section;  // the schema section that describes it
    Kind kind = Kind::NotUsed;
    int position = 0;     // Number and Text: the field's position 1..99
    std::string iniFile;  // Ini: the file's bare name
    long minValue = 0;
    long maxValue = 0;
    long maxLength = 0;
};

class ImportSchema {
public:
    // Section "alarmkey", or failing that "Alarmnr.", maps to T01. False
    // with the message for the operator (UTF-8).
    static bool valid(std::string& error);

    // Reads the descriptors of the header's column names (trimmed) and
    // checks them against the open mailbox table. False with the message for
    // the operator (UTF-8).
    bool read(const std::vector<std::string>& names, CDatabase& table, std::string& error);

    const std::vector<ImportColumn>& columns() const { return m_columns; }

private:
    std::vector<ImportColumn> m_columns;
};

}  // namespace kx::importexport
