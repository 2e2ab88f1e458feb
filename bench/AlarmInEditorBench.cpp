// The alarm-in editor on the demo site (10,000 keys, 100 alarms-in, 300
// alarms): opening it (the alarm-in list, the first alarm-in and its page;
// the model alone and with its dialog), switching to another alarm-in, and saving one. The goals: open at most
// 30 ms, switch 5 ms, save 10 ms.

#include "alarmconfig/AlarmInEditor.h"
#include "alarmconfig/ui/AlarmInSettingsDialog.h"
#include "bench/BenchSite.h"
#include "platform/SitePaths.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <filesystem>

namespace {

void useDemoSite()
{
    static const std::string dir = kx::bench::BuildBenchSite("kx-bench-alarm-in");
    kx::SitePaths::configure(dir, {});
}

void OpenEditor(benchmark::State& state)
{
    useDemoSite();
    for (auto _ : state) {
        kx::alarmconfig::AlarmInEditor editor;
        editor.open(5000);
        benchmark::DoNotOptimize(editor.currentKey());
    }
}
BENCHMARK(OpenEditor)->Unit(benchmark::kMillisecond);

// The same with the dialog: every page's widget made and bound, the first shown.
void OpenDialog(benchmark::State& state)
{
    useDemoSite();
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kx_alarmconfig_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    for (auto _ : state) {
        kx::alarmconfig::AlarmInEditor editor;
        editor.open(5000);
        kx::ui::AlarmInSettingsDialog dialog(editor, nullptr);
        benchmark::DoNotOptimize(dialog.pageStack());
    }
}
BENCHMARK(OpenDialog)->Unit(benchmark::kMillisecond);

// Alternates between a broadcast and a conference alarm-in: both pages fill
// an alarm list.
void SwitchAlarmIn(benchmark::State& state)
{
    useDemoSite();
    kx::alarmconfig::AlarmInEditor editor;
    editor.open(5000);
    bool first = true;
    for (auto _ : state) {
        editor.change("key", first ? "5001" : "5000");
        first = !first;
    }
}
BENCHMARK(SwitchAlarmIn)->Unit(benchmark::kMillisecond);

// Saves a broadcast alarm-in with a changed label: the record unit and its page.
void SaveAlarmIn(benchmark::State& state)
{
    useDemoSite();
    kx::alarmconfig::AlarmInEditor editor;
    editor.open(5000);
    bool first = true;
    for (auto _ : state) {
        editor.change("text_opt1", first ? "Gate A" : "Gate B");
        first = !first;
        if (!editor.apply())
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(SaveAlarmIn)->Unit(benchmark::kMillisecond);

}  // namespace
