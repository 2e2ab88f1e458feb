// Round trip of one 100-byte string through CNamedPipe: the client writes it,
// a server thread reads it and writes it back, the client reads the answer.
// Goal: at most 100 us per round trip.
#include <kxsupport/NamedPipe.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

namespace {

void BM_PipeRoundTrip100Bytes(benchmark::State& state)
{
    std::string dir = (std::filesystem::temp_directory_path() / "kxbench-XXXXXX").string();
    if (!::mkdtemp(dir.data())) {
        state.SkipWithError("no temporary directory");
        return;
    }
    ::setenv("KX_PIPEDIR", dir.c_str(), 1);

    CNamedPipe server;
    server.InitServer("bench");
    server.Connect(1, 0);
    std::thread echo([&server] {
        if (!server.Connect(1, 1))
            return;
        std::string text;
        while (server.ReadString(text, 1))
            server.WriteString(text.c_str());
    });

    CNamedPipe client;
    client.InitClient(nullptr, "bench");
    if (!client.Connect(1, 1)) {
        state.SkipWithError("no connection");
        server.Disconnect();
        echo.join();
        return;
    }
    const std::string message(100, 'm');
    std::string answer;
    for (auto _ : state) {
        client.WriteString(message.c_str());
        if (!client.ReadString(answer, 1) || answer.size() != message.size()) {
            state.SkipWithError("lost the answer");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
    client.Disconnect();  // ends the echo loop
    echo.join();
    server.Disconnect();
    std::filesystem::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_PipeRoundTrip100Bytes)->Unit(benchmark::kMicrosecond)->UseRealTime();
