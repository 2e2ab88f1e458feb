// Writes: field assignment, record operations, held-back changes, append,
// pack, the table lock and the last-update date.

#include "tableengine/DbfLocks.h"
#include "tableengine/DbfTable.h"
#include "tableengine/DbfTableImpl.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kx::dbf {

using detail::FieldLayout;
using detail::LockResult;

namespace {

std::string lockFailure(const std::string& what, LockResult r, int err, std::chrono::milliseconds waited)
{
    if (r == LockResult::Busy)
        return what + " is locked by another program (gave up after " + std::to_string(waited.count()) + " ms)";
    return "cannot lock " + what + ": " + std::strerror(err);
}

}  // namespace

bool Table::Impl::checkWritable()
{
    if (refusal == WriteRefusal::None)
        return true;
    return fail("writes refused: " + refusalReason);
}

std::string Table::Impl::indexNames() const
{
    std::string names;
    for (const IndexSource& s : indexes)
        names += (names.empty() ? "" : " and ") + s.name;
    return names;
}

std::string Table::Impl::keyUse(const KeyUse& use, const std::string& what) const
{
    const IndexSource& s = indexes[std::size_t(use.source)];
    if (use.expression < 0)
        return "the keys of " + s.name + " cannot be read (" + s.unreadable + "), so " + what +
               " counts as part of a key";
    const detail::IndexExpression& x = s.expressions[std::size_t(use.expression)];
    return what + " is part of the " + x.role + " \"" + x.text + "\" of " + s.name;
}

bool Table::Impl::refuseForIndexes(const std::string& operation)
{
    if (indexes.empty())
        return true;
    return fail("cannot " + operation + ": this program does not maintain " + indexNames());
}

bool Table::Impl::checkCurrent()
{
    if (current == 0)
        return fail("no current record");
    if (gone)
        return fail("record " + std::to_string(current) + " no longer exists (the file was shortened)");
    return true;
}

bool Table::Impl::lockRecord(std::uint32_t r)
{
    if (tableLocked || r == heldRecord)
        return true;  // the table lock covers every record lock byte
    int err = 0;
    const LockResult res = detail::LockRange(fd, detail::kRecordLockBase + r, 1, F_WRLCK, lockTimeout, &err);
    if (res == LockResult::Acquired)
        return true;
    return fail(lockFailure("record " + std::to_string(r), res, err, lockTimeout));
}

void Table::Impl::unlockRecord(std::uint32_t r)
{
    // Unlocking inside our own table lock would punch a hole into it; a
    // held record lock stays until unlock().
    if (!tableLocked && r != heldRecord)
        detail::UnlockRange(fd, detail::kRecordLockBase + r, 1);
}

bool Table::Impl::holdRecord(std::uint32_t r)
{
    if (r != heldRecord)
        releaseRecord();
    if (!lockRecord(r))
        return false;
    if (!tableLocked)
        heldRecord = r;
    rec = nullptr;  // read the record afresh once the lock is ours
    dropWindow();
    return true;
}

void Table::Impl::releaseRecord()
{
    if (heldRecord == 0)
        return;
    const std::uint32_t r = heldRecord;
    heldRecord = 0;
    unlockRecord(r);
}

bool Table::Impl::recordPresent(std::uint32_t r)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return fail(std::string("cannot read the file status: ") + std::strerror(errno));
    if (std::uint64_t(st.st_size) >= recordOffset(r) + recordLength)
        return true;
    if (r == current) {
        gone = true;
        rec = nullptr;
    }
    return fail("record " + std::to_string(r) + " no longer exists (the file was shortened)");
}

void Table::Impl::refreshToday()
{
    const std::time_t now = std::time(nullptr);
    if (now >= dayBegin && now < dayEnd)
        return;
    struct tm tm {};
    ::localtime_r(&now, &tm);
    todayBytes[0] = static_cast<unsigned char>(tm.tm_year);  // years since 1900
    todayBytes[1] = static_cast<unsigned char>(tm.tm_mon + 1);
    todayBytes[2] = static_cast<unsigned char>(tm.tm_mday);
    todayKey = (tm.tm_year + 1900) * 10000 + (tm.tm_mon + 1) * 100 + tm.tm_mday;
    struct tm edge = tm;
    edge.tm_hour = edge.tm_min = edge.tm_sec = 0;
    edge.tm_isdst = -1;
    dayBegin = ::mktime(&edge);
    edge = tm;
    edge.tm_mday += 1;
    edge.tm_hour = edge.tm_min = edge.tm_sec = 0;
    edge.tm_isdst = -1;
    dayEnd = ::mktime(&edge);
    if (dayBegin == std::time_t(-1) || dayEnd <= now)
        dayBegin = dayEnd = 0;  // look again next time
}

