// Project and structure files at 1,000 to 100,000 items, against a baseline
// that reads and writes the same bytes with plain stream I/O.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "files/projectfile.h"
#include "files/structurefile.h"
#include "model/appletagent.h"

namespace {

std::string ScratchPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / ("trellimenu-bench-" + name)).string();
}

// A menu of n items, up to six levels deep, with realistic text in the fields
// a user fills.
void FillMenu(TvarnAppletAgent& agent, int n)
{
    agent.ResetAppletToDefaults();
    unsigned state = 12345;
    int previous = -1;
    for (int k = 0; k < n; ++k) {
        state = state * 1103515245u + 12345u;
        const int deepest = previous + 1 < 5 ? previous + 1 : 5;
        const int level = static_cast<int>((state >> 16) % static_cast<unsigned>(deepest + 1));
        TItemData item = NewDefaultItem();
        item[ICaption] = "Menu item number " + std::to_string(k);
        item[pURL] = "https://www.example.com/section/page" + std::to_string(k) + ".html";
        item[pStatusMsg] = item[pURL];
        item[pPopDescText] = "Description of item " + std::to_string(k);
        item[pLevel] = std::to_string(level);
        agent.Document().items.push_back(item);
        previous = level;
    }
}

// One menu per size, written once, shared by the benchmarks of that size.
struct Fixture {
    TvarnAppletAgent agent;
    TSilentStatus status;
    std::string project;
    std::string structure;

    explicit Fixture(int n)
        : project(ScratchPath(std::to_string(n) + ".tmz")), structure(ScratchPath(std::to_string(n) + ".gms"))
    {
        FillMenu(agent, n);
        SaveProjectFile(agent.Document(), project, status);
        ExportStructureFile(agent.Document(), structure, status);
    }
    ~Fixture()
    {
        std::remove(project.c_str());
        std::remove(structure.c_str());
    }
};

Fixture& FixtureOf(int n)
{
    static Fixture small(1000), medium(10000), large(100000);
    return n == 1000 ? small : n == 10000 ? medium : large;
}

void SetBytes(benchmark::State& state, const std::string& path)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(path)));
}

using WriteFunction = void (*)(const TMenuDocument&, const std::string&, TStatusDisplay&);
using ReadFunction = TReadResult (*)(const std::string&, TMenuDocument&, TStatusDisplay&);
using FileOfFixture = std::string Fixture::*;

void Writing(benchmark::State& state, WriteFunction write, FileOfFixture file)
{
    Fixture& f = FixtureOf(static_cast<int>(state.range(0)));
    const std::string out = ScratchPath("written");
    for (auto _ : state)
        write(f.agent.Document(), out, f.status);
    SetBytes(state, f.*file);
    std::remove(out.c_str());
}

void Reading(benchmark::State& state, ReadFunction read, FileOfFixture file)
{
    Fixture& f = FixtureOf(static_cast<int>(state.range(0)));
    TMenuDocument document;
    for (auto _ : state)
        benchmark::DoNotOptimize(read(f.*file, document, f.status));
    SetBytes(state, f.*file);
}

void BM_LoadAndSaveProject(benchmark::State& state)
{
    Fixture& f = FixtureOf(static_cast<int>(state.range(0)));
    const std::string out = ScratchPath("loadsave.tmz");
    TMenuDocument document;
    for (auto _ : state) {
        LoadProjectFile(f.project, document, f.status);
        SaveProjectFile(document, out, f.status);
    }
    SetBytes(state, f.project);
    std::remove(out.c_str());
}

// The floor: the project file's bytes read whole and written back with streams.
void BM_PlainStreamReadWrite(benchmark::State& state)
{
    Fixture& f = FixtureOf(static_cast<int>(state.range(0)));
    const std::string out = ScratchPath("plain.tmz");
    for (auto _ : state) {
        std::ifstream in(f.project, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        std::ofstream(out, std::ios::binary | std::ios::trunc) << bytes.str();
    }
    SetBytes(state, f.project);
    std::remove(out.c_str());
}

#define TRELLIMENU_SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_PlainStreamReadWrite) TRELLIMENU_SIZES;
BENCHMARK_CAPTURE(Reading, LoadProject, LoadProjectFile, &Fixture::project) TRELLIMENU_SIZES;
BENCHMARK_CAPTURE(Writing, SaveProject, SaveProjectFile, &Fixture::project) TRELLIMENU_SIZES;
BENCHMARK(BM_LoadAndSaveProject) TRELLIMENU_SIZES;
BENCHMARK_CAPTURE(Writing, ExportStructure, ExportStructureFile, &Fixture::structure) TRELLIMENU_SIZES;
BENCHMARK_CAPTURE(Reading, ImportStructure, ImportStructureFile, &Fixture::structure) TRELLIMENU_SIZES;

}  // namespace
