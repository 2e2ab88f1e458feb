// Fuzz target "table": a table file of arbitrary bytes is opened, every
// field of every record is read, and one field of one record is written, as
// text and as a number. Opening fails with a reason or gives a table whose
// records lie inside the file; reading and moving write nothing; a write
// changes only the bytes of its field (and the header's last-update date),
// and a refused write changes nothing.
//
// The input is the whole file, so the corpus holds real tables. What is
// written comes from the input as well: the bytes behind the last record
// (after one end-of-file mark) are the text and the number, the input's size
// picks the record and the field.

#include "fuzz/FuzzTarget.h"
#include "tableengine/DbfTable.h"

#include <climits>
#include <cstring>
#include <vector>

using kx::dbf::Table;

namespace {

unsigned le16(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8);
}

// Every field of every record (and the numbers just outside) read, the
// record pointer moved to both ends and past them.
void readEverything(Table& t, std::uint32_t count)
{
    static std::vector<char> buffer(70000);
    const int fields = static_cast<int>(t.fieldCount());
    for (std::uint32_t r = 0; r <= count + 1; ++r) {
        KX_FUZZ_CHECK(t.go(r) == (r >= 1 && r <= count), "go() disagrees with the record count");
        t.isDeleted();
        for (int f = -1; f <= fields + 1; ++f) {
            const bool valid = r >= 1 && r <= count && f >= 1 && f <= fields;
            KX_FUZZ_CHECK(t.fieldText(f, buffer.data(), buffer.size()) == valid, "fieldText() of a bad place");
            KX_FUZZ_CHECK(t.fieldBytes(f).size() == (valid ? t.fieldLength(f) : 0), "fieldBytes() size");
            t.fieldInt(f);
            const std::string name = t.fieldName(f);
            const int byName = t.fieldNumber(name);
            KX_FUZZ_CHECK(!valid || name.empty() || (byName >= 1 && byName <= f), "a field is not found by its name");
            t.fieldType(f);
            t.fieldDecimals(f);
        }
    }
    for (long step : {LONG_MIN, -1L, 0L, 1L, LONG_MAX}) {
        t.top();
        const std::uint32_t at = t.skip(step);
        KX_FUZZ_CHECK(count == 0 ? at == 0 : at >= 1 && at <= count, "skip() left the table");
        t.bottom();
        t.skip(step);
    }
}

// Writes `assign` to field `field` of record `record`; checks that the file
// changed only there (or not at all when the write was refused).
template <class Assign>
void writeOne(Table& t, const std::string& path, std::uint32_t record, int field, std::size_t headerLength,
              std::size_t recordLength, Assign assign)
{
    const std::string before = kx::fuzz::ReadFile(path);
    std::size_t offset = 1;
    for (int f = 1; f < field; ++f)
        offset += t.fieldLength(f);
    const std::size_t from = headerLength + (record - 1) * recordLength + offset;
    const std::size_t to = from + t.fieldLength(field);

    KX_FUZZ_CHECK(t.go(record), "go() to a counted record");
    const bool written = assign(t);
    KX_FUZZ_CHECK(written || !t.lastError().empty(), "a refused write without a reason");
    const std::string after = kx::fuzz::ReadFile(path);
    KX_FUZZ_CHECK(after.size() == before.size(), "a field write changed the file's size");
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] == before[i])
            continue;
        KX_FUZZ_CHECK(written, "a refused write changed the file");
        KX_FUZZ_CHECK((i >= from && i < to) || (i >= 1 && i <= 3), "a write changed bytes outside its field");
    }
    if (written)
        KX_FUZZ_CHECK(t.fieldBytes(field) == std::string_view(after).substr(from, to - from),
                      "the field does not read back what the file holds");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = kx::fuzz::ScratchDirectory() + "/fuzz.dbf";
    const std::string bytes = kx::fuzz::AsText(data, size);
    kx::fuzz::WriteFile(path, bytes);

    std::string error;
    std::unique_ptr<Table> t = Table::open(path, &error);
    if (!t) {
        KX_FUZZ_CHECK(!error.empty(), "open failed without a reason");
        return 0;
    }
    KX_FUZZ_CHECK(size >= 32 && t->fieldCount() >= 1, "a table without a header or fields opened");
    const std::size_t headerLength = le16(data + 8), recordLength = le16(data + 10);
    const std::uint32_t count = t->recordCount();
    KX_FUZZ_CHECK(headerLength + std::uint64_t(count) * recordLength <= size, "more records than the file holds");

    readEverything(*t, count);
    KX_FUZZ_CHECK(kx::fuzz::ReadFile(path) == bytes, "reading changed the file");
    if (count == 0)
        return 0;

    std::string_view tail = std::string_view(bytes).substr(headerLength + std::size_t(count) * recordLength);
    if (!tail.empty() && tail.front() == '\x1a')
        tail.remove_prefix(1);
    tail = tail.substr(0, 64);
    double number = 0;
    std::memcpy(&number, tail.data(), std::min(tail.size(), sizeof number));

    const std::uint32_t record = 1 + static_cast<std::uint32_t>(size % count);
    const int field = 1 + static_cast<int>(size % t->fieldCount());
    const int next = 1 + field % static_cast<int>(t->fieldCount());
    writeOne(*t, path, record, field, headerLength, recordLength,
             [&](Table& table) { return table.assignText(field, tail); });
    writeOne(*t, path, record, next, headerLength, recordLength,
             [&](Table& table) { return table.assignDouble(next, number); });
    return 0;
}
