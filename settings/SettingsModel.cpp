#include "settings/SettingsModel.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/TextEncoding.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace kx::settings {

namespace {

constexpr Text kNotANumber = KX_TEXT("SettingsModel", "Please enter a whole number for \"%1\".");
constexpr Text kOutsideSpin = KX_TEXT("SettingsModel", "The value of \"%1\" must lie in the range %2.");
constexpr Text kTextTooLong = KX_TEXT("SettingsModel", "The text for \"%1\" may have at most %2 characters.");
constexpr Text kNumberTooWide = KX_TEXT("SettingsModel", "The number for \"%1\" may have at most %2 digits.");
constexpr Text kTextOneLine = KX_TEXT("SettingsModel", "The text for \"%1\" must stay on one line.");
constexpr Text kNotWritten = KX_TEXT("SettingsModel", "The settings could not be written to %1 !\n%2");
constexpr Text kRecordChanged =
    KX_TEXT("SettingsModel", "Key %1 was changed by another program after it was loaded. Nothing was "
                             "saved; please open it again.");
constexpr Text kRecordNotWritten =
    KX_TEXT("SettingsModel", "The settings of key %1 could not be written to the mailbox table !\n%2");

// Condition chains are short; the limit only guards against a table whose
// conditions refer to each other in a circle.
constexpr int kMaxConditionDepth = 16;

const std::string kEmpty;
const std::vector<Option> kNoOptions;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A whole number as the integer profile call would find one at the start of
// the text (after blanks): an optional sign, then a digit.
bool startsWithNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

// Typed text as a whole number that fits an int: blanks around it allowed,
// nothing else. Leading zeros go (decimal text without leading zeros).
bool parseWholeNumber(std::string_view text, std::string& token)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const std::string trimmed(text.substr(begin, end - begin));
    if (trimmed.empty())
        return false;
    std::size_t digits = trimmed[0] == '-' || trimmed[0] == '+' ? 1 : 0;
    if (digits == trimmed.size())
        return false;
    for (std::size_t i = digits; i < trimmed.size(); ++i)
        if (trimmed[i] < '0' || trimmed[i] > '9')
            return false;
    errno = 0;
    const long long value = std::strtoll(trimmed.c_str(), nullptr, 10);
    if (errno != 0 || value < INT_MIN || value > INT_MAX)
        return false;
    token = std::to_string(value);
    return true;
}

}  // namespace

int ProfileNumber(std::string_view file, std::string_view section, std::string_view key, int def)
{
    const std::string text = ProfileString(file, section, key, {}, 256);
    return startsWithNumber(text) ? ProfileInt(file, section, key, def) : def;
}

std::string ValueCaption(const SettingRow& row)
{
    std::string caption = Tr(row.labelText);
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == ':'))
        caption.pop_back();
    return caption.empty() ? row.name : Utf8ToCp1252Lossy(caption);
}

namespace {

// A stored check box value against its flag: as numbers when both are
// numbers (a numeric field reads " -1"), else as texts.
bool flagMatches(const std::string& stored, const std::string& flag)
{
    if (startsWithNumber(stored) && startsWithNumber(flag))
        return std::strtol(stored.c_str(), nullptr, 10) == std::strtol(flag.c_str(), nullptr, 10);
    return stored == flag;
}

std::string trimmedLeft(const std::string& text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    return begin == std::string::npos ? std::string() : text.substr(begin);
}

}  // namespace

SettingsModel::SettingsModel(std::string name, Text title, std::vector<SettingRow> rows)
    : m_name(std::move(name)),
      m_title(title),
      m_rows(std::move(rows))
{
    for (const SettingRow& row : m_rows)
        m_values[row.name] = row.defaultValue;
    m_loaded = m_values;
}

SettingsModel::~SettingsModel()
{
    if (m_table)
        m_table->Close();
}

const SettingRow* SettingsModel::row(std::string_view name) const
{
    for (const SettingRow& r : m_rows)
        if (r.name == name)
            return &r;
    return nullptr;
}

