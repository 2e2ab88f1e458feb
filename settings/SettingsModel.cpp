#include "settings/SettingsModel.h"

#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace kx::settings {

namespace {

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
    std::string caption = row.labelId ? LoadString(row.labelId) : std::string();
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == ':'))
        caption.pop_back();
    return caption.empty() ? row.name : Utf8ToCp1252Lossy(caption);
}

SettingsModel::SettingsModel(std::string name, int titleId, std::vector<SettingRow> rows)
    : m_name(std::move(name)),
      m_titleId(titleId),
      m_rows(std::move(rows))
{
    for (const SettingRow& row : m_rows)
        m_values[row.name] = row.defaultValue;
    m_loaded = m_values;
}

SettingsModel::~SettingsModel() = default;

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

std::string SettingsModel::readRow(const SettingRow& row)
{
    if (row.read)
        return row.read(row);
    if (!row.hasKey())
        return row.defaultValue;
    if (!row.numeric)
        return ProfileString(row.file, row.section, row.key, row.defaultValue, row.bufferSize);
    // Numbers, check boxes and list positions: a missing key or a text that
    // is not a number gives the default.
    const int def = static_cast<int>(std::strtol(row.defaultValue.c_str(), nullptr, 10));
    const int value = ProfileNumber(row.file, row.section, row.key, def);
    if (row.kind == Kind::Check)
        return value != 0 ? "1" : "0";
    return std::to_string(value);
}

void SettingsModel::load()
{
    for (const SettingRow& row : m_rows) {
        if (row.kind == Kind::Button || row.kind == Kind::View)
            continue;
        m_values[row.name] = readRow(row);
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

bool SettingsModel::enabledAt(const SettingRow& row, int depth) const
{
    for (const Condition& c : row.enabledWhen)
        if (!conditionHolds(c, depth))
            return false;
    return true;
}

bool SettingsModel::isEnabled(std::string_view name) const
{
    const SettingRow* r = row(name);
    return r && enabledAt(*r, 0);
}

void SettingsModel::applyRules()
{
    for (const SettingRow& row : m_rows) {
        if (row.clearedWhen.empty())
            continue;
        bool all = true;
        for (const Condition& c : row.clearedWhen)
            all = all && conditionHolds(c, 0);
        if (all)
            m_values[row.name] = row.clearValue;
    }
}

bool SettingsModel::validate(const SettingRow& row, std::string_view input, std::string& token) const
{
    const std::string caption = ValueCaption(row);
    switch (row.kind) {
    case Kind::Int:
        if (!parseWholeNumber(input, token)) {
            ErrorBox(str::SettingNotANumber, caption);
            return false;
        }
        return true;
    case Kind::Text:
        for (char c : input) {
            if (c == '\r' || c == '\n' || c == '\0') {
                ErrorBox(str::SettingTextOneLine, caption);
                return false;
            }
        }
        // What is longer than the buffer would come back cut when read.
        if (row.bufferSize > 0 && input.size() > row.bufferSize - 1) {
            ErrorBox(str::SettingTextTooLong, caption, std::to_string(row.bufferSize - 1));
            return false;
        }
        token = std::string(input);
        return true;
    case Kind::Check:
    case Kind::List:
    case Kind::Radio: {
        const bool isItem = row.kind == Kind::Check ? (input == "0" || input == "1") : row.option(input) != nullptr;
        if (!isItem) {
            ErrorBox(str::SettingNotAnItem, caption, input);
            return false;
        }
        token = std::string(input);
        return true;
    }
    default:
        return false;
    }
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
    applyRules();
    return Change::Done;
}

std::string SettingsModel::shown(std::string_view name) const
{
    const SettingRow* r = row(name);
    if (r && r->show)
        return r->show(*this);
    return value(name);
}

Change SettingsModel::changeShown(std::string_view name, std::string_view text)
{
    const SettingRow* r = row(name);
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
    pressed(button);
    return Change::Done;
}

void SettingsModel::pressed(std::string_view) {}

bool SettingsModel::ok()
{
    if (!check())
        return false;
    IniWrites writes;
    collectWrites(writes);
    if (!writeAll(writes))
        return false;
    m_loaded = m_values;
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

void SettingsModel::collectWrites(IniWrites& writes) const
{
    for (const SettingRow& row : m_rows)
        if (row.writtenOnOk && row.hasKey())
            addWrite(writes, row.name);
}

void SettingsModel::addWrite(IniWrites& writes, std::string_view name) const
{
    addWrite(writes, name, value(name));
}

void SettingsModel::addWrite(IniWrites& writes, std::string_view name, std::string text) const
{
    if (const SettingRow* r = row(name))
        writes.push_back({r->file, r->section, r->key, std::move(text)});
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
            ErrorBox(str::SettingsNotWritten, file, ProfileLastError());
            return false;
        }
    }
    return true;
}

}  // namespace kx::settings
