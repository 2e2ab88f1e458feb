#pragma once
// Record-at-a-time access to one dBASE III+/IV table file (.dbf), shared with
// other programs that read and write the same file at the same time.
//
// Writes go to the operating system at once (one pwrite of the changed field
// bytes while the record lock is held); there is no user-space write-behind
// while write-through is on. Locks are advisory, open-file-description byte
// range locks far beyond the end of file (the Clipper convention), held only
// for the duration of one write unless the caller took the table lock:
//   header / append lock   byte 1 000 000 000
//   record r               byte 1 000 000 000 + r
//   table lock             bytes 1 000 000 001 .. 2 000 000 000
// Every open object also holds a shared lock on one byte at 2^62 ("in use");
// pack() needs to turn it into an exclusive one, which fails while any other
// object, in this process or another, has the table open.
//
// Reads are not locked. Sequential forward positioning reads ahead in a
// 64 KiB window that is dropped on backward moves, on writes, lock() and
// flush(), and once it is older than 100 ms.
//
// The class never throws: failures are results, with a readable reason in
// lastError(). A Table object is used by one thread at a time.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kx::dbf {

// One field descriptor for create(): name (1 to 10 characters: a letter, then
// letters, digits or '_'; stored upper-case), type C, N, F, L or D, length and
// decimal count. C: 1-254; N/F: 1-20, decimals 0 or at most length-2 (and at
// most 15); L: 1; D: 8.
struct FieldInfo {
    std::string name;
    char type = 'C';
    unsigned length = 1;
    unsigned decimals = 0;
};

// Why a table opens read-only. An indexed table is not read-only: it refuses
// only the writes that could change what its indexes hold (see open()).
enum class WriteRefusal {
    None,
    UnsupportedVersion,
    Encrypted,
    ReadOnlyFile,
};

class Table {
public:
    // Opens an existing table. Returns null when the file is missing, is not a
    // regular file, or its header is corrupt or lying; `error` then says why.
    // Nothing is written to the file by opening it. A table that may be read
    // but not written (see WriteRefusal) opens; every write then fails.
    // Versions 0x03, 0x83, 0x8B and 0xF5 may be written (memo fields never).
    // Index files beside the table (same base name; .ndx, .mdx, .ntx, .cdx in
    // any case) or the production index flag (header byte 28): we do not
    // maintain indexes, so a field that a key or filter expression names may
    // only be assigned the value it holds, the deletion flag of an index that
    // depends on it stays as it is, and appendBlank, blank and pack are
    // refused. An index whose expressions cannot be read (.cdx, a damaged
    // file, an unknown function) counts as depending on every field.
    static std::unique_ptr<Table> open(const std::string& path, std::string* error = nullptr);

    // Creates a new table with the given fields and no records (written to a
    // temporary file in the same directory, then renamed over `path`).
    // `languageDriver` is the code-page byte stored in the header. A bad field
    // list leaves any existing file at `path` untouched.
    static std::unique_ptr<Table> create(const std::string& path, const std::vector<FieldInfo>& fields,
                                         std::uint8_t languageDriver = 0x57, std::string* error = nullptr);

    ~Table();  // writes pending changes (no-flush mode), releases locks, closes
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const std::string& path() const;
    const std::string& lastError() const;  // reason of the most recent failure
    WriteRefusal writeRefusal() const;     // None when the table may be written
    std::uint8_t languageDriver() const;   // header byte 29, as stored

    // --- records. Record numbers count from 1; 0 means "no current record".
    std::uint32_t recordCount();    // re-reads the header count (bounded by the file size)
    bool top();                     // first record; false when the table is empty
    bool bottom();                  // last record; false when the table is empty
    bool go(std::uint32_t record);  // false (and no current record) when out of range
    // Moves by `count` records, staying within [1, record count]; returns the
    // current record number (0 only when the table is empty). A move that
    // would leave the table stops at the first or last record.
    std::uint32_t skip(long count);
    std::uint32_t recordNumber() const;  // current record, 0 when none
    bool isDeleted();                    // deletion flag of the current record ('*')

    // --- fields. Field numbers count from 1.
    unsigned fieldCount() const;
    int fieldNumber(std::string_view name) const;  // case-insensitive; < 1 when unknown
    std::string fieldName(int field) const;        // "" for a bad number
    char fieldType(int field) const;               // '\0' for a bad number
    unsigned fieldLength(int field) const;         // 0 for a bad number
    unsigned fieldDecimals(int field) const;

    // Copies the raw (untrimmed) field text of the current record into buf,
    // at most size-1 bytes and a NUL. False when there is no current record,
    // the record is gone (file truncated meanwhile) or the number is bad.
    bool fieldText(int field, char* buf, std::size_t size);
    // Raw bytes of the field, a view valid until the next positioning or
    // write; empty when fieldText would fail.
    std::string_view fieldBytes(int field);
    // Integer value: blanks skipped, decimal digits with an optional sign,
    // truncated toward zero; blank or garbage reads as 0. Values beyond the
    // range of long saturate.
    long fieldInt(int field);

    // Assign to a field of the current record.
    //  C: text cut at the first NUL, then cut or blank-padded to the length.
    //  N/F: text trimmed of blanks and right-justified; it must be blank or a
    //       decimal number ([+-]digits[.digits]); too long is refused.
    //  L: T/F/Y/N/? (either case) or blank.  D: YYYYMMDD or blank.
    // assignDouble formats N/F fields with the field's decimals in the C
    // locale, and C fields as left-justified text; L and D refuse it.
    // A number that does not fit is refused (false, field unchanged): digits
    // are never cut and no '*' fill is written.
    bool assignText(int field, std::string_view text);
    bool assignDouble(int field, double value);

    // --- record operations on the current record
    bool blank();  // every field blank but memo pointers; deletion flag unchanged
    bool markDeleted();
    bool recall();
    bool appendBlank();  // appends a blank record under the header lock; it becomes current
    // Removes deleted records; needs the header lock, the table lock (taken
    // here unless held) and exclusive use. Leaves the first record current.
    bool pack();

    // --- write-through and locks
    // With write-through on (the default) every assign and record operation
    // reaches the file before it returns. Off: changes wait, per field, until
    // flush(), a move to another record, or close; only the changed fields are
    // written then. Turning it on writes what is pending.
    void setWriteThrough(bool on);
    bool flush();  // writes whatever is pending; true when nothing failed
    bool sync();   // flush(), then fdatasync: the changes survive a power loss
    bool lock();   // the whole-table lock (bounded wait); record writes then need no record lock
    // The lock of one record (bounded wait), held until unlock(): what is
    // read of the record afterwards is what the file holds, and no other
    // program writes it meanwhile; the record's own writes go on under it.
    bool lockRecord(std::uint32_t record);
    void unlock();  // releases every lock this object holds; cheap when none is held
    // Drops what is pending unwritten, so the record stays as the file holds
    // it (and reads so again); true when there was anything to drop.
    bool discard();
    // How long a lock request retries before the operation fails (default 2 s).
    void setLockTimeout(std::chrono::milliseconds timeout);

private:
    Table();
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace kx::dbf
