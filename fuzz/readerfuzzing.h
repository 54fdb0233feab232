#pragma once
// What both reader fuzzers check after every input: a read either changes
// nothing or leaves an item list whose levels already describe a tree, and an
// accepted document survives a write and a second read unchanged.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "files/projectfile.h"
#include "files/structurefile.h"
#include "files/textfile.h"
#include "model/appletagent.h"
#include "model/menushape.h"

namespace fuzzing {

[[noreturn]] inline void Fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void Check(bool condition, const char* what)
{
    if (!condition)
        Fail(what);
}

inline std::string ScratchPath(const char* name)
{
    return "/tmp/trellimenu-fuzz-" + std::to_string(getpid()) + "-" + name;
}

// Every stored level is plain decimal and the depth the levels give its item.
inline void CheckLevelsInShape(const TItemArray& items)
{
    const TMenuShape shape = TMenuShape::FromLevels(items);
    for (int k = 0; k < shape.ItemCount(); ++k)
        Check(items[static_cast<size_t>(k)][pLevel] == shape.LevelText(k), "a stored level is its item's depth");
}

// read fills a document; write(document, path, status) writes the same format.
template <typename Write>
int FuzzReader(const uint8_t* data, size_t size, TDocumentReader read, Write write)
{
    const auto load = [read](TvarnAppletAgent& agent, const std::string& path) {
        TSilentStatus status;
        return ReadInto(read, path, agent.Document(), status);
    };
    static const std::string input = ScratchPath("input");
    static const std::string output = ScratchPath("output");
    {
        std::ofstream file(input, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    // A recognisable open document that a refused read must leave alone.
    TvarnAppletAgent agent;
    agent.ResetAppletToDefaults();
    agent.Document().items.push_back(NewDefaultItem());
    const TItemArray itemsBefore = agent.Items();
    const TAppletData appletBefore = agent.GetAppletData();

    const TReadResult result = load(agent, input);
    if (!result.Accepted()) {
        Check(!result.message.empty(), "a refusal says why");
        Check(agent.Items() == itemsBefore && agent.GetAppletData() == appletBefore, "refusal changes nothing");
        return 0;
    }
    CheckLevelsInShape(agent.Items());

    const TItemArray items = agent.Items();
    const TAppletData applet = agent.GetAppletData();
    TSilentStatus status;
    write(agent.Document(), output, status);
    TvarnAppletAgent again;
    const TReadResult second = load(again, output);
    Check(second.status == TReadResult::Complete, "a written file reads back complete");
    Check(again.Items() == items, "items survive a round trip");
    // Only the carried parameters: a fresh document's reset values in the
    // uncarried slots are not stored, by design.
    const auto carried = [](const TAppletData& data) { return StringsToApplet(AppletToStrings(data)); };
    Check(carried(again.GetAppletData()) == carried(applet), "parameters survive a round trip");
    CheckLevelsInShape(again.Items());
    return 0;
}

}  // namespace fuzzing
