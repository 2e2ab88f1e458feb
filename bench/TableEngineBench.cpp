// Table engine hot paths on a mailbox-sized table: 10 000 records of 99
// fields (about 1.9 KB each).
//   Scan*:        go(r) for every record and five field reads
//   WriteThrough: 297 000 write-through assignText calls (33 fields of 9 000 records)
//   WriteThroughForeignCache: the same after another program read the whole
//                 file (its kernel read-ahead decides how the page cache holds it)

#include "tableengine/DbfTable.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using kx::dbf::FieldInfo;
using kx::dbf::Table;

constexpr std::uint32_t kRecords = 10000;

std::vector<FieldInfo> mailboxFields()
{
    std::vector<FieldInfo> f;
    auto name = [](int i) {
        char b[8];
        std::snprintf(b, sizeof b, "T%02d", i);
        return std::string(b);
    };
    for (int i = 1; i <= 30; ++i)
        f.push_back({name(i), 'N', 12, 0});
    f.push_back({name(31), 'C', 30, 0});
    f.push_back({name(32), 'C', 30, 0});
    f.push_back({name(33), 'C', 80, 0});
    for (int i = 34; i <= 40; ++i)
        f.push_back({name(i), 'C', 65, 0});
    for (int i = 41; i <= 44; ++i)
        f.push_back({name(i), 'C', 100, 0});
    for (int i = 45; i <= 53; ++i)
        f.push_back({name(i), 'C', 30, 0});
    for (int i = 54; i <= 58; ++i)
        f.push_back({name(i), 'C', 22, 0});
    const unsigned widths[] = {10, 10, 10, 10, 10, 10, 6, 6, 6, 6, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 2,
                               2,  2,  2,  2,  1,  1,  1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    for (int i = 59; i <= 99; ++i)
        f.push_back({name(i), 'N', widths[i - 59], 0});
    return f;
}

// Created once per run and removed at exit; left allocated so that the exit
// handler can still read it.
const std::string* createdTable = nullptr;

void removeTable()
{
    if (std::getenv("KX_BENCH_KEEP"))
        return;
    ::unlink(createdTable->c_str());
    ::rmdir(createdTable->substr(0, createdTable->rfind('/')).c_str());
}

// Fills the records with raw writes (much faster than field-by-field appends).
std::string createTable()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string dir = std::string(tmp && *tmp ? tmp : "/tmp") + "/kx_tableengine_bench.XXXXXX";
    if (!::mkdtemp(dir.data()))
        std::abort();
    const std::string p = dir + "/vm001.dbf";
    const auto fields = mailboxFields();
    if (!Table::create(p, fields))
        std::abort();
    std::size_t rl = 1;
    for (const auto& f : fields)
        rl += f.length;
    const std::size_t hl = 32 + 32 * fields.size() + 1;
    std::vector<char> data(rl * kRecords + 1, ' ');
    for (std::uint32_t r = 0; r < kRecords; ++r) {
        char* rec = data.data() + r * rl + 1;
        std::size_t off = 0;
        for (const auto& f : fields) {
            char v[32];
            const int n = std::snprintf(v, sizeof v, f.type == 'N' ? "%*u" : "rec%u", int(f.length), r % 10);
            for (int i = 0; i < n && std::size_t(i) < f.length; ++i)
                rec[off + i] = v[i];
            off += f.length;
        }
    }
    data.back() = 0x1A;
    // Written, synced and dropped from the page cache: the benchmarks then
    // see the file as it comes from disk, not as one big fresh write.
    const int fd = ::open(p.c_str(), O_RDWR);
    const unsigned char count[4] = {kRecords & 0xFF, (kRecords >> 8) & 0xFF, 0, 0};
    if (fd < 0 || ::pwrite(fd, data.data(), data.size(), off_t(hl)) != ssize_t(data.size()) ||
        ::pwrite(fd, count, 4, 4) != 4 || ::fdatasync(fd) != 0 || ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) != 0)
        std::abort();
    ::close(fd);
    return p;
}

const std::string& tablePath()
{
    if (!createdTable) {
        createdTable = new std::string(createTable());
        std::atexit(removeTable);
    }
    return *createdTable;
}

const int kReadFields[] = {2, 15, 30, 33, 82};

void BM_ScanByNumber(benchmark::State& state)
{
    auto t = Table::open(tablePath());
    char buf[256];
    for (auto _ : state) {
        for (std::uint32_t r = 1; r <= kRecords; ++r) {
            t->go(r);
            for (int f : kReadFields)
                t->fieldText(f, buf, sizeof buf);
            benchmark::DoNotOptimize(buf);
        }
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ScanByNumber)->Unit(benchmark::kMillisecond);

void BM_ScanByName(benchmark::State& state)
{
    auto t = Table::open(tablePath());
    const char* names[] = {"T02", "T15", "T30", "T33", "T82"};
    char buf[256];
    for (auto _ : state) {
        for (std::uint32_t r = 1; r <= kRecords; ++r) {
            t->go(r);
            for (const char* n : names)
                t->fieldText(t->fieldNumber(n), buf, sizeof buf);
            benchmark::DoNotOptimize(buf);
        }
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ScanByName)->Unit(benchmark::kMillisecond);

void BM_FieldNumber(benchmark::State& state)
{
    auto t = Table::open(tablePath());
    for (auto _ : state)
        benchmark::DoNotOptimize(t->fieldNumber("text_opt1") + t->fieldNumber("t82"));
}
BENCHMARK(BM_FieldNumber);

void BM_WriteThrough(benchmark::State& state)
{
    auto t = Table::open(tablePath());
    std::uint64_t writes = 0;
    for (auto _ : state) {
        for (std::uint32_t r = 1; r <= 9000; ++r) {
            t->go(r);
            for (int f = 3; f <= 35; ++f)
                t->assignText(f, f <= 30 ? "12" : "abc");
            writes += 33;
        }
    }
    state.SetItemsProcessed(std::int64_t(writes));
}
BENCHMARK(BM_WriteThrough)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WriteThroughForeignCache(benchmark::State& state)
{
    {
        const int fd = ::open(tablePath().c_str(), O_RDONLY);
        std::vector<char> buf(1 << 20);
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        for (off_t off = 0; ::pread(fd, buf.data(), buf.size(), off) > 0; off += off_t(buf.size())) {
        }
        ::close(fd);
    }
    BM_WriteThrough(state);
}
BENCHMARK(BM_WriteThroughForeignCache)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
