// Opening and creating tables, positioning and field reads.

#include "tableengine/DbfTable.h"

#include "tableengine/DbfLocks.h"
#include "tableengine/DbfTableImpl.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace kx::dbf {

using detail::FieldLayout;

std::size_t PreadFull(int fd, void* buf, std::size_t length, std::uint64_t offset)
{
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd, static_cast<char*>(buf) + done, length - done, off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += std::size_t(n);
    }
    return done;
}

bool PwriteFull(int fd, const void* buf, std::size_t length, std::uint64_t offset)
{
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::pwrite(fd, static_cast<const char*>(buf) + done, length - done, off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

namespace {

void splitPath(const std::string& path, std::string& dir, std::string& file)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        dir = ".";
        file = path;
    } else {
        dir = slash == 0 ? "/" : path.substr(0, slash);
        file = path.substr(slash + 1);
    }
}

// Names of the index files beside the table (same base name, any case), sorted.
std::vector<std::string> siblingIndexFiles(const std::string& dir, const std::string& file)
{
    const std::string stem = file.substr(0, file.rfind('.'));
    std::vector<std::string> found;
    DIR* d = ::opendir(dir.c_str());
    if (!d)
        return found;
    while (const dirent* e = ::readdir(d)) {
        detail::IndexKind kind;
        const std::string name = e->d_name;
        if (name.size() == stem.size() + 4 && ::strncasecmp(name.c_str(), stem.c_str(), stem.size()) == 0 &&
            detail::IndexKindOf(name, kind))
            found.push_back(name);
    }
    ::closedir(d);
    std::sort(found.begin(), found.end());
    return found;
}

// Memo pointers are never blanked: the memo text would be left unreachable.
bool memoPointer(const FieldLayout& f)
{
    return f.type == 'M' || f.type == 'G' || f.type == 'P' || f.type == 'B';
}

// The process's umask without changing it (umask() would race other threads).
mode_t currentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return mode_t(std::strtoul(line.c_str() + 6, nullptr, 8)) & 0777;
    }
    return 022;
}

}  // namespace

// ---------------------------------------------------------------- Impl

Table::Impl::~Impl()
{
    close();
}

bool Table::Impl::fail(const std::string& message)
{
    error = path + ": " + message;
    return false;
}

const FieldLayout* Table::Impl::field(int number) const
{
    if (number < 1 || std::size_t(number) > layout.fields.size())
        return nullptr;
    return &layout.fields[std::size_t(number) - 1];
}

bool Table::Impl::openFile(const std::string& filePath)
{
    path = filePath;
    // O_NONBLOCK: opening a FIFO must not hang; it is refused below anyway.
    const int common = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    fd = ::open(path.c_str(), O_RDWR | common);
    const bool writableFile = fd >= 0;
    int openErrno = errno;
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM || errno == ETXTBSY || errno == EISDIR)) {
        fd = ::open(path.c_str(), O_RDONLY | common);
        if (fd < 0)
            openErrno = errno;
    }
    if (fd < 0)
        return fail(std::string("cannot open: ") + std::strerror(openErrno));
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return fail(std::string("cannot read the file status: ") + std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return fail("not a regular file");
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // We read ahead ourselves (the window). Kernel read-ahead would also fill
    // the page cache with large folios, which makes every later small field
    // write walk a whole folio: about twice the cost per write.
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_RANDOM);
    const std::uint64_t size = std::uint64_t(st.st_size);

    unsigned char fixed[detail::kHeaderSize] = {};
    std::string reason;
    if (PreadFull(fd, fixed, sizeof fixed, 0) != std::min<std::uint64_t>(size, sizeof fixed) ||
        !detail::ParseFixedHeader(fixed, size, layout, reason))
        return fail(reason.empty() ? "the header could not be read" : reason);
    // Bounded: the header length is 16 bits and was checked against the file size.
    std::vector<unsigned char> header(layout.headerLength);
    if (PreadFull(fd, header.data(), header.size(), 0) != header.size())
        return fail("the header could not be read");
    if (!detail::ParseDescriptors(header.data(), layout, reason))
        return fail(reason);

    headerLength = layout.headerLength;
    recordLength = layout.recordLength;
    count = detail::EffectiveCount(layout.headerCount, size, layout.headerLength, layout.recordLength);
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        char key[detail::kMaxNameBytes + 1];
        std::size_t n = 0;
        if (detail::FoldName(layout.fields[i].name, key, n) && n > 0)
            byName.emplace(std::string(key, n), int(i + 1));  // the first of duplicate names wins
    }
    recBuf.assign(recordLength, ' ');
    scratch.assign(recordLength + 1, ' ');
    pendingBytes.assign(recordLength, ' ');
    pendingField.assign(layout.fields.size(), 0);
    dateKey = layout.updateKey;
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const FieldLayout& f = layout.fields[i];
        if (!memoPointer(f))
            blankSpans.push_back({f.offset, f.length, int(i)});
    }

    examineIndexes();
    if (layout.refusal != WriteRefusal::None) {
        refusal = layout.refusal;
        refusalReason = layout.refusalReason;
    } else if (!writableFile) {
        refusal = WriteRefusal::ReadOnlyFile;
        refusalReason = std::string("the file cannot be opened for writing: ") + std::strerror(openErrno);
    }
    if (refusal != WriteRefusal::None && !indexes.empty())
        refusalReason += "; besides, this program does not maintain " + indexNames();

    int err = 0;
    switch (detail::LockRange(fd, detail::kInUseOffset, 1, F_RDLCK, lockTimeout, &err)) {
    case detail::LockResult::Acquired:
        inUseHeld = true;
        break;
    case detail::LockResult::Busy:
        return fail("another program is packing the table");
    case detail::LockResult::Failed:
        break;  // no locks on this file system: pack() will refuse
    }
    return true;
}

