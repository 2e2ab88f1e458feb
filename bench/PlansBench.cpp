// Listing one family of plans in a working directory of 2,000 plan files
// and 20,000 other files, and reading a plan of 10,000 lines for display.
// The goal: at most 20 ms each.

#include "plans/PlanDisplay.h"
#include "plans/PlanList.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace {

void write(const std::string& name, const std::string& bytes)
{
    std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}

// A working directory of its own, made once per run of the program.
void useBenchDirectory()
{
    static const bool made = [] {
        const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kx-bench-plans";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
        // 500 plans of each family with both files; 20,000 other files,
        // a part of them with names that nearly are plan files.
        for (int n = 10; n < 510; ++n)
            for (const char* family : {"kxa_", "kxi_"})
                for (const char* extension : {".kxh", ".kxw"})
                    write(family + std::to_string(n) + extension, "x");
        for (int n = 0; n < 20000; ++n)
            write((n % 4 == 0 ? "kxa_0" : "other_") + std::to_string(n) + (n % 2 ? ".kxw" : ".dat"), "x");
        std::string plan = "rem  header\n";
        for (int n = 0; n < 5000; ++n)
            plan += std::to_string(n % 7 + 1) + " , 08:00 - 17:00 , OFS " + std::to_string(n) + " the action;\r\n";
        write("kxa_9000.kxw", plan);
        write("kxa_9000.kxh", plan);
        return true;
    }();
    (void)made;
}

void ListOneFamily(benchmark::State& state)
{
    useBenchDirectory();
    for (auto _ : state) {
        const std::vector<kx::plans::PlanItem> items = kx::plans::ListPlans(kx::plans::PlanFamily::Alarm);
        if (items.size() != 501)
            throw std::runtime_error("the list is wrong: " + std::to_string(items.size()));
        benchmark::DoNotOptimize(items.data());
    }
}
BENCHMARK(ListOneFamily)->Unit(benchmark::kMillisecond);

void ReadTenThousandLines(benchmark::State& state)
{
    useBenchDirectory();
    for (auto _ : state) {
        const kx::plans::PlanDisplay display = kx::plans::ReadPlanForDisplay(9000, kx::plans::PlanFamily::Alarm);
        if (display.year.size() + display.week.size() != 10000)
            throw std::runtime_error("lines are missing");
        benchmark::DoNotOptimize(display.week.data());
    }
}
BENCHMARK(ReadTenThousandLines)->Unit(benchmark::kMillisecond);

}  // namespace
