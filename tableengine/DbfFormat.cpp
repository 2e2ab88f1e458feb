#include "tableengine/DbfFormat.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace kx::dbf::detail {

namespace {

std::uint32_t le16(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}
std::uint32_t le32(const unsigned char* p)
{
    return le16(p) | le16(p + 2) << 16;
}
void putLe16(unsigned char* p, std::uint32_t v)
{
    p[0] = v & 0xFF;
    p[1] = (v >> 8) & 0xFF;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

std::string hexByte(unsigned v)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", v & 0xFFu);
    return buf;
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

void rightJustify(const char* text, std::size_t n, std::uint32_t length, char* out)
{
    std::memset(out, ' ', length - n);
    std::memcpy(out + (length - n), text, n);
}

// What we do with a version byte: open read-write, open read-only, or not at all.
enum class VersionUse {
    Write,
    ReadOnly,
    Encrypted,
    Reject
};

VersionUse classifyVersion(std::uint8_t v, std::string& note)
{
    switch (v) {
    case 0x03:  // dBASE III+/IV, no memo
    case 0x83:  // dBASE III+ with memo
    case 0x8B:  // dBASE IV with memo
    case 0xF5:  // FoxPro 2 with memo: the same record layout; memo fields themselves are never written
        return VersionUse::Write;
    case 0x02:
    case 0xFB:
        note = "dBASE II / FoxBASE layout";
        return VersionUse::Reject;
    case 0x04:
    case 0x8C:
        note = "dBASE 7 layout (48-byte field descriptors), version byte " + hexByte(v);
        return VersionUse::Reject;
    case 0x06:
    case 0x86:
    case 0xE6:
    case 0xF6:
        note = "encrypted table (version byte " + hexByte(v) + ")";
        return VersionUse::Encrypted;
    case 0x30:
    case 0x31:
    case 0x32:
        note = "Visual FoxPro table (version " + hexByte(v) + ") is read-only here";
        return VersionUse::ReadOnly;
    case 0x05:
    case 0x43:
    case 0x63:
    case 0x8E:
    case 0xCB:
    case 0xE5:
        note = "table version " + hexByte(v) + " is read-only here";
        return VersionUse::ReadOnly;
    default:
        note = "unknown table version " + hexByte(v);
        return VersionUse::ReadOnly;
    }
}

bool fieldWritable(char type, std::uint32_t length, std::uint32_t decimals)
{
    switch (type) {
    case 'C':
        return true;
    case 'N':
    case 'F':
        return length <= kMaxNumericLength && decimals < length;
    case 'L':
        return length == 1;
    case 'D':
        return length == 8;
    default:
        return false;  // memo pointers, binary types, unknown types
    }
}

}  // namespace

bool ParseFixedHeader(const unsigned char* h, std::uint64_t fileSize, TableLayout& out, std::string& reason)
{
    if (fileSize < kHeaderSize) {
        reason = "file is " + std::to_string(fileSize) + " bytes, shorter than a table header";
        return false;
    }
    out.version = h[0];
    std::string note;
    switch (classifyVersion(out.version, note)) {
    case VersionUse::Reject:
        reason = "not a usable dBASE table: " + note;
        return false;
    case VersionUse::Encrypted:
        out.refusal = WriteRefusal::Encrypted;
        out.refusalReason = note;
        break;
    case VersionUse::ReadOnly:
        out.refusal = WriteRefusal::UnsupportedVersion;
        out.refusalReason = note;
        break;
    case VersionUse::Write:
        break;
    }
    if (h[15] != 0) {
        out.refusal = WriteRefusal::Encrypted;
        out.refusalReason = "the table's encryption flag (header byte 15) is set";
    }
    out.headerCount = le32(h + 4);
    out.headerLength = le16(h + 8);
    out.recordLength = le16(h + 10);
    out.productionIndexFlag = (h[28] & 1) != 0;
    out.languageDriver = h[29];
    const int month = h[2], day = h[3];
    out.updateKey =
        (month >= 1 && month <= 12 && day >= 1 && day <= 31) ? (1900 + h[1]) * 10000 + month * 100 + day : 0;

    const std::uint32_t minHeader = kHeaderSize + kDescriptorSize + 1;
    if (out.headerLength < minHeader) {
        reason = "header length " + std::to_string(out.headerLength) + " is too small to hold a field (at least " +
                 std::to_string(minHeader) + ")";
        return false;
    }
    if (out.headerLength > fileSize) {
        reason = "header length " + std::to_string(out.headerLength) + " is larger than the file (" +
                 std::to_string(fileSize) + " bytes)";
        return false;
    }
    if (out.recordLength < 2) {
        reason = "record length " + std::to_string(out.recordLength) + " leaves no room for a field";
        return false;
    }
    return true;
}

bool ParseDescriptors(const unsigned char* header, TableLayout& out, std::string& reason)
{
    const std::uint32_t hl = out.headerLength;
    std::vector<FieldLayout> fields;
    std::vector<std::uint32_t> highBytes;  // decimal byte of each field, for long character fields
    std::size_t pos = kHeaderSize;
    for (;;) {
        if (pos >= hl) {
            reason = "no field terminator (0x0D) within the header length " + std::to_string(hl);
            return false;
        }
        if (header[pos] == kDescriptorEnd || header[pos] == 0x0A)
            break;
        if (pos + kDescriptorSize > hl) {
            reason = "field descriptor " + std::to_string(fields.size() + 1) + " runs past the header length " +
                     std::to_string(hl) + " (no field terminator before it)";
            return false;
        }
        const unsigned char* d = header + pos;
        FieldLayout f;
        std::size_t n = 0;
        while (n < kMaxNameBytes && d[n] != 0)
            ++n;
        f.name.assign(reinterpret_cast<const char*>(d), n);
        while (!f.name.empty() && f.name.back() == ' ')
            f.name.pop_back();
        f.type = char(d[11]);
        f.length = d[16];
        f.decimals = d[17];
        if (f.length == 0) {
            reason = "field " + std::to_string(fields.size() + 1) + " (" + f.name + ") has length 0";
            return false;
        }
        highBytes.push_back(f.decimals);
        fields.push_back(std::move(f));
        pos += kDescriptorSize;
    }
    if (fields.empty()) {
        reason = "the table has no fields";
        return false;
    }

    std::uint64_t plain = 1, longC = 1;
    bool anyLong = false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        plain += fields[i].length;
        if (fields[i].type == 'C' && highBytes[i] != 0) {
            anyLong = true;
            longC += fields[i].length + 256u * highBytes[i];
        } else {
            longC += fields[i].length;
        }
    }
    // Clipper/FoxPro store the high byte of a long character field's length in
    // the decimal count; believe that only when it makes the record add up.
    const bool useLong = anyLong && longC == out.recordLength;
    if (!useLong && plain > out.recordLength) {
        reason = "the fields need " + std::to_string(plain) + " bytes per record but the record length is " +
                 std::to_string(out.recordLength);
        return false;
    }
    std::uint32_t offset = 1;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        FieldLayout& f = fields[i];
        if (f.type == 'C') {
            if (useLong)
                f.length += 256u * highBytes[i];
            f.decimals = 0;
        }
        f.offset = offset;
        offset += f.length;
        f.writable = fieldWritable(f.type, f.length, f.decimals);
        if (f.type == 'M')
            f.writable = false;
    }
    out.fields = std::move(fields);
    return true;
}

