#include "core/MailboxLayout.h"

#include "core/CDatabase.h"
#include "platform/Text.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <unordered_map>

namespace kx::mailbox {

namespace {

constexpr std::array<const char*, kFieldCount> kLogicalNames = {
    "index",       "status",      "year",        "day",         "hour",       "min",        "used_year",  "used_day",
    "pwd",         "n_mbx",       "mbx_ch_f",    "mbx_ch_r",    "p_mbx_f",    "p_mbx_r",    "type_alt",   "type_tag",
    "type_ogm",    "p_ogm1",      "p_ogm2",      "n_msg",       "type_msg",   "msg_ch_f",   "msg_ch_r",   "p_msg_f",
    "p_msg_r",     "type_answr",  "type_phone",  "p_ogm3",      "type_pager", "p_ogm4",     "phone",      "pager",
    "text_opt1",   "string65_4",  "string65_5",  "string65_6",  "string65_7", "string65_8", "string65_9", "string65_10",
    "string100_1", "string100_2", "string100_3", "string100_4", "string30_1", "string30_2", "string30_3", "string30_4",
    "string30_5",  "string30_6",  "string30_7",  "string30_8",  "string30_9", "string22_1", "string22_2", "string22_3",
    "string22_4",  "string22_5",  "num10_1",     "num10_2",     "num10_3",    "num10_4",    "num10_5",    "num10_6",
    "num6_1",      "num6_2",      "num6_3",      "num6_4",      "num4_1",     "num4_2",     "num4_3",     "num4_4",
    "num4_5",      "num4_6",      "num4_7",      "num4_8",      "num4_9",     "num4_10",    "num2_1",     "num2_2",
    "num2_3",      "num2_4",      "num2_5",      "num1_1",      "num1_2",     "num1_3",     "num1_4",     "num1_5",
    "num1_6",      "num1_7",      "num1_8",      "num1_9",      "num1_10",    "num1_11",    "num1_12",    "num1_13",
    "num1_14",     "num1_15",     "num1_16",
};

// The code tables of the alarm attributes: an alarm's kind (type_alt), its
// type (num2_4, the "Select alarm type" menu) and an alarm-in's function (p_ogm4).
constexpr std::array<Text, kAlarmKindCount> kAlarmKinds = {
    KX_TEXT("MailboxLayout", "Parallel"),
    KX_TEXT("MailboxLayout", "Sequent"),
    KX_TEXT("MailboxLayout", "Copy into MBX"),
    KX_TEXT("MailboxLayout", "Conference/Parallel"),
    KX_TEXT("MailboxLayout", "2-party conference with the first"),
    KX_TEXT("MailboxLayout", "Skill alarm"),
};
constexpr std::array<Text, kAlarmTypeCount> kAlarmTypes = {
    KX_TEXT("MailboxLayout", "Not specified"),
    KX_TEXT("MailboxLayout", "Contact"),
    KX_TEXT("MailboxLayout", "Firealarm"),
    KX_TEXT("MailboxLayout", "Housemanagement"),
    KX_TEXT("MailboxLayout", "Phone"),
    KX_TEXT("MailboxLayout", "Technical alarm"),
    KX_TEXT("MailboxLayout", "Firstaid / nurse call"),
    KX_TEXT("MailboxLayout", "Day / Night contact"),
    KX_TEXT("MailboxLayout", "WatchDog alarm"),
    KX_TEXT("MailboxLayout", "Man-down function"),
    KX_TEXT("MailboxLayout", "Server / Network watch (ping)"),
    KX_TEXT("MailboxLayout", "Service / Process watch"),
};
constexpr std::array<Text, kAlarmInFunctionCount> kAlarmInFunctions = {
    KX_TEXT("MailboxLayout", "Broadcast / Launch an alarm"),
    KX_TEXT("MailboxLayout", "Launch a conference"),
    KX_TEXT("MailboxLayout", "Record an alarm message"),
    KX_TEXT("MailboxLayout", "Login and logout of persons"),
    KX_TEXT("MailboxLayout", "Confirmation call back"),
    KX_TEXT("MailboxLayout", "Confirmation call back for pager"),
    KX_TEXT("MailboxLayout", "Line supervision call back"),
    KX_TEXT("MailboxLayout", "Record a fax message"),
    KX_TEXT("MailboxLayout", "Play active alarms"),
    KX_TEXT("MailboxLayout", "Play the alarm message of an alarm"),
    KX_TEXT("MailboxLayout", "Play the last alarm message of the caller"),
    KX_TEXT("MailboxLayout", "Play recorded conferences"),
    KX_TEXT("MailboxLayout", "Special functions"),
    KX_TEXT("MailboxLayout", "Activate and deactivate man-down supervision"),
    KX_TEXT("MailboxLayout", "Fax broadcast / Alarm launch"),
    KX_TEXT("MailboxLayout", "Room surveillance (baby call)"),
    KX_TEXT("MailboxLayout", "Start evacuation alarm"),
    KX_TEXT("MailboxLayout", "Add to conference pool"),
    KX_TEXT("MailboxLayout", "DECT Alarm call"),
    KX_TEXT("MailboxLayout", "IVR application"),
    KX_TEXT("MailboxLayout", "Call transfer"),
    KX_TEXT("MailboxLayout", "DDI callback"),
};
constexpr Text kNoAlarmInFunction = KX_TEXT("MailboxLayout", "No type of alarm defined");

const std::unordered_map<std::string_view, int>& positionsByName()
{
    static const auto* map = [] {
        auto* m = new std::unordered_map<std::string_view, int>();
        for (int i = 0; i < kFieldCount; ++i)
            m->emplace(kLogicalNames[i], i + 1);
        return m;
    }();
    return *map;
}

// The decimal number a text starts with, as the C library's strtol reads it
// (leading white space, a sign, digits); a text that is not a number gives
// 0. `inRange` is false when the number lies outside the int range.
int leadingNumber(const char* text, bool& inRange)
{
    errno = 0;
    const long long number = std::strtoll(text, nullptr, 10);
    inRange = errno != ERANGE && number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max();
    return inRange ? static_cast<int>(number) : 0;
}

// Steps 3 to 10 of a new record: the attribute fields after status.
std::vector<FieldWrite> attributeWrites(bool alarm, bool freed)
{
    const std::string zero = " ";  // a one-blank text: the numeric write turns it into 0
    auto flag = [&](bool on) { return on && !freed ? std::string("1") : zero; };
    auto eight = [&](bool on) { return on && !freed ? std::string("8") : zero; };
    return {
        {"p_mbx_f", zero},
        {"year", zero},
        {"day", zero},
        {"hour", zero},
        {"min", zero},
        {"used_year", zero},
        {"used_day", zero},
        {"pwd", zero},
        {"n_mbx", zero},
        {"mbx_ch_f", zero},
        {"mbx_ch_r", zero},
        {"p_mbx_r", flag(alarm)},
        {"type_alt", zero},
        {"type_tag", zero},
        {"type_ogm", zero},
        {"p_ogm1", zero},
        {"p_ogm2", zero},
        {"n_msg", zero},
        {"type_msg", eight(alarm)},
        {"msg_ch_f", zero},
        {"msg_ch_r", zero},
        {"p_msg_f", flag(!alarm)},
        {"p_msg_r", zero},
        {"type_answr", zero},
        {"type_phone", zero},
        {"p_ogm3", zero},
        {"type_pager", zero},
        {"p_ogm4", zero},
        {"phone", ""},
        {"pager", ""},
        {"text_opt1", ""},
    };
}

}  // namespace

int PositionOfLogicalName(std::string_view logicalName)
{
    const auto& map = positionsByName();
    auto it = map.find(logicalName);
    return it == map.end() ? 0 : it->second;
}

const char* LogicalName(int position)
{
    return position >= 1 && position <= kFieldCount ? kLogicalNames[position - 1] : "";
}

std::string PhysicalName(int position)
{
    char name[8];
    std::snprintf(name, sizeof name, "T%02d", position);
    return name;
}

std::vector<FIELD4INFO> TableFields()
{
    std::vector<FIELD4INFO> fields;
    fields.reserve(kFieldCount);
    for (int p = 1; p <= kFieldCount; ++p) {
        FIELD4INFO f;
        f.name = PhysicalName(p);
        f.type = IsNumericPosition(p) ? 'N' : 'C';
        if (p == 1)
            f.length = 5;
        else if (p == 2)
            f.length = 2;
        else if (p <= 30)
            f.length = 6;
        else if (p <= 40)
            f.length = 65;
        else if (p <= 44)
            f.length = 100;
        else if (p <= 53)
            f.length = 30;
        else if (p <= 58)
            f.length = 22;
        else if (p <= 64)
            f.length = 10;
        else if (p <= 68)
            f.length = 6;
        else if (p <= 78)
            f.length = 4;
        else if (p <= 83)
            f.length = 2;
        else
            f.length = 1;
        fields.push_back(f);
    }
    return fields;
}

KeyKind KindOfStatus(std::string_view status)
{
    if (status == kStatusAlarm)
        return KeyKind::Alarm;
    if (status == kStatusAlarmIn)
        return KeyKind::AlarmIn;
    if (status == kStatusFree)
        return KeyKind::Free;
    return KeyKind::Mailbox;
}

std::string AlarmKindText(int kind)
{
    return kind >= 0 && kind < kAlarmKindCount ? Tr(kAlarmKinds[kind]) : std::string();
}

std::string AlarmTypeText(int type)
{
    return type >= 0 && type < kAlarmTypeCount ? Tr(kAlarmTypes[type]) : std::string();
}

AlarmTypeValue DecodeAlarmType(int storedValue)
{
    if (storedValue >= kDeactivationOffset)
        return {storedValue - kDeactivationOffset, true};
    return {storedValue, false};
}

const Text& AlarmInFunctionText(int code)
{
    return code >= 0 && code < kAlarmInFunctionCount ? kAlarmInFunctions[code] : kNoAlarmInFunction;
}

std::string AlarmInFunctionName(int code)
{
    return Tr(AlarmInFunctionText(code));
}

std::vector<FieldWrite> NewRecordWrites(long key, bool alarm)
{
    std::vector<FieldWrite> writes;
    writes.reserve(33);
    writes.push_back({"index", std::to_string(key)});
    writes.push_back({"status", alarm ? kStatusAlarm : kStatusAlarmIn});
    for (FieldWrite& w : attributeWrites(alarm, false))
        writes.push_back(std::move(w));
    return writes;
}

std::vector<FieldWrite> FreedRecordWrites()
{
    std::vector<FieldWrite> writes;
    writes.reserve(32);
    writes.push_back({"status", kStatusFree});
    for (FieldWrite& w : attributeWrites(true, true))
        writes.push_back(std::move(w));
    return writes;
}

namespace {

// Why `text` cannot go into a field at `position` that is `width` wide (0:
// the table lacks it); a numeric field's number comes back in `number`.
ValueProblem valueProblem(int position, unsigned width, const char* text, std::size_t length, bool textMustFit,
                          int& number)
{
    number = 0;
    if (IsNumericPosition(position)) {
        bool inRange = true;
        number = leadingNumber(text, inRange);
        if (!inRange)
            return ValueProblem::NumberOutOfRange;
        if (width > 0 && std::to_string(number).size() > width)
            return ValueProblem::NumberTooWide;
        return ValueProblem::None;
    }
    if (std::string_view(text, length).find_first_of("\r\n") != std::string_view::npos)
        return ValueProblem::LineBreak;
    if (textMustFit && length > width)
        return ValueProblem::TextTooLong;
    return ValueProblem::None;
}

}  // namespace

ValueCheck CheckFieldValue(CDatabase& table, int position, std::string_view value, bool textMustFit)
{
    ValueCheck check;
    check.width = table.FieldLength(PhysicalName(position).c_str());
    const std::string text(value);
    int number = 0;
    check.problem = valueProblem(position, check.width, text.c_str(), text.size(), textMustFit, number);
    return check;
}

int WriteField(CDatabase& table, unsigned long firstRecord, unsigned long lastKey, const char* logicalName,
               const char* value)
{
    if (!table.IsOpen())
        return 0;
    const int position = logicalName ? PositionOfLogicalName(logicalName) : 0;
    if (position == 0)
        return -1;
    // Keys 0 .. record count - 1 have records; a range outside them (a
    // negative key turned unsigned among them) would wrap round and write
    // every record of the table.
    const unsigned long records = table.RecCount();
    if (firstRecord < 1 || lastKey >= records || firstRecord > lastKey + 1)
        return 0;
    const char* text = value ? value : "";
    const std::string physical = PhysicalName(position);
    int number = 0;
    if (valueProblem(position, table.FieldLength(physical.c_str()), text, std::strlen(text), false, number) !=
        ValueProblem::None)
        return -2;
    const bool numeric = IsNumericPosition(position);
    int result = 1;
    for (unsigned long record = firstRecord; record <= lastKey + 1; ++record) {
        table.Go(record);
        const int written = numeric ? table.Replace(physical.c_str(), number) : table.Replace(physical.c_str(), text);
        if (!written)
            result = 0;
    }
    return result;
}

int WriteFields(CDatabase& table, long key, const std::vector<FieldWrite>& writes)
{
    for (const FieldWrite& w : writes) {
        const int result =
            WriteField(table, RecordOfKey(key), static_cast<unsigned long>(key), w.logicalName, w.value.c_str());
        if (result != 1)
            return result;
    }
    return 1;
}

namespace {

// Why one logical-name write of a unit failed.
std::string unitWriteFailure(CDatabase& table, const FieldWrite& w, int result)
{
    const int position = w.logicalName ? PositionOfLogicalName(w.logicalName) : 0;
    const std::string name = w.logicalName ? w.logicalName : "";
    if (position == 0)
        return "unknown field name \"" + name + "\"";
    const std::string physical = PhysicalName(position);
    if (!table.IsField(physical.c_str()))
        return "the table has no field " + physical + " (" + name + ")";
    if (result == -2)
        return "the value \"" + w.value + "\" does not fit field " + physical + " (" + name + ")";
    const std::string error = CDatabase::LastError();
    return error.empty() ? "field " + physical + " (" + name + ") could not be written" : error;
}

}  // namespace

UnitWriter::Field& UnitWriter::resolve(int position)
{
    Field& f = m_fields[static_cast<std::size_t>(position)];
    if (!f.resolved) {
        f.physical = PhysicalName(position);
        f.width = m_table.FieldLength(f.physical.c_str());
        f.resolved = true;
    }
    return f;
}

int UnitWriter::writeField(const FieldWrite& w)
{
    const int position = w.logicalName ? PositionOfLogicalName(w.logicalName) : 0;
    if (position == 0)
        return -1;
    const Field& f = resolve(position);
    int number = 0;
    if (valueProblem(position, f.width, w.value.c_str(), w.value.size(), false, number) != ValueProblem::None)
        return -2;
    return IsNumericPosition(position) ? m_table.Replace(f.physical.c_str(), number)
                                       : m_table.Replace(f.physical.c_str(), w.value.c_str());
}

UnitResult UnitWriter::write(long key, const std::function<bool(std::string_view status)>& statusAllowed,
                             const std::vector<FieldWrite>& writes)
{
    UnitResult result;
    const unsigned long record = RecordOfKey(key);
    if (!m_table.IsOpen() || key < 0 || record > m_table.RecCount()) {
        result.outcome = UnitResult::Outcome::Failed;
        result.reason = m_table.IsOpen() ? "the key has no record in the table" : "the table is not open";
        return result;
    }
    if (!m_table.LockRecord(record)) {
        result.outcome = UnitResult::Outcome::Failed;
        result.reason = CDatabase::LastError();
        return result;
    }
    m_table.Go(record);
    if (m_table.Read(field::Status, result.status) != 1 || !statusAllowed(result.status)) {
        m_table.Unlock();
        result.outcome = UnitResult::Outcome::StatusChanged;
        return result;
    }
    // The fields wait, then go in one flush under the lock already held. The
    // record stays current throughout: its presence was checked above.
    m_table.SetFlush(0);
    bool written = true;
    for (const FieldWrite& w : writes) {
        const int r = writeField(w);
        if (r != 1) {
            result.reason = unitWriteFailure(m_table, w, r);
            written = false;
            break;
        }
    }
    if (written)
        m_table.Flush();
    if (m_table.Discard() != 0 && written) {  // the flush failed: nothing of it stays pending
        result.reason = CDatabase::LastError();
        written = false;
    }
    m_table.SetFlush(1);
    m_table.Unlock();
    if (!written)
        result.outcome = UnitResult::Outcome::Failed;
    return result;
}

UnitResult WriteUnit(CDatabase& table, long key, const std::function<bool(std::string_view status)>& statusAllowed,
                     const std::vector<FieldWrite>& writes)
{
    return UnitWriter(table).write(key, statusAllowed, writes);
}

}  // namespace kx::mailbox
