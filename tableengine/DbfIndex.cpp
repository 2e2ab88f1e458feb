#include "tableengine/DbfIndex.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <strings.h>

namespace kx::dbf::detail {

namespace {

constexpr std::uint64_t kMdxPage = 512;
constexpr std::uint64_t kMdxTagTable = 544;  // after the 512-byte header page and 32 reserved bytes
constexpr std::uint64_t kMdxTagEntry = 32;
constexpr unsigned kMdxMaxTags = 48;

std::uint32_t le16(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}
std::uint32_t le32(const unsigned char* p)
{
    return le16(p) | le16(p + 2) << 16;
}

bool isAlpha(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

std::string trimmed(std::string s)
{
    s.erase(0, s.find_first_not_of(' '));
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

// Reads exactly `length` bytes at `offset`, or fails with `why`.
bool bytesAt(const IndexReader& read, std::uint64_t size, std::uint64_t offset, unsigned char* buf, std::size_t length,
             const std::string& what, std::string& why)
{
    if (offset > size || size - offset < length || read(offset, reinterpret_cast<char*>(buf), length) != length) {
        why = what + " lies past the end of the file";
        return false;
    }
    return true;
}

// The NUL-terminated text in the `area` bytes at `offset`, blanks trimmed.
bool textAt(const IndexReader& read, std::uint64_t size, std::uint64_t offset, std::size_t area,
            const std::string& what, std::string& text, std::string& why)
{
    if (offset >= size) {
        why = what + " lies past the end of the file";
        return false;
    }
    std::string buf(std::size_t(std::min<std::uint64_t>(area, size - offset)), '\0');
    buf.resize(read(offset, buf.data(), buf.size()));
    const std::size_t nul = buf.find('\0');
    if (nul == std::string::npos) {
        why = what + " has no end within its " + std::to_string(area) + " bytes";
        return false;
    }
    buf.resize(nul);
    text = trimmed(std::move(buf));
    return true;
}

// Printable form of bytes from the file, for messages.
std::string printable(const unsigned char* p, std::size_t n)
{
    std::string s;
    for (std::size_t i = 0; i < n && p[i] != 0; ++i)
        s += (p[i] >= 0x20 && p[i] < 0x7F) ? char(p[i]) : '?';
    return trimmed(s);
}

bool readMdx(std::uint64_t size, const IndexReader& read, std::vector<IndexExpression>& out, std::string& why)
{
    unsigned char head[32];
    if (!bytesAt(read, size, 0, head, sizeof head, "the header", why))
        return false;
    const unsigned tags = le16(head + 28);
    if (tags > kMdxMaxTags) {
        why = "the header counts " + std::to_string(tags) + " tags (at most " + std::to_string(kMdxMaxTags) + ")";
        return false;
    }
    for (unsigned i = 0; i < tags; ++i) {
        unsigned char entry[15];
        if (!bytesAt(read, size, kMdxTagTable + i * kMdxTagEntry, entry, sizeof entry,
                     "tag entry " + std::to_string(i + 1), why))
            return false;
        const std::string tag = "tag " + printable(entry + 4, 11);
        const std::uint64_t page = le32(entry);
        if (page == 0) {  // page 0 is the file header
            why = tag + " has no header page";
            return false;
        }
        const std::uint64_t base = page * kMdxPage;
        IndexExpression key{tag + " key", {}};
        if (!textAt(read, size, base + 24, 221, "the key of " + tag, key.text, why))
            return false;
        out.push_back(std::move(key));
        unsigned char hasFilter = 0;
        if (!bytesAt(read, size, base + 245, &hasFilter, 1, "the header of " + tag, why))
            return false;
        if (hasFilter != 0) {
            IndexExpression filter{tag + " filter", {}};
            if (!textAt(read, size, base + 762, 262, "the filter of " + tag, filter.text, why))
                return false;
            out.push_back(std::move(filter));
        }
    }
    return true;
}

bool readNtx(std::uint64_t size, const IndexReader& read, std::vector<IndexExpression>& out, std::string& why)
{
    unsigned char type[2];
    if (!bytesAt(read, size, 0, type, sizeof type, "the header", why))
        return false;
    if (le16(type) & 0x8000) {
        why = "it is a compound index, whose tags are not read here";
        return false;
    }
    IndexExpression key{"key", {}}, filter{"filter", {}};
    if (!textAt(read, size, 22, 256, "the key", key.text, why))
        return false;
    out.push_back(std::move(key));
    if (size > 282) {  // Clipper 5 keeps a filter ("FOR") expression after the key
        if (!textAt(read, size, 282, 256, "the filter", filter.text, why))
            return false;
        if (!filter.text.empty())
            out.push_back(std::move(filter));
    }
    return true;
}

// Built-in functions of dBASE, FoxPro and Clipper index expressions whose
// result depends on their arguments only (or on no field at all). Any other
// function, a user-defined one for instance, could read any field.
constexpr std::string_view kPureFunctions[] = {
    "ABS",   "ALLTRIM", "ASC",     "AT",        "CDOW",    "CEILING", "CHR",   "CMONTH", "CTOD",    "DATE",
    "DAY",   "DELETED", "DESCEND", "DOW",       "DTOC",    "DTOS",    "EMPTY", "EXP",    "FLOOR",   "IIF",
    "INT",   "ISALPHA", "ISDIGIT", "ISLOWER",   "ISUPPER", "LEFT",    "LEN",   "LOG",    "LOWER",   "LTRIM",
    "MAX",   "MIN",     "MOD",     "MONTH",     "PADC",    "PADL",    "PADR",  "RAT",    "RECNO",   "REPLICATE",
    "RIGHT", "ROUND",   "RTRIM",   "SIGN",      "SOUNDEX", "SPACE",   "SQRT",  "STR",    "STRTRAN", "STRZERO",
    "STUFF", "SUBSTR",  "TIME",    "TRANSFORM", "TRIM",    "UPPER",   "VAL",   "YEAR",
};

// dBASE accepts a function name cut to four letters or more.
bool pureFunction(const std::string& name)
{
    return std::any_of(std::begin(kPureFunctions), std::end(kPureFunctions), [&](std::string_view f) {
        return f == name || (name.size() >= 4 && f.substr(0, name.size()) == name);
    });
}

}  // namespace

bool IndexKindOf(std::string_view fileName, IndexKind& kind)
{
    if (fileName.size() < 4)
        return false;
    const std::string ext(fileName.substr(fileName.size() - 4));
    const std::pair<const char*, IndexKind> known[] = {
        {".ndx", IndexKind::Ndx}, {".mdx", IndexKind::Mdx}, {".ntx", IndexKind::Ntx}, {".cdx", IndexKind::Cdx}};
    for (const auto& [name, k] : known) {
        if (::strcasecmp(ext.c_str(), name) == 0) {
            kind = k;
            return true;
        }
    }
    return false;
}

bool ReadIndexExpressions(IndexKind kind, std::uint64_t size, const IndexReader& read,
                          std::vector<IndexExpression>& out, std::string& why)
{
    out.clear();
    switch (kind) {
    case IndexKind::Ndx: {
        IndexExpression key{"key", {}};
        if (!textAt(read, size, 24, 512 - 24, "the key", key.text, why))
            return false;
        out.push_back(std::move(key));
        return true;
    }
    case IndexKind::Ntx:
        return readNtx(size, read, out, why);
    case IndexKind::Mdx:
        return readMdx(size, read, out, why);
    case IndexKind::Cdx:
        break;
    }
    why = "it is a compound index, whose tags are not read here";
    return false;
}

bool ExpressionDependencies(std::string_view e, const std::function<int(std::string_view)>& fieldNumber,
                            std::vector<int>& fields, bool& deletionFlag, std::string& why)
{
    fields.clear();
    deletionFlag = false;
    const std::size_t n = e.size();
    auto skipBlanks = [&](std::size_t i) {
        while (i < n && (e[i] == ' ' || e[i] == '\t'))
            ++i;
        return i;
    };
    std::size_t i = skipBlanks(0);
    if (i == n) {
        why = "the expression is empty";
        return false;
    }
    while ((i = skipBlanks(i)) < n) {
        const char c = e[i];
        if (c == '"' || c == '\'' || c == '[') {  // a string constant: names inside are text
            const std::size_t end = e.find(c == '[' ? ']' : c, i + 1);
            if (end == std::string_view::npos) {
                why = "a text constant has no end";
                return false;
            }
            i = end + 1;
        } else if (c == '.' && i + 1 < n && isAlpha(e[i + 1])) {  // .T. .F. .AND. .OR. .NOT.
            std::size_t end = i + 1;
            while (end < n && isAlpha(e[end]))
                ++end;
            std::string word;
            for (std::size_t k = i + 1; k < end; ++k)
                word += upper(e[k]);
            if (end == n || e[end] != '.' ||
                (word != "T" && word != "F" && word != "Y" && word != "N" && word != "AND" && word != "OR" &&
                 word != "NOT")) {
                why = "\"" + std::string(e.substr(i, end - i)) + "\" is no operator we know";
                return false;
            }
            i = end + 1;
        } else if (isDigit(c) || c == '.') {
            while (i < n && (isDigit(e[i]) || e[i] == '.'))
                ++i;
        } else if (isAlpha(c)) {
            std::size_t end = i;
            std::string name;
            while (end < n && (isAlpha(e[end]) || isDigit(e[end])))
                name += upper(e[end++]);
            const std::size_t next = skipBlanks(end);
            if (next < n && e[next] == '(') {
                if (!pureFunction(name)) {
                    why = "the function " + name + "() could read any field";
                    return false;
                }
                if (name.size() >= 4 && std::string_view("DELETED").substr(0, name.size()) == name)
                    deletionFlag = true;
            } else if (next + 1 < n && e[next] == '-' && e[next + 1] == '>') {
                // an alias: the name after the arrow is looked up as a field of this table
            } else if (const int field = fieldNumber(std::string_view(e.substr(i, end - i))); field >= 1) {
                if (std::find(fields.begin(), fields.end(), field) == fields.end())
                    fields.push_back(field);
            } else {
                why = name + " is no field of the table";
                return false;
            }
            i = end;
        } else if (std::string_view("+-*/()<>=#!$^%,").find(c) != std::string_view::npos) {
            ++i;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", unsigned(static_cast<unsigned char>(c)));
            why = std::string("the character ") + hex + " is not understood here";
            return false;
        }
    }
    return true;
}

}  // namespace kx::dbf::detail
