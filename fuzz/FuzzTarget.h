#pragma once
// What the fuzz targets share: a private scratch directory for the files a
// target writes (removed when the process ends normally), whole-file reads
// and writes, and a check that stops the run. A failed check aborts, so
// libFuzzer keeps the input as a reproducer and the corpus replay fails.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#define KX_FUZZ_CHECK(condition, what)                                                                                 \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s (%s)\n", __FILE__, __LINE__, what, #condition);              \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

namespace kx::fuzz {

inline const std::string& ScratchDirectory()
{
    static const std::string directory = [] {
        // Memory-backed when there is such a place: every input rewrites a file.
        const char* tmp = std::getenv("TMPDIR");
        const std::string base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : tmp && *tmp ? tmp : "/tmp";
        std::string pattern = base + "/kxfuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) {
            std::perror("kx fuzz: mkdtemp");
            std::abort();
        }
        return pattern;
    }();
    static const int removeAtExit = std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(directory, ec);
    });
    (void)removeAtExit;
    return directory;
}

inline std::string AsText(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    KX_FUZZ_CHECK(out.good(), "cannot write the scratch file");
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace kx::fuzz