SettingRow* SettingsModel::mutableRow(std::string_view name)
{
    return const_cast<SettingRow*>(std::as_const(*this).row(name));
}

std::string SettingsModel::keyed(const std::string& name) const
{
    std::string result = name;
    const std::size_t at = result.find("%d");
    if (at != std::string::npos)
        result.replace(at, 2, std::to_string(m_key));
    return result;
}

std::string SettingsModel::readIni(const SettingRow& row) const
{
    if (row.read || !row.hasKey()) {
        SettingRow located = row;
        located.section = keyed(row.section);
        located.key = keyed(row.key);
        return row.read ? row.read(located) : row.defaultValue;
    }
    const std::string section = keyed(row.section), key = keyed(row.key);
    if (row.kind == Kind::Check && row.exactFlags) {
        const std::string stored = ProfileString(row.file, section, key, "", row.bufferSize);
        return stored.empty() ? row.defaultValue : flagMatches(stored, row.flagOn) ? "1" : "0";
    }
    if (!row.numeric)
        return ProfileString(row.file, section, key, row.defaultValue, row.bufferSize);
    // Numbers, check boxes and list positions: a missing key or a text that
    // is not a number gives the default.
    const int def = static_cast<int>(std::strtol(row.defaultValue.c_str(), nullptr, 10));
    const int value = ProfileNumber(row.file, section, key, def);
    if (row.kind == Kind::Check)
        return value != 0 ? "1" : "0";
    return std::to_string(value);
}

namespace {

// The raw text a field of a new alarm-in holds: what the new record gets,
// else blank (a blank number reads as 0).
std::string newAlarmInText(long key, const std::string& field)
{
    for (const mailbox::FieldWrite& w : mailbox::NewRecordWrites(key, false))
        if (field == w.logicalName)
            return w.value;
    return {};
}

}  // namespace

std::string SettingsModel::readField(const SettingRow& row, const RecordSource& source) const
{
    const int position = mailbox::PositionOfLogicalName(row.field);
    if (position == 0)
        return row.defaultValue;
    std::string text;
    bool asStored = !source.asNew;
    for (const std::string& kept : source.keep)
        asStored = asStored || kept == row.field;
    if (asStored) {
        if (!m_recordLoaded)
            return row.defaultValue;
        m_table->Go(mailbox::RecordOfKey(m_key));
        m_table->Read(mailbox::PhysicalName(position).c_str(), text);
    } else {
        text = newAlarmInText(m_key, row.field);
    }
    // Numbers are right-justified, and a blank numeric field reads as 0
    // (shown as a text, it is the digits without the blanks).
    if (mailbox::IsNumericPosition(position))
        text = row.kind == Kind::Text ? trimmedLeft(text) : std::to_string(std::strtol(text.c_str(), nullptr, 10));
    if (row.kind == Kind::Check)
        return flagMatches(text, row.flagOn) ? "1" : "0";
    return text;
}

void SettingsModel::load()
{
    load(-1, 0);
}

void SettingsModel::load(long key, int variant)
{
    load(key, variant, RecordSource{});
}

void SettingsModel::load(long key, int variant, const RecordSource& source)
{
    m_key = key;
    m_variant = variant;
    m_recordLoaded = false;
    m_loadedStatus.clear();
    bool needsTable = false;
    for (const SettingRow& row : m_rows)
        needsTable = needsTable || row.inRecord() || row.itemSource;
    if (m_table)
        m_table->Close();
    m_table.reset();
    if (needsTable) {
        m_table = std::make_unique<CDatabase>();
        if (!m_table->Open(config::MailboxTablePath().c_str()))
            m_table.reset();
    }
    // The lists first: the key's record is then the last one visited, and a
    // save reads it afresh.
    for (SettingRow& row : m_rows)
        if (row.itemSource)
            row.options = row.itemSource(m_table.get());
    if (m_table && key >= 0 && mailbox::RecordOfKey(key) <= m_table->RecCount()) {
        m_table->Go(mailbox::RecordOfKey(key));
        m_recordLoaded = m_table->Read(mailbox::field::Status, m_loadedStatus) == 1;
    }
    for (const SettingRow& row : m_rows) {
        if (row.holdsVariant)
            m_values[row.name] = std::to_string(variant);
        else if (row.inRecord())
            m_values[row.name] = readField(row, source);
        else if (row.kind != Kind::Button && row.kind != Kind::View)
            m_values[row.name] = readIni(row);
    }
    fill();
    applyRules();
    m_loaded = m_values;
}