bool Table::Impl::touchDate()
{
    refreshToday();
    if (todayKey == dateKey)
        return true;
    if (!PwriteFull(fd, todayBytes, 3, 1))
        return fail(std::string("cannot write the header date: ") + std::strerror(errno));
    dateKey = todayKey;
    return true;
}

void Table::Impl::patch(std::uint32_t offset, const char* bytes, std::uint32_t length)
{
    if (!rec)
        return;
    if (rec != recBuf.data()) {
        std::memcpy(recBuf.data(), rec, recordLength);
        rec = recBuf.data();
    }
    std::memcpy(recBuf.data() + offset, bytes, length);
}

bool Table::Impl::writeCurrent(const Span* spans, std::size_t count)
{
    if (!writeThrough) {
        for (std::size_t k = 0; k < count; ++k) {
            if (!stage(spans[k].offset, scratch.data() + spans[k].offset, spans[k].length, spans[k].part))
                return false;
        }
        return true;
    }
    if (pendingRecord != 0 && !flushPending())
        return false;  // older changes first, never over newer ones
    if (!lockRecord(current))
        return false;
    if (!verified)
        verified = recordPresent(current);
    bool written = verified;
    // Adjacent spans go in one write.
    for (std::size_t k = 0; written && k < count;) {
        std::size_t j = k + 1;
        while (j < count && spans[j].offset == spans[j - 1].offset + spans[j - 1].length)
            ++j;
        const std::uint32_t from = spans[k].offset, to = spans[j - 1].offset + spans[j - 1].length;
        written = PwriteFull(fd, scratch.data() + from, to - from, recordOffset(current) + from);
        k = j;
    }
    if (verified && !written)
        fail("cannot write record " + std::to_string(current) + ": " + std::strerror(errno));
    const bool dated = written && touchDate();
    unlockRecord(current);
    dropWindow();
    wroteSinceLoad = true;
    for (std::size_t k = 0; written && k < count; ++k)
        patch(spans[k].offset, scratch.data() + spans[k].offset, spans[k].length);
    if (verified && !written)
        rec = nullptr;  // maybe partly written: read it afresh
    return dated;
}

bool Table::Impl::writeField(int index)
{
    const FieldLayout& f = layout.fields[std::size_t(index)];
    const char* bytes = scratch.data() + f.offset;
    if (keyOf[std::size_t(index)].source < 0) {
        const Span span{f.offset, f.length, index};
        return writeCurrent(&span, 1);
    }
    // A key field is never written; assigning the value the file holds succeeds.
    std::vector<char> stored(f.length);
    if (PreadFull(fd, stored.data(), f.length, recordOffset(current) + f.offset) != f.length)
        return recordPresent(current) && fail("cannot read record " + std::to_string(current));
    if (std::memcmp(stored.data(), bytes, f.length) != 0)
        return fail("field " + f.name + " unchanged: " + keyUse(keyOf[std::size_t(index)], "the field") +
                    "; this program does not maintain indexes, so only the field's present value may be written");
    patch(f.offset, bytes, f.length);
    return true;
}

bool Table::Impl::writeFlag(char flag)
{
    const char* what = flag == detail::kDeletedFlag ? "delete" : "recall";
    if (deletionKey.source >= 0)
        return fail(std::string("cannot ") + what + " record " + std::to_string(current) + ": " +
                    keyUse(deletionKey, "the deletion flag") + ", and this program does not maintain indexes");
    scratch[0] = flag;
    const Span span{0, 1, kFlagByte};
    return writeCurrent(&span, 1);
}

bool Table::Impl::stage(std::uint32_t offset, const char* bytes, std::uint32_t length, int part)
{
    if (pendingRecord != 0 && pendingRecord != current && !flushPending())
        return false;
    if (pendingRecord == 0) {
        pendingRecord = current;
        std::fill(pendingField.begin(), pendingField.end(), 0);
        pendingFlag = false;
    }
    std::memcpy(pendingBytes.data() + offset, bytes, length);
    if (part == kFlagByte)
        pendingFlag = true;
    else
        pendingField[std::size_t(part)] = 1;
    patch(offset, bytes, length);
    return true;
}

