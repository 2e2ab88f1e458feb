// Exporting 9,990 alarms (keys 10 to 9999) with a message for each in every
// message file. The goal: at most 150 ms.

#include "bench/BenchSite.h"
#include "core/MailboxLayout.h"
#include "importexport/AlarmExport.h"
#include "platform/Profile.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

void alarmSite()
{
    static const bool built = [] {
        const std::string root = kx::bench::BuildBenchSite("kx-bench-export");
        kx::bench::MakeEveryKeyAnAlarm([](long key) {
            return std::vector<kx::mailbox::FieldWrite>{{"text_opt1", "Fire alarm; building " + std::to_string(key)},
                                                        {"string65_4", "alarm" + std::to_string(key) + "@example.org"}};
        });
        for (const char* file : {"kxamsg.ini", "kxamsg1.ini", "kxamsg2.ini", "kxamsg3.ini"}) {
            std::ofstream out(root + "/windows/" + file, std::ios::binary | std::ios::trunc);
            out << "[Messages]\r\n";
            for (long key = 10; key <= 9999; ++key)
                out << key << "=\"Alarm " << key << ": please call the control room at once\"\r\n";
        }
        return true;
    }();
    (void)built;
}

void ExportAlarms(benchmark::State& state)
{
    alarmSite();
    for (auto _ : state) {
        const kx::importexport::OperationResult result = kx::importexport::ExportAlarms("export.csv", {});
        if (result.count != 9990) {
            state.SkipWithError(("exported " + std::to_string(result.count) + ": " + result.error).c_str());
            break;
        }
    }
}
BENCHMARK(ExportAlarms)->Unit(benchmark::kMillisecond);

}  // namespace
