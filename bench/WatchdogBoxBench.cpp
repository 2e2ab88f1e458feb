// On a demo site whose keys 10 to 9999 are all alarms: opening the watch-dog
// box model (two alarm lists of 9,990 entries; goal at most 20 ms) and the
// DDI callback conversion of 1,000 free keys into alarms-in (goal at most
// 50 ms).

#include "bench/BenchSite.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "integration/DdiCallbackSettings.h"
#include "integration/WatchdogBoxSettings.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr const char* kTable = "\\db1\\vm001.dbf";

// Writes `status` into the keys first..last in one locked pass.
void setStatus(long first, long last, int status)
{
    CDatabase db;
    if (!db.Open(kTable))
        throw std::runtime_error("the mailbox table does not open");
    db.SetFlush(0);
    db.Lock();
    for (long key = first; key <= last; ++key) {
        db.Go(kx::mailbox::RecordOfKey(key));
        db.Replace("T02", status);
    }
    db.Flush();
    db.Unlock();
    db.Close();
}

void allAlarmsSite()
{
    static const bool built = [] {
        const std::string root = kx::bench::BuildBenchSite("kx-bench-all-alarms-settings");
        setStatus(10, 9999, 91);
        const std::string text = "[config]\r\nFirstAlarmKey=10\r\nLastAlarmKey=9999\r\n[WatchDog]\r\nActive=1\r\n";
        FILE* f = std::fopen((root + "/windows/kxalarm.ini").c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        return true;
    }();
    (void)built;
}

void OpenWatchdogBox(benchmark::State& state)
{
    allAlarmsSite();
    for (auto _ : state) {
        kx::integration::WatchdogBoxSettings model;
        model.load();
        if (model.options("AlarmOnNoConf").size() != 9990)
            throw std::runtime_error("the alarm list is not complete");
    }
}
BENCHMARK(OpenWatchdogBox)->Unit(benchmark::kMillisecond);

void ConvertDdiRange(benchmark::State& state)
{
    allAlarmsSite();
    CDatabase db;
    db.Open(kTable);
    for (auto _ : state) {
        state.PauseTiming();
        setStatus(1000, 1999, 11);
        state.ResumeTiming();
        if (kx::integration::ConvertDdiRange(db, 1000, 1999).created.size() != 1000)
            throw std::runtime_error("not every key was converted");
    }
    db.Close();
    setStatus(1000, 1999, 91);
}
BENCHMARK(ConvertDdiRange)->Unit(benchmark::kMillisecond);

}  // namespace
