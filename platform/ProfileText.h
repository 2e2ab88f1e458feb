#pragma once
// Reading and editing the bytes of a private-profile (INI) file, without any
// file access. Profile.cpp reads a file, calls these, and writes the result.
//
// A line ends at "\r\n", "\n" or a lone "\r"; the last line may have none.
// Each line is classified after stripping blanks (SP, TAB, VT, FF, ^Z):
//   blank    empty, or NUL bytes only
//   comment  first byte ';'
//   header   first byte '['; name up to the first ']' (or the line's end), stripped
//   entry    contains '='; name before the first '=', value after it, both stripped
//   bare     anything else ("name3"): not a key, but part of section dumps
// Lines before the first header belong to no section. Names compare with the
// Windows-1252 case folding; the first header of a name and the first entry
// of a key win. Edits touch only the line they concern; every other byte
// (terminators, NULs, high bytes) stays as it was, and inserted lines end
// with "\r\n".

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kx::profile_text {

enum class LineKind {
    Blank,
    Comment,
    Header,
    Entry,
    Bare
};

struct Line {
    std::size_t begin = 0;  // first byte of the line
    std::size_t end = 0;    // first byte of its terminator (== next when there is none)
    std::size_t next = 0;   // first byte of the following line
    LineKind kind = LineKind::Blank;
    std::string_view name;   // header or entry name, stripped; bare: the stripped line
    std::string_view value;  // entry value, stripped
    std::size_t equals = 0;  // entry: position of its first '='

    bool terminated() const { return end != next; }
};

bool IsBlank(unsigned char c);
std::string_view StripBlanks(std::string_view s);
// Name arguments of the calls lose leading and trailing spaces only.
std::string_view StripSpaces(std::string_view s);
// One pair of matching outer quotes ('"' or '\'') removed.
std::string_view Unquote(std::string_view value);
// Trailing spaces removed (what the calls do to a default string).
std::string_view TrimDefault(std::string_view def);

// The line that starts at `pos` (pos < text.size()).
Line LineAt(std::string_view text, std::size_t pos);

// The first header named `name` (already stripped of spaces by the caller).
struct Section {
    bool found = false;
    Line header;
    std::size_t bodyBegin = 0;  // == header.next
    std::size_t bodyEnd = 0;    // next header's first byte, or the end of the text
};
Section FindSection(std::string_view text, std::string_view name);

enum class Lookup {
    NoSection,
    NoKey,
    Found
};
// Value of the first entry `key` of the first section `app` (arguments as the
// caller passed them; spaces are stripped here). `value` is stripped but
// still quoted.
Lookup FindValue(std::string_view text, std::string_view app, std::string_view key, std::string_view& value);

// Header names in file order, duplicates repeated. Empty names are left out
// of name lists, since an empty string would end a NUL-separated list early.
std::vector<std::string_view> SectionNames(std::string_view text);
// Entry names of the first section `app` in file order, duplicates repeated;
// comments and bare lines are not keys. `found`: whether the section exists.
std::vector<std::string_view> KeyNames(std::string_view text, std::string_view app, bool& found);
// Name and value of each entry of the first section `app` in file order,
// duplicates repeated (both stripped, the value still quoted). `found`:
// whether the section exists.
struct Entry {
    std::string_view name;
    std::string_view value;
};
std::vector<Entry> SectionEntries(std::string_view text, std::string_view app, bool& found);
// The section dump: each entry as "name=value" (stripped, quotes kept), each
// bare line as it stands (stripped), every string followed by a NUL; comments
// and blank lines left out. False when the section does not exist.
bool AppendSectionLines(std::string_view text, std::string_view app, std::string& out);

// The integer reading of a value: leading bytes <= 0x20 skipped, one sign,
// "0x" / "0o" / "0b" prefixes, digits modulo 2^32, stop at the first other byte.
unsigned int ParseInt(std::string_view s);

// Edits, applied to `text` in place. Name arguments as the caller passed them.
void SetValue(std::string& text, std::string_view app, std::string_view key, std::string_view value);
void DeleteKey(std::string& text, std::string_view app, std::string_view key);
void DeleteSection(std::string& text, std::string_view app);

// Many sets at once, with the bytes SetValue would leave after each of them
// in turn, in time linear in the text and the number of sets.
struct SetEdit {
    std::string_view app;
    std::string_view key;
    std::string_view value;
};
void SetValues(std::string& text, const std::vector<SetEdit>& sets);

// Why a set cannot be written as asked (empty when it can): CR, LF or NUL
// anywhere; a section name that is empty, holds ']' or has other blanks at an
// end; a key name that is empty, holds '=', starts with ';' or '[' or has
// other blanks at an end. Such names would break the file or never be found
// again.
std::string CheckSet(std::string_view app, std::string_view key, std::string_view value);
// Deletions only refuse CR, LF and NUL (any other name simply matches nothing).
std::string CheckDelete(std::string_view app, std::string_view key);

enum class Encoding {
    Bytes,
    Utf16LE,
    Utf16BE,
    Utf8Bom
};
Encoding DetectEncoding(std::string_view text);

}  // namespace kx::profile_text