bool Table::Impl::flushPending()
{
    if (pendingRecord == 0)
        return true;
    const std::uint32_t r = pendingRecord;
    if (!lockRecord(r))
        return false;  // the changes stay pending
    const bool present = recordPresent(r);
    const std::uint64_t base = recordOffset(r);
    bool ok = present;
    if (ok && pendingFlag)
        ok = PwriteFull(fd, pendingBytes.data(), 1, base);
    // Only the changed fields; neighbours changed together go in one write.
    const std::size_t n = layout.fields.size();
    for (std::size_t i = 0; ok && i < n;) {
        if (!pendingField[i]) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < n && pendingField[j])
            ++j;
        const std::uint32_t from = layout.fields[i].offset;
        const std::uint32_t to = layout.fields[j - 1].offset + layout.fields[j - 1].length;
        ok = PwriteFull(fd, pendingBytes.data() + from, to - from, base + from);
        i = j;
    }
    if (present && !ok)
        fail("cannot write record " + std::to_string(r) + ": " + std::strerror(errno));
    const bool dated = ok && touchDate();
    unlockRecord(r);
    dropWindow();
    wroteSinceLoad = true;
    if (ok || !present)
        pendingRecord = 0;  // written, or the record is gone and nothing can take them
    return ok && dated;
}

bool Table::Impl::appendBlank()
{
    if (!checkWritable() || !refuseForIndexes("append a record") || !flushPending())
        return false;
    dropWindow();
    int err = 0;
    const LockResult hl = detail::LockRange(fd, detail::kHeaderLockOffset, 1, F_WRLCK, lockTimeout, &err);
    if (hl != LockResult::Acquired)
        return fail(lockFailure("the table header", hl, err, lockTimeout));

    auto appendLocked = [&]() -> bool {
        unsigned char stored[4];
        struct stat st {};
        if (PreadFull(fd, stored, 4, 4) != 4 || ::fstat(fd, &st) != 0)
            return fail("cannot read the record count");
        const std::uint64_t size = std::uint64_t(st.st_size);
        if (size < headerLength)
            return fail("the file is shorter than its header");
        // A record beyond the stored count was left by a writer that stopped
        // between its data and its count: the new record takes that slot.
        const std::uint32_t n =
            detail::EffectiveCount(std::uint32_t(stored[0]) | std::uint32_t(stored[1]) << 8 |
                                       std::uint32_t(stored[2]) << 16 | std::uint32_t(stored[3]) << 24,
                                   size, layout.headerLength, layout.recordLength);
        if (n == UINT32_MAX)
            return fail("the table is full");
        const std::uint32_t r = n + 1;
        if (!lockRecord(r))
            return false;
        std::memset(scratch.data(), ' ', recordLength);
        scratch[recordLength] = char(detail::kEndOfData);
        bool ok = PwriteFull(fd, scratch.data(), recordLength + 1, recordOffset(r));
        if (!ok)
            fail(std::string("cannot write the new record: ") + std::strerror(errno));
        if (ok) {  // the count only after the data: readers never see more records than there are
            refreshToday();
            const unsigned char head[7] = {todayBytes[0],        todayBytes[1],        todayBytes[2],
                                           std::uint8_t(r),      std::uint8_t(r >> 8), std::uint8_t(r >> 16),
                                           std::uint8_t(r >> 24)};
            ok = PwriteFull(fd, head, sizeof head, 1);
            if (ok)
                dateKey = todayKey;
            else
                fail(std::string("cannot write the record count: ") + std::strerror(errno));
        }
        unlockRecord(r);
        if (!ok)
            return false;
        count = r;
        moveTo(r);
        std::memset(recBuf.data(), ' ', recordLength);
        rec = recBuf.data();
        verified = true;
        lastLoaded = r;
        wroteSinceLoad = true;
        return true;
    };
    const bool ok = appendLocked();
    detail::UnlockRange(fd, detail::kHeaderLockOffset, 1);
    return ok;
}

