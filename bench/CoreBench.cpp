// The console's hot table paths on a demo site's 10,000-key mailbox table:
// a list fill reads five fields of every record; adding 9,000 alarms writes
// 33 fields per key, each written through at once.

#include "bench/BenchSite.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

const std::string& demoRoot()
{
    static const std::string root = kx::bench::BuildBenchSite("kx-bench-site");
    return root;
}

void BM_ReadFiveFieldsOfEveryRecord(benchmark::State& state)
{
    demoRoot();
    const std::string path = kx::config::MailboxTablePath();
    CDatabase db;
    if (!db.Open(path.c_str()))
        state.SkipWithError("mailbox table not opened");
    const unsigned long records = db.RecCount();
    char status[8], text[80], group[16], kind[16], type[16];
    long alarms = 0;
    for (auto _ : state) {
        alarms = 0;
        for (unsigned long r = 1; r <= records; ++r) {
            db.Go(r);
            db.Read("T02", status);
            db.Read("T33", text);
            db.Read("T30", group);
            db.Read("T15", kind);
            db.Read("T82", type);
            alarms += status[0] == '9' && status[1] == '1';
        }
        benchmark::DoNotOptimize(alarms);
    }
    db.Close();
    state.counters["records"] = static_cast<double>(records);
    state.counters["alarms"] = static_cast<double>(alarms);
}
BENCHMARK(BM_ReadFiveFieldsOfEveryRecord)->Unit(benchmark::kMillisecond);

void BM_AddNineThousandAlarms(benchmark::State& state)
{
    demoRoot();
    const std::string path = kx::config::MailboxTablePath();
    for (auto _ : state) {
        CDatabase db;
        if (!db.Open(path.c_str()))
            state.SkipWithError("mailbox table not opened");
        long writes = 0;
        for (long key = 1000; key < 10000; ++key) {
            for (const auto& w : kx::mailbox::NewRecordWrites(key, true)) {
                kx::mailbox::WriteField(db, kx::mailbox::RecordOfKey(key), static_cast<unsigned long>(key),
                                        w.logicalName, w.value.c_str());
                ++writes;
            }
        }
        db.Close();
        state.counters["writes"] = static_cast<double>(writes);
    }
}
BENCHMARK(BM_AddNineThousandAlarms)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
