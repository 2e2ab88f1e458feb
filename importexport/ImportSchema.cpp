#include "importexport/ImportSchema.h"

#include "core/MailboxLayout.h"
#include "importexport/CsvReader.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"
#include "platform/Text.h"
#include "platform/TextEncoding.h"

#include <map>

namespace kx::importexport {

namespace {

constexpr const char* kSchemaFile = "kxaimport.ini";
constexpr std::size_t kNameBuffer = 40;  // Field and Type: 39 characters

constexpr Text kNoSchema = KX_TEXT("ImportSchema", "No valid kxaimport.ini file found!\nThe import-function needs "
                                                   "this ini-file.\nPlease make sure that a valid kxaimport.ini file "
                                                   "exists in the windows (winnt) directory.");
constexpr Text kFirstNotKey =
    KX_TEXT("ImportSchema", "The first fieldname needs to be the alarmkey!\nThe csv file can not be imported.");
constexpr Text kUnknownColumn = KX_TEXT("ImportSchema", "The fieldname '%1' in the csv file is not valid!\nNo alarms "
                                                        "can be imported and the import-function will stop now.\n"
                                                        "Please check the documentation or kxaimport.ini for the "
                                                        "valid fieldnames.");
constexpr Text kNoField =
    KX_TEXT("ImportSchema", "the column '%1' names the field '%2', which the alarm database does not have.");
constexpr Text kKeyField =
    KX_TEXT("ImportSchema", "the column '%1' names the field %2, which only the key column may fill.");
constexpr Text kNumericForText =
    KX_TEXT("ImportSchema", "the column '%1' is a text column, but its field %2 holds numbers.");
constexpr Text kNotBareFile =
    KX_TEXT("ImportSchema", "the column '%1' names the INI file '%2', which is no bare file name.");

std::string schemaString(const std::string& section, const char* key)
{
    return ProfileString(kSchemaFile, section, key, {}, kNameBuffer);
}

// "T01".."T99" (either case of the letter): the position, else 0.
int fieldPosition(const std::string& field)
{
    if (field.size() != 3 || (field[0] != 'T' && field[0] != 't') || field[1] < '0' || field[1] > '9' ||
        field[2] < '0' || field[2] > '9')
        return 0;
    return (field[1] - '0') * 10 + (field[2] - '0');
}

bool isBareFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string::npos;
}

std::string folded(std::string_view name)
{
    std::string key(name);
    for (char& c : key)
        c = static_cast<char>(FoldCp1252(static_cast<unsigned char>(c)));
    return key;
}

std::string headerError(const Text& text, std::string_view arg1, std::string_view arg2)
{
    return CsvError{1, Tr(text, Cp1252ToUtf8(arg1), Cp1252ToUtf8(arg2))}.message();
}

}  // namespace

bool ImportSchema::valid(std::string& error)
{
    if (schemaString("alarmkey", "Field") == "T01" || schemaString("Alarmnr.", "Field") == "T01")
        return true;
    error = Tr(kNoSchema);
    return false;
}

bool ImportSchema::read(const std::vector<std::string>& names, CDatabase& table, std::string& error)
{
    m_columns.clear();
    if (names.empty() || (names[0] != "alarmkey" && names[0] != "Alarmnr.")) {
        error = Tr(kFirstNotKey);
        return false;
    }
    std::map<std::string, int> occurrences;
    for (std::size_t i = 0; i < names.size(); ++i) {
        ImportColumn column;
        column.name = names[i];
        const int n = ++occurrences[folded(column.name)];
        column.section = n == 1 ? column.name : column.name + "#" + std::to_string(n);
        const std::string field = schemaString(column.section, "Field");
        if (field.empty()) {
            error = Tr(kUnknownColumn, Cp1252ToUtf8(column.section));
            return false;
        }
        if (i == 0) {
            column.kind = ImportColumn::Kind::Key;
            m_columns.push_back(std::move(column));
            continue;
        }
        const std::string type = schemaString(column.section, "Type");
        if (type == "notused") {
            m_columns.push_back(std::move(column));
            continue;
        }
        if (type == "ini") {
            if (!isBareFileName(field)) {
                error = headerError(kNotBareFile, column.name, field);
                return false;
            }
            column.kind = ImportColumn::Kind::Ini;
            column.iniFile = field;
            column.maxLength = ProfileInt(kSchemaFile, column.section, "MaxLen", 0);
            m_columns.push_back(std::move(column));
            continue;
        }
        column.kind = type == "str" ? ImportColumn::Kind::Text : ImportColumn::Kind::Number;
        column.position = fieldPosition(field);
        if (column.position < 1 || column.position > mailbox::kFieldCount ||
            !table.IsField(mailbox::PhysicalName(column.position).c_str())) {
            error = headerError(kNoField, column.name, field);
            return false;
        }
        if (column.position <= 2) {
            error = headerError(kKeyField, column.name, mailbox::PhysicalName(column.position));
            return false;
        }
        if (column.kind == ImportColumn::Kind::Text && mailbox::IsNumericPosition(column.position)) {
            error = headerError(kNumericForText, column.name, mailbox::PhysicalName(column.position));
            return false;
        }
        if (type == "int") {
            column.minValue = ProfileInt(kSchemaFile, column.section, "MinValue", 0);
            column.maxValue = ProfileInt(kSchemaFile, column.section, "MaxValue", 0);
        } else if (type == "str") {
            column.maxLength = ProfileInt(kSchemaFile, column.section, "MaxLen", 0);
        }
        m_columns.push_back(std::move(column));
    }
    return true;
}

}  // namespace kx::importexport