bool Table::Impl::packRecords(std::uint32_t& kept)
{
    unsigned char stored[4];
    struct stat st {};
    if (PreadFull(fd, stored, 4, 4) != 4 || ::fstat(fd, &st) != 0)
        return fail("cannot read the record count");
    const std::uint32_t n = detail::EffectiveCount(std::uint32_t(stored[0]) | std::uint32_t(stored[1]) << 8 |
                                                       std::uint32_t(stored[2]) << 16 | std::uint32_t(stored[3]) << 24,
                                                   std::uint64_t(st.st_size), layout.headerLength, layout.recordLength);
    const std::uint64_t chunk = std::max<std::uint64_t>(1, (256 * 1024) / recordLength);
    std::vector<char> buf(std::size_t(chunk * recordLength));
    std::uint64_t next = 1, slot = 1;  // next record to read, next place to write
    // Live records move down; a place written is never one not yet read.
    while (next <= n) {
        const std::uint64_t k = std::min<std::uint64_t>(chunk, n - next + 1);
        if (PreadFull(fd, buf.data(), std::size_t(k * recordLength), recordOffset(std::uint32_t(next))) !=
            k * recordLength)
            return fail("cannot read record " + std::to_string(next) + " while packing");
        std::uint64_t keep = 0;
        for (std::uint64_t i = 0; i < k; ++i) {
            char* from = buf.data() + i * recordLength;
            if (*from == detail::kDeletedFlag)
                continue;
            if (keep != i)
                std::memmove(buf.data() + keep * recordLength, from, recordLength);
            ++keep;
        }
        if (keep > 0 && !(slot == next && keep == k) &&
            !PwriteFull(fd, buf.data(), std::size_t(keep * recordLength), recordOffset(std::uint32_t(slot))))
            return fail(std::string("cannot write while packing: ") + std::strerror(errno));
        slot += keep;
        next += k;
    }
    kept = std::uint32_t(slot - 1);
    const std::uint64_t end = headerLength + std::uint64_t(kept) * recordLength;
    const unsigned char eof = detail::kEndOfData;
    refreshToday();
    const unsigned char head[7] = {todayBytes[0],           todayBytes[1],           todayBytes[2],
                                   std::uint8_t(kept),      std::uint8_t(kept >> 8), std::uint8_t(kept >> 16),
                                   std::uint8_t(kept >> 24)};
    if (!PwriteFull(fd, &eof, 1, end) || !PwriteFull(fd, head, sizeof head, 1) || ::ftruncate(fd, off_t(end + 1)) != 0)
        return fail(std::string("cannot finish packing: ") + std::strerror(errno));
    dateKey = todayKey;
    return true;
}

bool Table::Impl::pack()
{
    if (!checkWritable() || !refuseForIndexes("pack (it renumbers the records)") || !flushPending())
        return false;
    dropWindow();
    if (!inUseHeld)
        return fail("cannot pack: exclusive use cannot be checked on this file system");
    int err = 0;
    const LockResult hl = detail::LockRange(fd, detail::kHeaderLockOffset, 1, F_WRLCK, lockTimeout, &err);
    if (hl != LockResult::Acquired)
        return fail("cannot pack: " + lockFailure("the table header", hl, err, lockTimeout));
    const bool hadTable = tableLocked;
    bool ok = lockTable();
    std::uint32_t kept = 0;
    if (ok) {
        // Exclusive use: no other Table object anywhere holds the in-use byte,
        // and no program holds a flock() on the file.
        const LockResult use = detail::TryLockRange(fd, detail::kInUseOffset, 1, F_WRLCK, &err);
        if (use != LockResult::Acquired) {
            ok = fail("cannot pack: the table is open in another program or object (pack needs exclusive use)");
        } else {
            if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
                ok = fail("cannot pack: another program holds the file open for shared use (pack needs exclusive use)");
            } else {
                ok = packRecords(kept);
                ::flock(fd, LOCK_UN);
            }
            detail::TryLockRange(fd, detail::kInUseOffset, 1, F_RDLCK, &err);  // back to shared; cannot conflict
        }
        if (!hadTable)
            unlockTable();
    }
    detail::UnlockRange(fd, detail::kHeaderLockOffset, 1);
    if (ok) {
        count = kept;
        moveTo(kept > 0 ? 1 : 0);
        lastLoaded = 0;
    }
    return ok;
}

bool Table::Impl::lockTable()
{
    dropWindow();
    rec = nullptr;  // read the current record afresh once the lock is ours
    if (tableLocked)
        return true;
    if (!checkWritable())
        return false;
    int err = 0;
    const LockResult res =
        detail::LockRange(fd, detail::kTableLockStart, detail::kTableLockLength, F_WRLCK, lockTimeout, &err);
    if (res != LockResult::Acquired)
        return fail(lockFailure("the table", res, err, lockTimeout));
    tableLocked = true;
    return true;
}

void Table::Impl::unlockTable()
{
    if (!tableLocked)
        return;
    detail::UnlockRange(fd, detail::kTableLockStart, detail::kTableLockLength);
    tableLocked = false;
}

void Table::Impl::close()
{
    if (fd < 0)
        return;
    flushPending();
    releaseRecord();
    unlockTable();
    ::close(fd);  // also drops the in-use lock
    fd = -1;
}

// ---------------------------------------------------------------- Table

