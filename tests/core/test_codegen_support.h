#pragma once
// Shared by the generator, preview and publishing tests: scratch folders, a
// menu built from levels, golden files and a status display that records.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "codegen/generation.h"
#include "model/appletagent.h"

namespace codegentest {

namespace fs = std::filesystem;

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder per test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device random;
        path_ = fs::temp_directory_path() / ("trellimenu-codegen-test-" + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code error;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(path_, error);
    }
    const fs::path& Path() const { return path_; }
    // The folder as the agent takes folders: with a trailing separator.
    std::string Folder(const std::string& sub = "") const {
        fs::path p = sub.empty() ? path_ : path_ / sub;
        fs::create_directories(p);
        return p.string() + "/";
    }

private:
    fs::path path_;
};

struct TMenuLine {
    int level;
    std::string caption;
};

// An agent with reset values and the given items.
class MenuFixture {
public:
    explicit MenuFixture(const std::vector<TMenuLine>& lines = {}) {
        agent.ResetAppletToDefaults();
        for (const TMenuLine& line : lines) {
            TItemData item = TvarnAppletAgent::NewDefaultItem();
            item[ICaption] = line.caption;
            item[pLevel] = std::to_string(line.level);
            agent.Document().items.push_back(item);
        }
    }
    // Generates as the editor does: the records take what the generator leaves.
    TGeneratedMenu Generate(TStatusDisplay* status = nullptr, TPageCode pageCode = TPageCode::Classic) {
        TSilentStatus silent;
        TGeneratedMenu menu = GenerateMenu(agent.Document(), status ? *status : silent, pageCode);
        agent.Document() = menu.document;
        return menu;
    }
    void SetApplet(int field, const std::string& value) {
        TAppletData data = agent.GetAppletData();
        data[field] = value;
        agent.SetAppletData(data);
    }
    void SetItemField(int item, int field, const std::string& value) {
        TItemData data = agent.GetItem(item);
        data[field] = value;
        agent.SetItem(item, data);
    }
    int IndexOf(const std::string& caption) const {
        for (int i = 0; i < agent.ItemCount(); ++i) {
            if (agent.Items()[static_cast<size_t>(i)][ICaption] == caption) return i;
        }
        return -1;
    }

    TvarnAppletAgent agent;
};

// Compares a produced file with tests/data/codegen/<case>/<name>. With
// TRELLIMENU_UPDATE_GOLDEN=1 in the environment the golden file is rewritten
// instead (review the difference before committing it).
inline void ExpectGolden(const std::string& caseName, const std::string& name, const std::string& actual) {
    const fs::path golden = fs::path(TRELLIMENU_TEST_DATA) / "codegen" / caseName / name;
    if (const char* update = std::getenv("TRELLIMENU_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        fs::create_directories(golden.parent_path());
        WriteBytes(golden, actual);
        return;
    }
    ASSERT_TRUE(fs::exists(golden)) << golden;
    EXPECT_EQ(ReadBytes(golden), actual) << "differs from " << golden;
}

// Records every call as one line, e.g. "hint Making HTML Codes ... ...".
class RecordingStatus final : public TStatusDisplay {
public:
    void SetHint(const std::string& text) override { calls.push_back("hint " + text); }
    void SetProgressMax(int maximum) override { calls.push_back("max " + std::to_string(maximum)); }
    void StepProgress(int step) override { calls.push_back("step " + std::to_string(step)); }
    void SetProgressPosition(int position) override { calls.push_back("position " + std::to_string(position)); }
    void SetBusy(bool busy) override { calls.push_back(busy ? "busy" : "idle"); }
    std::vector<std::string> calls;
};

}  // namespace codegentest
