// Feeds arbitrary bytes to the project file reader.
#include "readerfuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzzing::FuzzReader(data, size, ReadProjectFile, SaveProjectFile);
}
