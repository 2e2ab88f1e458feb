// kxalarmctl record / field: one key's record of the mailbox table.

#include "app/ctl/CtlCommand.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/TextEncoding.h"

#include <cstdio>
#include <cstdlib>

namespace kx::ctl {

namespace {

// Opens the mailbox table and checks that the key has a record.
int openKey(CDatabase& table, const std::string& keyText, long& key)
{
    if (int code = ParseKey(keyText, key))
        return code;
    const std::string path = config::MailboxTablePath();
    if (!table.Open(path.c_str()))
        return Fail("cannot open the mailbox table " + Cp1252ToUtf8(path) + ": " + CDatabase::LastError(), 2);
    const unsigned long records = table.RecCount();
    if (mailbox::RecordOfKey(key) > records) {
        table.Close();
        return Fail("key " + keyText + " has no record (the table holds keys 0 to " +
                    std::to_string(static_cast<long>(records) - 1) + ")");
    }
    table.Go(mailbox::RecordOfKey(key));
    return kExitOk;
}

// Why the logical-name write would not take a value, for the operator.
std::string refusal(const mailbox::ValueCheck& check, const std::string& logicalName)
{
    const std::string width = std::to_string(check.width);
    switch (check.problem) {
    case mailbox::ValueProblem::None:
        break;
    case mailbox::ValueProblem::NumberOutOfRange:
        return "the number for " + logicalName + " lies outside -2147483648 to 2147483647; nothing written";
    case mailbox::ValueProblem::NumberTooWide:
        return "the number for " + logicalName + " has more than the field's " + width + " characters; nothing written";
    case mailbox::ValueProblem::LineBreak:
        return "a text for " + logicalName + " cannot hold a line break (CR or LF); nothing written";
    case mailbox::ValueProblem::TextTooLong:
        return "the text for " + logicalName + " is longer than the field's " + width + " characters; nothing written";
    }
    return {};
}

// Numbers stand right-justified in their fields; they are shown as they read.
std::string shown(const std::string& physical, const std::string& value)
{
    int position = 0;
    if (physical.size() == 3 && (physical[0] == 'T' || physical[0] == 't'))
        position = std::atoi(physical.c_str() + 1);
    if (position < 1 || position > mailbox::kFieldCount || !mailbox::IsNumericPosition(position))
        return EscapeControls(Cp1252ToUtf8(value));
    const std::size_t start = value.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : value.substr(start);
}

}  // namespace

int RunRecord(const Arguments& args)
{
    const Command& self = *FindCommand("record");
    if (args.size() != 1)
        return UsageError(self, "expects one KEY");
    CDatabase table;
    long key = 0;
    if (int code = openKey(table, args[0], key))
        return code;
    ScopedClose closer(table);
    for (int position = 1; position <= mailbox::kFieldCount; ++position) {
        const std::string physical = mailbox::PhysicalName(position);
        std::string value;
        table.Read(physical.c_str(), value);
        std::printf("%s\t%s\t%s\n", physical.c_str(), mailbox::LogicalName(position), shown(physical, value).c_str());
    }
    return kExitOk;
}

int RunField(const Arguments& args)
{
    const Command& self = *FindCommand("field");
    if (args.empty())
        return UsageError(self, "expects get or set");
    if (args[0] == "get") {
        if (args.size() != 3)
            return UsageError(self, "get expects KEY PHYSICAL");
        CDatabase table;
        long key = 0;
        if (int code = openKey(table, args[1], key))
            return code;
        ScopedClose closer(table);
        std::string value;
        if (!table.Read(args[2].c_str(), value))
            return Fail("the mailbox table has no field " + args[2]);
        std::printf("%s\n", shown(args[2], value).c_str());
        return kExitOk;
    }
    if (args[0] == "set") {
        if (args.size() != 4)
            return UsageError(self, "set expects KEY LOGICAL VALUE");
        long key = 0;
        if (int code = ParseKey(args[1], key))
            return code;
        const int position = mailbox::PositionOfLogicalName(args[2]);
        if (position == 0)
            return Fail("unknown logical name " + args[2], 3);
        std::string value;
        if (!ToCp1252(args[3], value))
            return kExitFailed;
        CDatabase table;
        if (int code = openKey(table, args[1], key))
            return code;
        ScopedClose closer(table);
        const mailbox::ValueCheck check = mailbox::CheckFieldValue(table, position, value, true);
        if (check.problem != mailbox::ValueProblem::None)
            return Fail(refusal(check, args[2]));
        const int result = mailbox::WriteField(table, mailbox::RecordOfKey(key), static_cast<unsigned long>(key),
                                               args[2].c_str(), value.c_str());
        if (result == 1)
            return kExitOk;
        return Fail("the field could not be written: " + CDatabase::LastError(), 2);
    }
    return UsageError(self, "unknown form " + args[0]);
}

namespace {
const CommandRegistration
    recordRegistration(20, {"record", "record KEY",
                            "Prints the 99 fields of the key's record of the mailbox table, one per line:\n"
                            "physical name, logical name and the value, tab-separated. Values lose their trailing\n"
                            "blanks, numbers also the leading blanks of their right-justified fields.",
                            RunRecord});
const CommandRegistration
    fieldRegistration(21,
                      {"field", "field get KEY PHYSICAL | field set KEY LOGICAL VALUE",
                       "get: prints the text of a field by its physical name (T01..T99), trimmed as record does.\n"
                       "set: writes a field by its logical name as the console does (numeric fields take the value's\n"
                       "leading number). A number outside the int range or wider than its field, a text longer than\n"
                       "its field or holding a line break is refused. Control bytes are shown as \\xNN.\n"
                       "Exit 0 when written, 1 when the value was refused or the key has no record, 2 when the key\n"
                       "is not a number from 0 up or the table could not be opened or written, 3 for an unknown\n"
                       "logical name.",
                       RunField});
}  // namespace

}  // namespace kx::ctl
