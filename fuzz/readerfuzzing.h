#pragma once
// What both reader fuzzers check after every input: a read either changes
// nothing or leaves an item list and a tree that agree in count and levels,
// and an accepted document survives a write and a second read unchanged.

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
#include "model/memorymenutree.h"

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

inline void CheckTreeMatchesList(const TvarnAppletAgent& agent, const TMemoryMenuTree& tree)
{
    Check(tree.Count() == agent.ItemCount() + 1, "node count is item count + 1");
    Check(tree.Text(tree.Root()) == kRootNodeText, "root text");
    for (int k = 0; k < agent.ItemCount(); ++k) {
        const TMenuTree::Node node = tree.NodeAt(k + 1);
        const TItemData& item = agent.Items()[static_cast<size_t>(k)];
        Check(tree.Text(node) == item[ICaption], "node text is the caption");
        Check(std::to_string(tree.Level(node) - 1) == item[pLevel], "node depth is the level");
    }
}

// Reads as the editor does: into the agent's document, the tree view built
// anew from the levels when the read was accepted.
inline TReadResult Open(TDocumentReader read, TvarnAppletAgent& agent, const std::string& path, TMemoryMenuTree& tree)
{
    TSilentStatus status;
    const TReadResult result = ReadInto(read, path, agent.Document(), status);
    if (result.Accepted())
        agent.ShowInTree(tree);
    return result;
}

// read fills a document; write(document, path, status) writes the same format.
template <typename Write>
int FuzzReader(const uint8_t* data, size_t size, TDocumentReader read, Write write)
{
    const auto load = [read](TvarnAppletAgent& agent, const std::string& path, TMemoryMenuTree& tree) {
        return Open(read, agent, path, tree);
    };
    static const std::string input = ScratchPath("input");
    static const std::string output = ScratchPath("output");
    {
        std::ofstream file(input, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    // A recognisable open document that a refused read must leave alone.
    TvarnAppletAgent agent;
    TMemoryMenuTree tree;
    agent.ResetAppletToDefaults();
    tree.AddRoot(kRootNodeText);
    agent.InsertItem(0, NewDefaultItem());
    tree.AddChild(tree.Root(), "Item");
    const TItemArray itemsBefore = agent.Items();
    const TAppletData appletBefore = agent.GetAppletData();

    const TReadResult result = load(agent, input, tree);
    if (!result.Accepted()) {
        Check(!result.message.empty(), "a refusal says why");
        Check(agent.Items() == itemsBefore && agent.GetAppletData() == appletBefore, "refusal changes nothing");
        Check(tree.Count() == 2, "refusal keeps the tree");
        return 0;
    }
    CheckTreeMatchesList(agent, tree);

    const TItemArray items = agent.Items();
    const TAppletData applet = agent.GetAppletData();
    TSilentStatus status;
    write(agent.Document(), output, status);
    TvarnAppletAgent again;
    TMemoryMenuTree againTree;
    const TReadResult second = load(again, output, againTree);
    Check(second.status == TReadResult::Complete, "a written file reads back complete");
    Check(again.Items() == items, "items survive a round trip");
    // Only the carried parameters: a fresh document's reset values in the
    // uncarried slots are not stored, by design.
    const auto carried = [](const TAppletData& data) { return StringsToApplet(AppletToStrings(data)); };
    Check(carried(again.GetAppletData()) == carried(applet), "parameters survive a round trip");
    CheckTreeMatchesList(again, againTree);
    return 0;
}

}  // namespace fuzzing
