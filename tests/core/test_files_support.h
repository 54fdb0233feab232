#pragma once
// Helpers shared by the file tests: a scratch folder per test, byte access,
// golden files, a status display that records what it was told, and what a
// read must leave.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "files/projectfile.h"
#include "files/structurefile.h"
#include "model/appletagent.h"
#include "model/menushape.h"
#include "model/statusdisplay.h"

namespace testfiles {

namespace fs = std::filesystem;

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string GoldenPath(const std::string& name)
{
    return std::string(TRELLIMENU_TEST_DATA) + "/files/" + name;
}

// A path in the temporary folder named `stem` and a number of its own: runs
// of the tests side by side (two checkouts on one machine, two Wine runs in
// one prefix) share that folder, and one's cleanup must never remove the
// other's files.
inline fs::path ScratchPath(const std::string& stem)
{
    std::random_device random;
    return fs::temp_directory_path() / (stem + "-" + std::to_string(random()));
}

class ScratchFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = ScratchPath(std::string("trellimenu-") + info->test_suite_name() + "-" + info->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    std::string Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
        return PathOf(name);
    }
    // The names in the folder, sorted.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    size_t FileCount() const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}));
    }

    fs::path folder_;
};

// Keeps the calls in order as readable words, and the running state.
class TRecordingStatus final : public TStatusDisplay {
public:
    void SetHint(const std::string& text) override { calls.push_back("hint:" + text); hint = text; }
    void SetProgressMax(int maximum) override { calls.push_back("max:" + std::to_string(maximum)); }
    void StepProgress(int step) override { position += step; }
    void SetProgressPosition(int p) override
    {
        calls.push_back("position:" + std::to_string(p));
        reached = position;
        position = p;
    }
    void SetBusy(bool b) override { calls.push_back(b ? "busy" : "normal"); busy = b; }

    std::vector<std::string> calls;
    std::string hint;
    int position = 0;
    int reached = 0;  // the position before the last reset
    bool busy = false;
};

inline TReadResult OpenProject(const std::string& path, TvarnAppletAgent& agent)
{
    TSilentStatus status;
    return ReadInto(ReadProjectFile, path, agent.Document(), status);
}

// Every stored level is plain decimal and already the depth-1 of the tree the
// levels describe: nothing left for the editor or the generator to repair.
inline void ExpectLevelsInShape(const TItemArray& items)
{
    const TMenuShape shape = TMenuShape::FromLevels(items);
    for (int k = 0; k < shape.ItemCount(); ++k)
        EXPECT_EQ(items[static_cast<size_t>(k)][pLevel], shape.LevelText(k)) << "item " << k;
}

}  // namespace testfiles
