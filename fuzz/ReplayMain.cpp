// Runs a fuzz target over its corpus without libFuzzer: every file of the
// folders (or the single files) named on the command line, in name order,
// through LLVMFuzzerTestOneInput. The test suite runs it on the committed
// corpora in every build, so an input that once crashed keeps being tried.

#include "fuzz/FuzzTarget.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        if (fs::is_directory(argv[i], ec)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(argv[i], ec))
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
        } else {
            inputs.emplace_back(argv[i]);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER|FILE...: no inputs found\n", argv[0]);
        return 1;
    }
    for (const fs::path& input : inputs) {
        const std::string bytes = kx::fuzz::ReadFile(input.string());
        std::fprintf(stderr, "%s (%zu bytes)\n", input.c_str(), bytes.size());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