std::uint32_t EffectiveCount(std::uint32_t headerCount, std::uint64_t fileSize, std::uint32_t headerLength,
                             std::uint32_t recordLength)
{
    if (recordLength == 0 || fileSize < headerLength)
        return 0;
    const std::uint64_t present = (fileSize - headerLength) / recordLength;
    return std::uint32_t(std::min<std::uint64_t>(headerCount, present));
}

bool ValidateNewFields(const std::vector<FieldInfo>& fields, std::string& reason)
{
    if (fields.empty()) {
        reason = "a table needs at least one field";
        return false;
    }
    if (fields.size() > kMaxCreateFields) {
        reason = std::to_string(fields.size()) + " fields; a table holds at most " + std::to_string(kMaxCreateFields);
        return false;
    }
    std::uint64_t recordLength = 1;
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldInfo& f = fields[i];
        const std::string where = "field " + std::to_string(i + 1) + " (" + f.name + "): ";
        bool nameOk = !f.name.empty() && f.name.size() <= 10 && std::isalpha(static_cast<unsigned char>(f.name[0]));
        for (char c : f.name)
            nameOk = nameOk && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
        if (!nameOk) {
            reason = where + "a name is 1 to 10 letters, digits or '_', starting with a letter";
            return false;
        }
        std::string folded;
        for (char c : f.name)
            folded += upper(c);
        if (std::find(seen.begin(), seen.end(), folded) != seen.end()) {
            reason = where + "the name is used twice";
            return false;
        }
        seen.push_back(folded);
        const char type = upper(f.type);
        bool ok = false;
        switch (type) {
        case 'C':
            ok = f.length >= 1 && f.length <= 254 && f.decimals == 0;
            break;
        case 'N':
        case 'F':
            ok = f.length >= 1 && f.length <= kMaxNumericLength &&
                 (f.decimals == 0 || (f.decimals <= 15 && f.decimals + 2 <= f.length));
            break;
        case 'L':
            ok = f.length == 1 && f.decimals == 0;
            break;
        case 'D':
            ok = f.length == 8 && f.decimals == 0;
            break;
        default:
            reason = where + "type '" + std::string(1, f.type) + "' cannot be created (C, N, F, L, D)";
            return false;
        }
        if (!ok) {
            reason = where + "length " + std::to_string(f.length) + ", decimals " + std::to_string(f.decimals) +
                     " not allowed for type " + std::string(1, type) +
                     " (C 1-254; N/F 1-20 with 0 or up to length-2 decimals; L 1; D 8)";
            return false;
        }
        recordLength += f.length;
    }
    if (recordLength > 0xFFFF) {
        reason = "record length " + std::to_string(recordLength) + " exceeds 65535 bytes";
        return false;
    }
    return true;
}

