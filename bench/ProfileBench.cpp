// Profile calls on a 200-line INI file in the site's Windows directory:
// reading one key from the middle (goal: at most 50 us) and writing one key
// (two fsyncs and a rename each time). The site lives in $TMPDIR, so the
// write figure includes that file system's fsync.

#include "platform/Profile.h"
#include "platform/SitePaths.h"

#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr char kFile[] = "kxbench.ini";

// Ten sections of nineteen keys: 200 lines. Section04/Key18 is line 100.
class BenchSite {
public:
    BenchSite()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kxprofilebench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        root_ = pattern;
        std::filesystem::create_directory(root_ + "/windows");
        kx::SitePaths::configure(root_);
        std::ofstream out(root_ + "/windows/" + kFile, std::ios::binary);
        char line[96];
        for (int s = 0; s < 10; ++s) {
            std::snprintf(line, sizeof line, "[Section%02d]\r\n", s);
            out << line;
            for (int k = 0; k < 19; ++k) {
                std::snprintf(line, sizeof line, "Key%02d=value of key %02d in section %02d\r\n", k, k, s);
                out << line;
            }
        }
    }
    ~BenchSite()
    {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

private:
    std::string root_;
};

void useSite()
{
    static BenchSite site;
}

void BM_ProfileReadMiddleKey(benchmark::State& state)
{
    useSite();
    char buffer[256];
    for (auto _ : state) {
        const unsigned long n = kx::GetPrivateProfileString("Section04", "Key18", "", buffer, sizeof buffer, kFile);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(buffer);
    }
}
BENCHMARK(BM_ProfileReadMiddleKey);

// The longest lookup: a key that is not there, so every line is looked at.
void BM_ProfileReadMissingKey(benchmark::State& state)
{
    useSite();
    char buffer[256];
    for (auto _ : state) {
        const unsigned long n =
            kx::GetPrivateProfileString("Section09", "NoSuchKey", "d", buffer, sizeof buffer, kFile);
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_ProfileReadMissingKey);

// Alternating values, so that every call really replaces the file.
void BM_ProfileWriteMiddleKey(benchmark::State& state)
{
    useSite();
    unsigned i = 0;
    for (auto _ : state) {
        const bool ok = kx::WritePrivateProfileString("Section04", "Key18", (++i & 1) ? "one" : "two", kFile);
        if (!ok) {
            state.SkipWithError("write failed");
            break;
        }
    }
}
BENCHMARK(BM_ProfileWriteMiddleKey);

}  // namespace
