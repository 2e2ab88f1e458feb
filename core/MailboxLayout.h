#pragma once
// The layout of the platform's mailbox table vm001.dbf as the console uses
// it: one record per key (key k is record k + 1), 99 fields T01..T99 with
// fixed logical names, the status codes that make a key an alarm, an
// alarm-in or a free key, and the code tables of the alarm attributes.
//
// Fields are read by their physical names ("T30") and written by their
// logical names ("p_ogm4") through WriteField, which converts numeric fields
// from text.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CDatabase.h"
#include "platform/Text.h"

namespace kx::mailbox {

constexpr int kFieldCount = 99;
constexpr int kDeactivationOffset = 50;  // added to an alarm's type while it is deactivated
constexpr int kLowestFreeableKey = 10;   // keys 0 to 9 are never freed or added

constexpr const char* kStatusAlarm = "91";
constexpr const char* kStatusAlarmIn = "92";
constexpr const char* kStatusFree = "11";

inline unsigned long RecordOfKey(long key)
{
    return static_cast<unsigned long>(key) + 1;
}

// Position 1..99 of a logical name (exact, case-sensitive); 0 when unknown.
int PositionOfLogicalName(std::string_view logicalName);
// The logical name at a position 1..99 ("" outside).
const char* LogicalName(int position);
// "T01".."T99".
std::string PhysicalName(int position);
// Fields T01..T30 and T59..T99 are numeric, T31..T58 character fields.
inline bool IsNumericPosition(int position)
{
    return position <= 30 || position >= 59;
}

// Physical names of the fields the console reads.
namespace field {
constexpr const char* Index = "T01";
constexpr const char* Status = "T02";
constexpr const char* PlanNumber = "T10";       // n_mbx
constexpr const char* Kind = "T15";             // type_alt
constexpr const char* LaunchedAlarm = "T28";    // p_ogm3: alternate icon of an alarm, launched key of an alarm-in
constexpr const char* GroupOrFunction = "T30";  // p_ogm4
constexpr const char* Phone = "T31";
constexpr const char* Pager = "T32";
constexpr const char* Comment = "T33";           // text_opt1: the name
constexpr const char* SecondPlan = "T77";        // num4_9
constexpr const char* ServerNumberB = "T78";     // num4_10
constexpr const char* ServerNumberA = "T79";     // num2_1
constexpr const char* AlarmType = "T82";         // num2_4
constexpr const char* AlarmInPlanInUse = "T89";  // num1_6
constexpr const char* AlarmInPlanKind = "T90";   // num1_7
}  // namespace field

enum class KeyKind {
    Alarm,
    AlarmIn,
    Free,
    Mailbox
};
// What a status text (trailing blanks already removed) makes of a key.
KeyKind KindOfStatus(std::string_view status);

// The list text of an alarm's kind (type_alt) in the operator's language
// (UTF-8); "" for other values.
std::string AlarmKindText(int kind);

constexpr int kAlarmKindCount = 6;
constexpr int kAlarmTypeCount = 12;
// The name of an alarm type 0..11 (UTF-8); "" outside.
std::string AlarmTypeText(int type);
// An alarm's type and whether it is deactivated, from num2_4.
struct AlarmTypeValue {
    int type;
    bool deactivated;
};
AlarmTypeValue DecodeAlarmType(int storedValue);

constexpr int kAlarmInFunctionCount = 22;
// The name of an alarm-in function 0..21 (UTF-8); "No type of alarm defined" else.
std::string AlarmInFunctionName(int code);
// ... as its translatable text.
const Text& AlarmInFunctionText(int code);

// Field descriptors of a mailbox table as this system creates one (demo
// sites and tests; the platform sizes its own): T01 N5, T02 N2 (so "91"
// reads exactly), T03..T30 N6, the character fields with the widths their
// logical names carry (T31..T40 65, T41..T44 100, T45..T53 30, T54..T58
// 22), T59..T99 numbers of 10, 6, 4, 2 and 1 digits.
std::vector<FIELD4INFO> TableFields();

// One logical-name write of a prepared record.
struct FieldWrite {
    const char* logicalName;
    std::string value;
};

// The 33 writes that turn a key into a new alarm or alarm-in, in order.
std::vector<FieldWrite> NewRecordWrites(long key, bool alarm);
// The writes that free a key again: status "11" and the 31 attribute
// fields reset; index and the fields behind text_opt1 keep their values.
std::vector<FieldWrite> FreedRecordWrites();

// Why a value cannot go into a field through the logical-name write.
enum class ValueProblem {
    None,
    NumberOutOfRange,  // a numeric field's number lies outside the int range
    NumberTooWide,     // ... or has more digits than the field
    LineBreak,         // a character field's text holds CR or LF
    TextTooLong,       // a character field's text is longer than the field (only when asked to check)
};
struct ValueCheck {
    ValueProblem problem = ValueProblem::None;
    unsigned width = 0;  // the field's width in the open table
};
// Checks `value` against the field at `position` (1..99) of the open table
// as the logical-name write would store it. A text longer than its field is
// only a problem with `textMustFit`: the write itself cuts it.
ValueCheck CheckFieldValue(CDatabase& table, int position, std::string_view value, bool textMustFit);

// Writes one field by logical name into the records firstRecord ..
// lastKey + 1 (pass k + 1 and k for one key). Numeric fields take the text's
// leading decimal number (a text that is not a number gives 0); character
// fields take the text, cut to the field.
// Results: 1 done; 0 the table is not open, the range does not lie inside
// the table, or a record could not be written; -1 the logical name is
// unknown; -2 the value cannot be stored (CheckFieldValue). Everything but a
// failing record is checked before anything is written.
int WriteField(CDatabase& table, unsigned long firstRecord, unsigned long lastKey, const char* logicalName,
               const char* value);

// Writes a prepared list of fields into the record of one key; stops at the
// first failure and returns its result (1 when all were written).
int WriteFields(CDatabase& table, long key, const std::vector<FieldWrite>& writes);

// How a one-unit write of a key's record ended.
struct UnitResult {
    enum class Outcome {
        Written,
        StatusChanged,  // the status no longer allowed the write; nothing written
        Failed,         // nothing written; `reason` says why
    };
    Outcome outcome = Outcome::Written;
    std::string status;  // the status found under the lock
    std::string reason;  // for messages (English, like the engine's reasons)
};
// Writes `writes` into the record of `key` as one unit, without any message
// box (usable from a writer thread): under the record's lock the status is
// read again and must satisfy `statusAllowed` (another program may have
// freed or reused the key); the fields then wait and go in one flush, and
// any failure (no record, a missing field, a refused value, the lock not had
// in time, an I/O error) drops them all, so the record stays as it was.
UnitResult WriteUnit(CDatabase& table, long key, const std::function<bool(std::string_view status)>& statusAllowed,
                     const std::vector<FieldWrite>& writes);

// One-unit writes (as WriteUnit) into many keys of one open table: each
// field's physical name and width are looked up once for the whole run, and
// the fields of a key go into the record made current under its lock
// without positioning or counting the records again per field.
class UnitWriter {
public:
    explicit UnitWriter(CDatabase& table) : m_table(table) {}
    UnitResult write(long key, const std::function<bool(std::string_view status)>& statusAllowed,
                     const std::vector<FieldWrite>& writes);

private:
    struct Field {
        bool resolved = false;
        std::string physical;
        unsigned width = 0;  // 0: the table lacks the field
    };
    Field& resolve(int position);
    int writeField(const FieldWrite& w);  // as WriteField, into the current record

    CDatabase& m_table;
    std::array<Field, kFieldCount + 1> m_fields;
};

}  // namespace kx::mailbox
