// Opening the slave alarm start settings on a table whose every key from 10
// to 9999 is an alarm (9,990 entries, every other one started on the slave):
// the alarm range read, both lists made and sorted. The goal: at most 20 ms.

#include "bench/BenchSite.h"
#include "core/MailboxLayout.h"
#include "integration/SlaveAlarmStart.h"
#include "platform/Profile.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

void alarmSite()
{
    static const bool built = [] {
        const std::string root = kx::bench::BuildBenchSite("kx-bench-slave-alarm-start");
        kx::bench::MakeEveryKeyAnAlarm([](long key) {
            return std::vector<kx::mailbox::FieldWrite>{{"text_opt1", "Evacuation building " + std::to_string(key)}};
        });
        std::ofstream out(root + "/windows/kxaredalrstart.ini", std::ios::binary | std::ios::trunc);
        out << "[StartSlaveAlarm]\r\n";
        for (long key = 10; key <= 9999; key += 2)
            out << key << "=1\r\n";
        return true;
    }();
    (void)built;
}

void OpenSlaveAlarmStart(benchmark::State& state)
{
    alarmSite();
    for (auto _ : state) {
        kx::integration::SlaveAlarmStart model;
        model.load();
        if (model.alarms().size() != 9990) {
            state.SkipWithError(("listed " + std::to_string(model.alarms().size())).c_str());
            break;
        }
    }
}
BENCHMARK(OpenSlaveAlarmStart)->Unit(benchmark::kMillisecond);

}  // namespace