namespace {

std::string fieldProblem(const FieldLayout& f, const std::string& what)
{
    return "field " + f.name + " " + what;
}

std::string notWritable(const FieldLayout& f)
{
    return fieldProblem(f, "(type " + std::string(1, f.type) + ", length " + std::to_string(f.length) +
                               ") cannot be written");
}

}  // namespace

const FieldLayout* Table::Impl::fieldToWrite(int number)
{
    if (!checkWritable())
        return nullptr;
    const FieldLayout* f = field(number);
    if (!f) {
        fail("no field number " + std::to_string(number));
        return nullptr;
    }
    if (!checkCurrent())
        return nullptr;
    if (!f->writable) {
        fail(notWritable(*f));
        return nullptr;
    }
    return f;
}

bool Table::assignText(int field, std::string_view text)
{
    const FieldLayout* f = d->fieldToWrite(field);
    if (!f)
        return false;
    char* out = d->scratch.data() + f->offset;
    std::string why;
    switch (f->type) {
    case 'C':
        detail::EncodeCharacter(text, f->length, out);
        break;
    case 'N':
    case 'F':
        if (!detail::EncodeNumericText(text, f->length, out, why))
            return d->fail(fieldProblem(*f, "unchanged: " + why));
        break;
    case 'L':
        if (!detail::EncodeLogical(text, out))
            return d->fail(fieldProblem(*f, "unchanged: a logical field takes T, F, Y, N, ? or blank"));
        break;
    case 'D':
        if (!detail::EncodeDate(text, out))
            return d->fail(fieldProblem(*f, "unchanged: a date field takes YYYYMMDD or blank"));
        break;
    default:
        return d->fail(notWritable(*f));
    }
    return d->writeField(field - 1);
}

bool Table::assignDouble(int field, double value)
{
    const FieldLayout* f = d->fieldToWrite(field);
    if (!f)
        return false;
    char* out = d->scratch.data() + f->offset;
    if (f->type == 'N' || f->type == 'F') {
        if (!detail::EncodeNumber(value, f->length, f->decimals, out))
            return d->fail(fieldProblem(*f, "unchanged: " + detail::NumberAsText(value) + " does not fit in " +
                                                std::to_string(f->length) + " characters with " +
                                                std::to_string(f->decimals) + " decimals"));
    } else if (f->type == 'C') {
        const std::string text = detail::NumberAsText(value);
        if (text.empty() || text.size() > f->length)
            return d->fail(fieldProblem(*f, "unchanged: " + text + " does not fit in " + std::to_string(f->length) +
                                                " characters"));
        detail::EncodeCharacter(text, f->length, out);
    } else {
        return d->fail(fieldProblem(*f, "(type " + std::string(1, f->type) + ") takes no number"));
    }
    return d->writeField(field - 1);
}

bool Table::blank()
{
    if (!d->checkWritable() || !d->checkCurrent() || !d->refuseForIndexes("blank record " + std::to_string(d->current)))
        return false;
    std::memset(d->scratch.data(), ' ', d->recordLength);
    return d->writeCurrent(d->blankSpans.data(), d->blankSpans.size());
}

bool Table::markDeleted()
{
    return d->checkWritable() && d->checkCurrent() && d->writeFlag(detail::kDeletedFlag);
}
bool Table::recall()
{
    return d->checkWritable() && d->checkCurrent() && d->writeFlag(detail::kLiveFlag);
}

bool Table::appendBlank()
{
    return d->appendBlank();
}
bool Table::pack()
{
    return d->pack();
}

void Table::setWriteThrough(bool on)
{
    const bool was = d->writeThrough;
    d->writeThrough = on;
    if (on && !was)
        d->flushPending();  // a failure keeps them pending for flush()
}

bool Table::flush()
{
    d->dropWindow();
    return d->flushPending();
}

bool Table::discard()
{
    if (d->pendingRecord == 0)
        return false;
    d->pendingRecord = 0;
    d->rec = nullptr;  // it shows the dropped bytes: read the file afresh
    d->dropWindow();
    return true;
}

bool Table::sync()
{
    if (!flush())
        return false;
    if (d->refusal == WriteRefusal::None && ::fdatasync(d->fd) != 0)
        return d->fail(std::string("cannot sync: ") + std::strerror(errno));
    return true;
}

bool Table::lock()
{
    return d->lockTable();
}
bool Table::lockRecord(std::uint32_t record)
{
    return d->holdRecord(record);
}
void Table::unlock()
{
    d->releaseRecord();
    d->unlockTable();
}
void Table::setLockTimeout(std::chrono::milliseconds timeout)
{
    d->lockTimeout = std::max(timeout, std::chrono::milliseconds(0));
}

}  // namespace kx::dbf
