// Feeds arbitrary bytes to the structure file reader.
#include "readerfuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzzing::FuzzReader(data, size, ReadStructureFile, ExportStructureFile);
}