std::vector<unsigned char> BuildEmptyTable(const std::vector<FieldInfo>& fields, std::uint8_t languageDriver, int year,
                                           int month, int day)
{
    const std::uint32_t headerLength = std::uint32_t(kHeaderSize + kDescriptorSize * fields.size() + 1);
    std::uint32_t recordLength = 1;
    for (const FieldInfo& f : fields)
        recordLength += f.length;

    std::vector<unsigned char> bytes(headerLength + 1, 0);
    bytes[0] = 0x03;
    bytes[1] = std::uint8_t(year - 1900);
    bytes[2] = std::uint8_t(month);
    bytes[3] = std::uint8_t(day);
    putLe16(&bytes[8], headerLength);
    putLe16(&bytes[10], recordLength);
    bytes[29] = languageDriver;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        unsigned char* d = &bytes[kHeaderSize + i * kDescriptorSize];
        for (std::size_t c = 0; c < fields[i].name.size(); ++c)
            d[c] = std::uint8_t(upper(fields[i].name[c]));
        d[11] = std::uint8_t(upper(fields[i].type));
        d[16] = std::uint8_t(fields[i].length);
        d[17] = std::uint8_t(fields[i].decimals);
    }
    bytes[headerLength - 1] = kDescriptorEnd;
    bytes[headerLength] = kEndOfData;
    return bytes;
}

bool FoldName(std::string_view name, char (&out)[kMaxNameBytes + 1], std::size_t& length)
{
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    if (name.size() > kMaxNameBytes)
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        out[i] = upper(name[i]);
    out[name.size()] = 0;
    length = name.size();
    return true;
}