const std::string& SettingsModel::value(std::string_view name) const
{
    auto it = m_values.find(name);
    return it != m_values.end() ? it->second : kEmpty;
}

long SettingsModel::number(std::string_view name) const
{
    return std::strtol(value(name).c_str(), nullptr, 10);
}

const std::vector<Option>& SettingsModel::options(std::string_view name) const
{
    const SettingRow* r = row(name);
    return r ? r->options : kNoOptions;
}

bool SettingsModel::conditionHolds(const Condition& condition, int depth) const
{
    const SettingRow* r = row(condition.name);
    if (!r || depth > kMaxConditionDepth || !enabledAt(*r, depth + 1))
        return false;
    const std::string& v = value(condition.name);
    for (const std::string& token : condition.tokens)
        if (v == token)
            return true;
    return false;
}

bool SettingsModel::conditionsHold(const std::vector<Condition>& conditions, int depth) const
{
    for (const Condition& c : conditions)
        if (!conditionHolds(c, depth))
            return false;
    return true;
}

bool SettingsModel::enabledAt(const SettingRow& row, int depth) const
{
    return row.available && conditionsHold(row.visibleWhen, depth) && conditionsHold(row.enabledWhen, depth);
}

bool SettingsModel::isEnabled(std::string_view name) const
{
    const SettingRow* r = row(name);
    return r && enabledAt(*r, 0);
}

bool SettingsModel::isShown(std::string_view name) const
{
    const SettingRow* r = row(name);
    return r && conditionsHold(r->visibleWhen, 0);
}

bool SettingsModel::modified() const
{
    for (const SettingRow& r : m_rows) {
        if ((r.hasKey() || r.inRecord()) && isShown(r.name)) {
            auto loaded = m_loaded.find(r.name);
            if (loaded == m_loaded.end() || loaded->second != value(r.name))
                return true;
        }
    }
    return false;
}

void SettingsModel::applyRules()
{
    for (const SettingRow& row : m_rows)
        if (!row.clearedWhen.empty() && conditionsHold(row.clearedWhen, 0))
            m_values[row.name] = row.clearValue;
}

bool SettingsModel::validate(const SettingRow& row, std::string_view input, std::string& token) const
{
    const std::string caption = ValueCaption(row);
    switch (row.kind) {
    case Kind::Int:
        if (!parseWholeNumber(input, token)) {
            ErrorBox(kNotANumber, caption);
            return false;
        }
        if (row.limits && row.limits->typed) {
            const long v = std::strtol(token.c_str(), nullptr, 10);
            if (v < row.limits->lowest || v > row.limits->highest) {
                ErrorBox(kOutsideSpin, caption,
                         std::to_string(row.limits->lowest) + "-" + std::to_string(row.limits->highest));
                return false;
            }
        }
        return fitsField(row, token);
    case Kind::Text:
        for (char c : input) {
            if (c == '\r' || c == '\n' || c == '\0') {
                ErrorBox(kTextOneLine, caption);
                return false;
            }
        }
        // What is longer than the buffer would come back cut when read.
        if (!row.inRecord() && row.bufferSize > 0 && input.size() > row.bufferSize - 1) {
            ErrorBox(kTextTooLong, caption, std::to_string(row.bufferSize - 1));
            return false;
        }
        token = std::string(input);
        return fitsField(row, token);
    case Kind::Check:
    case Kind::List:
    case Kind::Radio: {
        const bool isItem = row.kind == Kind::Check ? (input == "0" || input == "1") : row.option(input) != nullptr;
        if (!isItem) {
            ErrorBox(kNotAnItem, caption, input);
            return false;
        }
        token = std::string(input);
        return true;
    }
    default:
        return false;
    }
}

