#include "platform/ProfileText.h"

#include "platform/SitePaths.h"

#include <cstring>
#include <unordered_map>

namespace kx::profile_text {

namespace {

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Calls f with each line that starts in [from, to) until f returns false.
template <typename F>
void forEachLine(std::string_view text, std::size_t from, std::size_t to, F&& f)
{
    std::size_t pos = from;
    while (pos < to) {
        Line line = LineAt(text, pos);
        if (!f(line))
            return;
        pos = line.next;
    }
}

bool hasLineBreakOrNul(std::string_view s)
{
    for (char c : s)
        if (c == '\r' || c == '\n' || c == '\0')
            return true;
    return false;
}

std::string quoted(std::string_view s)
{
    std::string r = "\"";
    r += s;
    r += '"';
    return r;
}

// True when a name, once its spaces are gone, still starts or ends with a
// blank that the file's reader strips (TAB, VT, FF, ^Z): it could not be
// found again.
bool hasOtherBlankAtEnds(std::string_view stripped)
{
    return !stripped.empty() && (IsBlank(static_cast<unsigned char>(stripped.front())) ||
                                 IsBlank(static_cast<unsigned char>(stripped.back())));
}

}  // namespace

bool IsBlank(unsigned char c)
{
    return c == 0x20 || c == 0x09 || c == 0x0B || c == 0x0C || c == 0x1A;
}

std::string_view StripBlanks(std::string_view s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsBlank(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && IsBlank(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

std::string_view StripSpaces(std::string_view s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && s[b] == ' ')
        ++b;
    while (e > b && s[e - 1] == ' ')
        --e;
    return s.substr(b, e - b);
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string_view TrimDefault(std::string_view def)
{
    while (!def.empty() && def.back() == ' ')
        def.remove_suffix(1);
    return def;
}

Line LineAt(std::string_view text, std::size_t pos)
{
    Line line;
    line.begin = pos;
    const char* data = text.data();
    const std::size_t size = text.size();
    std::size_t i = pos;
    while (i < size && !isLineBreak(data[i]))
        ++i;
    line.end = i;
    if (i < size)
        line.next = (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ? i + 2 : i + 1;
    else
        line.next = size;

    const std::string_view s = StripBlanks(text.substr(pos, i - pos));
    // A line of NUL bytes only (as an editor padding a file leaves it) is
    // no entry: it is not listed in a section dump.
    if (s.empty() || s.find_first_not_of('\0') == std::string_view::npos) {
        line.kind = LineKind::Blank;
    } else if (s.front() == ';') {
        line.kind = LineKind::Comment;
    } else if (s.front() == '[') {
        line.kind = LineKind::Header;
        const std::size_t close = s.find(']', 1);
        line.name = StripBlanks(close == std::string_view::npos ? s.substr(1) : s.substr(1, close - 1));
    } else {
        const void* eq = std::memchr(s.data(), '=', s.size());
        if (!eq) {
            line.kind = LineKind::Bare;
            line.name = s;
        } else {
            const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(eq) - s.data());
            line.kind = LineKind::Entry;
            line.name = StripBlanks(s.substr(0, at));
            line.value = StripBlanks(s.substr(at + 1));
            line.equals = static_cast<std::size_t>(s.data() - data) + at;
        }
    }
    return line;
}

Section FindSection(std::string_view text, std::string_view name)
{
    Section section;
    forEachLine(text, 0, text.size(), [&](const Line& line) {
        if (line.kind != LineKind::Header)
            return true;
        if (section.found) {
            section.bodyEnd = line.begin;
            return false;
        }
        if (EqualsNoCase(line.name, name)) {
            section.found = true;
            section.header = line;
            section.bodyBegin = line.next;
            section.bodyEnd = text.size();
        }
        return true;
    });
    return section;
}

Lookup FindValue(std::string_view text, std::string_view app, std::string_view key, std::string_view& value)
{
    app = StripSpaces(app);
    key = StripSpaces(key);
    Lookup result = Lookup::NoSection;
    bool inSection = false;
    forEachLine(text, 0, text.size(), [&](const Line& line) {
        if (line.kind == LineKind::Header) {
            if (inSection)
                return false;  // only the first copy of a section counts
            if (EqualsNoCase(line.name, app)) {
                inSection = true;
                result = Lookup::NoKey;
            }
            return true;
        }
        if (inSection && line.kind == LineKind::Entry && EqualsNoCase(line.name, key)) {
            value = line.value;
            result = Lookup::Found;
            return false;
        }
        return true;
    });
    return result;
}

std::vector<std::string_view> SectionNames(std::string_view text)
{
    std::vector<std::string_view> names;
    forEachLine(text, 0, text.size(), [&](const Line& line) {
        if (line.kind == LineKind::Header && !line.name.empty())
            names.push_back(line.name);
        return true;
    });
    return names;
}

std::vector<std::string_view> KeyNames(std::string_view text, std::string_view app, bool& found)
{
    std::vector<std::string_view> names;
    const Section section = FindSection(text, StripSpaces(app));
    found = section.found;
    if (!section.found)
        return names;
    forEachLine(text, section.bodyBegin, section.bodyEnd, [&](const Line& line) {
        if (line.kind == LineKind::Entry && !line.name.empty())
            names.push_back(line.name);
        return true;
    });
    return names;
}

std::vector<Entry> SectionEntries(std::string_view text, std::string_view app, bool& found)
{
    std::vector<Entry> entries;
    const Section section = FindSection(text, StripSpaces(app));
    found = section.found;
    if (!section.found)
        return entries;
    forEachLine(text, section.bodyBegin, section.bodyEnd, [&](const Line& line) {
        if (line.kind == LineKind::Entry)
            entries.push_back({line.name, line.value});
        return true;
    });
    return entries;
}

bool AppendSectionLines(std::string_view text, std::string_view app, std::string& out)
{
    const Section section = FindSection(text, StripSpaces(app));
    if (!section.found)
        return false;
    forEachLine(text, section.bodyBegin, section.bodyEnd, [&](const Line& line) {
        if (line.kind == LineKind::Entry) {
            out += line.name;
            out += '=';
            out += line.value;
            out += '\0';
        } else if (line.kind == LineKind::Bare) {
            out += line.name;
            out += '\0';
        }
        return true;
    });
    return true;
}

unsigned int ParseInt(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= 0x20)
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    unsigned int base = 10;
    if (i + 1 < s.size() && s[i] == '0') {
        switch (s[i + 1]) {
        case 'x':
            base = 16;
            i += 2;
            break;
        case 'o':
            base = 8;
            i += 2;
            break;
        case 'b':
            base = 2;
            i += 2;
            break;
        default:
            break;
        }
    }
    unsigned int result = 0;  // unsigned arithmetic wraps modulo 2^32
    for (; i < s.size(); ++i) {
        const char c = s[i];
        unsigned int digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned int>(c - '0');
        else if (c >= 'a' && c <= 'z')
            digit = static_cast<unsigned int>(c - 'a') + 10;
        else if (c >= 'A' && c <= 'Z')
            digit = static_cast<unsigned int>(c - 'A') + 10;
        else
            break;
        if (digit >= base)
            break;
        result = result * base + digit;
    }
    return negative ? 0u - result : result;
}

void SetValue(std::string& text, std::string_view app, std::string_view key, std::string_view value)
{
    app = StripSpaces(app);
    key = StripSpaces(key);
    const Section section = FindSection(text, app);
    if (!section.found) {
        std::string add;
        add.reserve(app.size() + key.size() + value.size() + 10);
        if (!text.empty() && !isLineBreak(text.back()))
            add += "\r\n";
        add += '[';
        add += app;
        add += "]\r\n";
        add += key;
        add += '=';
        add += value;
        add += "\r\n";
        text += add;
        return;
    }

    // The existing entry keeps its bytes up to the first '=' and its terminator.
    Line last = section.header;  // the line a new entry goes after
    bool replaced = false;
    forEachLine(text, section.bodyBegin, section.bodyEnd, [&](const Line& line) {
        if (line.kind == LineKind::Entry && EqualsNoCase(line.name, key)) {
            std::string replacement(value);
            if (!line.terminated())
                replacement += "\r\n";
            const std::size_t from = line.equals + 1;
            text.replace(from, line.end - from, replacement);
            replaced = true;
            return false;
        }
        if (line.kind == LineKind::Entry || line.kind == LineKind::Bare)
            last = line;
        return true;
    });
    if (replaced)
        return;

    // New entries go after the section's last entry, so comments and blank
    // lines that follow it stay below the new line.
    std::string insert;
    insert.reserve(key.size() + value.size() + 5);
    if (!last.terminated())
        insert += "\r\n";
    insert += key;
    insert += '=';
    insert += value;
    insert += "\r\n";
    text.insert(last.next, insert);
}

void DeleteKey(std::string& text, std::string_view app, std::string_view key)
{
    key = StripSpaces(key);
    const Section section = FindSection(text, StripSpaces(app));
    if (!section.found)
        return;
    forEachLine(text, section.bodyBegin, section.bodyEnd, [&](const Line& line) {
        if (line.kind == LineKind::Entry && EqualsNoCase(line.name, key)) {
            text.erase(line.begin, line.next - line.begin);
            return false;
        }
        return true;
    });
}

void DeleteSection(std::string& text, std::string_view app)
{
    const Section section = FindSection(text, StripSpaces(app));
    if (!section.found)
        return;
    // The header, entries and bare lines go; comments and blank lines stay.
    std::string result;
    result.reserve(text.size());
    result.append(text, 0, section.header.begin);
    forEachLine(text, section.bodyBegin, section.bodyEnd, [&](const Line& line) {
        if (line.kind == LineKind::Comment || line.kind == LineKind::Blank)
            result.append(text, line.begin, line.next - line.begin);
        return true;
    });
    result.append(text, section.bodyEnd, std::string::npos);
    text.swap(result);
}

namespace {

std::string folded(std::string_view name)
{
    std::string key(name);
    for (char& c : key)
        c = static_cast<char>(FoldCp1252(static_cast<unsigned char>(c)));
    return key;
}

// The entries a batch adds to one section, in order, by folded key.
struct AddedEntries {
    std::vector<std::pair<std::string_view, std::string_view>> entries;  // key, value
    std::unordered_map<std::string, std::size_t> index;

    void set(std::string_view key, std::string_view value)
    {
        const auto [it, added] = index.try_emplace(folded(key), entries.size());
        if (added)
            entries.emplace_back(key, value);
        else
            entries[it->second].second = value;
    }
    void append(std::string& out) const
    {
        for (const auto& [key, value] : entries) {
            out += key;
            out += '=';
            out += value;
            out += "\r\n";
        }
    }
};

// The first section of a name as the text has it.
struct IndexedSection {
    std::size_t last = 0;                                  // index of the line new entries go after
    std::unordered_map<std::string, std::size_t> entries;  // folded key -> first entry line
    AddedEntries added;
};

}  // namespace

void SetValues(std::string& text, const std::vector<SetEdit>& sets)
{
    // One pass over the text: its lines, and for the first section of each
    // name its first entry of each key and its last entry or bare line.
    std::vector<Line> lines;
    std::unordered_map<std::string, IndexedSection> sections;
    IndexedSection* current = nullptr;
    forEachLine(text, 0, text.size(), [&](const Line& line) {
        const std::size_t index = lines.size();
        lines.push_back(line);
        if (line.kind == LineKind::Header) {
            const auto [it, added] = sections.try_emplace(folded(line.name));
            current = added ? &it->second : nullptr;
            if (current)
                current->last = index;
        } else if (current && (line.kind == LineKind::Entry || line.kind == LineKind::Bare)) {
            current->last = index;
            if (line.kind == LineKind::Entry)
                current->entries.try_emplace(folded(line.name), index);
        }
        return true;
    });

    // The sets, by line: a new value for an entry, entries added after a
    // section's last line, sections added at the end.
    std::unordered_map<std::size_t, std::string_view> replaced;
    std::vector<std::pair<std::string_view, AddedEntries>> newSections;
    std::unordered_map<std::string, std::size_t> newSectionIndex;
    for (const SetEdit& set : sets) {
        const std::string_view app = StripSpaces(set.app);
        const std::string_view key = StripSpaces(set.key);
        const std::string appKey = folded(app);
        if (const auto section = sections.find(appKey); section != sections.end()) {
            if (const auto entry = section->second.entries.find(folded(key)); entry != section->second.entries.end())
                replaced[entry->second] = set.value;
            else
                section->second.added.set(key, set.value);
            continue;
        }
        const auto [it, added] = newSectionIndex.try_emplace(appKey, newSections.size());
        if (added)
            newSections.emplace_back(app, AddedEntries());
        newSections[it->second].second.set(key, set.value);
    }

    std::vector<const AddedEntries*> addedAfter(lines.size(), nullptr);
    for (const auto& [name, section] : sections)
        if (!section.added.entries.empty())
            addedAfter[section.last] = &section.added;

    std::string out;
    out.reserve(text.size() + text.size() / 4 + 64);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        bool terminated = line.terminated();
        if (const auto r = replaced.find(i); r != replaced.end()) {
            out.append(text, line.begin, line.equals + 1 - line.begin);
            out += r->second;
            out.append(text, line.end, line.next - line.end);
            if (!terminated)
                out += "\r\n";
            terminated = true;
        } else {
            out.append(text, line.begin, line.next - line.begin);
        }
        if (addedAfter[i]) {
            if (!terminated)
                out += "\r\n";
            addedAfter[i]->append(out);
        }
    }
    for (const auto& [name, entries] : newSections) {
        if (!out.empty() && !isLineBreak(out.back()))
            out += "\r\n";
        out += '[';
        out += name;
        out += "]\r\n";
        entries.append(out);
    }
    text.swap(out);
}

std::string CheckSet(std::string_view app, std::string_view key, std::string_view value)
{
    if (hasLineBreakOrNul(app))
        return "section name " + quoted(app) + " contains a line break or NUL byte";
    if (hasLineBreakOrNul(key))
        return "key name " + quoted(key) + " contains a line break or NUL byte";
    if (hasLineBreakOrNul(value))
        return "value for key " + quoted(key) + " contains a line break or NUL byte";

    const std::string_view a = StripSpaces(app);
    if (a.empty())
        return "section name is empty";
    if (a.find(']') != std::string_view::npos)
        return "section name " + quoted(a) + " contains ']'";
    if (hasOtherBlankAtEnds(a))
        return "section name " + quoted(a) + " starts or ends with a tab or other blank, so it could not be read back";

    const std::string_view k = StripSpaces(key);
    if (k.empty())
        return "key name is empty";
    if (k.find('=') != std::string_view::npos)
        return "key name " + quoted(k) + " contains '='";
    if (k.front() == ';')
        return "key name " + quoted(k) + " starts with ';' and would be a comment";
    if (k.front() == '[')
        return "key name " + quoted(k) + " starts with '[' and would be a section header";
    if (hasOtherBlankAtEnds(k))
        return "key name " + quoted(k) + " starts or ends with a tab or other blank, so it could not be read back";
    return {};
}

std::string CheckDelete(std::string_view app, std::string_view key)
{
    if (hasLineBreakOrNul(app))
        return "section name " + quoted(app) + " contains a line break or NUL byte";
    if (hasLineBreakOrNul(key))
        return "key name " + quoted(key) + " contains a line break or NUL byte";
    return {};
}

Encoding DetectEncoding(std::string_view text)
{
    if (text.size() >= 2 && text[0] == '\xFF' && text[1] == '\xFE')
        return Encoding::Utf16LE;
    if (text.size() >= 2 && text[0] == '\xFE' && text[1] == '\xFF')
        return Encoding::Utf16BE;
    if (text.size() >= 3 && text[0] == '\xEF' && text[1] == '\xBB' && text[2] == '\xBF')
        return Encoding::Utf8Bom;
    return Encoding::Bytes;
}

}  // namespace kx::profile_text
