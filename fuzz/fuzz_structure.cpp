// Feeds arbitrary bytes to the structure file reader.
#include "readerfuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzzing::FuzzReader(
        data, size,
        [](TvarnAppletAgent& agent, const std::string& path, TMenuTree& tree) {
            return agent.ImportStructure(path, tree);
        },
        [](TvarnAppletAgent& agent, const std::string& path) { agent.ExportStructure(path); });
}