// The limits of the record field in the open table, by the rule of the
// logical-name write: the table would cut a longer text and refuse a wider number.
bool SettingsModel::fitsField(const SettingRow& row, const std::string& token) const
{
    const int position = mailbox::PositionOfLogicalName(row.field);
    if (!row.inRecord() || !m_table || position == 0)
        return true;
    const mailbox::ValueCheck check = mailbox::CheckFieldValue(*m_table, position, token, true);
    const std::string width = std::to_string(check.width);
    switch (check.problem) {
    case mailbox::ValueProblem::None:
        return true;
    case mailbox::ValueProblem::NumberOutOfRange:
    case mailbox::ValueProblem::NumberTooWide:
        ErrorBox(kNumberTooWide, ValueCaption(row), width);
        return false;
    case mailbox::ValueProblem::LineBreak:
        ErrorBox(kTextOneLine, ValueCaption(row));
        return false;
    case mailbox::ValueProblem::TextTooLong:
        ErrorBox(kTextTooLong, ValueCaption(row), width);
        return false;
    }
    return false;
}

Change SettingsModel::change(std::string_view name, std::string_view input)
{
    const SettingRow* r = row(name);
    if (!r || r->kind == Kind::Button)
        return Change::UnknownName;
    if (r->kind == Kind::Display || r->kind == Kind::View)
        return Change::ReadOnly;
    if (!isEnabled(name))
        return Change::Disabled;
    std::string token;
    if (!validate(*r, input, token))
        return Change::Refused;
    m_values[r->name] = std::move(token);
    changed(r->name);
    applyRules();
    return Change::Done;
}

std::string SettingsModel::shown(std::string_view name) const
{
    const SettingRow* r = row(name);
    if (r && r->show)
        return r->show(*this);
    if (r && r->secret)
        return std::string(value(name).size(), '*');
    return value(name);
}

Change SettingsModel::changeShown(std::string_view name, std::string_view text)
{
    const SettingRow* r = row(name);
    if (r && !r->listed)
        return Change::UnknownName;  // kxalarmctl sets the value it belongs to
    if (!r || !r->assign)
        return change(name, text);
    if (!isEnabled(name))
        return Change::Disabled;
    return r->assign(*this, text);
}

Change SettingsModel::press(std::string_view button)
{
    const SettingRow* r = row(button);
    if (!r || r->kind != Kind::Button)
        return Change::UnknownName;
    if (!isEnabled(button))
        return Change::Disabled;
    m_pressFailed = false;
    pressed(button);
    return m_pressFailed ? Change::Refused : Change::Done;
}

void SettingsModel::pressed(std::string_view) {}

bool SettingsModel::checkRanges() const
{
    for (const SettingRow& row : m_rows) {
        if (!row.limits || !isEnabled(row.name))
            continue;
        // A spin edit refused typed input already; what was stored stays.
        if (row.limits->typed)
            continue;
        const long v = number(row.name);
        if (v < row.limits->lowest || v > row.limits->highest) {
            ErrorBox(row.limits->message, value(row.name));
            return false;
        }
    }
    return true;
}

bool WriteRecordUnit(CDatabase& table, long key, std::string_view expectedStatus, const RecordWrites& writes)
{
    if (writes.empty())
        return true;
    std::vector<mailbox::FieldWrite> fields;
    fields.reserve(writes.size());
    for (const RecordWrite& w : writes)
        fields.push_back({w.field.c_str(), w.value});
    const mailbox::UnitResult result = mailbox::WriteUnit(
        table, key, [expectedStatus](std::string_view status) { return status == expectedStatus; }, fields);
    switch (result.outcome) {
    case mailbox::UnitResult::Outcome::Written:
        return true;
    case mailbox::UnitResult::Outcome::StatusChanged:
        ErrorBox(kRecordChanged, std::to_string(key));
        return false;
    case mailbox::UnitResult::Outcome::Failed:
        break;
    }
    ErrorBox(kRecordNotWritten, std::to_string(key), result.reason);
    return false;
}