void Table::Impl::examineIndexes()
{
    keyOf.assign(layout.fields.size(), KeyUse{});
    std::string dir, file;
    splitPath(path, dir, file);
    bool production = false;
    for (const std::string& name : siblingIndexFiles(dir, file)) {
        detail::IndexKind kind = detail::IndexKind::Cdx;
        detail::IndexKindOf(name, kind);
        production = production || kind == detail::IndexKind::Mdx || kind == detail::IndexKind::Cdx;
        IndexSource source{"the index file " + name, {}, {}};
        const std::string full = dir + "/" + name;
        const int ifd = ::open(full.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        struct stat st {};
        if (ifd < 0 || ::fstat(ifd, &st) != 0 || !S_ISREG(st.st_mode)) {
            source.unreadable =
                ifd < 0 ? std::string("it cannot be opened: ") + std::strerror(errno) : "it is not a regular file";
        } else {
            const auto read = [ifd](std::uint64_t offset, char* buf, std::size_t length) {
                return PreadFull(ifd, buf, length, offset);
            };
            if (!detail::ReadIndexExpressions(kind, std::uint64_t(st.st_size), read, source.expressions,
                                              source.unreadable))
                source.expressions.clear();
        }
        if (ifd >= 0)
            ::close(ifd);
        indexes.push_back(std::move(source));
    }
    if (layout.productionIndexFlag && !production)
        indexes.push_back(
            {"the production index flagged in header byte 28", "no .mdx or .cdx file lies beside the table", {}});

    const auto lookup = [this](std::string_view name) {
        char key[detail::kMaxNameBytes + 1];
        std::size_t n = 0;
        if (!detail::FoldName(name, key, n) || n == 0)
            return -1;
        const auto it = byName.find(std::string_view(key, n));
        return it == byName.end() ? -1 : it->second;
    };
    for (std::size_t s = 0; s < indexes.size(); ++s) {
        IndexSource& source = indexes[s];
        for (std::size_t e = 0; e < source.expressions.size() && source.unreadable.empty(); ++e) {
            std::vector<int> fields;
            bool flag = false;
            std::string why;
            const detail::IndexExpression& x = source.expressions[e];
            if (!detail::ExpressionDependencies(x.text, lookup, fields, flag, why)) {
                std::string shown = x.text;  // bytes from the file: only printable ones reach a message
                for (char& c : shown)
                    c = (c >= 0x20 && c < 0x7F) ? c : '?';
                source.unreadable = "its " + x.role + " \"" + shown + "\": " + why;
                break;
            }
            const KeyUse use{int(s), int(e)};
            for (int f : fields) {
                if (keyOf[std::size_t(f - 1)].source < 0)
                    keyOf[std::size_t(f - 1)] = use;
            }
            if (flag && deletionKey.source < 0)
                deletionKey = use;
        }
    }
    // An index whose keys cannot be read may depend on anything.
    for (std::size_t s = 0; s < indexes.size(); ++s) {
        if (indexes[s].unreadable.empty())
            continue;
        const KeyUse all{int(s), -1};
        for (KeyUse& use : keyOf) {
            if (use.source < 0)
                use = all;
        }
        if (deletionKey.source < 0)
            deletionKey = all;
    }
}

bool Table::Impl::refreshCount()
{
    unsigned char bytes[4];
    struct stat st {};
    if (PreadFull(fd, bytes, 4, 4) != 4 || ::fstat(fd, &st) != 0)
        return fail("cannot read the record count");
    const std::uint32_t stored = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                                 std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
    count = detail::EffectiveCount(stored, std::uint64_t(st.st_size), layout.headerLength, layout.recordLength);
    return true;
}

void Table::Impl::moveTo(std::uint32_t r)
{
    if (pendingRecord != 0 && pendingRecord != r)
        flushPending();  // on failure the changes stay pending
    // Only a forward move may be served from the read-ahead window: going to
    // the same record again, or back, reads the file afresh.
    if (r <= current)
        dropWindow();
    // Going to the same record again keeps what is known about its presence:
    // the logical-name writes position before every field.
    if (r != current) {
        gone = false;
        verified = false;
    }
    current = r;
    rec = nullptr;
}

bool Table::Impl::load()
{
    if (rec)
        return true;
    if (current == 0 || gone)
        return false;
    const std::uint64_t offset = recordOffset(current);
    const auto now = Clock::now();
    if (winValid && now - winTime > kWindowAge)
        winValid = false;
    if (winValid && offset >= winStart && offset + recordLength <= winStart + winLen) {
        rec = window.data() + (offset - winStart);
    } else if (current == lastLoaded + 1 && !wroteSinceLoad) {
        // Forward scan: read ahead whole records, but not past the known count.
        const std::uint64_t fit = std::max<std::uint64_t>(1, kWindowBytes / recordLength);
        const std::uint64_t left = current <= count ? std::uint64_t(count - current) + 1 : 1;
        const std::size_t want = std::size_t(std::min(fit, left) * recordLength);
        if (window.size() < want)
            window.resize(std::max<std::size_t>(want, kWindowBytes));
        const std::size_t got = PreadFull(fd, window.data(), want, offset);
        winStart = offset;
        winLen = got - got % recordLength;
        winTime = now;
        winValid = winLen > 0;
        if (winValid)
            rec = window.data();
    } else if (PreadFull(fd, recBuf.data(), recordLength, offset) == recordLength) {
        rec = recBuf.data();
    }
    if (!rec) {  // short read: another program shortened the file
        gone = true;
        refreshCount();
        return fail("record " + std::to_string(current) + " no longer exists (the file was shortened)");
    }
    lastLoaded = current;
    wroteSinceLoad = false;
    verified = true;
    if (pendingRecord == current) {  // show our own unwritten changes
        if (rec != recBuf.data())
            std::memcpy(recBuf.data(), rec, recordLength);
        rec = recBuf.data();
        if (pendingFlag)
            recBuf[0] = pendingBytes[0];
        for (std::size_t i = 0; i < layout.fields.size(); ++i) {
            const FieldLayout& f = layout.fields[i];
            if (pendingField[i])
                std::memcpy(recBuf.data() + f.offset, pendingBytes.data() + f.offset, f.length);
        }
    }
    return true;
}

// ---------------------------------------------------------------- Table

Table::Table() : d(std::make_unique<Impl>()) {}
Table::~Table() = default;

std::unique_ptr<Table> Table::open(const std::string& path, std::string* error)
{
    std::unique_ptr<Table> t(new Table());
    if (!t->d->openFile(path)) {
        if (error)
            *error = t->d->error;
        return nullptr;
    }
    return t;
}

std::unique_ptr<Table> Table::create(const std::string& path, const std::vector<FieldInfo>& fields,
                                     std::uint8_t languageDriver, std::string* error)
{
    auto failure = [&](const std::string& why) -> std::unique_ptr<Table> {
        if (error)
            *error = path + ": " + why;
        return nullptr;
    };
    std::string reason;
    if (!detail::ValidateNewFields(fields, reason))
        return failure(reason);

    const std::time_t now = std::time(nullptr);
    struct tm tm {};
    ::localtime_r(&now, &tm);
    const std::vector<unsigned char> bytes =
        detail::BuildEmptyTable(fields, languageDriver, tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);

    std::string dir, file;
    splitPath(path, dir, file);
    std::string temp = dir + "/." + file + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return failure(std::string("cannot create a temporary file in ") + dir + ": " + std::strerror(errno));
    const bool written =
        ::fchmod(fd, 0666 & ~currentUmask()) == 0 && PwriteFull(fd, bytes.data(), bytes.size(), 0) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    ::close(fd);
    if (!written || ::rename(temp.c_str(), path.c_str()) != 0) {
        const int e = written ? errno : writeErrno;
        ::unlink(temp.c_str());
        return failure(std::string("cannot write the new table: ") + std::strerror(e));
    }
    if (const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dfd >= 0) {
        ::fsync(dfd);  // make the rename itself durable
        ::close(dfd);
    }
    return open(path, error);
}

const std::string& Table::path() const
{
    return d->path;
}
const std::string& Table::lastError() const
{
    return d->error;
}
WriteRefusal Table::writeRefusal() const
{
    return d->refusal;
}
std::uint8_t Table::languageDriver() const
{
    return d->layout.languageDriver;
}

std::uint32_t Table::recordCount()
{
    d->refreshCount();
    return d->count;
}

bool Table::top()
{
    d->refreshCount();
    d->moveTo(d->count > 0 ? 1 : 0);
    d->lastLoaded = 0;  // a scan starts here: read ahead
    if (d->count == 0)
        return d->fail("the table is empty");
    return true;
}

bool Table::bottom()
{
    d->refreshCount();
    d->moveTo(d->count);
    if (d->count == 0)
        return d->fail("the table is empty");
    return true;
}

bool Table::go(std::uint32_t record)
{
    if (record == 0 || record > d->count) {
        if (record != 0)
            d->refreshCount();
        if (record == 0 || record > d->count) {
            d->moveTo(0);
            return d->fail("record " + std::to_string(record) + " does not exist (" + std::to_string(d->count) +
                           " records)");
        }
    }
    d->moveTo(record);
    return true;
}

std::uint32_t Table::skip(long count)
{
    constexpr long long kFar = 1LL << 33;  // beyond any record number; keeps the sum in range
    long long target = static_cast<long long>(d->current) + std::clamp<long long>(count, -kFar, kFar);
    if (target > static_cast<long long>(d->count) || d->count == 0)
        d->refreshCount();
    if (d->count == 0) {
        d->moveTo(0);
        return 0;
    }
    target = std::clamp<long long>(target, 1, d->count);
    d->moveTo(std::uint32_t(target));
    return d->current;
}

std::uint32_t Table::recordNumber() const
{
    return d->current;
}

bool Table::isDeleted()
{
    return d->load() && d->rec[0] == detail::kDeletedFlag;
}

unsigned Table::fieldCount() const
{
    return unsigned(d->layout.fields.size());
}

int Table::fieldNumber(std::string_view name) const
{
    char key[detail::kMaxNameBytes + 1];
    std::size_t n = 0;
    if (!detail::FoldName(name, key, n) || n == 0)
        return -1;
    const auto it = d->byName.find(std::string_view(key, n));
    return it == d->byName.end() ? -1 : it->second;
}

std::string Table::fieldName(int field) const
{
    const FieldLayout* f = d->field(field);
    return f ? f->name : std::string();
}

char Table::fieldType(int field) const
{
    const FieldLayout* f = d->field(field);
    return f ? f->type : '\0';
}

unsigned Table::fieldLength(int field) const
{
    const FieldLayout* f = d->field(field);
    return f ? f->length : 0;
}

unsigned Table::fieldDecimals(int field) const
{
    const FieldLayout* f = d->field(field);
    return f ? f->decimals : 0;
}

bool Table::fieldText(int field, char* buf, std::size_t size)
{
    if (!buf || size == 0)
        return false;
    buf[0] = 0;
    const FieldLayout* f = d->field(field);
    if (!f || !d->load())
        return false;
    const std::size_t n = std::min<std::size_t>(f->length, size - 1);
    std::memcpy(buf, d->rec + f->offset, n);
    buf[n] = 0;
    return true;
}

std::string_view Table::fieldBytes(int field)
{
    const FieldLayout* f = d->field(field);
    if (!f || !d->load())
        return {};
    return std::string_view(d->rec + f->offset, f->length);
}

long Table::fieldInt(int field)
{
    return detail::DecodeInteger(fieldBytes(field));
}

}  // namespace kx::dbf
