#pragma once
// State of one open table, shared by DbfTable.cpp (open, positioning, reads)
// and DbfTableWrite.cpp (writes, locks, append, pack).

#include "tableengine/DbfFormat.h"
#include "tableengine/DbfIndex.h"
#include "tableengine/DbfTable.h"

#include <chrono>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kx::dbf {

struct Table::Impl {
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kWindowBytes = 64 * 1024;
    static constexpr auto kWindowAge = std::chrono::milliseconds(100);
    // Which part of the record a staged change covers: a field index or the flag.
    static constexpr int kFlagByte = -1;

    // Bytes of one write: `length` bytes at `offset` of the record, taken
    // from the same offset of `scratch`.
    struct Span {
        std::uint32_t offset;
        std::uint32_t length;
        int part;
    };

    // An index file beside the table (or the production index flag). We do
    // not maintain indexes, so what they index is never changed here.
    struct IndexSource {
        std::string name;        // "the index file vm001.ndx"
        std::string unreadable;  // why its keys cannot be read: then every field and the flag count as keys
        std::vector<detail::IndexExpression> expressions;
    };
    // The first index expression that depends on a field or the deletion flag.
    struct KeyUse {
        int source = -1;  // into `indexes`; -1: no index depends on it
        int expression = -1;
    };

    // FNV-1a: names are at most 11 bytes, so a byte loop beats a general string hash.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const
        {
            std::uint64_t h = 14695981039346656037ull;
            for (unsigned char c : s)
                h = (h ^ c) * 1099511628211ull;
            return std::size_t(h);
        }
    };

    ~Impl();

    std::string path;
    int fd = -1;
    std::string error;
    WriteRefusal refusal = WriteRefusal::None;
    std::string refusalReason;
    detail::TableLayout layout;
    std::uint64_t headerLength = 0;
    std::uint64_t recordLength = 0;
    std::unordered_map<std::string, int, NameHash, std::equal_to<>> byName;  // folded name -> field number
    std::vector<Span> blankSpans;                                            // every field but memo pointers

    std::vector<IndexSource> indexes;
    std::vector<KeyUse> keyOf;  // per field
    KeyUse deletionKey;

    // Position and the current record's bytes.
    std::uint32_t count = 0;  // records wholly in the file, as last read
    std::uint32_t current = 0;
    std::uint32_t lastLoaded = 0;  // record whose bytes were last fetched (for the sequential test)
    const char* rec = nullptr;     // current record's bytes (in recBuf or the window); null until fetched
    bool gone = false;             // the current record was cut off the file
    bool verified = false;         // the current record is known to exist since positioning
    std::vector<char> recBuf;
    std::vector<char> scratch;  // encoded bytes of one write (record length + 1)

    // Read-ahead window.
    std::vector<char> window;
    std::uint64_t winStart = 0;
    std::size_t winLen = 0;
    bool winValid = false;
    Clock::time_point winTime;
    bool wroteSinceLoad = false;

    // Changes held back while write-through is off: one record, per field.
    bool writeThrough = true;
    std::uint32_t pendingRecord = 0;  // 0: nothing pending
    std::vector<char> pendingBytes;
    std::vector<unsigned char> pendingField;
    bool pendingFlag = false;

    // Locks.
    bool tableLocked = false;
    std::uint32_t heldRecord = 0;  // a record lock kept across writes (lockRecord), 0: none
    bool inUseHeld = false;
    std::chrono::milliseconds lockTimeout{2000};

    // Last-update date: what the file holds as far as this object knows, and today.
    int dateKey = 0;
    int todayKey = 0;
    unsigned char todayBytes[3] = {};
    std::time_t dayBegin = 0;
    std::time_t dayEnd = 0;

    // --- DbfTable.cpp
    bool openFile(const std::string& filePath);
    void examineIndexes();
    bool fail(const std::string& message);
    const detail::FieldLayout* field(int number) const;
    std::uint64_t recordOffset(std::uint32_t r) const { return headerLength + std::uint64_t(r - 1) * recordLength; }
    bool refreshCount();
    void moveTo(std::uint32_t r);
    bool load();
    void dropWindow() { winValid = false; }

    // --- DbfTableWrite.cpp
    bool checkWritable();
    std::string indexNames() const;
    std::string keyUse(const KeyUse& use, const std::string& what) const;
    bool refuseForIndexes(const std::string& operation);
    bool checkCurrent();
    // The field to assign to, or null (with the reason set) when the table,
    // the current record or the field cannot be written.
    const detail::FieldLayout* fieldToWrite(int number);
    bool lockRecord(std::uint32_t r);
    void unlockRecord(std::uint32_t r);
    bool holdRecord(std::uint32_t r);
    void releaseRecord();
    bool recordPresent(std::uint32_t r);
    void refreshToday();
    bool touchDate();
    bool writeCurrent(const Span* spans, std::size_t count);
    bool writeField(int index);  // the encoded field in scratch
    bool writeFlag(char flag);
    bool stage(std::uint32_t offset, const char* bytes, std::uint32_t length, int part);
    void patch(std::uint32_t offset, const char* bytes, std::uint32_t length);
    bool flushPending();
    bool appendBlank();
    bool pack();
    bool packRecords(std::uint32_t& kept);
    bool lockTable();
    void unlockTable();
    void close();
};

// Reads until `length` bytes, end of file or an error; returns the bytes read.
std::size_t PreadFull(int fd, void* buf, std::size_t length, std::uint64_t offset);
bool PwriteFull(int fd, const void* buf, std::size_t length, std::uint64_t offset);

}  // namespace kx::dbf