bool SettingsModel::writeRecord()
{
    const RecordWrites writes = recordWrites();
    if (writes.empty())
        return true;
    if (!m_recordLoaded) {
        ErrorBox(kRecordNotWritten, std::to_string(m_key), CDatabase::LastError());
        return false;
    }
    return WriteRecordUnit(*m_table, m_key, m_loadedStatus, writes);
}

bool SettingsModel::checkValues()
{
    return checkRanges() && check();
}

RecordWrites SettingsModel::recordWrites() const
{
    RecordWrites writes;
    collectRecordWrites(writes);
    return writes;
}

void SettingsModel::collectRecordWrites(RecordWrites& writes) const
{
    for (const SettingRow& row : m_rows)
        if (row.inRecord() && row.writtenOnOk && isShown(row.name))
            addRecordWrite(writes, row.name);
}

void SettingsModel::addRecordWrite(RecordWrites& writes, std::string_view name) const
{
    if (const SettingRow* r = row(name))
        addRecordWrite(writes, name, stored(*r));
}

void SettingsModel::addRecordWrite(RecordWrites& writes, std::string_view name, std::string value) const
{
    if (const SettingRow* r = row(name))
        writes.push_back({r->field, std::move(value)});
}

IniWrites SettingsModel::iniWrites() const
{
    IniWrites writes;
    collectWrites(writes);
    return writes;
}

void SettingsModel::saved()
{
    m_loaded = m_values;
}

bool SettingsModel::ok()
{
    if (!checkValues() || !writeRecord())
        return false;
    if (!writeAll(iniWrites()))
        return false;
    saved();
    afterWrite();
    return true;
}

void SettingsModel::cancel()
{
    m_values = m_loaded;
}

void SettingsModel::set(std::string_view name, std::string token)
{
    if (const SettingRow* r = row(name))
        m_values[r->name] = std::move(token);
}

void SettingsModel::setOptions(std::string_view name, std::vector<Option> items)
{
    if (SettingRow* r = mutableRow(name))
        r->options = std::move(items);
}

std::string SettingsModel::stored(std::string_view name) const
{
    const SettingRow* r = row(name);
    return r ? stored(*r) : std::string();
}

std::string SettingsModel::stored(const SettingRow& row) const
{
    const std::string& token = value(row.name);
    if (row.kind == Kind::Check)
        return token == "1" ? row.flagOn : row.flagOff;
    return token;
}

void SettingsModel::collectWrites(IniWrites& writes) const
{
    for (const SettingRow& row : m_rows)
        if (row.writtenOnOk && row.hasKey() && isShown(row.name))
            addWrite(writes, row.name);
}

void SettingsModel::addWrite(IniWrites& writes, std::string_view name) const
{
    if (const SettingRow* r = row(name))
        addWrite(writes, name, stored(*r));
}

void SettingsModel::addWrite(IniWrites& writes, std::string_view name, std::string text) const
{
    if (const SettingRow* r = row(name))
        writes.push_back({r->file, keyed(r->section), keyed(r->key), std::move(text)});
}

bool SettingsModel::writeAll(const IniWrites& writes)
{
    // One locked read-modify-write per file, the files in the order of their
    // first write and the keys of each file in their order.
    std::vector<std::string> files;
    for (const IniWrite& w : writes) {
        bool known = false;
        for (const std::string& f : files)
            known = known || f == w.file;
        if (!known)
            files.push_back(w.file);
    }
    for (const std::string& file : files) {
        std::vector<ProfileEdit> edits;
        for (const IniWrite& w : writes)
            if (w.file == file)
                edits.push_back({w.section, w.key, w.value, false});
        if (!WritePrivateProfileEdits(edits, file.c_str())) {
            ErrorBox(kNotWritten, file, ProfileLastError());
            return false;
        }
    }
    return true;
}

}  // namespace kx::settings
