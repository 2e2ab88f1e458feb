// The main window's refills on a 10,000-key mailbox table: reading the rows
// and merging them into the list model, when nothing changed and when every
// row changed; on the demo site (300 alarms) and on a table whose every key
// is an alarm (9,990 rows). Also one idle cycle of the file-watch thread,
// whose cost per second of watching is its CPU share.

#include "app/ctl/DemoSite.h"
#include "console/ConsoleSession.h"
#include "console/ListContents.h"
#include "console/ui/ListTableModel.h"
#include "core/CDatabase.h"
#include "core/FileWatch.h"
#include "core/MailboxLayout.h"
#include "platform/SitePaths.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using kx::console::ListRow;

// The demo site; with `allAlarms` every key from 10 to 9999 is made an alarm.
std::string site(bool allAlarms)
{
    const std::string dir =
        (std::filesystem::temp_directory_path() / (allAlarms ? "kx-bench-all-alarms" : "kx-bench-demo")).string();
    static std::string built[2];
    std::string& done = built[allAlarms ? 1 : 0];
    if (done.empty()) {
        std::filesystem::remove_all(dir);
        std::string error;
        if (!kx::ctl::DemoSite::build(dir, error))
            throw std::runtime_error(error);
        if (allAlarms) {
            CDatabase db;
            db.Open("\\db1\\vm001.dbf");
            db.SetFlush(0);
            db.Lock();
            for (long key = 10; key <= 9999; ++key) {
                db.Go(kx::mailbox::RecordOfKey(key));
                db.Replace("T02", 91);
                db.Replace("T33", ("Alarm " + std::to_string(key)).c_str());
                db.Replace("T30", static_cast<int>(10 + key % 20));
            }
            db.Flush();
            db.Unlock();
            db.Close();
            kx::SitePaths::configure(dir, {});
            std::filesystem::path ini = dir + "/windows/kxalarm.ini";
            std::string text = "[config]\r\nFirstAlarmKey=10\r\nLastAlarmKey=9999\r\n";
            FILE* f = std::fopen(ini.c_str(), "wb");
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
        done = dir;
    }
    kx::SitePaths::configure(dir, {});
    return dir;
}

struct Lists {
    kx::console::ConsoleSession session;
    kx::ui::ListTableModel model{{"a", "b", "c", "d"}, nullptr};
    explicit Lists(bool allAlarms)
    {
        site(allAlarms);
        session.start();
        session.loadGroups();
        model.mergeByKey(*session.alarmRows());
    }
};

void refill(benchmark::State& state, bool allAlarms, bool everyRowChanged)
{
    Lists lists(allAlarms);
    std::vector<ListRow> altered = lists.model.rows();
    for (ListRow& row : altered)
        row.text[1] += " (old)";
    for (auto _ : state) {
        if (everyRowChanged) {
            state.PauseTiming();
            lists.model.mergeByKey(altered);
            state.ResumeTiming();
        }
        auto rows = lists.session.alarmRows();
        lists.model.mergeByKey(*rows);
        benchmark::DoNotOptimize(lists.model.rowCount());
    }
    state.counters["rows"] = lists.model.rowCount();
}

void BM_DemoRefillNothingChanged(benchmark::State& s)
{
    refill(s, false, false);
}
void BM_DemoRefillEveryRowChanged(benchmark::State& s)
{
    refill(s, false, true);
}
void BM_AllAlarmsRefillNothingChanged(benchmark::State& s)
{
    refill(s, true, false);
}
void BM_AllAlarmsRefillEveryRowChanged(benchmark::State& s)
{
    refill(s, true, true);
}
BENCHMARK(BM_DemoRefillNothingChanged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DemoRefillEveryRowChanged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllAlarmsRefillNothingChanged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllAlarmsRefillEveryRowChanged)->Unit(benchmark::kMillisecond);

void BM_FileWatchIdleCycle(benchmark::State& state)
{
    Lists lists(false);
    lists.session.memberRows("10 Fire brigade");
    kx::FileWatch watch(lists.session.watchPaths(), nullptr, [](int) {});
    watch.start();
    // One cycle per second while nothing changes: its time per second of
    // watching is the thread's CPU share.
    for (auto _ : state)
        watch.cycle();
}
BENCHMARK(BM_FileWatchIdleCycle)->Unit(benchmark::kMicrosecond);

}  // namespace
