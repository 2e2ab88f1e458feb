// The alarm import on a site whose keys 10 to 9999 are all alarms, each
// with a message in every message file: importing a file shaped as the
// export writes it (9,990 lines of 52 columns, new text for every message;
// goal: at most 1.5 s with both phases and the INI batches), the check
// phase alone (a file refused at its last line; goal: at most 150 ms), and
// the INI batch by its number of edits (it must stay linear).

#include "bench/BenchSite.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "importexport/AlarmExport.h"
#include "importexport/AlarmImport.h"
#include "platform/Profile.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <map>

namespace {

namespace ie = kx::importexport;

constexpr long kFirstKey = 10;
constexpr long kLastKey = 9999;
constexpr const char* kMessageFiles[] = {"kxamsg.ini", "kxamsg1.ini", "kxamsg2.ini", "kxamsg3.ini"};

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// "[Messages]" with one message per alarm key.
std::string messageFile(const char* text)
{
    std::string ini = "[Messages]\r\n";
    for (long key = kFirstKey; key <= kLastKey; ++key)
        ini += std::to_string(key) + "=" + text + " " + std::to_string(key) + "\r\n";
    return ini;
}

// A file as the export writes it: the header and one line per alarm, the
// messages new.
std::string exportShapedFile()
{
    std::string csv = std::string(ie::kExportHeader) + "\r\n";
    for (long key = kFirstKey; key <= kLastKey; ++key) {
        const std::string k = std::to_string(key);
        csv += k + ";Alarm " + k + ";12;1;0;Pager message " + k + ";Display one " + k + ";Display two " + k +
               ";0;5;0;1234;0;0;0;30;20;fax" + k + ";alarm" + k + "@example.org";
        for (int column = 20; column <= 51; ++column)
            csv += ";" + std::to_string(column % 2);
        csv += ";Display three " + k + "\r\n";
    }
    return csv;
}

class Site {
public:
    Site()
    {
        root = kx::bench::BuildBenchSite("kximportbench");
        kx::WriteProfileString("kxalarm.ini", "config", "LastAlarmKey", std::to_string(kLastKey));
        CDatabase table;
        table.Open(kx::config::MailboxTablePath().c_str());
        kx::mailbox::UnitWriter writer(table);
        for (long key = kFirstKey; key <= kLastKey; ++key)
            writer.write(
                key, [](std::string_view) { return true; }, kx::mailbox::NewRecordWrites(key, true));
        table.Close();
        for (const char* file : kMessageFiles)
            writeFile(root + "/windows/" + file, messageFile("Old message"));
        const std::string csv = exportShapedFile();
        writeFile(root + "/work/export.csv", csv);
        writeFile(root + "/work/refused.csv", csv + "10x\r\n");
    }
    void restoreMessages() const
    {
        for (const char* file : kMessageFiles)
            writeFile(root + "/windows/" + file, messageFile("Old message"));
    }

    std::string root;
};

Site& site()
{
    static Site s;
    return s;
}

void BM_ImportExportShapedFile(benchmark::State& state)
{
    Site& s = site();
    const ie::OperationControl control;
    for (auto _ : state) {
        state.PauseTiming();
        s.restoreMessages();
        state.ResumeTiming();
        const ie::OperationResult result = ie::ImportAlarms(s.root + "/work/export.csv", ";", control);
        if (result.outcome != ie::Outcome::Done || result.count != kLastKey - kFirstKey + 1)
            state.SkipWithError(("import failed: " + result.error).c_str());
    }
}
BENCHMARK(BM_ImportExportShapedFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportCheckPhase(benchmark::State& state)
{
    Site& s = site();
    const ie::OperationControl control;
    for (auto _ : state) {
        const ie::OperationResult result = ie::ImportAlarms(s.root + "/work/refused.csv", ";", control);
        if (result.outcome != ie::Outcome::Refused)
            state.SkipWithError("the last line was not refused");
    }
}
BENCHMARK(BM_ImportCheckPhase)->Unit(benchmark::kMillisecond)->UseRealTime();

// One batch of `n` new keys into a message file of `n` keys.
void BM_IniBatch(benchmark::State& state)
{
    Site& s = site();
    const long n = state.range(0);
    std::string ini = "[Messages]\r\n";
    std::vector<kx::ProfileEdit> edits;
    for (long key = 0; key < n; ++key) {
        ini += std::to_string(key) + "=Old message\r\n";
        edits.push_back({"Messages", std::to_string(key), "New message " + std::to_string(key), false});
    }
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(s.root + "/windows/kxbatch.ini", ini);
        state.ResumeTiming();
        if (!kx::WritePrivateProfileEdits(edits, "kxbatch.ini"))
            state.SkipWithError(kx::ProfileLastError().c_str());
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_IniBatch)
    ->RangeMultiplier(4)
    ->Range(1000, 64000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity();

}  // namespace