void EncodeCharacter(std::string_view text, std::uint32_t length, char* out)
{
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    const std::size_t n = std::min<std::size_t>(text.size(), length);
    std::memcpy(out, text.data(), n);
    std::memset(out + n, ' ', length - n);
}

bool EncodeNumber(double value, std::uint32_t length, std::uint32_t decimals, char* out)
{
    if (!std::isfinite(value))
        return false;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, int(decimals));
    if (res.ec != std::errc())
        return false;
    const char* text = buf;
    std::size_t n = std::size_t(res.ptr - buf);
    // -0.001 rounded to two decimals is zero: no sign on it.
    if (buf[0] == '-' && std::all_of(buf + 1, res.ptr, [](char c) { return c == '0' || c == '.'; })) {
        ++text;
        --n;
    }
    if (n > length)
        return false;
    rightJustify(text, n, length, out);
    return true;
}

bool EncodeNumericText(std::string_view text, std::uint32_t length, char* out, std::string& reason)
{
    text = trimBlanks(text);
    std::size_t i = 0, digits = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    for (; i < text.size() && isDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && isDigit(text[i]); ++i)
            ++digits;
    }
    if (!text.empty() && (i != text.size() || digits == 0)) {
        reason = "\"" + std::string(text) + "\" is not a number";
        return false;
    }
    if (text.size() > length) {
        reason = "\"" + std::string(text) + "\" does not fit in " + std::to_string(length) + " digits";
        return false;
    }
    rightJustify(text.data(), text.size(), length, out);
    return true;
}

bool EncodeLogical(std::string_view text, char* out)
{
    text = trimBlanks(text);
    if (text.empty()) {
        *out = ' ';
        return true;
    }
    if (text.size() != 1)
        return false;
    switch (text[0]) {
    case 'T':
    case 't':
    case 'Y':
    case 'y':
        *out = 'T';
        return true;
    case 'F':
    case 'f':
    case 'N':
    case 'n':
        *out = 'F';
        return true;
    case '?':
        *out = '?';
        return true;
    default:
        return false;
    }
}

bool EncodeDate(std::string_view text, char* out)
{
    text = trimBlanks(text);
    if (text.empty()) {
        std::memset(out, ' ', 8);
        return true;
    }
    if (text.size() != 8 || !std::all_of(text.begin(), text.end(), isDigit))
        return false;
    const int month = (text[4] - '0') * 10 + (text[5] - '0');
    const int day = (text[6] - '0') * 10 + (text[7] - '0');
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    std::memcpy(out, text.data(), 8);
    return true;
}

std::string NumberAsText(double value)
{
    char buf[64];
    std::to_chars_result res;
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        res = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value));
    else
        res = std::to_chars(buf, buf + sizeof buf, value);
    return res.ec == std::errc() ? std::string(buf, res.ptr) : std::string();
}

long DecodeInteger(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    unsigned long long magnitude = 0;
    bool any = false, saturated = false;
    for (; i < n && isDigit(text[i]); ++i) {
        any = true;
        const unsigned d = unsigned(text[i] - '0');
        if (magnitude > (ULLONG_MAX - d) / 10)
            saturated = true;
        else
            magnitude = magnitude * 10 + d;
    }
    if (i < n && (text[i] == '.' || text[i] == ',')) {  // fraction: truncated
        for (++i; i < n && isDigit(text[i]); ++i)
            any = true;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n || !any)
        return 0;
    const unsigned long long limit = negative ? static_cast<unsigned long long>(LONG_MAX) + 1 : LONG_MAX;
    if (saturated || magnitude > limit)
        return negative ? LONG_MIN : LONG_MAX;
    if (negative)
        return magnitude == limit ? LONG_MIN : -static_cast<long>(magnitude);
    return static_cast<long>(magnitude);
}

}  // namespace kx::dbf::detail
