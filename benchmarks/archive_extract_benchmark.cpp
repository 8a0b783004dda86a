// Unpacking throughput of the archive intake against lhasa's own command-line tool ("lhasa x") on
// the same large archive: about 48 MB of record-like Shift_JIS text packed by jlha with -lh5- at
// header level 1. Both run in turn on a fresh folder each time; compare their bytes per second.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/archive/extract.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLines = 60000;
constexpr int kFiles = 2;

class LargeArchive {
public:
    LargeArchive() {
        std::string pattern = (fs::temp_directory_path() / "zv-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
        std::string names;
        for (int f = 0; f < kFiles; ++f) {
            std::string name = "bvo_part" + std::to_string(f) + ".bv2";
            writeRecords(root_ / name, static_cast<uint32_t>(f + 1));
            names += " " + name;
        }
        std::string command = "cd '" + root_.string() + "' && jlha -a1q day.lzh" + names + " >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0) throw std::runtime_error("jlha failed");
        listing_ = zv::archive::listArchive(archive());
    }
    ~LargeArchive() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    fs::path archive() const { return root_ / "day.lzh"; }
    const zv::archive::ArchiveListing& listing() const { return listing_; }

    // An empty folder to unpack into.
    fs::path freshTarget(const char* name) const {
        fs::path target = root_ / name;
        fs::remove_all(target);
        fs::create_directory(target);
        return target;
    }

private:
    // Fixed-width lines of digits, blanks and double-byte names: compresses like a horse file.
    static void writeRecords(const fs::path& path, uint32_t seed) {
        static const char* kWords[] = {
            "\x83\x5A\x83\x8B", "\x83\x94\x83\x48", "20260412", "  ", "0583", "1345", "04", "\x93\x8C\x8B\x9E", "999"};
        std::ofstream out(path, std::ios::binary);
        uint32_t x = seed;
        for (int i = 0; i < kLines; ++i) {
            std::string line;
            while (line.size() < 400) {
                x = x * 1664525 + 1013904223;
                line += kWords[(x >> 16) % std::size(kWords)];
                line += std::to_string((x >> 8) % 100);
            }
            line.resize(400);
            out << line << "\r\n";
        }
    }

    fs::path root_;
    zv::archive::ArchiveListing listing_;
};

const LargeArchive& largeArchive() {
    static const LargeArchive archive;
    return archive;
}

void BM_IntakeExtract(benchmark::State& state) {
    const LargeArchive& large = largeArchive();
    for (auto _ : state) {
        state.PauseTiming();
        fs::path target = large.freshTarget("intake");
        state.ResumeTiming();
        auto errors = zv::archive::extractArchive(large.archive(), large.listing(), target, {});
        if (!errors.empty()) state.SkipWithError("extraction failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(large.listing().writtenLength()));
}

void BM_LhasaCommandExtract(benchmark::State& state) {
    const LargeArchive& large = largeArchive();
    for (auto _ : state) {
        state.PauseTiming();
        fs::path target = large.freshTarget("lhasa");
        std::string command = "cd '" + target.string() + "' && lhasa xqf '" + large.archive().string() + "'";
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0) state.SkipWithError("lhasa failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(large.listing().writtenLength()));
}

BENCHMARK(BM_IntakeExtract)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(BM_LhasaCommandExtract)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

}  // namespace

// The repetitions of both run interleaved, so that both see the same load on the machine.
int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
