#pragma once
// Record-at-a-time access to one dBASE III+/IV table file (.dbf), shared with
// other programs that read and write the same file at the same time.
//
// Writes go to the operating system at once (one pwrite of the changed field
// bytes while the record lock is held); there is no user-space write-behind
// while write-through is on. Locks are advisory, open-file-description byte
// range locks far beyond the end of file (the Clipper convention), held only
// for the duration of one write unless the caller took the table lock.
//
// The class never throws: failures are results, with a readable reason in
// lastError().

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kx::dbf {

// One field descriptor for create(): name (at most 10 characters), type
// C, N, F, L or D, length and decimal count.
struct FieldInfo {
    std::string name;
    char type = 'C';
    unsigned length = 1;
    unsigned decimals = 0;
};

// Why a table opens read-only or refuses a write.
enum class WriteRefusal {
    None,
    ProductionIndex,   // header flag or sibling index file: we do not maintain indexes
    UnsupportedVersion,
    Encrypted,
    ReadOnlyFile,
};

class Table {
public:
    // Opens an existing table. Returns null when the file is missing, is not a
    // regular file, or its header is corrupt or lying; `error` then says why.
    // Nothing is written to the file by opening it.
    static std::unique_ptr<Table> open(const std::string& path, std::string* error = nullptr);

    // Creates a new table with the given fields and no records (written to a
    // temporary file in the same directory, then renamed over `path`).
    // `languageDriver` is the code-page byte stored in the header.
    static std::unique_ptr<Table> create(const std::string& path, const std::vector<FieldInfo>& fields,
                                         std::uint8_t languageDriver = 0x57, std::string* error = nullptr);

    ~Table();  // writes pending changes (no-flush mode), releases locks, closes
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const std::string& path() const;
    const std::string& lastError() const;
    WriteRefusal writeRefusal() const;  // None when the table may be written

    // --- records. Record numbers count from 1; 0 means "no current record".
    std::uint32_t recordCount();        // re-reads the header count (bounded by the file size)
    bool top();                         // first record; false when the table is empty
    bool bottom();                      // last record; false when the table is empty
    bool go(std::uint32_t record);      // false (and no current record) when out of range
    std::uint32_t skip(long count);     // moves within [1, count]; returns the current record number
    std::uint32_t recordNumber() const; // current record, 0 when none
    bool isDeleted();                   // deletion flag of the current record

    // --- fields. Field numbers count from 1.
    unsigned fieldCount() const;
    int fieldNumber(std::string_view name) const;   // case-insensitive; < 1 when unknown
    std::string fieldName(int field) const;         // "" for a bad number
    char fieldType(int field) const;
    unsigned fieldLength(int field) const;           // 0 for a bad number
    unsigned fieldDecimals(int field) const;

    // Copies the raw (untrimmed) field text of the current record into buf,
    // at most size-1 bytes and a NUL. False when there is no current record
    // or the number is bad.
    bool fieldText(int field, char* buf, std::size_t size);
    // Raw bytes of the field, a view valid until the next positioning or write.
    std::string_view fieldBytes(int field);
    // Integer value: blanks skipped, decimal digits with an optional sign,
    // truncated toward zero; blank or garbage reads as 0.
    long fieldInt(int field);

    // Assign to a field of the current record. Text is cut or blank-padded
    // to the field length (character fields) or right-justified (numeric).
    // A number that does not fit is refused (false, field unchanged).
    bool assignText(int field, std::string_view text);
    bool assignDouble(int field, double value);

    // --- record operations on the current record
    bool blank();          // every field blank, deletion flag unchanged
    bool markDeleted();
    bool recall();
    bool appendBlank();    // appends a blank record under the header lock; it becomes current
    bool pack();           // removes deleted records; needs the table lock and exclusive use

    // --- write-through and locks
    // With write-through on (the default) every assign and record operation
    // reaches the file before it returns. Off: changes wait, per field, until
    // flush(), a move to another record, or close.
    void setWriteThrough(bool on);
    bool flush();          // writes whatever is pending; true when nothing failed
    bool lock();           // the whole-table lock (bounded wait); record writes then need no record lock
    void unlock();         // releases every lock this object holds; cheap when none is held

private:
    Table();
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace kx::dbf
