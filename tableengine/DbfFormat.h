#pragma once
// On-disk layout of a dBASE table: header parsing and validation, the header
// we write on create, and the field encodings. Pure functions on bytes; the
// file work is in DbfTable.cpp.

#include "tableengine/DbfTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kx::dbf::detail {

inline constexpr std::size_t kHeaderSize = 32;
inline constexpr std::size_t kDescriptorSize = 32;
inline constexpr unsigned char kDescriptorEnd = 0x0D;
inline constexpr unsigned char kEndOfData = 0x1A;
inline constexpr char kLiveFlag = ' ';
inline constexpr char kDeletedFlag = '*';
inline constexpr std::size_t kMaxNameBytes = 11;
inline constexpr unsigned kMaxNumericLength = 20;
inline constexpr unsigned kMaxCreateFields = 255;

struct FieldLayout {
    std::string name;  // as stored: at most 11 bytes, up to the first NUL, trailing blanks removed
    char type = 'C';
    std::uint32_t offset = 0;  // within the record; byte 0 is the deletion flag
    std::uint32_t length = 0;
    std::uint32_t decimals = 0;  // 0 for long character fields
    bool writable = false;       // false: read as raw bytes only
};

struct TableLayout {
    std::uint8_t version = 0;
    std::uint32_t headerCount = 0;  // record count as stored
    std::uint32_t headerLength = 0;
    std::uint32_t recordLength = 0;
    std::uint8_t languageDriver = 0;
    int updateKey = 0;  // stored last-update date as yyyymmdd (year-1900 convention), 0 if invalid
    std::vector<FieldLayout> fields;
    WriteRefusal refusal = WriteRefusal::None;  // from the version byte and the encryption flag
    std::string refusalReason;
    bool productionIndexFlag = false;  // byte 28 bit 0
};

// Checks the fixed 32-byte header against the file size. Fills version,
// counts, lengths, language driver, date, refusal. False with `reason` when
// the header cannot describe a usable table.
bool ParseFixedHeader(const unsigned char* header, std::uint64_t fileSize, TableLayout& out, std::string& reason);

// Parses the field descriptors from the first headerLength bytes of the file
// (`header` holds exactly out.headerLength bytes) and checks them against the
// record length.
bool ParseDescriptors(const unsigned char* header, TableLayout& out, std::string& reason);

// Records wholly present in the file: min(count, (size - HL) / RL).
std::uint32_t EffectiveCount(std::uint32_t headerCount, std::uint64_t fileSize, std::uint32_t headerLength,
                             std::uint32_t recordLength);

// Checks a field list for create(); false with `reason` naming the field.
bool ValidateNewFields(const std::vector<FieldInfo>& fields, std::string& reason);
// Header, descriptors, terminator and end-of-data marker of an empty table.
std::vector<unsigned char> BuildEmptyTable(const std::vector<FieldInfo>& fields, std::uint8_t languageDriver, int year,
                                           int month, int day);

// ASCII upper-case copy of a field name for lookups; false when the name is
// longer than a stored name can be.
bool FoldName(std::string_view name, char (&out)[kMaxNameBytes + 1], std::size_t& length);

// --- field encodings. Each writes exactly `length` bytes to `out` on success.
void EncodeCharacter(std::string_view text, std::uint32_t length, char* out);
// Fixed-point in the C locale, right-justified; false when it does not fit or is not finite.
bool EncodeNumber(double value, std::uint32_t length, std::uint32_t decimals, char* out);
// Trimmed text right-justified; false when blank-trimmed text is no decimal number or too long.
bool EncodeNumericText(std::string_view text, std::uint32_t length, char* out, std::string& reason);
bool EncodeLogical(std::string_view text, char* out);
bool EncodeDate(std::string_view text, char* out);
// Shortest decimal text of a number, for character fields.
std::string NumberAsText(double value);

// Integer value of numeric text: truncated toward zero, 0 for blank or garbage, saturating.
long DecodeInteger(std::string_view text);

}  // namespace kx::dbf::detail
