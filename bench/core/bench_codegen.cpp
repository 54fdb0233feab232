// Generating and publishing large menus: the cost must grow linearly with the
// number of items (10x the items, at most 11x the time).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "codegen/generation.h"
#include "codegen/publishing.h"
#include "files/filetransaction.h"
#include "model/appletagent.h"

namespace fs = std::filesystem;

namespace {

// A menu of `count` items: groups of ten, three levels deep, links on every item.
struct TLargeMenu {
    explicit TLargeMenu(int count) {
        std::random_device random;
        folder = fs::temp_directory_path() / ("trellimenu-bench-" + std::to_string(random()));
        fs::create_directories(folder / "site");
        setup.programFolder = folder.string() + "/";
        for (const std::string& name : ScriptFileNames()) std::ofstream(folder / name) << "// " << name;
        agent.ResetAppletToDefaults();
        TAppletData applet = agent.GetAppletData();
        applet[pInternalUse_RootDir_Local] = "file:///C|/Site/";
        applet[pInternalUse_RootDir_Remote] = "http://www.example.com/";
        agent.SetAppletData(applet);
        for (int i = 0; i < count; ++i) {
            TItemData item = TvarnAppletAgent::NewDefaultItem();
            item[ICaption] = "Item " + std::to_string(i);
            item[pURL] = "http://www.example.com/page" + std::to_string(i) + ".html";
            item[pLevel] = std::to_string(i % 100 == 0 ? 0 : (i % 10 == 0 ? 1 : 2));
            agent.Document().items.push_back(item);
        }
    }
    ~TLargeMenu() {
        std::error_code error;
        fs::remove_all(folder, error);
    }

    fs::path folder;
    TvarnAppletAgent agent;
    TPublishSetup setup;
    TSilentStatus status;
};

void BM_GenerateMenu(benchmark::State& state) {
    TLargeMenu menu(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(GenerateMenu(menu.agent.Document(), menu.status));
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SaveAndPublish(benchmark::State& state) {
    TLargeMenu menu(static_cast<int>(state.range(0)));
    const std::string site = (menu.folder / "site").string() + "/";
    for (auto _ : state) SaveAndPublish(menu.agent.Document(), menu.setup, site, "menu.tmz", menu.status);
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Counts the renames of every commit through the failure seam, failing none.
class TRenameCounter final : public TFileFaults {
public:
    int BeforeWrite(const std::string&, size_t, size_t) override { return 0; }
    int BeforeRename(int) override {
        ++renames;
        return 0;
    }
    int renames = 0;
};

// A publish into a folder of its own, then the same publish again: the second
// finds every file as it would write it.
void BM_PublishUnchangedTwice(benchmark::State& state) {
    TLargeMenu menu(static_cast<int>(state.range(0)));
    TRenameCounter counter;
    SetFileFaults(&counter);
    int run = 0, firstRenames = 0, secondRenames = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path site = menu.folder / ("twice" + std::to_string(run++));
        fs::create_directories(site);
        counter.renames = 0;
        state.ResumeTiming();
        SaveAndPublish(menu.agent.Document(), menu.setup, site.string() + "/", "menu.tmz", menu.status);
        firstRenames = counter.renames;
        SaveAndPublish(menu.agent.Document(), menu.setup, site.string() + "/", "menu.tmz", menu.status);
        secondRenames = counter.renames - firstRenames;
    }
    SetFileFaults(nullptr);
    state.counters["first_renames"] = firstRenames;
    state.counters["second_renames"] = secondRenames;
}

}  // namespace

BENCHMARK(BM_GenerateMenu)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_SaveAndPublish)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_PublishUnchangedTwice)->Arg(10000)->Unit(benchmark::kMillisecond);
