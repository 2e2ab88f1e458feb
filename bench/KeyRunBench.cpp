// Adding 9,000 keys with progress and deleting them again on the writer
// thread, on a demo site whose keys 1000 to 9999 are free. The goal: at most
// 0.3 s each.

#include "alarmconfig/KeyRun.h"
#include "bench/BenchSite.h"
#include "core/MailboxLayout.h"
#include "platform/SitePaths.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <filesystem>

namespace {

constexpr const char* kTable = "\\db1\\vm001.dbf";

std::vector<long> freeSite()
{
    static const std::vector<long> keys = [] {
        kx::bench::BuildBenchSite("kx-bench-keys");
        std::vector<long> all;
        CDatabase db;
        db.Open(kTable);
        for (long key = 1000; key < 10000; ++key) {
            kx::mailbox::WriteFields(db, key, {{"status", "11"}});
            all.push_back(key);
        }
        db.Close();
        return all;
    }();
    return keys;
}

void runKeys(bool add, const std::vector<long>& keys)
{
    std::atomic<int> shown{0};
    kx::alarmconfig::KeyRun::Events events;
    events.progress = [&shown](int percent) { shown = percent; };
    kx::alarmconfig::KeyRun run(kTable, {add, false}, keys, events);
    run.start();
    run.wait();
    if (shown != 100)
        throw std::runtime_error("the run did not finish");
}

void AddKeys(benchmark::State& state)
{
    const std::vector<long> keys = freeSite();
    for (auto _ : state) {
        runKeys(true, keys);
        state.PauseTiming();
        runKeys(false, keys);
        state.ResumeTiming();
    }
}
BENCHMARK(AddKeys)->Unit(benchmark::kMillisecond);

void DeleteKeys(benchmark::State& state)
{
    const std::vector<long> keys = freeSite();
    for (auto _ : state) {
        state.PauseTiming();
        runKeys(true, keys);
        state.ResumeTiming();
        runKeys(false, keys);
    }
}
BENCHMARK(DeleteKeys)->Unit(benchmark::kMillisecond);

}  // namespace
